#include "platform/PlatformQuirks.h"

#include <windows.h>

PlatformQuirks PlatformQuirks::OfThisSystem() {
    const bool wine =
        ::GetProcAddress(::GetModuleHandleA("ntdll.dll"), "wine_get_version") != nullptr;
    PlatformQuirks quirks;
    quirks.drawsChangedWindowsOverTopmost = wine;
    quirks.forgetsLayeredWhenShownAgain = wine;
    quirks.dpiCalls = CDpiCalls::OfThisSystem(!wine);
    return quirks;
}
