// Where the hidden-window list is kept between runs: "Paneward.hid", so that a program that
// ended without its exit question finds its windows again. Beside the program where that
// folder can be written; else in the user's own folder, so that no hidden window goes
// unrecorded in a folder such as Program Files.
#pragma once

#include "platform/AtomicFile.h"
#include "processing/HiddenWindowFile.h"

#include <string>
#include <vector>

class CHiddenWindowStore {
public:
    CHiddenWindowStore(KeptFile file) : m_file(std::move(file)) {}

    // "Paneward.hid".
    static KeptFile File() { return KeptFile::Named("Paneward.hid"); }

    // The entries both copies hold, lest a window be lost, in their read order; none without
    // files.
    std::vector<HiddenWindowEntry> Load() const;
    // The windows with their process and class as they are now, beside the program where it
    // can be written (the user's copy then goes, lest a start bring back windows shown
    // since), else in the user's folder. No windows, no file. False when neither could be
    // written.
    bool Save(const std::vector<HWND>& windows) const;

private:
    KeptFile m_file;
};
