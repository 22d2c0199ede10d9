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

TEST_F(TrayMenu, RightClickShowsTheWindowsOfThisMomentAndSendsTheChoiceToTheBar) {
    bar->SendMessage(WM_COMMAND, ID_AUTOMAXIMIZE, 0);
    CForeignWindow first("Tray hidden 0"), second("Tray hidden 1");
    Hide(first);
    Hide(second);
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

    const std::vector<HWND>& active = bar->m_pProcessingDlg->m_windowHandles;
    EXPECT_NE(active.end(), std::find(active.begin(), active.end(), listed.Handle()));
    std::vector<std::string> expected;
    AddWindowLines(expected, "Active windows", active, 50000);
    AddWindowLines(expected, "Hidden windows", {first.Handle(), second.Handle()}, 60000);
    expected.insert(expected.end(),
                    {"----", "Window selector 32783 default", "Skin selector 32782",
                     "Automaximize IE 32786 checked", "Preferences 32787", "----", "Quit 32771"});
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
