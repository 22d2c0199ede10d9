#include "app/BarSettings.h"

#include "platform/AtomicFile.h"

#include <climits>
#include <utility>

namespace {

// atoi, but saturating where atoi's result would be undefined.
int ParseInt(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r'))) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > static_cast<long long>(INT_MAX) + 1) {
            value = static_cast<long long>(INT_MAX) + 1;
        }
    }
    if (negative) {
        return static_cast<int>(-value);
    }
    return value > INT_MAX ? INT_MAX : static_cast<int>(value);
}

// Reads the file's lines as a text-mode reader would: each line without its line end.
class LineReader {
public:
    explicit LineReader(std::string content) : m_content(std::move(content)) {}

    // False at the end of the file; the line is then empty.
    bool ReadLine(std::string& line) {
        line.clear();
        if (m_position >= m_content.size()) {
            return false;
        }
        std::size_t end = m_content.find('\n', m_position);
        if (end == std::string::npos) {
            end = m_content.size();
        }
        line = m_content.substr(m_position, end - m_position);
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        m_position = end + 1;
        return true;
    }

private:
    std::string m_content;
    std::size_t m_position = 0;
};

void ReadFlag(const std::string& line, int& flag) {
    if (line == "TRUE") {
        flag = 1;
    } else if (line == "FALSE") {
        flag = 0;
    }
}

const char* FlagText(int flag) {
    return flag == 1 ? "TRUE\r\n" : "FALSE\r\n";
}

} // namespace

void BarSettings::SetDefaults() {
    firstRun = 1;
    skinName = "Windows Standard";
    autoMaximize = 0;
    windowTimerEnabled = 1;
    windowTimerInterval = 10;
    autoMaximizeInterval = 500;
    hideAllModifiers = MOD_ALT;
    hideAllKey = 'A';
    showAllModifiers = MOD_ALT;
    showAllKey = 'S';
    barOffset = 6;
}

bool BarSettings::Read(const std::string& path) {
    std::string content;
    if (!ReadWholeFile(path, content)) {
        return false;
    }
    LineReader reader(std::move(content));
    std::string line;
    reader.ReadLine(line);
    skinName = line;
    reader.ReadLine(line);
    ReadFlag(line, autoMaximize);
    if (reader.ReadLine(line)) {
        autoMaximizeInterval = ParseInt(line);
    }
    if (reader.ReadLine(line)) {
        ReadFlag(line, windowTimerEnabled);
    }
    if (reader.ReadLine(line)) {
        windowTimerInterval = ParseInt(line);
    }
    firstRun = 0;
    return true;
}

bool BarSettings::Write(const std::string& path) const {
    std::string content = skinName + "\r\n";
    content += FlagText(autoMaximize);
    content += std::to_string(autoMaximizeInterval) + "\r\n";
    content += FlagText(windowTimerEnabled);
    content += std::to_string(windowTimerInterval) + "\r\n";
    return WriteFileAtomically(path, content);
}
