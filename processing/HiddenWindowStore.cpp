#include "processing/HiddenWindowStore.h"

#include "platform/AtomicFile.h"
#include "platform/Utf8Text.h"
#include "platform/WinApp.h"

#include <algorithm>

namespace {

bool DeleteIfThere(const std::string& path) {
    return ::DeleteFileA(path.c_str()) || ::GetLastError() == ERROR_FILE_NOT_FOUND ||
           ::GetLastError() == ERROR_PATH_NOT_FOUND;
}

} // namespace

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
        const bool deleted = DeleteIfThere(m_path);
        return (m_userPath.empty() || DeleteIfThere(m_userPath)) && deleted;
    }
    std::vector<HiddenWindowEntry> entries;
    for (HWND window : windows) {
        entries.push_back(HiddenWindowEntry::Of(window));
    }
    const std::string content = FileTextOf(FormatHiddenWindows(entries));
    if (WriteFileAtomically(m_path, content)) {
        DeleteIfThere(m_userPath);
        return true;
    }
    if (m_userPath.empty()) {
        return false;
    }
    // Made only when first needed: a program whose folder can be written leaves none.
    ::CreateDirectoryA(FolderOf(m_userPath).c_str(), nullptr);
    return WriteFileAtomically(m_userPath, content);
}
