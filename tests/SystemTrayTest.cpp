#include "tray/SystemTray.h"
#include "platform/WinApp.h"
#include "resource.h"
#include "tests/TestSupport.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

const UINT kCallback = WM_APP + 10;
const UINT kProgramIconId = IDR_TRAYMENU;
const UINT kTaskbarCreated = ::RegisterWindowMessageA("TaskbarCreated");
const char kTooltip[] = "Panewarden - Controll your windows";
const char kBalloon[] = "Rightclick on icon to get additional options!";

using Commands = std::vector<std::pair<WPARAM, LPARAM>>;

HICON TrayIcon() {
    return ::LoadIconA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_TRAY));
}

bool BalloonsUsable() {
    OSVERSIONINFOA version = {};
    version.dwOSVersionInfoSize = sizeof version;
    ::GetVersionExA(&version);
    return version.dwPlatformId == VER_PLATFORM_WIN32_NT && version.dwMajorVersion >= 5;
}

int Install(CSystemTray& tray, UINT iconId = kProgramIconId, const char* tooltip = kTooltip) {
    return tray.Install(kCallback, tooltip, TrayIcon(), iconId, nullptr, nullptr, 0, 10);
}

// Asks the shell whether it holds the icon: a change of nothing succeeds only then.
bool IsInTray(const NOTIFYICONDATAA& record) {
    NOTIFYICONDATAA query = record;
    query.uFlags = 0;
    return ::Shell_NotifyIconA(NIM_MODIFY, &query) != FALSE;
}

// Takes the icon away behind the object's back, as a restarting taskbar does.
bool DeleteFromTray(const NOTIFYICONDATAA& record) {
    NOTIFYICONDATAA request = record;
    return ::Shell_NotifyIconA(NIM_DELETE, &request) != FALSE;
}

void ExpectFlags(const CSystemTray& tray, int hidden, int deleted, int pending) {
    EXPECT_EQ(hidden, tray.IsIconHidden());
    EXPECT_EQ(deleted, tray.IsIconDeleted());
    EXPECT_EQ(pending, tray.IsReaddPending());
}

// A visible window of the program's class that records the commands it receives.
class CCommandTarget : public CWnd {
public:
    CCommandTarget() {
        CreateEx(WS_EX_TOOLWINDOW, "target", WS_POPUP | WS_VISIBLE, 20, 20, 80, 40, nullptr);
    }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_COMMAND) {
            m_commands.emplace_back(wParam, lParam);
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
    Commands m_commands;
};

// Records the notifications the icon's window hands over, answering 5.
class CRecordingTray : public CSystemTray {
public:
    LRESULT OnTrayNotification(WPARAM wParam, LPARAM lParam) override {
        m_notifications.emplace_back(wParam, lParam);
        return 5;
    }
    Commands m_notifications;
};

// A taskbar of the test's own: the shell hands icon requests to the first
// "Shell_TrayWnd" window, and a newly created topmost one is found first.
class CFakeTaskbar {
public:
    explicit CFakeTaskbar(BOOL answer) : m_answer(answer) {
        static const bool registered = [] {
            WNDCLASSA windowClass = {};
            windowClass.lpfnWndProc = &CFakeTaskbar::WindowProc;
            windowClass.hInstance = ::GetModuleHandleA(nullptr);
            windowClass.lpszClassName = "Shell_TrayWnd";
            return ::RegisterClassA(&windowClass) != 0;
        }();
        EXPECT_TRUE(registered);
        m_hWnd =
            ::CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, "Shell_TrayWnd", nullptr, WS_POPUP,
                              0, 0, 0, 0, nullptr, nullptr, ::GetModuleHandleA(nullptr), this);
        EXPECT_EQ(m_hWnd, ::FindWindowA("Shell_TrayWnd", nullptr));
    }
    ~CFakeTaskbar() { ::DestroyWindow(m_hWnd); }
    CFakeTaskbar(const CFakeTaskbar&) = delete;
    CFakeTaskbar& operator=(const CFakeTaskbar&) = delete;

    // Whether a request carried the text, in the shell's wide form or as given.
    bool Carried(size_t request, const std::string& text) const {
        std::string wide;
        for (char c : text) {
            wide += c;
            wide += '\0';
        }
        const std::string& bytes = m_requests.at(request);
        return bytes.find(text) != std::string::npos || bytes.find(wide) != std::string::npos;
    }

    std::vector<std::string> m_requests; // the raw bytes of each request

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_NCCREATE) {
            auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
            ::SetWindowLongPtrA(window, GWLP_USERDATA,
                                reinterpret_cast<LONG_PTR>(create->lpCreateParams));
        }
        auto* self = reinterpret_cast<CFakeTaskbar*>(::GetWindowLongPtrA(window, GWLP_USERDATA));
        if (self && message == WM_COPYDATA) {
            auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
            self->m_requests.emplace_back(static_cast<const char*>(data->lpData), data->cbData);
            return self->m_answer;
        }
        return ::DefWindowProcA(window, message, wParam, lParam);
    }

    BOOL m_answer;
    HWND m_hWnd = nullptr;
};

