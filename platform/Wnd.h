// Window wrapper: maps a window handle to its object and routes its messages.
#pragma once

#include <windows.h>
#include <string>

class CWnd {
public:
    CWnd() = default;
    virtual ~CWnd();
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    HWND m_hWnd = nullptr;

    // The object of a window created or subclassed through this class, else null.
    static CWnd* FromHandle(HWND window);

    // A window of the program's own plain class, routed to this object.
    BOOL CreateEx(DWORD exStyle, const char* title, DWORD style, int x, int y, int width,
                  int height, HWND parent);
    BOOL DestroyWindow();

    // Takes over an existing window (a dialog's control) so its messages reach this object.
    BOOL SubclassWindow(HWND window);
    BOOL SubclassDlgItem(int id, CWnd* parent);

    // Message handling: the class's table first, then DefWindowProc.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // What a window does with messages its tables leave alone.
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);

    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return ::SendMessageA(m_hWnd, message, wParam, lParam);
    }
    BOOL ShowWindow(int command) const { return ::ShowWindow(m_hWnd, command); }
    void SetWindowText(const std::string& text) const { ::SetWindowTextA(m_hWnd, text.c_str()); }
    BOOL MoveWindow(int x, int y, int width, int height, BOOL repaint = TRUE) const {
        return ::MoveWindow(m_hWnd, x, y, width, height, repaint);
    }
    // MoveWindow, repainting, unless the window already has that rectangle; true when moved.
    bool PlaceWindow(int x, int y, int width, int height) const;
    RECT GetWindowRect() const;
    RECT GetClientRect() const;
    BOOL EnableWindow(BOOL enable) const { return ::EnableWindow(m_hWnd, enable); }
    BOOL RedrawWindow(UINT flags) const { return ::RedrawWindow(m_hWnd, nullptr, nullptr, flags); }
    void CenterWindow(HWND alternateOwner) const;

    static LRESULT CALLBACK StaticWindowProc(HWND window, UINT message, WPARAM wParam,
                                             LPARAM lParam);

protected:
    void Attach(HWND window);
    void Detach();

private:
    WNDPROC m_pfnSuper = nullptr; // the window's own procedure when subclassed
};

// A window's title as the program reads it: through a buffer of 260 bytes, so cut
// to 259 bytes, on a character boundary.
std::string WindowTitle(HWND window);
