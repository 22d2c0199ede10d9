// Slider (trackbar) control wrapper.
#pragma once

#include "platform/Wnd.h"

#include <commctrl.h>

class CSliderCtrl : public CWnd {
public:
    void SetRange(int minimum, int maximum, BOOL redraw) const {
        SendMessage(TBM_SETRANGE, redraw, MAKELPARAM(minimum, maximum));
    }
    void SetPos(int position) const { SendMessage(TBM_SETPOS, TRUE, position); }
    int GetPos() const { return static_cast<int>(SendMessage(TBM_GETPOS)); }
};
