#include "tray/SystemTray.h"

#include "resource.h"
#include "tests/TestSupport.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

const UINT kTaskbarCreated = ::RegisterWindowMessageA("TaskbarCreated");

int Install(CSystemTray& tray, const char* balloon = nullptr) {
    return tray.Install(WM_APP, "Tip", ::LoadIconA(nullptr, IDI_APPLICATION), IDR_TRAYMENU, balloon,
                        "Title", NIIF_WARNING, 3);
}

// A change of nothing succeeds only for an icon the shell holds.
bool IsInTray(NOTIFYICONDATAA record) {
    record.uFlags = 0;
    return ::Shell_NotifyIconA(NIM_MODIFY, &record) != FALSE;
}

TEST(SystemTray, ABalloonComesWithTheFirstAddOnlyAndTheIconGoesWithTheObject) {
    NOTIFYICONDATAA record = {};
    for (const char* balloon : {static_cast<const char*>(nullptr), "Balloon"}) {
        CSystemTray tray; // a title alone is no balloon
        ASSERT_TRUE(Install(tray, balloon));
        record = tray.GetIconData();
        EXPECT_EQ(balloon ? NIF_INFO : 0u, record.uFlags & NIF_INFO);
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
        ASSERT_TRUE(Install(tray));
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

} // namespace
