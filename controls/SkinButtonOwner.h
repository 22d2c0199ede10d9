// What a bar button asks of the bar that owns it, which hands itself to each button it
// makes; the pop-up opened from T reports its level to the bar too.
#pragma once

#include "windows/TransparencyDlgOwner.h"

#include <windows.h>
#include <string>
#include <vector>

class CSkinButtonOwner : public CTransparencyDlgOwner {
public:
    // Brings the window the bar rides on to the top and into the foreground.
    virtual void ActivateTarget() = 0;
    // The transparency level (alpha 0 to 255) shared by all windows.
    virtual int GetTransparencyLevel() const = 0;
    // What the hidden-window entries of the menu list and their commands index.
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
