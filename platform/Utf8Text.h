// Texts as the program holds them, in the code page of its "A" calls: UTF-8 through the
// manifest (Windows 10 1903 and later), the system's ANSI code page before.
#pragma once

#include <cstddef>
#include <string>

// The text cut to at most maxBytes bytes. A UTF-8 character that does not fit is dropped
// whole; a text that is not UTF-8 there is cut at the limit.
std::string CutText(const std::string& text, std::size_t maxBytes);

// The text with each line longer than maxBytes (3 or more) cut to its start and its end with
// "..." between, in at most maxBytes bytes; UTF-8 characters stay whole.
std::string ShortenLines(const std::string& text, std::size_t maxBytes);

// A text as the program's files store it: UTF-8, without a byte-order mark.
std::string FileTextOf(const std::string& text);

// A line of a file in the program's code page. A line that is not valid UTF-8 comes from
// an older file, written in the locale's default ANSI code page.
std::string ProgramTextOf(const std::string& line);
