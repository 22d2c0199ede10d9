// The bar's timers: the two the settings switch, "Automaximize IE", the preferences dialog
// that sets them, and the one-shot check-back after hides made without waiting.
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
    static constexpr UINT kCheckBackMs = 100;

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
    // Their windows are read back a little later.
    void StartCheckBack() { m_checkBack.Start(m_bar.m_hWnd, kCheckBackMs); }
    void StopCheckBack() { m_checkBack.Stop(m_bar.m_hWnd); }
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
    CWindowTimer m_checkBack{IDT_CHECKBACK};
    std::unique_ptr<CPreferencesDlg> m_pPreferencesDlg;
};
