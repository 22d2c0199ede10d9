#include "controls/SkinFolder.h"
#include "tests/BarFixture.h"

#include <commctrl.h>
#include <shlobj.h>

namespace {

class ButtonBar : public BarFixture {};

TEST_F(ButtonBar, StartsCollapsedTopmostWithItsBalloonOnlyAtTheFirstRunAndOnlyQuitEndsIt) {
    CForeignWindow other("Hotkey holder");
    ASSERT_TRUE(::RegisterHotKey(other.Handle(), 1, MOD_ALT, 'A'));
    Start(nullptr);
    // A taken hotkey is reported once and the other still works.
    EXPECT_EQ(Strings{"Uanble to register hotkey for hide-all function|Panewarden|0"},
              interaction.m_messageBoxes);
    EXPECT_FALSE(::RegisterHotKey(other.Handle(), 2, MOD_ALT, 'S')) << "Alt+S is the bar's";
    ::UnregisterHotKey(other.Handle(), 1);
    EXPECT_TRUE(::GetWindowLongA(bar->m_hWnd, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_EQ(nullptr, bar->PreferencesDlg()) << "made when first asked for";
    const NOTIFYICONDATAA* icon = &bar->TrayIcon().GetIconData();
    EXPECT_TRUE(icon->uID == 133 && icon->dwInfoFlags == NIIF_INFO && icon->uTimeout == 10000);
    const std::string tip = "Panewarden - Controll your windows";
    // The balloon is shown once: a later re-add stays quiet.
    EXPECT_EQ((Strings{tip, tip, ""}), (Strings{icon->szTip, icon->szInfoTitle, icon->szInfo}));
    // Wine's balloon can take the foreground, and would stay in front of the tests after this.
    NOTIFYICONDATAA quiet = *icon;
    quiet.uFlags = NIF_INFO;
    ::Shell_NotifyIconA(NIM_MODIFY, &quiet);
    // Only a double-click on the icon gives its default item, the window selector.
    for (WORD mouse : {WM_LBUTTONUP, WM_RBUTTONDBLCLK, WM_LBUTTONDBLCLK}) {
        EXPECT_FALSE(::IsWindowVisible(Dialog().m_hWnd)) << mouse;
        bar->TrayIcon().SendMessage(icon->uCallbackMessage, icon->uID, mouse);
    }
    EXPECT_TRUE(::IsWindowVisible(Dialog().m_hWnd));
    Command(IDOK);
    Command(IDCANCEL);
    bar->SendMessage(WM_CLOSE);
    EXPECT_TRUE(::IsWindow(bar->m_hWnd) && interaction.m_messageBoxes.size() == 1);

    const HICON trayImage = icon->hIcon;
    bar.reset();
    ICONINFO info;
    EXPECT_FALSE(::GetIconInfo(trayImage, &info)) << "the tray image is destroyed with the bar";
    // With a settings file, no balloon; with the window timer off, the bar stays collapsed.
    Start();
    EXPECT_EQ(static_cast<UINT>(NIF_MESSAGE | NIF_ICON | NIF_TIP),
              bar->TrayIcon().GetIconData().uFlags);
    EXPECT_TRUE(::IsWindowVisible(bar->m_hWnd) && IsCollapsed(bar->m_hWnd));
}

// A's face is down before the bar hears of the click, H's stays up; a double-click activates
// the target.
TEST_F(ButtonBar, FacesShowBeforeTheBarActsAndADoubleClickActivatesTheTarget) {
    Start();
    CForeignWindow target("Target"), other("Other");
    RideOn(target.Handle());
    for (const auto& [button, face] : {std::pair{IDC_TOPMOST, "A-DOWN"}, {IDC_HIDE, "H-UP"}}) {
        const HWND pressed = bar->Button(button).m_hWnd;
        RECT client;
        ::GetClientRect(pressed, &client);
        int differences = -1;
        const auto check = [&] {
            differences = Differences(
                pressed, client, GfxFolder() + "\\Windows Standard\\" + face + ".BMP", CLR_INVALID);
        };
        Tick(); // above the target made topmost
        Watch(bar->m_hWnd, WM_COMMAND, check, [&] {
            ::SendMessageA(pressed, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
            ::SendMessageA(pressed, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
        });
        EXPECT_EQ(0, differences) << face;
    }
    for (UINT message : {WM_RBUTTONDBLCLK, WM_LBUTTONDBLCLK}) {
        other.BringToFront();
        bar->Button(IDC_HIDE).SendMessage(message);
        EXPECT_TRUE(PumpUntil([&] { return ::GetForegroundWindow() == target.Handle(); }));
    }
}

// The answer to the exit question; 0: nothing is hidden, nothing is asked.
class ButtonBarExit : public ButtonBar, public ::testing::WithParamInterface<int> {};

TEST_P(ButtonBarExit, QuitAsksOnceShowsFirstToLastOnYesAndOnNoTheNextStartKnowsThem) {
    Start();
    CForeignWindow first("First"), second("Second"), third("Third");
    ::ShowWindow(third.Handle(), SW_SHOWNOACTIVATE);
    if (GetParam()) {
        bar->HiddenWindowList().Hide(CWindowCalls(first.Handle()));
        bar->HiddenWindowList().Hide(CWindowCalls(second.Handle()));
    }
    Dialog().OnShowAll(); // the exit question still finds the program's list
    interaction.m_messageBoxAnswers.push_back(GetParam());
    // While it asks, another Quit comes from a button's menu and a window is hidden.
    interaction.m_whileAsking = [&] {
        RightClick(IDC_HIDE, {ID_QUIT});
        bar->HiddenWindowList().Hide(CWindowCalls(third.Handle()));
    };
    const HWND trayWindow = bar->TrayIcon().m_hWnd;
    Command(ID_QUIT);
    const std::string question = "Would you like to show the windows that you have hidden?|"
                                 "Panewardweb - Exit Question|" +
                                 std::to_string(MB_YESNO | MB_ICONINFORMATION);
    EXPECT_EQ(GetParam() ? Strings{question} : Strings{}, interaction.m_messageBoxes);
    EXPECT_TRUE(GetParam() != IDYES ||
                (first.m_nShownAt < second.m_nShownAt && second.m_nShownAt < third.m_nShownAt));
    EXPECT_EQ(GetParam() != IDNO, ::IsWindowVisible(third.Handle()) != 0);
    EXPECT_EQ(kTimerOff, ReadFileBytes(kSettingsPath));
    EXPECT_FALSE(::IsWindow(trayWindow));
    Start();
    EXPECT_EQ(GetParam() == IDNO ? 3u : 0u, Hidden().size());
}
INSTANTIATE_TEST_SUITE_P(ButtonBarAnswers, ButtonBarExit, ::testing::Values(0, IDNO, IDYES));

// Periods outside the sliders' ranges: the labels say them, closing stores the ends.
TEST_F(ButtonBar, PreferencesShowTheStoredValuesFollowOnlyDragsAndApplyOnClose) {
    CForeignWindow frame("Browser", {100, 100, 400, 300}, 0, "IEFrame");
    Start("Blue\r\nTRUE\r\n3\r\nFALSE\r\n5000\r\n");
    Command(ID_PREFERENCES);
    CWnd& dialog = *bar->PreferencesDlg();
    const auto item = [&](int id) { return ::GetDlgItem(dialog.m_hWnd, id); };
    const auto shown = [&](int slider, int label) {
        return std::to_string(::SendMessageA(item(slider), TBM_GETPOS, 0, 0)) + " " +
               WindowTitle(item(label)) + (::IsWindowEnabled(item(label)) ? " on" : " off");
    };
    EXPECT_EQ("10 3 ms on", shown(IDC_AUTOMAXIMIZESLIDER, IDC_AUTOMAXIMIZELABEL));
    EXPECT_EQ("1000 5000 ms off", shown(IDC_WINDOWTIMERSLIDER, IDC_WINDOWTIMERLABEL));
    ::SendMessageA(item(IDC_WINDOWTIMER), BM_CLICK, 0, 0);
    // Only a drag moves the label: the thumb's track and its final position.
    for (const auto& [code, position] : {std::pair{SB_THUMBTRACK, 400},
                                         {SB_THUMBPOSITION, 600},
                                         {SB_PAGEDOWN, 700},
                                         {SB_TOP, 700},
                                         {SB_ENDSCROLL, 700}}) {
        ::SendMessageA(item(IDC_WINDOWTIMERSLIDER), TBM_SETPOS, TRUE, position);
        dialog.SendMessage(WM_HSCROLL, MAKEWPARAM(code, position),
                           reinterpret_cast<LPARAM>(item(IDC_WINDOWTIMERSLIDER)));
    }
    EXPECT_EQ("700 600 ms on", shown(IDC_WINDOWTIMERSLIDER, IDC_WINDOWTIMERLABEL));
    ::ShowWindow(frame.Handle(), SW_RESTORE);
    dialog.SendMessage(WM_COMMAND, IDOK); // Enter waits
    EXPECT_TRUE(::IsWindowVisible(dialog.m_hWnd));
    dialog.SendMessage(WM_SYSCOMMAND, SC_CLOSE, 0);
    PumpMessages();
    EXPECT_EQ("Blue\r\nTRUE\r\n10\r\nTRUE\r\n700\r\n", ReadFileBytes(kSettingsPath));
    EXPECT_TRUE(PumpUntil([&] { return ::IsZoomed(frame.Handle()) != 0; }, 500));
}

TEST_F(ButtonBar, TheChosenSkinRepaintsAtOnceComesBackAtTheNextStartAndKeepsMissingFaces) {
    CTempFolder partial; // no T-DOWN
    for (const char* face : {"A-DOWN", "A-UP", "T-UP", "H-DOWN", "H-UP"}) {
        ::CopyFileA((GfxFolder() + "\\Flat\\" + face + ".BMP").c_str(),
                    partial.File(std::string(face) + ".BMP").c_str(), FALSE);
    }
    const auto shows = [&](const std::string& skin) {
        ::RedrawWindow(bar->m_hWnd, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        RECT rect = WindowRect(bar->Button(IDC_HIDE).m_hWnd);
        ::MapWindowPoints(nullptr, bar->m_hWnd, reinterpret_cast<POINT*>(&rect), 2);
        return Differences(bar->m_hWnd, rect, GfxFolder() + "\\" + skin + "\\H-UP.BMP",
                           CLR_INVALID) == 0;
    };
    // A second start heard while a face is reported (the box runs a message loop) opens the
    // window selector, also at start-up.
    interaction.m_whileAsking = [&] { bar->SendMessage(CButtonBarDlg::SecondStartMessage()); };
    // Chosen (empty: cancelled), the skin shown, the name saved.
    const std::tuple<std::string, std::string, std::string> choices[] = {
        {"", "Windows Standard", "Windows Standard"},
        {GfxFolder(), "Windows Standard", "Windows Standard"},
        {GfxFolder() + "\\High Contrast", "High Contrast", "High Contrast"},
        {partial.Path(), "Flat", partial.Path()}};
    for (const auto& [folder, skin, saved] : choices) {
        Start();
        bar->MoveWindow(300, 300, 60, 20);
        if (!folder.empty()) {
            interaction.m_folderChoices.push_back(folder);
        }
        Command(ID_SKINSELECTOR);
        const BrowseCall& browse = interaction.m_browses.back();
        EXPECT_TRUE(browse.owner == bar->Button(IDC_TRANSPARENCY).m_hWnd &&
                    browse.title == "Please select new buttons" &&
                    browse.flags == (BIF_RETURNONLYFSDIRS | BIF_RETURNFSANCESTORS) &&
                    ::lstrcmpiA(GfxFolder().c_str(), browse.root.c_str()) == 0);
        EXPECT_TRUE(shows(skin)) << folder;
        bar->ExitProgram();
        const std::string file = ReadFileBytes(kSettingsPath);
        EXPECT_EQ(saved, file.substr(0, file.find('\r')));
        Start(file.c_str());
        bar->MoveWindow(300, 300, 60, 20);
        EXPECT_TRUE(shows(skin)) << folder;
        EXPECT_EQ(folder == partial.Path(), ::IsWindowVisible(Dialog().m_hWnd) != 0) << folder;
    }
    // At the choice and at the next start.
    const std::string missing =
        "Path to the bitmap does not exists...\n" + partial.File("T-DOWN.BMP") + "|Panewarden|0";
    EXPECT_EQ((Strings{missing, missing}), interaction.m_messageBoxes);
}

} // namespace
