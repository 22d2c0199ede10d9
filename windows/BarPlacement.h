// Where the bar goes on the window in front, and when it has nowhere to go.
#pragma once

#include <windows.h>

// The system metrics the bar's place on a caption depends on.
struct CaptionMetrics {
    int cxSize;   // a caption button's width
    int cxFrame;  // the sizing frame's width
    int cyFrame;  // the sizing frame's height
    int cyBorder; // a border's height

    static CaptionMetrics OfSystem();
};

// The bar keeps its size; its top-left corner sits barOffset caption buttons and a frame
// left of the target's right edge, a frame and a border below its top.
RECT BarRectOn(const RECT& target, const CaptionMetrics& metrics, int barOffset, SIZE barSize);

// The windows a tick tells apart from a target; a null one is not there.
struct TrackedWindows {
    HWND bar;
    HWND popup; // the transparency pop-up, while it exists
    HWND taskbar;
    HWND programManager;
    HWND desktop;
};

enum class BarMove {
    Collapse, // no target: the bar goes to (0, 0) with no size
    Stay,     // the user is working the bar or its pop-up: nothing moves under them
    Place,    // the window in front is the target
};

// What a tick does with the window in front.
BarMove DecideBarMove(HWND foreground, const TrackedWindows& known);

// How much a tick asks the window server once nothing has changed. The window in front is
// asked for on every tick; its rectangle and the stack above the bar (one request each,
// and Wine reports no change to either as an event) on every tick for a while after a
// change, then the rectangle on every fifth and the stack on every twentieth: a window
// that starts to move is followed within five ticks, a topmost window of another program
// stays over the bar no longer than twenty. The count is of ticks since the last change.
class QuietTicks {
public:
    static constexpr int kBusy = 50;
    static constexpr int kLookEvery = 5;
    static constexpr int kStackEvery = 20;
    // From here on the count goes round a cycle of kRound ticks.
    static constexpr int kSettled = 300;
    static constexpr int kRound = 500;

    // A new window in front, an action on it, or a move of the bar.
    void Reset() { m_count = 0; }
    void Advance() { m_count = m_count < kSettled + kRound - 1 ? m_count + 1 : kSettled; }
    bool Looks() const { return m_count <= kBusy || m_count % kLookEvery == 0; }
    bool ChecksStack() const { return m_count <= kBusy || m_count % kStackEvery == 0; }
    // Under Wine the program of a window that has just changed may still raise it over the
    // bar after the bar restacked, later the busier the machine: the bar restacks again a
    // few times after a change, then once a round.
    bool RestacksAgain() const {
        return m_count == 5 || m_count == 15 || m_count == 40 || m_count == 100 ||
               m_count == kSettled;
    }

private:
    int m_count = 0;
};
