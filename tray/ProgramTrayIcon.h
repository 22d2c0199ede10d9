// The program's own icon in the notification area: its image, its tooltip, the balloon of a
// first run, and its menu.
#pragma once

#include "platform/Handles.h"
#include "tray/SystemTray.h"

class CProgramTrayIcon {
public:
    static constexpr UINT kIconId = 133;

    explicit CProgramTrayIcon(CUserInteraction& interaction) : m_icon(interaction) {}

    // The balloon only on a first run; the menu's commands go to notify.
    void Install(bool firstRun, ProgramMenuSource menuSource, CWnd& notify);
    void Remove() { m_icon.DestroyWindow(); }
    const CSystemTray& Icon() const { return m_icon; }
    CSystemTray& Icon() { return m_icon; }

private:
    UniqueIcon m_image; // destroyed after the icon that shows it (declared before it)
    CSystemTray m_icon;
};
