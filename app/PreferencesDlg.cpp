#include "app/PreferencesDlg.h"

#include <string>

namespace {

void ShowPeriod(const CStatic& label, int period) {
    label.SetWindowText(std::to_string(period) + " ms");
}

// A slider and its label are usable exactly while their check box is checked.
void EnableWithCheck(const CButton& check, const CSliderCtrl& slider, const CStatic& label) {
    const BOOL enable = check.GetCheck() == BST_CHECKED;
    slider.EnableWindow(enable);
    label.EnableWindow(enable);
}

} // namespace

const MessageTable<CPreferencesDlg> CPreferencesDlg::s_messageTable = {
    OnCommand(IDC_AUTOMAXIMIZE, &CPreferencesDlg::OnAutoMaximizeClicked),
    OnCommand(IDC_WINDOWTIMER, &CPreferencesDlg::OnWindowTimerClicked),
    ::OnHScroll(&CPreferencesDlg::OnHScroll),
};

void CPreferencesDlg::DoDataExchange() {
    DDX_Control(IDC_WINDOWTIMERLABEL, m_lblWindowTimer);
    DDX_Control(IDC_WINDOWTIMER, m_chkWindowTimer);
    DDX_Control(IDC_WINDOWTIMERSLIDER, m_sliderWindowTimer);
    DDX_Control(IDC_AUTOMAXIMIZESLIDER, m_sliderAutoMaximize);
    DDX_Control(IDC_AUTOMAXIMIZE, m_chkAutoMaximize);
    DDX_Control(IDC_AUTOMAXIMIZELABEL, m_lblAutoMaximize);
}

BOOL CPreferencesDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    m_sliderAutoMaximize.SetRange(kAutoMaximizePeriods.least, kAutoMaximizePeriods.most, FALSE);
    m_sliderWindowTimer.SetRange(kWindowTimerPeriods.least, kWindowTimerPeriods.most, FALSE);
    return TRUE;
}

// Hidden first: the keyboard goes back from wherever the hide left it, once the values are
// applied (which may ask a question of its own).
void CPreferencesDlg::OnCancel() {
    ShowWindow(SW_HIDE);
    m_onClose(ReadSettings());
    m_keyboard.HandBack();
}

// A stored period outside its slider's range shows as the timer runs it, at the slider's
// end, which is also what a close keeps.
void CPreferencesDlg::ShowSettings(const BarSettings& settings) {
    m_sliderAutoMaximize.SetPos(settings.autoMaximizeInterval);
    m_sliderWindowTimer.SetPos(settings.windowTimerInterval);
    m_chkAutoMaximize.SetCheck(settings.autoMaximize ? BST_CHECKED : BST_UNCHECKED);
    m_chkWindowTimer.SetCheck(settings.windowTimerEnabled ? BST_CHECKED : BST_UNCHECKED);
    ShowPeriod(m_lblAutoMaximize, m_sliderAutoMaximize.GetPos());
    ShowPeriod(m_lblWindowTimer, m_sliderWindowTimer.GetPos());
    OnAutoMaximizeClicked();
    OnWindowTimerClicked();
    if (!::IsWindowVisible(m_hWnd)) {
        m_keyboard.Record();
    }
    ShowWindow(SW_SHOW);
}

TimerPreferences CPreferencesDlg::ReadSettings() const {
    TimerPreferences chosen = {};
    chosen.autoMaximizeInterval = m_sliderAutoMaximize.GetPos();
    chosen.windowTimerInterval = m_sliderWindowTimer.GetPos();
    chosen.autoMaximize = m_chkAutoMaximize.GetCheck() == BST_CHECKED;
    chosen.windowTimerEnabled = m_chkWindowTimer.GetCheck() == BST_CHECKED;
    return chosen;
}

void CPreferencesDlg::OnAutoMaximizeClicked() {
    EnableWithCheck(m_chkAutoMaximize, m_sliderAutoMaximize, m_lblAutoMaximize);
}

void CPreferencesDlg::OnWindowTimerClicked() {
    EnableWithCheck(m_chkWindowTimer, m_sliderWindowTimer, m_lblWindowTimer);
}

// Only dragging the thumb moves a label; keys and page clicks leave it as it was.
void CPreferencesDlg::OnHScroll(int code, int position, HWND slider) {
    if (code == SB_THUMBPOSITION || code == SB_THUMBTRACK) {
        if (slider == m_sliderAutoMaximize.m_hWnd) {
            ShowPeriod(m_lblAutoMaximize, position);
        } else if (slider == m_sliderWindowTimer.m_hWnd) {
            ShowPeriod(m_lblWindowTimer, position);
        }
    }
}
