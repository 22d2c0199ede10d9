#include "tray/HiddenWindowIcons.h"

#include "platform/Wnd.h"
#include "platform/WindowCalls.h"
#include "resource.h"

namespace {

// The window's own icon, small before big, else the program's hidden-window icon.
HICON HiddenWindowIcon(const CWindowCalls& window) {
    HICON icon = reinterpret_cast<HICON>(window.Send(WM_GETICON, ICON_SMALL, 0));
    if (!icon) {
        icon = reinterpret_cast<HICON>(window.Send(WM_GETICON, ICON_BIG, 0));
    }
    if (!icon) {
        icon = reinterpret_cast<HICON>(::GetClassLongPtrA(window.Handle(), GCLP_HICONSM));
    }
    if (!icon) {
        icon = static_cast<HICON>(::LoadImageA(::GetModuleHandleA(nullptr),
                                               MAKEINTRESOURCEA(IDI_HIDDENWINDOW), IMAGE_ICON, 16,
                                               16, LR_SHARED));
    }
    return icon;
}

} // namespace

void CHiddenWindowIcons::Add(const CWindowCalls& window, CWnd* notify) {
    const std::string tooltip = "Hidden window: " + WindowTitle(window.Handle());
    const UINT n = static_cast<UINT>(m_icons.size());
    auto icon = std::make_unique<CSystemTray>(m_interaction);
    icon->Install(WM_APP_HIDDENICON + n, tooltip.c_str(), HiddenWindowIcon(window), 0, nullptr,
                  nullptr, 0, 10);
    icon->SetCarriedWindow(window.Handle(), WM_APP_RESTOREWINDOW);
    icon->SetNotifyWindow(notify);
    m_icons.push_back(std::move(icon));
}

void CHiddenWindowIcons::Remove(HWND window) {
    for (auto icon = m_icons.begin(); icon != m_icons.end(); ++icon) {
        if ((*icon)->GetCarriedWindow() == window) {
            m_icons.erase(icon);
            return;
        }
    }
}
