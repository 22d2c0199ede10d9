// The bar: the program's main window, riding on the caption of the window in front.
#pragma once

#include "app/BarSettings.h"
#include "app/PreferencesOwner.h"
#include "controls/SkinButton.h"
#include "controls/SkinButtonOwner.h"
#include "platform/Dialog.h"
#include "platform/Handles.h"
#include "platform/MessageTable.h"
#include "platform/PlatformQuirks.h"
#include "processing/HiddenWindowList.h"
#include "tray/SystemTray.h"
#include "tray/SystemTrayOwner.h"
#include "windows/BarPlacement.h"
#include "windows/Transparency.h"

#include <map>
#include <memory>
#include <optional>
#include <vector>

class CPreferencesDlg;
class CWindowProcessingDlg;

class CButtonBarDlg : public CDialog,
                      public CSkinButtonOwner,
                      public CSystemTrayOwner,
                      public CPreferencesOwner {
public:
    static constexpr UINT kWindowTimer = 1124;
    static constexpr UINT kAutoMaximizeTimer = 1125;
    static constexpr int kHideAllHotkey = 1000;
    static constexpr int kShowAllHotkey = 1001;
    static constexpr UINT kTrayCallbackMessage = WM_APP + 10;
    static constexpr UINT kTrayIconId = 133;
    static constexpr UINT kHiddenIconMessage = WM_APP + 100; // + n for hidden-window icon n

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

    // What the bar holds, for the program's tests.
    HWND Target() const { return m_pTarget; }
    CSkinButton& Button(UINT id);
    const CSystemTray& TrayIcon() const { return m_trayIcon; }
    const std::vector<std::unique_ptr<CSystemTray>>& HiddenTrayIcons() const {
        return m_hiddenTrayIcons;
    }
    CHiddenWindowList& HiddenWindowList() { return m_hiddenWindows; }
    CWindowProcessingDlg* ProcessingDlg() const { return m_pProcessingDlg.get(); }
    CPreferencesDlg* PreferencesDlg() const { return m_pPreferencesDlg.get(); }
    // The timers running, by id, with their periods.
    const std::map<UINT, UINT>& TimerPeriods() const { return m_timerPeriods; }

    // CSkinButtonOwner
    void ActivateTarget() override;
    int GetTransparencyLevel() const override { return m_transparency.Get(); }
    void SetTransparencyLevel(int level) override;
    const std::vector<HWND>& HiddenWindows() const override;
    void ShowWindowSelector() override;
    int IsAutoMaximizeOn() const override { return m_settings.autoMaximize == 1; }
    void ApplySkin(const std::string& skinFolder) override;
    // CSystemTrayOwner
    void RefreshWindowLists() override;
    const std::vector<HWND>& ActiveWindows() const override;
    // CPreferencesOwner: restarts the timers with the values and saves them.
    void ApplyPreferences(const TimerPreferences& chosen) override;

private:
    static const MessageEntry<CButtonBarDlg> s_messageTable[];

    LRESULT OnSysCommand(WPARAM command, LPARAM lParam);
    LRESULT OnPaint(WPARAM wParam, LPARAM lParam);
    LRESULT OnQueryDragIcon(WPARAM wParam, LPARAM lParam);
    LRESULT OnSecondStart(WPARAM wParam, LPARAM lParam);
    void OnQuit();
    void OnPreferences();
    void OnSkinSelector();
    void OnWindowSelector();
    void LoadSettings();
    void SaveSettings();
    // Also sets the period the quiet ticks are counted in.
    void StartEnabledTimers();
    // Start-up's steps.
    using Faults = std::vector<std::string>; // what to tell the user, in order
    void AddAboutToSystemMenu();
    void ShowOnWindowInFront();
    void CreateProcessingDlg();
    void InstallTrayIcon();
    void RegisterHotkey(int id, WORD modifiers, WORD key, const char* failureText, Faults& faults);
    Faults LoadSkinFaces(const std::string& skinFolder);
    void TellFaults(const Faults& faults);

    // Following the window in front (ButtonBarTracking.cpp).
    LRESULT OnTimer(WPARAM timerId, LPARAM lParam);
    void OnWindowTimer();
    // Moves the bar, and the pop-up if shown, onto the window in front; true if the bar moved
    // or the target is new.
    bool PlaceBarOn(HWND foreground, const RECT& target);
    LRESULT OnDpiChanged(WPARAM dpi, LPARAM suggested);
    // The bar and its buttons as at 96 DPI, from the layout the dialog manager made at dpi;
    // then at a DPI, with the faces drawn at it.
    void TakeLayoutAt96(UINT dpi);
    void LayOutAt(UINT dpi);
    // Restacks the bar when asked, or when some window other than its own has come above it.
    void KeepBarOnTop(bool restack, HWND foreground);
    void RaiseOnScreen();
    void OnAutoMaximizeTimer();
    void OnAutoMaximize();
    // Timer periods come from a hand-editable file: keep them within what the system accepts.
    void StartTimer(UINT timerId, int period);
    void StopTimer(UINT timerId);
    void CollapseBar();
    void SetWindowTopmost(int mode, HWND window);
    // The T button's pop-up while it is on screen, else null.
    CTransparencyDlg* ShownTransparencyDlg() const;
    // A click into another window ends the slider's use: left open, the pop-up would cover
    // the bar's buttons.
    void CloseTransparencyDlg();

    // What the bar does to windows (ButtonBarActions.cpp).
    void OnHideTarget();
    void OnToggleTopmost();
    void OnToggleTransparency();
    void HideAll();
    void ShowAll();
    // The numbered window commands: hide entry index of the window list, show entry index
    // of the hidden-window list, show the window of a hidden-window icon.
    void OnHideListed(UINT index);
    void ShowHiddenWindowAt(UINT index);
    void OnRestoreWindow(UINT iconNumber, HWND window);
    void RemoveHiddenWindowIcon(HWND window);
    int TransparencySupported() const;
    // False when the window's style stayed as it was.
    bool ToggleTransparency(HWND window);
    void ApplyTransparencyLevel(HWND window);
    int IsTransparent(HWND window) const;
    // The A and T faces show the window's topmost and layered styles.
    void SyncButtonFaces(HWND window);

    PlatformQuirks m_quirks;
    CHiddenWindowList m_hiddenWindows;
    std::unique_ptr<CWindowProcessingDlg> m_pProcessingDlg;
    CSkinButton m_btnHide{*this};
    CSkinButton m_btnTransparency{*this};
    CSkinButton m_btnTopmost{*this};
    HICON m_hIcon;
    RECT m_rcBar = {};
    RECT m_layoutAt96[4] = {}; // H, A, T and the bar itself, in the bar's client area
    HWND m_pTarget = nullptr;
    std::optional<RECT> m_placedOn; // the target's rectangle when the bar was last placed
    CTransparencyLevel m_transparency;
    UniqueIcon m_trayImage; // destroyed after the icon that shows it (declared before it)
    CSystemTray m_trayIcon{this};
    std::vector<std::unique_ptr<CSystemTray>> m_hiddenTrayIcons;
    BarSettings m_settings;
    std::map<UINT, UINT> m_timerPeriods;
    std::unique_ptr<CPreferencesDlg> m_pPreferencesDlg;
    HWND m_hLastForeground = nullptr; // the foreground window of the last tick
    bool m_bRestackDue = false;       // an action activated, restyled or restacked the target
    // The shell's windows as looked up when that window came to the front: while the same
    // window stays in front, what it is does not change.
    TrackedWindows m_tracked = {};
    QuietTicks m_quietTicks{USER_TIMER_MINIMUM}; // counted in the window timer's period
    int m_bExiting = 0; // a Quit that arrives during the exit question is ignored
};
