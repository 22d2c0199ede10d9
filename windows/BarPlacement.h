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
