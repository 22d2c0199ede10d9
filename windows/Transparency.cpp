#include "windows/Transparency.h"

#include "platform/WindowCalls.h"

LONG CTransparencyLevel::Apply(LONG exStyle) {
    if (m_nAlpha == kOpaque) {
        m_nAlpha = kStartLevel;
        return exStyle & ~WS_EX_LAYERED;
    }
    return exStyle | WS_EX_LAYERED;
}

// The alpha is set in both directions; on a window just made plain it has no effect.
bool SetLayeredStyle(HWND window, LONG exStyle, int level) {
    const CWindowCalls calls(window);
    return calls.SetExStyle(exStyle) && calls.SetLayeredAlpha(static_cast<BYTE>(level));
}

bool HasLayeredStyle(HWND window) {
    return (::GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_LAYERED) != 0;
}
