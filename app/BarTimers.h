// The bar's two timers as the settings switch them, "Automaximize IE", and the preferences
// dialog that sets them.
#pragma once

#include "app/BarSettings.h"
#include "windows/AutoMaximizer.h"
#include "windows/BarTracker.h"

#include <functional>
#include <memory>

class CPreferencesDlg;
struct TimerPreferences;

class CBarTimers {
public:
    // save writes the settings.
    CBarTimers(CWnd& bar, BarSettings& settings, CBarTracker& tracker, std::function<void()> save);
    ~CBarTimers();

    const CAutoMaximizer& AutoMaximizer() const { return m_autoMaximizer; }
    // Null until first opened.
    CPreferencesDlg* PreferencesDlg() const { return m_pPreferencesDlg.get(); }

    // The enabled timers; the window timer's period counts the quiet ticks even when off.
    void StartEnabled();
    void ToggleAutoMaximize();
    void TickAutoMaximize() const { m_autoMaximizer.Tick(); }
    // Made when first asked for: hidden until then, it would only delay the bar's first
    // placement.
    void OpenPreferences();
    void ClosePreferences();

private:
    // Restarts the timers with the values and saves them.
    void Apply(const TimerPreferences& chosen);

    CWnd& m_bar;
    BarSettings& m_settings;
    CBarTracker& m_tracker;
    std::function<void()> m_save;
    CAutoMaximizer m_autoMaximizer;
    std::unique_ptr<CPreferencesDlg> m_pPreferencesDlg;
};
