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

TEST(SystemTray, OnlyADoubleClickOnItsIconSendsItsCommandToTheMainWindowInFront) {
    CForeignWindow window("Tray target", {20, 20, 200, 100}), other("Other window"),
        hidden("Hidden window");
    CWnd target;
    target.SubclassWindow(window.Handle());
    ::ShowWindow(window.Handle(), SW_SHOWNA);
    CWinApp::SetMainWnd(&target);
    // The icon's id, its default item and whether by position, the command sent.
    const std::tuple<UINT, int, int, UINT> cases[] = {{IDR_TRAYMENU, ID_QUIT, FALSE, ID_QUIT},
                                                      {IDR_TRAYMENU, 1, TRUE, ID_WINDOWSELECTOR},
                                                      {0, 0, TRUE, 70003}};
    for (const auto& [iconId, item, byPosition, command] : cases) {
        CSystemTray tray;
        EXPECT_TRUE(Install(tray, iconId));
        tray.SetDefaultItem(item, byPosition);
        if (iconId == 0) { // a hidden-window icon: the whole restore command, with its window
            tray.SetCarriedWindow(hidden.Handle());
            tray.SetRestoreCommand(static_cast<int>(command));
            tray.SetNotifyWindow(&target);
        }
        other.BringToFront();
        window.m_commands.clear();
        tray.SendMessage(kCallback, iconId + 1, WM_LBUTTONDBLCLK);
        tray.SendMessage(kCallback + 1, iconId, WM_LBUTTONDBLCLK);
        for (UINT mouse :
             {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_RBUTTONUP, WM_MOUSEMOVE, WM_LBUTTONDBLCLK}) {
            tray.SendMessage(kCallback, iconId, mouse);
        }
        const LPARAM carried = iconId == 0 ? reinterpret_cast<LPARAM>(hidden.Handle()) : 0;
        EXPECT_EQ((std::vector<std::pair<WPARAM, LPARAM>>{{command, carried}}), window.m_commands)
            << command;
        EXPECT_EQ(window.Handle(), ::GetForegroundWindow()) << command;
    }
    CWinApp::SetMainWnd(nullptr);
}

} // namespace
