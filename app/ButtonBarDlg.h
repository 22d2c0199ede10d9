// The bar: the program's main window, riding on the caption of the window in front. It makes
// the program's parts at start-up, hands each what it needs and wires them together.
#pragma once

#include "app/BarFrame.h"
#include "app/BarHotkeys.h"
#include "app/BarTimers.h"
#include "app/ButtonWiring.h"
#include "app/SettingsFile.h"
#include "app/WindowActions.h"
#include "controls/BarButtons.h"
#include "platform/PlatformQuirks.h"
#include "platform/TableWindow.h"
#include "processing/HiddenWindowList.h"
#include "processing/WindowCatalogue.h"
#include "tray/HiddenWindowIcons.h"
#include "tray/ProgramTrayIcon.h"
#include "windows/AutoMaximizer.h"
#include "windows/BarTracker.h"

#include <memory>
#include <vector>

class CPreferencesDlg;
class CWindowProcessingDlg;

class CButtonBarDlg : public CTableDialog<CButtonBarDlg> {
public:
    // The person is asked and told through interaction, by the bar and each of its parts.
    CButtonBarDlg(const PlatformQuirks& quirks, CUserInteraction& interaction);
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
    const CSystemTray& TrayIcon() const { return m_trayIcon.Icon(); }
    const CHiddenWindowIcons& HiddenWindowIcons() { return m_actions.Icons(); }
    CHiddenWindowList& HiddenWindowList() { return m_hiddenWindows; }
    // What the menus, the numbered commands and the dialog list.
    CWindowCatalogue& Catalogue() { return m_catalogue; }
    CWindowProcessingDlg* ProcessingDlg() const { return m_pProcessingDlg.get(); }
    CPreferencesDlg* PreferencesDlg() const { return m_timers.PreferencesDlg(); }
    bool IsAutoMaximizeOn() const { return Settings().autoMaximize; }
    const BarSettings& Settings() const { return m_settings.Values(); }

private:
    friend CTableDialog<CButtonBarDlg>;
    static const MessageTable<CButtonBarDlg> s_messageTable;

    bool OnSysCommand(UINT command) { return CBarFrame::OnSysCommand(*this, command); }
    LRESULT OnPaint() { return CBarFrame::Paint(*this); }
    LRESULT OnQueryDragIcon() { return reinterpret_cast<LRESULT>(CBarFrame::ProgramIcon()); }
    void OnSecondStart();
    void OnDpiChanged(UINT dpi, const RECT& suggested);
    void OnPreferences() { m_timers.OpenPreferences(); }
    // The tray menu's skin selector belongs to T, whose window then owns the browser.
    void OnSkinSelector() { m_wiring.ChooseSkin(m_buttons.transparency.m_hWnd); }
    void OnWindowSelector();
    void OnWindowTimer();
    LRESULT OnWindowEvent();
    void OnAutoMaximizeTimer() { m_timers.TickAutoMaximize(); }
    void OnCheckBackTimer();
    void OnAutoMaximize() { m_timers.ToggleAutoMaximize(); }
    void OnHideTarget() { m_actions.HideTarget(); }
    void OnToggleTopmost() { m_actions.ToggleTopmost(); }
    void OnToggleTransparency() { m_actions.ToggleTransparency(); }
    void HideAll() { m_actions.HideAll(); }
    void ShowAll() { m_actions.ShowAll(); }
    void OnHideListed(UINT index) { m_actions.HideListed(index); }
    void ShowHiddenWindowAt(UINT index) { m_actions.ShowHiddenAt(index); }
    void OnRestoreWindow(HWND window) { m_actions.RestoreWindow(window); }
    void CollapseBar() { m_tracker.Collapse(); }

    // Start-up's steps.
    void LayOutAt(UINT dpi);
    void ShowOnWindowInFront();
    void CreateProcessingDlg();
    void OnHiddenWindowsChanged(CHiddenWindowList::Change change, const std::vector<HWND>& windows);
    void OnCatalogueChanged();
    void InstallTrayIcon();

    CUserInteraction& m_interaction;
    CSettingsFile m_settings;
    CHiddenWindowList m_hiddenWindows;
    CWindowCatalogue m_catalogue;
    std::unique_ptr<CWindowProcessingDlg> m_pProcessingDlg;
    CBarButtons m_buttons;
    CProgramTrayIcon m_trayIcon; // before the actions, which tell through it
    CTargetTransparency m_transparency;
    CBarTracker m_tracker;
    CWindowActions m_actions;
    CBarTimers m_timers;
    CButtonWiring m_wiring;
    bool m_bExiting = false; // a Quit that arrives during the exit question is ignored
};
