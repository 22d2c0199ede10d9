#include "app/ButtonBarDlg.h"

#include "app/AboutDlg.h"
#include "app/PreferencesDlg.h"
#include "controls/SkinFolder.h"
#include "controls/Skins.h"
#include "platform/UserInteraction.h"
#include "platform/WinApp.h"
#include "platform/WindowCalls.h"
#include "processing/WindowProcessingDlg.h"
#include "resource.h"
#include "windows/Topmost.h"
#include "windows/TransparencyDlg.h"

namespace {
const char kTrayTooltip[] = "Panewarden - Controll your windows";
const char kFirstRunBalloon[] = "Rightclick on icon to get additional options!";

// The file lives beside the program, wherever the program was started from.
std::string SettingsPath() {
    return CWinApp::ProgramFile("Paneward.cfg");
}

HICON ProgramIcon() {
    return ::LoadIconA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINFRAME));
}
} // namespace

const MessageEntry<CButtonBarDlg> CButtonBarDlg::s_messageTable[] = {
    ::OnSysCommand(&CButtonBarDlg::OnSysCommand),
    OnMessage(WM_PAINT, &CButtonBarDlg::OnPaint),
    OnMessage(WM_QUERYDRAGICON, &CButtonBarDlg::OnQueryDragIcon),
    OnTimerTick(kWindowTimer, &CButtonBarDlg::OnWindowTimer),
    OnMessage(CBarTracker::kWindowEventMessage, &CButtonBarDlg::OnWindowEvent),
    OnTimerTick(kAutoMaximizeTimer, &CButtonBarDlg::OnAutoMaximizeTimer),
    ::OnDpiChanged(CDpiCalls::kDpiChangedMessage, &CButtonBarDlg::OnDpiChanged),
    // The buttons' clicks come as callbacks; these commands may come from anywhere.
    OnCommand(IDC_HIDE, &CButtonBarDlg::OnHideTarget),
    OnCommand(IDC_TOPMOST, &CButtonBarDlg::OnToggleTopmost),
    OnCommand(IDC_TRANSPARENCY, &CButtonBarDlg::OnToggleTransparency),
    OnCommand(ID_QUIT, &CButtonBarDlg::OnQuit),
    OnCommand(ID_WINDOWSELECTOR, &CButtonBarDlg::OnWindowSelector),
    OnCommand(ID_AUTOMAXIMIZE, &CButtonBarDlg::OnAutoMaximize),
    OnCommand(ID_PREFERENCES, &CButtonBarDlg::OnPreferences),
    OnCommand(ID_SKINSELECTOR, &CButtonBarDlg::OnSkinSelector),
    OnHotkey(kHideAllHotkey, &CButtonBarDlg::HideAll),
    OnHotkey(kShowAllHotkey, &CButtonBarDlg::ShowAll),
    OnCommandRange(ID_ACTIVEWINDOW_FIRST, ID_HIDDENWINDOW_FIRST - 1, &CButtonBarDlg::OnHideListed),
    OnCommandRange(ID_HIDDENWINDOW_FIRST, 0xFFFF, &CButtonBarDlg::ShowHiddenWindowAt),
    // An icon's restore command does not fit in the low word: it is compared whole.
    OnCommandWordRange(ID_RESTOREWINDOW_FIRST, ID_RESTOREWINDOW_FIRST + 9999,
                       &CButtonBarDlg::OnRestoreWindow),
};

CButtonBarDlg::CButtonBarDlg(const PlatformQuirks& quirks)
    : CDialog(IDD_BUTTONBAR), m_hiddenWindows(CHiddenWindowStore::ProgramFile(), quirks),
      m_tracker(*this, quirks,
                {[this] { return static_cast<CWnd*>(m_actions.Transparency().Popup()); },
                 [this] { return static_cast<CWnd*>(m_actions.Transparency().ShownPopup()); },
                 [this] { m_actions.Transparency().ClosePopup(); },
                 [this](HWND target) { m_actions.SyncButtonFaces(target); },
                 [this] {
                     return std::vector<HWND>{m_pProcessingDlg ? m_pProcessingDlg->m_hWnd : nullptr,
                                              PreferencesDlg() ? PreferencesDlg()->m_hWnd
                                                               : nullptr};
                 }}),
      m_actions(*this, m_tracker, m_hiddenWindows, m_pProcessingDlg, m_buttons),
      m_timers(*this, m_settings, m_tracker, [this] { SaveSettings(); }),
      m_nSecondStartMessage(SecondStartMessage()) {}

