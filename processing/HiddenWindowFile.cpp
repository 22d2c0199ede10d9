#include "processing/HiddenWindowFile.h"

#include "platform/AtomicFile.h"

#include <cstdio>
#include <cstdlib>

namespace {

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

HiddenWindowEntry HiddenWindowEntry::Of(HWND window) {
    HiddenWindowEntry entry = {window, 0, ""};
    ::GetWindowThreadProcessId(window, &entry.processId);
    char className[256 * 3] = ""; // 256 characters, up to three UTF-8 bytes each
    ::GetClassNameA(window, className, sizeof className);
    entry.className = className;
    return entry;
}

std::string FormatHiddenWindows(const std::vector<HiddenWindowEntry>& entries) {
    std::string content;
    for (const HiddenWindowEntry& entry : entries) {
        char handle[16] = "";
        std::snprintf(handle, sizeof handle, "%08lX", HandleToUlong(entry.window));
        content += std::string(handle) + " " + std::to_string(entry.processId) + " " +
                   entry.className + "\r\n";
    }
    return content;
}

std::vector<HiddenWindowEntry> ParseHiddenWindows(const std::string& content) {
    std::vector<HiddenWindowEntry> entries;
    for (const std::string& line : TextLines(content)) {
        HiddenWindowEntry entry;
        if (ParseEntry(line, entry)) {
            entries.push_back(entry);
        }
    }
    return entries;
}
