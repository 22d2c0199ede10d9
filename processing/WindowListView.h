// The dialog's window list: the catalogue's shown windows and its parents/children choice,
// entry i being the window at i as last shown. A new showing keeps the selected windows
// selected where they are still listed.
#pragma once

#include "platform/Button.h"
#include "platform/ListBox.h"

#include <vector>

class CWindowCatalogue;

class CWindowListView {
public:
    void Bind(CWnd& dialog);
    bool IsBound() const { return m_list.m_hWnd != nullptr; }
    void Show(const CWindowCatalogue& catalogue);
    std::vector<HWND> Selected() const;

private:
    CListBox m_list;
    CButton m_radioParents;
    CButton m_radioParentsChilds;
    std::vector<HWND> m_handles;
};
