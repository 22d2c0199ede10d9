// A class's message table: which handler a window message or command reaches.
#pragma once

#include <windows.h>
#include <cstddef>

template <class T> struct MessageEntry {
    UINT message;
    // WM_COMMAND: the command or control ids first to last; whole-word entries compare the
    // whole wParam instead of its low word. WM_HOTKEY: the hotkey id in first.
    UINT first = 0;
    UINT last = 0;
    UINT code = 0; // notification code, for control entries
    bool wholeWord = false;
    LRESULT (T::*onMessage)(WPARAM, LPARAM) = nullptr;
    void (T::*onCommand)() = nullptr;
    void (T::*onIndex)(UINT) = nullptr;             // the id less first
    void (T::*onWindowIndex)(UINT, HWND) = nullptr; // the word less first, lParam's window
};

// A message with its raw parameters.
template <class T>
constexpr MessageEntry<T> OnMessage(UINT message, LRESULT (T::*handler)(WPARAM, LPARAM)) {
    MessageEntry<T> entry{message};
    entry.onMessage = handler;
    return entry;
}

// WM_COMMAND carrying a control's notification, such as LBN_SELCHANGE.
template <class T>
constexpr MessageEntry<T> OnControlNotification(UINT id, UINT code, void (T::*handler)()) {
    MessageEntry<T> entry{WM_COMMAND, id, id, code};
    entry.onCommand = handler;
    return entry;
}

// WM_COMMAND from a menu item or a control's click (notification code 0).
template <class T> constexpr MessageEntry<T> OnCommand(UINT id, void (T::*handler)()) {
    return OnControlNotification(id, 0, handler);
}

// Numbered commands first to last, by the low word whatever the high word holds; the
// handler gets the number less first.
template <class T>
constexpr MessageEntry<T> OnCommandRange(UINT first, UINT last, void (T::*handler)(UINT)) {
    MessageEntry<T> entry{WM_COMMAND, first, last};
    entry.onIndex = handler;
    return entry;
}

// Numbered commands too large for the low word, with a window in lParam.
template <class T>
constexpr MessageEntry<T> OnCommandWordRange(UINT first, UINT last,
                                             void (T::*handler)(UINT, HWND)) {
    MessageEntry<T> entry{WM_COMMAND, first, last};
    entry.wholeWord = true;
    entry.onWindowIndex = handler;
    return entry;
}

template <class T> constexpr MessageEntry<T> OnHotkey(int id, void (T::*handler)()) {
    MessageEntry<T> entry{WM_HOTKEY, static_cast<UINT>(id), static_cast<UINT>(id)};
    entry.onCommand = handler;
    return entry;
}

// A timer's tick, by the timer's id.
template <class T> constexpr MessageEntry<T> OnTimerTick(UINT id, void (T::*handler)()) {
    MessageEntry<T> entry{WM_TIMER, id, id};
    entry.onCommand = handler;
    return entry;
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
        if (entry.onMessage) {
            return (self->*entry.onMessage)(wParam, lParam);
        }
        const WPARAM id = message == WM_COMMAND && !entry.wholeWord ? LOWORD(wParam) : wParam;
        if (id < entry.first || id > entry.last) {
            continue;
        }
        const UINT index = static_cast<UINT>(id - entry.first);
        if (entry.onIndex) {
            (self->*entry.onIndex)(index);
        } else if (entry.onWindowIndex) {
            (self->*entry.onWindowIndex)(index, reinterpret_cast<HWND>(lParam));
        } else if (message != WM_COMMAND || HIWORD(wParam) == entry.code) {
            (self->*entry.onCommand)();
        } else {
            continue;
        }
        return 0;
    }
    return self->Base::WindowProc(message, wParam, lParam);
}
