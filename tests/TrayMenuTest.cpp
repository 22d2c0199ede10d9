#include "app/ButtonBarDlg.h"
#include "platform/WinApp.h"
#include "processing/WindowProcessingDlg.h"
#include "resource.h"
#include "tests/TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <memory>

namespace {

// The bar as the application starts it; its own tray icon is clicked.
class TrayMenu : public ::testing::Test {
protected:
    TrayMenu() {
        CWinApp::SetMainWnd(&bar);
        bar.Create(IDD_BUTTONBAR, nullptr);
    }
    ~TrayMenu() override { CWinApp::SetMainWnd(nullptr); }

    LRESULT Notify(CSystemTray& icon, UINT iconId, UINT mouseMessage) {
        return ::SendMessageA(icon.m_hWnd, icon.GetIconData().uCallbackMessage, iconId,
                              mouseMessage);
    }

    // Hides a window of its own and records it, as the bar's H does.
    HWND Hide(const std::string& title) {
        windows.push_back(std::make_unique<CForeignWindow>(title));
        HWND window = windows.back()->Handle();
        bar.m_pProcessingDlg->AddHiddenWindow(window);
        return window;
    }

    // The messages waiting for the bar, taken out of its queue in order and handled.
    std::vector<MSG> TakePosted() {
        std::vector<MSG> posted;
        MSG msg;
        while (::PeekMessageA(&msg, bar.m_hWnd, 0, 0, PM_REMOVE)) {
            if (msg.message != WM_TIMER && msg.message != WM_PAINT) {
                posted.push_back(msg);
            }
            ::DispatchMessageA(&msg);
        }
        return posted;
    }

