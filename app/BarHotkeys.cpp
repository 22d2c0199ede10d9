#include "app/BarHotkeys.h"

void CBarHotkeys::Register(HWND bar, const BarSettings& settings,
                           std::vector<std::string>& faults) {
    if (!::RegisterHotKey(bar, kHideAll, settings.hideAllModifiers, settings.hideAllKey)) {
        faults.push_back("Uanble to register hotkey for hide-all function");
    }
    if (!::RegisterHotKey(bar, kShowAll, settings.showAllModifiers, settings.showAllKey)) {
        faults.push_back("Uanble to register hotkey for show-all function");
    }
}
