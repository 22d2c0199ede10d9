#include "controls/SkinButton.h"

#include "controls/SkinButtonOwner.h"
#include "platform/UserInteraction.h"
#include "platform/WindowMenu.h"
#include "windows/Transparency.h"
#include "resource.h"

namespace {
const UINT kRedrawNow = RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW;
} // namespace

const MessageEntry<CSkinButton> CSkinButton::s_messageTable[] = {
    OnMessage(WM_PAINT, &CSkinButton::OnPaint),
    OnMessage(WM_ERASEBKGND, &CSkinButton::OnEraseBkgnd),
    OnMessage(WM_LBUTTONDOWN, &CSkinButton::OnLButtonDown),
    OnMessage(WM_LBUTTONDBLCLK, &CSkinButton::OnLButtonDblClk),
    OnMessage(WM_RBUTTONDBLCLK, &CSkinButton::OnRButtonDblClk),
    OnMessage(WM_RBUTTONDOWN, &CSkinButton::OnRButtonDown),
    OnCommandRange(ID_TRANSPARENCY_90, ID_TRANSPARENCY_OFF, &CSkinButton::OnTransparencyItem),
    OnCommand(ID_WINDOWSELECTOR, &CSkinButton::OnWindowSelector),
    OnCommand(ID_SKINSELECTOR, &CSkinButton::OnSkinSelector),
    // Quit, "Automaximize IE" and the hidden-window entries are the bar's.
    OnMessage(WM_COMMAND, &CSkinButton::OnParentCommand),
};

LRESULT CSkinButton::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    return RouteMessage<CStatic>(this, s_messageTable, message, wParam, lParam);
}

int CSkinButton::LoadBitmapUp(const std::string& fileName, std::string& fault) {
    return m_bmpUp.Load(fileName, "Usage: LoadBitmapUp(<Filename>)", fault);
}

int CSkinButton::LoadBitmapDown(const std::string& fileName, std::string& fault) {
    return m_bmpDown.Load(fileName, "Usage: LoadBitmapDown(<Filename>)", fault);
}

void CSkinButton::SetDpi(UINT dpi) {
    m_nDpi = dpi;
    RedrawWindow(kRedrawNow);
}

void CSkinButton::SetState(int state) {
    m_nState = state;
    RedrawWindow(kRedrawNow);
}

// The static's own text is never drawn: a button lacking a face paints nothing.
LRESULT CSkinButton::OnPaint(WPARAM, LPARAM) {
    PAINTSTRUCT paint;
    HDC paintDC = ::BeginPaint(m_hWnd, &paint);
    if (m_bmpUp.IsLoaded() && m_bmpDown.IsLoaded()) {
        if (m_nState == 0) {
            m_bmpUp.Draw(paintDC, GetClientRect(), m_nDpi);
        } else if (m_nState == 1) {
            m_bmpDown.Draw(paintDC, GetClientRect(), m_nDpi);
        }
    }
    ::EndPaint(m_hWnd, &paint);
    return 0;
}

// Never erased: the face is drawn straight over what lies beneath, without flicker.
LRESULT CSkinButton::OnEraseBkgnd(WPARAM, LPARAM) {
    return 0;
}

// The face shows before the bar acts: the static's notification is sent last.
LRESULT CSkinButton::OnLButtonDown(WPARAM wParam, LPARAM lParam) {
    if (m_bNoToggle == 0) {
        m_nState = m_nState == 0 ? 1 : 0;
    }
    RedrawWindow(kRedrawNow);
    return DefWindowProc(WM_LBUTTONDOWN, wParam, lParam);
}

LRESULT CSkinButton::OnLButtonDblClk(WPARAM wParam, LPARAM lParam) {
    if (m_bOpensSlider == 1) {
        OpenTransparencyDlg();
        return 0;
    }
    m_owner.ActivateTarget();
    return DefWindowProc(WM_LBUTTONDBLCLK, wParam, lParam);
}

// Always a fresh pop-up, its thumb at the bar's level, which is applied to the target again.
void CSkinButton::OpenTransparencyDlg() {
    m_pTransparencyDlg.reset();
    m_owner.SetTransparencyLevel(m_owner.GetTransparencyLevel());
    m_pTransparencyDlg = std::make_unique<CTransparencyDlg>(m_owner);
    m_pTransparencyDlg->Create(IDD_TRANSPARENCY, this);
    m_pTransparencyDlg->ShowAtLevel(m_owner.GetTransparencyLevel());
}

LRESULT CSkinButton::OnRButtonDblClk(WPARAM wParam, LPARAM lParam) {
    m_owner.ActivateTarget();
    return DefWindowProc(WM_RBUTTONDBLCLK, wParam, lParam);
}

LRESULT CSkinButton::OnRButtonDown(WPARAM wParam, LPARAM lParam) {
    const UniqueMenu loaded(::LoadMenuA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_POPUP)));
    if (!loaded) {
        AppMessageBox(m_hWnd, "Error loading context popup menu!", MB_OK);
        return 0;
    }
    HMENU menu = ::GetSubMenu(loaded.get(), 0);
    POINT cursor = {};
    ::GetCursorPos(&cursor);

    InsertHiddenWindowsSubmenu(menu, 0, m_owner.HiddenWindows());
    if (m_owner.IsAutoMaximizeOn() == 1) {
        ::CheckMenuItem(menu, 3, MF_BYPOSITION | MF_CHECKED); // "Automaximize IE"
    }

    CUserInteraction::Current().TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_RIGHTBUTTON, cursor.x,
                                               cursor.y, m_hWnd);
    return DefWindowProc(WM_RBUTTONDOWN, wParam, lParam);
}

void CSkinButton::OnWindowSelector() {
    m_owner.ShowWindowSelector();
}

// The Transparency submenu: 90 % down to 10 %, then "Off", which is opaque.
void CSkinButton::OnTransparencyItem(UINT index) {
    const int percent = index < 9 ? 90 - 10 * static_cast<int>(index) : 100;
    m_owner.SetTransparencyLevel(CTransparencyLevel::OfPercent(percent));
}

LRESULT CSkinButton::OnParentCommand(WPARAM command, LPARAM lParam) {
    return ::SendMessageA(::GetParent(m_hWnd), WM_COMMAND, command, lParam);
}