    CScriptedInteraction interaction;
    CButtonBarDlg bar;
    std::vector<std::unique_ptr<CForeignWindow>> windows;
};

using Items = std::vector<std::pair<std::string, UINT>>; // text and command id

Items TextsAndIds(const std::vector<MenuItemRecord>& records) {
    Items items;
    for (const MenuItemRecord& record : records) {
        items.emplace_back(record.text, record.id);
    }
    return items;
}

// Entry i of a window submenu: the title of window i, command firstId + i.
Items WindowItems(const std::vector<HWND>& windows, UINT firstId) {
    Items items;
    for (HWND window : windows) {
        items.emplace_back(WindowTitle(window), firstId + static_cast<UINT>(items.size()));
    }
    return items;
}

// Number of hidden windows, and whether automaximize is on.
class TrayMenuOpening : public TrayMenu,
                        public ::testing::WithParamInterface<std::pair<int, int>> {};

TEST_P(TrayMenuOpening, RightClickShowsTheWindowsOfThisMomentAndSendsTheChoiceToTheBar) {
    const auto [hiddenCount, autoMaximize] = GetParam();
    if (autoMaximize != bar.m_settings.autoMaximize) {
        bar.SendMessage(WM_COMMAND, ID_AUTOMAXIMIZE, 0);
    }
    for (int i = 0; i < hiddenCount; ++i) {
        Hide("Tray hidden " + std::to_string(i));
    }
    CForeignWindow listed("Tray listed");
    ::ShowWindow(listed.Handle(), SW_SHOWNOACTIVATE); // after the last refresh
    interaction.m_menuChoices.push_back(ID_AUTOMAXIMIZE);

    EXPECT_EQ(1, Notify(bar.m_trayIcon, IDR_TRAYMENU, WM_RBUTTONUP));
    ASSERT_EQ(1u, interaction.m_menus.size());
    const MenuCall& menu = interaction.m_menus[0];
    POINT cursor;
    ::GetCursorPos(&cursor);
    EXPECT_EQ(0u, menu.flags);
    EXPECT_EQ(bar.m_hWnd, menu.owner);
    EXPECT_TRUE(menu.x == cursor.x && menu.y == cursor.y);
    EXPECT_EQ(bar.m_hWnd, ::GetForegroundWindow());

    const UINT submenu = 0xFFFFFFFF;
    const Items expected = {{"Active windows", submenu},
                            {"Hidden windows", submenu},
                            {"", 0},
                            {"Window selector", ID_WINDOWSELECTOR},
                            {"Skin selector", ID_SKINSELECTOR},
                            {"Automaximize IE", ID_AUTOMAXIMIZE},
                            {"Preferences", ID_PREFERENCES},
                            {"", 0},
                            {"Quit", ID_QUIT}};
    ASSERT_EQ(expected, TextsAndIds(menu.items));
    for (std::size_t i = 0; i < menu.items.size(); ++i) {
        EXPECT_EQ(i == 3, (menu.items[i].state & MF_DEFAULT) != 0) << i;
        EXPECT_EQ(i == 5 && autoMaximize, (menu.items[i].state & MF_CHECKED) != 0) << i;
    }

    const CWindowProcessingDlg& dialog = *bar.m_pProcessingDlg;
    EXPECT_EQ(WindowItems(dialog.m_windowHandles, 50000), TextsAndIds(menu.items[0].submenu));
    EXPECT_NE(
        dialog.m_windowHandles.end(),
        std::find(dialog.m_windowHandles.begin(), dialog.m_windowHandles.end(), listed.Handle()));
    const Items hidden = hiddenCount ? WindowItems(dialog.m_hiddenHandles, 60000)
                                     : Items{{"<there are no hidden windows>", 0}};
    EXPECT_EQ(hidden, TextsAndIds(menu.items[1].submenu));
    EXPECT_EQ(static_cast<std::size_t>(hiddenCount), dialog.m_hiddenHandles.size());
    EXPECT_EQ(0u, menu.items[1].submenu[0].state & (MF_GRAYED | MF_DISABLED));

    // The choice reaches the bar, and WM_NULL follows the tracking.
    const std::vector<MSG> posted = TakePosted();
    ASSERT_EQ(2u, posted.size());
    EXPECT_TRUE(posted[0].message == WM_COMMAND && posted[0].wParam == ID_AUTOMAXIMIZE);
    EXPECT_TRUE(posted[1].message == WM_NULL && posted[1].wParam == 0 && posted[1].lParam == 0);
    EXPECT_EQ(autoMaximize ? 0 : 1, bar.m_settings.autoMaximize);
}

INSTANTIATE_TEST_SUITE_P(TrayMenu, TrayMenuOpening,
                         ::testing::Values(std::make_pair(0, 0), std::make_pair(2, 1)));

TEST_F(TrayMenu, HiddenWindowsBeyondTheCommandRangeAreLeftOut) {
    HWND window = Hide("Many times hidden");
    bar.m_pProcessingDlg->m_hiddenHandles.resize(5537, window);
    Notify(bar.m_trayIcon, IDR_TRAYMENU, WM_RBUTTONUP);
    ASSERT_EQ(1u, interaction.m_menus.size());
    const std::vector<MenuItemRecord>& hidden = interaction.m_menus[0].items[1].submenu;
    ASSERT_EQ(5536u, hidden.size());
    EXPECT_EQ(65535u, hidden.back().id);
}

TEST_F(TrayMenu, DoubleClickOpensTheWindowSelectorAndHiddenWindowIconsHaveNoMenu) {
    const HWND dialog = bar.m_pProcessingDlg->m_hWnd;
    EXPECT_EQ(1, Notify(bar.m_trayIcon, IDR_TRAYMENU, WM_LBUTTONDBLCLK));
    EXPECT_TRUE(::IsWindowVisible(dialog));
    const RECT rect = WindowRect(dialog), desktop = WindowRect(::GetDesktopWindow());
    EXPECT_LE(std::abs(rect.left + rect.right - desktop.right), 1);
    EXPECT_LE(std::abs(rect.top + rect.bottom - desktop.bottom), 1);

    CSystemTray icon;
    icon.Install(WM_APP + 0x64, "Hidden window: ", nullptr, 0, nullptr, nullptr, 0, 10);
    icon.SetNotifyWindow(&bar);
    EXPECT_EQ(0, Notify(icon, 0, WM_RBUTTONUP));
    EXPECT_TRUE(interaction.m_menus.empty());
}

} // namespace
