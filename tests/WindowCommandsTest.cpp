// H, A, T, the hotkeys, the numbered window commands and the menus that give them.
#include "tests/BarFixture.h"

#include <algorithm>

namespace {

using Handles = std::vector<HWND>;

class WindowCommands : public BarFixture {
protected:
    void SetUp() override { Start(); }
    void Hide(HWND window) {
        ASSERT_NO_FATAL_FAILURE(RideOn(window));
        Command(IDC_HIDE);
    }
    void Hotkey(int id) { bar->SendMessage(WM_HOTKEY, static_cast<WPARAM>(id), 0); }
    LRESULT TrayMenu(std::deque<UINT> choices = {}) {
        interaction.m_menuChoices = std::move(choices);
        const CSystemTray& icon = bar->TrayIcon();
        const LRESULT result =
            icon.SendMessage(icon.GetIconData().uCallbackMessage, IDR_TRAYMENU, WM_RBUTTONUP);
        PumpMessages();
        return result;
    }
    CForeignWindow first{"First window"}, second{"Second window"}, third{"Third window"};
};

// The other routes back meet the same list: the hidden-window list's and the hung-window tests.
TEST_F(WindowCommands, HideGivesEachWindowAnIconWhoseDoubleClickAndAltSShowItAgain) {
    const HWND A = first.Handle(), B = second.Handle(), C = third.Handle();
    for (HWND window : {A, B, C}) {
        ASSERT_NO_FATAL_FAILURE(Hide(window));
        EXPECT_FALSE(::IsWindowVisible(window));
    }
    EXPECT_TRUE(IsCollapsed(bar->m_hWnd));
    EXPECT_EQ((Handles{A, B, C}), IconWindows());
    const CSystemTray& icon = *bar->HiddenTrayIcons().at(1);
    icon.SendMessage(icon.GetIconData().uCallbackMessage, 0, WM_LBUTTONDBLCLK);
    EXPECT_TRUE(::IsWindowVisible(B) && Hidden() == (Handles{A, C}));
    EXPECT_EQ((Handles{A, C}), IconWindows());
    // Alt+S: last to first, so that the first hidden ends in front.
    Hotkey(CButtonBarDlg::kShowAllHotkey);
    EXPECT_TRUE(::IsWindowVisible(C) && A == ::GetForegroundWindow());
    EXPECT_TRUE(Hidden().empty() && IconWindows().empty());
}

// A click on H, or the tray menu, made the bar the foreground window: the keyboard goes on
// to the next window down, not nowhere.
TEST_F(WindowCommands, AHideThatLeavesTheBarInFrontHandsTheKeyboardToTheNextWindow) {
    const HWND A = first.Handle(), B = second.Handle();
    for (const bool fromMenu : {false, true}) {
        second.BringToFront();
        ASSERT_NO_FATAL_FAILURE(RideOn(A));
        Dialog().RefreshLists();
        ASSERT_TRUE(::SetForegroundWindow(bar->m_hWnd));
        Command(fromMenu ? ID_ACTIVEWINDOW_FIRST + (Dialog().WindowHandles().at(0) == A ? 0 : 1)
                         : IDC_HIDE);
        EXPECT_FALSE(::IsWindowVisible(A)) << fromMenu;
        EXPECT_TRUE(::GetForegroundWindow() == B && ::GetFocus() == B) << fromMenu;
        Tick();
        EXPECT_EQ(B, bar->Target()) << fromMenu;
    }
}

// Alt+S activates the window that ends in front from the bar's own thread, once its program
// answers: left to that program, the system may refuse it the foreground.
TEST_F(WindowCommands, AltSMakesTheLastWindowShownTheForegroundWindowItself) {
    CForeignProcess other("Other program");
    ASSERT_NE(nullptr, other.Handle());
    bar->HiddenWindowList().Hide(CWindowCalls(other.Handle()));
    first.BringToFront();
    ::PostMessageA(other.Handle(), kBusyMessage, 150, 0);
    Hotkey(CButtonBarDlg::kShowAllHotkey);
    EXPECT_EQ(other.Handle(), ::GetForegroundWindow());
}

TEST_F(WindowCommands, NumberedCommandsStartAtTheirFirstIdAndHideAllRefreshesFirst) {
    ::ShowWindow(first.Handle(), SW_SHOWNOACTIVATE);
    Dialog().RefreshLists();
    const HWND listed = Dialog().WindowHandles().at(0);
    Command(ID_ACTIVEWINDOW_FIRST);
    EXPECT_FALSE(::IsWindowVisible(listed));
    EXPECT_EQ(Handles{listed}, Hidden());
    EXPECT_TRUE(IconWindows().empty());
    Command(ID_ACTIVEWINDOW_FIRST + Dialog().WindowHandles().size()); // beyond: nothing
    Command(ID_HIDDENWINDOW_FIRST + 1);
    EXPECT_EQ(Handles{listed}, Hidden());
    Command(ID_HIDDENWINDOW_FIRST);
    EXPECT_TRUE(::IsWindowVisible(listed) && Hidden().empty());

    // Shown after the last refresh, and still hidden by Alt+A, which collapses the bar on it.
    ASSERT_NO_FATAL_FAILURE(RideOn(second.Handle()));
    ASSERT_FALSE(IsCollapsed(bar->m_hWnd));
    Hotkey(CButtonBarDlg::kHideAllHotkey);
    EXPECT_FALSE(::IsWindowVisible(second.Handle()) || ::IsWindowVisible(listed));
    EXPECT_TRUE(IsCollapsed(bar->m_hWnd) && IconWindows().empty());
    // Any icon number will do: the window travels with the command.
    Command(ID_RESTOREWINDOW_FIRST + 9999, second.Handle());
    EXPECT_TRUE(::IsWindowVisible(second.Handle()));
    EXPECT_EQ(Handles{listed}, Hidden());
    // The last entry a menu can number, and choose.
    Handles many(0xFFFF - ID_HIDDENWINDOW_FIRST - 1, nullptr);
    many.push_back(third.Handle());
    bar->HiddenWindowList().HideEvery(many);
    PumpMessages();
    EXPECT_EQ("Hidden windows/Third window 65535", RightClick(IDC_HIDE, {0xFFFF}).at(5536));
    EXPECT_TRUE(::IsWindowVisible(third.Handle()));
}

TEST_F(WindowCommands, MenusListTheWindowsOfThisMomentAndHandTheirChoicesToTheBar) {
    Command(ID_AUTOMAXIMIZE);
    bar->HiddenWindowList().Hide(CWindowCalls(first.Handle()));
    second.BringToFront(); // after the last refresh, and in front of the bar
    POINT cursor;
    ::GetCursorPos(&cursor);
    EXPECT_EQ(1, TrayMenu({ID_AUTOMAXIMIZE}));
    const MenuCall tray = interaction.m_menus.at(0);
    EXPECT_TRUE(tray.flags == 0 && tray.owner == bar->m_hWnd && tray.foreground == bar->m_hWnd);
    EXPECT_EQ(cursor.x, tray.x);
    std::vector<std::string> expected = {"Active windows"};
    for (std::size_t i = 0; i < Dialog().WindowHandles().size(); ++i) {
        expected.push_back("Active windows/" + WindowTitle(Dialog().WindowHandles()[i]) + " " +
                           std::to_string(50000 + i));
    }
    expected.insert(expected.end(),
                    {"Hidden windows", "Hidden windows/First window 60000", "----",
                     "Window selector 32783 default", "Skin selector 32782",
                     "Automaximize IE 32786 checked", "Preferences 32787", "----", "Quit 32771"});
    EXPECT_EQ(expected, tray.lines);
    EXPECT_TRUE(Contains(Dialog().WindowHandles(), second.Handle()));
    EXPECT_EQ(0, bar->IsAutoMaximizeOn()) << "the choice reached the bar";

    expected = {"Hidden windows", "Hidden windows/First window 60000", "&Transparency"};
    for (int percent = 90; percent >= 10; percent -= 10) {
        expected.push_back("&Transparency/&" + std::to_string(percent) + "% " +
                           std::to_string(32772 + 9 - percent / 10));
    }
    expected.insert(expected.end(), {"&Transparency/----", "&Transparency/&Off 32781",
                                     "&Window Selector 32783", "", "----", "&Quit 32771"});
    for (UINT button : {IDC_HIDE, IDC_TOPMOST, IDC_TRANSPARENCY}) {
        expected[expected.size() - 3] =
            std::string("Automaximize IE 32786") + (bar->IsAutoMaximizeOn() ? " checked" : "");
        EXPECT_EQ(expected, RightClick(button, {ID_AUTOMAXIMIZE})) << button;
        const MenuCall& menu = interaction.m_menus.back();
        EXPECT_EQ(static_cast<UINT>(TPM_LEFTALIGN | TPM_RIGHTBUTTON), menu.flags);
        EXPECT_TRUE(menu.owner == bar->Button(button).m_hWnd && menu.x == cursor.x);
    }
    EXPECT_EQ(1, bar->IsAutoMaximizeOn()) << "switched three times";
    RightClick(IDC_TOPMOST, {ID_WINDOWSELECTOR});
    EXPECT_TRUE(::IsWindowVisible(Dialog().m_hWnd));
}

// A title set through the wide API on another program's window, as the system holds it: é中😀
// are 2, 3 and 4 bytes in UTF-8. Lists and menus keep 259 bytes: 28 é中😀 and é中; the
// tooltip's 127 keep "Hidden window: ", 12 é中😀 and é.
TEST_F(WindowCommands, TitlesInAnyScriptAreListedAndTippedWholeOrCutBeforeACharacter) {
    CForeignProcess other("Wide title");
    ASSERT_NE(nullptr, other.Handle());
    std::wstring title;
    std::string utf8;
    for (int i = 0; i < 40; ++i) {
        title += L"é中😀";
        utf8 += "é中😀";
    }
    ::SetWindowTextW(other.Handle(), title.c_str());
    ASSERT_NO_FATAL_FAILURE(Hide(other.Handle()));
    EXPECT_EQ("Hidden window: " + utf8.substr(0, 12 * 9 + 2),
              bar->HiddenTrayIcons().back()->GetIconData().szTip);
    const std::string listed = utf8.substr(0, 28 * 9 + 5);
    EXPECT_EQ("Hidden windows/" + listed + " 60000", RightClick(IDC_HIDE).at(1));
    char text[400] = "";
    ::SendDlgItemMessageA(Dialog().m_hWnd, IDC_HIDDENLIST, LB_GETTEXT, 0,
                          reinterpret_cast<LPARAM>(text));
    EXPECT_EQ(listed, text);
}

} // namespace
