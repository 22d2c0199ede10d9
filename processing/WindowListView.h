// The dialog's window list: the shown windows, parents only or with their children, entry i
// being the window at i. A refresh keeps the selected windows selected where they are still
// listed.
#pragma once

#include "platform/Button.h"
#include "platform/ListBox.h"

#include <string>
#include <vector>

class CWindowListView {
public:
    void Bind(CWnd& dialog);
    // As a new dialog shows it: parents only.
    void Reset();
    bool IsBound() const { return m_list.m_hWnd != nullptr; }
    bool ParentsOnly() const { return m_parentsOnly; }
    void SetParentsOnly(bool parentsOnly);

    // A refresh empties the list, adds every window, then selects again.
    void BeginRefresh();
    void Add(HWND window, const std::string& title);
    void EndRefresh() const;

    const std::vector<HWND>& Handles() const { return m_handles; }
    std::vector<HWND> Selected() const;

private:
    CListBox m_list;
    CButton m_radioParents;
    CButton m_radioParentsChilds;
    std::vector<HWND> m_handles;
    std::vector<HWND> m_selectedWindows;
    bool m_parentsOnly = true;
};
