// The slider pop-up that sets the transparency level while its thumb is dragged.
#pragma once

#include "platform/Button.h"
#include "platform/Dialog.h"
#include "platform/MessageTable.h"
#include "platform/SliderCtrl.h"
#include "resource.h"

class CTransparencyDlgOwner;

class CTransparencyDlg : public CDialog {
public:
    explicit CTransparencyDlg(CTransparencyDlgOwner& owner)
        : CDialog(IDD_TRANSPARENCY), m_owner(owner) {}

    void DoDataExchange() override;
    BOOL OnInitDialog() override;
    // Enter and Esc leave the pop-up open: only its corner boxes close it.
    void OnOK() override {}
    void OnCancel() override {}
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    // Shows it with the thumb at the level.
    void ShowAtLevel(int level);
    int IsShown() const { return m_bShown; }
    // Hides it, as its corner boxes do.
    void OnCloseBox();

private:
    static const MessageEntry<CTransparencyDlg> s_messageTable[];

    LRESULT OnHScroll(WPARAM wParam, LPARAM lParam);

    CTransparencyDlgOwner& m_owner;
    CButton m_btnCloseLeft;
    CButton m_btnCloseRight;
    CSliderCtrl m_sliderAlpha; // 0 invisible at the left to 255 opaque at the right
    int m_bShown = 0;
};
