// The bar's three buttons, H, A and T, and their layout at any DPI.
#pragma once

#include "controls/SkinButton.h"

class CBarButtons {
public:
    explicit CBarButtons(CUserInteraction& interaction)
        : hide(interaction), topmost(interaction), transparency(interaction) {}

    CSkinButton hide;
    CSkinButton topmost;
    CSkinButton transparency;

    // The buttons of the bar's template and the bar itself as at 96 DPI, from the layout the
    // dialog manager made at dpi.
    void TakeLayoutAt96(CWnd& bar, UINT dpi);
    // The buttons moved and drawn at a DPI; the bar's size there, which every placement gives
    // it (the bar itself keeps its rectangle).
    SIZE LayOutAt(UINT dpi);

private:
    RECT m_layoutAt96[4] = {}; // H, A, T and the bar itself, in the bar's client area
};
