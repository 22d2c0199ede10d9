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
    SetParentsOnly(true);
}

void CWindowListView::SetParentsOnly(bool parentsOnly) {
    m_parentsOnly = parentsOnly;
    m_radioParents.SetCheck(parentsOnly ? 1 : 0);
    m_radioParentsChilds.SetCheck(parentsOnly ? 0 : 1);
}

void CWindowListView::BeginRefresh() {
    m_selectedWindows = Selected();
    m_list.ResetContent();
    m_handles.clear();
}

void CWindowListView::Add(HWND window, const std::string& title) {
    m_handles.push_back(window);
    m_list.AddString(title);
}

// By window, not by title: among windows of one title the next command must reach the one
// chosen, and a window that is gone hands its selection to no other.
void CWindowListView::EndRefresh() const {
    SelectEntries(m_list, m_handles, m_selectedWindows);
}

std::vector<HWND> CWindowListView::Selected() const {
    return SelectedEntries(m_list, m_handles);
}
