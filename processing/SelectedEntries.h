// The windows behind a list's selected entries.
#pragma once

#include "platform/ListBox.h"

#include <vector>

// In list order, all resolved before any window is touched: activation changes rebuild the
// handle arrays mid-command.
std::vector<HWND> SelectedEntries(const CListBox& list, const std::vector<HWND>& handles);
