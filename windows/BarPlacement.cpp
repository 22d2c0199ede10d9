#include "windows/BarPlacement.h"

CaptionMetrics CaptionMetrics::OfSystem() {
    return {::GetSystemMetrics(SM_CXSIZE), ::GetSystemMetrics(SM_CXFRAME),
            ::GetSystemMetrics(SM_CYFRAME), ::GetSystemMetrics(SM_CYBORDER)};
}

RECT BarRectOn(const RECT& target, const CaptionMetrics& metrics, int barOffset, SIZE barSize) {
    const int x = target.right - (metrics.cxSize * barOffset + metrics.cxFrame);
    const int y = target.top + metrics.cyFrame + metrics.cyBorder;
    return {x, y, x + barSize.cx, y + barSize.cy};
}

BarMove DecideBarMove(HWND foreground, const TrackedWindows& known) {
    if (!foreground) {
        return BarMove::Collapse;
    }
    if (foreground == known.popup || foreground == known.bar) {
        return BarMove::Stay;
    }
    if (foreground == known.taskbar || foreground == known.programManager ||
        foreground == known.desktop) {
        return BarMove::Collapse;
    }
    return BarMove::Place;
}
