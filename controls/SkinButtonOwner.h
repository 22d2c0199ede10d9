// What a bar button asks of the bar that owns it. The bar implements it; the
// buttons find it through the application's main window.
#pragma once

#include <windows.h>
#include <string>
#include <vector>

class CSkinButtonOwner {
public:
    // Brings the window the bar rides on to the top and into the foreground.
    virtual void ActivateTarget() = 0;
    // The transparency level (alpha 0 to 255) shared by all windows.
    virtual int GetTransparencyLevel() const = 0;
    // Stores a level and applies it to the window the bar rides on.
    virtual void SetTransparencyLevel(int level) = 0;
    // The windows of the hidden-window list, as its last refresh left it.
    virtual const std::vector<HWND>& HiddenWindows() const = 0;
    // Centres the "Window processing" dialog, refreshes its lists and shows it.
    virtual void ShowWindowSelector() = 0;
    // Whether "Automaximize IE" is on.
    virtual int IsAutoMaximizeOn() const = 0;
    // Loads the six faces from the folder, remembers the skin and repaints the buttons.
    virtual void ApplySkin(const std::string& skinFolder) = 0;

protected:
    ~CSkinButtonOwner() = default;
};
