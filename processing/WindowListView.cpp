#include "processing/WindowListView.h"

#include "processing/SelectedEntries.h"
#include "processing/WindowCatalogue.h"
#include "resource.h"

void CWindowListView::Bind(CWnd& dialog) {
    m_list.SubclassDlgItem(IDC_WINDOWLIST, &dialog);
    m_radioParents.SubclassDlgItem(IDC_PARENTS, &dialog);
    m_radioParentsChilds.SubclassDlgItem(IDC_PARENTSCHILDS, &dialog);
}

// By window, not by title: among windows of one title the next command must reach the one
// chosen, and a window that is gone hands its selection to no other.
void CWindowListView::Show(const CWindowCatalogue& catalogue) {
    const bool parentsOnly = catalogue.ParentsOnly();
    m_radioParents.SetCheck(parentsOnly ? 1 : 0);
    m_radioParentsChilds.SetCheck(parentsOnly ? 0 : 1);
    const std::vector<HWND> selected = Selected();
    m_list.ResetContent();
    m_handles = catalogue.Windows();
    for (const std::string& title : catalogue.Titles()) {
        m_list.AddString(title);
    }
    SelectEntries(m_list, m_handles, selected);
}

std::vector<HWND> CWindowListView::Selected() const {
    return SelectedEntries(m_list, m_handles);
}
