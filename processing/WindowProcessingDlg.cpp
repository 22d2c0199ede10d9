#include "processing/WindowProcessingDlg.h"

#include "platform/WindowCalls.h"
#include "processing/HiddenWindowList.h"
#include "processing/ProcessingCommands.h"

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
    CWindowCalls::HandOnForeground(::GetWindow(m_hWnd, GW_OWNER));
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
    m_windows.Reset();
    m_stacking.Choose(Stacking::Rectangles);
    m_hidden.SetShowAll(false);
    // No focus yet: it would activate the hidden dialog. Showing it focuses its first control.
    return FALSE;
}

void CWindowProcessingDlg::OnShowWindow(UINT show) {
    if (show) {
        RefreshLists();
    }
}

void CWindowProcessingDlg::RefreshLists() {
    if (!m_windows.IsBound()) {
        return;
    }
    m_windows.BeginRefresh();
    m_hidden.BeginRefresh();
    ::EnumWindows(&CWindowProcessingDlg::EnumWindowsCallback, reinterpret_cast<LPARAM>(this));
    m_windows.EndRefresh();
    m_hidden.EndRefresh(m_hiddenWindows.Windows());
}

BOOL CALLBACK CWindowProcessingDlg::EnumWindowsCallback(HWND window, LPARAM dialog) {
    reinterpret_cast<CWindowProcessingDlg*>(dialog)->ListWindow(window);
    return TRUE;
}

// A cloaked window is shown to the platform but not on the screen (another virtual desktop,
// a suspended Store app): neither list has it, so nothing hides it either.
void CWindowProcessingDlg::ListWindow(HWND window) {
    if (!m_hiddenWindows.SettleVisibility(window, ::IsWindowVisible(window))) {
        m_hidden.Found(window);
        return;
    }
    if (m_windows.ParentsOnly() && ::GetParent(window)) {
        return;
    }
    const std::string title = WindowTitle(window);
    if (title == "Window processing" || title == "Program Manager" || title.empty() ||
        m_dpiCalls.IsCloaked(window)) {
        return;
    }
    m_windows.Add(window, title);
}

void CWindowProcessingDlg::ShowInFront(bool refreshFirst) {
    if (refreshFirst) {
        RefreshLists();
    }
    CenterWindow(::GetDesktopWindow());
    ShowWindow(SW_SHOW);
    ::SetForegroundWindow(m_hWnd);
}

// The entry leaves the lists before its window shows, since showing can activate the dialog.
void CWindowProcessingDlg::ShowHiddenAt(std::size_t index) {
    if (const HWND window = m_hidden.TakeAt(index)) {
        m_hiddenWindows.Show(window);
    }
}

void CWindowProcessingDlg::ShowAllHidden(bool showAll) {
    m_hidden.SetShowAll(showAll);
    RefreshLists();
}

void CWindowProcessingDlg::ListParentsOnly(bool parentsOnly) {
    m_windows.SetParentsOnly(parentsOnly);
    RefreshLists();
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
