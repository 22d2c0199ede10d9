#include "processing/HiddenWindowStore.h"

#include "platform/AtomicFile.h"
#include "platform/Utf8Text.h"

#include <algorithm>

// The first copy's entries as written, duplicates too; the second adds only windows the first
// does not hold.
std::vector<HiddenWindowEntry> CHiddenWindowStore::Load() const {
    const std::vector<std::string> order = m_file.ReadOrder();
    std::string content;
    ReadWholeFile(order[0], content);
    std::vector<HiddenWindowEntry> entries = ParseHiddenWindows(content);
    const std::size_t inFirst = entries.size();
    ReadWholeFile(order[1], content);
    for (const HiddenWindowEntry& entry : ParseHiddenWindows(content)) {
        const auto end = entries.begin() + static_cast<std::ptrdiff_t>(inFirst);
        if (std::none_of(entries.begin(), end,
                         [&](const HiddenWindowEntry& e) { return e.window == entry.window; })) {
            entries.push_back(entry);
        }
    }
    return entries;
}

bool CHiddenWindowStore::Save(const std::vector<HWND>& windows) const {
    if (windows.empty()) {
        return m_file.Delete();
    }
    std::vector<HiddenWindowEntry> entries;
    for (HWND window : windows) {
        entries.push_back(HiddenWindowEntry::Of(window));
    }
    return m_file.Write(FileTextOf(FormatHiddenWindows(entries)));
}
