// The bar follows the window in front; the automaximize timer keeps the browser maximized.
#include "app/ButtonBarDlg.h"

#include "app/PreferencesDlg.h"
#include "platform/WindowCalls.h"
#include "processing/WindowProcessingDlg.h"
#include "windows/BarPlacement.h"
#include "windows/Topmost.h"
#include "windows/TransparencyDlg.h"

void CButtonBarDlg::StartTimer(UINT timerId, int period) {
    const PeriodRange range = timerId == kWindowTimer ? kWindowTimerPeriods : kAutoMaximizePeriods;
    const UINT milliseconds = m_timerPeriods[timerId] = TimerPeriod(period, range);
    ::SetTimer(m_hWnd, timerId, milliseconds, nullptr);
}

void CButtonBarDlg::StopTimer(UINT timerId) {
    m_timerPeriods.erase(timerId);
    ::KillTimer(m_hWnd, timerId);
}

// The timers have no callback, so the default processing of their messages would do
// nothing: the ticks leave it out.
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
    const HWND foreground = ::GetForegroundWindow();
    // The bar, its pop-up and its menus count: a click back into the target is a change.
    const bool newForeground = foreground != m_hLastForeground;
    m_hLastForeground = foreground;
    const CTransparencyDlg* popup = m_btnTransparency.TransparencyDlg();
    m_tracked.bar = m_hWnd;
    m_tracked.popup = popup ? popup->m_hWnd : nullptr;
    if (newForeground) {
        m_tracked.taskbar = ::FindWindowA("Shell_TrayWnd", nullptr);
        m_tracked.programManager = ::FindWindowA("Progman", nullptr);
        m_tracked.desktop = ::GetDesktopWindow();
    }
    switch (DecideBarMove(foreground, m_tracked)) {
    case BarMove::Stay:
        return;
    case BarMove::Collapse:
        CollapseBar();
        m_pTarget = nullptr;
        return;
    case BarMove::Place:
        break;
    }
    if (newForeground) {
        CloseTransparencyDlg();
    }
    if (newForeground || m_bRestackDue) {
        m_quietTicks.Reset();
    } else {
        m_quietTicks.Advance();
    }
    if (!m_quietTicks.Looks()) {
        return;
    }
    bool placed = false;
    RECT target = {};
    // Fails exactly where IsWindow would: one call instead of two.
    if (::GetWindowRect(foreground, &target)) {
        placed = PlaceBarOn(foreground, target);
        if (foreground != m_pTarget) {
            SyncButtonFaces(foreground);
        }
        m_pTarget = foreground;
    }
    if (placed) {
        m_quietTicks.Reset();
    }
    const bool restack = placed || newForeground || m_bRestackDue ||
                         (m_quirks.drawsChangedWindowsOverTopmost && m_quietTicks.RestacksAgain());
    if (restack || m_quietTicks.ChecksStack()) {
        KeepBarOnTop(restack, foreground);
    }
    m_bRestackDue = false;
}

// What the place depends on beyond the target's rectangle (its DPI, its composition bounds)
// is asked for only when there is something new to place: the same target with the same
// rectangle leaves the bar where it is, without another call.
bool CButtonBarDlg::PlaceBarOn(HWND foreground, const RECT& target) {
    bool placed = false;
    if (foreground != m_pTarget || !m_placedOn || !::EqualRect(&target, &*m_placedOn)) {
        m_placedOn = target;
        const RECT rect = BarRectOn(target, CaptionMetrics::OfWindow(foreground, m_quirks.dpiCalls),
                                    m_settings.barOffset,
                                    {m_rcBar.right - m_rcBar.left, m_rcBar.bottom - m_rcBar.top});
        placed = PlaceWindow(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top) ||
                 foreground != m_pTarget;
    }
    if (CTransparencyDlg* shown = ShownTransparencyDlg()) {
        const RECT bar = GetWindowRect(), place = shown->GetWindowRect();
        shown->PlaceWindow(bar.left, bar.top, place.right - place.left, place.bottom - place.top);
    }
    return placed;
}

// On a monitor of another DPI the bar is laid out at that DPI, and the next tick places it
// at its new size; a collapsed bar stays so.
LRESULT CButtonBarDlg::OnDpiChanged(WPARAM dpi, LPARAM suggested) {
    const LRESULT result = DefWindowProc(CDpiCalls::kDpiChangedMessage, dpi, suggested);
    LayOutAt(LOWORD(dpi));
    m_placedOn.reset();
    return result;
}

