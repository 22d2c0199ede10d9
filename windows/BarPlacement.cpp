#include "windows/BarPlacement.h"

#include <algorithm>

CaptionMetrics CaptionMetrics::OfWindow(HWND window, const CDpiCalls& calls) {
    // Where metrics cannot be asked for a DPI, the system's are its DPI's.
    const UINT dpi = calls.HasMetricsForDpi() ? calls.WindowDpi(window) : 0;
    const auto metric = [&](int index) {
        return dpi ? calls.MetricForDpi(index, dpi) : ::GetSystemMetrics(index);
    };
    CaptionMetrics metrics = {metric(SM_CXSIZE), metric(SM_CXFRAME), metric(SM_CYFRAME),
                              metric(SM_CYBORDER)};
    metrics.cxButtons = ButtonsWidth(static_cast<DWORD>(::GetWindowLongA(window, GWL_STYLE)),
                                     static_cast<DWORD>(::GetWindowLongA(window, GWL_EXSTYLE)),
                                     metrics.cxSize, metric(SM_CXSMSIZE));
    RECT bounds;
    if (calls.CompositionBounds(window, CDpiCalls::kExtendedFrameBounds, bounds)) {
        metrics.frame = bounds;
    }
    if (calls.CompositionBounds(window, CDpiCalls::kCaptionButtonBounds, bounds)) {
        metrics.buttons = bounds;
    }
    return metrics;
}

int CaptionMetrics::ButtonsWidth(DWORD style, DWORD exStyle, int cxSize, int cxSmSize) {
    if (!(style & WS_SYSMENU)) {
        return 0;
    }
    if (exStyle & WS_EX_TOOLWINDOW) {
        return cxSmSize;
    }
    if (style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX)) {
        return 3 * cxSize;
    }
    return (exStyle & WS_EX_CONTEXTHELP ? 2 : 1) * cxSize;
}

namespace {

// The caption buttons on the screen. Their bounds mean nothing for a minimized or hidden
// window: they count only where they lie inside the visible frame.
std::optional<RECT> ButtonsOnScreen(const RECT& target, const CaptionMetrics& metrics,
                                    const RECT& frame) {
    if (!metrics.buttons) {
        return std::nullopt;
    }
    RECT buttons = *metrics.buttons, inside;
    ::OffsetRect(&buttons, target.left, target.top);
    if (::IsRectEmpty(&buttons) || !::IntersectRect(&inside, &buttons, &frame) ||
        !::EqualRect(&inside, &buttons)) {
        return std::nullopt;
    }
    return buttons;
}

} // namespace

RECT BarRectOn(const RECT& target, const CaptionMetrics& metrics, int barOffset, SIZE barSize) {
    const RECT frame = metrics.frame.value_or(target);
    LONG x, y;
    if (const std::optional<RECT> buttons = ButtonsOnScreen(target, metrics, frame)) {
        x = buttons->left - barSize.cx;
        y = buttons->top + (buttons->bottom - buttons->top - barSize.cy) / 2;
    } else {
        // Caption buttons narrower than the formula assumes (the classic theme's, Wine's)
        // would otherwise sit under the bar's right end.
        const LONG buttonsLeft = frame.right - (metrics.cxButtons + metrics.cxFrame);
        x = std::min(buttonsLeft - metrics.cxSize * (barOffset - 3), buttonsLeft - barSize.cx);
        y = frame.top + metrics.cyFrame + metrics.cyBorder;
    }
    // On a narrow window, over the caption buttons rather than off the window.
    x = std::max(x, frame.left);
    return {x, y, x + barSize.cx, y + barSize.cy};
}

namespace {

// A template unit is a quarter of the base width across and an eighth of the height down.
int LaidOutAt96(int pixels, int now, int at96, int perBase) {
    return ::MulDiv(::MulDiv(pixels, perBase, now), at96, perBase);
}

int ScaledToDpi(int pixels, UINT dpi) {
    return ::MulDiv(pixels, static_cast<int>(dpi), static_cast<int>(CDpiCalls::kDefaultDpi));
}

} // namespace

RECT LaidOutAt96(const RECT& laidOut, SIZE now, SIZE at96) {
    const int left = LaidOutAt96(laidOut.left, now.cx, at96.cx, 4),
              top = LaidOutAt96(laidOut.top, now.cy, at96.cy, 8);
    return {left, top, left + LaidOutAt96(laidOut.right - laidOut.left, now.cx, at96.cx, 4),
            top + LaidOutAt96(laidOut.bottom - laidOut.top, now.cy, at96.cy, 8)};
}

RECT ScaledToDpi(const RECT& at96, UINT dpi) {
    const int left = ScaledToDpi(at96.left, dpi), top = ScaledToDpi(at96.top, dpi);
    return {left, top, left + ScaledToDpi(at96.right - at96.left, dpi),
            top + ScaledToDpi(at96.bottom - at96.top, dpi)};
}

BarMove DecideBarMove(HWND foreground, const TrackedWindows& known) {
    if (!foreground) {
        return BarMove::Collapse;
    }
    if (foreground == known.popup || foreground == known.bar) {
        return BarMove::Stay;
    }
    if (foreground == known.taskbar || foreground == known.programManager ||
        foreground == known.desktop || foreground == known.cloaked) {
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
