// The bar: the program's main window, riding on the caption of the window in front.
#pragma once

#include "app/BarSettings.h"
#include "controls/SkinButton.h"
#include "controls/SkinButtonOwner.h"
#include "processing/WindowProcessingOwner.h"
#include "platform/Dialog.h"
#include "platform/MessageTable.h"
#include "tray/SystemTray.h"
#include "tray/SystemTrayOwner.h"

#include <memory>
#include <type_traits>
#include <vector>

class CPreferencesDlg;
class CWindowProcessingDlg;

class CButtonBarDlg : public CDialog,
                      public CSkinButtonOwner,
                      public CWindowProcessingOwner,
                      public CSystemTrayOwner {
public:
    static constexpr UINT kWindowTimer = 1124;
    static constexpr UINT kAutoMaximizeTimer = 1125;
    static constexpr int kHideAllHotkey = 1000;
    static constexpr int kShowAllHotkey = 1001;
    static constexpr UINT kTrayCallbackMessage = WM_APP + 10;
    static constexpr UINT kTrayIconId = 133;
    static constexpr UINT kHiddenIconMessage = WM_APP + 100; // + n for hidden-window icon n

    CButtonBarDlg();
    ~CButtonBarDlg() override;

    BOOL OnInitDialog() override;
    void DoDataExchange() override;
    // Enter, Esc and WM_CLOSE never end the bar; only ExitProgram does.
    void OnOK() override {}
    void OnCancel() override {}
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    // Hotkeys and the numbered window commands, then the platform's default.
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    void ExitProgram() override;
    void LoadSettings();
    void SaveSettings();

    void CollapseBar();
    void SetWindowTopmost(int mode, HWND window);
    void OnHideTarget();
    void OnToggleTopmost();
    void OnToggleTransparency();
    void HideAll();
    void ShowAll();
    void ActivateTarget() override;
    int TransparencySupported() const;
    // False when the window's style stayed as it was.
    bool ToggleTransparency(HWND window);
    void ApplyTransparencyLevel(HWND window);
    void SetTransparencyLevel(int level) override;
    int GetTransparencyLevel() const override { return m_nAlpha; }
    int IsTransparent(HWND window) const;
    int IsTopmost(HWND window) const;
    // The A and T faces show the window's topmost and layered styles.
    void SyncButtonFaces(HWND window);
    // The T button's pop-up while it is on screen, else null.
    CTransparencyDlg* ShownTransparencyDlg() const;
    void OnAutoMaximize() override;
    int IsAutoMaximizeOn() const override { return m_settings.autoMaximize == 1; }
    void RemoveHiddenWindowIcon(HWND window) override;
    // Shows entry index of the hidden-window list again and forgets it.
    void ShowHiddenWindowAt(std::size_t index) override;
    void OnWindowSelector();
    void ShowWindowSelector() override;
    const std::vector<HWND>& HiddenWindows() const override;
    // Broadcast by a second start of the program, which then leaves.
    static UINT SecondStartMessage();
    void RefreshWindowLists() override;
    const std::vector<HWND>& ActiveWindows() const override;
    void OnPreferences();
    // Takes the preferences dialog's values, restarts the timers with them and saves.
    void ApplyPreferences();
    void ApplySkin(const std::string& skinFolder) override;
    void OnSkinSelector();

    std::unique_ptr<CWindowProcessingDlg> m_pProcessingDlg;
    CSkinButton m_btnHide;
    CSkinButton m_btnTransparency;
    CSkinButton m_btnTopmost;
    HICON m_hIcon;
    RECT m_rcBar = {};
    HWND m_pTarget = nullptr;
    int m_nAlpha = 200;
    // The tray icon's own image, destroyed after the icon (declared before it).
    std::unique_ptr<std::remove_pointer_t<HICON>, decltype(&::DestroyIcon)> m_trayImage{
        nullptr, &::DestroyIcon};
    CSystemTray m_trayIcon;
    std::vector<std::unique_ptr<CSystemTray>> m_hiddenTrayIcons;
    BarSettings m_settings;
    std::unique_ptr<CPreferencesDlg> m_pPreferencesDlg;

private:
    static const MessageEntry<CButtonBarDlg> s_messageTable[];

    LRESULT OnSysCommand(WPARAM command, LPARAM lParam);
    LRESULT OnPaint(WPARAM wParam, LPARAM lParam);
    LRESULT OnQueryDragIcon(WPARAM wParam, LPARAM lParam);
    LRESULT OnTimer(WPARAM timerId, LPARAM lParam);
    void OnQuit();
    LRESULT OnSecondStart(WPARAM wParam, LPARAM lParam);

    void OnWindowTimer();
    // Restacks the bar when asked, or when some window other than its own has come above it.
    void KeepBarOnTop(bool restack, HWND foreground);
    void OnAutoMaximizeTimer();
    // Timer periods come from a hand-editable file: keep them within what the system accepts.
    void StartTimer(UINT timerId, int period);
    void StartEnabledTimers();
    void RegisterHotkey(int id, WORD modifiers, WORD key, const char* failureText);
    void LoadSkin();
    void LoadSkinFaces(const std::string& skinFolder);

    HWND m_hLastForeground = nullptr; // the foreground window of the last tick
    bool m_bRestackDue = false;       // an action activated, restyled or restacked the target
    bool m_bShellInFront = false;     // whether that window is the taskbar or a desktop
    int m_bExiting = 0;               // a Quit that arrives during the exit question is ignored
};
