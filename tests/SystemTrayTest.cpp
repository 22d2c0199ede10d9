#include "tray/SystemTray.h"

#include "resource.h"
#include "tests/TestSupport.h"

#include <gtest/gtest.h>

#include <memory>
#include <tuple>

namespace {

const UINT kTaskbarCreated = ::RegisterWindowMessageA("TaskbarCreated");

int Install(CSystemTray& tray) {
    return tray.Install(WM_APP, "Tip", ::LoadIconA(nullptr, IDI_APPLICATION), IDR_TRAYMENU, nullptr,
                        nullptr, 0, 0);
}

// A change of nothing succeeds only for an icon the shell holds.
bool IsInTray(NOTIFYICONDATAA record) {
    record.uFlags = 0;
    return ::Shell_NotifyIconA(NIM_MODIFY, &record) != FALSE;
}

TEST(SystemTray, LostIconGoesBackAtATaskbarRestartOrWorkAreaChangeUntilUninstallOrDestruction) {
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
    auto tray = std::make_unique<CSystemTray>();
    ASSERT_TRUE(Install(*tray));
    const NOTIFYICONDATAA record = tray->GetIconData();
    tray.reset();
    EXPECT_FALSE(IsInTray(record) || ::IsWindow(record.hWnd));
}

} // namespace
