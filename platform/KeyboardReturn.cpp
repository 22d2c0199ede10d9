#include "platform/KeyboardReturn.h"

#include "platform/WindowCalls.h"
#include "platform/Wnd.h"

namespace {

bool IsOwn(HWND window) {
    return CWnd::FromHandle(::GetAncestor(window, GA_ROOTOWNER)) != nullptr;
}

// Shown, enabled, restored and captioned: the bar and the pop-up, which have no caption, take
// no keys.
bool TakesKeyboard(HWND window) {
    return window && ::IsWindowVisible(window) && ::IsWindowEnabled(window) &&
           !::IsIconic(window) && (::GetWindowLongA(window, GWL_STYLE) & WS_CAPTION) == WS_CAPTION;
}

} // namespace

void CKeyboardReturn::HandBack() const {
    const HWND front = ::GetForegroundWindow();
    if (front && !IsOwn(front)) {
        return;
    }
    if (!TakesKeyboard(m_hWnd)) {
        CWindowCalls::HandOnForeground(front);
    } else if (front != m_hWnd) {
        CWindowCalls::HandKeyboardTo(m_hWnd);
    }
}
