// The hide-all and show-all hotkeys, as the settings give them, registered for the bar.
#pragma once

#include "app/BarSettings.h"

#include <windows.h>
#include <string>
#include <vector>

class CBarHotkeys {
public:
    // What to tell the user of each that could not be registered goes into faults, in order.
    static void Register(HWND bar, const BarSettings& settings, std::vector<std::string>& faults);
};
