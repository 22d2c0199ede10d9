#include "windows/Transparency.h"

int TransparencySupported(const OSVERSIONINFOA& version) {
    return version.dwPlatformId == VER_PLATFORM_WIN32_NT && version.dwMajorVersion >= 5 ? 1 : 0;
}

LONG CTransparencyLevel::Apply(LONG exStyle) {
    if (m_nAlpha == kOpaque) {
        m_nAlpha = kStartLevel;
        return exStyle & ~WS_EX_LAYERED;
    }
    return exStyle | WS_EX_LAYERED;
}

// The alpha is set in both directions; on a window just made plain it has no effect.
void SetLayeredStyle(HWND window, LONG exStyle, int level) {
    ::SetWindowLongA(window, GWL_EXSTYLE, exStyle);
    ::SetLayeredWindowAttributes(window, 0, static_cast<BYTE>(level), LWA_ALPHA);
}

int HasLayeredStyle(HWND window) {
    return (::GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_LAYERED) ? 1 : 0;
}
