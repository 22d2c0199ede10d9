// Trackbar (slider) control wrapper.
#pragma once

#include "platform/Wnd.h"

#include <commctrl.h>

class CSliderCtrl : public CWnd {
public:
    void SetRange(int minimum, int maximum, BOOL redraw) const {
        SendMessage(TBM_SETRANGEMIN, FALSE, minimum);
        SendMessage(TBM_SETRANGEMAX, redraw, maximum);
    }
    int GetPos() const { return static_cast<int>(SendMessage(TBM_GETPOS)); }
    void SetPos(int position) const { SendMessage(TBM_SETPOS, TRUE, position); }
};
