#include "processing/ProcessingCommands.h"

#include "platform/Handles.h"
#include "platform/UserInteraction.h"
#include "platform/WindowCalls.h"

#include <algorithm>
#include <cstdio>

namespace {

void RestoreIfMinimized(const CWindowCalls& window) {
    if (::IsIconic(window.Handle())) {
        window.ShowWindow(SW_RESTORE);
    }
}

void TerminateProcessOf(HWND window) {
    DWORD processId = 0;
    const DWORD threadId = ::GetWindowThreadProcessId(window, &processId);
    // Panewarden's own dialogs can be listed too; it never ends itself.
    if (!threadId || !processId || processId == ::GetCurrentProcessId()) {
        return;
    }
    if (const UniqueHandle process{::OpenProcess(PROCESS_TERMINATE, FALSE, processId)}) {
        ::TerminateProcess(process.get(), 0);
    }
}

} // namespace

void ArrangeWindows(const std::vector<HWND>& windows, Stacking mode) {
    const int n = static_cast<int>(windows.size());
    const int width = ::GetSystemMetrics(SM_CXMAXIMIZED);
    const int height = ::GetSystemMetrics(SM_CYMAXIMIZED);
    for (int i = 0; i < n; ++i) {
        const CWindowCalls calls(windows[static_cast<std::size_t>(i)]);
        RestoreIfMinimized(calls);
        calls.ShowWindow(SW_SHOWNORMAL);
        if (const std::optional<RECT> place = StackedRect(mode, i, n, width, height)) {
            calls.SetWindowPos(HWND_TOP, place->left, place->top, place->right - place->left,
                               place->bottom - place->top, SWP_SHOWWINDOW);
        }
        calls.BringToFront();
    }
}

void BringWindowsToTop(const std::vector<HWND>& windows) {
    for (HWND window : windows) {
        const CWindowCalls calls(window);
        RestoreIfMinimized(calls);
        calls.BringToFront();
    }
}

void MinimizeOrRestore(const std::vector<HWND>& windows, CUserInteraction& interaction) {
    for (HWND window : windows) {
        const CWindowCalls calls(window);
        if (::IsIconic(window)) {
            calls.ShowWindow(SW_RESTORE);
        } else {
            calls.Minimize();
        }
    }
    interaction.Sleep(50);
}

void CloseOrEnd(HWND owner, const std::vector<HWND>& windows, CUserInteraction& interaction) {
    for (HWND window : windows) {
        CWindowCalls(window).Close();
    }
    interaction.Sleep(1000);
    const auto open = std::count_if(windows.begin(), windows.end(),
                                    [](HWND window) { return ::IsWindow(window) != FALSE; });
    if (open == 0) {
        return;
    }
    char question[160];
    std::snprintf(question, sizeof question,
                  "There are %i of %i windows that could not be close normally, do you want "
                  "to force close them?",
                  static_cast<int>(open), static_cast<int>(windows.size()));
    // Yes ends programs whose work may be unsaved: Enter answers No.
    if (interaction.Ask(owner, question, "Force close", MB_YESNO | MB_DEFBUTTON2) == IDNO) {
        return;
    }
    for (HWND window : windows) {
        interaction.Sleep(200);
        if (::IsWindow(window)) {
            TerminateProcessOf(window);
        }
    }
    interaction.Sleep(50);
}
