// Dialogs built from resource templates, modal or modeless.
#pragma once

#include "platform/Wnd.h"

class CDialog : public CWnd {
public:
    explicit CDialog(UINT templateId) : m_nTemplateId(templateId) {}

    // Modeless: the window stays until DestroyWindow.
    BOOL Create(UINT templateId, CWnd* parent);
    // Runs the dialog in its own message loop until EndDialog; returns its result.
    INT_PTR DoModal(CWnd* parent = nullptr);
    void EndDialog(int result);
    int GetModalResult() const { return m_nModalResult; }

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    // The base units the dialog manager lays a template out with, for a dialog's font made
    // at fontDpi, made instead at dpi: an average letter's width and the font's height.
    static SIZE BaseUnits(HFONT font, UINT fontDpi, UINT dpi);

    // Base initialisation binds the template's controls to their members.
    virtual BOOL OnInitDialog();
    virtual void DoDataExchange() {}
    // Enter, and Esc or the close request.
    virtual void OnOK() { EndDialog(IDOK); }
    virtual void OnCancel() { EndDialog(IDCANCEL); }

protected:
    void DDX_Control(int id, CWnd& control) { control.SubclassDlgItem(id, this); }

private:
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    UINT m_nTemplateId;
    bool m_bContinueModal = false;
    int m_nModalResult = -1;
};
