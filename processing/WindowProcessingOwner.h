// What the "Window processing" dialog asks of the bar that owns it.
#pragma once

#include <windows.h>

class CWindowProcessingOwner {
public:
    // Drops the tray icon of a window hidden with H, if it has one.
    virtual void RemoveHiddenWindowIcon(HWND window) = 0;

protected:
    ~CWindowProcessingOwner() = default;
};
