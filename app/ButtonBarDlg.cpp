#include "app/ButtonBarDlg.h"

#include "app/AboutDlg.h"
#include "app/PreferencesDlg.h"
#include "controls/SkinFolder.h"
#include "platform/MessageTable.h"
#include "platform/UserInteraction.h"
#include "platform/WinApp.h"
#include "platform/WindowCalls.h"
#include "processing/WindowProcessingDlg.h"
#include "resource.h"

namespace {
const char kTrayTooltip[] = "Panewarden - Controll your windows";
const char kFirstRunBalloon[] = "Rightclick on icon to get additional options!";

// The file lives beside the program, wherever the program was started from.
std::string SettingsPath() {
    return CWinApp::ProgramFile("Paneward.cfg");
}
} // namespace

const MessageEntry<CButtonBarDlg> CButtonBarDlg::s_messageTable[] = {
    OnMessage(WM_SYSCOMMAND, &CButtonBarDlg::OnSysCommand),
    OnMessage(WM_PAINT, &CButtonBarDlg::OnPaint),
    OnMessage(WM_QUERYDRAGICON, &CButtonBarDlg::OnQueryDragIcon),
    OnMessage(WM_TIMER, &CButtonBarDlg::OnTimer),
    OnMessage(CDpiCalls::kDpiChangedMessage, &CButtonBarDlg::OnDpiChanged),
    OnCommand(IDC_HIDE, &CButtonBarDlg::OnHideTarget),
    OnCommand(IDC_TOPMOST, &CButtonBarDlg::OnToggleTopmost),
    OnCommand(IDC_TRANSPARENCY, &CButtonBarDlg::OnToggleTransparency),
    OnCommand(ID_QUIT, &CButtonBarDlg::OnQuit),
    OnCommand(ID_WINDOWSELECTOR, &CButtonBarDlg::OnWindowSelector),
    OnCommand(ID_AUTOMAXIMIZE, &CButtonBarDlg::OnAutoMaximize),
    OnMessage(SecondStartMessage(), &CButtonBarDlg::OnSecondStart),
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
    : CDialog(IDD_BUTTONBAR), m_quirks(quirks),
      m_hiddenWindows(CHiddenWindowList::ProgramFile(), quirks),
      m_hIcon(::LoadIconA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINFRAME))) {}

CButtonBarDlg::~CButtonBarDlg() = default;

LRESULT CButtonBarDlg::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    return RouteMessage<CDialog>(this, s_messageTable, message, wParam, lParam);
}

void CButtonBarDlg::DoDataExchange() {
    DDX_Control(IDC_HIDE, m_btnHide);
    DDX_Control(IDC_TRANSPARENCY, m_btnTransparency);
    DDX_Control(IDC_TOPMOST, m_btnTopmost);
}

// A box runs a message loop, whose messages may need every object: what went wrong is told
// once everything is made.
BOOL CButtonBarDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    AddAboutToSystemMenu();
    SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
    SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));

    m_settings.SetDefaults();
    LoadSettings();
    m_pTarget = nullptr;
    m_transparency.Set(CTransparencyLevel::kStartLevel);
    const UINT dpi = m_quirks.dpiCalls.WindowDpi(m_hWnd);
    TakeLayoutAt96(dpi);
    LayOutAt(dpi); // before the bar collapses
    SetWindowTopmost(1, m_hWnd);

    ::SetCurrentDirectoryA(CWinApp::ProgramFolder().c_str());
    Faults faults = LoadSkinFaces(SkinFolderOf(m_settings.skinName));
    m_btnHide.SetNoToggle(1);
    m_btnTransparency.SetOpensSlider(1);
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

