// Owned handles: each released by its own call when its owner goes.
#pragma once

#include <windows.h>
#include <memory>
#include <type_traits>

struct BitmapDeleter {
    void operator()(HBITMAP bitmap) const { ::DeleteObject(bitmap); }
};
struct MenuDeleter {
    void operator()(HMENU menu) const { ::DestroyMenu(menu); }
};
struct FontDeleter {
    void operator()(HFONT font) const { ::DeleteObject(font); }
};
struct IconDeleter {
    void operator()(HICON icon) const { ::DestroyIcon(icon); }
};
struct HandleDeleter {
    void operator()(HANDLE handle) const { ::CloseHandle(handle); }
};
struct ComReleaser {
    void operator()(IUnknown* object) const { object->Release(); }
};

using UniqueBitmap = std::unique_ptr<std::remove_pointer_t<HBITMAP>, BitmapDeleter>;
// Destroying a menu destroys the submenus inserted into it too.
using UniqueMenu = std::unique_ptr<std::remove_pointer_t<HMENU>, MenuDeleter>;
using UniqueFont = std::unique_ptr<std::remove_pointer_t<HFONT>, FontDeleter>;
using UniqueIcon = std::unique_ptr<std::remove_pointer_t<HICON>, IconDeleter>;
// Null and INVALID_HANDLE_VALUE are both "no handle": give only real ones.
using UniqueHandle = std::unique_ptr<void, HandleDeleter>;
template <class T> using ComPtr = std::unique_ptr<T, ComReleaser>;

// A file's handle, or null where CreateFile failed.
inline UniqueHandle OwnFileHandle(HANDLE file) {
    return UniqueHandle(file == INVALID_HANDLE_VALUE ? nullptr : file);
}

// BeginPaint and EndPaint around a WM_PAINT handler.
class CPaintDC {
public:
    explicit CPaintDC(HWND window) : m_hWnd(window), m_hDC(::BeginPaint(window, &m_paint)) {}
    ~CPaintDC() { ::EndPaint(m_hWnd, &m_paint); }
    CPaintDC(const CPaintDC&) = delete;
    CPaintDC& operator=(const CPaintDC&) = delete;
    HDC Get() const { return m_hDC; }

private:
    HWND m_hWnd;
    PAINTSTRUCT m_paint;
    HDC m_hDC;
};

// The screen's DC (GetDC(nullptr)), or a window's, released when it goes.
class CWindowDC {
public:
    explicit CWindowDC(HWND window = nullptr) : m_hWnd(window), m_hDC(::GetDC(window)) {}
    ~CWindowDC() { ::ReleaseDC(m_hWnd, m_hDC); }
    CWindowDC(const CWindowDC&) = delete;
    CWindowDC& operator=(const CWindowDC&) = delete;
    HDC Get() const { return m_hDC; }

private:
    HWND m_hWnd;
    HDC m_hDC;
};

// A memory DC compatible with another, deleted when it goes.
class CMemoryDC {
public:
    explicit CMemoryDC(HDC compatibleWith) : m_hDC(::CreateCompatibleDC(compatibleWith)) {}
    ~CMemoryDC() { ::DeleteDC(m_hDC); }
    CMemoryDC(const CMemoryDC&) = delete;
    CMemoryDC& operator=(const CMemoryDC&) = delete;
    HDC Get() const { return m_hDC; }

private:
    HDC m_hDC;
};

// An object selected into a DC while the scope lasts; the one before goes back.
class CSelectedObject {
public:
    CSelectedObject(HDC dc, HGDIOBJ object) : m_hDC(dc), m_hPrevious(::SelectObject(dc, object)) {}
    ~CSelectedObject() { ::SelectObject(m_hDC, m_hPrevious); }
    CSelectedObject(const CSelectedObject&) = delete;
    CSelectedObject& operator=(const CSelectedObject&) = delete;

private:
    HDC m_hDC;
    HGDIOBJ m_hPrevious;
};
