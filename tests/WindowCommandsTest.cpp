// H, A, T, the hotkeys, the numbered window commands and the menus that give them.
#include "tests/BarFixture.h"
#include "platform/Handles.h"

namespace {

using Handles = std::vector<HWND>;

class WindowCommands : public BarFixture {
protected:
    void SetUp() override { Start(); }
    void Hotkey(int id) { bar->SendMessage(WM_HOTKEY, static_cast<WPARAM>(id), 0); }
    // No pumping: what the menu posts stays in the queue.
    LRESULT TrayMenu(std::deque<UINT> choices = {}) {
        interaction.m_menuChoices = std::move(choices);
        const CSystemTray& icon = bar->TrayIcon();
        return icon.SendMessage(icon.GetIconData().uCallbackMessage, IDR_TRAYMENU, WM_RBUTTONUP);
    }
    CForeignWindow first{"First window", {100, 100, 500, 400}},
        second{"Second window", {150, 120, 550, 420}}, third{"Third window", {200, 140, 600, 440}};
};

// Each action on the bar's world, from one scene: First in front with the bar on it, Second
// and Third behind it.
class WindowCommandsRows : public WindowCommands {
protected:
    void SetUp() override {
        for (HWND window : {first.Handle(), second.Handle(), third.Handle()}) {
            ::SetWindowPos(window, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
            ::SetWindowLongA(window, GWL_EXSTYLE, 0);
            ::ShowWindow(window, SW_SHOWNOACTIVATE);
        }
        WindowCommands::SetUp();
        interaction.m_menus.clear();
        interaction.m_balloons.clear();
        camera = {};
        camera.Name("First", first.Handle());
        camera.Name("Second", second.Handle());
        camera.Name("Third", third.Handle());
        third.BringToFront();
        second.BringToFront();
        RideOn(first.Handle());
        PumpMessages(50); // the platform's own events of these changes
        Dialog().CurrentWindows();
    }
    WPARAM Entry(HWND window) {
        const std::vector<HWND>& listed = Dialog().WindowHandles();
        return ID_ACTIVEWINDOW_FIRST +
               (std::find(listed.begin(), listed.end(), window) - listed.begin());
    }
    const CTransparencyDlg& Popup() { return *bar->Actions().Transparency().Popup(); }
};

TEST_F(WindowCommandsRows, EachActionHasItsWholeEffectAndNoOther) {
    const HWND B = second.Handle();
    const std::function<void()> none = [] {},
                                barInFront = [&] { ::SetForegroundWindow(bar->m_hWnd); };
    const std::function<void()> hideAll = [&] { Hotkey(CButtonBarDlg::kHideAllHotkey); };
    // A window of a program of higher rights, shown for the row, in front with the bar on it.
    const CForeignProcess refusing("Refusing", CloseMode::Closes, StackMode::Refuses);
    refusing.SetStackMode(StackMode::Yields);
    const auto makeRefusing = [&](bool ride) {
        return std::function<void()>([&, ride] {
            refusing.SetStackMode(StackMode::Refuses);
            camera.Name("Refusing", refusing.Handle());
            if (ride) {
                RideOn(refusing.Handle());
            }
        });
    };
    const std::function<void()> hideAllCheckedBack = [&] {
        hideAll();
        PumpUntil([&] { return !Contains(bar->HiddenWindowList().Windows(), refusing.Handle()); });
    };
    const std::string refused =
        " asked+=balloon,Panewarden|Panewarden,cannot,change,this,window:,its,program,runs,with,"
        "higher,rights.";
    // The preferences opened and a check box clicked; closed.
    const auto preferences = [&](int box) {
        return std::function<void()>([&, box] {
            Command(ID_PREFERENCES);
            ::SendDlgItemMessageA(bar->PreferencesDlg()->m_hWnd, box, BM_CLICK, 0, 0);
        });
    };
    const std::function<void()> closePreferences = [&] {
        bar->PreferencesDlg()->SendMessage(WM_COMMAND, IDCANCEL);
    };
    const std::function<void()> openPopup = [&] {
        ButtonOf(*bar, IDC_TRANSPARENCY).SendMessage(WM_LBUTTONDBLCLK, 0, MAKELPARAM(3, 3));
    };
    RECT centred = WindowRect(Dialog().m_hWnd);
    const RECT desktop = WindowRect(::GetDesktopWindow());
    ::OffsetRect(&centred, (desktop.right - centred.right - centred.left) / 2 - centred.left,
                 (desktop.bottom - centred.bottom - centred.top) / 2 - centred.top);
    const std::string selector =
        " processing.visible=1 processing.rect=" + std::to_string(centred.left) + ":" +
        std::to_string(centred.top) + "," + std::to_string(centred.right - centred.left) + "x" +
        std::to_string(centred.bottom - centred.top) +
        " stack=processing,bar,First,Second,Third foreground=processing";
    // What is done before, the action, and the changes it makes to the scene.
    const std::tuple<const char*, std::function<void()>, std::function<void()>, std::string>
        rows[] = {
            {"H, the bar in front", barInFront, [&] { Click(IDC_HIDE); },
             "First.visible=0 stack=bar,Second,Third foreground=Second bar=collapsed hidden=First "
             "tray=program,First hid=First listed=Second,Third listedHidden=First"},
            {"A", none, [&] { Click(IDC_TOPMOST); },
             "First.topmost=1 stack=First,bar,Second,Third A=down"},
            {"A on a topmost window", [&] { Click(IDC_TOPMOST); }, [&] { Click(IDC_TOPMOST); },
             "First.topmost=0 stack=bar,First,Second,Third A=up"},
            {"T, the bar in front", barInFront, [&] { Click(IDC_TRANSPARENCY); },
             "First.alpha=200 T=down foreground=First"},
            {"T on a transparent window", [&] { Click(IDC_TRANSPARENCY); },
             [&] { Click(IDC_TRANSPARENCY); }, "First.alpha=- T=up"},
            {"menu: 10%", barInFront, [&] { RightClick(IDC_TOPMOST, {ID_TRANSPARENCY_10}); },
             "First.alpha=25 T=down foreground=First asked+=menu,of,A"},
            {"menu: Off", [&] { Click(IDC_TRANSPARENCY); },
             [&] { RightClick(IDC_HIDE, {ID_TRANSPARENCY_OFF}); },
             "First.alpha=- T=up asked+=menu,of,H"},
            {"menu: Window selector", none, [&] { RightClick(IDC_HIDE, {ID_WINDOWSELECTOR}); },
             "asked+=menu,of,H" + selector},
            {"menu: Automaximize IE", none, [&] { RightClick(IDC_HIDE, {ID_AUTOMAXIMIZE}); },
             "timers=1125:500 asked+=menu,of,H settings=Windows,Standard|1|500|0|10"},
            {"Alt+A, a window shown since the last refresh",
             [&] {
                 ::ShowWindow(third.Handle(), SW_HIDE);
                 Dialog().CurrentWindows();
                 ::ShowWindow(third.Handle(), SW_SHOWNOACTIVATE);
             },
             hideAll,
             "First.visible=0 Second.visible=0 Third.visible=0 stack=bar bar=collapsed "
             "hidden=Third,First,Second hid=Third,First,Second foreground=- listed= "
             "listedHidden=Third,First,Second"},
            {"Alt+S",
             [&] {
                 ::SetForegroundWindow(bar->m_hWnd);
                 Click(IDC_HIDE);
                 hideAll();
             },
             [&] { Hotkey(CButtonBarDlg::kShowAllHotkey); },
             "First.visible=1 Second.visible=1 Third.visible=1 stack=bar,First,Second,Third "
             "hidden= "
             "hid= tray=program foreground=First listed=First,Second,Third listedHidden="},
            {"Active windows: an entry", none, [&] { Command(Entry(B)); },
             "Second.visible=0 stack=bar,First,Third hidden=Second hid=Second listed=First,Third "
             "listedHidden=Second"},
            {"Active windows: an entry, the bar in front", barInFront,
             [&] { Command(Entry(first.Handle())); },
             "First.visible=0 stack=bar,Second,Third hidden=First hid=First foreground=Second "
             "listed=Second,Third listedHidden=First"},
            {"Active windows: beyond", none, [&] { Command(ID_ACTIVEWINDOW_FIRST + 3); }, ""},
            {"Hidden windows: an entry",
             [&] {
                 Command(Entry(third.Handle()));
                 Command(Entry(B));
             },
             [&] { Command(ID_HIDDENWINDOW_FIRST + 1); },
             "Second.visible=1 stack=bar,Second,First hidden=Third hid=Third foreground=Second "
             "listed=Second,First listedHidden=Third"},
            {"an icon's double-click", [&] { Click(IDC_HIDE); },
             [&] {
                 const CSystemTray& icon = *bar->HiddenWindowIcons().All().at(0);
                 icon.SendMessage(icon.GetIconData().uCallbackMessage, 0, WM_LBUTTONDBLCLK);
             },
             "First.visible=1 stack=bar,First,Second,Third hidden= hid= tray=program "
             "foreground=First "
             "listed=First,Second,Third listedHidden="},
            {"a restore command for a window not listed", none,
             [&] { Command(ID_RESTOREWINDOW_FIRST + 9999, B); }, ""},
            {"Preferences closed", preferences(IDC_WINDOWTIMER), closePreferences,
             "preferences.visible=0 stack=bar,First,Second,Third foreground=First bar=collapsed "
             "timers=1124:10 cfg=Windows,Standard,|FALSE,|500,|TRUE,|10,| "
             "settings=Windows,Standard|0|500|1|10"},
            {"Preferences closed, Automaximize IE unchecked",
             [&] {
                 Command(ID_AUTOMAXIMIZE);
                 preferences(IDC_AUTOMAXIMIZE)();
             },
             closePreferences,
             "preferences.visible=0 stack=bar,First,Second,Third foreground=First bar=collapsed "
             "timers= settings=Windows,Standard|0|500|0|10"},
            {"pop-up: a drag, then a page", openPopup,
             [&] {
                 for (const WORD code : {SB_THUMBTRACK, SB_PAGEDOWN}) {
                     Popup().SendMessage(
                         WM_HSCROLL, MAKEWPARAM(code, 77),
                         reinterpret_cast<LPARAM>(::GetDlgItem(Popup().m_hWnd, IDC_ALPHASLIDER)));
                 }
             },
             "First.alpha=77"},
            {"pop-up: its corner box", openPopup,
             [&] { ::SendDlgItemMessageA(Popup().m_hWnd, IDC_CLOSELEFT, BM_CLICK, 0, 0); },
             "pop-up.visible=0 stack=bar,First,Second,Third foreground=bar"},
            {"menu: 10%, the pop-up closed, the bar in front",
             [&] {
                 openPopup();
                 ::SendDlgItemMessageA(Popup().m_hWnd, IDC_CLOSELEFT, BM_CLICK, 0, 0);
                 barInFront();
             },
             [&] { RightClick(IDC_TOPMOST, {ID_TRANSPARENCY_10}); },
             "First.alpha=25 foreground=First asked+=menu,of,A"},
            {"tray menu, a window hidden since the last refresh", [&] { ::ShowWindow(B, SW_HIDE); },
             [&] { TrayMenu({ID_AUTOMAXIMIZE}); },
             "asked+=menu,of,bar foreground=bar queued=273:32786,0:0 listed=First,Third"},
            // Under Wine its own hide deactivates it before it refuses; the lists are refreshed.
            {"H on a window that refuses", makeRefusing(true), [&] { Click(IDC_HIDE); },
             "foreground=- listed=Refusing,First,Second,Third" + refused},
            {"H again on a window that refuses",
             [&] {
                 makeRefusing(true)();
                 Click(IDC_HIDE);
             },
             [&] { Click(IDC_HIDE); }, ""},
            {"A on a window that refuses", makeRefusing(true), [&] { Click(IDC_TOPMOST); },
             refused},
            {"T on a window that refuses", makeRefusing(true), [&] { Click(IDC_TRANSPARENCY); },
             refused},
            {"Alt+A, a window that refuses", makeRefusing(false), hideAllCheckedBack,
             "First.visible=0 Second.visible=0 Third.visible=0 stack=bar,Refusing "
             "foreground=- bar=collapsed hidden=First,Second,Third hid=First,Second,Third "
             "listed=Refusing "
             "listedHidden=First,Second,Third" +
                 refused},
            {"tray icon's double-click", none,
             [&] {
                 const CSystemTray& icon = bar->TrayIcon();
                 icon.SendMessage(icon.GetIconData().uCallbackMessage, icon.GetIconData().uID,
                                  WM_LBUTTONDBLCLK);
             },
             selector},
        };
    for (const auto& [system, systemQuirks] : BothQuirks()) {
        SCOPED_TRACE(system);
        quirks = systemQuirks;
        for (const auto& [name, prepare, act, changes] : rows) {
            SetUp();
            prepare();
            ExpectEffect(name, act, changes);
            refusing.SetStackMode(StackMode::Yields);
        }
    }
}

TEST_F(WindowCommands, MenusListTheWindowsOfThisMomentAndHandTheirChoicesToTheBar) {
    Command(ID_AUTOMAXIMIZE);
    bar->HiddenWindowList().Hide(CWindowCalls(first.Handle()));
    second.BringToFront(); // after the last refresh, and in front of the bar
    POINT cursor;
    ::GetCursorPos(&cursor);
    EXPECT_EQ(1, TrayMenu({ID_AUTOMAXIMIZE}));
    PumpMessages();
    const MenuCall tray = interaction.m_menus.at(0);
    EXPECT_TRUE(tray.flags == 0 && tray.owner == bar->m_hWnd && tray.foreground == bar->m_hWnd &&
                tray.x == cursor.x);
    std::vector<std::string> expected = {"Active windows"};
    for (std::size_t i = 0; i < Dialog().WindowHandles().size(); ++i) {
        expected.push_back("Active windows/" + WindowTitle(Dialog().WindowHandles()[i]) + " " +
                           std::to_string(50000 + i));
    }
    expected.insert(expected.end(),
                    {"Hidden windows", "Hidden windows/First window 60000", "----",
                     "Window selector 32783 default", "Skin selector 32782",
                     "Automaximize IE 32786 checked", "Preferences 32787", "----", "Quit 32771"});
    EXPECT_EQ(expected, tray.lines);

    expected = {"Hidden windows", "Hidden windows/First window 60000", "&Transparency"};
    for (int percent = 90; percent >= 10; percent -= 10) {
        expected.push_back("&Transparency/&" + std::to_string(percent) + "% " +
                           std::to_string(32772 + 9 - percent / 10));
    }
    expected.insert(expected.end(), {"&Transparency/----", "&Transparency/&Off 32781",
                                     "&Window Selector 32783", "", "----", "&Quit 32771"});
    for (UINT button : {IDC_HIDE, IDC_TOPMOST, IDC_TRANSPARENCY}) {
        expected[expected.size() - 3] =
            std::string("Automaximize IE 32786") + (bar->IsAutoMaximizeOn() ? " checked" : "");
        EXPECT_EQ(expected, RightClick(button, {ID_AUTOMAXIMIZE})) << button;
        const MenuCall& menu = interaction.m_menus.back();
        EXPECT_TRUE(menu.flags == (TPM_LEFTALIGN | TPM_RIGHTBUTTON) &&
                    menu.owner == ButtonOf(*bar, button).m_hWnd && menu.x == cursor.x);
    }
}

// Whatever the browser closes with, the keyboard goes back to the window that was in front,
// and the next tick keeps the bar on it.
TEST_F(WindowCommandsRows, TheSkinSelectorGivesTheKeyboardBackToTheWindowInFront) {
    const std::string gfx = CWinApp::ProgramFile("gfx");
    for (const std::string& chosen : {std::string(), gfx, gfx + "\\Flat"}) {
        interaction.m_folderChoices = {chosen};
        Command(ID_SKINSELECTOR);
        EXPECT_EQ(first.Handle(), ::GetForegroundWindow()) << chosen;
        Tick();
        EXPECT_EQ(first.Handle(), bar->Tracker().Target()) << chosen;
        EXPECT_FALSE(IsCollapsed(bar->m_hWnd)) << chosen;
    }
}

// Quit asks once whether to show the hidden windows: Yes shows them first to last, No leaves
// them hidden and in the file, for the next start to find.
TEST_F(WindowCommands, QuitAsksToShowTheHiddenWindowsAndOnNoTheNextStartKnowsThem) {
    for (const int answer : {IDYES, IDNO}) {
        Start();
        interaction.m_messageBoxes.clear();
        interaction.m_messageBoxAnswers = {answer};
        bar->HiddenWindowList().HideEvery({first.Handle(), second.Handle()});
        Command(ID_QUIT);
        EXPECT_EQ(Strings{"Would you like to show the windows that you have hidden?|Panewardweb - "
                          "Exit Question|" +
                          std::to_string(MB_YESNO | MB_ICONINFORMATION)},
                  interaction.m_messageBoxes);
        EXPECT_EQ(answer == IDYES, ::IsWindowVisible(first.Handle()) &&
                                       ::IsWindowVisible(second.Handle()) &&
                                       IsAbove(second.Handle(), first.Handle()));
        Start();
        EXPECT_EQ(answer == IDNO ? 2u : 0u, bar->HiddenWindows().size()) << answer;
    }
}

// Hand-edited periods: the timers start within the sliders' ranges, junk as 0, and the file
// keeps what was written until the preferences save theirs.
TEST_F(WindowCommands, PeriodsStartWithinTheSlidersAndStayInTheFileTillASave) {
    Start("Windows Standard\r\nTRUE\r\njunk\r\nTRUE\r\n99999999\r\n");
    const Scene started = Snapshot();
    EXPECT_EQ("1124:1000 1125:10", started.items.at("timers"));
    EXPECT_EQ("Windows Standard |TRUE |junk |TRUE |99999999 |", started.items.at("cfg"));
    Command(ID_PREFERENCES);
    bar->PreferencesDlg()->SendMessage(WM_COMMAND, IDCANCEL);
    const Scene saved = Snapshot();
    EXPECT_EQ("1124:1000 1125:10", saved.items.at("timers"));
    EXPECT_EQ("Windows Standard |TRUE |10 |TRUE |1000 |", saved.items.at("cfg"));

    // Where the file cannot be written it stays as it was, and the user hears of it once.
    const std::string blocker = kSettingsPath + ".tmp";
    ASSERT_TRUE(::CreateDirectoryA(blocker.c_str(), nullptr));
    interaction.m_messageBoxes.clear();
    for (int close = 0; close < 2; ++close) {
        Command(ID_PREFERENCES);
        ::SendDlgItemMessageA(bar->PreferencesDlg()->m_hWnd, IDC_AUTOMAXIMIZE, BM_CLICK, 0, 0);
        bar->PreferencesDlg()->SendMessage(WM_COMMAND, IDCANCEL);
    }
    ::RemoveDirectoryA(blocker.c_str());
    EXPECT_EQ(Strings{"Panewarden cannot keep its settings in its folder:\nPaneward.cfg cannot "
                      "be written there.|Panewarden|0"},
              interaction.m_messageBoxes);
    EXPECT_EQ("Windows Standard\r\nTRUE\r\n10\r\nTRUE\r\n1000\r\n", ReadFileBytes(kSettingsPath));
}

// A skin name of 5000 letters: each box keeps the fault's start and the path's end, and its
// widest line in the message font stays well inside a 1024-pixel screen.
TEST_F(WindowCommands, ALongSkinNameIsCutInTheBoxesOfItsFaults) {
    interaction.m_messageBoxes.clear();
    Start((std::string(5000, 'W') + "\r\nFALSE\r\n500\r\nFALSE\r\n10\r\n").c_str());
    Strings expected;
    for (const std::string face : {"A-DOWN", "A-UP", "T-DOWN", "T-UP", "H-DOWN", "H-UP"}) {
        expected.push_back("Path to the bitmap does not exists...\ngfx\\" + std::string(26, 'W') +
                           "..." + std::string(26 - face.size(), 'W') + "\\" + face +
                           ".BMP|Panewarden|0");
    }
    EXPECT_EQ(expected, interaction.m_messageBoxes);
    NONCLIENTMETRICSA metrics = {};
    metrics.cbSize = sizeof metrics;
    ::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    const UniqueFont font(::CreateFontIndirectA(&metrics.lfMessageFont));
    const CWindowDC screen;
    const CSelectedObject selected(screen.Get(), font.get());
    const std::string line = expected[1].substr(expected[1].find('\n') + 1, 64);
    SIZE extent = {};
    ::GetTextExtentPoint32A(screen.Get(), line.c_str(), static_cast<int>(line.size()), &extent);
    EXPECT_LT(extent.cx, 800) << line;
}

} // namespace
