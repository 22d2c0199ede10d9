#include "app/BarHotkeys.h"

#include "resource.h"

void CBarHotkeys::Register(HWND bar, const BarSettings& settings,
                           std::vector<std::string>& faults) {
    if (!::RegisterHotKey(bar, IDHOT_HIDEALL, settings.hideAllModifiers, settings.hideAllKey)) {
        faults.push_back("Uanble to register hotkey for hide-all function");
    }
    if (!::RegisterHotKey(bar, IDHOT_SHOWALL, settings.showAllModifiers, settings.showAllKey)) {
        faults.push_back("Uanble to register hotkey for show-all function");
    }
}
