#include "tray/SystemTray.h"

#include "platform/WinApp.h"
#include "resource.h"
#include "tests/TestSupport.h"

#include <gtest/gtest.h>

#include <memory>
#include <tuple>

namespace {

const UINT kCallback = WM_APP + 10;
const UINT kTaskbarCreated = ::RegisterWindowMessageA("TaskbarCreated");
const char kTooltip[] = "Panewarden - Controll your windows";

using Commands = std::vector<std::pair<WPARAM, LPARAM>>;

int Install(CSystemTray& tray, UINT iconId = IDR_TRAYMENU, const char* tooltip = kTooltip,
            const char* balloon = nullptr, const char* title = nullptr) {
    return tray.Install(kCallback, tooltip,
                        ::LoadIconA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_TRAY)),
                        iconId, balloon, title, NIIF_WARNING, 3);
}

// A change of nothing succeeds only for an icon the shell holds.
bool IsInTray(NOTIFYICONDATAA record) {
    record.uFlags = 0;
    return ::Shell_NotifyIconA(NIM_MODIFY, &record) != FALSE;
}

// The shell hands icon requests to the first "Shell_TrayWnd", and a new topmost one is first.
class CFakeTaskbar {
public:
    explicit CFakeTaskbar(BOOL answer) : m_answer(answer) {
        WNDCLASSA windowClass = {};
        windowClass.lpfnWndProc = &WindowProc;
        windowClass.lpszClassName = "Shell_TrayWnd";
        ::RegisterClassA(&windowClass); // fails harmlessly once it is there
        s_current = this;
        m_hWnd = ::CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, "Shell_TrayWnd", nullptr,
                                   WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
    }
    ~CFakeTaskbar() { ::DestroyWindow(m_hWnd); }

    // Whether a request carried the text, in the shell's wide form.
    bool Carried(size_t request, const std::string& text) const {
        const std::wstring wide(text.begin(), text.end());
        const std::string bytes(reinterpret_cast<const char*>(wide.data()), wide.size() * 2);
        return m_requests.at(request).find(bytes) != std::string::npos;
    }
    std::vector<std::string> m_requests;

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (s_current && message == WM_COPYDATA) {
            auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
            s_current->m_requests.emplace_back(static_cast<const char*>(data->lpData),
                                               data->cbData);
            return s_current->m_answer;
        }
        return ::DefWindowProcA(window, message, wParam, lParam);
    }
    static inline CFakeTaskbar* s_current = nullptr;
    BOOL m_answer;
    HWND m_hWnd;
};

TEST(SystemTrayInstall, IconWithACutTooltipGoesWithTheObjectAndATitleAloneIsNoBalloon) {
    const std::string tooltip = "Hidden window: " + std::string(285, 'x');
    auto tray = std::make_unique<CSystemTray>();
    ASSERT_TRUE(Install(*tray, IDR_TRAYMENU, tooltip.c_str(), nullptr, "Title"));
    const NOTIFYICONDATAA record = tray->GetIconData();
    EXPECT_EQ(record.uFlags, static_cast<UINT>(NIF_MESSAGE | NIF_ICON | NIF_TIP));
    EXPECT_EQ(record.szTip, tooltip.substr(0, 127));
    EXPECT_TRUE(IsInTray(record));
    tray.reset();
    EXPECT_FALSE(IsInTray(record));
    EXPECT_FALSE(::IsWindow(record.hWnd));
}

// Whether the taskbar takes the add.
class SystemTrayRestart : public ::testing::TestWithParam<BOOL> {};

TEST_P(SystemTrayRestart, BalloonIsCutAndShownByTheFirstAddOnlyAndEveryRestartAddsTheIcon) {
    const std::string text = "B" + std::string(299, 'b'), title = "T" + std::string(99, 't');
    CSystemTray tray;
    {
        CFakeTaskbar taskbar(GetParam());
        EXPECT_EQ(Install(tray, IDR_TRAYMENU, kTooltip, text.c_str(), title.c_str()), GetParam());
        const NOTIFYICONDATAA& record = tray.GetIconData();
        EXPECT_EQ(record.uFlags, static_cast<UINT>(NIF_MESSAGE | NIF_ICON | NIF_TIP | NIF_INFO));
        EXPECT_EQ(record.szInfoTitle, title.substr(0, 63));
        EXPECT_EQ(record.uTimeout, 3000u);

        ::SendMessageA(tray.m_hWnd, kTaskbarCreated, 0, 0);
        ASSERT_EQ(taskbar.m_requests.size(), 2u);
        EXPECT_TRUE(taskbar.Carried(0, text.substr(0, 255)));
        EXPECT_FALSE(taskbar.Carried(0, text.substr(0, 256)));
        EXPECT_TRUE(taskbar.Carried(1, kTooltip));
        EXPECT_FALSE(taskbar.Carried(1, text.substr(0, 20)));
    }
    ::SendMessageA(tray.m_hWnd, kTaskbarCreated, 0, 0);
    EXPECT_TRUE(IsInTray(tray.GetIconData()));
    EXPECT_EQ(tray.Uninstall(), 1);
    EXPECT_FALSE(IsInTray(tray.GetIconData()));
}
INSTANTIATE_TEST_SUITE_P(SystemTray, SystemTrayRestart, ::testing::Values(TRUE, FALSE));

