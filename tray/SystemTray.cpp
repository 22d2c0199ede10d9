#include "tray/SystemTray.h"

#include "platform/Handles.h"
#include "platform/KeyboardReturn.h"
#include "platform/UserInteraction.h"
#include "platform/Utf8Text.h"

#include <algorithm>

namespace {

// The command at a position of the first submenu of a menu resource; false when the
// resource or its submenu is missing.
bool FindCommandAtPosition(UINT menuId, int position, UINT& command) {
    const UniqueMenu menu(::LoadMenuA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(menuId)));
    HMENU submenu = menu ? ::GetSubMenu(menu.get(), 0) : nullptr;
    if (submenu) {
        command = ::GetMenuItemID(submenu, position);
    }
    return submenu != nullptr;
}

// A text field of the icon record, cut to leave its last byte zero.
template <std::size_t size> void CopyCut(char (&field)[size], const char* text) {
    const std::string cut = CutText(text, size - 1);
    std::copy(cut.c_str(), cut.c_str() + cut.size() + 1, field);
}

} // namespace

const MessageTable<CSystemTray> CSystemTray::s_messageTable = {
    OnAfterDefault(WM_SETTINGCHANGE, &CSystemTray::OnSettingChange),
};

CSystemTray::CSystemTray(CUserInteraction& interaction)
    : m_interaction(interaction), m_iconData(),
      m_nTaskbarCreated(::RegisterWindowMessageA("TaskbarCreated")) {}

CSystemTray::~CSystemTray() {
    Uninstall();
    DestroyWindow();
}

int CSystemTray::Install(UINT callbackMessage, const char* tooltip, HICON icon, UINT iconId,
                         const char* balloonText, const char* balloonTitle, DWORD balloonIconFlags,
                         UINT balloonTimeoutSeconds) {
    CreateEx(0, "", WS_POPUP, 0, 0, 0, 0, nullptr);

    // The size of the record with balloons, understood by every shell that has them.
    m_iconData.cbSize = NOTIFYICONDATAA_V2_SIZE;
    m_iconData.hWnd = m_hWnd;
    m_iconData.uID = iconId;
    m_iconData.hIcon = icon;
    m_iconData.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    m_iconData.uCallbackMessage = callbackMessage;
    CopyCut(m_iconData.szTip, tooltip);

    const bool balloon = balloonText != nullptr;
    if (balloon) {
        m_iconData.uFlags |= NIF_INFO;
        SetBalloon(balloonText, balloonTitle, balloonIconFlags, balloonTimeoutSeconds);
    }
    m_nInstallFlags = m_iconData.uFlags;

    const BOOL added = m_interaction.NotifyIcon(NIM_ADD, m_iconData);
    m_bIconDeleted = !added;

    // The balloon is for this add only: a later re-add with the same record stays quiet.
    if (balloon) {
        m_iconData.szInfo[0] = '\0';
    }
    return added;
}

void CSystemTray::SetBalloon(const char* text, const char* title, DWORD iconFlags,
                             UINT timeoutSeconds) {
    CopyCut(m_iconData.szInfo, text);
    CopyCut(m_iconData.szInfoTitle, title ? title : "");
    m_iconData.uTimeout = timeoutSeconds * 1000;
    m_iconData.dwInfoFlags = iconFlags;
}

// Like the start's balloon, for this once only: a re-add stays quiet.
void CSystemTray::ShowBalloon(const char* text, const char* title, DWORD iconFlags,
                              UINT timeoutSeconds) {
    if (!m_nInstallFlags) {
        return;
    }
    m_iconData.uFlags = NIF_INFO;
    SetBalloon(text, title, iconFlags, timeoutSeconds);
    m_interaction.NotifyIcon(NIM_MODIFY, m_iconData);
    m_iconData.szInfo[0] = '\0';
}

bool CSystemTray::Uninstall() {
    // Nothing to put back any more, whether or not the delete below succeeds.
    m_nInstallFlags = 0;
    if (m_bIconDeleted) {
        return true;
    }
    m_iconData.uFlags = 0;
    if (m_interaction.NotifyIcon(NIM_DELETE, m_iconData)) {
        m_bIconDeleted = true;
    }
    return m_bIconDeleted;
}

// Any icon that was installed and not uninstalled since goes back, whether its add
// succeeded (the new taskbar has lost it) or failed (the taskbar was not there yet).
void CSystemTray::ReinstallIfPending() {
    if (!m_nInstallFlags) {
        return;
    }
    m_iconData.uFlags = m_nInstallFlags;
    const BOOL added = m_interaction.NotifyIcon(NIM_ADD, m_iconData);
    // A failed add may only mean the icon is still there: keep it deletable.
    if (added) {
        m_bIconDeleted = false;
    }
}

int CSystemTray::SetNotifyWindow(CWnd* window) {
    m_pNotifyWnd = window;
    return 1;
}

CWnd* CSystemTray::GetNotifyWindow() const {
    return m_pNotifyWnd;
}

void CSystemTray::SetDefaultItem(int item, bool byPosition) {
    m_nDefaultItem = item;
    m_bDefaultIsPosition = byPosition;
}

LRESULT CSystemTray::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == m_iconData.uCallbackMessage) {
        return OnTrayNotification(wParam, lParam);
    }
    if (message == m_nTaskbarCreated) {
        ReinstallIfPending();
        return 0;
    }
    return CTableWindow::WindowProc(message, wParam, lParam);
}

LRESULT CSystemTray::OnTrayNotification(WPARAM wParam, LPARAM lParam) {
    if (wParam != m_iconData.uID) {
        return 0;
    }
    CWnd* target = GetNotifyWindow();
    if (!target) {
        return 0;
    }
    if (LOWORD(lParam) == WM_RBUTTONUP) {
        return m_menuSource.activeWindows ? ShowMenu(*target) : 0;
    }
    if (LOWORD(lParam) != WM_LBUTTONDBLCLK) {
        return 1;
    }
    ::SetForegroundWindow(target->m_hWnd);
    if (m_carried.window) {
        target->SendMessage(m_carried.restoreMessage, 0,
                            reinterpret_cast<LPARAM>(m_carried.window));
        return 1;
    }
    UINT command = static_cast<UINT>(m_nDefaultItem);
    // The icon's id doubles as the id of its menu resource.
    if (m_bDefaultIsPosition &&
        !FindCommandAtPosition(LOWORD(m_iconData.uID), m_nDefaultItem, command)) {
        return 0;
    }
    target->SendMessage(WM_COMMAND, command, 0);
    return 1;
}

LRESULT CSystemTray::ShowMenu(CWnd& target) {
    // The icon's id doubles as the id of its menu resource; hidden-window icons have none.
    const CPopupMenu menu(LOWORD(m_iconData.uID));
    if (!menu) {
        return 0;
    }
    menu.SetDefaultItem(static_cast<UINT>(m_nDefaultItem), m_bDefaultIsPosition);
    AddProgramItems(menu, m_menuSource);
    CKeyboardReturn keyboard;
    keyboard.Record();
    ::SetForegroundWindow(target.m_hWnd);
    menu.Track(m_interaction, 0, target.m_hWnd);
    // Lets the menu close properly when the user clicks elsewhere.
    ::PostMessageA(target.m_hWnd, WM_NULL, 0, 0);
    keyboard.HandBack();
    return 1;
}

void CSystemTray::OnSettingChange(UINT flag) {
    // A moved or resized taskbar may have dropped its icons.
    if (flag == SPI_SETWORKAREA) {
        ReinstallIfPending();
    }
}
