#pragma once

#include "platform/AtomicFile.h"
#include "platform/DpiCalls.h"
#include "platform/UserInteraction.h"

#include <algorithm>
#include <deque>
#include <functional>
#include <string>
#include <vector>

// The compositor as the seam gives it: this window cloaked, every other attribute failing.
inline HWND g_cloakedWindow = nullptr;
inline HRESULT WINAPI CloakedAttribute(HWND window, DWORD attribute, PVOID value, DWORD size) {
    if (attribute != CDpiCalls::kCloaked || size != sizeof(DWORD)) {
        return E_FAIL;
    }
    *static_cast<DWORD*>(value) = window == g_cloakedWindow ? 2 : 0; // 2: by the shell
    return S_OK;
}

// At least one pass; how many messages of the id counted it handled.
int PumpMessages(DWORD milliseconds = 0, UINT counted = WM_NULL);

// The condition's last value.
template <class Condition> bool PumpUntil(Condition condition, DWORD milliseconds = 2000) {
    const DWORD start = ::GetTickCount();
    while (!condition()) {
        if (::GetTickCount() - start > milliseconds) {
            return condition();
        }
        PumpMessages(5);
    }
    return true;
}

// Asks: a Yes/No/Cancel box captioned with its title, whose Cancel keeps it open.
enum class CloseMode { Closes, Ignores, Asks };
// Refuses: a hide, a restack or a change of its extended style leaves it as it was, as the
// system does for a program of higher rights.
enum class StackMode { Yields, Refuses };

// A top-level window of another program, as far as the bar can tell.
class CForeignWindow {
public:
    explicit CForeignWindow(const std::string& title, RECT rect = {100, 100, 500, 400},
                            DWORD exStyle = 0, const char* windowClass = "PanewardenTestForeign");
    ~CForeignWindow() { ::DestroyWindow(m_hWnd); }
    CForeignWindow(const CForeignWindow&) = delete;
    CForeignWindow& operator=(const CForeignWindow&) = delete;

    HWND Handle() const { return m_hWnd; }
    void BringToFront() const;      // shown, and the foreground window
    std::function<void()> m_onHide; // runs as it is hidden
    CloseMode m_closeMode = CloseMode::Closes;
    StackMode m_stackMode = StackMode::Yields;

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    HWND m_hWnd = nullptr;
    bool m_frontAtHide = false;
};

// A program started in a folder (null: ours), by default this test program showing a foreign
// window (--foreign-window TITLE CLOSEMODE STACKMODE), which it waits for.
class CForeignProcess {
public:
    explicit CForeignProcess(const std::string& title, CloseMode closeMode = CloseMode::Closes,
                             StackMode stackMode = StackMode::Yields);
    CForeignProcess(const std::string& program, const std::string& arguments, const char* folder);
    ~CForeignProcess(); // terminates the process if it still runs
    CForeignProcess(const CForeignProcess&) = delete;
    CForeignProcess& operator=(const CForeignProcess&) = delete;

    DWORD Id() const { return m_process.dwProcessId; }
    // Its exit code once it has ended within the time, pumping meanwhile; else STILL_ACTIVE.
    DWORD ExitCode(DWORD waitMilliseconds) const;
    HWND Handle() const { return m_hWnd; } // null when the window did not come up
    bool HasExited(DWORD waitMilliseconds = 0) const {
        return ::WaitForSingleObject(m_process.hProcess, waitMilliseconds) == WAIT_OBJECT_0;
    }
    void End() const { ::TerminateProcess(m_process.hProcess, 1); } // exit code 1
    // Hang: it stops handling messages. Resume: it carries out what came meanwhile.
    void Hang() const { ::SuspendThread(m_process.hThread); }
    bool Resume() const;
    // Refuses: shown on top, not activated; Yields: hidden. Returns once it has.
    void SetStackMode(StackMode mode) const;
    // Raised count times from its own thread; ids from -128 to 127.
    void RaiseEvents(DWORD event, UINT count, LONG object = OBJID_WINDOW,
                     LONG child = CHILDID_SELF) const;

private:
    PROCESS_INFORMATION m_process = {};
    HWND m_hWnd = nullptr;
};