// Notifications reach the icon with no main window to fall back on, unless a test sets one.
class SystemTrayNotification : public ::testing::Test {
protected:
    SystemTrayNotification() : m_savedMainWnd(CWinApp::GetMainWnd()) {
        CWinApp::SetMainWnd(nullptr);
    }
    ~SystemTrayNotification() override { CWinApp::SetMainWnd(m_savedMainWnd); }

    LRESULT Notify(UINT iconId, UINT mouseMessage) {
        return ::SendMessageA(tray.m_hWnd, kCallback, iconId, mouseMessage);
    }

    CWnd* m_savedMainWnd;
    CCommandTarget target;
    CSystemTray tray;
};

} // namespace

TEST(SystemTrayInstall, NewObjectHasNoWindowNoIconAndUninstallsTrivially) {
    CSystemTray tray;
    ExpectFlags(tray, 1, 1, 0);
    EXPECT_EQ(0u, tray.GetIconData().cbSize);
    EXPECT_EQ(nullptr, tray.m_hWnd);
    EXPECT_EQ(1, tray.Uninstall());
    EXPECT_EQ(nullptr, tray.m_hWnd);
}

TEST(SystemTrayInstall, AddsTheIconOwnedByAnInvisiblePopup) {
    CSystemTray tray;
    HICON icon = TrayIcon();
    ASSERT_TRUE(tray.Install(kCallback, kTooltip, icon, kProgramIconId, nullptr, nullptr, 0, 10));
    ExpectFlags(tray, 0, 0, 0);

    const NOTIFYICONDATAA& record = tray.GetIconData();
    EXPECT_EQ(static_cast<DWORD>(NOTIFYICONDATAA_V2_SIZE), record.cbSize);
    if (sizeof(void*) == 4) {
        EXPECT_EQ(488u, record.cbSize);
    }
    EXPECT_EQ(tray.m_hWnd, record.hWnd);
    EXPECT_EQ(kProgramIconId, record.uID);
    EXPECT_EQ(7u, record.uFlags);
    EXPECT_EQ(kCallback, record.uCallbackMessage);
    EXPECT_EQ(icon, record.hIcon);
    EXPECT_STREQ(kTooltip, record.szTip);

    ASSERT_TRUE(::IsWindow(tray.m_hWnd));
    EXPECT_FALSE(::IsWindowVisible(tray.m_hWnd));
    EXPECT_EQ(static_cast<LONG>(WS_POPUP), ::GetWindowLongA(tray.m_hWnd, GWL_STYLE) & WS_POPUP);
    EXPECT_EQ(nullptr, ::GetParent(tray.m_hWnd));
    EXPECT_TRUE(IsInTray(record));
}

TEST(SystemTrayInstall, LongTooltipIsCutAt127Bytes) {
    const std::string tooltip = "Hidden window: " + std::string(285, 'x');
    CSystemTray tray;
    ASSERT_TRUE(Install(tray, 0, tooltip.c_str()));
    EXPECT_EQ(tooltip.substr(0, 127), tray.GetIconData().szTip);
}

TEST(SystemTrayInstall, BalloonIsLimitedAndItsTextClearedAfterTheAdd) {
    ASSERT_TRUE(BalloonsUsable()) << "balloons need NT 5 or later";
    const std::string text = "B" + std::string(299, 'b');
    const std::string title = "T" + std::string(99, 't');
    CSystemTray tray;
    ASSERT_TRUE(tray.Install(kCallback, kTooltip, TrayIcon(), kProgramIconId, text.c_str(),
                             title.c_str(), NIIF_INFO, 10));
    const NOTIFYICONDATAA& record = tray.GetIconData();
    EXPECT_EQ(static_cast<UINT>(NIF_MESSAGE | NIF_ICON | NIF_TIP | NIF_INFO), record.uFlags);
    // Only the first byte goes: the rest shows the text was cut at 255 bytes.
    EXPECT_EQ('\0', record.szInfo[0]);
    EXPECT_EQ(text.substr(1, 254), record.szInfo + 1);
    EXPECT_EQ(title.substr(0, 63), record.szInfoTitle);
    EXPECT_EQ(10000u, record.uTimeout);
    EXPECT_EQ(static_cast<DWORD>(NIIF_INFO), record.dwInfoFlags);
}