// Not activated: a bar with no size would hold the keyboard until a click elsewhere. It is
// on its window and drawn before the rest starts, not a timer period later.
void CButtonBarDlg::ShowOnWindowInFront() {
    ShowWindow(SW_SHOWNOACTIVATE);
    CollapseBar();
    StartEnabledTimers();
    if (m_settings.windowTimerEnabled == 1) {
        OnWindowTimer();
        ::RedrawWindow(m_hWnd, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    }
}

// With the windows hidden by a run of the program that never asked its exit question.
void CButtonBarDlg::CreateProcessingDlg() {
    m_hiddenWindows.SetListener(this);
    m_hiddenWindows.Load();
    m_pProcessingDlg = std::make_unique<CWindowProcessingDlg>(m_hiddenWindows);
    m_pProcessingDlg->Create(IDD_WINDOWPROCESSING, this);
}

void CButtonBarDlg::InstallTrayIcon() {
    m_trayImage.reset(static_cast<HICON>(::LoadImageA(
        ::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_TRAY), IMAGE_ICON, 16, 16, 0)));
    const bool firstRun = m_settings.firstRun == 1;
    m_trayIcon.Install(kTrayCallbackMessage, kTrayTooltip, m_trayImage.get(), kTrayIconId,
                       firstRun ? kFirstRunBalloon : nullptr, firstRun ? kTrayTooltip : nullptr,
                       firstRun ? NIIF_INFO : 0, 10);
    m_trayIcon.SetNotifyWindow(this);
    m_trayIcon.SetDefaultItem(1, TRUE);
    m_hiddenTrayIcons.clear();
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

CButtonBarDlg::Faults CButtonBarDlg::LoadSkinFaces(const std::string& skinFolder) {
    Faults faults;
    const auto load = [&](CSkinButton& button, const char* down, const char* up) {
        std::string fault;
        if (!button.LoadBitmapDown(skinFolder + down, fault)) {
            faults.push_back(fault);
        }
        if (!button.LoadBitmapUp(skinFolder + up, fault)) {
            faults.push_back(fault);
        }
    };
    load(m_btnTopmost, "\\A-DOWN.BMP", "\\A-UP.BMP");
    load(m_btnTransparency, "\\T-DOWN.BMP", "\\T-UP.BMP");
    load(m_btnHide, "\\H-DOWN.BMP", "\\H-UP.BMP");
    return faults;
}

// Faces that failed to load stay as they were; the name is stored all the same.
void CButtonBarDlg::ApplySkin(const std::string& skinFolder) {
    TellFaults(LoadSkinFaces(skinFolder));
    m_settings.skinName = SkinNameOf(skinFolder);
    for (CSkinButton* button : {&m_btnTopmost, &m_btnTransparency, &m_btnHide}) {
        button->RedrawWindow(RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    }
}

// The tray menu's skin selector belongs to T, whose window then owns the browser.
void CButtonBarDlg::OnSkinSelector() {
    m_btnTransparency.OnSkinSelector();
}

void CButtonBarDlg::LoadSettings() {
    m_settings.Read(SettingsPath());
}

void CButtonBarDlg::SaveSettings() {
    m_settings.Write(SettingsPath());
}

LRESULT CButtonBarDlg::OnSysCommand(WPARAM command, LPARAM lParam) {
    if ((command & 0xFFF0) == IDM_ABOUTBOX) {
        CAboutDlg about;
        about.DoModal(this);
        return 0;
    }
    return DefWindowProc(WM_SYSCOMMAND, command, lParam);
}

LRESULT CButtonBarDlg::OnPaint(WPARAM wParam, LPARAM lParam) {
    if (!::IsIconic(m_hWnd)) {
        return DefWindowProc(WM_PAINT, wParam, lParam);
    }
    PAINTSTRUCT paint;
    HDC dc = ::BeginPaint(m_hWnd, &paint);
    SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    RECT client = GetClientRect();
    int x = (client.right - client.left - ::GetSystemMetrics(SM_CXICON) + 1) / 2;
    int y = (client.bottom - client.top - ::GetSystemMetrics(SM_CYICON) + 1) / 2;
    ::DrawIcon(dc, x, y, m_hIcon);
    ::EndPaint(m_hWnd, &paint);
    return 0;
}

LRESULT CButtonBarDlg::OnQueryDragIcon(WPARAM, LPARAM) {
    return reinterpret_cast<LRESULT>(m_hIcon);
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
    m_pPreferencesDlg.reset();
    m_hiddenTrayIcons.clear();
    SaveSettings();
    CDialog::OnCancel();
}

void CButtonBarDlg::StartEnabledTimers() {
    m_quietTicks = QuietTicks(
        static_cast<int>(TimerPeriod(m_settings.windowTimerInterval, kWindowTimerPeriods)));
    if (m_settings.windowTimerEnabled == 1) {
        StartTimer(kWindowTimer, m_settings.windowTimerInterval);
    }
    if (m_settings.autoMaximize == 1) {
        StartTimer(kAutoMaximizeTimer, m_settings.autoMaximizeInterval);
    }
}

// The dialog is made when first asked for: hidden until then, it would only delay the
// bar's first placement.
void CButtonBarDlg::OnPreferences() {
    if (!m_pPreferencesDlg) {
        m_pPreferencesDlg = std::make_unique<CPreferencesDlg>(*this);
        m_pPreferencesDlg->Create(IDD_PREFERENCES, this);
    }
    m_pPreferencesDlg->ShowSettings(m_settings);
    ::SetForegroundWindow(m_pPreferencesDlg->m_hWnd); // in front even when open already
}

// The bar shows up again on the window timer's next tick, if it runs at all.
void CButtonBarDlg::ApplyPreferences(const TimerPreferences& chosen) {
    StopTimer(kWindowTimer);
    StopTimer(kAutoMaximizeTimer);
    CollapseBar();
    m_settings.autoMaximizeInterval = chosen.autoMaximizeInterval;
    m_settings.windowTimerInterval = chosen.windowTimerInterval;
    m_settings.autoMaximize = chosen.autoMaximize;
    m_settings.windowTimerEnabled = chosen.windowTimerEnabled;
    StartEnabledTimers();
    SaveSettings();
    CWindowCalls::HandOnForeground(m_hWnd);
}

// Asked for while open, it comes to the front all the same, wherever it was left.
void CButtonBarDlg::OnWindowSelector() {
    m_pProcessingDlg->CenterWindow(::GetDesktopWindow());
    m_pProcessingDlg->ShowWindow(SW_SHOW);
    ::SetForegroundWindow(m_pProcessingDlg->m_hWnd);
}

// Already shown, the dialog has no show to refresh its lists on.
void CButtonBarDlg::ShowWindowSelector() {
    m_pProcessingDlg->RefreshLists();
    OnWindowSelector();
}

UINT CButtonBarDlg::SecondStartMessage() {
    return ::RegisterWindowMessageA("Panewarden.SecondStart");
}

// What a double-click on the tray icon does.
LRESULT CButtonBarDlg::OnSecondStart(WPARAM, LPARAM) {
    ::SetForegroundWindow(m_hWnd);
    SendMessage(WM_COMMAND, ID_WINDOWSELECTOR);
    return 0;
}

void CButtonBarDlg::RefreshWindowLists() {
    m_pProcessingDlg->RefreshLists();
}

const std::vector<HWND>& CButtonBarDlg::ActiveWindows() const {
    return m_pProcessingDlg->WindowHandles();
}

CSkinButton& CButtonBarDlg::Button(UINT id) {
    return id == IDC_HIDE ? m_btnHide : id == IDC_TOPMOST ? m_btnTopmost : m_btnTransparency;
}
