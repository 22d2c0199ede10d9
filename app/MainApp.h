// The application: runs the bar until it ends, or hands over to the bar that runs already.
#pragma once

#include "platform/WinApp.h"

class CMainApp : public CWinApp {
public:
    BOOL InitInstance() override;
    // 1 when the bar's window could not be made, else 0.
    int ExitInstance() override { return m_nExitCode; }

private:
    void RunBar();

    int m_nExitCode = 0;
};
