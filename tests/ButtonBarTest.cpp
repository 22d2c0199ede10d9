#include "app/PreferencesDlg.h"
#include "tests/BarFixture.h"

namespace {

const char kDefaultFile[] = "Windows Standard\r\nFALSE\r\n500\r\nTRUE\r\n10\r\n";

class ButtonBar : public BarFixture {};

TEST_F(ButtonBar, StartsCollapsedTopmostWithItsDialogsHiddenAndTheBalloonOnlyAtFirst) {
    Start();
    EXPECT_TRUE(::IsWindowVisible(bar->m_hWnd) && IsCollapsed(bar->m_hWnd));
    EXPECT_TRUE(IsTopmost(bar->m_hWnd));
    EXPECT_FALSE(::IsRectEmpty(&bar->m_rcBar));
    EXPECT_EQ(nullptr, bar->m_pTarget);
    EXPECT_TRUE(interaction.m_messageBoxes.empty());
    for (CDialog* dialog : {static_cast<CDialog*>(bar->m_pProcessingDlg.get()),
                            static_cast<CDialog*>(bar->m_pPreferencesDlg.get())}) {
        ASSERT_NE(nullptr, dialog);
        EXPECT_TRUE(::IsWindow(dialog->m_hWnd) && !::IsWindowVisible(dialog->m_hWnd));
    }
    char current[MAX_PATH] = "";
    ::GetCurrentDirectoryA(sizeof current, current);
    EXPECT_STRCASEEQ(CWinApp::ProgramFolder().c_str(), current);

    const NOTIFYICONDATAA* icon = &bar->m_trayIcon.GetIconData();
    EXPECT_EQ(1, bar->m_settings.firstRun);
    EXPECT_EQ(133u, icon->uID);
    EXPECT_STREQ("Panewarden - Controll your windows", icon->szTip);
    EXPECT_EQ(static_cast<UINT>(NIF_MESSAGE | NIF_ICON | NIF_TIP | NIF_INFO), icon->uFlags);
    EXPECT_STREQ("Panewarden - Controll your windows", icon->szInfoTitle);
    EXPECT_EQ(static_cast<DWORD>(NIIF_INFO), icon->dwInfoFlags);
    EXPECT_EQ(10000u, icon->uTimeout);

    Start("Windows Standard\r\n");
    icon = &bar->m_trayIcon.GetIconData();
    EXPECT_EQ(0, bar->m_settings.firstRun);
    EXPECT_EQ(static_cast<UINT>(NIF_MESSAGE | NIF_ICON | NIF_TIP), icon->uFlags);
    EXPECT_STREQ("", icon->szInfoTitle);
    EXPECT_EQ(0u, icon->dwInfoFlags);
}

TEST_F(ButtonBar, SettingsComeFromTheProgramFolderAndOutOfRangePeriodsStillRunTheTimers) {
    CTempFolder elsewhere;
    WriteFileBytes(elsewhere.File("Paneward.cfg"), "Elsewhere\r\nTRUE\r\n");
    ASSERT_TRUE(::SetCurrentDirectoryA(elsewhere.Path().c_str()));
    const char file[] = "Blue\r\nTRUE\r\n-40\r\nTRUE\r\n0\r\n";
    Start(file);
    EXPECT_EQ("Blue", bar->m_settings.skinName);

    // The skin folder is missing: every bitmap is reported, downs before ups, A, T, H.
    const char* expected[] = {"A-DOWN", "A-UP", "T-DOWN", "T-UP", "H-DOWN", "H-UP"};
    ASSERT_EQ(6u, interaction.m_messageBoxes.size());
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(std::string("Path to the bitmap does not exists...\ngfx\\Blue\\") + expected[i] +
                      ".BMP",
                  interaction.m_messageBoxes[i].text);
    }
    CForeignWindow target("Target");
    target.BringToFront();
    EXPECT_TRUE(PumpUntil([&] { return bar->m_pTarget == target.Handle(); }));
    bar->ExitProgram();
    EXPECT_EQ(file, ReadFileBytes(SettingsPath()));
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
    EXPECT_FALSE(::RegisterHotKey(other.Handle(), 2, MOD_ALT, 'S')) << "Alt+S is the bar's";
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

// Answers the about box from inside its modal loop.
HWND g_about = nullptr;
bool g_barDisabledWhileOpen = false;
void CALLBACK CloseAboutBox(HWND, UINT, UINT_PTR timer, DWORD) {
    g_about = ::FindWindowA("#32770", "About Panewarden");
    if (g_about) {
        ::KillTimer(nullptr, timer);
        g_barDisabledWhileOpen = !::IsWindowEnabled(::GetWindow(g_about, GW_OWNER));
        ::PostMessageA(g_about, WM_COMMAND, IDOK, 0);
    }
}

TEST_F(ButtonBar, EnterEscAndCloseNeverEndTheBarAndTheAboutBoxIsModal) {
    Start();
    bar->SendMessage(WM_COMMAND, IDOK, 0);
    bar->SendMessage(WM_COMMAND, IDCANCEL, 0);
    bar->SendMessage(WM_CLOSE, 0, 0);
    PumpMessages(20);
    EXPECT_TRUE(::IsWindow(bar->m_hWnd));
    EXPECT_EQ(-1, bar->GetModalResult());

    UINT_PTR timer = ::SetTimer(nullptr, 0, 50, &CloseAboutBox);
    bar->SendMessage(WM_SYSCOMMAND, IDM_ABOUTBOX, 0);
    ::KillTimer(nullptr, timer);
    ASSERT_NE(nullptr, g_about);
    EXPECT_TRUE(g_barDisabledWhileOpen);
    EXPECT_FALSE(::IsWindow(g_about));
    EXPECT_TRUE(::IsWindowEnabled(bar->m_hWnd));
}

TEST_F(ButtonBar, AutomaximizeCommandTogglesTheSettingAndItsTimer) {
    Start("Windows Standard\r\nFALSE\r\n20\r\nFALSE\r\n10\r\n");
    CWindowOfClass browser("IEFrame");
    ::ShowWindow(browser.m_hWnd, SW_SHOWNOACTIVATE);
    bar->SendMessage(WM_COMMAND, ID_AUTOMAXIMIZE, 0);
    EXPECT_EQ(1, bar->m_settings.autoMaximize);
    EXPECT_TRUE(PumpUntil([&] { return ::IsZoomed(browser.m_hWnd) != 0; }));
    ::ShowWindow(browser.m_hWnd, SW_MINIMIZE);
    PumpMessages(100);
    EXPECT_TRUE(::IsIconic(browser.m_hWnd) && !::IsZoomed(browser.m_hWnd));

    bar->SendMessage(WM_COMMAND, ID_AUTOMAXIMIZE, 0);
    EXPECT_EQ(0, bar->m_settings.autoMaximize);
    ::ShowWindow(browser.m_hWnd, SW_RESTORE); // to maximized, as it was before
    ::ShowWindow(browser.m_hWnd, SW_RESTORE);
    PumpMessages(100);
    EXPECT_FALSE(::IsZoomed(browser.m_hWnd));

    bar->SendMessage(WM_COMMAND, ID_AUTOMAXIMIZE, 0);
    bar->ExitProgram();
    EXPECT_EQ("Windows Standard\r\nTRUE\r\n20\r\nFALSE\r\n10\r\n", ReadFileBytes(SettingsPath()));
}

// The answer to the exit question; 0: nothing is hidden, nothing is asked.
class ButtonBarExit : public ButtonBar, public ::testing::WithParamInterface<int> {};

TEST_P(ButtonBarExit, QuitAsksAboutHiddenWindowsAndShowsThemOnYes) {
    Start();
    CForeignWindow first("First"), second("Second");
    if (GetParam()) {
        Hide(first);
        Hide(second);
    }
    // The list is parked while "all" is chosen; the exit question still finds it.
    bar->m_pProcessingDlg->OnShowAll();
    interaction.m_messageBoxAnswers.push_back(GetParam());
    const HWND trayWindow = bar->m_trayIcon.m_hWnd;
    bar->SendMessage(WM_COMMAND, ID_QUIT, 0);

    ASSERT_EQ(GetParam() ? 1u : 0u, interaction.m_messageBoxes.size());
    if (GetParam()) {
        const MessageBoxCall& question = interaction.m_messageBoxes[0];
        EXPECT_EQ("Would you like to show the windows that you have hidden?", question.text);
        EXPECT_EQ("Panewardweb - Exit Question", question.caption);
        EXPECT_EQ(static_cast<UINT>(MB_YESNO | MB_ICONINFORMATION), question.type);
        EXPECT_EQ(GetParam() == IDYES, ::IsWindowVisible(first.Handle()) != 0);
        EXPECT_EQ(GetParam() == IDYES, ::IsWindowVisible(second.Handle()) != 0);
    }
    EXPECT_EQ(kDefaultFile, ReadFileBytes(SettingsPath()));
    EXPECT_EQ(IDCANCEL, bar->GetModalResult());
    EXPECT_FALSE(::IsWindow(trayWindow));
    EXPECT_EQ(nullptr, bar->m_pProcessingDlg);
    EXPECT_EQ(nullptr, bar->m_pPreferencesDlg);

    // On No the windows stay hidden, and the next start knows them again.
    EXPECT_EQ(GetParam() == IDNO, FileExists(CHiddenWindowFile::ProgramFile()));
    Start();
    EXPECT_EQ(GetParam() == IDNO ? 2u : 0u, bar->m_pProcessingDlg->m_hiddenHandles.size());
}

INSTANTIATE_TEST_SUITE_P(ButtonBarAnswers, ButtonBarExit, ::testing::Values(0, IDYES, IDNO));

} // namespace
