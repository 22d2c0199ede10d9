#include "app/MainApp.h"

#include "app/ButtonBarDlg.h"
#include "platform/Handles.h"

#include <commctrl.h>

namespace {
// One bar per logged-on session.
const char kInstanceMutex[] = "Local\\Panewarden";
} // namespace

BOOL CMainApp::InitInstance() {
    const UniqueHandle instance(::CreateMutexA(nullptr, FALSE, kInstanceMutex));
    const DWORD error = ::GetLastError();
    // Access is denied when an instance started with other rights holds the mutex.
    if (error == ERROR_ALREADY_EXISTS || error == ERROR_ACCESS_DENIED) {
        // The running instance opens its window selector in front, and this one leaves.
        ::AllowSetForegroundWindow(ASFW_ANY);
        ::PostMessageA(HWND_BROADCAST, CButtonBarDlg::SecondStartMessage(), 0, 0);
    } else {
        RunBar();
    }
    return FALSE;
}

void CMainApp::RunBar() {
    // The preferences and transparency dialogs hold sliders.
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_BAR_CLASSES};
    ::InitCommonControlsEx(&controls);

    CUserInteraction interaction;
    CButtonBarDlg bar(PlatformQuirks::OfThisSystem(), interaction);
    if (bar.DoModal() == -1) {
        m_nExitCode = 1;
    }
}
