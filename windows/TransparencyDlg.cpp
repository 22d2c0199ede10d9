#include "windows/TransparencyDlg.h"

const MessageTable<CTransparencyDlg> CTransparencyDlg::s_messageTable = {
    OnCommand(IDC_CLOSERIGHT, &CTransparencyDlg::OnCloseBox),
    OnCommand(IDC_CLOSELEFT, &CTransparencyDlg::OnCloseBox),
    ::OnHScroll(&CTransparencyDlg::OnHScroll),
};

void CTransparencyDlg::DoDataExchange() {
    DDX_Control(IDC_CLOSELEFT, m_btnCloseLeft);
    DDX_Control(IDC_CLOSERIGHT, m_btnCloseRight);
    DDX_Control(IDC_ALPHASLIDER, m_sliderAlpha);
}

// The boxes are never unchecked: they keep their tick as the pop-up's look.
BOOL CTransparencyDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    m_sliderAlpha.SetRange(0, 255, TRUE);
    m_btnCloseRight.SetCheck(BST_CHECKED);
    m_btnCloseLeft.SetCheck(BST_CHECKED);
    m_bShown = false;
    return TRUE;
}

void CTransparencyDlg::ShowAtLevel(int level) {
    m_sliderAlpha.SetPos(level);
    m_keyboard.Record();
    ShowWindow(SW_SHOW);
    m_bShown = true;
}

// Only hides: the T button replaces the pop-up on its next double-click.
void CTransparencyDlg::OnCloseBox() {
    m_bShown = false;
    ShowWindow(SW_HIDE);
    m_keyboard.HandBack();
}

// Only dragging sets the level; channel clicks, keys and the end of a drag move the thumb alone.
void CTransparencyDlg::OnHScroll(int code, int position, HWND) {
    if (code == SB_THUMBTRACK) {
        m_onLevel(position);
    }
}
