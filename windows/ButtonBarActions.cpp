// What the bar does to the target window.
#include "app/ButtonBarDlg.h"

#include "platform/WinApp.h"
#include "platform/WindowCalls.h"
#include "processing/WindowProcessingDlg.h"
#include "resource.h"

namespace {

// The window's own icon, small before big, else the program's hidden-window icon.
HICON HiddenWindowIcon(const CWindowCalls& window) {
    HICON icon = reinterpret_cast<HICON>(window.Send(WM_GETICON, ICON_SMALL, 0));
    if (!icon) {
        icon = reinterpret_cast<HICON>(window.Send(WM_GETICON, ICON_BIG, 0));
    }
    if (!icon) {
        icon = reinterpret_cast<HICON>(::GetClassLongPtrA(window.Handle(), GCLP_HICONSM));
    }
    if (!icon) {
        icon = static_cast<HICON>(::LoadImageA(::GetModuleHandleA(nullptr),
                                               MAKEINTRESOURCEA(IDI_HIDDENWINDOW), IMAGE_ICON, 16,
                                               16, LR_SHARED));
    }
    return icon;
}

} // namespace

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
        CWindowCalls(m_pTarget).BringToFront();
        m_bRestackDue = true;
    }
}

// A window that does not answer keeps its style: there is no asynchronous restyle.
bool CButtonBarDlg::ToggleTransparency(HWND window) {
    if (!TransparencySupported()) {
        return false;
    }
    const CWindowCalls calls(window);
    if (!calls.SetExStyle(::GetWindowLongA(window, GWL_EXSTYLE) ^ WS_EX_LAYERED)) {
        return false;
    }
    calls.SetLayeredAlpha(static_cast<BYTE>(m_nAlpha));
    ActivateTarget();
    return true;
}

// Opaque means plain: 255 drops the layered style and the next T starts again at 200.
void CButtonBarDlg::ApplyTransparencyLevel(HWND window) {
    if (!TransparencySupported()) {
        return;
    }
    const CWindowCalls calls(window);
    const LONG style = ::GetWindowLongA(window, GWL_EXSTYLE);
    if (m_nAlpha == 255) {
        calls.SetExStyle(style & ~WS_EX_LAYERED);
        m_nAlpha = 200;
        return;
    }
    if (!calls.SetExStyle(style | WS_EX_LAYERED)) {
        return;
    }
    calls.SetLayeredAlpha(static_cast<BYTE>(m_nAlpha));
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
    m_bRestackDue = true;
}

void CButtonBarDlg::OnHideTarget() {
    if (!m_pTarget || ::IsWindow(m_pTarget) != 1) {
        return;
    }
    const HWND window = m_pTarget;
    const CWindowCalls calls(window);
    m_pProcessingDlg->HideWindow(calls);
    m_pProcessingDlg->RefreshLists();
    CollapseBar();

    const std::string tooltip = "Hidden window: " + WindowTitle(window);
    const UINT n = static_cast<UINT>(m_hiddenTrayIcons.size());
    auto icon = std::make_unique<CSystemTray>();
    icon->Install(kHiddenIconMessage + n, tooltip.c_str(), HiddenWindowIcon(calls), 0, nullptr,
                  nullptr, 0, 10);
    icon->SetCarriedWindow(window);
    icon->SetRestoreCommand(static_cast<int>(ID_RESTOREWINDOW_FIRST + n));
    icon->SetNotifyWindow(this);
    m_hiddenTrayIcons.push_back(std::move(icon));
}

void CButtonBarDlg::OnToggleTopmost() {
    if (m_pTarget) {
        SetWindowTopmost(IsTopmost(m_pTarget) == 1 ? 0 : 1, m_pTarget);
        m_bRestackDue = true;
    }
}

// The click has flipped T's face already: it is put right when the window kept its style.
void CButtonBarDlg::OnToggleTransparency() {
    if (m_pTarget && !ToggleTransparency(m_pTarget)) {
        SyncButtonFaces(m_pTarget);
    }
}

LRESULT CButtonBarDlg::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_HOTKEY) {
        if (wParam == kHideAllHotkey) {
            HideAll();
        } else if (wParam == kShowAllHotkey) {
            ShowAll();
        }
    } else if (message == WM_COMMAND) {
        const UINT id = LOWORD(wParam);
        if (id >= ID_ACTIVEWINDOW_FIRST && id < ID_HIDDENWINDOW_FIRST) {
            const std::vector<HWND>& listed = m_pProcessingDlg->m_windowHandles;
            const std::size_t index = id - ID_ACTIVEWINDOW_FIRST;
            if (index < listed.size()) {
                m_pProcessingDlg->HideWindow(CWindowCalls(listed[index]));
                m_pProcessingDlg->RefreshLists();
            }
        } else if (id >= ID_HIDDENWINDOW_FIRST) {
            ShowHiddenWindowAt(id - ID_HIDDENWINDOW_FIRST);
        }
        // The restore command of an icon does not fit in the low word: it is tested whole.
        if (wParam >= ID_RESTOREWINDOW_FIRST && wParam < ID_RESTOREWINDOW_FIRST + 10000) {
            const HWND window = reinterpret_cast<HWND>(lParam);
            CWindowCalls(window).ShowWindow(SW_SHOW);
            m_pProcessingDlg->RemoveHiddenWindow(window);
            m_pProcessingDlg->RefreshLists();
            RemoveHiddenWindowIcon(window);
        }
    }
    return CDialog::DefWindowProc(message, wParam, lParam);
}

void CButtonBarDlg::HideAll() {
    m_pProcessingDlg->RefreshLists();
    // A copy: hiding one of the program's own windows can activate the dialog, whose refresh
    // rebuilds the array.
    const std::vector<HWND> listed = m_pProcessingDlg->m_windowHandles;
    m_pProcessingDlg->HideWindows(listed);
    m_pProcessingDlg->RefreshLists();
    CollapseBar();
}

void CButtonBarDlg::ShowAll() {
    m_pProcessingDlg->OnShowOwn();
    const std::vector<HWND> hidden = m_pProcessingDlg->m_hiddenHandles;
    if (hidden.empty()) {
        return;
    }
    m_pProcessingDlg->ShowWindows(std::vector<HWND>(hidden.rbegin(), hidden.rend()));
    for (HWND window : hidden) {
        RemoveHiddenWindowIcon(window);
    }
    m_pProcessingDlg->ClearHiddenWindows();
    m_pProcessingDlg->RefreshLists();
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
    const HWND window = hidden[index];
    CWindowCalls(window).ShowWindow(SW_SHOW);
    m_pProcessingDlg->ForgetShown(index, window);
    m_pProcessingDlg->RefreshLists();
    RemoveHiddenWindowIcon(window);
}
