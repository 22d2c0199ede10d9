// Where the hidden-window list is kept between runs: "Paneward.hid", so that a program that
// ended without its exit question finds its windows again.
#pragma once

#include "processing/HiddenWindowFile.h"

#include <string>
#include <vector>

class CHiddenWindowStore {
public:
    explicit CHiddenWindowStore(std::string path) : m_path(std::move(path)) {}

    // "Paneward.hid" in the program's folder.
    static std::string ProgramFile();

    // The entries the file holds; none when there is no file.
    std::vector<HiddenWindowEntry> Load() const;
    // The windows with their process and class as they are now; no windows, no file. False
    // when the file could not be written.
    bool Save(const std::vector<HWND>& windows) const;

private:
    std::string m_path;
};
