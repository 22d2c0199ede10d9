// Window transparency: the one level shared by all windows, and the layered style.
#pragma once

#include <windows.h>

// The level from 0 (invisible) to 255 (opaque) that T and the pop-up give a window.
class CTransparencyLevel {
public:
    static constexpr int kStartLevel = 200;
    static constexpr int kOpaque = 255;

    // A menu's percentage is the opacity that remains: 100 is opaque.
    static int OfPercent(int percent) { return percent * kOpaque / 100; }
    // The buttons' menu lists 90 % down to 10 %, then "Off", which is opaque.
    static int OfMenuEntry(int entry) { return OfPercent(entry < 9 ? 90 - 10 * entry : 100); }

    int Get() const { return m_nAlpha; }
    void Set(int level) { m_nAlpha = level; }

    // The extended style a window gets when the level is applied. Opaque means plain:
    // the layered style goes and the level starts again at 200 for the next T.
    LONG Apply(LONG exStyle);
    // T: the layered style switched.
    static LONG Toggle(LONG exStyle) { return exStyle ^ WS_EX_LAYERED; }

private:
    int m_nAlpha = kStartLevel;
};

// Gives the window the extended style, with the level as its alpha; false when the window
// does not answer and keeps its style, for there is no asynchronous restyle.
bool SetLayeredStyle(HWND window, LONG exStyle, int level);
bool HasLayeredStyle(HWND window);
