#include "windows/AutoMaximizer.h"

#include "platform/WindowCalls.h"

void CAutoMaximizer::Tick() const {
    HWND browser = ::FindWindowA("IEFrame", nullptr);
    if (browser && !::IsZoomed(browser) && !::IsIconic(browser) && ::IsWindow(browser)) {
        // A browser that does not answer is tried again on a later tick, not queued on each.
        const CWindowCalls calls(browser);
        if (calls.Answers()) {
            calls.ShowWindow(SW_SHOWMAXIMIZED);
        }
    }
}
