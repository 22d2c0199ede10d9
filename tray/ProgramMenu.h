// The program's menus, the tray icon's and the buttons': their menu resource with the window
// submenus in front, entry i of each commanding entry i of the catalogue's arrays as the menu
// is built, and "Automaximize IE" checked while it is on.
#pragma once

#include "platform/PopupMenu.h"

#include <functional>
#include <vector>

struct ProgramMenuSource {
    // "Active windows", the tray's menu only, read first; "Hidden windows".
    std::function<const std::vector<HWND>&()> activeWindows;
    std::function<const std::vector<HWND>&()> hiddenWindows;
    std::function<bool()> autoMaximizeOn;
};

// After the resource's own items are set by position: the submenus move them down.
void AddProgramItems(const CPopupMenu& menu, const ProgramMenuSource& source);
