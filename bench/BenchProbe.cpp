// The windows in front for `make bench`. It starts a program that follows the front window
// (Panewarden or the polling reference) and times how long it takes to put its bar on the
// caption of the window in front.
//   BenchProbe PROGRAM SECONDS   one still window, held in front SECONDS after the placement
//   BenchProbe PROGRAM hotkeys N N windows; then times Alt+A until all are hidden and Alt+S
//                                until all are shown again
//   BenchProbe own-shows N       N windows of its own, hidden, then times showing them itself
// Prints "startup-ms N" once the bar rides on the window (and "hide-all-ms N" and
// "show-all-ms N" with hotkeys), then ends the program and waits for its end.
#include "AltKeys.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <utility>
#include <vector>

namespace {

const UINT kQuitCommand = 32771;
const DWORD kPatience = 60000;

// The bar: a visible topmost tool window of the process, whatever its class.
BOOL CALLBACK MatchBar(HWND window, LPARAM lParam) {
    auto* search = reinterpret_cast<std::pair<DWORD, HWND>*>(lParam);
    DWORD owner = 0;
    ::GetWindowThreadProcessId(window, &owner);
    const LONG wanted = WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
    if (owner == search->first && ::IsWindowVisible(window) &&
        (::GetWindowLongA(window, GWL_EXSTYLE) & wanted) == wanted) {
        search->second = window;
        return FALSE;
    }
    return TRUE;
}

HWND FindBar(DWORD processId) {
    std::pair<DWORD, HWND> search(processId, nullptr);
    ::EnumWindows(&MatchBar, reinterpret_cast<LPARAM>(&search));
    return search.second;
}

// Riding: it has a size and its corner lies on the window.
bool RidesOn(HWND bar, HWND window) {
    RECT barRect = {};
    RECT windowRect = {};
    ::GetWindowRect(bar, &barRect);
    ::GetWindowRect(window, &windowRect);
    POINT corner = {barRect.left, barRect.top};
    return barRect.right > barRect.left && ::PtInRect(&windowRect, corner);
}

void PumpMessages() {
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ::DispatchMessageA(&msg);
    }
}

// Waits up to a time, answering the messages other programs send to these windows meanwhile;
// false when the program ends by itself before.
bool HoldFor(DWORD milliseconds, HANDLE program) {
    const DWORD start = ::GetTickCount();
    for (DWORD waited = 0; waited < milliseconds; waited = ::GetTickCount() - start) {
        if (::MsgWaitForMultipleObjects(1, &program, FALSE, milliseconds - waited, QS_ALLINPUT) ==
            WAIT_OBJECT_0) {
            return false;
        }
        PumpMessages();
    }
    return true;
}

// The Alt of a hotkey reaches the window in front without its letter, which the hotkey
// takes: alone, its release would open the window's menu and hold this thread in it.
LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SYSKEYDOWN || message == WM_SYSKEYUP) {
        return 0;
    }
    return ::DefWindowProcA(window, message, wParam, lParam);
}

std::vector<HWND> CreateWindows(int count) {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = &WindowProc;
    windowClass.hInstance = ::GetModuleHandleA(nullptr);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = "PanewardenBenchWindow";
    ::RegisterClassA(&windowClass);
    std::vector<HWND> windows;
    for (int i = 0; i < count; ++i) {
        char title[32];
        std::snprintf(title, sizeof title, "Bench window %d", i + 1);
        const int step = i % 20;
        windows.push_back(::CreateWindowExA(
            0, windowClass.lpszClassName, title, WS_OVERLAPPEDWINDOW, 200 + 10 * step,
            150 + 10 * step, 500, 350, nullptr, nullptr, windowClass.hInstance, nullptr));
        ::ShowWindow(windows.back(), SW_SHOWNOACTIVATE);
    }
    ::SetForegroundWindow(windows.back());
    PumpMessages();
    return windows;
}

int Fail(const char* what) {
    std::printf("bench probe: %s\n", what);
    return 1;
}

void Report(const char* what, DWORD milliseconds) {
    std::printf("%s %lu\n", what, static_cast<unsigned long>(milliseconds));
    std::fflush(stdout);
}