CButtonBarDlg::~CButtonBarDlg() = default;

LRESULT CButtonBarDlg::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == m_nSecondStartMessage) {
        OnSecondStart();
        return 0;
    }
    return RouteMessage<CDialog>(this, s_messageTable, message, wParam, lParam);
}

void CButtonBarDlg::DoDataExchange() {
    DDX_Control(IDC_HIDE, m_buttons.hide);
    DDX_Control(IDC_TRANSPARENCY, m_buttons.transparency);
    DDX_Control(IDC_TOPMOST, m_buttons.topmost);
}

// A box runs a message loop, whose messages may need every object: what went wrong is told
// once everything is made.
BOOL CButtonBarDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    AddAboutToSystemMenu();
    SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(ProgramIcon()));
    SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(ProgramIcon()));

    m_settings.SetDefaults();
    m_settings.Read(SettingsPath());
    m_tracker.SetOffset(m_settings.barOffset);
    m_actions.Transparency().SetLevel(CTransparencyLevel::kStartLevel);
    const UINT dpi = m_tracker.Quirks().dpiCalls.WindowDpi(m_hWnd);
    m_buttons.TakeLayoutAt96(*this, dpi);
    LayOutAt(dpi); // before the bar collapses
    SetWindowTopmost(1, m_hWnd, m_hWnd);

    ::SetCurrentDirectoryA(CWinApp::ProgramFolder().c_str());
    Faults faults = CSkins(m_buttons.topmost, m_buttons.transparency, m_buttons.hide)
                        .Load(SkinFolderOf(m_settings.skinName));
    WireButtons();
    ShowOnWindowInFront();
    CreateProcessingDlg();
    InstallTrayIcon();
    RegisterHotkey(kHideAllHotkey, m_settings.hideAllModifiers, m_settings.hideAllKey,
                   "Uanble to register hotkey for hide-all function", faults);
    RegisterHotkey(kShowAllHotkey, m_settings.showAllModifiers, m_settings.showAllKey,
                   "Uanble to register hotkey for show-all function", faults);
    TellFaults(faults);
    return FALSE; // no focus: it would activate the bar
}

void CButtonBarDlg::AddAboutToSystemMenu() {
    if (HMENU systemMenu = ::GetSystemMenu(m_hWnd, FALSE)) {
        char about[256] = "";
        ::LoadStringA(::GetModuleHandleA(nullptr), IDS_ABOUTBOX, about, sizeof about);
        if (about[0]) {
            ::AppendMenuA(systemMenu, MF_SEPARATOR, 0, nullptr);
            ::AppendMenuA(systemMenu, MF_STRING, IDM_ABOUTBOX, about);
        }
    }
}

// A double-click activates the target, but a left one on T opens the pop-up.
void CButtonBarDlg::WireButtons() {
    const auto activate = [this] { m_actions.ActivateTarget(); };
    const auto wire = [&](CSkinButton& button, void (CButtonBarDlg::*onClick)(),
                          std::function<void()> onLeftDoubleClick) {
        button.SetCallbacks({[this, onClick] { (this->*onClick)(); }, std::move(onLeftDoubleClick),
                             activate,
                             [this, &button](UINT command) { OnButtonMenuChoice(button, command); },
                             [this]() -> const std::vector<HWND>& { return HiddenWindows(); },
                             [this] { return IsAutoMaximizeOn(); }});
    };
    wire(m_buttons.hide, &CButtonBarDlg::OnHideTarget, activate);
    wire(m_buttons.topmost, &CButtonBarDlg::OnToggleTopmost, activate);
    wire(m_buttons.transparency, &CButtonBarDlg::OnToggleTransparency,
         [this] { m_actions.OpenTransparencyPopup(); });
    m_buttons.hide.SetNoToggle(1);
}

