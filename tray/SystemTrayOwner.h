// What the tray menu asks of the window its icon reports to (the bar).
#pragma once

#include <windows.h>
#include <vector>

class CSystemTrayOwner {
public:
    // Rebuilds the window lists, so that the menu lists the windows of this moment.
    virtual void RefreshWindowLists() = 0;
    // The windows of the window list and of the hidden-window list, by entry.
    virtual const std::vector<HWND>& ActiveWindows() const = 0;
    virtual const std::vector<HWND>& HiddenWindows() const = 0;
    virtual int IsAutoMaximizeOn() const = 0;

protected:
    ~CSystemTrayOwner() = default;
};
