// The format of "Paneward.hid": one line per hidden window, CR LF ended, holding its handle
// as eight hex digits, its process id and its window class. Window handles have 32
// significant bits on both builds, so either build reads the other's file.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

struct HiddenWindowEntry {
    HWND window;
    DWORD processId;
    std::string className;

    // The window's process and class as they are now.
    static HiddenWindowEntry Of(HWND window);
};

std::string FormatHiddenWindows(const std::vector<HiddenWindowEntry>& entries);
// The well-formed lines' entries, in order; others are passed over.
std::vector<HiddenWindowEntry> ParseHiddenWindows(const std::string& content);
