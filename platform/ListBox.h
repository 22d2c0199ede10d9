// List box wrapper.
#pragma once

#include "platform/Wnd.h"

#include <algorithm>
#include <string>
#include <vector>

class CListBox : public CWnd {
public:
    int GetCount() const { return static_cast<int>(SendMessage(LB_GETCOUNT)); }
    int AddString(const std::string& text) const {
        return static_cast<int>(
            SendMessage(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str())));
    }
    void ResetContent() const { SendMessage(LB_RESETCONTENT); }
    void DeleteString(int index) const { SendMessage(LB_DELETESTRING, index); }
    int GetSelCount() const { return static_cast<int>(SendMessage(LB_GETSELCOUNT)); }
    // The selected entries' indices, ascending.
    std::vector<int> GetSelItems() const {
        std::vector<int> indices(static_cast<std::size_t>(std::max(GetSelCount(), 0)));
        if (!indices.empty()) {
            LRESULT filled = SendMessage(LB_GETSELITEMS, indices.size(),
                                         reinterpret_cast<LPARAM>(indices.data()));
            indices.resize(static_cast<std::size_t>(std::max<LRESULT>(filled, 0)));
        }
        return indices;
    }
    int GetSel(int index) const { return static_cast<int>(SendMessage(LB_GETSEL, index)); }
    void SetSel(int index, BOOL select) const { SendMessage(LB_SETSEL, select, index); }
};
