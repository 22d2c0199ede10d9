#include "tests/BarFixture.h"
#include "app/PreferencesDlg.h"
#include "processing/WindowProcessingDlg.h"

namespace {

const char kDefaultFile[] = "Windows Standard\r\nFALSE\r\n500\r\nTRUE\r\n10\r\n";

class ButtonBar : public BarFixture {};

TEST_F(ButtonBar, FirstStartUsesDefaultsAndShowsTheBalloon) {
    Start();
    EXPECT_EQ(1, bar->m_settings.firstRun);
    EXPECT_EQ("Windows Standard", bar->m_settings.skinName);
    EXPECT_TRUE(interaction.m_messageBoxes.empty());

    const NOTIFYICONDATAA& icon = bar->m_trayIcon.GetIconData();
    EXPECT_EQ(133u, icon.uID);
    EXPECT_EQ(static_cast<UINT>(WM_APP + 10), icon.uCallbackMessage);
    EXPECT_STREQ("Panewarden - Controll your windows", icon.szTip);
    EXPECT_EQ(static_cast<UINT>(NIF_MESSAGE | NIF_ICON | NIF_TIP | NIF_INFO), icon.uFlags);
    EXPECT_STREQ("Panewarden - Controll your windows", icon.szInfoTitle);
    EXPECT_EQ(static_cast<DWORD>(NIIF_INFO), icon.dwInfoFlags);
    EXPECT_EQ(10000u, icon.uTimeout);
    EXPECT_EQ(bar.get(), bar->m_trayIcon.GetNotifyWindow());
}

TEST_F(ButtonBar, SettingsFileTurnsTheBalloonOff) {
    Start("Windows Standard\r\n");
    EXPECT_EQ(0, bar->m_settings.firstRun);
    const NOTIFYICONDATAA& icon = bar->m_trayIcon.GetIconData();
    EXPECT_EQ(static_cast<UINT>(NIF_MESSAGE | NIF_ICON | NIF_TIP), icon.uFlags);
    EXPECT_STREQ("", icon.szInfoTitle);
    EXPECT_EQ(0u, icon.dwInfoFlags);
}

TEST_F(ButtonBar, StartsCollapsedTopmostWithItsDialogsHidden) {
    Start();
    HWND window = bar->m_hWnd;
    EXPECT_TRUE(::IsWindowVisible(window));
    EXPECT_TRUE(IsCollapsed(window));
    EXPECT_TRUE(IsTopmost(window));
    EXPECT_GT(bar->m_rcBar.right - bar->m_rcBar.left, 0);
    EXPECT_GT(bar->m_rcBar.bottom - bar->m_rcBar.top, 0);
    EXPECT_EQ(nullptr, bar->m_pTarget);
    EXPECT_EQ(200, bar->m_nAlpha);

    ASSERT_TRUE(bar->m_pProcessingDlg && bar->m_pPreferencesDlg);
    EXPECT_TRUE(::IsWindow(bar->m_pProcessingDlg->m_hWnd));
    EXPECT_FALSE(::IsWindowVisible(bar->m_pProcessingDlg->m_hWnd));
    EXPECT_TRUE(::IsWindow(bar->m_pPreferencesDlg->m_hWnd));
    EXPECT_FALSE(::IsWindowVisible(bar->m_pPreferencesDlg->m_hWnd));

    EXPECT_EQ(1, bar->m_btnHide.m_bNoToggle);
    EXPECT_EQ(0, bar->m_btnTopmost.m_bNoToggle);
    EXPECT_EQ(1, bar->m_btnTransparency.m_bOpensSlider);

    char current[MAX_PATH] = "";
    ::GetCurrentDirectoryA(sizeof current, current);
    EXPECT_STRCASEEQ(CWinApp::ProgramFolder().c_str(), current);
}

TEST_F(ButtonBar, SettingsComeFromTheProgramFolderWhateverTheCurrentFolder) {
    CTempFolder elsewhere;
    WriteFileBytes(elsewhere.File("Paneward.cfg"), "Elsewhere\r\nTRUE\r\n");
    ASSERT_TRUE(::SetCurrentDirectoryA(elsewhere.Path().c_str()));
    Start("Blue\r\nFALSE\r\n");
    EXPECT_EQ("Blue", bar->m_settings.skinName);
    EXPECT_EQ(0, bar->m_settings.autoMaximize);

    // The skin folder is missing: every bitmap is reported, downs before ups, A, T, H.
    const char* expected[] = {"A-DOWN", "A-UP", "T-DOWN", "T-UP", "H-DOWN", "H-UP"};
    ASSERT_EQ(6u, interaction.m_messageBoxes.size());
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(std::string("Path to the bitmap does not exists...\ngfx\\Blue\\") + expected[i] +
                      ".BMP",
                  interaction.m_messageBoxes[i].text);
    }

