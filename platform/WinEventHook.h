// The system's news of windows that switch, move, come back from the taskbar or are cloaked,
// out of context and skipping the program's own, as one message to a window of the program:
// the bar follows at once instead of at its timer's next tick.
#pragma once

#include <windows.h>
#include <functional>

class CWinEventHook {
public:
    // One per thread. Matters: whether an event for this top-level window can change where the
    // bar belongs (the foreground window, the target, the windows of the bar's stack).
    CWinEventHook(HWND window, UINT message, std::function<bool(HWND)> matters);
    ~CWinEventHook();
    CWinEventHook(const CWinEventHook&) = delete;
    CWinEventHook& operator=(const CWinEventHook&) = delete;

    // Moves are heard from the process of this window only, the target's: hooked for every
    // process, the system would bring each move of every program's windows, carets and
    // cursor across to this thread, to be dropped. Hooked anew when the process changes.
    void FollowMovesOf(HWND window);
    // The owner has handled the message: the next event that matters posts it again. Until
    // then events are dropped, so that a flood during a drag costs one message.
    void Rearm() { m_bPending = false; }

private:
    static void CALLBACK OnEvent(HWINEVENTHOOK hook, DWORD event, HWND window, LONG object,
                                 LONG child, DWORD thread, DWORD time);

    // Each event's range alone: one range over them all would also bring every show, hide,
    // name and value change of the system.
    HWINEVENTHOOK m_hooks[3] = {};
    HWINEVENTHOOK m_hMoves = nullptr;
    HWND m_hMovesOf = nullptr;
    DWORD m_nMovesProcess = 0;
    HWND m_hWnd;
    UINT m_message;
    std::function<bool(HWND)> m_matters;
    bool m_bPending = false;
};
