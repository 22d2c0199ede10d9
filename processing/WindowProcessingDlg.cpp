#include "processing/WindowProcessingDlg.h"

#include "platform/WindowCalls.h"
#include "processing/HiddenWindowList.h"

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
    DDX_Control(IDC_SHOWOWNHIDDEN, m_radioOwn);
    DDX_Control(IDC_SHOWALLHIDDEN, m_radioAll);
    DDX_Control(IDC_HIDESHOW, m_btnHideShow);
    DDX_Control(IDC_HIDDENLIST, m_listHidden);
    DDX_Control(IDC_PARENTS, m_radioParents);
    DDX_Control(IDC_PARENTSCHILDS, m_radioParentsChilds);
    DDX_Control(IDC_VERTICAL, m_radioVertical);
    DDX_Control(IDC_RECTANGLES, m_radioRectangles);
    DDX_Control(IDC_HORIZONTAL, m_radioHorizontal);
    DDX_Control(IDC_WINDOWLIST, m_listWindows);
}

BOOL CWindowProcessingDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    m_parentsOnly = 1;
    m_radioParents.SetCheck(1);
    m_radioRectangles.SetCheck(1);
    m_radioOwn.SetCheck(1);
    m_selectedTitles.clear();
    // No focus yet: it would activate the hidden dialog. Showing it focuses its first control.
    return FALSE;
}

void CWindowProcessingDlg::OnShowWindow(UINT show) {
    if (show == 1) {
        RefreshLists();
    }
}

void CWindowProcessingDlg::RefreshLists() {
    if (!m_listWindows.m_hWnd) {
        return;
    }
    m_selectedTitles.clear();
    for (int i = 0; i < m_listWindows.GetCount(); ++i) {
        if (m_listWindows.GetSel(i)) {
            m_selectedTitles.push_back(m_listWindows.GetText(i));
        }
    }
    m_listWindows.ResetContent();
    m_listHidden.ResetContent();
    m_windowHandles.clear();
    m_allHidden.clear();
    ::EnumWindows(&CWindowProcessingDlg::EnumWindowsCallback, reinterpret_cast<LPARAM>(this));
    // Every entry is listed, titled or not, so entry i stays window i.
    m_hiddenHandles = m_bShowAll ? m_allHidden : m_hiddenWindows.Windows();
    for (HWND window : m_hiddenHandles) {
        m_listHidden.AddString(WindowTitle(window));
    }
}

BOOL CALLBACK CWindowProcessingDlg::EnumWindowsCallback(HWND window, LPARAM dialog) {
    reinterpret_cast<CWindowProcessingDlg*>(dialog)->ListWindow(window);
    return TRUE;
}

// A cloaked window is shown to the platform but not on the screen (another virtual desktop,
// a suspended Store app): neither list has it, so nothing hides it either.
void CWindowProcessingDlg::ListWindow(HWND window) {
    if (m_hiddenWindows.SettledVisibility(window, ::IsWindowVisible(window) == 1)) {
        if (m_parentsOnly && ::GetParent(window)) {
            return;
        }
        std::string title = WindowTitle(window);
        if (title == "Window processing" || title == "Program Manager" || title.empty() ||
            m_dpiCalls.IsCloaked(window)) {
            return;
        }
        m_windowHandles.push_back(window);
        m_listWindows.AddString(title);
        for (const std::string& selected : m_selectedTitles) {
            int found = m_listWindows.FindString(-1, selected);
            if (found != LB_ERR) {
                m_listWindows.SetSel(found, TRUE);
            }
        }
    } else if (m_bShowAll == 1 && !WindowTitle(window).empty()) {
        m_allHidden.push_back(window);
    }
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
    if (index >= m_hiddenHandles.size()) {
        return;
    }
    const HWND window = m_hiddenHandles[index];
    m_hiddenHandles.erase(m_hiddenHandles.begin() + static_cast<std::ptrdiff_t>(index));
    m_hiddenWindows.Show(window);
}

void CWindowProcessingDlg::OnShowAll() {
    m_radioOwn.SetCheck(0);
    m_radioAll.SetCheck(1);
    m_bShowAll = 1; // the refresh finds them
    RefreshLists();
}

void CWindowProcessingDlg::OnShowOwn() {
    m_radioOwn.SetCheck(1);
    m_radioAll.SetCheck(0);
    m_bShowAll = 0;
    m_allHidden.clear();
    RefreshLists();
}

void CWindowProcessingDlg::OnParents() {
    m_radioParents.SetCheck(1);
    m_radioParentsChilds.SetCheck(0);
    m_parentsOnly = 1;
    RefreshLists();
}

void CWindowProcessingDlg::OnParentsChilds() {
    m_radioParents.SetCheck(0);
    m_radioParentsChilds.SetCheck(1);
    m_parentsOnly = 0;
    RefreshLists();
}