    bar->ExitProgram();
    EXPECT_EQ("Blue\r\nFALSE\r\n500\r\nTRUE\r\n10\r\n", ReadFileBytes(SettingsPath()));
    EXPECT_EQ("Elsewhere\r\nTRUE\r\n", ReadFileBytes(elsewhere.File("Paneward.cfg")));
}

TEST_F(ButtonBar, TakenHotkeyIsReportedOnceAndTheOtherStillWorks) {
    CForeignWindow other("Hotkey holder");
    ASSERT_TRUE(::RegisterHotKey(other.Handle(), 1, MOD_ALT, 'A'));
    Start();
    ASSERT_EQ(1u, interaction.m_messageBoxes.size());
    EXPECT_EQ("Uanble to register hotkey for hide-all function",
              interaction.m_messageBoxes[0].text);
    EXPECT_EQ("Panewarden", interaction.m_messageBoxes[0].caption);
    EXPECT_EQ(static_cast<UINT>(MB_OK), interaction.m_messageBoxes[0].type);
    // Alt+S belongs to the bar.
    EXPECT_FALSE(::RegisterHotKey(other.Handle(), 2, MOD_ALT, 'S'));
    ::UnregisterHotKey(other.Handle(), 1);
}

TEST_F(ButtonBar, ClicksFlipTheFacesOfAAndTButNotH) {
    Start();
    for (CSkinButton* button : {&bar->m_btnHide, &bar->m_btnTopmost, &bar->m_btnTransparency}) {
        button->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
        button->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    }
    EXPECT_EQ(0, bar->m_btnHide.GetState());
    EXPECT_EQ(1, bar->m_btnTopmost.GetState());
    EXPECT_EQ(1, bar->m_btnTransparency.GetState());
}

TEST_F(ButtonBar, EnterEscAndCloseNeverEndTheBar) {
    Start();
    bar->SendMessage(WM_COMMAND, IDOK, 0);
    bar->SendMessage(WM_COMMAND, IDCANCEL, 0);
    bar->SendMessage(WM_CLOSE, 0, 0);
    PumpMessages(20);
    EXPECT_TRUE(::IsWindow(bar->m_hWnd));
    EXPECT_EQ(-1, bar->GetModalResult());
}

// Answers the about box from inside its modal loop.
HWND g_about = nullptr;
bool g_barDisabledWhileOpen = false;
void CALLBACK CloseAboutBox(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND about = ::FindWindowA("#32770", "About Panewarden");
    if (!about) {
        return;
    }
    ::KillTimer(nullptr, timer);
    g_about = about;
    g_barDisabledWhileOpen = !::IsWindowEnabled(::GetWindow(about, GW_OWNER));
    ::PostMessageA(about, WM_COMMAND, IDOK, 0);
}

TEST_F(ButtonBar, SystemCommandSixteenOpensTheAboutBoxModally) {
    Start();
    g_about = nullptr;
    UINT_PTR timer = ::SetTimer(nullptr, 0, 50, &CloseAboutBox);
    bar->SendMessage(WM_SYSCOMMAND, IDM_ABOUTBOX, 0);
    ::KillTimer(nullptr, timer);
    EXPECT_NE(nullptr, g_about);
    EXPECT_TRUE(g_barDisabledWhileOpen);
    EXPECT_FALSE(::IsWindow(g_about));
    EXPECT_TRUE(::IsWindowEnabled(bar->m_hWnd));
}

TEST_F(ButtonBar, SwitchedOffWindowTimerLeavesTheBarCollapsed) {
    Start("Windows Standard\r\nFALSE\r\n500\r\nFALSE\r\n10\r\n");
    CForeignWindow target("Target");
    target.BringToFront();
    PumpMessages(150);
    EXPECT_TRUE(IsCollapsed(bar->m_hWnd));
    EXPECT_EQ(nullptr, bar->m_pTarget);
}

TEST_F(ButtonBar, OutOfRangePeriodsStillRunTheTimerAndAreKept) {
    Start("Windows Standard\r\nTRUE\r\n-40\r\nTRUE\r\n0\r\n");
    CForeignWindow target("Target");
    target.BringToFront();
    EXPECT_TRUE(PumpUntil([&] { return bar->m_pTarget == target.Handle(); }));
    bar->ExitProgram();
    EXPECT_EQ("Windows Standard\r\nTRUE\r\n-40\r\nTRUE\r\n0\r\n", ReadFileBytes(SettingsPath()));
}

