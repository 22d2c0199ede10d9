#include "app/ButtonBarDlg.h"

#include "app/PreferencesDlg.h"
#include "platform/UserInteraction.h"
#include "platform/WinApp.h"
#include "platform/WindowCalls.h"
#include "processing/WindowProcessingDlg.h"
#include "resource.h"
#include "windows/Topmost.h"

const MessageTable<CButtonBarDlg> CButtonBarDlg::s_messageTable = {
    ::OnSysCommand(&CButtonBarDlg::OnSysCommand),
    OnMessage(WM_PAINT, &CButtonBarDlg::OnPaint),
    OnMessage(WM_QUERYDRAGICON, &CButtonBarDlg::OnQueryDragIcon),
    OnTimerTick(IDT_WINDOWTIMER, &CButtonBarDlg::OnWindowTimer),
    OnMessage(WM_APP_WINDOWEVENT, &CButtonBarDlg::OnWindowEvent),
    OnTimerTick(IDT_AUTOMAXIMIZE, &CButtonBarDlg::OnAutoMaximizeTimer),
    OnTimerTick(IDT_CHECKBACK, &CButtonBarDlg::OnCheckBackTimer),
    ::OnDpiChanged(CDpiCalls::kDpiChangedMessage, &CButtonBarDlg::OnDpiChanged),
    // The buttons' clicks come as callbacks; these commands may come from anywhere.
    OnCommand(IDC_HIDE, &CButtonBarDlg::OnHideTarget),
    OnCommand(IDC_TOPMOST, &CButtonBarDlg::OnToggleTopmost),
    OnCommand(IDC_TRANSPARENCY, &CButtonBarDlg::OnToggleTransparency),
    OnCommand(ID_QUIT, &CButtonBarDlg::ExitProgram),
    OnCommand(ID_WINDOWSELECTOR, &CButtonBarDlg::OnWindowSelector),
    OnCommand(ID_AUTOMAXIMIZE, &CButtonBarDlg::OnAutoMaximize),
    OnCommand(ID_PREFERENCES, &CButtonBarDlg::OnPreferences),
    OnCommand(ID_SKINSELECTOR, &CButtonBarDlg::OnSkinSelector),
    OnHotkey(IDHOT_HIDEALL, &CButtonBarDlg::HideAll),
    OnHotkey(IDHOT_SHOWALL, &CButtonBarDlg::ShowAll),
    OnCommandRange(ID_ACTIVEWINDOW_FIRST, ID_HIDDENWINDOW_FIRST - 1, &CButtonBarDlg::OnHideListed),
    OnCommandRange(ID_HIDDENWINDOW_FIRST, 0xFFFF, &CButtonBarDlg::ShowHiddenWindowAt),
    OnWindowMessage(WM_APP_RESTOREWINDOW, &CButtonBarDlg::OnRestoreWindow),
};

CButtonBarDlg::CButtonBarDlg(const PlatformQuirks& quirks, CUserInteraction& interaction)
    : CTableWindow(IDD_BUTTONBAR), m_interaction(interaction), m_settings(interaction),
      m_hiddenWindows(CHiddenWindowStore::File(), quirks, interaction),
      m_catalogue(m_hiddenWindows, quirks.dpiCalls), m_buttons(interaction),
      m_trayIcon(interaction),
      m_transparency({[this] { return m_tracker.Target(); },
                      [this](HWND window, bool activate) {
                          m_actions.OnTransparencyApplied(window, activate);
                      }}),
      m_tracker(*this, quirks, m_transparency,
                {[this](HWND target) { m_actions.SyncButtonFaces(target); },
                 [this](HWND window) { return m_hiddenWindows.IsHidden(window); },
                 [this] {
                     return std::array<HWND, 2>{
                         m_pProcessingDlg ? m_pProcessingDlg->m_hWnd : nullptr,
                         PreferencesDlg() ? PreferencesDlg()->m_hWnd : nullptr};
                 }}),
      m_actions(*this, m_tracker, m_transparency, m_hiddenWindows, m_catalogue, m_buttons,
                m_trayIcon.Icon(), interaction),
      m_timers(*this, m_settings.Values(), m_tracker, [this] { m_settings.Save(m_hWnd); }),
      m_wiring(*this, m_buttons, m_actions, m_settings.Values(), m_catalogue, m_pProcessingDlg,
               interaction) {}

CButtonBarDlg::~CButtonBarDlg() = default;

