#include "processing/HiddenWindowFile.h"

#include "platform/AtomicFile.h"
#include "platform/Utf8Text.h"
#include "platform/WinApp.h"

#include <cstdio>
#include <cstdlib>

namespace {

// A line: the handle as eight hex digits, the process id, the window class. Window
// handles have 32 significant bits on both builds, so either reads the other's file.
struct HiddenWindowEntry {
    HWND window;
    DWORD processId;
    std::string className;
};

HiddenWindowEntry EntryOf(HWND window) {
    HiddenWindowEntry entry = {window, 0, ""};
    ::GetWindowThreadProcessId(window, &entry.processId);
    char className[256 * 3] = ""; // 256 characters, up to three UTF-8 bytes each
    ::GetClassNameA(window, className, sizeof className);
    entry.className = className;
    return entry;
}

bool ParseEntry(const std::string& line, HiddenWindowEntry& entry) {
    const char* text = line.c_str();
    char* end = nullptr;
    const unsigned long handle = std::strtoul(text, &end, 16);
    if (end != text + 8 || *end != ' ') {
        return false;
    }
    text = end + 1;
    entry.processId = std::strtoul(text, &end, 10);
    if (end == text || *end != ' ') {
        return false;
    }
    entry.window = static_cast<HWND>(LongToHandle(static_cast<LONG>(handle)));
    entry.className = end + 1;
    return true;
}

} // namespace

std::string CHiddenWindowFile::ProgramFile() {
    return CWinApp::ProgramFile("Paneward.hid");
}

void CHiddenWindowFile::Save(const std::vector<HWND>& windows) const {
    if (windows.empty()) {
        ::DeleteFileA(m_path.c_str());
        return;
    }
    std::string content;
    for (HWND window : windows) {
        const HiddenWindowEntry entry = EntryOf(window);
        char handle[16] = "";
        std::snprintf(handle, sizeof handle, "%08lX", HandleToUlong(window));
        content += std::string(handle) + " " + std::to_string(entry.processId) + " " +
                   entry.className + "\r\n";
    }
    WriteFileAtomically(m_path, FileTextOf(content));
}

std::vector<HWND> CHiddenWindowFile::Load() const {
    std::vector<HWND> windows;
    std::string content;
    if (!ReadWholeFile(m_path, content)) {
        return windows;
    }
    for (const std::string& line : TextLines(content)) {
        HiddenWindowEntry saved;
        if (!ParseEntry(line, saved) || ::IsWindow(saved.window) != 1 ||
            ::IsWindowVisible(saved.window)) {
            continue;
        }
        const HiddenWindowEntry now = EntryOf(saved.window);
        if (now.processId == saved.processId && now.className == saved.className) {
            windows.push_back(saved.window);
        }
    }
    return windows;
}