TEST_F(ButtonBar, AutomaximizeKeepsTheBrowserFrameMaximizedButNotMinimized) {
    Start();
    CWindowOfClass browser("IEFrame");
    ::ShowWindow(browser.m_hWnd, SW_SHOWNOACTIVATE);
    bar->SendMessage(WM_TIMER, CButtonBarDlg::kAutoMaximizeTimer, 0);
    EXPECT_TRUE(::IsZoomed(browser.m_hWnd));

    ::ShowWindow(browser.m_hWnd, SW_MINIMIZE);
    bar->SendMessage(WM_TIMER, CButtonBarDlg::kAutoMaximizeTimer, 0);
    EXPECT_TRUE(::IsIconic(browser.m_hWnd));
    EXPECT_FALSE(::IsZoomed(browser.m_hWnd));
}

TEST_F(ButtonBar, AutomaximizeCommandTogglesTheSettingAndItsTimer) {
    Start("Windows Standard\r\nFALSE\r\n20\r\nFALSE\r\n10\r\n");
    CWindowOfClass browser("IEFrame");
    ::ShowWindow(browser.m_hWnd, SW_SHOWNOACTIVATE);
    PumpMessages(100);
    EXPECT_FALSE(::IsZoomed(browser.m_hWnd));

    bar->SendMessage(WM_COMMAND, ID_AUTOMAXIMIZE, 0);
    EXPECT_EQ(1, bar->m_settings.autoMaximize);
    EXPECT_TRUE(PumpUntil([&] { return ::IsZoomed(browser.m_hWnd) != 0; }));

    bar->SendMessage(WM_COMMAND, ID_AUTOMAXIMIZE, 0);
    EXPECT_EQ(0, bar->m_settings.autoMaximize);
    ::ShowWindow(browser.m_hWnd, SW_RESTORE);
    PumpMessages(100);
    EXPECT_FALSE(::IsZoomed(browser.m_hWnd));

    bar->SendMessage(WM_COMMAND, ID_AUTOMAXIMIZE, 0);
    bar->ExitProgram();
    EXPECT_EQ("Windows Standard\r\nTRUE\r\n20\r\nFALSE\r\n10\r\n", ReadFileBytes(SettingsPath()));
}

TEST_F(ButtonBar, QuitWithNothingHiddenAsksNothingAndWritesTheSettings) {
    Start();
    HWND trayWindow = bar->m_trayIcon.m_hWnd;
    bar->SendMessage(WM_COMMAND, ID_QUIT, 0);
    EXPECT_TRUE(interaction.m_messageBoxes.empty());
    EXPECT_EQ(kDefaultFile, ReadFileBytes(SettingsPath()));
    EXPECT_EQ(IDCANCEL, bar->GetModalResult());
    EXPECT_FALSE(::IsWindow(trayWindow));
    EXPECT_EQ(nullptr, bar->m_pProcessingDlg);
    EXPECT_EQ(nullptr, bar->m_pPreferencesDlg);
}

class ButtonBarExit : public ButtonBar, public ::testing::WithParamInterface<int> {};

TEST_P(ButtonBarExit, QuitAsksAboutHiddenWindowsAndShowsThemOnYes) {
    Start();
    CForeignWindow first("First");
    CForeignWindow second("Second");
    for (HWND window : {first.Handle(), second.Handle()}) {
        ::ShowWindow(window, SW_SHOWNOACTIVATE);
        ::ShowWindow(window, SW_HIDE);
        bar->m_pProcessingDlg->AddHiddenWindow(window);
    }
    // The list is parked while "all" is chosen; the exit question still finds it.
    bar->m_pProcessingDlg->OnShowAll();
    interaction.m_messageBoxAnswers.push_back(GetParam());
    bar->ExitProgram();

    ASSERT_EQ(1u, interaction.m_messageBoxes.size());
    EXPECT_EQ("Would you like to show the windows that you have hidden?",
              interaction.m_messageBoxes[0].text);
    EXPECT_EQ("Panewardweb - Exit Question", interaction.m_messageBoxes[0].caption);
    EXPECT_EQ(static_cast<UINT>(MB_YESNO | MB_ICONINFORMATION), interaction.m_messageBoxes[0].type);
    const bool shown = GetParam() == IDYES;
    EXPECT_EQ(shown, ::IsWindowVisible(first.Handle()) != 0);
    EXPECT_EQ(shown, ::IsWindowVisible(second.Handle()) != 0);
    EXPECT_EQ(kDefaultFile, ReadFileBytes(SettingsPath()));
    EXPECT_EQ(IDCANCEL, bar->GetModalResult());

    // On No the windows stay hidden, and the next start knows them again.
    EXPECT_EQ(!shown, FileExists(CHiddenWindowFile::ProgramFile()));
    Start();
    EXPECT_EQ(shown ? 0u : 2u, bar->m_pProcessingDlg->m_hiddenHandles.size());
}

INSTANTIATE_TEST_SUITE_P(ButtonBarAnswers, ButtonBarExit, ::testing::Values(IDYES, IDNO));

} // namespace
