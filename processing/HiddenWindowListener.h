// Who hears of the windows leaving the program's hidden-window list.
#pragma once

#include <windows.h>

class CHiddenWindowListener {
public:
    // The window has been shown again and is no longer in the list.
    virtual void OnHiddenWindowLeft(HWND window) = 0;

protected:
    ~CHiddenWindowListener() = default;
};
