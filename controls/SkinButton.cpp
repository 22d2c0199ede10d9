#include "controls/SkinButton.h"

#include "platform/Handles.h"
#include "platform/KeyboardReturn.h"
#include "platform/PopupMenu.h"
#include "platform/UserInteraction.h"
#include "resource.h"

namespace {
const UINT kRedrawNow = RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW;
} // namespace

const MessageTable<CSkinButton> CSkinButton::s_messageTable = {
    OnMessage(WM_PAINT, &CSkinButton::OnPaint),
    OnPrintClient(&CSkinButton::DrawFace),
    OnMessage(WM_ERASEBKGND, &CSkinButton::OnEraseBkgnd),
    OnMessage(WM_LBUTTONDOWN, &CSkinButton::OnLButtonDown),
    OnMessage(WM_LBUTTONDBLCLK, &CSkinButton::OnLButtonDblClk),
    OnMessage(WM_RBUTTONDBLCLK, &CSkinButton::OnRButtonDblClk),
    OnMessage(WM_RBUTTONDOWN, &CSkinButton::OnRButtonDown),
    OnAnyCommand(&CSkinButton::OnMenuCommand),
};

void CSkinButton::SetDpi(UINT dpi) {
    m_nDpi = dpi;
    RedrawWindow(kRedrawNow);
}

void CSkinButton::SetState(int state) {
    m_nState = state;
    RedrawWindow(kRedrawNow);
}

LRESULT CSkinButton::OnPaint() {
    const CPaintDC paint(m_hWnd);
    DrawFace(paint.Get());
    return 0;
}

// The static's own text is never drawn: a button lacking a face draws nothing.
void CSkinButton::DrawFace(HDC paintDC) {
    if (m_bmpUp.IsLoaded() && m_bmpDown.IsLoaded()) {
        if (m_nState == 0) {
            m_bmpUp.Draw(paintDC, GetClientRect(), m_nDpi);
        } else if (m_nState == 1) {
            m_bmpDown.Draw(paintDC, GetClientRect(), m_nDpi);
        }
    }
}

// Never erased: the face is drawn straight over what lies beneath, without flicker.
LRESULT CSkinButton::OnEraseBkgnd() {
    return 0;
}

// The face shows before the bar acts.
LRESULT CSkinButton::OnLButtonDown() {
    if (!m_bNoToggle) {
        m_nState = m_nState == 0 ? 1 : 0;
    }
    RedrawWindow(kRedrawNow);
    m_callbacks.onClick();
    return 0;
}

LRESULT CSkinButton::OnLButtonDblClk() {
    m_callbacks.onLeftDoubleClick();
    return 0;
}

LRESULT CSkinButton::OnRButtonDblClk() {
    m_callbacks.onRightDoubleClick();
    return 0;
}

LRESULT CSkinButton::OnRButtonDown() {
    const CPopupMenu menu(IDR_POPUP);
    if (!menu) {
        m_interaction.AppMessageBox(m_hWnd, "Error loading context popup menu!", MB_OK);
        return 0;
    }
    AddProgramItems(menu, m_callbacks.menu);
    CKeyboardReturn keyboard;
    keyboard.Record();
    menu.Track(m_interaction, TPM_LEFTALIGN | TPM_RIGHTBUTTON, m_hWnd);
    keyboard.HandBack();
    return 0;
}

void CSkinButton::OnMenuCommand(UINT command, HWND) {
    m_callbacks.onMenuChoice(command);
}
