// Finds the bar of a running Panewarden from outside, as the end-to-end test and the
// bench see it.
#pragma once

#include <windows.h>

struct BarSearch {
    DWORD processId;
    HWND bar;
};

inline BOOL CALLBACK FindBarWindow(HWND window, LPARAM lParam) {
    auto* search = reinterpret_cast<BarSearch*>(lParam);
    DWORD owner = 0;
    ::GetWindowThreadProcessId(window, &owner);
    char className[32] = "";
    ::GetClassNameA(window, className, sizeof className);
    const LONG wanted = WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
    if (owner == search->processId && ::IsWindowVisible(window) &&
        ::lstrcmpA(className, "#32770") == 0 &&
        (::GetWindowLongA(window, GWL_EXSTYLE) & wanted) == wanted) {
        search->bar = window;
        return FALSE;
    }
    return TRUE;
}

// The bar of a process: its visible topmost tool-window dialog.
inline HWND FindBar(DWORD processId) {
    BarSearch search = {processId, nullptr};
    ::EnumWindows(&FindBarWindow, reinterpret_cast<LPARAM>(&search));
    return search.bar;
}
