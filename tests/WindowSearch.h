// Finds the bar of a running program from outside, as the end-to-end test and the bench do.
#pragma once

#include <windows.h>

struct WindowSearch {
    DWORD processId;
    HWND found;
};

// A visible topmost tool-window dialog of the process.
inline BOOL CALLBACK MatchBar(HWND window, LPARAM lParam) {
    auto* search = reinterpret_cast<WindowSearch*>(lParam);
    DWORD owner = 0;
    ::GetWindowThreadProcessId(window, &owner);
    char className[32] = "";
    ::GetClassNameA(window, className, sizeof className);
    const LONG wanted = WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
    if (owner == search->processId && ::IsWindowVisible(window) &&
        ::lstrcmpA(className, "#32770") == 0 &&
        (::GetWindowLongA(window, GWL_EXSTYLE) & wanted) == wanted) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

inline HWND FindBar(DWORD processId) {
    WindowSearch search = {processId, nullptr};
    ::EnumWindows(&MatchBar, reinterpret_cast<LPARAM>(&search));
    return search.found;
}
