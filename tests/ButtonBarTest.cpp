#include "controls/SkinFolder.h"
#include "tests/BarFixture.h"

#include <commctrl.h>
#include <shlobj.h>

namespace {

class ButtonBar : public BarFixture {};

TEST_F(ButtonBar, StartsCollapsedTopmostAndStaysWithItsBalloonOnlyAtTheFirstRun) {
    Start(nullptr);
    EXPECT_TRUE(::IsWindowVisible(bar->m_hWnd) && IsCollapsed(bar->m_hWnd));
    EXPECT_TRUE(::GetWindowLongA(bar->m_hWnd, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_TRUE(::IsWindow(Dialog().m_hWnd) && !::IsWindowVisible(Dialog().m_hWnd));
    EXPECT_EQ(nullptr, bar->PreferencesDlg()) << "made when first asked for";
    char current[MAX_PATH] = "";
    ::GetCurrentDirectoryA(sizeof current, current);
    EXPECT_STRCASEEQ(CWinApp::ProgramFolder().c_str(), current);
    const NOTIFYICONDATAA* icon = &bar->TrayIcon().GetIconData();
    EXPECT_TRUE(icon->uID == 133 && icon->dwInfoFlags == NIIF_INFO && icon->uTimeout == 10000);
    EXPECT_STREQ("Panewarden - Controll your windows", icon->szTip);
    EXPECT_STREQ(icon->szTip, icon->szInfoTitle);
    // Enter, Esc and the close request never end it.
    Command(IDOK);
    Command(IDCANCEL);
    bar->SendMessage(WM_CLOSE);
    EXPECT_TRUE(::IsWindow(bar->m_hWnd) && interaction.m_messageBoxes.empty());

    const HICON trayImage = icon->hIcon;
    bar.reset();
    ICONINFO info;
    EXPECT_FALSE(::GetIconInfo(trayImage, &info)) << "the tray image is destroyed with the bar";
    Start("Windows Standard\r\n");
    EXPECT_EQ(static_cast<UINT>(NIF_MESSAGE | NIF_ICON | NIF_TIP),
              bar->TrayIcon().GetIconData().uFlags);
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
    EXPECT_TRUE(PumpUntil([&] { return bar->Target() == target.Handle(); }));
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

// The answer to the exit question; 0: nothing is hidden, nothing is asked.
class ButtonBarExit : public ButtonBar, public ::testing::WithParamInterface<int> {};

TEST_P(ButtonBarExit, QuitAsksOnceShowsFirstToLastOnYesAndOnNoTheNextStartKnowsThem) {
    Start();
    CForeignWindow first("First"), second("Second"), third("Third");
    ::ShowWindow(third.Handle(), SW_SHOWNOACTIVATE);
    if (GetParam()) {
        bar->HiddenWindowList().Hide(CWindowCalls(first.Handle()));
        bar->HiddenWindowList().Hide(CWindowCalls(second.Handle()));
    }
    Dialog().OnShowAll(); // the exit question still finds the program's list
    interaction.m_messageBoxAnswers.push_back(GetParam());
    // While it asks, another Quit comes from a button's menu and a window is hidden.
    interaction.m_whileAsking = [&] {
        RightClick(IDC_HIDE, {ID_QUIT});
        bar->HiddenWindowList().Hide(CWindowCalls(third.Handle()));
    };
    const HWND trayWindow = bar->TrayIcon().m_hWnd;
    Command(ID_QUIT);
    ASSERT_EQ(GetParam() ? 1u : 0u, interaction.m_messageBoxes.size());
    if (GetParam()) {
        const MessageBoxCall& question = interaction.m_messageBoxes[0];
        EXPECT_EQ("Would you like to show the windows that you have hidden?", question.text);
        EXPECT_EQ("Panewardweb - Exit Question", question.caption);
        EXPECT_EQ(static_cast<UINT>(MB_YESNO | MB_ICONINFORMATION), question.type);
    }
    if (GetParam() == IDYES) {
        EXPECT_TRUE(first.m_nShownAt < second.m_nShownAt && second.m_nShownAt < third.m_nShownAt);
    }
    EXPECT_EQ(GetParam() != IDNO, ::IsWindowVisible(third.Handle()) != 0);
    EXPECT_EQ(kTimerOff, ReadFileBytes(SettingsPath()));
    EXPECT_TRUE(!::IsWindow(trayWindow) && !bar->PreferencesDlg());
    Start();
    EXPECT_EQ(GetParam() == IDNO ? 3u : 0u, Hidden().size());
}
INSTANTIATE_TEST_SUITE_P(ButtonBarAnswers, ButtonBarExit, ::testing::Values(0, IDNO, IDYES));

TEST_F(ButtonBar, PreferencesShowTheStoredValuesEvenOutOfRangeFollowOnlyDragsAndApplyOnClose) {
    // Slider position, check state, label, whether enabled; of each timer.
    using View = std::tuple<int, int, std::string, bool>;
    const auto item = [&](int id) { return ::GetDlgItem(bar->PreferencesDlg()->m_hWnd, id); };
    const auto view = [&](int box, int slider, int label) {
        EXPECT_EQ(::IsWindowEnabled(item(slider)), ::IsWindowEnabled(item(label)));
        return View(static_cast<int>(::SendMessageA(item(slider), TBM_GETPOS, 0, 0)),
                    static_cast<int>(::SendMessageA(item(box), BM_GETCHECK, 0, 0)),
                    WindowTitle(item(label)), ::IsWindowEnabled(item(slider)) != 0);
    };
    const auto scroll = [&](int code, int position) {
        ::SendMessageA(item(IDC_WINDOWTIMERSLIDER), TBM_SETPOS, TRUE, position);
        bar->PreferencesDlg()->SendMessage(WM_HSCROLL, MAKEWPARAM(code, position),
                                           reinterpret_cast<LPARAM>(item(IDC_WINDOWTIMERSLIDER)));
    };
    CForeignWindow front("Front"), frame("Browser", {100, 100, 400, 300}, 0, "IEFrame");
    const POINT place = BarPlaceOn(front.Handle());
    const auto follows = [&](DWORD milliseconds) {
        front.BringToFront();
        return PumpUntil([&] { return WindowRect(bar->m_hWnd).left == place.x; }, milliseconds);
    };
    struct Case {
        const char* file; // null: none
        View autoMaximize, windowTimer;
        const char* saved;
        bool follows, maximizes;
    };
    // Periods outside the sliders' ranges: the labels say them, closing stores the ends.
    const Case cases[] = {{nullptr,
                           {500, 0, "500 ms", false},
                           {10, 1, "10 ms", true},
                           "Windows Standard\r\nFALSE\r\n500\r\nTRUE\r\n10\r\n",
                           true,
                           false},
                          {"Blue\r\nTRUE\r\n3\r\nFALSE\r\n5000\r\n",
                           {10, 1, "3 ms", true},
                           {1000, 0, "5000 ms", false},
                           "Blue\r\nTRUE\r\n10\r\nFALSE\r\n1000\r\n",
                           false,
                           true}};
    for (const Case& c : cases) {
        Start(c.file);
        Command(ID_PREFERENCES);
        ::SendMessageA(item(IDC_WINDOWTIMER), BM_CLICK, 0, 0);
        scroll(SB_THUMBTRACK, 400);
        EXPECT_EQ("400 ms", WindowTitle(item(IDC_WINDOWTIMERLABEL)));
        Command(ID_PREFERENCES); // again: unapplied changes are gone
        EXPECT_EQ(c.autoMaximize,
                  view(IDC_AUTOMAXIMIZE, IDC_AUTOMAXIMIZESLIDER, IDC_AUTOMAXIMIZELABEL));
        EXPECT_EQ(c.windowTimer,
                  view(IDC_WINDOWTIMER, IDC_WINDOWTIMERSLIDER, IDC_WINDOWTIMERLABEL));
        ::ShowWindow(frame.Handle(), SW_RESTORE);
        ::SendMessageA(bar->PreferencesDlg()->m_hWnd, WM_COMMAND, IDOK, 0); // Enter waits
        EXPECT_TRUE(::IsWindowVisible(bar->PreferencesDlg()->m_hWnd));
        ::SendMessageA(bar->PreferencesDlg()->m_hWnd, WM_COMMAND, IDCANCEL, 0);
        EXPECT_FALSE(::IsWindowVisible(bar->PreferencesDlg()->m_hWnd));
        EXPECT_TRUE(IsCollapsed(bar->m_hWnd));
        EXPECT_EQ(c.saved, ReadFileBytes(SettingsPath()));
        EXPECT_EQ(c.follows, follows(500));
        EXPECT_EQ(c.maximizes, PumpUntil([&] { return ::IsZoomed(frame.Handle()) != 0; }, 500));
    }
    // Only dragging moves a label; the close box applies too.
    Command(ID_PREFERENCES);
    scroll(SB_THUMBPOSITION, 600);
    for (int code : {SB_PAGEDOWN, SB_TOP, SB_ENDSCROLL}) {
        scroll(code, 700);
    }
    EXPECT_EQ(View(700, 0, "600 ms", false),
              view(IDC_WINDOWTIMER, IDC_WINDOWTIMERSLIDER, IDC_WINDOWTIMERLABEL));
    bar->PreferencesDlg()->SendMessage(WM_SYSCOMMAND, SC_CLOSE, 0);
    PumpMessages();
    EXPECT_EQ("Blue\r\nTRUE\r\n10\r\nFALSE\r\n700\r\n", ReadFileBytes(SettingsPath()));
}

class ButtonBarSkins : public ButtonBar {
protected:
    // Whether every face shows the shipped skin's, but the one left out.
    bool Shows(const std::string& skin, const std::string& leftOut = "") {
        const char* const faces[] = {"A-DOWN", "A-UP", "T-DOWN", "T-UP", "H-DOWN", "H-UP"};
        bool all = true;
        for (int face = 0; face < 6; ++face) {
            CSkinButton& button = bar->Button(face < 2   ? IDC_TOPMOST
                                              : face < 4 ? IDC_TRANSPARENCY
                                                         : IDC_HIDE);
            button.SetState(face % 2 == 0);
            RECT rect = WindowRect(button.m_hWnd);
            ::MapWindowPoints(nullptr, bar->m_hWnd, reinterpret_cast<POINT*>(&rect), 2);
            const std::string file = GfxFolder() + "\\" + skin + "\\" + faces[face] + ".BMP";
            // The left of A lies under H.
            const int seen =
                Differences(bar->m_hWnd, {rect.left, rect.top, rect.left + 12, rect.bottom}, file,
                            CLR_INVALID, {rect.left, rect.top, rect.left + 4, rect.bottom});
            all = all && (seen == 0) == (leftOut != faces[face]);
            button.SetState(0);
        }
        return all;
    }
};

TEST_F(ButtonBarSkins, TheChosenFolderRepaintsAtOnceComesBackAtTheNextStartAndKeepsMissingFaces) {
    // Cancelled, the gfx folder itself, a skin, a folder without T-DOWN.
    CTempFolder partial;
    for (const char* face : {"A-DOWN", "A-UP", "T-UP", "H-DOWN", "H-UP"}) {
        ::CopyFileA((GfxFolder() + "\\Flat\\" + face + ".BMP").c_str(),
                    partial.File(std::string(face) + ".BMP").c_str(), FALSE);
    }
    const std::tuple<std::string, std::string, const char*> choices[] = {
        {"", "Windows Standard", ""},
        {GfxFolder(), "Windows Standard", ""},
        {GfxFolder() + "\\High Contrast", "High Contrast", ""},
        {partial.Path(), "Flat", "T-DOWN"}};
    for (const auto& [folder, skin, leftOut] : choices) {
        Start();
        bar->MoveWindow(300, 300, 60, 20);
        if (!folder.empty()) {
            interaction.m_folderChoices.push_back(folder);
        }
        Command(ID_SKINSELECTOR);
        const BrowseCall& browse = interaction.m_browses.back();
        EXPECT_EQ(bar->Button(IDC_TRANSPARENCY).m_hWnd, browse.owner);
        EXPECT_STRCASEEQ(GfxFolder().c_str(), browse.root.c_str());
        EXPECT_EQ("Please select new buttons", browse.title);
        EXPECT_EQ(static_cast<UINT>(BIF_RETURNONLYFSDIRS | BIF_RETURNFSANCESTORS), browse.flags);
        EXPECT_TRUE(Shows(skin, leftOut)) << folder;
        bar->ExitProgram();
        const std::string file = ReadFileBytes(SettingsPath());
        EXPECT_EQ(*leftOut ? folder : skin, file.substr(0, file.find('\r')));
        Start(file.c_str());
        bar->MoveWindow(300, 300, 60, 20);
        EXPECT_TRUE(*leftOut || Shows(skin)) << folder;
    }
    ASSERT_EQ(2u, interaction.m_messageBoxes.size()); // at the choice and at the next start
    EXPECT_EQ("Path to the bitmap does not exists...\n" + partial.File("T-DOWN.BMP"),
              interaction.m_messageBoxes[0].text);
}

} // namespace
