// What the tray menu asks of the bar, which hands itself to the icon it makes.
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
