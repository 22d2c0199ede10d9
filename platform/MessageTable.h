// A class's message table: which handler a window message or command reaches.
#pragma once

#include <windows.h>
#include <vector>

template <class T> struct MessageEntry {
    UINT message;
    // WM_COMMAND: the command or control ids first to last; whole-word entries compare the
    // whole wParam instead of its low word. WM_HOTKEY: the hotkey id in first.
    UINT first = 0;
    UINT last = 0;
    UINT code = 0; // notification code, for control entries
    bool wholeWord = false;
    void (T::*onCommand)() = nullptr;
    void (T::*onIndex)(UINT) = nullptr;             // the id less first
    void (T::*onWindowIndex)(UINT, HWND) = nullptr; // the word less first, lParam's window
    void (T::*onWindow)(HWND) = nullptr;            // the program's own message: lParam's window
    LRESULT (T::*onResult)() = nullptr;             // the message's result
    bool (T::*onSysCommand)(UINT) = nullptr;        // false: the default handling
    void (T::*onAfterDefault)(UINT) = nullptr;      // wParam, once the default handling is done
    void (T::*onScroll)(int, int, HWND) = nullptr;  // code, position, the control
    void (T::*onDpiChanged)(UINT, const RECT&) = nullptr;
    void (T::*onActivate)(UINT, HWND) = nullptr; // before the default handling
    void (T::*onPrintClient)(HDC) = nullptr;     // instead of the default handling
};

// A message whose parameters the handler does not need: it gives the message's result.
template <class T> constexpr MessageEntry<T> OnMessage(UINT message, LRESULT (T::*handler)()) {
    MessageEntry<T> entry{message};
    entry.onResult = handler;
    return entry;
}

// The handler returns false for the commands the default handling is to have.
template <class T> constexpr MessageEntry<T> OnSysCommand(bool (T::*handler)(UINT command)) {
    MessageEntry<T> entry{WM_SYSCOMMAND};
    entry.onSysCommand = handler;
    return entry;
}

// WM_SHOWWINDOW, WM_SETTINGCHANGE: the handler gets wParam after the default handling.
template <class T>
constexpr MessageEntry<T> OnAfterDefault(UINT message, void (T::*handler)(UINT wParam)) {
    MessageEntry<T> entry{message};
    entry.onAfterDefault = handler;
    return entry;
}

// A horizontal slider's notification; the default handling follows.
template <class T>
constexpr MessageEntry<T> OnHScroll(void (T::*handler)(int code, int position, HWND control)) {
    MessageEntry<T> entry{WM_HSCROLL};
    entry.onScroll = handler;
    return entry;
}

// The handler runs after the default handling, with the new DPI and the suggested rectangle.
template <class T>
constexpr MessageEntry<T> OnDpiChanged(UINT message,
                                       void (T::*handler)(UINT dpi, const RECT& suggested)) {
    MessageEntry<T> entry{message};
    entry.onDpiChanged = handler;
    return entry;
}

// WM_PRINTCLIENT: the client area drawn into the device context given, as painting would.
template <class T> constexpr MessageEntry<T> OnPrintClient(void (T::*handler)(HDC dc)) {
    MessageEntry<T> entry{WM_PRINTCLIENT};
    entry.onPrintClient = handler;
    return entry;
}

// WM_ACTIVATE: the state and the window on the other side; the default handling follows.
template <class T>
constexpr MessageEntry<T> OnActivate(void (T::*handler)(UINT state, HWND other)) {
    MessageEntry<T> entry{WM_ACTIVATE};
    entry.onActivate = handler;
    return entry;
}

// Every WM_COMMAND, by its whole wParam.
template <class T> constexpr MessageEntry<T> OnAnyCommand(void (T::*handler)(UINT, HWND)) {
    MessageEntry<T> entry{WM_COMMAND, 0, 0xFFFFFFFF};
    entry.wholeWord = true;
    entry.onWindowIndex = handler;
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

// One of the program's own messages that carries a window in lParam.
template <class T>
constexpr MessageEntry<T> OnWindowMessage(UINT message, void (T::*handler)(HWND)) {
    MessageEntry<T> entry{message};
    entry.onWindow = handler;
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

// The entries whose handler gets the message's parameters decoded: true with the result
// once handled.
template <class Base, class T>
bool RouteDecoded(T* self, const MessageEntry<T>& entry, UINT message, WPARAM wParam, LPARAM lParam,
                  LRESULT& result) {
    if (entry.onResult) {
        result = (self->*entry.onResult)();
    } else if (entry.onWindow) {
        (self->*entry.onWindow)(reinterpret_cast<HWND>(lParam));
    } else if (entry.onPrintClient) {
        (self->*entry.onPrintClient)(reinterpret_cast<HDC>(wParam));
    } else if (entry.onSysCommand) {
        result = (self->*entry.onSysCommand)(static_cast<UINT>(wParam))
                     ? 0
                     : self->Base::WindowProc(message, wParam, lParam);
    } else if (entry.onActivate || entry.onScroll) {
        if (entry.onActivate) {
            (self->*entry.onActivate)(LOWORD(wParam), reinterpret_cast<HWND>(lParam));
        } else {
            (self->*entry.onScroll)(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
        }
        result = self->Base::WindowProc(message, wParam, lParam);
    } else if (entry.onAfterDefault || entry.onDpiChanged) {
        result = self->Base::WindowProc(message, wParam, lParam);
        if (entry.onAfterDefault) {
            (self->*entry.onAfterDefault)(static_cast<UINT>(wParam));
        } else if (entry.onDpiChanged) {
            (self->*entry.onDpiChanged)(LOWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
        }
    } else {
        return false;
    }
    return true;
}

// A class's table, defined beside its handlers: its size need not be known where the
// class is only used.
template <class T> using MessageTable = std::vector<MessageEntry<T>>;

// Runs the first handler of the class's table that matches the message; a message the
// table leaves alone goes on to the base class's WindowProc.
template <class Base, class T, class Table>
LRESULT RouteMessage(T* self, const Table& table, UINT message, WPARAM wParam, LPARAM lParam) {
    for (const MessageEntry<T>& entry : table) {
        if (entry.message != message) {
            continue;
        }
        LRESULT result = 0;
        if (RouteDecoded<Base>(self, entry, message, wParam, lParam, result)) {
            return result;
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
