// Finds windows of a running program from outside, as the end-to-end test and the bench
// see them.
#pragma once

#include <windows.h>

struct WindowSearch {
    DWORD processId;
    bool (*condition)(HWND);
    HWND found;
};

inline BOOL CALLBACK MatchWindow(HWND window, LPARAM lParam) {
    auto* search = reinterpret_cast<WindowSearch*>(lParam);
    DWORD owner = 0;
    ::GetWindowThreadProcessId(window, &owner);
    if (owner == search->processId && search->condition(window)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

// The first top-level window of a process that meets the condition.
inline HWND FindWindowOf(DWORD processId, bool (*condition)(HWND)) {
    WindowSearch search = {processId, condition, nullptr};
    ::EnumWindows(&MatchWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// The bar of a process: its visible topmost tool-window dialog.
inline HWND FindBar(DWORD processId) {
    return FindWindowOf(processId, [](HWND window) {
        char className[32] = "";
        ::GetClassNameA(window, className, sizeof className);
        const LONG wanted = WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
        return ::IsWindowVisible(window) && ::lstrcmpA(className, "#32770") == 0 &&
               (::GetWindowLongA(window, GWL_EXSTYLE) & wanted) == wanted;
    });
}
