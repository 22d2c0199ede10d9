// The preferences dialog: the two timers, switched on or off, and their periods.
#pragma once

#include "platform/Dialog.h"
#include "resource.h"

class CPreferencesDlg : public CDialog {
public:
    CPreferencesDlg() : CDialog(IDD_PREFERENCES) {}

    // Modeless: Enter does nothing, closing hides it.
    void OnOK() override {}
    void OnCancel() override { ShowWindow(SW_HIDE); }
};
