// The calls Panewarden makes on windows that may belong to other programs, any of which
// may have stopped answering messages: the thread never waits long on one that does not answer.
#pragma once

#include "platform/PlatformQuirks.h"

#include <windows.h>

class CWindowCalls {
public:
    // How long a window may take to answer before it counts as not answering.
    static constexpr UINT kAnswerTimeoutMs = 250;

    // Whether the window answers a WM_NULL in time. One that the system already reports
    // as hung is not asked.
    static bool Ping(HWND window);

    // Pings the window once; its answer decides every call made through this object.
    explicit CWindowCalls(HWND window) : m_hWnd(window), m_bAnswers(Ping(window)) {}
    // No ping: every call takes the asynchronous form. For many windows at once, where a
    // round trip to each program would add up.
    static CWindowCalls WithoutWaiting(HWND window) { return CWindowCalls(window, false); }

    HWND Handle() const { return m_hWnd; }
    bool Answers() const { return m_bAnswers; }

    // A window that answers gets the synchronous call, so that the effect is there when
    // it returns; one that does not gets the asynchronous form, which its program
    // carries out, in order, when it answers again.
    void ShowWindow(int command) const;
    // ShowWindow for a window hidden earlier. Where a layered window is forgotten once hidden
    // and shown, one that answers has its layered style set anew, at the level it had.
    void ShowAgain(int command, const PlatformQuirks& quirks) const;
    // Whether ShowAgain sets the window's layered style anew, if it answers.
    static bool RestyledWhenShownAgain(HWND window, const PlatformQuirks& quirks);
    void SetWindowPos(HWND insertAfter, int x, int y, int width, int height, UINT flags) const;
    // CloseWindow: minimizes it.
    void Minimize() const;
    // BringWindowToTop, then SetForegroundWindow. One that does not answer is only raised,
    // once it answers again: in the foreground it would swallow the keyboard.
    void BringToFront() const;
    // WM_CLOSE, posted to a window that does not answer. One that answers is waited for
    // until it has handled it, however long it asks its user first (whether to save, say),
    // as long as it answers pings meanwhile; Wine ignores SMTO_NOTIMEOUTIFNOTHUNG.
    void Close() const;

    // A hide or a click can leave one of the program's own windows in front, where the keyboard
    // goes nowhere: while `from` is in front, the foreground goes where the platform sends it
    // when the window in front goes, to the next window down the stack, of another program.
    static void HandOnForeground(HWND from);
    // Brings the window to the front to take the keyboard. Its thread reads a posted message
    // first: Wine gives the display the window's focus with the time of the last message its
    // thread read, which the display ignores when older than the program's own last focus.
    static void HandKeyboardTo(HWND window);

    // No asynchronous form: a window that does not answer is left alone (false).
    bool SetExStyle(LONG exStyle) const;
    bool SetLayeredAlpha(BYTE alpha) const;
    // 0 also when the window does not answer in time.
    LRESULT Send(UINT message, WPARAM wParam, LPARAM lParam) const;

private:
    CWindowCalls(HWND window, bool answers) : m_hWnd(window), m_bAnswers(answers) {}

    HWND m_hWnd;
    bool m_bAnswers;
};
