#include "platform/WindowMenu.h"

#include "platform/Wnd.h"
#include "resource.h"

HMENU InsertWindowSubmenu(HMENU menu, UINT position, const char* text,
                          const std::vector<HWND>& windows, UINT firstId, UINT endId) {
    HMENU submenu = ::CreatePopupMenu();
    ::InsertMenuA(menu, position, MF_BYPOSITION | MF_POPUP, reinterpret_cast<UINT_PTR>(submenu),
                  text);
    for (std::size_t i = 0; i < windows.size() && firstId + i < endId; ++i) {
        ::AppendMenuA(submenu, MF_STRING, firstId + i, WindowTitle(windows[i]).c_str());
    }
    return submenu;
}

void InsertHiddenWindowsSubmenu(HMENU menu, UINT position, const std::vector<HWND>& windows) {
    HMENU submenu = InsertWindowSubmenu(menu, position, "Hidden windows", windows,
                                        ID_HIDDENWINDOW_FIRST, 0x10000);
    if (windows.empty()) {
        ::AppendMenuA(submenu, MF_STRING, 0, "<there are no hidden windows>");
    }
}
