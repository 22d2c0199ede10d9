// The bar: the program's main window, riding on the caption of the window in front. It makes
// the program's parts at start-up, hands each what it needs and wires them together.
#pragma once

#include "app/BarSettings.h"
#include "app/BarTimers.h"
#include "app/WindowActions.h"
#include "controls/BarButtons.h"
#include "platform/Dialog.h"
#include "platform/Handles.h"
#include "platform/MessageTable.h"
#include "platform/PlatformQuirks.h"
#include "processing/HiddenWindowList.h"
#include "tray/HiddenWindowIcons.h"
#include "tray/SystemTray.h"
#include "windows/AutoMaximizer.h"
#include "windows/BarTracker.h"

#include <memory>
#include <string>
#include <vector>

class CPreferencesDlg;
class CWindowProcessingDlg;

class CButtonBarDlg : public CDialog {
public:
    static constexpr UINT kWindowTimer = CBarTracker::kWindowTimer;
    static constexpr UINT kAutoMaximizeTimer = CAutoMaximizer::kTimer;
    static constexpr int kHideAllHotkey = 1000;
    static constexpr int kShowAllHotkey = 1001;
    static constexpr UINT kTrayCallbackMessage = WM_APP + 10;
    static constexpr UINT kTrayIconId = 133;

    explicit CButtonBarDlg(const PlatformQuirks& quirks);
    ~CButtonBarDlg() override;

    BOOL OnInitDialog() override;
    void DoDataExchange() override;
    // Enter, Esc and WM_CLOSE never end the bar; only ExitProgram does.
    void OnOK() override {}
    void OnCancel() override {}
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    void ExitProgram();
    // Broadcast by a second start of the program, which then leaves.
    static UINT SecondStartMessage();

    // The bar's parts, for the program's tests.
    const CBarTracker& Tracker() const { return m_tracker; }
    const CAutoMaximizer& AutoMaximizer() const { return m_timers.AutoMaximizer(); }
    CBarButtons& Buttons() { return m_buttons; }
    CWindowActions& Actions() { return m_actions; }
    const CSystemTray& TrayIcon() const { return m_trayIcon; }
    const CHiddenWindowIcons& HiddenWindowIcons() { return m_actions.Icons(); }
    CHiddenWindowList& HiddenWindowList() { return m_hiddenWindows; }
    CWindowProcessingDlg* ProcessingDlg() const { return m_pProcessingDlg.get(); }
    CPreferencesDlg* PreferencesDlg() const { return m_timers.PreferencesDlg(); }
    bool IsAutoMaximizeOn() const { return m_settings.autoMaximize == 1; }
    // What the menus list under "Hidden windows", and their commands index.
    const std::vector<HWND>& HiddenWindows() const;

private:
    static const MessageEntry<CButtonBarDlg> s_messageTable[];
    using Faults = std::vector<std::string>; // what to tell the user, in order

    // The about box; false for the commands the default handling is to have.
    bool OnSysCommand(UINT command);
    LRESULT OnPaint();
    LRESULT OnQueryDragIcon();
    void OnSecondStart();
    void OnDpiChanged(UINT dpi, const RECT& suggested);
    void OnQuit();
    void OnPreferences();
    void OnSkinSelector();
    void OnWindowSelector();
    void OnWindowTimer();
    LRESULT OnWindowEvent();
    void OnAutoMaximizeTimer();
    void OnAutoMaximize();
    void OnHideTarget();
    void OnToggleTopmost();
    void OnToggleTransparency();
    void HideAll();
    void ShowAll();
    void OnHideListed(UINT index);
    void ShowHiddenWindowAt(UINT index);
    void OnRestoreWindow(UINT iconNumber, HWND window);
    void CollapseBar();

    // Start-up's steps.
    void AddAboutToSystemMenu();
    void WireButtons();
    void LayOutAt(UINT dpi);
    void ShowOnWindowInFront();
    void CreateProcessingDlg();
    void InstallTrayIcon();
    void RegisterHotkey(int id, WORD modifiers, WORD key, const char* failureText, Faults& faults);
    void TellFaults(const Faults& faults);
    // A button's menu: the bar's commands, less those the buttons answer themselves.
    void OnButtonMenuChoice(const CSkinButton& button, UINT command);
    // Faces that failed to load stay as they were; the name is stored all the same.
    void ApplySkin(const std::string& skinFolder);
    void SaveSettings();

    BarSettings m_settings;
    CHiddenWindowList m_hiddenWindows;
    std::unique_ptr<CWindowProcessingDlg> m_pProcessingDlg;
    CBarButtons m_buttons;
    CBarTracker m_tracker;
    CWindowActions m_actions;
    CBarTimers m_timers;
    UniqueIcon m_trayImage; // destroyed after the icon that shows it (declared before it)
    CSystemTray m_trayIcon;
    const UINT m_nSecondStartMessage;
    int m_bExiting = 0; // a Quit that arrives during the exit question is ignored
};
