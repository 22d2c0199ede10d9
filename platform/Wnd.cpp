#include "platform/Wnd.h"

#include "platform/Utf8Text.h"

#include <map>

namespace {

std::map<HWND, CWnd*>& HandleMap() {
    static std::map<HWND, CWnd*> map;
    return map;
}

// The object whose window CreateEx is making: its first messages arrive before
// CreateWindowEx returns the handle.
CWnd* g_pCreating = nullptr;

const char kWindowClass[] = "PanewardenWnd";

void RegisterWindowClass() {
    static bool registered = false;
    if (registered) {
        return;
    }
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = CWnd::StaticWindowProc;
    windowClass.hInstance = ::GetModuleHandleA(nullptr);
    windowClass.lpszClassName = kWindowClass;
    registered = ::RegisterClassA(&windowClass) != 0;
}

} // namespace

CWnd::~CWnd() {
    DestroyWindow();
}

CWnd* CWnd::FromHandle(HWND window) {
    auto found = HandleMap().find(window);
    return found == HandleMap().end() ? nullptr : found->second;
}

void CWnd::Attach(HWND window) {
    m_hWnd = window;
    HandleMap()[window] = this;
}

void CWnd::Detach() {
    if (m_hWnd) {
        HandleMap().erase(m_hWnd);
    }
    m_hWnd = nullptr;
    m_pfnSuper = nullptr;
}

BOOL CWnd::CreateEx(DWORD exStyle, const char* title, DWORD style, int x, int y, int width,
                    int height, HWND parent) {
    RegisterWindowClass();
    g_pCreating = this;
    HWND window = ::CreateWindowExA(exStyle, kWindowClass, title, style, x, y, width, height,
                                    parent, nullptr, ::GetModuleHandleA(nullptr), nullptr);
    g_pCreating = nullptr;
    return window != nullptr;
}

BOOL CWnd::DestroyWindow() {
    if (!m_hWnd) {
        return FALSE;
    }
    HWND window = m_hWnd;
    if (!::IsWindow(window)) {
        Detach();
        return FALSE;
    }
    // A subclassed control lives on with its parent; only give it back its procedure.
    if (m_pfnSuper && (::GetWindowLongA(window, GWL_STYLE) & WS_CHILD)) {
        ::SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
        Detach();
        return TRUE;
    }
    BOOL result = ::DestroyWindow(window);
    Detach();
    return result;
}

BOOL CWnd::SubclassWindow(HWND window) {
    if (!window) {
        return FALSE;
    }
    Attach(window);
    m_pfnSuper = reinterpret_cast<WNDPROC>(::SetWindowLongPtrA(
        window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CWnd::StaticWindowProc)));
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(int id, CWnd* parent) {
    return SubclassWindow(::GetDlgItem(parent->m_hWnd, id));
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProc(message, wParam, lParam);
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (m_pfnSuper) {
        return ::CallWindowProcA(m_pfnSuper, m_hWnd, message, wParam, lParam);
    }
    return ::DefWindowProcA(m_hWnd, message, wParam, lParam);
}

bool CWnd::PlaceWindow(int x, int y, int width, int height) const {
    RECT rect = GetWindowRect();
    if (rect.left == x && rect.top == y && rect.right - rect.left == width &&
        rect.bottom - rect.top == height) {
        return false;
    }
    MoveWindow(x, y, width, height, TRUE);
    return true;
}

RECT CWnd::GetWindowRect() const {
    RECT rect = {};
    ::GetWindowRect(m_hWnd, &rect);
    return rect;
}

RECT CWnd::GetClientRect() const {
    RECT rect = {};
    ::GetClientRect(m_hWnd, &rect);
    return rect;
}

void CWnd::CenterWindow(HWND alternateOwner) const {
    RECT area = {};
    ::GetWindowRect(alternateOwner, &area);
    RECT own = GetWindowRect();
    int width = own.right - own.left;
    int height = own.bottom - own.top;
    int x = area.left + (area.right - area.left - width) / 2;
    int y = area.top + (area.bottom - area.top - height) / 2;
    ::SetWindowPos(m_hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT CALLBACK CWnd::StaticWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    CWnd* object = FromHandle(window);
    if (!object && g_pCreating) {
        object = g_pCreating;
        g_pCreating = nullptr;
        object->Attach(window);
    }
    if (!object) {
        return ::DefWindowProcA(window, message, wParam, lParam);
    }
    LRESULT result = object->WindowProc(message, wParam, lParam);
    if (message == WM_NCDESTROY && object->m_hWnd == window) {
        object->Detach();
    }
    return result;
}

std::string WindowTitle(HWND window) {
    // Three bytes more than the 260 the program reads through: GetWindowTextA may cut a
    // UTF-8 character, and the one at the limit must be read whole to be dropped whole.
    char title[260 + 3] = "";
    ::GetWindowTextA(window, title, sizeof title);
    return CutText(title, 259);
}
