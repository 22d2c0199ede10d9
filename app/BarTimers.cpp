#include "app/BarTimers.h"

#include "app/PreferencesDlg.h"

CBarTimers::CBarTimers(CWnd& bar, BarSettings& settings, CBarTracker& tracker,
                       std::function<void()> save)
    : m_bar(bar), m_settings(settings), m_tracker(tracker), m_save(std::move(save)) {}

CBarTimers::~CBarTimers() = default;

void CBarTimers::StartEnabled() {
    m_tracker.Start(TimerPeriod(m_settings.windowTimerInterval, kWindowTimerPeriods),
                    m_settings.windowTimerEnabled);
    if (m_settings.autoMaximize) {
        m_autoMaximizer.Start(m_bar.m_hWnd,
                              TimerPeriod(m_settings.autoMaximizeInterval, kAutoMaximizePeriods));
    }
}

void CBarTimers::ToggleAutoMaximize() {
    if (m_settings.autoMaximize) {
        m_settings.autoMaximize = false;
        m_autoMaximizer.Stop(m_bar.m_hWnd);
    } else {
        m_settings.autoMaximize = true;
        m_autoMaximizer.Start(m_bar.m_hWnd,
                              TimerPeriod(m_settings.autoMaximizeInterval, kAutoMaximizePeriods));
    }
}

void CBarTimers::OpenPreferences() {
    if (!m_pPreferencesDlg) {
        m_pPreferencesDlg = std::make_unique<CPreferencesDlg>(
            [this](const TimerPreferences& chosen) { Apply(chosen); });
        m_pPreferencesDlg->Create(IDD_PREFERENCES, &m_bar);
    }
    m_pPreferencesDlg->ShowSettings(m_settings);
    ::SetForegroundWindow(m_pPreferencesDlg->m_hWnd); // in front even when open already
}

void CBarTimers::ClosePreferences() {
    m_pPreferencesDlg.reset();
}

// The bar shows up again on the window timer's next tick, if it runs at all.
void CBarTimers::Apply(const TimerPreferences& chosen) {
    m_tracker.Stop();
    m_autoMaximizer.Stop(m_bar.m_hWnd);
    m_tracker.Collapse();
    m_settings.autoMaximizeInterval = chosen.autoMaximizeInterval;
    m_settings.windowTimerInterval = chosen.windowTimerInterval;
    m_settings.autoMaximize = chosen.autoMaximize;
    m_settings.windowTimerEnabled = chosen.windowTimerEnabled;
    StartEnabled();
    m_save();
}
