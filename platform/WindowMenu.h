// Submenus that list windows by their present titles: the tray menu's and the buttons'.
#pragma once

#include <windows.h>
#include <vector>

// Inserts a submenu at a position; entry i is windows[i] with command firstId + i.
// Command ids are 16 bits: only the windows whose ids stay below endId are listed.
HMENU InsertWindowSubmenu(HMENU menu, UINT position, const char* text,
                          const std::vector<HWND>& windows, UINT firstId, UINT endId);
// "Hidden windows": commands from ID_HIDDENWINDOW_FIRST, or one inert item when empty.
void InsertHiddenWindowsSubmenu(HMENU menu, UINT position, const std::vector<HWND>& windows);
