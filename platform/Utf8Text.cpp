#include "platform/Utf8Text.h"

#include <windows.h>

#include <cstdlib>

namespace {

bool IsContinuationByte(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// The bytes of the UTF-8 character that a lead byte begins.
std::size_t SequenceLength(unsigned char lead) {
    return lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
}

// Empty when the conversion fails.
std::wstring Widen(const std::string& text, UINT codePage, DWORD flags) {
    const int size = static_cast<int>(text.size());
    std::wstring wide(static_cast<std::size_t>(size), L'\0');
    wide.resize(static_cast<std::size_t>(
        ::MultiByteToWideChar(codePage, flags, text.data(), size, &wide[0], size)));
    return wide;
}

std::string Recode(const std::string& text, UINT from, UINT to) {
    if (from == to || text.empty()) {
        return text;
    }
    const std::wstring wide = Widen(text, from, 0);
    const int size = static_cast<int>(wide.size());
    std::string result(static_cast<std::size_t>(::WideCharToMultiByte(
                           to, 0, wide.data(), size, nullptr, 0, nullptr, nullptr)),
                       '\0');
    ::WideCharToMultiByte(to, 0, wide.data(), size, &result[0], static_cast<int>(result.size()),
                          nullptr, nullptr);
    return result;
}

// Not GetACP, which the manifest makes UTF-8: the code page older files were written in.
UINT LocaleAnsiCodePage() {
    char number[8] = "";
    ::GetLocaleInfoA(LOCALE_SYSTEM_DEFAULT, LOCALE_IDEFAULTANSICODEPAGE, number, sizeof number);
    const UINT codePage = static_cast<UINT>(std::atoi(number));
    return codePage ? codePage : CP_ACP;
}

} // namespace

std::string CutText(const std::string& text, std::size_t maxBytes) {
    if (text.size() <= maxBytes || !IsContinuationByte(text[maxBytes])) {
        return text.substr(0, maxBytes);
    }
    // Back from the first byte left out to the lead byte of its character.
    for (std::size_t start = maxBytes; start > 0 && maxBytes - start < 3;) {
        const unsigned char byte = text[--start];
        if (!IsContinuationByte(byte)) {
            return text.substr(
                0, byte >= 0xC0 && start + SequenceLength(byte) > maxBytes ? start : maxBytes);
        }
    }
    return text.substr(0, maxBytes);
}

std::string ShortenLines(const std::string& text, std::size_t maxBytes) {
    std::string result;
    for (std::size_t start = 0; start <= text.size();) {
        const std::size_t found = text.find('\n', start);
        const std::size_t end = found == std::string::npos ? text.size() : found;
        const std::string line = text.substr(start, end - start);
        if (line.size() <= maxBytes) {
            result += line;
        } else {
            const std::string head = CutText(line, (maxBytes - 3) / 2);
            std::size_t tail = line.size() - (maxBytes - 3 - head.size());
            while (tail < line.size() && IsContinuationByte(line[tail])) {
                ++tail;
            }
            result += head + "..." + line.substr(tail);
        }
        result += found == std::string::npos ? "" : "\n";
        start = end + 1;
    }
    return result;
}

std::string FileTextOf(const std::string& text) {
    return Recode(text, ::GetACP(), CP_UTF8);
}

std::string ProgramTextOf(const std::string& line) {
    const bool utf8 = Widen(line, CP_UTF8, MB_ERR_INVALID_CHARS).size() > 0 || line.empty();
    return Recode(line, utf8 ? CP_UTF8 : LocaleAnsiCodePage(), ::GetACP());
}
