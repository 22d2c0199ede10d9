// The window in front when one of the program's menus or dialogs opens, which gets the
// keyboard back when it closes, however it closes: the platform leaves it with the menu's or
// the dialog's owner, one of the program's own windows.
#pragma once

#include <windows.h>

class CKeyboardReturn {
public:
    // The window in front now.
    void Record() { m_hWnd = ::GetForegroundWindow(); }
    // While one of the program's own windows or none is in front: to the window recorded, where
    // it can still take the keyboard, else where a hide of the window in front would send it.
    // A window of another program in front (clicked to close a menu) keeps it.
    void HandBack() const;

private:
    HWND m_hWnd = nullptr;
};