void CButtonBarDlg::OnButtonMenuChoice(const CSkinButton& button, UINT command) {
    if (command >= ID_TRANSPARENCY_90 && command <= ID_TRANSPARENCY_OFF) {
        // 90 % down to 10 %, then "Off", which is opaque.
        const int index = static_cast<int>(command - ID_TRANSPARENCY_90);
        m_actions.SetTransparencyLevel(
            CTransparencyLevel::OfPercent(index < 9 ? 90 - 10 * index : 100));
    } else if (command == ID_WINDOWSELECTOR) {
        m_pProcessingDlg->ShowInFront(true);
    } else if (command == ID_SKINSELECTOR) {
        ApplySkin(CSkins::Choose(button.m_hWnd));
    } else {
        SendMessage(WM_COMMAND, command);
    }
}

// The bar's size at the DPI, which every placement gives it.
void CButtonBarDlg::LayOutAt(UINT dpi) {
    m_tracker.SetBarSize(m_buttons.LayOutAt(dpi));
}

// Not activated: a bar with no size would hold the keyboard until a click elsewhere. It is
// on its window and drawn before the rest starts, not a timer period later.
void CButtonBarDlg::ShowOnWindowInFront() {
    ShowWindow(SW_SHOWNOACTIVATE);
    CollapseBar();
    m_timers.StartEnabled();
    if (m_settings.windowTimerEnabled == 1) {
        OnWindowTimer();
        ::RedrawWindow(m_hWnd, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    }
}

// With the windows hidden by a run of the program that never asked its exit question. The
// icons hear first that windows left the list, then the dialog.
void CButtonBarDlg::CreateProcessingDlg() {
    m_hiddenWindows.Listen(
        [this](CHiddenWindowList::Change change, const std::vector<HWND>& windows) {
            if (change == CHiddenWindowList::Change::Removed) {
                for (HWND window : windows) {
                    m_actions.Icons().Remove(window);
                }
            }
            if (m_pProcessingDlg) {
                m_pProcessingDlg->OnHiddenWindowsChanged();
            }
        });
    m_pProcessingDlg =
        std::make_unique<CWindowProcessingDlg>(m_hiddenWindows, m_tracker.Quirks().dpiCalls);
    m_pProcessingDlg->Create(IDD_WINDOWPROCESSING, this);
    m_hiddenWindows.Load();
}

void CButtonBarDlg::InstallTrayIcon() {
    m_trayImage.reset(static_cast<HICON>(::LoadImageA(
        ::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_TRAY), IMAGE_ICON, 16, 16, 0)));
    const bool firstRun = m_settings.firstRun == 1;
    m_trayIcon.Install(kTrayCallbackMessage, kTrayTooltip, m_trayImage.get(), kTrayIconId,
                       firstRun ? kFirstRunBalloon : nullptr, firstRun ? kTrayTooltip : nullptr,
                       firstRun ? NIIF_INFO : 0, 10);
    m_trayIcon.SetMenuSource(
        {[this]() -> const std::vector<HWND>& { return m_pProcessingDlg->CurrentWindows(); },
         [this]() -> const std::vector<HWND>& { return HiddenWindows(); },
         [this] { return IsAutoMaximizeOn(); }});
    m_trayIcon.SetNotifyWindow(this);
    m_trayIcon.SetDefaultItem(1, TRUE);
    m_actions.Icons().Clear();
}

void CButtonBarDlg::RegisterHotkey(int id, WORD modifiers, WORD key, const char* failureText,
                                   Faults& faults) {
    if (!::RegisterHotKey(m_hWnd, id, modifiers, key)) {
        faults.push_back(failureText);
    }
}

void CButtonBarDlg::TellFaults(const Faults& faults) {
    for (const std::string& fault : faults) {
        AppMessageBox(m_hWnd, fault, MB_OK);
    }
}

void CButtonBarDlg::ApplySkin(const std::string& skinFolder) {
    if (skinFolder.empty()) {
        return;
    }
    CSkins skins(m_buttons.topmost, m_buttons.transparency, m_buttons.hide);
    TellFaults(skins.Load(skinFolder));
    m_settings.skinName = SkinNameOf(skinFolder);
    skins.Redraw();
}

// The tray menu's skin selector belongs to T, whose window then owns the browser.
void CButtonBarDlg::OnSkinSelector() {
    ApplySkin(CSkins::Choose(m_buttons.transparency.m_hWnd));
}

void CButtonBarDlg::SaveSettings() {
    m_settings.Write(SettingsPath());
}

bool CButtonBarDlg::OnSysCommand(UINT command) {
    if ((command & 0xFFF0) != IDM_ABOUTBOX) {
        return false;
    }
    CAboutDlg about;
    about.DoModal(this);
    return true;
}

