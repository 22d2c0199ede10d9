#include "windows/BarTracker.h"

#include "platform/WindowCalls.h"
#include "windows/Topmost.h"

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

void CBarTracker::Start(UINT period, bool timerRuns) {
    m_quietTicks = QuietTicks(static_cast<int>(period));
    if (timerRuns) {
        m_timer.Start(m_bar.m_hWnd, period);
        m_events.emplace(m_bar.m_hWnd, WM_APP_WINDOWEVENT,
                         [this](HWND window) { return Matters(window); });
    }
}

void CBarTracker::Stop() {
    m_timer.Stop(m_bar.m_hWnd);
    m_events.reset();
}

// Events that come while the tick runs ask for another. A message posted before the timer
// stopped finds no hook and runs nothing.
void CBarTracker::OnWindowEvent() {
    if (m_events) {
        m_events->Rearm();
        Track(true);
    }
}

// Asked for each event the system reports, not per tick.
bool CBarTracker::Matters(HWND window) const {
    return window == m_hTarget || window == ::GetForegroundWindow() || IsTopmost(window);
}

void CBarTracker::Track(bool reported) {
    const HWND foreground = ::GetForegroundWindow();
    // The bar, its pop-up and its menus count: a click back into the target is a change.
    const bool newForeground = foreground != m_hLastForeground;
    m_hLastForeground = foreground;
    m_tracked.bar = m_bar.m_hWnd;
    m_tracked.popup = m_transparency.PopupWindow();
    if (newForeground) {
        m_tracked.taskbar = ::FindWindowA("Shell_TrayWnd", nullptr);
        m_tracked.programManager = ::FindWindowA("Progman", nullptr);
        m_tracked.desktop = ::GetDesktopWindow();
    }
    // The same window in front is cloaked or uncloaked only with an event saying so.
    if (newForeground || reported) {
        m_tracked.cloaked = m_quirks.dpiCalls.IsCloaked(foreground) ? foreground : nullptr;
    }
    if (!Follow(foreground, newForeground, reported)) {
        return;
    }
    // Asked as often as its rectangle: a window in front is hidden without a new foreground.
    if (m_callbacks.hidden(foreground)) {
        Collapse();
        m_hTarget = nullptr;
        return;
    }
    bool placed = false;
    RECT target = {};
    // Fails exactly where IsWindow would: one call instead of two.
    if (::GetWindowRect(foreground, &target)) {
        placed = PlaceBarOn(foreground, target);
        if (foreground != m_hTarget) {
            m_callbacks.newTarget(foreground);
        }
        m_hTarget = foreground;
        if (m_events) {
            m_events->FollowMovesOf(foreground);
        }
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

bool CBarTracker::Follow(HWND foreground, bool newForeground, bool reported) {
    switch (DecideBarMove(foreground, m_tracked)) {
    case BarMove::Stay:
        return false;
    case BarMove::Collapse:
        Collapse();
        m_hTarget = nullptr;
        return false;
    case BarMove::Place:
        break;
    }
    // A click into another window ends the slider's use: left open, the pop-up would cover
    // the bar's buttons.
    if (newForeground) {
        m_transparency.ClosePopup();
    }
    if (newForeground || reported || m_bRestackDue) {
        m_quietTicks.Reset();
    } else {
        m_quietTicks.Advance();
    }
    return m_quietTicks.Looks();
}

// What the place depends on beyond the target's rectangle (its DPI, its composition bounds)
// is asked for only when there is something new to place: the same target with the same
// rectangle leaves the bar where it is, without another call.
bool CBarTracker::PlaceBarOn(HWND foreground, const RECT& target) {
    bool placed = false;
    if (foreground != m_hTarget || !m_placedOn || !::EqualRect(&target, &*m_placedOn)) {
        m_placedOn = target;
        const RECT rect = BarRectOn(target, CaptionMetrics::OfWindow(foreground, m_quirks.dpiCalls),
                                    m_measures.offset, m_measures.size);
        placed = m_bar.PlaceWindow(rect.left, rect.top, rect.right - rect.left,
                                   rect.bottom - rect.top) ||
                 foreground != m_hTarget;
    }
    m_transparency.FollowBar(m_bar);
    return placed;
}

void CBarTracker::Collapse() {
    m_bar.PlaceWindow(0, 0, 0, 0);
    m_placedOn.reset();
}

// Restacking puts the bar first in the topmost band, under the windows it owns (the
// platform keeps those above their owner): already there, it would change nothing.
// Under Wine, though, a window that has just come to the front, or been activated,
// restyled or restacked, draws over the bar, whatever the z-order says, until the bar is
// restacked after the window's program has done its part: there the ping waits for that.
// The stack is read in one enumeration, not a call per window above the bar.
void CBarTracker::KeepBarOnTop(bool restack, HWND foreground) {
    StackSearch search = {m_bar.m_hWnd, false};
    if (!restack && IsTopmost(m_bar.m_hWnd)) {
        ::EnumWindows(&FindBarInStack, reinterpret_cast<LPARAM>(&search));
    }
    if (!search.onTop) {
        if (m_quirks.drawsChangedWindowsOverTopmost) {
            CWindowCalls::Ping(foreground);
            RaiseOnScreen();
        } else {
            SetWindowTopmost(1, m_bar.m_hWnd, m_bar.m_hWnd);
        }
    }
}

// Wine raises a window on screen only when its place in the stack changes and no shown window
// comes before it; the dialogs the bar owns always come before it. So the bar goes out of the
// topmost band and back into it, the dialogs let go meanwhile, and they come back above it.
void CBarTracker::RaiseOnScreen() {
    const HWND bar = m_bar.m_hWnd;
    std::array<HWND, 2> shown = m_callbacks.ownedDialogs();
    for (HWND& dialog : shown) {
        if (dialog && !::IsWindowVisible(dialog)) {
            dialog = nullptr;
        }
    }
    const UINT keep = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;
    for (HWND dialog : shown) {
        if (dialog) {
            ::SetWindowLongPtrA(dialog, GWLP_HWNDPARENT, 0);
        }
    }
    ::SetWindowPos(bar, HWND_NOTOPMOST, 0, 0, 0, 0, keep);
    SetWindowTopmost(1, bar, bar);
    for (HWND dialog : shown) {
        if (dialog) {
            ::SetWindowLongPtrA(dialog, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(bar));
            ::SetWindowPos(dialog, HWND_TOPMOST, 0, 0, 0, 0, keep);
        }
    }
}
