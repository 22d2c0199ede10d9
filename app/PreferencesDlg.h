// The preferences dialog: the two timers, switched on or off, and their periods.
#pragma once

#include "app/BarSettings.h"
#include "platform/Button.h"
#include "platform/KeyboardReturn.h"
#include "platform/TableWindow.h"
#include "platform/SliderCtrl.h"
#include "platform/Static.h"
#include "resource.h"

#include <functional>

// The values the dialog closes with: the switches and periods of the two timers.
struct TimerPreferences {
    bool autoMaximize;
    int autoMaximizeInterval;
    bool windowTimerEnabled;
    int windowTimerInterval;
};

class CPreferencesDlg : public CTableDialog<CPreferencesDlg> {
public:
    // Each close reports the values to onClose.
    explicit CPreferencesDlg(std::function<void(const TimerPreferences&)> onClose)
        : CTableWindow(IDD_PREFERENCES), m_onClose(std::move(onClose)) {}

    BOOL OnInitDialog() override;
    void DoDataExchange() override;
    // Modeless: Enter does nothing; closing (box or Esc) reports the values and hides it.
    void OnOK() override {}
    void OnCancel() override;

    // Fills the controls from the stored settings, discarding unapplied changes, and shows it.
    void ShowSettings(const BarSettings& settings);

private:
    friend CTableDialog<CPreferencesDlg>;
    static const MessageTable<CPreferencesDlg> s_messageTable;

    // The periods from the sliders, then the switches from the check boxes.
    TimerPreferences ReadSettings() const;
    void OnAutoMaximizeClicked();
    void OnWindowTimerClicked();
    void OnHScroll(int code, int position, HWND slider);

    std::function<void(const TimerPreferences&)> m_onClose;
    CStatic m_lblWindowTimer;
    CButton m_chkWindowTimer;
    CSliderCtrl m_sliderWindowTimer;
    CSliderCtrl m_sliderAutoMaximize;
    CButton m_chkAutoMaximize;
    CStatic m_lblAutoMaximize;
    CKeyboardReturn m_keyboard;
};
