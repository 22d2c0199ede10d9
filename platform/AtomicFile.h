// Whole small files read and replaced through the platform's file calls.
#pragma once

#include <string>
#include <vector>

// False when the file could not be opened; content is then empty.
bool ReadWholeFile(const std::string& path, std::string& content);
// Writes path + ".tmp" and moves it over path only once it is complete, so a failed
// write leaves the old file; false when it failed.
bool WriteFileAtomically(const std::string& path, const std::string& content);
// A file the program keeps between runs: beside the program where that folder can be
// written, else in the user's own Panewarden folder (under the local application data), so
// that nothing it must remember depends on its folder being writable.
struct KeptFile {
    std::string path;     // beside the program
    std::string userPath; // the user's copy; empty where the system has no such folder

    static KeptFile Named(const std::string& name);
    // The user's copy first. It is written only when the program's folder could not take a
    // save, and every save that reaches the program's folder removes it, so where both are
    // there the user's is the newer.
    std::vector<std::string> ReadOrder() const { return {userPath, path}; }
    // Writes path; where that fails, userPath, its folder made when first needed. False
    // when neither was written.
    bool Write(const std::string& content) const;
    // Both copies; true also when there were none.
    bool Delete() const;
};
// True also when there was no file, or no path.
bool DeleteFileIfThere(const std::string& path);
// A text file's lines as a text-mode reader sees them, each without its line end and in
// the program's code page (ProgramTextOf); a last line without a line end counts, an
// empty file has none.
std::vector<std::string> TextLines(const std::string& content);
