// The reference `make bench` holds Panewarden against: the least program that follows the
// window in front by polling. A topmost tool window of the bar's size whose 10 ms timer asks
// for the foreground window and, only when it has changed, moves onto its caption where the
// bar would go. Ends on WM_CLOSE.
#include <windows.h>

namespace {

const UINT_PTR kTimer = 1;
const UINT kPeriod = 10;
const int kBarOffset = 6;

// The bar's size under Wine: its 36 x 9 dialog units in the font that stands in for
// MS Sans Serif 8.
const int kWidth = 63;
const int kHeight = 15;

HWND g_last = nullptr;

void Follow(HWND self) {
    HWND foreground = ::GetForegroundWindow();
    if (foreground == g_last) {
        return;
    }
    g_last = foreground;
    RECT target;
    if (!::GetWindowRect(foreground, &target)) {
        return;
    }
    const int dx = ::GetSystemMetrics(SM_CXSIZE) * kBarOffset + ::GetSystemMetrics(SM_CXFRAME);
    const int dy = ::GetSystemMetrics(SM_CYFRAME) + ::GetSystemMetrics(SM_CYBORDER);
    ::MoveWindow(self, target.right - dx, target.top + dy, kWidth, kHeight, TRUE);
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_TIMER && wParam == kTimer) {
        Follow(window);
        return 0;
    }
    if (message == WM_DESTROY) {
        ::PostQuitMessage(0);
        return 0;
    }
    return ::DefWindowProcA(window, message, wParam, lParam);
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = &WindowProc;
    windowClass.hInstance = instance;
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = "PanewardenPollingFloor";
    ::RegisterClassA(&windowClass);
    HWND window = ::CreateWindowExA(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, windowClass.lpszClassName, "",
                                    WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, instance, nullptr);
    ::ShowWindow(window, SW_SHOWNOACTIVATE);
    ::SetTimer(window, kTimer, kPeriod, nullptr);
    MSG msg;
    while (::GetMessageA(&msg, nullptr, 0, 0) > 0) {
        ::DispatchMessageA(&msg);
    }
    return 0;
}
