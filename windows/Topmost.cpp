#include "windows/Topmost.h"

std::optional<TopmostChange> TopmostChangeFor(int mode, bool isBar) {
    if (mode != 0 && mode != 1) {
        return std::nullopt;
    }
    return TopmostChange{mode == 1 ? HWND_TOPMOST : HWND_NOTOPMOST,
                         isBar ? static_cast<UINT>(SWP_NOACTIVATE) : SWP_SHOWWINDOW};
}

int IsTopmost(HWND window) {
    return (::GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST) ? 1 : 0;
}
