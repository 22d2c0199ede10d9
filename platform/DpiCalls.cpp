#include "platform/DpiCalls.h"

#include "platform/Handles.h"

namespace {

// Through void (*)(): the cast from FARPROC to another function's type is then not flagged.
template <class Function> void LookUp(HMODULE module, const char* name, Function& function) {
    function = module ? reinterpret_cast<Function>(
                            reinterpret_cast<void (*)()>(::GetProcAddress(module, name)))
                      : nullptr;
}

} // namespace

CDpiCalls CDpiCalls::OfThisSystem(bool windowDpi) {
    CDpiCalls calls;
    const HMODULE user = ::GetModuleHandleA("user32.dll");
    LookUp(windowDpi ? user : nullptr, "GetDpiForWindow", calls.m_dpiForWindow);
    LookUp(user, "GetSystemMetricsForDpi", calls.m_metricForDpi);
    // Kept loaded for the program's life; absent before Vista.
    LookUp(::LoadLibraryA("dwmapi.dll"), "DwmGetWindowAttribute", calls.m_windowAttribute);
    const CWindowDC screen;
    calls.m_systemDpi = static_cast<UINT>(::GetDeviceCaps(screen.Get(), LOGPIXELSY));
    return calls;
}

CDpiCalls CDpiCalls::WithWindowAttribute(WindowAttributeCall call) const {
    CDpiCalls calls = *this;
    calls.m_windowAttribute = call;
    return calls;
}

UINT CDpiCalls::WindowDpi(HWND window) const {
    const UINT dpi = m_dpiForWindow ? m_dpiForWindow(window) : 0;
    return dpi ? dpi : m_systemDpi;
}

bool CDpiCalls::CompositionBounds(HWND window, DWORD attribute, RECT& bounds) const {
    return m_windowAttribute &&
           SUCCEEDED(m_windowAttribute(window, attribute, &bounds, sizeof bounds));
}

bool CDpiCalls::IsCloaked(HWND window) const {
    DWORD cloaked = 0;
    return m_windowAttribute &&
           SUCCEEDED(m_windowAttribute(window, kCloaked, &cloaked, sizeof cloaked)) && cloaked;
}
