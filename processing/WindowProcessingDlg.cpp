#include "processing/WindowProcessingDlg.h"

#include <algorithm>

CWindowProcessingDlg* CWindowProcessingDlg::s_pRefreshing = nullptr;

const MessageEntry<CWindowProcessingDlg> CWindowProcessingDlg::s_messageTable[] = {
    OnMessage(WM_SHOWWINDOW, &CWindowProcessingDlg::OnShowWindow),
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

LRESULT CWindowProcessingDlg::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    return RouteMessage<CDialog>(this, s_messageTable, message, wParam, lParam);
}

// Activation changes in either direction refresh the lists.
LRESULT CWindowProcessingDlg::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_ACTIVATE) {
        RefreshLists();
    }
    return CDialog::DefWindowProc(message, wParam, lParam);
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
    m_showAllHidden = 0;
    m_radioParents.SetCheck(1);
    m_radioRectangles.SetCheck(1);
    m_radioOwn.SetCheck(1);
    // The windows hidden by a run of the program that never asked its exit question.
    m_hiddenHandles = m_hiddenFile.Load();
    SaveHiddenWindows();
    m_selectedTitles.clear();
    return TRUE;
}

LRESULT CWindowProcessingDlg::OnShowWindow(WPARAM show, LPARAM status) {
    LRESULT result = CDialog::DefWindowProc(WM_SHOWWINDOW, show, status);
    if (show == 1) {
        RefreshLists();
    }
    return result;
}

void CWindowProcessingDlg::RefreshLists() {
    if (!m_listWindows.m_hWnd) {
        return;
    }
    // A window destroyed on its way settles nothing; its handle may come back on another.
    m_expectedVisibility.erase(std::remove_if(m_expectedVisibility.begin(),
                                              m_expectedVisibility.end(),
                                              [](const std::pair<HWND, bool>& expected) {
                                                  return !::IsWindow(expected.first);
                                              }),
                               m_expectedVisibility.end());
    m_selectedTitles.clear();
    for (int i = 0; i < m_listWindows.GetCount(); ++i) {
        if (m_listWindows.GetSel(i)) {
            m_selectedTitles.push_back(m_listWindows.GetText(i));
        }
    }
    m_listWindows.ResetContent();
    m_listHidden.ResetContent();
    m_windowHandles.clear();
    if (m_showAllHidden == 1) {
        m_hiddenHandles.clear();
    } else {
        // Every entry is listed, titled or not, so entry i stays window i.
        for (HWND window : m_hiddenHandles) {
            m_listHidden.AddString(WindowTitle(window));
        }
    }
    // The callback finds the dialog here: the enumeration's context value stays 0.
    s_pRefreshing = this;
    ::EnumWindows(&CWindowProcessingDlg::EnumWindowsCallback, 0);
    s_pRefreshing = nullptr;
}

BOOL CALLBACK CWindowProcessingDlg::EnumWindowsCallback(HWND window, LPARAM) {
    if (!s_pRefreshing) {
        return TRUE;
    }
    CWindowProcessingDlg& dialog = *s_pRefreshing;
    if (dialog.SettledVisibility(window, ::IsWindowVisible(window) == 1)) {
        if (dialog.m_parentsOnly && ::GetParent(window)) {
            return TRUE;
        }
        std::string title = WindowTitle(window);
        if (title == "Window processing" || title == "Program Manager" || title.empty()) {
            return TRUE;
        }
        dialog.m_windowHandles.push_back(window);
        dialog.m_listWindows.AddString(title);
        for (const std::string& selected : dialog.m_selectedTitles) {
            int found = dialog.m_listWindows.FindString(-1, selected);
            if (found != LB_ERR) {
                dialog.m_listWindows.SetSel(found, TRUE);
            }
        }
    } else if (dialog.m_showAllHidden == 1) {
        std::string title = WindowTitle(window);
        if (!title.empty()) {
            dialog.m_hiddenHandles.push_back(window);
            dialog.m_listHidden.AddString(title);
        }
    }
    return TRUE;
}

std::vector<HWND>& CWindowProcessingDlg::HiddenWindowList() {
    return m_showAllHidden == 1 ? m_savedOwnHidden : m_hiddenHandles;
}

void CWindowProcessingDlg::AddHiddenWindow(HWND window) {
    HiddenWindowList().push_back(window);
    SaveHiddenWindows();
}

