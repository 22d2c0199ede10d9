#include "app/PreferencesDlg.h"
#include "tests/BarFixture.h"

namespace {

class ButtonBar : public BarFixture {};

TEST_F(ButtonBar, StartsCollapsedTopmostWithItsDialogsHiddenAndTheBalloonOnlyAtFirst) {
    Start();
    EXPECT_TRUE(::IsWindowVisible(bar->m_hWnd) && IsCollapsed(bar->m_hWnd));
    EXPECT_TRUE(IsTopmost(bar->m_hWnd));
    EXPECT_TRUE(interaction.m_messageBoxes.empty());
    for (CDialog* dialog : {static_cast<CDialog*>(bar->m_pProcessingDlg.get()),
                            static_cast<CDialog*>(bar->m_pPreferencesDlg.get())}) {
        EXPECT_TRUE(::IsWindow(dialog->m_hWnd) && !::IsWindowVisible(dialog->m_hWnd));
    }
    char current[MAX_PATH] = "";
    ::GetCurrentDirectoryA(sizeof current, current);
    EXPECT_STRCASEEQ(CWinApp::ProgramFolder().c_str(), current);

    const NOTIFYICONDATAA* icon = &bar->m_trayIcon.GetIconData();
    EXPECT_EQ(133u, icon->uID);
    EXPECT_STREQ("Panewarden - Controll your windows", icon->szTip);
    EXPECT_STREQ(icon->szTip, icon->szInfoTitle);
    EXPECT_EQ(static_cast<DWORD>(NIIF_INFO), icon->dwInfoFlags);
    EXPECT_EQ(10000u, icon->uTimeout);

    const HICON trayImage = icon->hIcon;
    bar.reset();
    ICONINFO info;
    EXPECT_FALSE(::GetIconInfo(trayImage, &info)) << "the tray image is destroyed with the bar";
    Start("Windows Standard\r\n");
    EXPECT_EQ(static_cast<UINT>(NIF_MESSAGE | NIF_ICON | NIF_TIP),
              bar->m_trayIcon.GetIconData().uFlags);
}

TEST(ButtonBarProgramFolder, ARootKeepsItsBackslashForXColonAloneIsTheCurrentFolder) {
    EXPECT_EQ("C:\\", FolderOf("C:\\Panewarden.exe"));
    EXPECT_EQ("C:\\Paneward.cfg", PathIn("C:\\", "Paneward.cfg"));
    EXPECT_EQ("C:\\Tools\\Paneward.cfg", PathIn(FolderOf("C:\\Tools\\P.exe"), "Paneward.cfg"));
}

TEST_F(ButtonBar, SettingsComeFromTheProgramFolderAndOutOfRangePeriodsStillRunTheTimers) {
    CTempFolder elsewhere;
    WriteFileBytes(elsewhere.File("Paneward.cfg"), "Elsewhere\r\nTRUE\r\n");
    ASSERT_TRUE(::SetCurrentDirectoryA(elsewhere.Path().c_str()));
    const char file[] = "Blue\r\nTRUE\r\n-40\r\nTRUE\r\n0\r\n";
    Start(file);
    EXPECT_EQ(6u, interaction.m_messageBoxes.size()) << "every face of the missing skin";
    CForeignWindow target("Target");
    target.BringToFront();
    EXPECT_TRUE(PumpUntil([&] { return bar->m_pTarget == target.Handle(); }));
    bar->ExitProgram();
    EXPECT_EQ(file, ReadFileBytes(SettingsPath()));
}

TEST_F(ButtonBar, TakenHotkeyIsReportedOnceAndTheOtherStillWorks) {
    CForeignWindow other("Hotkey holder");
    ASSERT_TRUE(::RegisterHotKey(other.Handle(), 1, MOD_ALT, 'A'));
    Start();
    ASSERT_EQ(1u, interaction.m_messageBoxes.size());
    const MessageBoxCall& box = interaction.m_messageBoxes[0];
    EXPECT_EQ("Uanble to register hotkey for hide-all function", box.text);
    EXPECT_TRUE(box.caption == "Panewarden" && box.type == MB_OK);
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
    EXPECT_EQ(1, bar->m_btnTopmost.GetState() & bar->m_btnTransparency.GetState());
}

// Answers the about box from inside its modal loop.
HWND g_about = nullptr;
bool g_barDisabledWhileOpen = false;
void CALLBACK CloseAboutBox(HWND, UINT, UINT_PTR timer, DWORD) {
    if ((g_about = ::FindWindowA("#32770", "About Panewarden"))) {
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

    UINT_PTR timer = ::SetTimer(nullptr, 0, 50, &CloseAboutBox);
    bar->SendMessage(WM_SYSCOMMAND, IDM_ABOUTBOX, 0);
    ::KillTimer(nullptr, timer);
    ASSERT_NE(nullptr, g_about);
    EXPECT_TRUE(g_barDisabledWhileOpen);
    EXPECT_FALSE(::IsWindow(g_about));
    EXPECT_TRUE(::IsWindowEnabled(bar->m_hWnd));
}

TEST_F(ButtonBar, AutomaximizeCommandTogglesTheSettingAndItsTimerButLeavesMinimizedAlone) {
    Start("Windows Standard\r\nFALSE\r\n20\r\nFALSE\r\n10\r\n");
    CWindowOfClass browser("IEFrame");
    ::ShowWindow(browser.m_hWnd, SW_SHOWNOACTIVATE);
    bar->SendMessage(WM_COMMAND, ID_AUTOMAXIMIZE, 0);
    EXPECT_TRUE(PumpUntil([&] { return ::IsZoomed(browser.m_hWnd) != 0; }));
    ::ShowWindow(browser.m_hWnd, SW_MINIMIZE);
    PumpMessages(100);
    EXPECT_FALSE(::IsZoomed(browser.m_hWnd));

    bar->SendMessage(WM_COMMAND, ID_AUTOMAXIMIZE, 0);
    ::ShowWindow(browser.m_hWnd, SW_RESTORE); // to maximized, as it was before
    ::ShowWindow(browser.m_hWnd, SW_RESTORE);
    PumpMessages(100);
    EXPECT_FALSE(::IsZoomed(browser.m_hWnd));

    bar->SendMessage(WM_COMMAND, ID_AUTOMAXIMIZE, 0);
    bar->ExitProgram();
    EXPECT_EQ("Windows Standard\r\nTRUE\r\n20\r\nFALSE\r\n10\r\n", ReadFileBytes(SettingsPath()));
}

// The answer to the exit question; 0: nothing is hidden, nothing is asked. Yes is the menu's.
class ButtonBarExit : public ButtonBar, public ::testing::WithParamInterface<int> {};

TEST_P(ButtonBarExit, QuitAsksAboutHiddenWindowsAndOnNoTheNextStartKnowsThem) {
    Start();
    CForeignWindow first("First"), second("Second");
    if (GetParam()) {
        Hide(first);
        Hide(second);
    }
    bar->m_pProcessingDlg->OnShowAll(); // parks the list; the exit question still finds it
    interaction.m_messageBoxAnswers.push_back(GetParam());
    const HWND trayWindow = bar->m_trayIcon.m_hWnd;
    bar->SendMessage(WM_COMMAND, ID_QUIT, 0);

    ASSERT_EQ(GetParam() ? 1u : 0u, interaction.m_messageBoxes.size());
    if (GetParam()) {
        const MessageBoxCall& question = interaction.m_messageBoxes[0];
        EXPECT_EQ("Would you like to show the windows that you have hidden?", question.text);
        EXPECT_EQ("Panewardweb - Exit Question", question.caption);
        EXPECT_EQ(static_cast<UINT>(MB_YESNO | MB_ICONINFORMATION), question.type);
        EXPECT_FALSE(::IsWindowVisible(first.Handle()) || ::IsWindowVisible(second.Handle()));
    }
    EXPECT_EQ("Windows Standard\r\nFALSE\r\n500\r\nTRUE\r\n10\r\n", ReadFileBytes(SettingsPath()));
    EXPECT_FALSE(::IsWindow(trayWindow));
    EXPECT_EQ(nullptr, bar->m_pPreferencesDlg);
    Start();
    EXPECT_EQ(GetParam() ? 2u : 0u, bar->m_pProcessingDlg->m_hiddenHandles.size());
}

INSTANTIATE_TEST_SUITE_P(ButtonBarAnswers, ButtonBarExit, ::testing::Values(0, IDNO));

} // namespace
