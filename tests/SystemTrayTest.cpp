#include "tray/SystemTray.h"

#include "platform/WinApp.h"
#include "resource.h"
#include "tests/TestSupport.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

const UINT kCallback = WM_APP + 10;
const UINT kTaskbarCreated = ::RegisterWindowMessageA("TaskbarCreated");

int Install(CSystemTray& tray, UINT iconId, const std::string& tooltip = "Tip",
            const char* balloon = nullptr, const char* title = nullptr) {
    return tray.Install(kCallback, tooltip.c_str(),
                        ::LoadIconA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_TRAY)),
                        iconId, balloon, title, NIIF_WARNING, 3);
}

// A change of nothing succeeds only for an icon the shell holds.
bool IsInTray(NOTIFYICONDATAA record) {
    record.uFlags = 0;
    return ::Shell_NotifyIconA(NIM_MODIFY, &record) != FALSE;
}

TEST(SystemTray, CutTextsABalloonForTheFirstAddOnlyAndTheIconGoesWithTheObject) {
    const std::string tooltip(285, 't'), title(99, 'T');
    NOTIFYICONDATAA record = {};
    for (const char* balloon : {static_cast<const char*>(nullptr), "Balloon"}) {
        CSystemTray tray; // a title alone is no balloon
        ASSERT_TRUE(Install(tray, IDR_TRAYMENU, tooltip, balloon, title.c_str()));
        record = tray.GetIconData();
        EXPECT_EQ(balloon ? NIF_INFO : 0u, record.uFlags & NIF_INFO);
        EXPECT_EQ(tooltip.substr(0, 127), record.szTip);
        EXPECT_EQ(balloon ? title.substr(0, 63) : "", record.szInfoTitle);
        EXPECT_STREQ("", record.szInfo) << "a later re-add stays quiet";
        EXPECT_TRUE(IsInTray(record));
    }
    EXPECT_FALSE(IsInTray(record) || ::IsWindow(record.hWnd));
}

TEST(SystemTray, LostIconGoesBackAtATaskbarRestartOrWorkAreaChangeUntilUninstall) {
    const std::tuple<UINT, WPARAM, bool> triggers[] = {
        {kTaskbarCreated, 0, true},
        {WM_SETTINGCHANGE, SPI_SETWORKAREA, true},
        {WM_SETTINGCHANGE, SPI_SETDESKWALLPAPER, false}};
    for (const auto& [message, flag, readds] : triggers) {
        CSystemTray tray;
        ASSERT_TRUE(Install(tray, IDR_TRAYMENU));
        NOTIFYICONDATAA record = tray.GetIconData();
        ASSERT_TRUE(::Shell_NotifyIconA(NIM_DELETE, &record)); // as a restarting taskbar does
        tray.SendMessage(message, flag, 0);
        EXPECT_EQ(readds, IsInTray(tray.GetIconData())) << message << " " << flag;
        // A second add fails where the icon is, which must stay deletable; a failed delete
        // still ends the re-adds.
        tray.SendMessage(message, flag, 0);
        EXPECT_EQ(readds ? 1 : 0, tray.Uninstall());
        tray.SendMessage(kTaskbarCreated, 0, 0);
        EXPECT_FALSE(IsInTray(tray.GetIconData())) << message << " " << flag;
    }
}

// The hidden-window icons' whole restore commands are the window commands' test's.
TEST(SystemTray, OnlyADoubleClickOnItsIconSendsItsCommandToTheMainWindowInFront) {
    CForeignWindow window("Tray target", {20, 20, 200, 100}), other("Other window");
    CWnd target;
    target.SubclassWindow(window.Handle());
    ::ShowWindow(window.Handle(), SW_SHOWNA);
    CWinApp::SetMainWnd(&target);
    // The default item and whether by position, the command sent.
    const std::tuple<int, int, UINT> cases[] = {{ID_QUIT, FALSE, ID_QUIT},
                                                {1, TRUE, ID_WINDOWSELECTOR}};
    for (const auto& [item, byPosition, command] : cases) {
        CSystemTray tray;
        EXPECT_TRUE(Install(tray, IDR_TRAYMENU));
        tray.SetDefaultItem(item, byPosition);
        other.BringToFront();
        window.m_commands.clear();
        tray.SendMessage(kCallback, IDR_TRAYMENU + 1, WM_LBUTTONDBLCLK);
        tray.SendMessage(kCallback + 1, IDR_TRAYMENU, WM_LBUTTONDBLCLK);
        for (UINT mouse :
             {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_RBUTTONUP, WM_MOUSEMOVE, WM_LBUTTONDBLCLK}) {
            tray.SendMessage(kCallback, IDR_TRAYMENU, mouse);
        }
        EXPECT_EQ((std::vector<std::pair<WPARAM, LPARAM>>{{command, 0}}), window.m_commands)
            << command;
        EXPECT_EQ(window.Handle(), ::GetForegroundWindow()) << command;
    }
    CWinApp::SetMainWnd(nullptr);
}

} // namespace