void CWindowProcessingDlg::HideWindow(const CWindowCalls& window) {
    AddHiddenWindow(window.Handle());
    Expect(window.Handle(), false);
    window.ShowWindow(SW_HIDE);
}

void CWindowProcessingDlg::HideWindows(const std::vector<HWND>& windows) {
    std::vector<HWND>& list = HiddenWindowList();
    list.insert(list.end(), windows.begin(), windows.end());
    SaveHiddenWindows();
    for (HWND window : windows) {
        Expect(window, false);
        CWindowCalls::WithoutWaiting(window).ShowWindow(SW_HIDE);
    }
}

void CWindowProcessingDlg::ShowWindows(const std::vector<HWND>& windows) {
    for (HWND window : windows) {
        Expect(window, true);
        CWindowCalls::WithoutWaiting(window).ShowWindow(SW_SHOW);
    }
}

void CWindowProcessingDlg::Expect(HWND window, bool visible) {
    for (auto& expected : m_expectedVisibility) {
        if (expected.first == window) {
            expected.second = visible;
            return;
        }
    }
    m_expectedVisibility.emplace_back(window, visible);
}

// What the lists take the window for: what is expected of it until the platform agrees.
bool CWindowProcessingDlg::SettledVisibility(HWND window, bool visible) {
    for (auto expected = m_expectedVisibility.begin(); expected != m_expectedVisibility.end();
         ++expected) {
        if (expected->first == window) {
            if (expected->second != visible) {
                return expected->second;
            }
            m_expectedVisibility.erase(expected);
            return visible;
        }
    }
    return visible;
}

void CWindowProcessingDlg::RemoveHiddenAt(std::size_t index) {
    if (index >= m_hiddenHandles.size()) {
        return;
    }
    const HWND window = m_hiddenHandles[index];
    m_hiddenHandles.erase(m_hiddenHandles.begin() + static_cast<std::ptrdiff_t>(index));
    ForgetParked(window);
    SaveHiddenWindows();
}

void CWindowProcessingDlg::RemoveHiddenWindow(HWND window) {
    auto found = std::find(m_hiddenHandles.begin(), m_hiddenHandles.end(), window);
    if (found != m_hiddenHandles.end()) {
        m_hiddenHandles.erase(found);
    }
    ForgetParked(window);
    SaveHiddenWindows();
}

void CWindowProcessingDlg::ForgetShown(std::size_t index, HWND window) {
    if (index < m_hiddenHandles.size() && m_hiddenHandles[index] == window) {
        RemoveHiddenAt(index);
    } else {
        RemoveHiddenWindow(window);
    }
}

void CWindowProcessingDlg::ClearHiddenWindows() {
    HiddenWindowList().clear();
    HiddenWindowList().shrink_to_fit();
    SaveHiddenWindows();
}

void CWindowProcessingDlg::ForgetParked(HWND window) {
    if (m_showAllHidden != 1) {
        return;
    }
    auto found = std::find(m_savedOwnHidden.begin(), m_savedOwnHidden.end(), window);
    if (found != m_savedOwnHidden.end()) {
        m_savedOwnHidden.erase(found);
    }
}

void CWindowProcessingDlg::SaveHiddenWindows() {
    const std::vector<HWND>& list = HiddenWindowList();
    m_hiddenFile.Save(list);
    // An expectation the list no longer shares (shown or hidden again another way) is void.
    m_expectedVisibility.erase(
        std::remove_if(m_expectedVisibility.begin(), m_expectedVisibility.end(),
                       [&](const std::pair<HWND, bool>& expected) {
                           const bool listed =
                               std::find(list.begin(), list.end(), expected.first) != list.end();
                           return listed == expected.second;
                       }),
        m_expectedVisibility.end());
}

void CWindowProcessingDlg::OnShowAll() {
    m_radioOwn.SetCheck(0);
    m_radioAll.SetCheck(1);
    if (m_showAllHidden == 0) {
        m_savedOwnHidden = m_hiddenHandles;
    }
    m_showAllHidden = 1;
    RefreshLists();
}

void CWindowProcessingDlg::OnShowOwn() {
    m_radioOwn.SetCheck(1);
    m_radioAll.SetCheck(0);
    if (m_showAllHidden == 1) {
        m_hiddenHandles = m_savedOwnHidden;
    }
    m_showAllHidden = 0;
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
