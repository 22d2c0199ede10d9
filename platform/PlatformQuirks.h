// What the system under the program does differently from Windows and the program works
// around: decided once at start-up, and handed to whoever needs it.
#pragma once

#include "platform/DpiCalls.h"

struct PlatformQuirks {
    // A window of another program that has just come to the front, or been activated,
    // restyled or restacked, is drawn over the topmost windows until they are restacked
    // after its program has done its part, which can be late on a busy machine.
    bool drawsChangedWindowsOverTopmost = false;
    // A window that another program made layered is not drawn again once hidden and
    // shown, until its layered style is set anew.
    bool forgetsLayeredWhenShownAgain = false;
    // The DPI and composition calls of newer Windows that this system has. Wine has one DPI
    // for all windows, and gives another program's window the DPI its desktop started with,
    // however the window is drawn: there the system's DPI is every window's.
    CDpiCalls dpiCalls;

    // Wine's (its ntdll exports wine_get_version), or none; the calls this system has.
    static PlatformQuirks OfThisSystem();
};
