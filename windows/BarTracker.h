// The bar follows the window in front: the window timer's tick, the same tick at once when
// the system reports a change that matters, the target, the quiet schedule of looks and
// restacks, the bar's place and its restack.
#pragma once

#include "platform/PlatformQuirks.h"
#include "platform/WinEventHook.h"
#include "platform/WindowTimer.h"
#include "platform/Wnd.h"
#include "windows/BarPlacement.h"
#include "windows/TargetTransparency.h"

#include <array>
#include <functional>
#include <optional>

class CBarTracker {
public:
    struct Callbacks {
        std::function<void(HWND)> newTarget;
        // Whether the window is hidden or its hide under way: the platform may still call it
        // the foreground, but the bar would ride on nothing.
        std::function<bool(HWND)> hidden;
        // The dialogs the bar owns, which must let go of it while it is raised; null where
        // there is none.
        std::function<std::array<HWND, 2>()> ownedDialogs;
    };

    // The transparency pop-up rides with the bar.
    CBarTracker(CWnd& bar, const PlatformQuirks& quirks, CTargetTransparency& transparency,
                Callbacks callbacks)
        : m_bar(bar), m_quirks(quirks), m_transparency(transparency),
          m_callbacks(std::move(callbacks)) {}

    const PlatformQuirks& Quirks() const { return m_quirks; }
    HWND Target() const { return m_hTarget; }
    const CWindowTimer& Timer() const { return m_timer; }
    void SetBarSize(SIZE size) { m_measures.size = size; }
    void SetOffset(int barOffset) { m_measures.offset = barOffset; }

    // The period counts the quiet ticks, whether the timer runs or not. Events are heard
    // only while it runs: with the timer off the bar follows nothing.
    void Start(UINT period, bool timerRuns);
    void Stop();
    void Tick() { Track(false); }
    // The system reported a change to a window that matters (WM_APP_WINDOWEVENT, posted to
    // the bar): the tick runs now.
    void OnWindowEvent();
    void Collapse();
    // An action activated, restyled or restacked the target.
    void RestackDue() { m_bRestackDue = true; }
    // The bar's size changed: the next tick places it anew.
    void ForgetPlace() { m_placedOn.reset(); }

private:
    // Reported: an event brought the tick, so something changed.
    void Track(bool reported);
    // The window in front, the target, and a topmost window, which may come over the bar.
    bool Matters(HWND window) const;
    // The target is kept, the bar collapsed or placed, as the window in front asks.
    bool Follow(HWND foreground, bool newForeground, bool reported);
    // Moves the bar, and the pop-up if shown, onto the window in front; true if the bar moved
    // or the target is new.
    bool PlaceBarOn(HWND foreground, const RECT& target);
    // Restacks the bar when asked, or when some window other than its own has come above it.
    void KeepBarOnTop(bool restack, HWND foreground);
    void RaiseOnScreen();

    CWnd& m_bar;
    PlatformQuirks m_quirks;
    CTargetTransparency& m_transparency;
    Callbacks m_callbacks;
    CWindowTimer m_timer{IDT_WINDOWTIMER};
    std::optional<CWinEventHook> m_events; // while the timer runs
    struct {
        SIZE size; // at the bar's DPI
        int offset;
    } m_measures = {};
    HWND m_hTarget = nullptr;
    std::optional<RECT> m_placedOn;   // the target's rectangle when the bar was last placed
    HWND m_hLastForeground = nullptr; // the foreground window of the last tick
    bool m_bRestackDue = false;
    // The shell's windows as looked up when that window came to the front: while the same
    // window stays in front, what it is does not change.
    TrackedWindows m_tracked = {};
    QuietTicks m_quietTicks{USER_TIMER_MINIMUM}; // counted in the window timer's period
};
