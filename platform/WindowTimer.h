// A timer of a window, by id, that knows whether it runs and at which period.
#pragma once

#include <windows.h>

class CWindowTimer {
public:
    explicit CWindowTimer(UINT id) : m_nId(id) {}

    void Start(HWND window, UINT milliseconds) {
        m_nPeriod = milliseconds;
        ::SetTimer(window, m_nId, milliseconds, nullptr);
    }
    void Stop(HWND window) {
        m_nPeriod = 0;
        ::KillTimer(window, m_nId);
    }
    UINT Id() const { return m_nId; }
    // 0 while stopped.
    UINT Period() const { return m_nPeriod; }

private:
    UINT m_nId;
    UINT m_nPeriod = 0;
};