TEST(SystemTrayInstall, BalloonWithoutTitleHasAnEmptyOne) {
    ASSERT_TRUE(BalloonsUsable()) << "balloons need NT 5 or later";
    CSystemTray tray;
    ASSERT_TRUE(tray.Install(kCallback, kTooltip, TrayIcon(), kProgramIconId, kBalloon, nullptr,
                             NIIF_INFO, 3));
    EXPECT_EQ(static_cast<UINT>(NIF_MESSAGE | NIF_ICON | NIF_TIP | NIF_INFO),
              tray.GetIconData().uFlags);
    EXPECT_STREQ("", tray.GetIconData().szInfoTitle);
    EXPECT_EQ(3000u, tray.GetIconData().uTimeout);
}

TEST(SystemTrayInstall, NoBalloonTextMeansNoBalloonAtAll) {
    CSystemTray tray;
    ASSERT_TRUE(tray.Install(kCallback, kTooltip, TrayIcon(), kProgramIconId, nullptr, kTooltip,
                             NIIF_INFO, 10));
    const NOTIFYICONDATAA& record = tray.GetIconData();
    EXPECT_EQ(7u, record.uFlags);
    EXPECT_STREQ("", record.szInfoTitle);
    EXPECT_EQ(0u, record.uTimeout);
    EXPECT_EQ(0u, record.dwInfoFlags);
}

TEST(SystemTrayInstall, RefusedAddLeavesTheIconHiddenDeletedAndPending) {
    CSystemTray tray;
    {
        CFakeTaskbar taskbar(FALSE);
        EXPECT_EQ(0, Install(tray));
        EXPECT_EQ(1u, taskbar.m_requests.size());
    }
    ExpectFlags(tray, 1, 1, 1);
    EXPECT_FALSE(IsInTray(tray.GetIconData()));
    // Nothing was added, so nothing is deleted.
    EXPECT_EQ(1, tray.Uninstall());
    ExpectFlags(tray, 1, 1, 0);
}

TEST(SystemTrayUninstall, TakesTheIconOutOnce) {
    CSystemTray tray;
    ASSERT_TRUE(Install(tray));
    EXPECT_EQ(1, tray.Uninstall());
    ExpectFlags(tray, 1, 1, 0);
    EXPECT_EQ(0u, tray.GetIconData().uFlags);
    EXPECT_FALSE(IsInTray(tray.GetIconData()));
    EXPECT_EQ(1, tray.Uninstall());
}

TEST(SystemTrayUninstall, FailedDeleteKeepsTheFlagsAndAnswers0) {
    CSystemTray tray;
    ASSERT_TRUE(Install(tray));
    ASSERT_TRUE(DeleteFromTray(tray.GetIconData()));
    EXPECT_EQ(0, tray.Uninstall());
    ExpectFlags(tray, 0, 0, 0);
}

TEST(SystemTrayUninstall, DestructionRemovesTheIconAndItsWindow) {
    auto tray = std::make_unique<CSystemTray>();
    ASSERT_TRUE(Install(*tray, 0));
    const NOTIFYICONDATAA record = tray->GetIconData();
    ASSERT_TRUE(IsInTray(record));
    tray.reset();
    EXPECT_FALSE(IsInTray(record));
    EXPECT_FALSE(::IsWindow(record.hWnd));
}

TEST(SystemTrayRouting, CallbackMessageReachesTheHandlerWithIdAndMouseMessage) {
    CRecordingTray recorder;
    ASSERT_TRUE(Install(recorder));
    EXPECT_EQ(5, ::SendMessageA(recorder.m_hWnd, kCallback, kProgramIconId, WM_MOUSEMOVE));
    EXPECT_EQ(5, ::SendMessageA(recorder.m_hWnd, kCallback, kProgramIconId, WM_RBUTTONUP));
    // Other messages take the normal path.
    ::SendMessageA(recorder.m_hWnd, kCallback + 1, kProgramIconId, WM_LBUTTONDBLCLK);
    ::SendMessageA(recorder.m_hWnd, WM_SETTINGCHANGE, SPI_SETWORKAREA, 0);
    EXPECT_EQ((Commands{{kProgramIconId, WM_MOUSEMOVE}, {kProgramIconId, WM_RBUTTONUP}}),
              recorder.m_notifications);
}

