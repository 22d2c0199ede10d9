// The windows behind a list's selected entries.
#pragma once

#include "platform/ListBox.h"

#include <vector>

// In list order, all resolved before any window is touched: activation changes rebuild the
// handle arrays mid-command.
std::vector<HWND> SelectedEntries(const CListBox& list, const std::vector<HWND>& handles);

// After a refresh, the entries of the windows that were selected before it, as the user chose
// them.
void SelectEntries(const CListBox& list, const std::vector<HWND>& handles,
                   const std::vector<HWND>& windows);
