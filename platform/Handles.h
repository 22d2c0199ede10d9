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
using UniqueIcon = std::unique_ptr<std::remove_pointer_t<HICON>, IconDeleter>;
// Null and INVALID_HANDLE_VALUE are both "no handle": give only real ones.
using UniqueHandle = std::unique_ptr<void, HandleDeleter>;
template <class T> using ComPtr = std::unique_ptr<T, ComReleaser>;

// A file's handle, or null where CreateFile failed.
inline UniqueHandle OwnFileHandle(HANDLE file) {
    return UniqueHandle(file == INVALID_HANDLE_VALUE ? nullptr : file);
}
