// A class's message table: which handler a window message or command reaches.
#pragma once

#include <windows.h>
#include <cstddef>

template <class T> struct MessageEntry {
    UINT message;
    UINT id; // command or control id, for WM_COMMAND entries
    LRESULT (T::*onMessage)(WPARAM, LPARAM);
    void (T::*onCommand)();
    UINT code = 0; // notification code, for WM_COMMAND entries
};

// A message with its raw parameters.
template <class T>
constexpr MessageEntry<T> OnMessage(UINT message, LRESULT (T::*handler)(WPARAM, LPARAM)) {
    return {message, 0, handler, nullptr};
}

// WM_COMMAND from a menu item or a control's click (notification code 0).
template <class T> constexpr MessageEntry<T> OnCommand(UINT id, void (T::*handler)()) {
    return {WM_COMMAND, id, nullptr, handler};
}

// WM_COMMAND carrying a control's notification, such as LBN_SELCHANGE.
template <class T>
constexpr MessageEntry<T> OnControlNotification(UINT id, UINT code, void (T::*handler)()) {
    return {WM_COMMAND, id, nullptr, handler, code};
}

// Runs the first handler of the class's table that matches the message; a message the
// table leaves alone goes on to the base class's WindowProc.
template <class Base, class T, std::size_t N>
LRESULT RouteMessage(T* self, const MessageEntry<T> (&table)[N], UINT message, WPARAM wParam,
                     LPARAM lParam) {
    for (const MessageEntry<T>& entry : table) {
        if (entry.message != message) {
            continue;
        }
        if (entry.onCommand) {
            if (LOWORD(wParam) != entry.id || HIWORD(wParam) != entry.code) {
                continue;
            }
            (self->*entry.onCommand)();
            return 0;
        }
        return (self->*entry.onMessage)(wParam, lParam);
    }
    return self->Base::WindowProc(message, wParam, lParam);
}
