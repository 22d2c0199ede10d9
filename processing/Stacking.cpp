#include "processing/Stacking.h"

namespace {

RECT Cell(int x, int y, int cx, int cy) {
    return {x, y, x + cx, y + cy};
}

} // namespace

std::optional<RECT> StackedRect(Stacking mode, int i, int n, int width, int height) {
    switch (mode) {
    case Stacking::Horizontal:
        return Cell(0, i * (height / n), width, height / n);
    case Stacking::Vertical:
        return Cell(i * (width / n), 0, width / n, height);
    case Stacking::Rectangles: {
        if (n < 2) {
            return std::nullopt;
        }
        const int left = n / 2;
        const int right = n - left;
        if (i < left) {
            return Cell(0, i * (height / left), width / 2, height / left);
        }
        return Cell(width / 2, (i - left) * (height / right), width / 2, height / right);
    }
    case Stacking::None:
        break;
    }
    return std::nullopt;
}
