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

// Runs the first matching handler; false when the table has none for the message.
template <class T, std::size_t N>
bool DispatchMessageTable(T* self, const MessageEntry<T> (&table)[N], UINT message, WPARAM wParam,
                          LPARAM lParam, LRESULT& result) {
    for (const MessageEntry<T>& entry : table) {
        if (entry.message != message) {
            continue;
        }
        if (entry.onCommand) {
            if (LOWORD(wParam) != entry.id || HIWORD(wParam) != entry.code) {
                continue;
            }
            (self->*entry.onCommand)();
            result = 0;
            return true;
        }
        result = (self->*entry.onMessage)(wParam, lParam);
        return true;
    }
    return false;
}
