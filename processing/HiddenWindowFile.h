// The program's hidden windows kept on disk beside the settings, so that a program that
// ended without its exit question (killed, crashed, logged off) finds them again.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

class CHiddenWindowFile {
public:
    explicit CHiddenWindowFile(std::string path) : m_path(std::move(path)) {}

    // "Paneward.hid" in the program's folder.
    static std::string ProgramFile();

    // Replaces the file with one line per window; an empty list removes it.
    void Save(const std::vector<HWND>& windows) const;
    // The windows of the file, in order, that still exist, are still hidden and still
    // belong to the process and window class they had when saved.
    std::vector<HWND> Load() const;

private:
    std::string m_path;
};
