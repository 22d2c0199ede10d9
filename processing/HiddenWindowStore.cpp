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

std::vector<HiddenWindowEntry> CHiddenWindowStore::Load() const {
    std::vector<HiddenWindowEntry> entries;
    for (const std::string* path : {&m_path, &m_userPath}) {
        std::string content;
        ReadWholeFile(*path, content);
        for (const HiddenWindowEntry& entry : ParseHiddenWindows(content)) {
            const bool known =
                std::any_of(entries.begin(), entries.end(),
                            [&](const HiddenWindowEntry& e) { return e.window == entry.window; });
            if (!known) {
                entries.push_back(entry);
            }
        }
    }
    return entries;
}

bool CHiddenWindowStore::Save(const std::vector<HWND>& windows) const {
    if (windows.empty()) {
        const bool deleted = DeleteIfThere(m_path);
        return DeleteIfThere(m_userPath) && deleted;
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
    return !m_userPath.empty() && WriteFileAtomically(m_userPath, content);
}