int RunForeignWindow(const std::string& title, CloseMode closeMode, StackMode stackMode);

struct MenuCall {
    std::vector<std::string> lines; // as MenuLines gives them
    UINT flags;
    int x;
    HWND owner, foreground; // foreground: while the menu was open
};

// Records what was asked and answers as scripted; when no answer is left a box answers IDOK
// and a menu chooses nothing.
class CScriptedInteraction : public CUserInteraction {
public:
    int MessageBox(HWND owner, const std::string& text, const std::string& caption,
                   UINT type) override;
    BOOL TrackPopupMenu(HMENU menu, UINT flags, int x, int y, HWND owner) override;
    // The shell's side: an add of an icon there, or a change or delete of one not, fails.
    BOOL NotifyIcon(DWORD message, NOTIFYICONDATAA& data) override;
    void Sleep(DWORD milliseconds) override { m_sleeps.push_back(milliseconds); }
    // Closes as the browser does, its owner's window activated, with the next folder ("":
    // Cancel).
    PIDLIST_ABSOLUTE BrowseForFolder(BROWSEINFOA& info) override;

    std::deque<int> m_messageBoxAnswers;
    std::deque<std::string> m_folderChoices;
    std::deque<UINT> m_menuChoices;      // command ids posted to the menu's owner
    std::function<void()> m_whileAsking; // runs inside each box, as other clicks could

    std::vector<std::string> m_messageBoxes; // "text|caption|type"
    std::vector<MenuCall> m_menus;
    std::vector<std::string> m_balloons; // "title|text"
    struct TrayIcon {
        HWND window;
        UINT id, message;
        std::string tip;
        HICON icon;
    };
    std::vector<TrayIcon> m_trayIcons; // the notification area, in the order added
    std::vector<DWORD> m_sleeps;
};

// Removed with everything in it.
class CTempFolder {
public:
    CTempFolder();
    ~CTempFolder();
    const std::string& Path() const { return m_path; }
    std::string File(const std::string& name) const { return m_path + "\\" + name; }

private:
    std::string m_path;
};

RECT WindowRect(HWND window);
inline bool InTopmostBand(HWND window) {
    return (::GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}
// A window's layered alpha, or -1 when it is plain.
inline int LayeredAlpha(HWND window) {
    BYTE alpha = 0;
    return (::GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_LAYERED) &&
                   ::GetLayeredWindowAttributes(window, nullptr, &alpha, nullptr)
               ? alpha
               : -1;
}
// The bar rests at (0, 0) with no size between placements.
bool IsCollapsed(HWND window);
// The pixels of a size, 0x00RRGGBB by rows: a client area as the window draws it, or a
// picture file put at the top-left, 1:1 or stretched smoothly to fill it, on a background
// no face has; or what the screen shows from a point.
std::vector<DWORD> Pixels(SIZE size, HWND window, const std::string& file = "",
                          bool stretched = false, const POINT* screen = nullptr);
std::vector<DWORD> ScreenPixels(const RECT& area);

inline bool Contains(const std::vector<HWND>& windows, HWND window) {
    return std::find(windows.begin(), windows.end(), window) != windows.end();
}
inline bool FileExists(const std::string& path) {
    return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}
inline std::string ReadFileBytes(const std::string& path) {
    std::string content;
    ReadWholeFile(path, content);
    return content;
}
inline std::string Joined(const std::vector<std::string>& lines) {
    std::string joined;
    for (const std::string& line : lines) {
        joined += (joined.empty() ? "" : "|") + line;
    }
    return joined;
}
// The menu's lines: submenu path, text ("----": separator), id unless a submenu, state.
std::vector<std::string> MenuLines(HMENU menu, const std::string& path = "");
