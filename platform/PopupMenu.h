// A menu for one showing: the first submenu of a menu resource, to which submenus of windows
// are added, tracked at the mouse pointer. Its items are reached by command id.
#pragma once

#include "platform/Handles.h"
#include "platform/UserInteraction.h"

#include <vector>

class CPopupMenu {
public:
    explicit CPopupMenu(UINT resourceId);
    // False when the resource or its first submenu is missing.
    explicit operator bool() const { return m_popup != nullptr; }
    HMENU Handle() const { return m_popup; }

    void SetDefaultItem(UINT item, bool byPosition) const;
    void Check(UINT command) const;
    // A submenu inserted at a position; entry i is windows[i] by its present title, with
    // command firstId + i. Command ids are 16 bits: only the windows whose ids stay below
    // endId are listed. With no windows it holds emptyText, if given, as one inert item.
    void InsertWindows(UINT position, const char* text, const std::vector<HWND>& windows,
                       UINT firstId, UINT endId, const char* emptyText) const;
    // The choice reaches owner as WM_COMMAND once the menu has closed.
    void Track(CUserInteraction& interaction, UINT flags, HWND owner) const;

private:
    UniqueMenu m_menu;
    HMENU m_popup;
};
