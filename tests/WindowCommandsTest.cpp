// H, A, T, the hotkeys, the numbered window commands, the menus that give them, the skins,
// the preferences and what a next start finds.
#include "tests/BarFixture.h"
#include "platform/Handles.h"

#include <commctrl.h>

namespace {

// Each action on the bar's world, from one scene: W1 in front with the bar on it, W2 and W3
// behind it.
class WindowCommands : public BarFixture {
protected:
    void SetUp() override {
        for (HWND window : {first.Handle(), second.Handle(), third.Handle()}) {
            ::SetWindowPos(window, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
            ::SetWindowLongA(window, GWL_EXSTYLE, 0);
            ::ShowWindow(window, SW_SHOWNOACTIVATE);
        }
        ::ShowWindow(longTitle.Handle(), SW_HIDE);
        bar.reset();
        RemoveFiles();
        Start();
        interaction.m_menus.clear();
        interaction.m_balloons.clear();
        interaction.m_messageBoxes.clear();
        camera = {};
        camera.m_skinFolders.insert(camera.m_skinFolders.end(), {plain, partial});
        camera.Name("W1", first.Handle());
        for (const auto& [size, icon] :
             {std::pair{ICON_SMALL, IDI_INFORMATION}, {ICON_BIG, IDI_WARNING}}) {
            ::SendMessageA(first.Handle(), WM_SETICON, size,
                           reinterpret_cast<LPARAM>(::LoadIconA(nullptr, icon)));
        }
        camera.Name("W2", second.Handle());
        camera.Name("W3", third.Handle());
        third.BringToFront();
        second.BringToFront();
        RideOn(first.Handle());
        PumpMessages(20); // the platform's own events of these changes
        bar->Catalogue().Refresh();
    }
    // No pumping: what the menu posts stays in the queue.
    LRESULT TrayMenu(std::deque<UINT> choices = {}) {
        interaction.m_menuChoices = std::move(choices);
        return ::SendMessageA(interaction.m_trayIcons.at(0).window,
                              interaction.m_trayIcons.at(0).message, IDR_TRAYMENU, WM_RBUTTONUP);
    }
    const CTransparencyDlg& Popup() { return *bar->Actions().Transparency().Popup(); }
    // A skin of its own: Flat's six faces without the pictures for other scales, or without
    // T's down face.
    std::string MadeSkin(const std::string& name, bool withTDown) const {
        const std::string made = skins.File(name), flat = CWinApp::ProgramFile("gfx\\Flat");
        ::CreateDirectoryA(made.c_str(), nullptr);
        for (const char* face : {"A-UP", "A-DOWN", "T-UP", "T-DOWN", "H-UP", "H-DOWN"}) {
            const std::string file = std::string("\\") + face + ".BMP";
            if (withTDown || file != "\\T-DOWN.BMP") {
                ::CopyFileA((flat + file).c_str(), (made + file).c_str(), FALSE);
            }
        }
        return made;
    }

    CForeignWindow first{"First window", {100, 100, 500, 400}},
        second{"Second window", {150, 120, 550, 420}}, third{"Third window", {200, 140, 600, 440}};
    CForeignWindow longTitle{std::string(300, 'L'), {120, 110, 520, 410}};
    CTempFolder skins;
    const std::string plain = MadeSkin("Plain", true), partial = MadeSkin("Partial", false);
};

TEST_F(WindowCommands, EachActionHasItsWholeEffectAndNoOther) {
    const HWND B = second.Handle();
    const std::function<void()> barInFront = [&] { ::SetForegroundWindow(bar->m_hWnd); },
                                restart = [&] { Start(nullptr); }, // the files as they are
        openPopup =
            [&] {
                ButtonOf(*bar, IDC_TRANSPARENCY).SendMessage(WM_LBUTTONDBLCLK, 0, MAKELPARAM(3, 3));
            },
                                closePopup = [&] {
                                    ::SendDlgItemMessageA(Popup().m_hWnd, IDC_CLOSELEFT, BM_CLICK,
                                                          0, 0);
                                };
    const auto command = [&](WPARAM id) { return std::function<void()>([&, id] { Command(id); }); };
    const auto menu = [&](UINT button, UINT choice) {
        return std::function<void()>([&, button, choice] { RightClick(button, {choice}); });
    };
    const auto start = [&](std::string file) {
        return std::function<void()>([&, file] { Start(file.c_str()); });
    };
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
    const std::string refused = " asked+=balloon,Panewarden|Panewarden,cannot,change,this,window:,"
                                "its,program,runs,with,higher,rights.";
    // The preferences opened, check boxes clicked and sliders moved as a drag would, closed.
    constexpr int kClick = -1;
    const auto preferences = [&](std::vector<std::pair<int, int>> changes) {
        return std::function<void()>([&, changes] {
            Command(ID_PREFERENCES);
            CPreferencesDlg& dialog = *bar->PreferencesDlg();
            for (const auto& [id, position] : changes) {
                const HWND control = ::GetDlgItem(dialog.m_hWnd, id);
                if (position == kClick) {
                    ::SendMessageA(control, BM_CLICK, 0, 0);
                    continue;
                }
                ::SendMessageA(control, TBM_SETPOS, TRUE, position);
                dialog.SendMessage(WM_HSCROLL, MAKEWPARAM(SB_THUMBTRACK, position),
                                   reinterpret_cast<LPARAM>(control));
            }
            dialog.SendMessage(WM_COMMAND, IDCANCEL);
        });
    };
    const auto choose = [&](const std::string& folder) {
        return std::function<void()>([&, folder] {
            interaction.m_folderChoices = {folder};
            Command(ID_SKINSELECTOR);
        });
    };
    const auto blocked = [&](std::vector<std::string> files) {
        return std::function<void()>([files] {
            for (const std::string& file : files) {
                ::CreateDirectoryA(FolderOf(file).c_str(), nullptr);
                ::CreateDirectoryA((file + ".tmp").c_str(), nullptr);
            }
        });
    };
    const std::string hid = CHiddenWindowStore::File().path,
                      userHid = CHiddenWindowStore::File().userPath;
    // A dialog of the bar in front of it: the window selector centred on the desktop, the
    // preferences (a template's centring) on the work area above Wine's taskbar, 1024x748.
    const auto inFront = [](const std::string& name) {
        return " " + name + ".visible=1 stack=" + name + ",bar,W1,W2,W3 foreground=" + name;
    };
    const std::string selector = " processing.rect=332:237,360x293" + inFront("processing");
    // The preferences, made at their first opening, with their controls.
    const auto preferencesMade = [&](const std::string& controls) {
        return " preferences.alpha=- preferences.maximized=0 preferences.minimized=0 "
               "preferences.owner=bar preferences.topmost=1 preferences.visible=0 "
               "preferences.rect=349:260,326x228 preferences.controls=" +
               controls;
    };
    const std::string startedOn = " bar=collapsed target=-", closedPrefs = " stack=bar,W1,W2,W3 "
                                                                           "foreground=W1 "
                                                                           "bar=collapsed ";
    // The box of a stored skin whose folder gfx\\name holds none of its faces.
    const auto missingSkin = [](const std::string& name) {
        return " asked+=Path,to,the,bitmap,does,not,exists...,gfx\\" + name +
               ",A-DOWN.BMP,A-UP.BMP,T-DOWN.BMP,T-UP.BMP,H-DOWN.BMP,H-UP.BMP,Panewarden,shows,"
               "Windows,Standard,instead.";
    };
    const std::string standardFaces =
        " H=Windows,Standard/H-UP A=Windows,Standard/A-UP T=Windows,Standard/T-UP";
    const std::string exitQuestion = " asked+=Panewardweb,-,Exit,Question";
    const std::vector<Row> rows = {
        {"H, the bar in front", barInFront, clickH,
         "W1.visible=0 stack=bar,W2,W3 foreground=W2 bar=collapsed hidden=W1 tray+=W1:small "
         "listed=W2,W3"},
        {"A", none, clickA, "W1.topmost=1 stack=W1,bar,W2,W3 A=down"},
        {"A on a topmost window", clickA, clickA, "W1.topmost=0 stack=bar,W1,W2,W3 A=up"},
        {"T, the bar in front", barInFront, clickT, "W1.alpha=200 T=down foreground=W1"},
        {"T on a transparent window", clickT, clickT, "W1.alpha=- T=up"},
        {"menu: 10%", barInFront, menu(IDC_TOPMOST, ID_TRANSPARENCY_10),
         "W1.alpha=25 T=down foreground=W1 asked+=menu,of,A"},
        // A right press activates the bar first.
        {"menu: Off, the bar in front", Then(clickT, barInFront),
         menu(IDC_HIDE, ID_TRANSPARENCY_OFF), "W1.alpha=- T=up foreground=W1 asked+=menu,of,H"},
        {"menu: Window selector", none, menu(IDC_HIDE, ID_WINDOWSELECTOR),
         "asked+=menu,of,H" + selector},
        {"menu: Automaximize IE, on before", command(ID_AUTOMAXIMIZE),
         menu(IDC_HIDE, ID_AUTOMAXIMIZE),
         "timers= asked+=menu,of,H settings=Windows,Standard|0|500|0|10"},
        {"Alt+A on the keyboard, a window shown since the last refresh",
         [&] {
             ::ShowWindow(third.Handle(), SW_HIDE);
             bar->Catalogue().Refresh();
             ::ShowWindow(third.Handle(), SW_SHOWNOACTIVATE);
         },
         [&] { PressAlt('A'); },
         "W1.visible=0 W2.visible=0 W3.visible=0 stack=bar bar=collapsed hidden=W3,W1,W2 "
         "foreground=- listed= "},
        {"Alt+S on the keyboard", Then(barInFront, clickH, hideAll), [&] { PressAlt('S'); },
         "W1.visible=1 W2.visible=1 W3.visible=1 stack=bar,W1,W2,W3 hidden= tray=program "
         "foreground=W1 listed=W1,W2,W3"},
        {"Alt+A, then Alt+S: a maximized and a minimized window stay so",
         [&] {
             ::ShowWindow(B, SW_MAXIMIZE);
             ::ShowWindow(third.Handle(), SW_SHOWMINNOACTIVE);
         },
         Then(hideAll, showAll), "bar=collapsed listed=W2,W1,W3"},
        {"T double-clicked", none, openPopup,
         "W1.alpha=200 T=down foreground=pop-up pop-up.alpha=- pop-up.controls=0-255@200 "
         "pop-up.maximized=0 pop-up.minimized=0 pop-up.owner=bar pop-up.rect=420:104,177x64 "
         "pop-up.topmost=1 pop-up.visible=1 stack=pop-up,bar,W1,W2,W3"},
        {"Active windows: an entry", none, command(ID_ACTIVEWINDOW_FIRST + 1),
         "W2.visible=0 stack=bar,W1,W3 hidden=W2 listed=W1,W3"},
        {"Active windows: an entry, the bar in front", barInFront, command(ID_ACTIVEWINDOW_FIRST),
         "W1.visible=0 stack=bar,W2,W3 hidden=W1 foreground=W2 listed=W2,W3 bar=collapsed"},
        {"Active windows: beyond", none, command(ID_ACTIVEWINDOW_FIRST + 3), ""},
        {"Hidden windows: an entry",
         Then(command(ID_ACTIVEWINDOW_FIRST + 2), command(ID_ACTIVEWINDOW_FIRST + 1)),
         command(ID_HIDDENWINDOW_FIRST + 1),
         "W2.visible=1 stack=bar,W2,W1 hidden=W3 foreground=W2 listed=W2,W1"},
        {"an icon's double-click, its window maximized",
         [&] {
             ::ShowWindow(first.Handle(), SW_MAXIMIZE);
             RideOn(first.Handle());
             Click(IDC_HIDE);
         },
         [&] { ShellNotify(1, WM_LBUTTONDBLCLK); },
         "W1.visible=1 stack=bar,W1,W2,W3 hidden= tray=program foreground=W1 listed=W1,W2,W3"},
        {"the newer of two icons' double-click",
         Then(
             clickH, [&] { RideOn(B); }, clickH),
         [&] { ShellNotify(2, WM_LBUTTONDBLCLK); },
         "W2.visible=1 stack=bar,W2,W3 foreground=W2 hidden=W1 listed=W2,W3 tray=program,W1:small"},
        {"H, the bar in front, a minimized window next",
         Then([&] { ::ShowWindow(B, SW_SHOWMINNOACTIVE); }, barInFront), clickH,
         "W1.visible=0 stack=bar,W3,W2 bar=collapsed foreground=W3 hidden=W1 listed=W2,W3 "
         "tray+=W1:small"},
        {"a restore command for a window not listed", none, [&] { Restore(B); }, ""},
        {"H again, the bar left on the hidden window", clickH, clickH, ""},
        {"H on a window its program showed again", Then(clickH, [&] { RideOn(first.Handle()); }),
         clickH, "W1.visible=0 stack=bar,W2,W3 foreground=W2 bar=collapsed"},
        {"H on a window whose title is longer than a tip",
         [&] {
             ::ShowWindow(longTitle.Handle(), SW_SHOWNOACTIVATE);
             camera.Name("Long", longTitle.Handle());
             RideOn(longTitle.Handle());
         },
         clickH,
         "Long.visible=0 stack=bar,W1,W2,W3 bar=collapsed foreground=W1 tray+=Long:other "
         "hidden=Long"},
        // Only a drag carries a position; a page or an arrow changes nothing.
        {"pop-up: a drag, then a page and an arrow", openPopup,
         [&] {
             for (const WORD code : {SB_THUMBTRACK, SB_PAGEDOWN, SB_LINEUP}) {
                 Popup().SendMessage(
                     WM_HSCROLL, MAKEWPARAM(code, code == SB_THUMBTRACK ? 77 : 0),
                     reinterpret_cast<LPARAM>(::GetDlgItem(Popup().m_hWnd, IDC_ALPHASLIDER)));
             }
         },
         "W1.alpha=77"},
        {"pop-up: its corner box", openPopup, closePopup,
         "pop-up.visible=0 stack=bar,W1,W2,W3 foreground=W1"},
        {"menu: 10%, the pop-up closed, the bar in front", Then(openPopup, closePopup, barInFront),
         menu(IDC_TOPMOST, ID_TRANSPARENCY_10), "W1.alpha=25 foreground=W1 asked+=menu,of,A"},
        {"tray menu, a window hidden since the last refresh", [&] { ::ShowWindow(B, SW_HIDE); },
         [&] {
             TrayMenu({ID_AUTOMAXIMIZE});
             PumpMessages();
         },
         "asked+=menu,of,bar listed=W1,W3 timers=1125:500 settings=Windows,Standard|1|500|0|10"},
        // The lists are refreshed.
        {"H on a window that refuses", makeRefusing(true), clickH,
         "listed=Refusing,W1,W2,W3" + refused},
        {"H again on a window that refuses", Then(makeRefusing(true), clickH, [&] { Settle(); }),
         clickH, ""},
        {"A on a window that refuses", makeRefusing(true), clickA, refused},
        {"T on a window that refuses", makeRefusing(true), clickT, refused},
        {"Alt+A, a window that refuses in front, a tick before the check back", makeRefusing(true),
         [&] {
             hideAll();
             Tick();
             // Its program refuses the hide, which hands the front on, then takes it back: the
             // check back must not see the first half alone. Its hide came before the ping.
             CWindowCalls::Ping(refusing.Handle());
             for (const DWORD start = ::GetTickCount();
                  ::GetForegroundWindow() != refusing.Handle() &&
                  ::GetTickCount() - start < 5000;) {
                 ::Sleep(10);
             }
         },
         "W1.visible=0 W2.visible=0 W3.visible=0 stack=bar,Refusing bar=collapsed target=- "
         "hidden=W1,W2,W3 listed=Refusing" +
             refused},
        {"Alt+A, a window that refuses", makeRefusing(false), hideAll,
         "W1.visible=0 W2.visible=0 W3.visible=0 stack=bar,Refusing foreground=Refusing "
         "bar=collapsed hidden=W1,W2,W3 listed=Refusing" +
             refused},
        {"tray icon's double-click", none, [&] { ShellNotify(0, WM_LBUTTONDBLCLK); }, selector},
        {"Preferences: the window timer checked, closed", none,
         preferences({{IDC_WINDOWTIMER, kClick}}),
         "timers=1124:10 settings=Windows,Standard|0|500|1|10" + closedPrefs +
             preferencesMade("0,x500ms,x10-5000@500,1,10ms,10-1000@10")},
        {"Preferences: Automaximize IE unchecked, closed", command(ID_AUTOMAXIMIZE),
         preferences({{IDC_AUTOMAXIMIZE, kClick}}),
         "timers= settings=Windows,Standard|0|500|0|10" + closedPrefs +
             preferencesMade("0,x500ms,x10-5000@500,0,x10ms,x10-1000@10")},
        {"Preferences: both sliders moved, closed", none,
         preferences({{IDC_AUTOMAXIMIZESLIDER, 2500}, {IDC_WINDOWTIMERSLIDER, 500}}),
         "settings=Windows,Standard|0|2500|0|500" + closedPrefs +
             preferencesMade("0,x2500ms,x10-5000@2500,0,x500ms,x10-1000@500")},
        // A label shows the period the timer runs at, which a close keeps.
        {"Preferences opened, hand-edited periods beyond both ends",
         start("Windows Standard\r\nTRUE\r\njunk\r\nTRUE\r\n99999999\r\n"), command(ID_PREFERENCES),
         preferencesMade("1,10ms,10-5000@10,1,1000ms,10-1000@1000") + inFront("preferences")},
        {"a start at the slowest periods, a window timer beyond its own, Preferences opened", none,
         Then(start("Windows Standard\r\nTRUE\r\n5000\r\nTRUE\r\n3000\r\n"),
              command(ID_PREFERENCES)),
         "timers=1124:1000,1125:5000 settings=Windows,Standard|1|5000|1|3000 "
         "processing.rect=376:86,360x293" +
             preferencesMade("1,5000ms,10-5000@5000,1,1000ms,10-1000@1000") +
             inFront("preferences")},
        {"a start with Alt+S taken by another program", none,
         [&] {
             bar.reset();
             ::RegisterHotKey(first.Handle(), 1, MOD_ALT, 'S');
             Start();
             ::UnregisterHotKey(first.Handle(), 1);
         },
         "asked+=Uanble,to,register,hotkey,for,show-all,function" + startedOn},
        {"Preferences closed, the program's folder unwritable, a next start",
         blocked({kSettingsPath}), Then(preferences({{IDC_WINDOWTIMER, kClick}}), restart),
         "timers=1124:10 settings=Windows,Standard|0|500|1|10 processing.rect=376:86,360x293"},
        {"Preferences closed twice, the program's and the user's folder unwritable",
         blocked({kSettingsPath, kUserSettingsPath}),
         Then(preferences({{IDC_AUTOMAXIMIZE, kClick}}), preferences({{IDC_WINDOWTIMER, kClick}})),
         "asked+=Panewarden,cannot,keep,its,settings:,neither,its,own,folder,nor,your,user,"
         "folder,can,hold,Paneward.cfg. bar=collapsed timers=1124:10,1125:500 "
         "settings=Windows,Standard|1|500|1|10" +
             preferencesMade("1,500ms,10-5000@500,1,10ms,10-1000@10")},
        {"H, the program's folder unwritable", blocked({hid}), clickH,
         "W1.visible=0 stack=bar,W2,W3 foreground=W2 bar=collapsed hidden=W1 listed=W2,W3 "
         "tray+=W1:small"},
        {"H and Alt+A, the program's and the user's folder unwritable", blocked({hid, userHid}),
         Then(clickH, hideAll),
         "asked+=Panewarden,cannot,hide,this,window:,neither,its,own,folder,nor,your,user,"
         "folder,can,hold,the,list,of,hidden,windows. bar=collapsed"},
        {"H with the list in the user's folder, a next start",
         Then(blocked({hid}), clickH, [&] { ::RemoveDirectoryA((hid + ".tmp").c_str()); }), restart,
         "tray=program foreground=W2 target=-"},
        // Shown first to last, the last on top.
        {"Quit, Yes",
         [&] {
             ::ShowWindow(third.Handle(), SW_HIDE);
             bar->HiddenWindowList().HideEvery({first.Handle(), B});
         },
         [&] { QuitAndRestart(IDYES); },
         "W1.visible=1 W2.visible=1 hidden= listed=W2,W1 stack=bar,W2,W1 foreground=W2" +
             exitQuestion + startedOn},
        {"Quit, No, a next start",
         [&] {
             bar->HiddenWindowList().HideEvery({first.Handle(), B});
         },
         [&] { QuitAndRestart(IDNO); }, "foreground=W3" + exitQuestion + startedOn},
        {"Automaximize IE, Quit, a next start", command(ID_AUTOMAXIMIZE), [&] { QuitAndRestart(); },
         startedOn},
        {"Skin selector: Plain, Quit, a next start", choose(plain), [&] { QuitAndRestart(); },
         startedOn},
        {"Skin selector: Flat", none, choose(CWinApp::ProgramFile("gfx\\Flat")),
         "settings=Flat|0|500|0|10"},
        {"Skin selector: cancelled", none, choose(""), ""},
        {"Skin selector: the gfx folder", none, choose(CWinApp::ProgramFile("gfx")), ""},
        {"Skin selector: a folder without T's down face, then T", none,
         Then(choose(partial), clickT),
         "asked+=Path,to,the,bitmap,does,not,exists...," + partial +
             ",T-DOWN.BMP,Panewarden,keeps,the,skin,it,shows. W1.alpha=200 T=down"},
        {"a start with a typo in the skin's name, Quit, a next start", none,
         Then(start("Windows Standrad\r\nFALSE\r\n500\r\nFALSE\r\n10\r\n"),
              [&] { QuitAndRestart(); }),
         missingSkin("Windows,Standrad") + missingSkin("Windows,Standrad") +
             " settings=Windows,Standrad|0|500|0|10" + standardFaces + startedOn},
        // The box keeps the start of the folder's line and its end.
        {"a start with a skin name of 5000 letters", none,
         start(std::string(5000, 'W') + "\r\nFALSE\r\n500\r\nFALSE\r\n10\r\n"),
         missingSkin(std::string(26, 'W') + "..." + std::string(31, 'W')) +
             " settings=" + std::string(5000, 'W') + "|0|500|0|10" + standardFaces + startedOn},
        {"Skin selector at 150 %: a skin without pictures for it", [&] { MoveToDpi(144); },
         choose(plain), "H=up A=up T=up settings=" + plain + "|0|500|0|10"},
    };
    const auto setUp = [&] {
        refusing.SetStackMode(StackMode::Yields);
        SetUp();
    };
    RunRows(rows, setUp);
    // Wine's quirk shows a transparent window again restyled; Windows' does not need to.
    RunRows({{"Alt+S, a transparent window among them", Then(clickT, hideAll), showAll,
              "W1.visible=1 W2.visible=1 W3.visible=1 stack=bar,W1,W2,W3 hidden= tray=program "
              "foreground=W1 listed=W1,W2,W3"}},
            setUp, BothQuirks());
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
    EXPECT_EQ("Active windows|Active windows/Second window 50000|Active windows/Third window 50001|"
              "Hidden windows|Hidden windows/First window 60000|----|Window selector 32783 "
              "default|Skin selector 32782|Automaximize IE 32786 checked|Preferences 32787|----|"
              "Quit 32771",
              Joined(tray.lines));
    // Each choice of Automaximize IE turns it over.
    for (const auto& [button, checked] :
         {std::pair{IDC_HIDE, ""}, {IDC_TOPMOST, " checked"}, {IDC_TRANSPARENCY, ""}}) {
        EXPECT_EQ("Hidden windows|Hidden windows/First window 60000|&Transparency|&Transparency/"
                  "&90% 32772|&Transparency/&80% 32773|&Transparency/&70% 32774|&Transparency/"
                  "&60% 32775|&Transparency/&50% 32776|&Transparency/&40% 32777|&Transparency/"
                  "&30% 32778|&Transparency/&20% 32779|&Transparency/&10% 32780|&Transparency/"
                  "----|&Transparency/&Off 32781|&Window Selector 32783|Automaximize IE 32786" +
                      std::string(checked) + "|----|&Quit 32771",
                  Joined(RightClick(button, {ID_AUTOMAXIMIZE})))
            << button;
        const MenuCall& menu = interaction.m_menus.back();
        EXPECT_TRUE(menu.flags == (TPM_LEFTALIGN | TPM_RIGHTBUTTON) &&
                    menu.owner == ButtonOf(*bar, button).m_hWnd && menu.x == cursor.x);
    }
}

} // namespace
