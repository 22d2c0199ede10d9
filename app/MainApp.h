// The application: runs the bar until it ends.
#pragma once

#include "platform/WinApp.h"

class CMainApp : public CWinApp {
public:
    BOOL InitInstance() override;
};
