#include "tray/ProgramMenu.h"

#include "resource.h"

void AddProgramItems(const CPopupMenu& menu, const ProgramMenuSource& source) {
    if (source.autoMaximizeOn()) {
        menu.Check(ID_AUTOMAXIMIZE);
    }
    UINT position = 0;
    if (source.activeWindows) {
        menu.InsertWindows(position++, "Active windows", source.activeWindows(),
                           ID_ACTIVEWINDOW_FIRST, ID_HIDDENWINDOW_FIRST, nullptr);
    }
    menu.InsertWindows(position, "Hidden windows", source.hiddenWindows(), ID_HIDDENWINDOW_FIRST,
                       0x10000, "<there are no hidden windows>");
}
