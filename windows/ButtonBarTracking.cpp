// The bar follows the window in front; the automaximize timer keeps the browser maximized.
#include "app/ButtonBarDlg.h"

#include "platform/WindowCalls.h"

void CButtonBarDlg::StartTimer(UINT timerId, int period) {
    UINT clamped = period < static_cast<int>(USER_TIMER_MINIMUM) ? USER_TIMER_MINIMUM
                                                                 : static_cast<UINT>(period);
    ::SetTimer(m_hWnd, timerId, clamped, nullptr);
}

LRESULT CButtonBarDlg::OnTimer(WPARAM timerId, LPARAM lParam) {
    if (timerId == kWindowTimer) {
        OnWindowTimer();
    } else if (timerId == kAutoMaximizeTimer) {
        OnAutoMaximizeTimer();
    } else {
        return DefWindowProc(WM_TIMER, timerId, lParam);
    }
    return 0;
}

void CButtonBarDlg::OnWindowTimer() {
    HWND foreground = ::GetForegroundWindow();
    // The bar, its pop-up and its menus count: a click back into the target is a change.
    const bool newForeground = foreground != m_hLastForeground;
    m_hLastForeground = foreground;
    if (!foreground) {
        CollapseBar();
        m_pTarget = nullptr;
        return;
    }
    // The user is working the slider: nothing moves under it.
    const CTransparencyDlg* popup = m_btnTransparency.m_pTransparencyDlg.get();
    if (popup && foreground == popup->m_hWnd) {
        return;
    }
    // The user is clicking the bar: it stays on its target.
    if (foreground == m_hWnd) {
        return;
    }
    // The shell's windows are looked up once per window in front: while it stays in front
    // it stays what it was.
    if (newForeground) {
        m_bShellInFront = foreground == ::FindWindowA("Shell_TrayWnd", nullptr) ||
                          foreground == ::FindWindowA("Progman", nullptr) ||
                          foreground == ::GetDesktopWindow();
    }
    if (m_bShellInFront) {
        CollapseBar();
        m_pTarget = nullptr;
        return;
    }
    bool placed = false;
    RECT target;
    // Fails exactly where IsWindow would: one call instead of two.
    if (::GetWindowRect(foreground, &target)) {
        int dx =
            ::GetSystemMetrics(SM_CXSIZE) * m_settings.barOffset + ::GetSystemMetrics(SM_CXFRAME);
        int dy = ::GetSystemMetrics(SM_CYFRAME) + ::GetSystemMetrics(SM_CYBORDER);
        const int x = target.right - dx, y = target.top + dy;
        placed = PlaceWindow(x, y, m_rcBar.right - m_rcBar.left, m_rcBar.bottom - m_rcBar.top) ||
                 foreground != m_pTarget;
        if (CTransparencyDlg* shown = ShownTransparencyDlg()) {
            const RECT place = shown->GetWindowRect();
            shown->PlaceWindow(x, y, place.right - place.left, place.bottom - place.top);
        }
        if (foreground != m_pTarget) {
            SyncButtonFaces(foreground);
        }
        m_pTarget = foreground;
    }
    KeepBarOnTop(placed || newForeground || m_bRestackDue, foreground);
    m_bRestackDue = false;
    // The default processing of a timer without a callback does nothing: it is left out.
}

namespace {

struct StackSearch {
    HWND bar;
    bool onTop;
};

// Top to bottom: on top when the bar comes before any window it does not own.
BOOL CALLBACK FindBarInStack(HWND window, LPARAM context) {
    auto* search = reinterpret_cast<StackSearch*>(context);
    if (window == search->bar) {
        search->onTop = true;
        return FALSE;
    }
    return ::GetWindow(window, GW_OWNER) == search->bar;
}

} // namespace

// Restacking puts the bar first in the topmost band, under the windows it owns (the
// platform keeps those above their owner): already there, it would change nothing.
// Under Wine, though, a window that has just come to the front, or been activated,
// restyled or restacked, draws over the bar, whatever the z-order says, until the bar is
// restacked after the window's program has done its part: the ping waits for that.
// The stack is read in one enumeration, not a call per window above the bar.
void CButtonBarDlg::KeepBarOnTop(bool restack, HWND foreground) {
    StackSearch search = {m_hWnd, false};
    if (!restack && IsTopmost(m_hWnd) == 1) {
        ::EnumWindows(&FindBarInStack, reinterpret_cast<LPARAM>(&search));
    }
    if (!search.onTop) {
        CWindowCalls::Ping(foreground);
        SetWindowTopmost(1, m_hWnd);
    }
}

void CButtonBarDlg::OnAutoMaximizeTimer() {
    HWND browser = ::FindWindowA("IEFrame", nullptr);
    if (browser && !::IsZoomed(browser) && !::IsIconic(browser) && ::IsWindow(browser)) {
        // A browser that does not answer is tried again on a later tick, not queued on each.
        const CWindowCalls calls(browser);
        if (calls.Answers()) {
            calls.ShowWindow(SW_SHOWMAXIMIZED);
        }
    }
    DefWindowProc(WM_TIMER, kAutoMaximizeTimer, 0);
}

void CButtonBarDlg::CollapseBar() {
    PlaceWindow(0, 0, 0, 0);
}

void CButtonBarDlg::SetWindowTopmost(int mode, HWND window) {
    if (mode != 0 && mode != 1) {
        return;
    }
    RECT rect = {};
    if (window && ::IsWindow(window) == 1) {
        ::GetWindowRect(window, &rect);
    }
    const HWND band = mode == 1 ? HWND_TOPMOST : HWND_NOTOPMOST;
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    if (window == m_hWnd) {
        ::SetWindowPos(window, band, rect.left, rect.top, width, height, SWP_NOACTIVATE);
    } else {
        CWindowCalls(window).SetWindowPos(band, rect.left, rect.top, width, height, SWP_SHOWWINDOW);
    }
}

void CButtonBarDlg::OnAutoMaximize() {
    if (m_settings.autoMaximize == 1) {
        m_settings.autoMaximize = 0;
        ::KillTimer(m_hWnd, kAutoMaximizeTimer);
    } else {
        m_settings.autoMaximize = 1;
        StartTimer(kAutoMaximizeTimer, m_settings.autoMaximizeInterval);
    }
}
