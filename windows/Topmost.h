// Moving a window into or out of the topmost band, where it is.
#pragma once

#include <windows.h>

#include <optional>

struct TopmostChange {
    HWND insertAfter;
    UINT flags;
};

// Mode 1 moves into the band, 0 out of it; any other mode changes nothing. The bar is
// never activated by it; another window is shown.
std::optional<TopmostChange> TopmostChangeFor(int mode, bool isBar);
// What A asks for: out of the band for a topmost window, into it otherwise.
inline int ToggledTopmostMode(bool isTopmost) {
    return isTopmost ? 0 : 1;
}
bool IsTopmost(HWND window);
// The move for the mode, where the window is; the bar's own call, another program's window
// through WindowCalls. False when the window did not answer: the move waits for its program.
bool SetWindowTopmost(int mode, HWND window, HWND bar);
