// Whole small files read and replaced through the platform's file calls.
#pragma once

#include <string>
#include <vector>

// False when the file could not be opened; content is then empty.
bool ReadWholeFile(const std::string& path, std::string& content);
// Writes path + ".tmp" and moves it over path only once it is complete, so a failed
// write leaves the old file; false when it failed.
bool WriteFileAtomically(const std::string& path, const std::string& content);
// Writes path; where that fails, userPath, its folder made when first needed (an empty
// userPath: none). A write to path removes the user's copy, lest a later start read an
// older one. False when neither was written.
bool WriteFileKept(const std::string& path, const std::string& userPath,
                   const std::string& content);
// True also when there was no file, or no path.
bool DeleteFileIfThere(const std::string& path);
// A text file's lines as a text-mode reader sees them, each without its line end and in
// the program's code page (ProgramTextOf); a last line without a line end counts, an
// empty file has none.
std::vector<std::string> TextLines(const std::string& content);
