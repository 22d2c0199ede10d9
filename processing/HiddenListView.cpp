#include "processing/HiddenListView.h"

#include "processing/SelectedEntries.h"
#include "processing/WindowCatalogue.h"
#include "resource.h"

void CHiddenListView::Bind(CWnd& dialog) {
    m_list.SubclassDlgItem(IDC_HIDDENLIST, &dialog);
    m_radioOwn.SubclassDlgItem(IDC_SHOWOWNHIDDEN, &dialog);
    m_radioAll.SubclassDlgItem(IDC_SHOWALLHIDDEN, &dialog);
}

void CHiddenListView::Show(const CWindowCatalogue& catalogue) {
    const bool showAll = catalogue.ShowsAll();
    m_radioOwn.SetCheck(showAll ? 0 : 1);
    m_radioAll.SetCheck(showAll ? 1 : 0);
    const std::vector<HWND> selected = Selected();
    m_list.ResetContent();
    m_handles = catalogue.Hidden();
    for (HWND window : m_handles) {
        m_list.AddString(WindowTitle(window));
    }
    SelectEntries(m_list, m_handles, selected);
}

std::vector<HWND> CHiddenListView::Selected() const {
    return SelectedEntries(m_list, m_handles);
}
