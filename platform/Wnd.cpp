#include "platform/Wnd.h"

#include "platform/Utf8Text.h"

namespace {

const char kWindowClass[] = "PanewardenWnd";
// The property of a window that holds its object: it tells any window, the program's or
// another's, whose user data may hold anything. The window's messages read the object from
// its user data, which the window server need not be asked for, unlike a property.
const char kObjectProperty[] = "Panewarden.Object";

// Once per process: a second registration fails, and the class stays as it was.
void RegisterWindowClass() {
    WNDCLASSA windowClass = {};
    if (::GetClassInfoA(::GetModuleHandleA(nullptr), kWindowClass, &windowClass)) {
        return;
    }
    windowClass.lpfnWndProc = CWnd::StaticWindowProc;
    windowClass.hInstance = ::GetModuleHandleA(nullptr);
    windowClass.lpszClassName = kWindowClass;
    ::RegisterClassA(&windowClass);
}

} // namespace

CWnd::~CWnd() {
    DestroyWindow();
}

CWnd* CWnd::FromHandle(HWND window) {
    return window ? static_cast<CWnd*>(::GetPropA(window, kObjectProperty)) : nullptr;
}

void CWnd::Attach(HWND window) {
    m_hWnd = window;
    ::SetPropA(window, kObjectProperty, this);
    ::SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

void CWnd::Detach() {
    if (m_hWnd && ::IsWindow(m_hWnd)) {
        ::RemovePropA(m_hWnd, kObjectProperty);
        ::SetWindowLongPtrA(m_hWnd, GWLP_USERDATA, 0);
    }
    m_hWnd = nullptr;
    m_pfnSuper = nullptr;
}

BOOL CWnd::CreateEx(DWORD exStyle, const char* title, DWORD style, int x, int y, int width,
                    int height, HWND parent) {
    RegisterWindowClass();
    // The object comes with the window's first messages, before CreateWindowEx returns.
    HWND window = ::CreateWindowExA(exStyle, kWindowClass, title, style, x, y, width, height,
                                    parent, nullptr, ::GetModuleHandleA(nullptr), this);
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
    // Only the windows this class made or took over come here.
    CWnd* object = reinterpret_cast<CWnd*>(::GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!object && message == WM_NCCREATE) {
        object = static_cast<CWnd*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
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
