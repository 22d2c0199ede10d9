#include "app/MainApp.h"

#include "app/ButtonBarDlg.h"

#include <commctrl.h>

BOOL CMainApp::InitInstance() {
    // The preferences and transparency dialogs hold sliders.
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_BAR_CLASSES};
    ::InitCommonControlsEx(&controls);

    CButtonBarDlg bar;
    SetMainWnd(&bar);
    bar.DoModal();
    SetMainWnd(nullptr);
    return FALSE;
}
