// What the bar does to the target window.
#include "app/ButtonBarDlg.h"

#include "platform/WinApp.h"
#include "processing/WindowProcessingDlg.h"

// Layered windows work alike on every NT version from Windows 2000 on.
int CButtonBarDlg::TransparencySupported() const {
    const OSVERSIONINFOA version = CWinApp::PlatformVersion();
    return version.dwPlatformId == VER_PLATFORM_WIN32_NT && version.dwMajorVersion >= 5 ? 1 : 0;
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

void CButtonBarDlg::ToggleTransparency(HWND window) {
    if (!TransparencySupported()) {
        return;
    }
    ::SetWindowLongA(window, GWL_EXSTYLE, ::GetWindowLongA(window, GWL_EXSTYLE) ^ WS_EX_LAYERED);
    ::SetLayeredWindowAttributes(window, 0, static_cast<BYTE>(m_nAlpha), LWA_ALPHA);
    ActivateTarget();
}

// Opaque means plain: 255 drops the layered style and the next T starts again at 200.
void CButtonBarDlg::ApplyTransparencyLevel(HWND window) {
    if (!TransparencySupported()) {
        return;
    }
    const LONG style = ::GetWindowLongA(window, GWL_EXSTYLE);
    if (m_nAlpha == 255) {
        ::SetWindowLongA(window, GWL_EXSTYLE, style & ~WS_EX_LAYERED);
        m_nAlpha = 200;
        return;
    }
    ::SetWindowLongA(window, GWL_EXSTYLE, style | WS_EX_LAYERED);
    ::SetLayeredWindowAttributes(window, 0, static_cast<BYTE>(m_nAlpha), LWA_ALPHA);
    // While its slider is dragged the pop-up keeps the focus.
    if (!ShownTransparencyDlg()) {
        ActivateTarget();
    }
}

CTransparencyDlg* CButtonBarDlg::ShownTransparencyDlg() const {
    CTransparencyDlg* popup = m_btnTransparency.m_pTransparencyDlg.get();
    return popup && popup->m_bShown == 1 ? popup : nullptr;
}

void CButtonBarDlg::SetTransparencyLevel(int level) {
    m_nAlpha = level;
    ApplyTransparencyLevel(m_pTarget);
    SyncButtonFaces(m_pTarget);
}

void CButtonBarDlg::RemoveHiddenWindowIcon(HWND window) {
    for (auto icon = m_hiddenTrayIcons.begin(); icon != m_hiddenTrayIcons.end(); ++icon) {
        if ((*icon)->GetCarriedWindow() == window) {
            m_hiddenTrayIcons.erase(icon);
            return;
        }
    }
}

void CButtonBarDlg::ShowHiddenWindowAt(std::size_t index) {
    std::vector<HWND>& hidden = m_pProcessingDlg->m_hiddenHandles;
    if (index >= hidden.size()) {
        return;
    }
    HWND window = hidden[index];
    ::ShowWindow(window, SW_SHOW);
    m_pProcessingDlg->RemoveHiddenAt(index);
    m_pProcessingDlg->RefreshLists();
    RemoveHiddenWindowIcon(window);
}
