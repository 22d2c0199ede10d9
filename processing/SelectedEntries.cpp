#include "processing/SelectedEntries.h"

#include <algorithm>

std::vector<HWND> SelectedEntries(const CListBox& list, const std::vector<HWND>& handles) {
    std::vector<HWND> selected;
    for (int index : list.GetSelItems()) {
        const auto entry = static_cast<std::size_t>(index);
        if (entry < handles.size()) {
            selected.push_back(handles[entry]);
        }
    }
    return selected;
}

void SelectEntries(const CListBox& list, const std::vector<HWND>& handles,
                   const std::vector<HWND>& windows) {
    for (std::size_t i = 0; i < handles.size(); ++i) {
        if (std::find(windows.begin(), windows.end(), handles[i]) != windows.end()) {
            list.SetSel(static_cast<int>(i), TRUE);
        }
    }
}
