// The window in front for `make bench`: shows a still window, starts Panewarden and times
// how long the program takes to put its bar on that window's caption.
//   BenchProbe PROGRAM SECONDS
// Prints "startup-ms N" once the bar rides on the window, keeps the window in front for
// SECONDS more, then quits the program through its Quit command and waits for its end.
#include "tests/WindowSearch.h"

#include <cstdio>
#include <cstdlib>

namespace {

const UINT kQuitCommand = 32771;

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

HWND CreateStillWindow() {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = ::DefWindowProcA;
    windowClass.hInstance = ::GetModuleHandleA(nullptr);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = "PanewardenBenchWindow";
    ::RegisterClassA(&windowClass);
    HWND window =
        ::CreateWindowExA(0, windowClass.lpszClassName, "Bench window", WS_OVERLAPPEDWINDOW, 200,
                          150, 500, 350, nullptr, nullptr, windowClass.hInstance, nullptr);
    ::ShowWindow(window, SW_SHOWNORMAL);
    ::SetForegroundWindow(window);
    return window;
}

int Fail(const char* what) {
    std::printf("bench probe: %s\n", what);
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        return Fail("usage: BenchProbe PROGRAM SECONDS");
    }
    const DWORD holdMilliseconds = static_cast<DWORD>(std::atoi(argv[2])) * 1000;
    HWND window = CreateStillWindow();
    PumpMessages();

    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    const DWORD start = ::GetTickCount();
    if (!::CreateProcessA(argv[1], nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                          &process)) {
        return Fail("the program did not start");
    }
    // The bar takes the focus when it first shows; the window takes it back, as a user would.
    HWND bar = nullptr;
    while (!bar || !RidesOn(bar, window)) {
        if (::GetTickCount() - start > 30000) {
            ::TerminateProcess(process.hProcess, 1);
            return Fail("the bar did not come onto the window within 30 s");
        }
        bar = FindBar(process.dwProcessId);
        if (bar && ::GetForegroundWindow() != window) {
            ::SetForegroundWindow(window);
        }
        PumpMessages();
        ::Sleep(2);
    }
    std::printf("startup-ms %lu\n", static_cast<unsigned long>(::GetTickCount() - start));
    std::fflush(stdout);

    const DWORD holdStart = ::GetTickCount();
    for (DWORD held = 0; held < holdMilliseconds; held = ::GetTickCount() - holdStart) {
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, holdMilliseconds - held, QS_ALLINPUT);
        PumpMessages();
    }
    ::PostMessageA(bar, WM_COMMAND, kQuitCommand, 0);
    if (::WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0) {
        ::TerminateProcess(process.hProcess, 1);
        return Fail("the program did not end on Quit");
    }
    return 0;
}
