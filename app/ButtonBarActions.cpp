// What the bar does to the target window.
#include "app/ButtonBarDlg.h"

#include "platform/WinApp.h"
#include "platform/WindowCalls.h"
#include "processing/WindowProcessingDlg.h"
#include "resource.h"
#include "windows/Topmost.h"

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

int CButtonBarDlg::TransparencySupported() const {
    return ::TransparencySupported(CWinApp::PlatformVersion());
}

int CButtonBarDlg::IsTransparent(HWND window) const {
    return TransparencySupported() ? HasLayeredStyle(window) : 0;
}

void CButtonBarDlg::SyncButtonFaces(HWND window) {
    const int topmost = IsTopmost(window);
    if (m_btnTopmost.GetState() != topmost) {
        m_btnTopmost.SetState(topmost);
    }
    const int transparent = IsTransparent(window);
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

bool CButtonBarDlg::ToggleTransparency(HWND window) {
    if (!TransparencySupported() ||
        !SetLayeredStyle(window, CTransparencyLevel::Toggle(::GetWindowLongA(window, GWL_EXSTYLE)),
                         m_transparency.Get())) {
        return false;
    }
    ActivateTarget();
    return true;
}

void CButtonBarDlg::ApplyTransparencyLevel(HWND window) {
    if (!TransparencySupported()) {
        return;
    }
    const LONG style = m_transparency.Apply(::GetWindowLongA(window, GWL_EXSTYLE));
    // While its slider is dragged the pop-up keeps the focus.
    if (SetLayeredStyle(window, style, m_transparency.Get()) && (style & WS_EX_LAYERED) &&
        !ShownTransparencyDlg()) {
        ActivateTarget();
    }
}

void CButtonBarDlg::SetTransparencyLevel(int level) {
    m_transparency.Set(level);
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
    m_hiddenWindows.Hide(calls);
    CollapseBar();
    CWindowCalls::HandOnForeground(m_hWnd);

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
        SetWindowTopmost(ToggledTopmostMode(IsTopmost(m_pTarget)), m_pTarget);
        m_bRestackDue = true;
    }
}

// The click has flipped T's face already: it is put right when the window kept its style.
void CButtonBarDlg::OnToggleTransparency() {
    if (m_pTarget && !ToggleTransparency(m_pTarget)) {
        SyncButtonFaces(m_pTarget);
    }
}

void CButtonBarDlg::OnHideListed(UINT index) {
    const std::vector<HWND>& listed = m_pProcessingDlg->WindowHandles();
    if (index < listed.size()) {
        m_hiddenWindows.Hide(CWindowCalls(listed[index]));
        CWindowCalls::HandOnForeground(m_hWnd);
    }
}

void CButtonBarDlg::ShowHiddenWindowAt(UINT index) {
    m_pProcessingDlg->ShowHiddenAt(index);
}

// Any icon number will do: the window travels with the command.
void CButtonBarDlg::OnRestoreWindow(UINT, HWND window) {
    m_hiddenWindows.Show(window);
}

void CButtonBarDlg::HideAll() {
    m_hiddenWindows.HideEvery(m_pProcessingDlg->CurrentWindows());
    CollapseBar();
}

void CButtonBarDlg::ShowAll() {
    m_pProcessingDlg->OnShowOwn();
    if (m_hiddenWindows.Windows().empty()) {
        return;
    }
    m_hiddenWindows.ShowEvery(CHiddenWindowList::Order::LastToFirst);
}

void CButtonBarDlg::RemoveHiddenWindowIcon(HWND window) {
    for (auto icon = m_hiddenTrayIcons.begin(); icon != m_hiddenTrayIcons.end(); ++icon) {
        if ((*icon)->GetCarriedWindow() == window) {
            m_hiddenTrayIcons.erase(icon);
            return;
        }
    }
}