TEST_F(SystemTrayNotification, OtherIconIdOrNoTargetIsIgnored) {
    ASSERT_TRUE(Install(tray));
    tray.SetNotifyWindow(&target);
    EXPECT_EQ(0, Notify(kProgramIconId + 1, WM_LBUTTONDBLCLK));
    EXPECT_EQ(0, Notify(0, WM_MOUSEMOVE));

    tray.SetNotifyWindow(nullptr);
    EXPECT_EQ(0, Notify(kProgramIconId, WM_LBUTTONDBLCLK));
    EXPECT_TRUE(target.m_commands.empty());
}

TEST_F(SystemTrayNotification, OtherMouseMessagesAreTakenWithoutAction) {
    ASSERT_TRUE(Install(tray));
    tray.SetNotifyWindow(&target);
    tray.SetDefaultItem(1, TRUE);
    for (UINT mouseMessage :
         {WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP, WM_RBUTTONDOWN, WM_RBUTTONUP, WM_MBUTTONUP}) {
        EXPECT_EQ(1, Notify(kProgramIconId, mouseMessage)) << mouseMessage;
    }
    EXPECT_TRUE(target.m_commands.empty());
}

TEST_F(SystemTrayNotification, DoubleClickOnProgramIconSendsTheWindowSelector) {
    CForeignWindow other("Other window");
    other.BringToFront();
    ASSERT_TRUE(Install(tray));
    tray.SetNotifyWindow(&target);
    tray.SetDefaultItem(1, TRUE);
    EXPECT_EQ(1, Notify(kProgramIconId, WM_LBUTTONDBLCLK));
    EXPECT_EQ((Commands{{ID_WINDOWSELECTOR, 0}}), target.m_commands);
    EXPECT_EQ(target.m_hWnd, ::GetForegroundWindow());
}

TEST_F(SystemTrayNotification, DoubleClickFallsBackToTheMainWindow) {
    CWinApp::SetMainWnd(&target);
    ASSERT_TRUE(Install(tray));
    tray.SetDefaultItem(4, TRUE);
    EXPECT_EQ(1, Notify(kProgramIconId, WM_LBUTTONDBLCLK));
    EXPECT_EQ((Commands{{ID_PREFERENCES, 0}}), target.m_commands);
}

TEST_F(SystemTrayNotification, DoubleClickSendsADefaultGivenAsCommand) {
    ASSERT_TRUE(Install(tray));
    tray.SetNotifyWindow(&target);
    tray.SetDefaultItem(ID_QUIT, FALSE);
    EXPECT_EQ(1, Notify(kProgramIconId, WM_LBUTTONDBLCLK));
    EXPECT_EQ((Commands{{ID_QUIT, 0}}), target.m_commands);
}

TEST_F(SystemTrayNotification, DoubleClickWithoutMenuResourceDoesNothing) {
    ASSERT_TRUE(Install(tray, 0));
    tray.SetNotifyWindow(&target);
    EXPECT_EQ(0, Notify(0, WM_LBUTTONDBLCLK));
    EXPECT_TRUE(target.m_commands.empty());
}

TEST_F(SystemTrayNotification, DoubleClickOnHiddenWindowIconSendsTheWholeRestoreCommand) {
    CForeignWindow hidden("Hidden window");
    ASSERT_TRUE(Install(tray, 0));
    tray.SetCarriedWindow(hidden.Handle());
    tray.SetRestoreCommand(70003);
    tray.SetNotifyWindow(&target);
    EXPECT_EQ(1, Notify(0, WM_RBUTTONUP));
    EXPECT_EQ(1, Notify(0, WM_LBUTTONDBLCLK));
    EXPECT_EQ((Commands{{70003, reinterpret_cast<LPARAM>(hidden.Handle())}}), target.m_commands);
    EXPECT_EQ(target.m_hWnd, ::GetForegroundWindow());
}

