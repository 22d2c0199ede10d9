#include "app/BarSettings.h"

#include "controls/SkinFolder.h"

#include "platform/AtomicFile.h"
#include "platform/Utf8Text.h"

#include <algorithm>
#include <climits>

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

void ReadFlag(const std::string& line, bool& flag) {
    if (line == "TRUE") {
        flag = true;
    } else if (line == "FALSE") {
        flag = false;
    }
}

const char* FlagText(bool flag) {
    return flag ? "TRUE\r\n" : "FALSE\r\n";
}

} // namespace

void BarSettings::SetDefaults() {
    firstRun = true;
    skinName = kStandardSkinName;
    autoMaximize = false;
    windowTimerEnabled = true;
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
    // A missing line reads as empty for the first two, and leaves the others as they were.
    std::vector<std::string> lines = TextLines(content);
    const std::size_t count = lines.size();
    lines.resize(count < 2 ? 2 : count);
    skinName = lines[0];
    ReadFlag(lines[1], autoMaximize);
    if (count > 2) {
        autoMaximizeInterval = ParseInt(lines[2]);
    }
    if (count > 3) {
        ReadFlag(lines[3], windowTimerEnabled);
    }
    if (count > 4) {
        windowTimerInterval = ParseInt(lines[4]);
    }
    firstRun = false;
    return true;
}

std::string BarSettings::FileText() const {
    std::string content = skinName + "\r\n";
    content += FlagText(autoMaximize);
    content += std::to_string(autoMaximizeInterval) + "\r\n";
    content += FlagText(windowTimerEnabled);
    content += std::to_string(windowTimerInterval) + "\r\n";
    return FileTextOf(content);
}

UINT TimerPeriod(int storedPeriod, PeriodRange range) {
    return static_cast<UINT>(std::clamp(storedPeriod, range.least, range.most));
}
