// The "Window processing" dialog's commands on the selected windows, in list order.
#pragma once

#include "platform/UserInteraction.h"
#include "processing/Stacking.h"

#include <vector>

// Restores, shows and raises each window, and places it as the layout says in the whole
// maximized area of the primary display.
void ArrangeWindows(const std::vector<HWND>& windows, Stacking mode);
void BringWindowsToTop(const std::vector<HWND>& windows);
// Restores the minimized ones and minimizes the others.
void MinimizeOrRestore(const std::vector<HWND>& windows, CUserInteraction& interaction);
// Asks each window to close, waiting while its program answers its own question to the
// user; then offers, in a box owned by owner, to end the programs of those still open.
void CloseOrEnd(HWND owner, const std::vector<HWND>& windows, CUserInteraction& interaction);
