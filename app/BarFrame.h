// The bar's own window as a dialog shows it: the program's icon, and "About" in its system
// menu.
#pragma once

#include "platform/Wnd.h"

class CBarFrame {
public:
    static HICON ProgramIcon();
    // The program's icon on the bar, and the about box's entry in its system menu.
    static void AddIconAndAbout(CWnd& bar);
    // The about box; false for the commands the default handling is to have.
    static bool OnSysCommand(CWnd& bar, UINT command);
    // A minimised bar shows the program's icon.
    static LRESULT Paint(CWnd& bar);
};
