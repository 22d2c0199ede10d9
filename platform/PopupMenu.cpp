#include "platform/PopupMenu.h"

#include "platform/Wnd.h"

CPopupMenu::CPopupMenu(UINT resourceId)
    : m_menu(::LoadMenuA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(resourceId))),
      m_popup(m_menu ? ::GetSubMenu(m_menu.get(), 0) : nullptr) {}

void CPopupMenu::SetDefaultItem(UINT item, bool byPosition) const {
    ::SetMenuDefaultItem(m_popup, item, byPosition ? TRUE : FALSE);
}

void CPopupMenu::Check(UINT command) const {
    ::CheckMenuItem(m_popup, command, MF_BYCOMMAND | MF_CHECKED);
}

void CPopupMenu::InsertWindows(UINT position, const char* text, const std::vector<HWND>& windows,
                               UINT firstId, UINT endId, const char* emptyText) const {
    HMENU submenu = ::CreatePopupMenu();
    ::InsertMenuA(m_popup, position, MF_BYPOSITION | MF_POPUP, reinterpret_cast<UINT_PTR>(submenu),
                  text);
    for (std::size_t i = 0; i < windows.size() && firstId + i < endId; ++i) {
        ::AppendMenuA(submenu, MF_STRING, firstId + i, WindowTitle(windows[i]).c_str());
    }
    if (windows.empty() && emptyText) {
        ::AppendMenuA(submenu, MF_STRING, 0, emptyText);
    }
}

// At the pointer's position now, not the one of the message that asked for the menu.
void CPopupMenu::Track(CUserInteraction& interaction, UINT flags, HWND owner) const {
    POINT cursor = {};
    ::GetCursorPos(&cursor);
    interaction.TrackPopupMenu(m_popup, flags, cursor.x, cursor.y, owner);
}
