#include "processing/HiddenListView.h"

#include "processing/SelectedEntries.h"
#include "resource.h"

void CHiddenListView::Bind(CWnd& dialog) {
    m_list.SubclassDlgItem(IDC_HIDDENLIST, &dialog);
    m_radioOwn.SubclassDlgItem(IDC_SHOWOWNHIDDEN, &dialog);
    m_radioAll.SubclassDlgItem(IDC_SHOWALLHIDDEN, &dialog);
}

void CHiddenListView::SetShowAll(bool showAll) {
    m_bShowAll = showAll;
    m_radioOwn.SetCheck(showAll ? 0 : 1);
    m_radioAll.SetCheck(showAll ? 1 : 0);
}

void CHiddenListView::BeginRefresh() {
    m_selectedWindows = Selected();
    m_list.ResetContent();
    m_allHidden.clear();
}

void CHiddenListView::Found(HWND window) {
    if (m_bShowAll && !WindowTitle(window).empty()) {
        m_allHidden.push_back(window);
    }
}

void CHiddenListView::EndRefresh(const std::vector<HWND>& own) {
    m_hiddenHandles = m_bShowAll ? m_allHidden : own;
    for (HWND window : m_hiddenHandles) {
        m_list.AddString(WindowTitle(window));
    }
    SelectEntries(m_list, m_hiddenHandles, m_selectedWindows);
}

std::vector<HWND> CHiddenListView::Selected() const {
    return SelectedEntries(m_list, m_hiddenHandles);
}

HWND CHiddenListView::TakeAt(std::size_t index) {
    if (index >= m_hiddenHandles.size()) {
        return nullptr;
    }
    const HWND window = m_hiddenHandles[index];
    // Entry i stays the window at i, for the selection the next refresh keeps.
    m_hiddenHandles.erase(m_hiddenHandles.begin() + static_cast<std::ptrdiff_t>(index));
    m_list.DeleteString(static_cast<int>(index));
    return window;
}
