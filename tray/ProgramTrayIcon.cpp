#include "tray/ProgramTrayIcon.h"

#include "resource.h"

namespace {
const char kTooltip[] = "Panewarden - Controll your windows";
const char kFirstRunBalloon[] = "Rightclick on icon to get additional options!";
} // namespace

void CProgramTrayIcon::Install(bool firstRun, ProgramMenuSource menuSource, CWnd& notify) {
    m_image.reset(static_cast<HICON>(::LoadImageA(
        ::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_TRAY), IMAGE_ICON, 16, 16, 0)));
    m_icon.Install(WM_APP_TRAYICON, kTooltip, m_image.get(), kIconId,
                   firstRun ? kFirstRunBalloon : nullptr, firstRun ? kTooltip : nullptr,
                   firstRun ? NIIF_INFO : 0, 10);
    m_icon.SetMenuSource(std::move(menuSource));
    m_icon.SetNotifyWindow(&notify);
    m_icon.SetDefaultItem(1, true);
}