LRESULT CButtonBarDlg::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == SecondStartMessage()) {
        OnSecondStart();
        return 0;
    }
    return CTableWindow::WindowProc(message, wParam, lParam);
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
    CBarFrame::AddIconAndAbout(*this);

    m_settings.Load();
    m_tracker.SetOffset(m_settings.Values().barOffset);
    const UINT dpi = m_tracker.Quirks().dpiCalls.WindowDpi(m_hWnd);
    m_buttons.TakeLayoutAt96(*this, dpi);
    LayOutAt(dpi); // before the bar collapses
    SetWindowTopmost(1, m_hWnd, m_hWnd);

    ::SetCurrentDirectoryA(CWinApp::ProgramFolder().c_str());
    CSkins::Faults faults = m_wiring.LoadStoredSkin();
    m_wiring.Wire();
    ShowOnWindowInFront();
    CreateProcessingDlg();
    InstallTrayIcon();
    CBarHotkeys::Register(m_hWnd, m_settings.Values(), faults);
    m_interaction.AppMessageBoxes(m_hWnd, faults);
    return FALSE; // no focus: it would activate the bar
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
    if (m_settings.Values().windowTimerEnabled) {
        OnWindowTimer();
        ::RedrawWindow(m_hWnd, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    }
}

// With the windows hidden by a run of the program that never asked its exit question.
void CButtonBarDlg::CreateProcessingDlg() {
    m_hiddenWindows.Listen(
        [this](CHiddenWindowList::Change change, const std::vector<HWND>& windows) {
            OnHiddenWindowsChanged(change, windows);
        });
    m_catalogue.Listen([this] { OnCatalogueChanged(); });
    m_pProcessingDlg =
        std::make_unique<CWindowProcessingDlg>(m_catalogue, m_hiddenWindows, m_interaction);
    m_pProcessingDlg->Create(IDD_WINDOWPROCESSING, this);
    m_hiddenWindows.Load();
}

// The icons hear first that windows left the list, then the catalogue.
void CButtonBarDlg::OnHiddenWindowsChanged(CHiddenWindowList::Change change,
                                           const std::vector<HWND>& windows) {
    for (HWND window : windows) {
        if (change == CHiddenWindowList::Change::Removed) {
            m_actions.Icons().Remove(window);
        } else if (change == CHiddenWindowList::Change::Refused) {
            m_actions.TellRefused(window);
        }
    }
    if (change == CHiddenWindowList::Change::Added) {
        m_timers.StartCheckBack();
    }
    m_catalogue.Refresh();
}

void CButtonBarDlg::OnCatalogueChanged() {
    if (m_pProcessingDlg) {
        m_pProcessingDlg->OnCatalogueChanged();
    }
}

void CButtonBarDlg::InstallTrayIcon() {
    m_trayIcon.Install(m_settings.Values().firstRun,
                       {[this]() -> const std::vector<HWND>& {
                            m_catalogue.Refresh();
                            return m_catalogue.Windows();
                        },
                        [this]() -> const std::vector<HWND>& { return m_catalogue.Hidden(); },
                        [this] { return IsAutoMaximizeOn(); }},
                       *this);
    m_actions.Icons().Clear();
}

void CButtonBarDlg::ExitProgram() {
    // A second Quit (the buttons' menu works while the question is open) would tear down twice.
    if (m_bExiting) {
        return;
    }
    m_bExiting = true;
    m_trayIcon.Remove();

    m_catalogue.SetShowAll(false); // the dialog shows "own" while the question is open
    // The list is read after the answer: windows can be hidden while the question is open.
    if (!m_hiddenWindows.Windows().empty() &&
        m_interaction.Ask(m_hWnd, "Would you like to show the windows that you have hidden?",
                          "Panewardweb - Exit Question", MB_YESNO | MB_ICONINFORMATION) == IDYES) {
        m_hiddenWindows.ShowEvery(CHiddenWindowList::Order::FirstToLast);
    }

    m_pProcessingDlg.reset();
    m_timers.ClosePreferences();
    m_actions.Icons().Clear();
    m_settings.Save(m_hWnd);
    CDialog::OnCancel();
}

// Asked for while open, it comes to the front all the same, wherever it was left.
void CButtonBarDlg::OnWindowSelector() {
    m_pProcessingDlg->ShowInFront(false);
}

// Registered once: the number is fixed for the session.
UINT CButtonBarDlg::SecondStartMessage() {
    static const UINT message = ::RegisterWindowMessageA("Panewarden.SecondStart");
    return message;
}

// What a double-click on the tray icon does.
void CButtonBarDlg::OnSecondStart() {
    ::SetForegroundWindow(m_hWnd);
    SendMessage(WM_COMMAND, ID_WINDOWSELECTOR);
}

// The timers have no callback, so the default processing of their messages would do
// nothing: the ticks leave it out.
void CButtonBarDlg::OnWindowTimer() {
    m_tracker.Tick();
}

void CButtonBarDlg::OnCheckBackTimer() {
    m_timers.StopCheckBack();
    m_hiddenWindows.CheckBack();
}

LRESULT CButtonBarDlg::OnWindowEvent() {
    m_tracker.OnWindowEvent();
    return 0;
}

// On a monitor of another DPI the bar is laid out at that DPI, and the next tick places it
// at its new size; a collapsed bar stays so.
void CButtonBarDlg::OnDpiChanged(UINT dpi, const RECT&) {
    LayOutAt(dpi);
    m_tracker.ForgetPlace();
}
