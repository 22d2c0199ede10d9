#include "processing/WindowListView.h"

#include "processing/SelectedEntries.h"
#include "resource.h"

void CWindowListView::Bind(CWnd& dialog) {
    m_list.SubclassDlgItem(IDC_WINDOWLIST, &dialog);
    m_radioParents.SubclassDlgItem(IDC_PARENTS, &dialog);
    m_radioParentsChilds.SubclassDlgItem(IDC_PARENTSCHILDS, &dialog);
}

void CWindowListView::Reset() {
    m_selectedWindows.clear();
    m_selectedTitles.clear();
    SetParentsOnly(true);
}

void CWindowListView::SetParentsOnly(bool parentsOnly) {
    m_parentsOnly = parentsOnly;
    m_radioParents.SetCheck(parentsOnly ? 1 : 0);
    m_radioParentsChilds.SetCheck(parentsOnly ? 0 : 1);
}

void CWindowListView::BeginRefresh() {
    m_selectedWindows = Selected();
    m_selectedTitles.clear();
    for (int index : m_list.GetSelItems()) {
        m_selectedTitles.push_back(m_list.GetText(index));
    }
    m_list.ResetContent();
    m_handles.clear();
}

void CWindowListView::Add(HWND window, const std::string& title) {
    m_handles.push_back(window);
    m_list.AddString(title);
}

// Among windows of one title the one chosen stays so. Where none is left, each title
// selects the first entry it begins.
void CWindowListView::EndRefresh() const {
    if (SelectEntries(m_list, m_handles, m_selectedWindows)) {
        return;
    }
    for (const std::string& selected : m_selectedTitles) {
        const int found = m_list.FindString(-1, selected);
        if (found != LB_ERR) {
            m_list.SetSel(found, TRUE);
        }
    }
}

std::vector<HWND> CWindowListView::Selected() const {
    return SelectedEntries(m_list, m_handles);
}
