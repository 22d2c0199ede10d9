#include "processing/HiddenWindowStore.h"

#include "platform/AtomicFile.h"
#include "platform/Utf8Text.h"
#include "platform/WinApp.h"

std::string CHiddenWindowStore::ProgramFile() {
    return CWinApp::ProgramFile("Paneward.hid");
}

std::vector<HiddenWindowEntry> CHiddenWindowStore::Load() const {
    std::string content;
    ReadWholeFile(m_path, content);
    return ParseHiddenWindows(content);
}

bool CHiddenWindowStore::Save(const std::vector<HWND>& windows) const {
    if (windows.empty()) {
        return ::DeleteFileA(m_path.c_str()) || ::GetLastError() == ERROR_FILE_NOT_FOUND;
    }
    std::vector<HiddenWindowEntry> entries;
    for (HWND window : windows) {
        entries.push_back(HiddenWindowEntry::Of(window));
    }
    return WriteFileAtomically(m_path, FileTextOf(FormatHiddenWindows(entries)));
}
