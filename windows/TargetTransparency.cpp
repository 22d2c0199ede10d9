#include "windows/TargetTransparency.h"

CTargetTransparency::CTargetTransparency(std::function<void(int)> onLevel)
    : m_onLevel(std::move(onLevel)) {}

int CTargetTransparency::IsTransparent(HWND window) const {
    return HasLayeredStyle(window);
}

bool CTargetTransparency::Toggle(HWND window) const {
    return SetLayeredStyle(window,
                           CTransparencyLevel::Toggle(::GetWindowLongA(window, GWL_EXSTYLE)),
                           m_level.Get());
}

bool CTargetTransparency::ApplyLevel(HWND window) {
    const LONG style = m_level.Apply(::GetWindowLongA(window, GWL_EXSTYLE));
    return SetLayeredStyle(window, style, m_level.Get()) && (style & WS_EX_LAYERED) &&
           !ShownPopup();
}

void CTargetTransparency::OpenPopup(CWnd& parent) {
    m_pPopup = std::make_unique<CTransparencyDlg>(m_onLevel);
    m_pPopup->Create(IDD_TRANSPARENCY, &parent);
    m_pPopup->ShowAtLevel(m_level.Get());
}

CTransparencyDlg* CTargetTransparency::ShownPopup() const {
    return m_pPopup && m_pPopup->IsShown() == 1 ? m_pPopup.get() : nullptr;
}

void CTargetTransparency::ClosePopup() const {
    if (CTransparencyDlg* shown = ShownPopup()) {
        shown->OnCloseBox();
    }
}
