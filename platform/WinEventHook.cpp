#include "platform/WinEventHook.h"

#include <iterator>
#include <utility>

namespace {

// Windows 8 on; older systems never raise them.
constexpr DWORD kObjectCloaked = 0x8017;   // EVENT_OBJECT_CLOAKED
constexpr DWORD kObjectUncloaked = 0x8018; // EVENT_OBJECT_UNCLOAKED

constexpr DWORD kRanges[][2] = {{EVENT_SYSTEM_FOREGROUND, EVENT_SYSTEM_FOREGROUND},
                                {EVENT_SYSTEM_MINIMIZEEND, EVENT_SYSTEM_MINIMIZEEND},
                                {kObjectCloaked, kObjectUncloaked}};

// The system hands a WinEvent callback no context, and calls it on the hooking thread.
thread_local CWinEventHook* t_hook = nullptr;

} // namespace

CWinEventHook::CWinEventHook(HWND window, UINT message, std::function<bool(HWND)> matters)
    : m_hWnd(window), m_message(message), m_matters(std::move(matters)) {
    static_assert(std::size(kRanges) == sizeof m_hooks / sizeof m_hooks[0]);
    t_hook = this;
    for (size_t i = 0; i < std::size(m_hooks); ++i) {
        m_hooks[i] = ::SetWinEventHook(kRanges[i][0], kRanges[i][1], nullptr, &OnEvent, 0, 0,
                                       WINEVENT_OUTOFCONTEXT | WINEVENT_SKIPOWNPROCESS);
    }
}

CWinEventHook::~CWinEventHook() {
    for (HWINEVENTHOOK hook : m_hooks) {
        if (hook) {
            ::UnhookWinEvent(hook);
        }
    }
    if (m_hMoves) {
        ::UnhookWinEvent(m_hMoves);
    }
    t_hook = nullptr;
}

// By process: Wine refuses an out-of-context hook on another process's thread, and takes
// WINEVENT_SKIPOWNPROCESS for the hooked process's events. The program's own process is
// never hooked: its events are dropped in any case.
void CWinEventHook::FollowMovesOf(HWND window) {
    if (window == m_hMovesOf) {
        return;
    }
    m_hMovesOf = window;
    DWORD process = 0;
    ::GetWindowThreadProcessId(window, &process);
    if (process == m_nMovesProcess) {
        return;
    }
    if (m_hMoves) {
        ::UnhookWinEvent(m_hMoves);
        m_hMoves = nullptr;
    }
    m_nMovesProcess = process;
    if (process && process != ::GetCurrentProcessId()) {
        m_hMoves = ::SetWinEventHook(EVENT_OBJECT_LOCATIONCHANGE, EVENT_OBJECT_LOCATIONCHANGE,
                                     nullptr, &OnEvent, process, 0, WINEVENT_OUTOFCONTEXT);
    }
}

void CALLBACK CWinEventHook::OnEvent(HWINEVENTHOOK, DWORD event, HWND window, LONG object,
                                     LONG child, DWORD thread, DWORD) {
    CWinEventHook* self = t_hook;
    // Wine 8 passes on the program's own events despite the flag; its windows live on this
    // thread. The same location event reports carets, the cursor and a window's parts.
    if (!self || self->m_bPending || !window || thread == ::GetCurrentThreadId() ||
        (event == EVENT_OBJECT_LOCATIONCHANGE &&
         (object != OBJID_WINDOW || child != CHILDID_SELF))) {
        return;
    }
    if (self->m_matters(window)) {
        self->m_bPending = ::PostMessageA(self->m_hWnd, self->m_message, 0, 0) != FALSE;
    }
}
