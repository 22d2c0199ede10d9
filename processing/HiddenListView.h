// The dialog's hidden-window list: the program's list ("own") or every hidden titled window
// ("all"), entry i being the window at i, titled or not. A refresh keeps the selected windows
// selected where they are still listed.
#pragma once

#include "platform/Button.h"
#include "platform/ListBox.h"

#include <vector>

class CHiddenListView {
public:
    void Bind(CWnd& dialog);
    void SetShowAll(bool showAll);

    // A refresh empties the list, is told every hidden window, then shows either
    // those or the program's own.
    void BeginRefresh();
    void Found(HWND window);
    void EndRefresh(const std::vector<HWND>& own);

    const std::vector<HWND>& Handles() const { return m_hiddenHandles; }
    std::vector<HWND> Selected() const;
    // The window of entry index, which leaves the list and the handles; null beyond them.
    HWND TakeAt(std::size_t index);

private:
    CListBox m_list;
    CButton m_radioOwn;
    CButton m_radioAll;
    std::vector<HWND> m_hiddenHandles;
    std::vector<HWND> m_allHidden;       // under "all": every hidden titled window, as last found
    std::vector<HWND> m_selectedWindows; // as a refresh began
    bool m_bShowAll = false;
};
