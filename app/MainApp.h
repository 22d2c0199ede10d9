// The application: runs the bar until it ends, or hands over to the bar that runs already.
#pragma once

#include "platform/WinApp.h"

class CMainApp : public CWinApp {
public:
    BOOL InitInstance() override;

private:
    void RunBar();
};