TEST(SystemTrayReinstall, TaskbarRestartPutsTheLostIconBack) {
    CSystemTray tray;
    ASSERT_TRUE(Install(tray));
    ASSERT_TRUE(DeleteFromTray(tray.GetIconData()));
    ::SendMessageA(tray.m_hWnd, kTaskbarCreated, 0, 0);
    EXPECT_TRUE(IsInTray(tray.GetIconData()));
    ExpectFlags(tray, 0, 0, 0);
    EXPECT_EQ(1, tray.Uninstall());
    EXPECT_FALSE(IsInTray(tray.GetIconData()));
}

TEST(SystemTrayReinstall, OnlyAWorkAreaChangeAmongSettingsPutsTheLostIconBack) {
    CSystemTray tray;
    ASSERT_TRUE(Install(tray));
    ASSERT_TRUE(DeleteFromTray(tray.GetIconData()));
    ::SendMessageA(tray.m_hWnd, WM_SETTINGCHANGE, SPI_SETDESKWALLPAPER, 0);
    EXPECT_FALSE(IsInTray(tray.GetIconData()));
    ::SendMessageA(tray.m_hWnd, WM_SETTINGCHANGE, SPI_SETWORKAREA, 0);
    EXPECT_TRUE(IsInTray(tray.GetIconData()));
    ExpectFlags(tray, 0, 0, 0);
}

TEST(SystemTrayReinstall, IconStillShownAtAWorkAreaChangeCanStillBeUninstalled) {
    CSystemTray tray;
    ASSERT_TRUE(Install(tray));
    // The shell refuses a second add of an icon it holds.
    ::SendMessageA(tray.m_hWnd, WM_SETTINGCHANGE, SPI_SETWORKAREA, 0);
    ASSERT_TRUE(IsInTray(tray.GetIconData()));
    EXPECT_EQ(1, tray.Uninstall());
    EXPECT_FALSE(IsInTray(tray.GetIconData()));
}

TEST(SystemTrayReinstall, UninstalledIconStaysOut) {
    CSystemTray tray;
    ASSERT_TRUE(Install(tray));
    ASSERT_EQ(1, tray.Uninstall());
    ::SendMessageA(tray.m_hWnd, kTaskbarCreated, 0, 0);
    ::SendMessageA(tray.m_hWnd, WM_SETTINGCHANGE, SPI_SETWORKAREA, 0);
    EXPECT_FALSE(IsInTray(tray.GetIconData()));
    ExpectFlags(tray, 1, 1, 0);
}

TEST(SystemTrayReinstall, IconWhoseDeleteFailedStaysOutToo) {
    CSystemTray tray;
    ASSERT_TRUE(Install(tray));
    ASSERT_TRUE(DeleteFromTray(tray.GetIconData()));
    ASSERT_EQ(0, tray.Uninstall());
    ::SendMessageA(tray.m_hWnd, kTaskbarCreated, 0, 0);
    EXPECT_FALSE(IsInTray(tray.GetIconData()));
}

TEST(SystemTrayReinstall, RefusedAddIsRetriedUntilTheTaskbarTakesIt) {
    CSystemTray tray;
    {
        CFakeTaskbar taskbar(FALSE);
        ASSERT_EQ(0, Install(tray));
        ::SendMessageA(tray.m_hWnd, kTaskbarCreated, 0, 0);
        EXPECT_EQ(2u, taskbar.m_requests.size());
        ExpectFlags(tray, 1, 1, 1);
    }
    ::SendMessageA(tray.m_hWnd, kTaskbarCreated, 0, 0);
    EXPECT_TRUE(IsInTray(tray.GetIconData()));
    ExpectFlags(tray, 0, 0, 0);
    EXPECT_EQ(1, tray.Uninstall());
    EXPECT_FALSE(IsInTray(tray.GetIconData()));
}

TEST(SystemTrayReinstall, ReaddBringsNoBalloon) {
    ASSERT_TRUE(BalloonsUsable()) << "balloons need NT 5 or later";
    CFakeTaskbar taskbar(TRUE);
    CSystemTray tray;
    ASSERT_TRUE(tray.Install(kCallback, kTooltip, TrayIcon(), kProgramIconId, kBalloon, kTooltip,
                             NIIF_INFO, 10));
    ::SendMessageA(tray.m_hWnd, kTaskbarCreated, 0, 0);
    ASSERT_EQ(2u, taskbar.m_requests.size());
    EXPECT_TRUE(taskbar.Carried(0, kBalloon));
    EXPECT_TRUE(taskbar.Carried(1, kTooltip));
    EXPECT_FALSE(taskbar.Carried(1, kBalloon));
}
