// Where the "Window processing" dialog stacks the selected windows.
#pragma once

#include <windows.h>

#include <optional>

enum class Stacking { None, Horizontal, Vertical, Rectangles };

// Window i of n in a width by height area: bands one above the other, columns side by side,
// or two columns of rectangles, the left holding n / 2; remainders stay uncovered. Empty
// when the window stays where it is.
std::optional<RECT> StackedRect(Stacking mode, int i, int n, int width, int height);
