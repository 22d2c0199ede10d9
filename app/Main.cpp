#include "app/MainApp.h"

#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    CMainApp app;
    return app.RunToExitCode();
}
