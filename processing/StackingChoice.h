// The dialog's three stacking radio buttons. Each starts a group of its own, so the check
// marks are kept here.
#pragma once

#include "platform/Button.h"
#include "processing/Stacking.h"

class CStackingChoice {
public:
    void Bind(CWnd& dialog);
    void Choose(Stacking mode) const;
    // The checked layout; None when none is checked.
    Stacking Mode() const;

private:
    CButton m_radioVertical;
    CButton m_radioRectangles;
    CButton m_radioHorizontal;
};
