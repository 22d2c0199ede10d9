// What the preferences dialog tells the bar when it closes.
#pragma once

// The values the dialog closes with: the switches and periods of the two timers.
struct TimerPreferences {
    int autoMaximize;
    int autoMaximizeInterval;
    int windowTimerEnabled;
    int windowTimerInterval;
};

class CPreferencesOwner {
public:
    virtual void ApplyPreferences(const TimerPreferences& chosen) = 0;

protected:
    ~CPreferencesOwner() = default;
};
