#include "processing/HiddenWindowStore.h"

#include "platform/AtomicFile.h"
#include "platform/Utf8Text.h"
#include "platform/WinApp.h"

#include <algorithm>

std::string CHiddenWindowStore::ProgramFile() {
    return CWinApp::ProgramFile("Paneward.hid");
}

std::string CHiddenWindowStore::UserFile() {
    return CWinApp::UserFile("Paneward.hid");
}

// Each file's entries as written, duplicates too; the user's copy adds only windows the
// program folder's does not hold.
std::vector<HiddenWindowEntry> CHiddenWindowStore::Load() const {
    std::string content;
    ReadWholeFile(m_path, content);
    std::vector<HiddenWindowEntry> entries = ParseHiddenWindows(content);
    const std::size_t inProgramFile = entries.size();
    ReadWholeFile(m_userPath, content);
    for (const HiddenWindowEntry& entry : ParseHiddenWindows(content)) {
        const auto end = entries.begin() + static_cast<std::ptrdiff_t>(inProgramFile);
        if (std::none_of(entries.begin(), end,
                         [&](const HiddenWindowEntry& e) { return e.window == entry.window; })) {
            entries.push_back(entry);
        }
    }
    return entries;
}

bool CHiddenWindowStore::Save(const std::vector<HWND>& windows) const {
    if (windows.empty()) {
        const bool deleted = DeleteFileIfThere(m_path);
        return DeleteFileIfThere(m_userPath) && deleted;
    }
    std::vector<HiddenWindowEntry> entries;
    for (HWND window : windows) {
        entries.push_back(HiddenWindowEntry::Of(window));
    }
    return WriteFileKept(m_path, m_userPath, FileTextOf(FormatHiddenWindows(entries)));
}
