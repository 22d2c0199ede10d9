#include "processing/SelectedEntries.h"

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
