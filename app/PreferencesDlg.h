// The preferences dialog: the two timers, switched on or off, and their periods.
#pragma once

#include "app/BarSettings.h"
#include "platform/Button.h"
#include "platform/Dialog.h"
#include "platform/MessageTable.h"
#include "platform/SliderCtrl.h"
#include "platform/Static.h"
#include "resource.h"

class CPreferencesDlg : public CDialog {
public:
    CPreferencesDlg() : CDialog(IDD_PREFERENCES) {}

    BOOL OnInitDialog() override;
    void DoDataExchange() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    // Modeless: Enter does nothing; closing (box or Esc) applies the values and hides it.
    void OnOK() override {}
    void OnCancel() override;

    // Fills the controls from the stored settings, discarding unapplied changes, and shows it.
    void ShowSettings(const BarSettings& settings);
    // The periods from the sliders, then the switches from the check boxes.
    void ReadSettings(BarSettings& settings) const;

    void OnAutoMaximizeClicked();
    void OnWindowTimerClicked();

    CStatic m_lblWindowTimer;
    CButton m_chkWindowTimer;
    CSliderCtrl m_sliderWindowTimer;
    CSliderCtrl m_sliderAutoMaximize;
    CButton m_chkAutoMaximize;
    CStatic m_lblAutoMaximize;

private:
    static const MessageEntry<CPreferencesDlg> s_messageTable[];

    LRESULT OnHScroll(WPARAM wParam, LPARAM lParam);
};