TEST(SystemTrayReinstall, LostIconGoesBackAtATaskbarRestartOrWorkAreaChangeUntilUninstall) {
    const std::tuple<UINT, WPARAM, bool> triggers[] = {
        {kTaskbarCreated, 0, true},
        {WM_SETTINGCHANGE, SPI_SETWORKAREA, true},
        {WM_SETTINGCHANGE, SPI_SETDESKWALLPAPER, false}};
    for (const auto& [message, flag, readds] : triggers) {
        CSystemTray tray;
        ASSERT_TRUE(Install(tray));
        NOTIFYICONDATAA record = tray.GetIconData();
        ASSERT_TRUE(::Shell_NotifyIconA(NIM_DELETE, &record)); // as a restarting taskbar does
        ::SendMessageA(tray.m_hWnd, message, flag, 0);
        EXPECT_EQ(IsInTray(tray.GetIconData()), readds) << message << " " << flag;
        // A second add fails where the icon is, which must stay deletable; a failed delete
        // still ends the re-adds.
        ::SendMessageA(tray.m_hWnd, message, flag, 0);
        EXPECT_EQ(tray.Uninstall(), readds ? 1 : 0);
        ::SendMessageA(tray.m_hWnd, kTaskbarCreated, 0, 0);
        EXPECT_FALSE(IsInTray(tray.GetIconData())) << message << " " << flag;
    }
}

// The bar's stand-in as the main window.
class SystemTrayClick : public ::testing::Test {
protected:
    SystemTrayClick() {
        m_target.SubclassWindow(m_window.Handle());
        ::ShowWindow(m_window.Handle(), SW_SHOWNA);
        CWinApp::SetMainWnd(&m_target);
    }
    ~SystemTrayClick() override { CWinApp::SetMainWnd(nullptr); }
    void Notify(UINT iconId, UINT mouseMessage, UINT message = kCallback) {
        ::SendMessageA(m_tray.m_hWnd, message, iconId, mouseMessage);
    }

    CForeignWindow m_window{"Tray target", {20, 20, 200, 100}};
    CForeignWindow m_other{"Other window"};
    CWnd m_target;
    CSystemTray m_tray;
};

// The icon's id, its default item and whether by position, and the command to expect.
class SystemTrayDefault : public SystemTrayClick,
                          public ::testing::WithParamInterface<std::tuple<UINT, int, int, UINT>> {};

TEST_P(SystemTrayDefault, OnlyADoubleClickOnItsIconSendsTheDefaultCommandToTheMainWindow) {
    const auto [iconId, item, byPosition, command] = GetParam();
    ASSERT_TRUE(Install(m_tray, iconId));
    m_tray.SetDefaultItem(item, byPosition);
    m_other.BringToFront();
    Notify(iconId + 1, WM_LBUTTONDBLCLK);
    Notify(iconId, WM_LBUTTONDBLCLK, kCallback + 1);
    for (UINT mouseMessage : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_RBUTTONUP, WM_MOUSEMOVE}) {
        Notify(iconId, mouseMessage);
    }
    Notify(iconId, WM_LBUTTONDBLCLK);
    EXPECT_EQ(m_window.m_commands, (command ? Commands{{command, 0}} : Commands{}));
    EXPECT_EQ(::GetForegroundWindow(), m_window.Handle());
}
INSTANTIATE_TEST_SUITE_P(
    SystemTray, SystemTrayDefault,
    ::testing::Values(std::make_tuple(IDR_TRAYMENU, ID_QUIT, FALSE, ID_QUIT),
                      std::make_tuple(0, 1, TRUE, 0))); // no menu of that id: nothing to send

TEST_F(SystemTrayClick, HiddenWindowIconSendsTheWholeRestoreCommandWithTheHandle) {
    CForeignWindow hidden("Hidden window");
    CWinApp::SetMainWnd(nullptr);
    ASSERT_TRUE(Install(m_tray, 0));
    m_tray.SetCarriedWindow(hidden.Handle());
    m_tray.SetRestoreCommand(70003); // more than a command's low word holds
    Notify(0, WM_LBUTTONDBLCLK);     // no window to tell yet
    m_tray.SetNotifyWindow(&m_target);
    m_other.BringToFront();
    Notify(0, WM_LBUTTONDBLCLK);
    EXPECT_EQ(m_window.m_commands, (Commands{{70003, reinterpret_cast<LPARAM>(hidden.Handle())}}));
    EXPECT_EQ(::GetForegroundWindow(), m_window.Handle());
}

} // namespace
