// The slider pop-up that sets the transparency level while its thumb is dragged.
#pragma once

#include "platform/Button.h"
#include "platform/KeyboardReturn.h"
#include "platform/TableWindow.h"
#include "platform/SliderCtrl.h"
#include "resource.h"

#include <functional>

class CTransparencyDlg : public CTableDialog<CTransparencyDlg> {
public:
    // The level (alpha 0 to 255) the slider's thumb is dragged to goes to onLevel.
    explicit CTransparencyDlg(std::function<void(int)> onLevel)
        : CTableWindow(IDD_TRANSPARENCY), m_onLevel(std::move(onLevel)) {}

    void DoDataExchange() override;
    BOOL OnInitDialog() override;
    // Enter and Esc leave the pop-up open: only its corner boxes close it.
    void OnOK() override {}
    void OnCancel() override {}

    // Shows it with the thumb at the level.
    void ShowAtLevel(int level);
    bool IsShown() const { return m_bShown; }
    // Hides it, as its corner boxes do.
    void OnCloseBox();

private:
    friend CTableDialog<CTransparencyDlg>;
    static const MessageTable<CTransparencyDlg> s_messageTable;

    void OnHScroll(int code, int position, HWND slider);

    std::function<void(int)> m_onLevel;
    CButton m_btnCloseLeft;
    CButton m_btnCloseRight;
    CSliderCtrl m_sliderAlpha; // 0 invisible at the left to 255 opaque at the right
    bool m_bShown = false;
    CKeyboardReturn m_keyboard;
};
