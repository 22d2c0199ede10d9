#include "tests/BarFixture.h"

#include <algorithm>
#include <cstdlib>

namespace {

void AddWindowLines(std::vector<std::string>& lines, const std::string& submenu,
                    const std::vector<HWND>& windows, UINT firstId) {
    lines.push_back(submenu);
    for (std::size_t i = 0; i < windows.size(); ++i) {
        lines.push_back(submenu + "/" + WindowTitle(windows[i]) + " " +
                        std::to_string(firstId + i));
    }
}

class TrayMenu : public BarFixture {
protected:
    void SetUp() override { Start(); }

    LRESULT Notify(CSystemTray& icon, UINT iconId, UINT mouseMessage) {
        return ::SendMessageA(icon.m_hWnd, icon.GetIconData().uCallbackMessage, iconId,
                              mouseMessage);
    }
};

// Number of hidden windows, and whether automaximize is on.
class TrayMenuOpening : public TrayMenu,
                        public ::testing::WithParamInterface<std::pair<int, int>> {};

TEST_P(TrayMenuOpening, RightClickShowsTheWindowsOfThisMomentAndSendsTheChoiceToTheBar) {
    const auto [hiddenCount, autoMaximize] = GetParam();
    if (autoMaximize) {
        bar->SendMessage(WM_COMMAND, ID_AUTOMAXIMIZE, 0);
    }
    std::vector<std::unique_ptr<CForeignWindow>> hidden;
    for (int i = 0; i < hiddenCount; ++i) {
        hidden.push_back(std::make_unique<CForeignWindow>("Tray hidden " + std::to_string(i)));
        Hide(*hidden.back());
    }
    CForeignWindow listed("Tray listed");
    ::ShowWindow(listed.Handle(), SW_SHOWNOACTIVATE); // after the last refresh
    interaction.m_menuChoices.push_back(ID_AUTOMAXIMIZE);

    EXPECT_EQ(1, Notify(bar->m_trayIcon, IDR_TRAYMENU, WM_RBUTTONUP));
    ASSERT_EQ(1u, interaction.m_menus.size());
    const MenuCall& menu = interaction.m_menus[0];
    POINT cursor;
    ::GetCursorPos(&cursor);
    EXPECT_TRUE(menu.flags == 0 && menu.owner == bar->m_hWnd);
    EXPECT_TRUE(menu.x == cursor.x && menu.y == cursor.y);
    EXPECT_EQ(bar->m_hWnd, ::GetForegroundWindow());

    const CWindowProcessingDlg& dialog = *bar->m_pProcessingDlg;
    const std::vector<HWND>& active = dialog.m_windowHandles;
    EXPECT_NE(active.end(), std::find(active.begin(), active.end(), listed.Handle()));
    std::vector<std::string> expected;
    AddWindowLines(expected, "Active windows", active, 50000);
    AddWindowLines(expected, "Hidden windows", dialog.m_hiddenHandles, 60000);
    if (!hiddenCount) {
        expected.push_back("Hidden windows/<there are no hidden windows> 0");
    }
    expected.insert(expected.end(),
                    {"----", "Window selector 32783 default", "Skin selector 32782",
                     autoMaximize ? "Automaximize IE 32786 checked" : "Automaximize IE 32786",
                     "Preferences 32787", "----", "Quit 32771"});
    EXPECT_EQ(expected, LastMenuLines(interaction));

    // The choice reaches the bar, and WM_NULL follows the tracking.
    std::vector<MSG> posted;
    MSG msg;
    while (::PeekMessageA(&msg, bar->m_hWnd, 0, 0, PM_REMOVE)) {
        if (msg.message != WM_TIMER && msg.message != WM_PAINT) {
            posted.push_back(msg);
        }
        ::DispatchMessageA(&msg);
    }
    ASSERT_EQ(2u, posted.size());
    EXPECT_TRUE(posted[0].message == WM_COMMAND && posted[0].wParam == ID_AUTOMAXIMIZE);
    EXPECT_EQ(static_cast<UINT>(WM_NULL), posted[1].message);
}

INSTANTIATE_TEST_SUITE_P(TrayMenu, TrayMenuOpening,
                         ::testing::Values(std::make_pair(0, 0), std::make_pair(2, 1)));

TEST_F(TrayMenu, DoubleClickOpensTheWindowSelectorAndHiddenWindowIconsHaveNoMenu) {
    const HWND dialog = bar->m_pProcessingDlg->m_hWnd;
    EXPECT_EQ(1, Notify(bar->m_trayIcon, IDR_TRAYMENU, WM_LBUTTONDBLCLK));
    EXPECT_TRUE(::IsWindowVisible(dialog));
    const RECT rect = WindowRect(dialog), desktop = WindowRect(::GetDesktopWindow());
    EXPECT_LE(std::abs(rect.left + rect.right - desktop.right), 1);
    EXPECT_LE(std::abs(rect.top + rect.bottom - desktop.bottom), 1);

    CSystemTray icon;
    icon.Install(WM_APP + 0x64, "Hidden window: ", nullptr, 0, nullptr, nullptr, 0, 10);
    icon.SetNotifyWindow(bar.get());
    EXPECT_EQ(0, Notify(icon, 0, WM_RBUTTONUP));
    EXPECT_TRUE(interaction.m_menus.empty());
}

} // namespace
