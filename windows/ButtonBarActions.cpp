// What the bar does to the target window.
#include "app/ButtonBarDlg.h"

#include "platform/WinApp.h"

// Layered windows are used only on Windows 2000 and XP.
int CButtonBarDlg::TransparencySupported() const {
    const OSVERSIONINFOA version = CWinApp::PlatformVersion();
    return version.dwPlatformId == VER_PLATFORM_WIN32_NT && version.dwMajorVersion == 5 &&
                   version.dwMinorVersion <= 1
               ? 1
               : 0;
}

int CButtonBarDlg::IsTransparent(HWND window) const {
    if (!TransparencySupported()) {
        return 0;
    }
    return (::GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_LAYERED) ? 1 : 0;
}

int CButtonBarDlg::IsTopmost(HWND window) const {
    return (::GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST) ? 1 : 0;
}

void CButtonBarDlg::SyncButtonFaces(HWND window) {
    int topmost = IsTopmost(window);
    if (m_btnTopmost.GetState() != topmost) {
        m_btnTopmost.SetState(topmost);
    }
    int transparent = IsTransparent(window);
    if (m_btnTransparency.GetState() != transparent) {
        m_btnTransparency.SetState(transparent);
    }
}

void CButtonBarDlg::ActivateTarget() {
    if (m_pTarget && ::IsWindow(m_pTarget) == 1) {
        ::BringWindowToTop(m_pTarget);
        ::SetForegroundWindow(m_pTarget);
    }
}
