// Where the bar goes on the window in front, and when it has nowhere to go.
#pragma once

#include "platform/DpiCalls.h"

#include <windows.h>

#include <iterator>
#include <optional>

// What the bar's place on a caption depends on, at the DPI of the window it rides on.
struct CaptionMetrics {
    int cxSize;   // a caption button's width
    int cxFrame;  // the sizing frame's width
    int cyFrame;  // the sizing frame's height
    int cyBorder; // a border's height
    // Where the desktop composes windows: the visible frame, on the screen, and the caption
    // buttons' bounds, relative to the window's rectangle.
    std::optional<RECT> frame = std::nullopt;
    std::optional<RECT> buttons = std::nullopt;
    int cxButtons = 3 * cxSize; // the caption buttons' width: close, maximize and minimize

    // At the window's DPI, with its composition bounds where it has them and the caption
    // buttons its style gives. Asks no message of the window's program.
    static CaptionMetrics OfWindow(HWND window, const CDpiCalls& calls);
    // What the system draws: nothing without a system menu; a tool window only its small
    // close button; either box shows both, one greyed; help only with neither box.
    static int ButtonsWidth(DWORD style, DWORD exStyle, int cxSize, int cxSmSize);
};

// The bar keeps its size and never starts left of the window's visible frame. Where the
// window's caption buttons are known and lie inside that frame, the bar ends just left of
// them, centred on their height. Elsewhere its top-left corner sits barOffset caption
// buttons and a frame left of the frame's right edge, a frame and a border below its top,
// counted as if the window had all three buttons; but it never reaches over the buttons
// the metrics give: there it ends just left of them.
RECT BarRectOn(const RECT& target, const CaptionMetrics& metrics, int barOffset, SIZE barSize);

// The dialog manager lays the bar out with its font made at the bar's DPI, and a font grows
// by its own rounding (1.4 times at 150 % under Wine). The bar at 96 DPI, from the rectangle
// the dialog manager made with base units `now`: template units come back exactly (each is at
// least 1.5 pixels) and are laid out again with the base units at 96 DPI, left and width each
// as the dialog manager does. Scaled to a DPI from there, it is the 96-DPI bar enlarged.
RECT LaidOutAt96(const RECT& laidOut, SIZE now, SIZE at96);
RECT ScaledToDpi(const RECT& at96, UINT dpi);

// The windows a tick tells apart from a target; a null one is not there.
struct TrackedWindows {
    HWND bar;
    HWND popup; // the transparency pop-up, while it exists
    HWND taskbar;
    HWND programManager;
    HWND desktop;
    HWND cloaked; // the window in front, while the compositor keeps it off the screen
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
// and Wine reports no change to either as an event) on every tick for half a second after
// a change, then the rectangle at least every 50 ms and the stack at least every 200 ms:
// a window that starts to move is followed within 50 ms, a topmost window of another
// program stays over the bar no longer than 200 ms. Time is counted in ticks of the window
// timer's period, worked out once, so that a tick only counts and compares.
class QuietTicks {
public:
    static constexpr int kBusyMs = 500;
    static constexpr int kLookMs = 50;
    static constexpr int kStackMs = 200;
    // The bar restacks again at these times after a change, then once a round.
    static constexpr int kRestackMs[] = {50, 150, 400, 1000, 3000};
    static constexpr int kRoundMs = 5000;

    explicit QuietTicks(int period);

    // A new window in front, an action on it, or a move of the bar.
    void Reset() { m_count = 0; }
    // Once settled the count goes round a cycle that is a whole number of stack checks.
    void Advance() { m_count = m_count + 1 < m_settled + m_round ? m_count + 1 : m_settled; }
    bool Looks() const { return m_count <= m_busy || m_count % m_lookEvery == 0; }
    bool ChecksStack() const { return m_count <= m_busy || m_count % m_stackEvery == 0; }
    // Under Wine the program of a window that has just changed may still raise it over the
    // bar after the bar restacked, later the busier the machine: there the bar restacks
    // again a few times after a change, then once a round.
    bool RestacksAgain() const;

private:
    int m_busy;
    int m_lookEvery;
    int m_stackEvery; // a multiple of m_lookEvery
    int m_restacks[std::size(kRestackMs)];
    int m_settled; // the last of m_restacks
    int m_round;
    int m_count = 0;
};
