// What the bar does to windows: H, A and T on the target and their faces, hide-all, show-all
// and the numbered window commands.
#pragma once

#include "controls/BarButtons.h"
#include "processing/HiddenWindowList.h"
#include "processing/WindowCatalogue.h"
#include "tray/HiddenWindowIcons.h"
#include "tray/SystemTray.h"
#include "windows/BarTracker.h"
#include "windows/TargetTransparency.h"

class CWindowActions {
public:
    // The tray icon tells of refused actions.
    CWindowActions(CWnd& bar, CBarTracker& tracker, CTargetTransparency& transparency,
                   CHiddenWindowList& hiddenWindows, CWindowCatalogue& catalogue,
                   CBarButtons& buttons, CSystemTray& trayIcon, CUserInteraction& interaction);

    CTargetTransparency& Transparency() { return m_transparency; }
    // One icon per window hidden with H.
    CHiddenWindowIcons& Icons() { return m_icons; }

    void HideTarget();
    void ToggleTopmost();
    // The click has flipped T's face already: it is put right when the window kept its style.
    void ToggleTransparency();
    void HideAll();
    void ShowAll();
    // The numbered window commands: hide entry index of the catalogue's window list, show
    // entry index of its hidden-window list; and show the window of a hidden-window icon.
    void HideListed(UINT index);
    void ShowHiddenAt(UINT index);
    void RestoreWindow(HWND window);

    // Brings the window the bar rides on to the top and into the foreground.
    void ActivateTarget();
    // A transparency level was given to the window.
    void OnTransparencyApplied(HWND window, bool activate);
    // The A and T faces show the window's topmost and layered styles.
    void SyncButtonFaces(HWND window);
    // The system refused a change to the window (its program runs with higher rights): the
    // tray icon's balloon says so, once per window.
    void TellRefused(HWND window);

private:
    CWnd& m_bar;
    CBarTracker& m_tracker;
    CHiddenWindowList& m_hiddenWindows;
    CWindowCatalogue& m_catalogue;
    CHiddenWindowIcons m_icons;
    CBarButtons& m_buttons;
    CTargetTransparency& m_transparency;
    CSystemTray& m_trayIcon;
    std::vector<HWND> m_toldRefused;
};