LRESULT CButtonBarDlg::OnPaint() {
    if (!::IsIconic(m_hWnd)) {
        return DefWindowProc(WM_PAINT, 0, 0);
    }
    const CPaintDC dc(m_hWnd);
    SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.Get()), 0);
    RECT client = GetClientRect();
    int x = (client.right - client.left - ::GetSystemMetrics(SM_CXICON) + 1) / 2;
    int y = (client.bottom - client.top - ::GetSystemMetrics(SM_CYICON) + 1) / 2;
    ::DrawIcon(dc.Get(), x, y, ProgramIcon());
    return 0;
}

LRESULT CButtonBarDlg::OnQueryDragIcon() {
    return reinterpret_cast<LRESULT>(ProgramIcon());
}

void CButtonBarDlg::OnQuit() {
    ExitProgram();
}

void CButtonBarDlg::ExitProgram() {
    // A second Quit (the buttons' menu works while the question is open) would tear down twice.
    if (m_bExiting) {
        return;
    }
    m_bExiting = 1;
    m_trayIcon.DestroyWindow();

    m_pProcessingDlg->OnShowOwn();
    // The list is read after the answer: windows can be hidden while the question is open.
    if (!m_hiddenWindows.Windows().empty() &&
        CUserInteraction::Current().MessageBox(
            m_hWnd, "Would you like to show the windows that you have hidden?",
            "Panewardweb - Exit Question", MB_YESNO | MB_ICONINFORMATION) == IDYES) {
        m_hiddenWindows.ShowEvery(CHiddenWindowList::Order::FirstToLast);
    }

    m_pProcessingDlg.reset();
    m_timers.ClosePreferences();
    m_actions.Icons().Clear();
    SaveSettings();
    CDialog::OnCancel();
}

void CButtonBarDlg::OnPreferences() {
    m_timers.OpenPreferences();
}

// Asked for while open, it comes to the front all the same, wherever it was left.
void CButtonBarDlg::OnWindowSelector() {
    m_pProcessingDlg->ShowInFront(false);
}

UINT CButtonBarDlg::SecondStartMessage() {
    return ::RegisterWindowMessageA("Panewarden.SecondStart");
}

// What a double-click on the tray icon does.
void CButtonBarDlg::OnSecondStart() {
    ::SetForegroundWindow(m_hWnd);
    SendMessage(WM_COMMAND, ID_WINDOWSELECTOR);
}

const std::vector<HWND>& CButtonBarDlg::HiddenWindows() const {
    return m_pProcessingDlg->HiddenHandles();
}

// The timers have no callback, so the default processing of their messages would do
// nothing: the ticks leave it out.
void CButtonBarDlg::OnWindowTimer() {
    m_tracker.Tick();
}

LRESULT CButtonBarDlg::OnWindowEvent() {
    m_tracker.OnWindowEvent();
    return 0;
}

void CButtonBarDlg::OnAutoMaximizeTimer() {
    m_timers.TickAutoMaximize();
}

void CButtonBarDlg::OnAutoMaximize() {
    m_timers.ToggleAutoMaximize();
}

// On a monitor of another DPI the bar is laid out at that DPI, and the next tick places it
// at its new size; a collapsed bar stays so.
void CButtonBarDlg::OnDpiChanged(UINT dpi, const RECT&) {
    LayOutAt(dpi);
    m_tracker.ForgetPlace();
}

void CButtonBarDlg::CollapseBar() {
    m_tracker.Collapse();
}

void CButtonBarDlg::OnHideTarget() {
    m_actions.HideTarget();
}

void CButtonBarDlg::OnToggleTopmost() {
    m_actions.ToggleTopmost();
}

void CButtonBarDlg::OnToggleTransparency() {
    m_actions.ToggleTransparency();
}

void CButtonBarDlg::HideAll() {
    m_actions.HideAll();
}

void CButtonBarDlg::ShowAll() {
    m_actions.ShowAll();
}

void CButtonBarDlg::OnHideListed(UINT index) {
    m_actions.HideListed(index);
}

void CButtonBarDlg::ShowHiddenWindowAt(UINT index) {
    m_actions.ShowHiddenAt(index);
}

void CButtonBarDlg::OnRestoreWindow(UINT, HWND window) {
    m_actions.RestoreWindow(window);
}
