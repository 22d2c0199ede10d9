// The calls for DPI and the desktop's composition that only newer Windows has: looked up
// once, so that the program still starts where they are missing, and never per tick.
#pragma once

#include <windows.h>

class CDpiCalls {
public:
    static constexpr UINT kDefaultDpi = 96; // 100 %: the faces and metrics of a plain screen
    // The rectangle attributes of the desktop's composition.
    static constexpr DWORD kExtendedFrameBounds = 9; // DWMWA_EXTENDED_FRAME_BOUNDS
    static constexpr DWORD kCaptionButtonBounds = 5; // DWMWA_CAPTION_BUTTON_BOUNDS
    static constexpr DWORD kCloaked = 14;            // DWMWA_CLOAKED, a DWORD
    // WM_DPICHANGED: a window of a per-monitor aware program went to a monitor of another DPI.
    static constexpr UINT kDpiChangedMessage = 0x02E0;

    // Those this system has; none at all by default. Without windowDpi the system's DPI
    // stands for every window's.
    static CDpiCalls OfThisSystem(bool windowDpi);
    using WindowAttributeCall = HRESULT(WINAPI*)(HWND, DWORD, PVOID, DWORD);
    // These calls with the compositor's attributes read through another function: a test's
    // windows are then cloaked or composed without a compositor.
    CDpiCalls WithWindowAttribute(WindowAttributeCall call) const;

    // The DPI the window is laid out at: its monitor's where the system scales per monitor,
    // else the system's.
    UINT WindowDpi(HWND window) const;
    // Whether MetricForDpi can be asked; where not, the system's metrics are its DPI's.
    bool HasMetricsForDpi() const { return m_metricForDpi != nullptr; }
    int MetricForDpi(int index, UINT dpi) const { return m_metricForDpi(index, dpi); }
    // Read from the compositor, without a message to the window's program. False where the
    // desktop does not compose windows or the window has no such bounds.
    bool CompositionBounds(HWND window, DWORD attribute, RECT& bounds) const;
    // Shown to IsWindowVisible but kept off the screen by the compositor: a suspended Store
    // app, a window on another virtual desktop. Never where the desktop does not compose.
    bool IsCloaked(HWND window) const;

private:
    UINT(WINAPI* m_dpiForWindow)(HWND) = nullptr;
    int(WINAPI* m_metricForDpi)(int, UINT) = nullptr;
    WindowAttributeCall m_windowAttribute = nullptr;
    UINT m_systemDpi = kDefaultDpi;
};
