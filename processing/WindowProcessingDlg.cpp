#include "processing/WindowProcessingDlg.h"

#include "processing/HiddenWindowList.h"
#include "processing/ProcessingCommands.h"
#include "processing/WindowCatalogue.h"

namespace {

const char kHideCaption[] = "Hide windows";
const char kShowCaption[] = "Show windows";

} // namespace

const MessageTable<CWindowProcessingDlg> CWindowProcessingDlg::s_messageTable = {
    OnAfterDefault(WM_SHOWWINDOW, &CWindowProcessingDlg::OnShowWindow),
    ::OnActivate(&CWindowProcessingDlg::OnActivate),
    OnCommand(IDC_PARENTS, &CWindowProcessingDlg::OnParents),
    OnCommand(IDC_PARENTSCHILDS, &CWindowProcessingDlg::OnParentsChilds),
    OnCommand(IDC_SHOWALLHIDDEN, &CWindowProcessingDlg::OnShowAll),
    OnCommand(IDC_SHOWOWNHIDDEN, &CWindowProcessingDlg::OnShowOwn),
    OnCommand(IDC_APPLY, &CWindowProcessingDlg::OnApply),
    OnCommand(IDC_VERTICAL, &CWindowProcessingDlg::OnVertical),
    OnCommand(IDC_HORIZONTAL, &CWindowProcessingDlg::OnHorizontal),
    OnCommand(IDC_RECTANGLES, &CWindowProcessingDlg::OnRectangles),
    OnCommand(IDC_UPDATE, &CWindowProcessingDlg::OnUpdate),
    OnCommand(IDC_BRINGTOTOP, &CWindowProcessingDlg::OnBringToTop),
    OnCommand(IDC_ENDPROCESS, &CWindowProcessingDlg::OnEndProcess),
    OnCommand(IDC_MINIMIZESEL, &CWindowProcessingDlg::OnMinimizeSel),
    OnControlNotification(IDC_HIDDENLIST, LBN_SELCHANGE, &CWindowProcessingDlg::OnHiddenSelChange),
    OnControlNotification(IDC_WINDOWLIST, LBN_SELCHANGE, &CWindowProcessingDlg::OnWindowsSelChange),
    OnCommand(IDC_HIDESHOW, &CWindowProcessingDlg::OnHideShow),
};

// Hidden, it leaves its owner, the bar, in front.
void CWindowProcessingDlg::OnCancel() {
    ShowWindow(SW_HIDE);
    m_keyboard.HandBack();
}

// Activation changes in either direction refresh the lists.
void CWindowProcessingDlg::OnActivate(UINT, HWND) {
    RefreshLists();
}

void CWindowProcessingDlg::DoDataExchange() {
    m_windows.Bind(*this);
    m_hidden.Bind(*this);
    m_stacking.Bind(*this);
    DDX_Control(IDC_HIDESHOW, m_btnHideShow);
}

BOOL CWindowProcessingDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    m_stacking.Choose(Stacking::Rectangles);
    OnCatalogueChanged();
    // No focus yet: it would activate the hidden dialog. Showing it focuses its first control.
    return FALSE;
}

void CWindowProcessingDlg::OnShowWindow(UINT show) {
    if (show) {
        RefreshLists();
    }
}

void CWindowProcessingDlg::RefreshLists() {
    m_catalogue.Refresh();
}

void CWindowProcessingDlg::OnCatalogueChanged() {
    if (m_windows.IsBound()) {
        m_windows.Show(m_catalogue);
        m_hidden.Show(m_catalogue);
    }
}

void CWindowProcessingDlg::ShowInFront(bool refreshFirst) {
    if (refreshFirst) {
        RefreshLists();
    }
    CenterWindow(::GetDesktopWindow());
    if (!::IsWindowVisible(m_hWnd)) {
        m_keyboard.Record();
    }
    ShowWindow(SW_SHOW);
    ::SetForegroundWindow(m_hWnd);
}

void CWindowProcessingDlg::OnParents() {
    m_catalogue.SetParentsOnly(true);
}

void CWindowProcessingDlg::OnParentsChilds() {
    m_catalogue.SetParentsOnly(false);
}

void CWindowProcessingDlg::OnShowOwn() {
    m_catalogue.SetShowAll(false);
}

void CWindowProcessingDlg::OnShowAll() {
    m_catalogue.SetShowAll(true);
}

void CWindowProcessingDlg::ArrangeSelected(bool hideDialogFirst) {
    const std::vector<HWND> selected = m_windows.Selected();
    if (selected.empty()) {
        return;
    }
    if (hideDialogFirst) {
        ShowWindow(SW_HIDE);
    }
    ArrangeWindows(selected, m_stacking.Mode());
    RefreshLists();
}

void CWindowProcessingDlg::OnBringToTop() {
    BringWindowsToTop(m_windows.Selected());
}

void CWindowProcessingDlg::OnMinimizeSel() {
    const std::vector<HWND> selected = m_windows.Selected();
    if (!selected.empty()) {
        MinimizeOrRestore(selected, m_interaction);
        RefreshLists();
    }
}

void CWindowProcessingDlg::OnEndProcess() {
    const std::vector<HWND> selected = m_windows.Selected();
    if (!selected.empty()) {
        CloseOrEnd(m_hWnd, selected, m_interaction);
        RefreshLists();
    }
}

void CWindowProcessingDlg::OnWindowsSelChange() {
    m_btnHideShow.SetWindowText(kHideCaption);
}

void CWindowProcessingDlg::OnHiddenSelChange() {
    m_btnHideShow.SetWindowText(kShowCaption);
}

// The caption is the only record of which list the button serves.
void CWindowProcessingDlg::OnHideShow() {
    const std::string caption = WindowTitle(m_btnHideShow.m_hWnd);
    if (caption == kHideCaption) {
        const std::vector<HWND> selected = m_windows.Selected();
        if (!selected.empty()) {
            m_hiddenWindows.HideEvery(selected);
        }
    } else if (caption == kShowCaption) {
        for (HWND window : m_hidden.Selected()) {
            m_hiddenWindows.Show(window);
        }
    }
}