void CButtonBarDlg::TakeLayoutAt96(UINT dpi) {
    const auto font = reinterpret_cast<HFONT>(SendMessage(WM_GETFONT));
    const SIZE now = BaseUnits(font, dpi, dpi), at96 = BaseUnits(font, dpi, CDpiCalls::kDefaultDpi);
    const CSkinButton* buttons[] = {&m_btnHide, &m_btnTopmost, &m_btnTransparency};
    for (std::size_t i = 0; i < std::size(buttons); ++i) {
        RECT rect = buttons[i]->GetWindowRect();
        ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&rect), 2);
        m_layoutAt96[i] = LaidOutAt96(rect, now, at96);
    }
    m_layoutAt96[3] = LaidOutAt96(GetClientRect(), now, at96);
}

// Every placement gives the bar the size it has here: the bar itself keeps its rectangle.
void CButtonBarDlg::LayOutAt(UINT dpi) {
    CSkinButton* buttons[] = {&m_btnHide, &m_btnTopmost, &m_btnTransparency};
    for (std::size_t i = 0; i < std::size(buttons); ++i) {
        const RECT rect = ScaledToDpi(m_layoutAt96[i], dpi);
        buttons[i]->MoveWindow(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
        buttons[i]->SetDpi(dpi);
    }
    const RECT bar = ScaledToDpi(m_layoutAt96[3], dpi);
    m_rcBar = {0, 0, bar.right, bar.bottom};
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
// restacked after the window's program has done its part: there the ping waits for that.
// The stack is read in one enumeration, not a call per window above the bar.
void CButtonBarDlg::KeepBarOnTop(bool restack, HWND foreground) {
    StackSearch search = {m_hWnd, false};
    if (!restack && IsTopmost(m_hWnd) == 1) {
        ::EnumWindows(&FindBarInStack, reinterpret_cast<LPARAM>(&search));
    }
    if (!search.onTop) {
        if (m_quirks.drawsChangedWindowsOverTopmost) {
            CWindowCalls::Ping(foreground);
            RaiseOnScreen();
        } else {
            SetWindowTopmost(1, m_hWnd);
        }
    }
}

// Wine raises a window on screen only when its place in the stack changes and no shown window
// comes before it; the dialogs the bar owns always come before it. So the bar goes out of the
// topmost band and back into it by SetWindowTopmost, the dialogs let go meanwhile, and they
// come back above it.
void CButtonBarDlg::RaiseOnScreen() {
    const HWND dialogs[] = {m_pProcessingDlg ? m_pProcessingDlg->m_hWnd : nullptr,
                            m_pPreferencesDlg ? m_pPreferencesDlg->m_hWnd : nullptr};
    const auto shown = [](HWND dialog) { return dialog && ::IsWindowVisible(dialog); };
    const UINT keep = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;
    for (HWND dialog : dialogs) {
        if (shown(dialog)) {
            ::SetWindowLongPtrA(dialog, GWLP_HWNDPARENT, 0);
        }
    }
    ::SetWindowPos(m_hWnd, HWND_NOTOPMOST, 0, 0, 0, 0, keep);
    SetWindowTopmost(1, m_hWnd);
    for (HWND dialog : dialogs) {
        if (shown(dialog)) {
            ::SetWindowLongPtrA(dialog, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(m_hWnd));
            ::SetWindowPos(dialog, HWND_TOPMOST, 0, 0, 0, 0, keep);
        }
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
}

void CButtonBarDlg::CollapseBar() {
    PlaceWindow(0, 0, 0, 0);
    m_placedOn.reset();
}

void CButtonBarDlg::SetWindowTopmost(int mode, HWND window) {
    const std::optional<TopmostChange> change = TopmostChangeFor(mode, window == m_hWnd);
    if (!change) {
        return;
    }
    RECT rect = {};
    if (window && ::IsWindow(window) == 1) {
        ::GetWindowRect(window, &rect);
    }
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    if (window == m_hWnd) {
        ::SetWindowPos(window, change->insertAfter, rect.left, rect.top, width, height,
                       change->flags);
    } else {
        CWindowCalls(window).SetWindowPos(change->insertAfter, rect.left, rect.top, width, height,
                                          change->flags);
    }
}

void CButtonBarDlg::CloseTransparencyDlg() {
    if (CTransparencyDlg* shown = ShownTransparencyDlg()) {
        shown->OnCloseBox();
    }
}

CTransparencyDlg* CButtonBarDlg::ShownTransparencyDlg() const {
    CTransparencyDlg* popup = m_btnTransparency.TransparencyDlg();
    return popup && popup->IsShown() == 1 ? popup : nullptr;
}

void CButtonBarDlg::OnAutoMaximize() {
    if (m_settings.autoMaximize == 1) {
        m_settings.autoMaximize = 0;
        StopTimer(kAutoMaximizeTimer);
    } else {
        m_settings.autoMaximize = 1;
        StartTimer(kAutoMaximizeTimer, m_settings.autoMaximizeInterval);
    }
}
