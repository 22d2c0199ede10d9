#include "windows/Topmost.h"

#include "platform/WindowCalls.h"

std::optional<TopmostChange> TopmostChangeFor(int mode, bool isBar) {
    if (mode != 0 && mode != 1) {
        return std::nullopt;
    }
    return TopmostChange{mode == 1 ? HWND_TOPMOST : HWND_NOTOPMOST,
                         isBar ? static_cast<UINT>(SWP_NOACTIVATE) : SWP_SHOWWINDOW};
}

bool IsTopmost(HWND window) {
    return (::GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

bool SetWindowTopmost(int mode, HWND window, HWND bar) {
    const std::optional<TopmostChange> change = TopmostChangeFor(mode, window == bar);
    if (!change) {
        return true;
    }
    RECT rect = {};
    if (window && ::IsWindow(window)) {
        ::GetWindowRect(window, &rect);
    }
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    if (window == bar) {
        ::SetWindowPos(window, change->insertAfter, rect.left, rect.top, width, height,
                       change->flags);
        return true;
    }
    const CWindowCalls calls(window);
    calls.SetWindowPos(change->insertAfter, rect.left, rect.top, width, height, change->flags);
    return calls.Answers();
}
