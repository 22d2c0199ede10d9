// "Automaximize IE": a timer whose ticks keep the browser's window maximized.
#pragma once

#include "platform/WindowTimer.h"
#include "resource.h"

class CAutoMaximizer {
public:
    const CWindowTimer& Timer() const { return m_timer; }
    void Start(HWND bar, UINT period) { m_timer.Start(bar, period); }
    void Stop(HWND bar) { m_timer.Stop(bar); }
    void Tick() const;

private:
    CWindowTimer m_timer{IDT_AUTOMAXIMIZE};
};
