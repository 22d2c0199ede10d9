#include "windows/BarPlacement.h"

#include <algorithm>

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

namespace {

int TicksCovering(int milliseconds, int period) {
    return (milliseconds + period - 1) / period;
}

} // namespace

QuietTicks::QuietTicks(int period)
    : m_busy(kBusyMs / period), m_lookEvery(std::max(1, kLookMs / period)),
      m_stackEvery(m_lookEvery * std::max(1, kStackMs / (m_lookEvery * period))) {
    for (std::size_t i = 0; i < std::size(kRestackMs); ++i) {
        m_restacks[i] = TicksCovering(kRestackMs[i], period);
    }
    m_settled = m_restacks[std::size(kRestackMs) - 1];
    m_round = TicksCovering(TicksCovering(kRoundMs, period), m_stackEvery) * m_stackEvery;
}

bool QuietTicks::RestacksAgain() const {
    return std::find(std::begin(m_restacks), std::end(m_restacks), m_count) != std::end(m_restacks);
}
