// The about box, opened from the bar's system menu.
#pragma once

#include "platform/Dialog.h"
#include "resource.h"

class CAboutDlg : public CDialog {
public:
    CAboutDlg() : CDialog(IDD_ABOUTBOX) {}
};