// Starts the program and waits for its bar on the window. The bar may take the focus when it
// first shows; the window takes it back, as a user would.
HWND StartUnderWindow(const char* program, HWND window, PROCESS_INFORMATION& process) {
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    const DWORD start = ::GetTickCount();
    if (!::CreateProcessA(program, nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                          &process)) {
        return nullptr;
    }
    HWND bar = nullptr;
    while (!bar || !RidesOn(bar, window)) {
        if (::GetTickCount() - start > kPatience) {
            ::TerminateProcess(process.hProcess, 1);
            return nullptr;
        }
        bar = FindBar(process.dwProcessId);
        if (bar && ::GetForegroundWindow() != window) {
            ::SetForegroundWindow(window);
        }
        PumpMessages();
        ::Sleep(2);
    }
    Report("startup-ms", ::GetTickCount() - start);
    return bar;
}

int VisibleCount(const std::vector<HWND>& windows) {
    int visible = 0;
    for (HWND window : windows) {
        visible += ::IsWindowVisible(window) ? 1 : 0;
    }
    return visible;
}

// Presses the hotkey and times until the given number of windows is visible.
bool TimeHotkey(const char* what, WORD key, const std::vector<HWND>& windows, int visible) {
    const DWORD start = ::GetTickCount();
    PressAltWith(key);
    while (VisibleCount(windows) != visible) {
        if (::GetTickCount() - start > kPatience) {
            return false;
        }
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
        PumpMessages();
    }
    Report(what, ::GetTickCount() - start);
    return true;
}

// Panewarden ends on its Quit command and ignores WM_CLOSE; the reference ends on WM_CLOSE.
bool EndProgram(HWND bar, const PROCESS_INFORMATION& process) {
    ::PostMessageA(bar, WM_COMMAND, kQuitCommand, 0);
    ::PostMessageA(bar, WM_CLOSE, 0, 0);
    if (::WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0) {
        ::TerminateProcess(process.hProcess, 1);
        return false;
    }
    return true;
}

} // namespace

// The floor under Alt+S: this process hides its own windows and times showing them again,
// each without activation, the cheapest show there is.
int TimeOwnShows(int count) {
    const std::vector<HWND> windows = CreateWindows(count);
    for (HWND window : windows) {
        ::ShowWindow(window, SW_HIDE);
    }
    PumpMessages();
    const DWORD start = ::GetTickCount();
    for (HWND window : windows) {
        ::ShowWindow(window, SW_SHOWNA);
    }
    Report("own-show-ms", ::GetTickCount() - start);
    return 0;
}

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "own-shows") == 0) {
        return TimeOwnShows(std::atoi(argv[2]));
    }
    const bool hotkeys = argc == 4 && std::strcmp(argv[2], "hotkeys") == 0;
    if (argc != 3 && !hotkeys) {
        return Fail("usage: BenchProbe PROGRAM SECONDS | BenchProbe PROGRAM hotkeys WINDOWS | "
                    "BenchProbe own-shows WINDOWS");
    }
    const std::vector<HWND> windows = CreateWindows(hotkeys ? std::atoi(argv[3]) : 1);
    if (windows.empty()) {
        return Fail("no windows to show");
    }
    PROCESS_INFORMATION process = {};
    HWND bar = StartUnderWindow(argv[1], windows.back(), process);
    if (!bar) {
        return Fail("the bar did not come onto the window");
    }
    // In hotkeys mode the first second lets the first placements end.
    const DWORD hold = hotkeys ? 1000 : static_cast<DWORD>(std::atoi(argv[2])) * 1000;
    if (!HoldFor(hold, process.hProcess)) {
        DWORD code = 0;
        ::GetExitCodeProcess(process.hProcess, &code);
        std::printf("bench probe: the program ended by itself, code 0x%lx\n",
                    static_cast<unsigned long>(code));
        return 1;
    }
    if (hotkeys) {
        const int count = static_cast<int>(windows.size());
        if (!TimeHotkey("hide-all-ms", 'A', windows, 0) ||
            !TimeHotkey("show-all-ms", 'S', windows, count)) {
            EndProgram(bar, process);
            return Fail("the windows did not all hide and show again");
        }
    }
    if (!EndProgram(bar, process)) {
        return Fail("the program did not end");
    }
    return 0;
}
