#include "platform/WindowCalls.h"

#include "platform/Wnd.h"

#include <algorithm>

namespace {

// Sends are numbered, so that the late answer to one given up on is not taken for a later one's.
ULONG_PTR g_lastSend = 0;
ULONG_PTR g_lastAnswer = 0;

void CALLBACK Answered(HWND, UINT, ULONG_PTR send, LRESULT) {
    g_lastAnswer = std::max(g_lastAnswer, send);
}

// The first shown, enabled, restored window down the stack that a user can activate.
HWND NextWindowToActivate() {
    for (HWND window = ::GetTopWindow(nullptr); window; window = ::GetWindow(window, GW_HWNDNEXT)) {
        const LONG exStyle = ::GetWindowLongA(window, GWL_EXSTYLE);
        if (::IsWindowVisible(window) && ::IsWindowEnabled(window) && !::IsIconic(window) &&
            !(exStyle & (WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE)) &&
            !CWnd::FromHandle(::GetAncestor(window, GA_ROOTOWNER))) {
            return window;
        }
    }
    return nullptr;
}

bool SendWithin(HWND window, UINT message, WPARAM wParam, LPARAM lParam, DWORD_PTR& result) {
    return ::SendMessageTimeoutA(window, message, wParam, lParam, SMTO_ABORTIFHUNG,
                                 CWindowCalls::kAnswerTimeoutMs, &result) != 0;
}

} // namespace

bool CWindowCalls::Ping(HWND window) {
    DWORD_PTR result = 0;
    return !::IsHungAppWindow(window) && SendWithin(window, WM_NULL, 0, 0, result);
}

void CWindowCalls::ShowWindow(int command) const {
    if (m_bAnswers) {
        ::ShowWindow(m_hWnd, command);
    } else {
        ::ShowWindowAsync(m_hWnd, command);
    }
}

void CWindowCalls::ShowAgain(int command, const PlatformQuirks& quirks) const {
    ShowWindow(command);
    if (!m_bAnswers || !RestyledWhenShownAgain(m_hWnd, quirks)) {
        return;
    }
    const LONG exStyle = ::GetWindowLongA(m_hWnd, GWL_EXSTYLE);
    BYTE alpha = 0;
    ::GetLayeredWindowAttributes(m_hWnd, nullptr, &alpha, nullptr);
    SetExStyle(exStyle & ~WS_EX_LAYERED);
    SetWindowPos(nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    SetExStyle(exStyle);
    SetLayeredAlpha(alpha);
}

bool CWindowCalls::RestyledWhenShownAgain(HWND window, const PlatformQuirks& quirks) {
    DWORD flags = 0;
    return quirks.forgetsLayeredWhenShownAgain &&
           (::GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_LAYERED) &&
           ::GetLayeredWindowAttributes(window, nullptr, nullptr, &flags) && flags == LWA_ALPHA;
}

void CWindowCalls::SetWindowPos(HWND insertAfter, int x, int y, int width, int height,
                                UINT flags) const {
    ::SetWindowPos(m_hWnd, insertAfter, x, y, width, height,
                   m_bAnswers ? flags : flags | SWP_ASYNCWINDOWPOS);
}

void CWindowCalls::Minimize() const {
    if (m_bAnswers) {
        ::CloseWindow(m_hWnd);
    } else {
        ::ShowWindowAsync(m_hWnd, SW_MINIMIZE);
    }
}

void CWindowCalls::BringToFront() const {
    if (m_bAnswers) {
        ::BringWindowToTop(m_hWnd);
        ::SetForegroundWindow(m_hWnd);
    } else {
        SetWindowPos(HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
}

void CWindowCalls::Close() const {
    if (!m_bAnswers) {
        ::PostMessageA(m_hWnd, WM_CLOSE, 0, 0);
        return;
    }
    const ULONG_PTR send = ++g_lastSend;
    if (!::SendMessageCallbackA(m_hWnd, WM_CLOSE, 0, 0, &Answered, send)) {
        return;
    }
    // Only sent messages are handled meanwhile: the answer comes as one, and no other input
    // may start a command in the middle of this one.
    while (g_lastAnswer < send && ::IsWindow(m_hWnd)) {
        MSG msg;
        ::PeekMessageA(&msg, nullptr, 0, 0, PM_QS_SENDMESSAGE | PM_NOREMOVE);
        if (g_lastAnswer < send &&
            ::MsgWaitForMultipleObjects(0, nullptr, FALSE, kAnswerTimeoutMs, QS_SENDMESSAGE) ==
                WAIT_TIMEOUT &&
            !Ping(m_hWnd)) {
            return;
        }
    }
}

bool CWindowCalls::SetExStyle(LONG exStyle) const {
    if (m_bAnswers) {
        ::SetWindowLongA(m_hWnd, GWL_EXSTYLE, exStyle);
    }
    return m_bAnswers;
}

bool CWindowCalls::SetLayeredAlpha(BYTE alpha) const {
    if (m_bAnswers) {
        ::SetLayeredWindowAttributes(m_hWnd, 0, alpha, LWA_ALPHA);
    }
    return m_bAnswers;
}

LRESULT CWindowCalls::Send(UINT message, WPARAM wParam, LPARAM lParam) const {
    DWORD_PTR result = 0;
    return m_bAnswers && SendWithin(m_hWnd, message, wParam, lParam, result)
               ? static_cast<LRESULT>(result)
               : 0;
}

void CWindowCalls::HandOnForeground(HWND from) {
    if (::GetForegroundWindow() != from) {
        return;
    }
    if (const HWND next = NextWindowToActivate()) {
        HandKeyboardTo(next);
    }
}

void CWindowCalls::HandKeyboardTo(HWND window) {
    ::PostMessageA(window, WM_NULL, 0, 0);
    CWindowCalls(window).BringToFront(); // its ping waits until the thread reads messages
}
