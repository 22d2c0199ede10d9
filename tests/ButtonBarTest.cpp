#include "controls/SkinFolder.h"
#include "tests/BarFixture.h"

#include <commctrl.h>
#include <shlobj.h>

namespace {

class ButtonBar : public BarFixture {};

TEST_F(ButtonBar, StartsCollapsedTopmostWithItsDialogsHiddenAndTheBalloonOnlyAtFirst) {
    Start(nullptr);
    EXPECT_TRUE(::IsWindowVisible(bar->m_hWnd) && IsCollapsed(bar->m_hWnd));
    EXPECT_TRUE(::GetWindowLongA(bar->m_hWnd, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_TRUE(interaction.m_messageBoxes.empty());
    for (HWND dialog : {Dialog().m_hWnd, bar->PreferencesDlg()->m_hWnd}) {
        EXPECT_TRUE(::IsWindow(dialog) && !::IsWindowVisible(dialog));
    }
    char current[MAX_PATH] = "";
    ::GetCurrentDirectoryA(sizeof current, current);
    EXPECT_STRCASEEQ(CWinApp::ProgramFolder().c_str(), current);
    const NOTIFYICONDATAA* icon = &bar->TrayIcon().GetIconData();
    EXPECT_EQ(133u, icon->uID);
    EXPECT_STREQ("Panewarden - Controll your windows", icon->szTip);
    EXPECT_STREQ(icon->szTip, icon->szInfoTitle);
    EXPECT_EQ(static_cast<DWORD>(NIIF_INFO), icon->dwInfoFlags);
    EXPECT_EQ(10000u, icon->uTimeout);

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
    Command(IDOK);
    Command(IDCANCEL);
    bar->SendMessage(WM_CLOSE);
    PumpMessages(20);
    EXPECT_TRUE(::IsWindow(bar->m_hWnd));
    UINT_PTR timer = ::SetTimer(nullptr, 0, 50, &CloseAboutBox);
    bar->SendMessage(WM_SYSCOMMAND, IDM_ABOUTBOX, 0);
    ::KillTimer(nullptr, timer);
    ASSERT_NE(nullptr, g_about);
    EXPECT_TRUE(g_barDisabledWhileOpen && !::IsWindow(g_about));
    EXPECT_TRUE(::IsWindowEnabled(bar->m_hWnd));
}

TEST_F(ButtonBar, AutomaximizeCommandTogglesTheSettingAndItsTimerButLeavesMinimizedAlone) {
    Start("Windows Standard\r\nFALSE\r\n20\r\nFALSE\r\n10\r\n");
    CForeignWindow frame("Browser", {100, 100, 400, 300}, 0, "IEFrame");
    ::ShowWindow(frame.Handle(), SW_SHOWNOACTIVATE);
    Command(ID_AUTOMAXIMIZE);
    EXPECT_TRUE(PumpUntil([&] { return ::IsZoomed(frame.Handle()) != 0; }));
    ::ShowWindow(frame.Handle(), SW_MINIMIZE);
    PumpMessages(100);
    EXPECT_FALSE(::IsZoomed(frame.Handle()));
    Command(ID_AUTOMAXIMIZE);
    ::ShowWindow(frame.Handle(), SW_RESTORE); // to maximized, as it was before
    ::ShowWindow(frame.Handle(), SW_RESTORE);
    PumpMessages(100);
    EXPECT_FALSE(::IsZoomed(frame.Handle()));
    Command(ID_AUTOMAXIMIZE);
    bar->ExitProgram();
    EXPECT_EQ("Windows Standard\r\nTRUE\r\n20\r\nFALSE\r\n10\r\n", ReadFileBytes(SettingsPath()));
}

// The answer to the exit question; 0: nothing is hidden, nothing is asked.
class ButtonBarExit : public ButtonBar, public ::testing::WithParamInterface<int> {};

TEST_P(ButtonBarExit, QuitAsksOnceShowsFirstToLastOnYesAndOnNoTheNextStartKnowsThem) {
    Start();
    CForeignWindow first("First"), second("Second"), third("Third");
    ::ShowWindow(third.Handle(), SW_SHOWNOACTIVATE);
    if (GetParam()) {
        bar->HiddenWindowList().Hide(first.Handle());
        bar->HiddenWindowList().Hide(second.Handle());
    }
    Dialog().OnShowAll(); // the exit question still finds the program's list
    interaction.m_messageBoxAnswers.push_back(GetParam());
    // While it asks, another Quit comes from a button's menu and a window is hidden.
    interaction.m_whileAsking = [&] {
        RightClick(IDC_HIDE, {ID_QUIT});
        bar->HiddenWindowList().Hide(third.Handle());
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
    const bool yes = GetParam() == IDYES;
    EXPECT_EQ(yes, ::IsWindowVisible(first.Handle()) && ::IsWindowVisible(third.Handle()));
    if (yes) {
        EXPECT_TRUE(first.m_nShownAt < second.m_nShownAt && second.m_nShownAt < third.m_nShownAt);
    }
    EXPECT_EQ("Windows Standard\r\nFALSE\r\n500\r\nFALSE\r\n10\r\n", ReadFileBytes(SettingsPath()));
    EXPECT_FALSE(::IsWindow(trayWindow));
    EXPECT_EQ(nullptr, bar->PreferencesDlg());
    Start();
    EXPECT_EQ(GetParam() == IDNO ? 3u : 0u, Hidden().size());
}
INSTANTIATE_TEST_SUITE_P(ButtonBarAnswers, ButtonBarExit, ::testing::Values(0, IDNO, IDYES));

// Slider position, check state, label, whether enabled.
using TimerView = std::tuple<int, int, std::string, bool>;

class ButtonBarPreferences : public ButtonBar {
protected:
    HWND Item(int id) const { return ::GetDlgItem(bar->PreferencesDlg()->m_hWnd, id); }
    void Click(int box) const { ::SendMessageA(Item(box), BM_CLICK, 0, 0); }
    TimerView View(int box) const {
        const int slider = box == IDC_AUTOMAXIMIZE ? IDC_AUTOMAXIMIZESLIDER : IDC_WINDOWTIMERSLIDER;
        const int label = box == IDC_AUTOMAXIMIZE ? IDC_AUTOMAXIMIZELABEL : IDC_WINDOWTIMERLABEL;
        const bool enabled = ::IsWindowEnabled(Item(slider)) != 0;
        EXPECT_EQ(enabled, ::IsWindowEnabled(Item(label)) != 0) << "slider and label together";
        return {static_cast<int>(::SendMessageA(Item(slider), TBM_GETPOS, 0, 0)),
                static_cast<int>(::SendMessageA(Item(box), BM_GETCHECK, 0, 0)),
                WindowTitle(Item(label)), enabled};
    }
    void Scroll(int slider, int code, int position) const {
        ::SendMessageA(Item(slider), TBM_SETPOS, TRUE, position);
        ::SendMessageA(bar->PreferencesDlg()->m_hWnd, WM_HSCROLL, MAKEWPARAM(code, position),
                       reinterpret_cast<LPARAM>(Item(slider)));
    }
    bool BarFollowsWithin(DWORD milliseconds) {
        front.BringToFront();
        const POINT place = BarPlaceOn(front.Handle());
        return PumpUntil([&] { return WindowRect(bar->m_hWnd).left == place.x; }, milliseconds);
    }
    CForeignWindow front{"Preferences front window"};
};

TEST_F(ButtonBarPreferences, EveryOpeningShowsTheStoredValuesEvenOutOfRangeAndEscAppliesThem) {
    struct Case {
        const char* file; // null: none
        TimerView autoMaximize, windowTimer;
        const char* savedOnClose;
        bool follows, maximizes;
    };
    // Periods outside the sliders' ranges: the labels say them, closing stores the ends.
    const Case cases[] = {
        {nullptr,
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
         true},
    };
    for (const Case& c : cases) {
        Start(c.file);
        Command(ID_PREFERENCES);
        Click(IDC_AUTOMAXIMIZE);
        Click(IDC_WINDOWTIMER);
        Scroll(IDC_WINDOWTIMERSLIDER, SB_THUMBTRACK, 400);
        Command(ID_PREFERENCES); // again: unapplied changes are gone
        EXPECT_EQ(c.autoMaximize, View(IDC_AUTOMAXIMIZE));
        EXPECT_EQ(c.windowTimer, View(IDC_WINDOWTIMER));

        CForeignWindow frame("Browser", {100, 100, 400, 300}, 0, "IEFrame");
        ::ShowWindow(frame.Handle(), SW_SHOWNOACTIVATE);
        ::SendMessageA(bar->PreferencesDlg()->m_hWnd, WM_COMMAND, IDCANCEL, 0);
        EXPECT_FALSE(::IsWindowVisible(bar->PreferencesDlg()->m_hWnd));
        EXPECT_TRUE(IsCollapsed(bar->m_hWnd));
        EXPECT_EQ(c.savedOnClose, ReadFileBytes(SettingsPath()));
        EXPECT_EQ(c.follows, BarFollowsWithin(500));
        EXPECT_EQ(c.maximizes, PumpUntil([&] { return ::IsZoomed(frame.Handle()) != 0; }, 500));
    }
}

TEST_F(ButtonBarPreferences, OnlyDraggingMovesALabelEnterWaitsAndTheCloseBoxApplies) {
    Start(nullptr);
    Command(ID_PREFERENCES);
    Click(IDC_AUTOMAXIMIZE);
    Scroll(IDC_AUTOMAXIMIZESLIDER, SB_THUMBTRACK, 30);
    ::SendMessageA(Item(IDC_AUTOMAXIMIZESLIDER), WM_KEYDOWN, VK_RIGHT, 0); // SB_LINEDOWN
    Scroll(IDC_WINDOWTIMERSLIDER, SB_THUMBPOSITION, 600);
    for (int code : {SB_PAGEDOWN, SB_TOP, SB_BOTTOM, SB_ENDSCROLL}) {
        Scroll(IDC_WINDOWTIMERSLIDER, code, 700);
    }
    EXPECT_EQ(TimerView(31, 1, "30 ms", true), View(IDC_AUTOMAXIMIZE));
    EXPECT_EQ(TimerView(700, 1, "600 ms", true), View(IDC_WINDOWTIMER));
    ::SendMessageA(bar->PreferencesDlg()->m_hWnd, WM_COMMAND, IDOK, 0); // Enter
    EXPECT_TRUE(::IsWindowVisible(bar->PreferencesDlg()->m_hWnd));
    EXPECT_FALSE(FileExists(SettingsPath()));
    ::SendMessageA(bar->PreferencesDlg()->m_hWnd, WM_SYSCOMMAND, SC_CLOSE, 0);
    PumpMessages();
    EXPECT_EQ("Windows Standard\r\nTRUE\r\n31\r\nTRUE\r\n700\r\n", ReadFileBytes(SettingsPath()));
    EXPECT_FALSE(BarFollowsWithin(300));
    EXPECT_TRUE(BarFollowsWithin(1500));
}

const char* const kFaceFiles[] = {"A-DOWN", "A-UP", "T-DOWN", "T-UP", "H-DOWN", "H-UP"};

class ButtonBarSkins : public ButtonBar {
protected:
    void StartWith(const std::string& skinName) {
        Start((skinName + "\r\nFALSE\r\n500\r\nFALSE\r\n10\r\n").c_str());
        bar->MoveWindow(300, 300, 60, 20);
        ::UpdateWindow(bar->m_hWnd);
    }
    // Quits and starts again from the file the bar wrote; the skin name stored.
    std::string Restart() {
        bar->ExitProgram();
        const std::string file = ReadFileBytes(SettingsPath());
        StartWith(file.substr(0, file.find("\r\n")));
        return file.substr(0, file.find("\r\n"));
    }
    void Choose(const std::string& folder) {
        if (!folder.empty()) {
            interaction.m_folderChoices.push_back(folder);
        }
        Command(ID_SKINSELECTOR);
    }
    // Whether every face shows the shipped skin's, but the one left out.
    bool Shows(const std::string& skin, const char* leftOut = "") {
        const UINT ids[] = {IDC_TOPMOST, IDC_TRANSPARENCY, IDC_HIDE};
        bool all = true;
        for (int face = 0; face < 6; ++face) {
            CSkinButton& button = bar->Button(ids[face / 2]);
            button.SetState(face % 2 == 0);
            RECT rect = WindowRect(button.m_hWnd);
            ::MapWindowPoints(nullptr, bar->m_hWnd, reinterpret_cast<POINT*>(&rect), 2);
            // The left of A lies under H.
            const int seen =
                Differences(bar->m_hWnd, {rect.left, rect.top, rect.left + 12, rect.bottom},
                            GfxFolder() + "\\" + skin + "\\" + kFaceFiles[face] + ".BMP",
                            CLR_INVALID, {rect.left, rect.top, rect.left + 4, rect.bottom});
            all = all && (seen == 0) == (leftOut != std::string(kFaceFiles[face]));
            button.SetState(0);
        }
        return all;
    }
};

TEST_F(ButtonBarSkins, ChosenSkinsRepaintAtOnceAndComeBackAtTheNextStart) {
    char temp[MAX_PATH] = "";
    ::GetTempPathA(sizeof temp, temp);
    const std::string outside = temp + std::string("panewarden-skin\\Green");
    // The folder chosen, given to ApplySkin instead when set; the name the file keeps.
    const std::tuple<std::string, std::string, std::string> choices[] = {
        {GfxFolder() + "\\High Contrast", "", "High Contrast"},
        {GfxFolder() + "\\Mine\\Green", "", "Mine\\Green"},
        {outside, "", outside},
        {GfxFolder() + "\\Mine\\Green", "gfx\\Mine\\Green", "Mine\\Green"},
    };
    for (const auto& [folder, applied, stored] : choices) {
        ::SHCreateDirectoryExA(nullptr, folder.c_str(), nullptr);
        for (const char* face : kFaceFiles) {
            const std::string file = std::string("\\") + face + ".BMP";
            ::CopyFileA((GfxFolder() + "\\High Contrast" + file).c_str(), (folder + file).c_str(),
                        TRUE);
        }
        StartWith("Flat");
        if (applied.empty()) {
            Choose(folder);
            const BrowseCall& browse = interaction.m_browses.back();
            EXPECT_EQ(bar->Button(IDC_TRANSPARENCY).m_hWnd, browse.owner);
            EXPECT_STRCASEEQ(GfxFolder().c_str(), browse.root.c_str());
            EXPECT_EQ("Please select new buttons", browse.title);
            EXPECT_EQ(static_cast<UINT>(BIF_RETURNONLYFSDIRS | BIF_RETURNFSANCESTORS),
                      browse.flags);
        } else {
            bar->ApplySkin(applied);
        }
        EXPECT_TRUE(Shows("High Contrast")) << folder;
        EXPECT_EQ(stored, Restart());
        EXPECT_TRUE(Shows("High Contrast")) << folder;
    }
    EXPECT_TRUE(interaction.m_messageBoxes.empty());
}

TEST_F(ButtonBarSkins, CancelTheGfxFolderAndAMissingFaceKeepWhatTheyCannotReplace) {
    StartWith("Flat");
    for (const std::string& folder : {std::string(), GfxFolder()}) {
        Choose(folder);
        EXPECT_TRUE(Shows("Flat")) << folder;
    }
    EXPECT_EQ("Flat", Restart());
    EXPECT_TRUE(interaction.m_messageBoxes.empty());

    CTempFolder partial;
    for (const char* face : {"A-DOWN", "A-UP", "T-UP", "H-DOWN", "H-UP"}) {
        const std::string file = std::string("\\") + face + ".BMP";
        ::CopyFileA((GfxFolder() + "\\High Contrast" + file).c_str(),
                    (partial.Path() + file).c_str(), FALSE);
    }
    Choose(partial.Path());
    ASSERT_EQ(1u, interaction.m_messageBoxes.size());
    EXPECT_EQ("Path to the bitmap does not exists...\n" + partial.File("T-DOWN.BMP"),
              interaction.m_messageBoxes[0].text);
    EXPECT_TRUE(Shows("High Contrast", "T-DOWN"));
}

} // namespace
