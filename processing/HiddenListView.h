// The dialog's hidden-window list: the catalogue's hidden windows and its own/all choice,
// entry i being the window at i as last shown, titled or not. A new showing keeps the
// selected windows selected where they are still listed.
#pragma once

#include "platform/Button.h"
#include "platform/ListBox.h"

#include <vector>

class CWindowCatalogue;

class CHiddenListView {
public:
    void Bind(CWnd& dialog);
    void Show(const CWindowCatalogue& catalogue);
    std::vector<HWND> Selected() const;

private:
    CListBox m_list;
    CButton m_radioOwn;
    CButton m_radioAll;
    std::vector<HWND> m_handles;
};
