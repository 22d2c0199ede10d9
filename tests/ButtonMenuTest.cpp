#include "tests/BarFixture.h"

#include <functional>

namespace {

// The menu as resource 129 holds it, behind the given "Hidden windows" lines.
std::vector<std::string> ExpectedMenu(const std::vector<std::string>& hidden,
                                      const char* automaximize) {
    std::vector<std::string> lines = {"Hidden windows"};
    for (const std::string& entry : hidden) {
        lines.push_back("Hidden windows/" + entry);
    }
    lines.push_back("&Transparency");
    for (int percent = 90; percent >= 10; percent -= 10) {
        lines.push_back("&Transparency/&" + std::to_string(percent) + "% " +
                        std::to_string(32772 + 9 - percent / 10));
    }
    lines.insert(lines.end(), {"&Transparency/----", "&Transparency/&Off 32781",
                               "&Window Selector 32783", automaximize, "----", "&Quit 32771"});
    return lines;
}

class ButtonMenu : public BarFixture {
protected:
    void SetUp() override {
        Start();
        RideOn(target);
    }

    // A right press on the button; the menu answers with the given choices. Its lines.
    std::vector<std::string> RightClick(CSkinButton& button, std::deque<UINT> choices = {}) {
        interaction.m_menuChoices = std::move(choices);
        button.SendMessage(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(2, 2));
        PumpMessages();
        return LastMenuLines(interaction);
    }

    CForeignWindow target{"Menu target", {200, 150, 700, 450}};
    CForeignWindow first{"First hidden"}, second{"Second hidden"}, third{"Third hidden"};
};

TEST_F(ButtonMenu, EveryButtonOpensTheSameMenuAtThePointerAndItsCommandsReachTheBar) {
    Hide(first);
    Hide(second);
    for (CSkinButton* button : {&bar->m_btnHide, &bar->m_btnTopmost, &bar->m_btnTransparency}) {
        PumpMessages();
        POINT cursor = {}; // not the press's point: that is the button's corner
        ::GetCursorPos(&cursor);
        EXPECT_EQ(
            ExpectedMenu({"First hidden 60000", "Second hidden 60001"}, "Automaximize IE 32786"),
            RightClick(*button));
        const MenuCall& menu = interaction.m_menus.back();
        EXPECT_EQ(static_cast<UINT>(TPM_LEFTALIGN | TPM_RIGHTBUTTON), menu.flags);
        EXPECT_EQ(button->m_hWnd, menu.owner);
        EXPECT_TRUE(menu.x == cursor.x && menu.y == cursor.y);
    }

    bar->m_pProcessingDlg->m_hiddenHandles.clear();
    RightClick(bar->m_btnTopmost, {32786});
    EXPECT_EQ(ExpectedMenu({"<there are no hidden windows> 0"}, "Automaximize IE 32786 checked"),
              RightClick(bar->m_btnTopmost, {32783}));
    EXPECT_TRUE(::IsWindowVisible(bar->m_pProcessingDlg->m_hWnd));
}

TEST_F(ButtonMenu, PercentagesSetTheTargetsOpacity) {
    const std::pair<UINT, int> levels[] = {{32772, 229}, {32780, 25}, {32781, -1}};
    for (const auto& [command, level] : levels) {
        RightClick(bar->m_btnTransparency, {command});
        EXPECT_EQ(level, LayeredAlpha(target.Handle())) << command;
    }
}

TEST_F(ButtonMenu, HiddenEntryShowsItsWindowAndAnIndexBeyondDoesNothingInEitherMenu) {
    for (const CForeignWindow* window : {&first, &second, &third}) {
        Hide(*window);
    }
    RightClick(bar->m_btnTopmost, {60001});
    EXPECT_TRUE(::IsWindowVisible(second.Handle()));
    EXPECT_EQ(ExpectedMenu({"First hidden 60000", "Third hidden 60001"}, "Automaximize IE 32786"),
              RightClick(bar->m_btnTopmost, {60002}));
    EXPECT_EQ((std::vector<HWND>{first.Handle(), third.Handle()}),
              bar->m_pProcessingDlg->m_hiddenHandles);
    EXPECT_FALSE(::IsWindowVisible(first.Handle()) || ::IsWindowVisible(third.Handle()));

    // More than 16-bit ids can number: both menus list the first 5536.
    bar->m_pProcessingDlg->m_hiddenHandles.assign(5537, first.Handle());
    RightClick(bar->m_btnTopmost);
    ::SendMessageA(bar->m_trayIcon.m_hWnd, bar->m_trayIcon.GetIconData().uCallbackMessage,
                   IDR_TRAYMENU, WM_RBUTTONUP);
    const std::vector<MenuCall>& menus = interaction.m_menus;
    for (const auto* hidden : {&menus.end()[-2].items[0].submenu, &menus.back().items[1].submenu}) {
        ASSERT_EQ(5536u, hidden->size());
        EXPECT_EQ(65535u, hidden->back().id);
    }
}

// Calls a hook the first time the window is shown, before it shows.
WNDPROC g_shownProc = nullptr;
std::function<void()> g_onShow;
LRESULT CALLBACK ShowHook(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SHOWWINDOW && wParam && g_onShow) {
        std::function<void()> hook = std::move(g_onShow);
        g_onShow = nullptr;
        hook();
    }
    return ::CallWindowProcA(g_shownProc, window, message, wParam, lParam);
}

TEST_F(ButtonMenu, QuitIgnoresASecondQuitAndShowsEveryHiddenWindowThoughTheListChanges) {
    for (const CForeignWindow* window : {&first, &second, &third}) {
        Hide(*window);
    }
    CForeignWindow unrelated("Hidden by no one"); // never shown
    bool asked = false;
    // While the question is open: a second Quit, Alt+A, and "all" chosen in the dialog.
    interaction.m_whileAsking = [&] {
        if (!asked) {
            asked = true;
            RightClick(bar->m_btnHide, {32771});
            bar->SendMessage(WM_HOTKEY, CButtonBarDlg::kHideAllHotkey, 0);
            bar->m_pProcessingDlg->OnShowAll();
        }
    };
    // Showing the first window changes the list under the exit's loop, as a refresh could.
    g_shownProc = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrA(first.Handle(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ShowHook)));
    g_onShow = [&] { bar->m_btnHide.SendMessage(WM_COMMAND, 60000, 0); };
    interaction.m_messageBoxAnswers = {IDYES};
    RightClick(bar->m_btnTransparency, {32771});

    EXPECT_EQ(1u, interaction.m_messageBoxes.size()) << "asked once";
    for (const CForeignWindow* window : {&first, &second, &third, &target}) {
        EXPECT_TRUE(::IsWindowVisible(window->Handle()));
    }
    EXPECT_FALSE(::IsWindowVisible(unrelated.Handle()));
}

} // namespace
