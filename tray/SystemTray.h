// One icon in the notification area and the invisible window that receives its
// mouse notifications.
#pragma once

#include "platform/TableWindow.h"
#include "platform/UserInteraction.h"
#include "platform/Wnd.h"
#include "tray/ProgramMenu.h"

#include <shellapi.h>

#include <functional>
#include <vector>

// One icon, whatever the name says: the program's own and each hidden window's are one each.
class CSystemTray : public CTableWindow<CSystemTray, CWnd> {
public:
    explicit CSystemTray(CUserInteraction& interaction);
    ~CSystemTray() override;

    // Creates the icon's window and adds the icon; a balloon is shown only when
    // balloonText is given. Returns the result of the add.
    int Install(UINT callbackMessage, const char* tooltip, HICON icon, UINT iconId,
                const char* balloonText, const char* balloonTitle, DWORD balloonIconFlags,
                UINT balloonTimeoutSeconds);
    // True when the icon is out of the notification area.
    bool Uninstall();
    // A balloon on the installed icon.
    void ShowBalloon(const char* text, const char* title, DWORD iconFlags, UINT timeoutSeconds);
    // Puts an installed icon back after the taskbar restarted or the work area changed.
    void ReinstallIfPending();

    // What the icon's menu lists, asked for at each opening; an icon without it has no menu.
    void SetMenuSource(ProgramMenuSource source) { m_menuSource = std::move(source); }
    int SetNotifyWindow(CWnd* window);
    CWnd* GetNotifyWindow() const;
    void SetDefaultItem(int item, bool byPosition);
    // A hidden window's icon carries its window; a double-click sends restoreMessage with it
    // in lParam.
    void SetCarriedWindow(HWND window, UINT restoreMessage) {
        m_carried = {window, restoreMessage};
    }
    HWND GetCarriedWindow() const { return m_carried.window; }

    const NOTIFYICONDATAA& GetIconData() const { return m_iconData; }

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    // The icon's mouse notification: wParam the icon id, low word of lParam the mouse message.
    virtual LRESULT OnTrayNotification(WPARAM wParam, LPARAM lParam);

private:
    friend CTableWindow<CSystemTray, CWnd>;
    static const MessageTable<CSystemTray> s_messageTable;

    void OnSettingChange(UINT flag);
    // The balloon's fields of the record; its flag is the caller's.
    void SetBalloon(const char* text, const char* title, DWORD iconFlags, UINT timeoutSeconds);
    // The icon's menu with the two window submenus, tracked for the target window.
    LRESULT ShowMenu(CWnd& target);

    CUserInteraction& m_interaction;
    ProgramMenuSource m_menuSource;
    NOTIFYICONDATAA m_iconData;
    bool m_bIconDeleted = true;
    CWnd* m_pNotifyWnd = nullptr;
    int m_nDefaultItem = 0;
    bool m_bDefaultIsPosition = true;
    int m_nInstallFlags = 0;
    struct {
        HWND window;
        UINT restoreMessage;
    } m_carried = {};
    // The shell broadcasts it when the taskbar (re)starts; fixed for the session.
    UINT m_nTaskbarCreated;
};
