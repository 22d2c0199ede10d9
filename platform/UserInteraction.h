// The few calls that wait for a person or tell them something: message boxes, popup menus,
// the folder browser, the notification area's icons and fixed waits. The application makes
// one and hands it to the parts that ask; tests hand theirs, with scripted answers.
#pragma once

#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>
#include <string>
#include <vector>

class CUserInteraction {
public:
    virtual ~CUserInteraction() = default;

    virtual int MessageBox(HWND owner, const std::string& text, const std::string& caption,
                           UINT type);
    // Tracks the menu; a chosen item reaches the owner as WM_COMMAND.
    virtual BOOL TrackPopupMenu(HMENU menu, UINT flags, int x, int y, HWND owner);
    virtual PIDLIST_ABSOLUTE BrowseForFolder(BROWSEINFOA& info);
    // The notification area: an icon added, changed (its balloon too) or deleted.
    virtual BOOL NotifyIcon(DWORD message, NOTIFYICONDATAA& data);
    virtual void Sleep(DWORD milliseconds);

    // The box, after which the keyboard goes back to the window that was in front.
    int Ask(HWND owner, const std::string& text, const std::string& caption, UINT type);
    // Such a box with the application's title as caption.
    int AppMessageBox(HWND owner, const std::string& text, UINT type = MB_OK);
    // One such box for each text, in order.
    void AppMessageBoxes(HWND owner, const std::vector<std::string>& texts);
};
