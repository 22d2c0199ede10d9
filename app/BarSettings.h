// The settings record and its file, "Paneward.cfg": five lines, CR LF ended.
#pragma once

#include <windows.h>
#include <string>

struct BarSettings {
    // The five stored in the file, in its order.
    std::string skinName;
    bool autoMaximize = false;
    int autoMaximizeInterval = 0;
    bool windowTimerEnabled = false;
    int windowTimerInterval = 0;
    // Never stored: fixed at start-up, the hotkeys Alt+A and Alt+S and the bar's offset
    // from the target's right edge, in caption-button widths.
    WORD hideAllModifiers = 0;
    WORD hideAllKey = 0;
    WORD showAllModifiers = 0;
    WORD showAllKey = 0;
    int barOffset = 0;
    // Never stored: true until a file was read, which the first run's balloon asks.
    bool firstRun = false;

    void SetDefaults();
    // False when the file could not be opened; the record is then unchanged.
    bool Read(const std::string& path);
    // The file's five lines, as they are written.
    std::string FileText() const;
};

// The periods the preferences' sliders offer, in milliseconds.
struct PeriodRange {
    int least;
    int most;
};
constexpr PeriodRange kWindowTimerPeriods = {10, 1000};
constexpr PeriodRange kAutoMaximizePeriods = {10, 5000};

// The period a timer starts with: a stored period comes from a hand-editable file, and one
// outside what the sliders offer is held at the nearer end; the stored value itself stays.
UINT TimerPeriod(int storedPeriod, PeriodRange range);
