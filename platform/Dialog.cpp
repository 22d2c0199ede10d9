#include "platform/Dialog.h"

#include "platform/Handles.h"
#include "platform/WinApp.h"

#include <cstdlib>

BOOL CDialog::Create(UINT templateId, CWnd* parent) {
    m_nTemplateId = templateId;
    HWND window = ::CreateDialogParamA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(templateId),
                                       parent ? parent->m_hWnd : nullptr, &CDialog::DialogProc,
                                       reinterpret_cast<LPARAM>(this));
    return window != nullptr;
}

INT_PTR CDialog::DoModal(CWnd* parent) {
    HWND owner = parent ? parent->m_hWnd : nullptr;
    if (!Create(m_nTemplateId, parent)) {
        return -1;
    }
    if (owner) {
        ::EnableWindow(owner, FALSE);
    }
    if (!::IsWindowVisible(m_hWnd)) {
        ShowWindow(SW_SHOWNORMAL);
    }
    m_bContinueModal = true;
    MSG msg;
    while (m_bContinueModal && ::GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (!CWinApp::PreTranslateMessage(msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
    }
    if (owner) {
        ::EnableWindow(owner, TRUE);
        ::SetActiveWindow(owner);
    }
    DestroyWindow();
    return m_nModalResult;
}

void CDialog::EndDialog(int result) {
    m_nModalResult = result;
    if (m_bContinueModal) {
        m_bContinueModal = false;
        ::PostMessageA(m_hWnd, WM_NULL, 0, 0); // wakes the modal loop
    }
}

SIZE CDialog::BaseUnits(HFONT font, UINT fontDpi, UINT dpi) {
    LOGFONTA face = {};
    ::GetObjectA(font, sizeof face, &face);
    // Through its point size, which a template gives whole.
    const int points = ::MulDiv(std::abs(face.lfHeight), 72, static_cast<int>(fontDpi));
    face.lfHeight = -::MulDiv(points, static_cast<int>(dpi), 72);
    const UniqueFont sized(::CreateFontIndirectA(&face));
    const CWindowDC screen;
    const CSelectedObject selected(screen.Get(), sized.get());
    TEXTMETRICA metrics = {};
    SIZE letters = {};
    ::GetTextMetricsA(screen.Get(), &metrics);
    ::GetTextExtentPoint32A(screen.Get(), "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ",
                            52, &letters);
    return {(letters.cx / 26 + 1) / 2, metrics.tmHeight};
}

BOOL CDialog::OnInitDialog() {
    DoDataExchange();
    return TRUE;
}

LRESULT CDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    // The dialog manager turns Enter into IDOK, and Esc and WM_CLOSE into IDCANCEL.
    if (message == WM_COMMAND && HIWORD(wParam) == 0) {
        if (LOWORD(wParam) == IDOK) {
            OnOK();
            return 0;
        }
        if (LOWORD(wParam) == IDCANCEL) {
            OnCancel();
            return 0;
        }
    }
    return CWnd::WindowProc(message, wParam, lParam);
}

INT_PTR CALLBACK CDialog::DialogProc(HWND window, UINT message, WPARAM, LPARAM lParam) {
    if (message != WM_INITDIALOG) {
        return FALSE; // everything else reaches the object through its subclassed procedure
    }
    CDialog* dialog = reinterpret_cast<CDialog*>(lParam);
    dialog->SubclassWindow(window);
    return dialog->OnInitDialog();
}
