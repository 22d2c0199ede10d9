#include "windows/TargetTransparency.h"

bool CTargetTransparency::Toggle(HWND window) const {
    return SetLayeredStyle(
        window, CTransparencyLevel::Toggle(::GetWindowLongA(window, GWL_EXSTYLE)), m_level.Get());
}

void CTargetTransparency::SetLevel(int level) {
    const HWND target = m_callbacks.target();
    m_level.Set(level);
    const LONG style = m_level.Apply(::GetWindowLongA(target, GWL_EXSTYLE));
    m_callbacks.applied(target, SetLayeredStyle(target, style, m_level.Get()) &&
                                    (style & WS_EX_LAYERED) && !ShownPopup());
}

bool CTargetTransparency::ChooseMenuEntry(UINT command) {
    if (command < ID_TRANSPARENCY_90 || command > ID_TRANSPARENCY_OFF) {
        return false;
    }
    SetLevel(CTransparencyLevel::OfMenuEntry(static_cast<int>(command - ID_TRANSPARENCY_90)));
    return true;
}

void CTargetTransparency::OpenPopup(CWnd& parent) {
    m_pPopup.reset();
    SetLevel(m_level.Get());
    m_pPopup = std::make_unique<CTransparencyDlg>([this](int level) { SetLevel(level); });
    m_pPopup->Create(IDD_TRANSPARENCY, &parent);
    m_pPopup->ShowAtLevel(m_level.Get());
}

CTransparencyDlg* CTargetTransparency::ShownPopup() const {
    return m_pPopup && m_pPopup->IsShown() ? m_pPopup.get() : nullptr;
}

void CTargetTransparency::ClosePopup() const {
    if (CTransparencyDlg* shown = ShownPopup()) {
        shown->OnCloseBox();
    }
}

void CTargetTransparency::FollowBar(const CWnd& bar) const {
    if (CTransparencyDlg* shown = ShownPopup()) {
        const RECT corner = bar.GetWindowRect(), place = shown->GetWindowRect();
        shown->PlaceWindow(corner.left, corner.top, place.right - place.left,
                           place.bottom - place.top);
    }
}
