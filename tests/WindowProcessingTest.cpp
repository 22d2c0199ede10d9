#include "tests/BarFixture.h"
#include "windows/Topmost.h"

#include <atomic>
#include <thread>

namespace {

using Handles = std::vector<HWND>;

// The bar started, with its window-processing dialog shown and active.
class WindowProcessing : public BarFixture {
protected:
    void SetUp() override {
        camera = {};
        interaction.m_balloons.clear();
        bar.reset();
        RemoveFiles(); // a row's list is not the next one's
        Start();
        Command(ID_WINDOWSELECTOR);
        ::SetForegroundWindow(Dialog().m_hWnd);
        PumpMessages(20);
    }
    HWND Item(int id) { return ::GetDlgItem(Dialog().m_hWnd, id); }
    void Send(int id, WORD code = BN_CLICKED) {
        Dialog().SendMessage(WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(Item(id)));
    }
    const Handles& Of(int listId) {
        return listId == IDC_WINDOWLIST ? bar->Catalogue().Windows() : bar->Catalogue().Hidden();
    }
    // Selected after a refresh, as the user would.
    void Select(const Handles& chosen, int listId = IDC_WINDOWLIST) {
        ::SendMessageA(Item(IDC_WINDOWLIST), LB_SETSEL, FALSE, -1); // else the refresh keeps it
        bar->Catalogue().Refresh();
        for (std::size_t i = 0; i < Of(listId).size(); ++i) {
            if (Contains(chosen, Of(listId)[i])) {
                ::SendMessageA(Item(listId), LB_SETSEL, TRUE, static_cast<LPARAM>(i));
            }
        }
        Send(listId, LBN_SELCHANGE);
    }
};

// Each command from one scene: W0, W1 and W2 listed in that order, the dialog in front.
TEST_F(WindowProcessing, EachCommandHasItsWholeEffectAndNoOther) {
    std::vector<std::unique_ptr<CForeignWindow>> windows;
    Handles made;
    const auto show = [&](int i, int how) { ::ShowWindow(made.at(i), how); };
    const std::function<void()> minMax = [&] {
        show(1, SW_SHOWMINNOACTIVE);
        show(2, SW_MAXIMIZE);
    };
    // A window of a program of higher rights, shown for its row.
    const CForeignProcess refusing("Refusing", CloseMode::Closes, StackMode::Refuses);
    refusing.SetStackMode(StackMode::Yields);
    const auto oneTitle = [&] {
        for (HWND window : made) {
            ::SetWindowTextA(window, "Made");
        }
    };
    const auto command = [&](int id) { return std::function<void()>([&, id] { Send(id); }); };
    // The windows selected in the window list and what is done before; the dialog in front.
    const auto selected = [&](
                              std::vector<int> chosen, std::function<void()> before = [] {}) {
        return std::function<void()>([&, chosen, before] {
            Handles selection;
            for (int i : chosen) {
                selection.push_back(made[i]);
            }
            if (!selection.empty()) {
                Select(selection);
            }
            before();
            ::SetForegroundWindow(Dialog().m_hWnd);
            PumpMessages(20);
        });
    };
    const std::vector<Row> rows = {
        {"Apply, horizontal",
         selected({0, 1, 2}, Then([&] { show(0, SW_MAXIMIZE); },
                                  [&] { show(2, SW_SHOWMINNOACTIVE); }, command(IDC_HORIZONTAL))),
         command(IDC_APPLY),
         "W0.maximized=0 W2.minimized=0 W0.rect=0:0,1032x268 W1.rect=0:268,1032x268 "
         "W2.rect=0:536,1032x268 "
         "processing.visible=0 stack=bar,W2,W1,W0 foreground=W2 listed=W2,W1,W0 "
         "selected=W2,W1,W0 dialog=Hide,windows,parents,horizontal,own"},
        {"Update, horizontal", selected({1, 2}, command(IDC_HORIZONTAL)), command(IDC_UPDATE),
         "W1.rect=0:0,1032x403 W2.rect=0:403,1032x403 stack=processing,bar,W2,W1,W0 foreground=W2 "
         "listed=W2,W1,W0 selected=W2,W1 "
         "dialog=Hide,windows,parents,horizontal,own"},
        {"Apply, one rectangle", selected({1}, [&] { show(1, SW_SHOWMINNOACTIVE); }),
         command(IDC_APPLY),
         "W1.minimized=0 W1.rect=130:80,350x300 processing.visible=0 stack=bar,W1,W0,W2 "
         "foreground=W1 listed=W1,W0,W2"},
        {"Apply, nothing selected", selected({}), command(IDC_APPLY), ""},
        {"Bring to top", selected({0, 1, 2}, minMax), command(IDC_BRINGTOTOP),
         "W1.minimized=0 W1.rect=130:80,350x300 stack=processing,bar,W1,W0,W2 foreground=W1"},
        {"Minimize sel", selected({0, 1, 2}, minMax), command(IDC_MINIMIZESEL),
         "W0.minimized=1 W0.rect=-32000:-32000,160x24 W1.minimized=0 W1.rect=130:80,350x300 "
         "W2.maximized=0 W2.minimized=1 W2.rect=-32000:-32000,160x24 "
         "stack=processing,bar,W1,W0,W2 foreground=W1 listed=W1,W0,W2 selected=W1,W0,W2"},
        {"Hide windows", selected({0, 2}), command(IDC_HIDESHOW),
         "W0.visible=0 W2.visible=0 stack=processing,bar,W1 hidden=W0,W2 listed=W1  selected="},
        // Under Wine its own hide hands the activation on before it refuses.
        {"Hide windows, one refusing",
         selected({0},
                  [&] {
                      refusing.SetStackMode(StackMode::Refuses);
                      camera.Name("R", refusing.Handle());
                      Select({made[0], refusing.Handle()});
                  }),
         command(IDC_HIDESHOW),
         "W0.visible=0 stack=processing,bar,R,W1,W2 foreground=W1 hidden=W0 "
         "listed=R,W1,W2 selected= asked+=balloon,Panewarden|Panewarden,cannot,"
         "change,this,window:,its,program,runs,with,higher,rights."},
        {"Vertical", selected({}), command(IDC_VERTICAL),
         "dialog=Hide,windows,parents,vertical,own"},
        {"Parents and children", selected({}), command(IDC_PARENTSCHILDS),
         "dialog=Hide,windows,childs,rectangles,own"},
        {"Esc: the keyboard goes on", selected({}), command(IDCANCEL),
         "processing.visible=0 stack=bar,W0,W1,W2 foreground=W0"},
        // The work area's size as a maximized window has it; the platform keeps a window
        // within its largest size.
        {"Update, vertical", selected({0, 1}, command(IDC_VERTICAL)), command(IDC_UPDATE),
         "W0.rect=0:0,516x780 W1.rect=516:0,516x780 stack=processing,bar,W1,W0,W2 foreground=W1 "
         "listed=W1,W0,W2 selected=W1,W0 "
         "dialog=Hide,windows,parents,vertical,own"},
        {"Show windows",
         selected({},
                  [&] {
                      bar->HiddenWindowList().HideEvery({made[2], made[0], made[1]});
                      Select({made[2], made[1]}, IDC_HIDDENLIST);
                  }),
         command(IDC_HIDESHOW),
         "W2.visible=1 W1.visible=1 stack=processing,bar,W1,W2 foreground=W1 hidden=W0 "
         "listed=W1,W2 selected="},
        // The button follows the list chosen in last.
        {"Hide windows, chosen after the hidden list",
         selected({},
                  [&] {
                      bar->HiddenWindowList().HideEvery({made[2]});
                      Select({made[2]}, IDC_HIDDENLIST);
                      Select({made[0]});
                  }),
         command(IDC_HIDESHOW),
         "W0.visible=0 stack=processing,bar,W1 hidden=W2,W0 listed=W1 selected=W2"},
        {"End process, every window closing", selected({0, 2}), command(IDC_ENDPROCESS),
         "W0=gone W2=gone stack=processing,bar,W1 listed=W1 selected="},
        {"Minimize sel, windows of one title", selected({1}, oneTitle), command(IDC_MINIMIZESEL),
         "W1.minimized=1 W1.rect=-32000:-32000,160x24"},
        // A window gone hands its selection to no other of its title.
        {"End process, windows of one title", selected({1}, oneTitle), command(IDC_ENDPROCESS),
         "W1=gone stack=processing,bar,W0,W2 listed=W0,W2 selected="},
        // The list changed, and the dialog refreshed.
        {"a hidden window selected, another shown from the menu",
         selected({},
                  [&] {
                      bar->HiddenWindowList().HideEvery({made[2], made[0], made[1]});
                      Select({made[1]}, IDC_HIDDENLIST);
                  }),
         [&] { Command(ID_HIDDENWINDOW_FIRST); },
         "W2.visible=1 stack=processing,bar,W2 foreground=W2 hidden=W0,W1 listed=W2 "},
        {"a selection kept across a refresh",
         selected({1},
                  [&] {
                      ::SetWindowPos(made[2], HWND_TOP, 0, 0, 0, 0,
                                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
                      bar->Catalogue().Refresh();
                  }),
         command(IDC_HIDESHOW),
         "W1.visible=0 stack=processing,bar,W2,W0 hidden=W1 listed=W2,W0  selected="},
    };
    RunRows(rows, [&] {
        refusing.SetStackMode(StackMode::Yields);
        SetUp();
        windows.clear();
        made.clear();
        for (int i = 0; i < 3; ++i) {
            windows.push_back(std::make_unique<CForeignWindow>(
                "Made " + std::to_string(i), RECT{100 + 30 * i, 80, 450 + 30 * i, 380}));
            made.push_back(windows.back()->Handle());
            ::ShowWindow(made.back(), SW_SHOWNOACTIVATE);
        }
        for (int i = 2; i >= 0; --i) {
            camera.Name("W" + std::to_string(i), made[i]);
            ::SetWindowPos(made[i], HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        }
        bar->Catalogue().Refresh();
    });
}

// Alt+A takes what the list choice lists: an owned pop-up with the children only, a cloaked
// window (on another virtual desktop, say) never.
TEST_F(WindowProcessing, AltAHidesWhatTheListChoiceLists) {
    CForeignWindow shown("Shown", {100, 80, 450, 380}), cloaked("Cloaked", {130, 80, 480, 380});
    const HWND owned =
        ::CreateWindowExA(0, "PanewardenTestForeign", "Owned", WS_POPUP | WS_CAPTION, 150, 100, 200,
                          150, shown.Handle(), nullptr, nullptr, nullptr);
    g_cloakedWindow = cloaked.Handle();
    quirks.dpiCalls = quirks.dpiCalls.WithWindowAttribute(&CloakedAttribute);
    const std::vector<Row> rows = {
        {"Alt+A", none, hideAll,
         "Shown.visible=0 stack=processing,bar,Owned,Cloaked hidden=Shown listed="},
        {"Alt+A, parents and children", [&] { Send(IDC_PARENTSCHILDS); }, hideAll,
         "Owned.visible=0 Shown.visible=0 stack=processing,bar,Cloaked hidden=Owned,Shown listed="},
        {"all: a pop-up hidden by its own program", [&] { ::ShowWindow(owned, SW_HIDE); },
         [&] { Send(IDC_SHOWALLHIDDEN); },
         "dialog=Hide,windows,parents,rectangles,all all=Owned listed=Shown"},
        {"Alt+S, every hidden window listed", Then([&] { Send(IDC_SHOWALLHIDDEN); }, hideAll),
         showAll,
         "Shown.visible=1 stack=processing,bar,Owned,Shown,Cloaked foreground=Shown hidden= "
         "listed=Shown dialog=Hide,windows,parents,rectangles,own all="},
    };
    RunRows(rows, [&] {
        SetUp();
        camera.Name("Shown", shown.Handle());
        camera.Name("Cloaked", cloaked.Handle());
        camera.Name("Owned", owned);
        for (HWND window : {cloaked.Handle(), shown.Handle(), owned}) {
            ::ShowWindow(window, SW_SHOWNOACTIVATE);
        }
        ::SetForegroundWindow(Dialog().m_hWnd);
        PumpMessages(20);
    });
    ::DestroyWindow(owned);
}

// A window's own question (whether to save, say) is waited for as long as its box is open.
TEST_F(WindowProcessing, EndProcessWaitsForAWindowsOwnQuestionThenEndsWhatStaysOnlyOnYes) {
    struct Case {
        const char* name;
        int answer, force, left; // answer: in the window's own box; 0: it stops answering
        bool askingEnds;
    };
    const Case cases[] = {
        {"its own question answered No", IDNO, IDYES, 3, true},
        {"Cancel, then No", IDCANCEL, IDNO, 4, false},
        {"stops answering while it asks", 0, IDYES, 4, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CForeignProcess closes("Ends plain"), ignores("Ends ignoring", CloseMode::Ignores),
            hung("Ends hung"), asking("Ends asking", CloseMode::Asks);
        // The test program stands for Panewarden, whose own windows are never terminated.
        CForeignWindow own("Ends own");
        own.m_closeMode = CloseMode::Ignores;
        ::ShowWindow(own.Handle(), SW_SHOWNOACTIVATE);
        ASSERT_TRUE(closes.Handle() && ignores.Handle() && hung.Handle() && asking.Handle());
        hung.Hang();
        Select({closes.Handle(), ignores.Handle(), hung.Handle(), asking.Handle(), own.Handle()});
        interaction.m_messageBoxes.clear();
        interaction.m_sleeps.clear();
        interaction.m_messageBoxAnswers = {c.force};
        std::atomic<bool> answered{false}, done{false};
        bool askedFirst = false;
        interaction.m_whileAsking = [&] { askedFirst = !answered; };
        // This thread waits inside the command: the user answers from another one.
        const HWND dialog = Dialog().m_hWnd;
        std::thread user([&] {
            HWND box = nullptr;
            for (int i = 0; i < 1000 && !(box = ::FindWindowA("#32770", "Ends asking")); ++i) {
                ::Sleep(10);
            }
            ::Sleep(1000); // the box stays open for several pings' time
            ::PostMessageA(dialog, WM_COMMAND, IDC_ENDPROCESS, 0); // a second click meanwhile
            answered = true;
            if (c.answer) {
                ::PostMessageA(box, WM_COMMAND, static_cast<WPARAM>(c.answer), 0);
            } else {
                asking.Hang();
            }
            // A command that waits on for good would hold the test: the program ends instead.
            for (int i = 0; i < 1000 && !done; ++i) {
                ::Sleep(10);
            }
            if (!done) {
                asking.End();
            }
        });
        Send(IDC_ENDPROCESS);
        done = true;
        user.join();
        MSG click;
        EXPECT_TRUE(::PeekMessageA(&click, dialog, WM_COMMAND, WM_COMMAND, PM_REMOVE))
            << "the second click is taken only after the command";
        EXPECT_FALSE(askedFirst);
        EXPECT_EQ(Strings{"There are " + std::to_string(c.left) +
                          " of 5 windows that could not be close normally, do you want to force "
                          "close them?|Force close|" +
                          std::to_string(MB_YESNO | MB_DEFBUTTON2)},
                  interaction.m_messageBoxes);
        EXPECT_EQ(1000u, interaction.m_sleeps.at(0)); // for the windows to close
        const bool yes = c.force == IDYES;
        EXPECT_TRUE(closes.HasExited(5000));
        EXPECT_EQ(yes, ignores.HasExited(yes ? 5000 : 200) && hung.HasExited(yes ? 5000 : 0));
        EXPECT_EQ(c.askingEnds, asking.HasExited(c.askingEnds ? 5000 : 200));
        EXPECT_TRUE(::IsWindow(own.Handle()));
        EXPECT_FALSE(Contains(bar->Catalogue().Windows(), closes.Handle()));
    }
}

// Each action on a window whose program has stopped answering is over within a second; once
// the program answers again the window is as it should be and all that must hold does.
TEST_F(WindowProcessing, ActionsOnAWindowThatStoppedAnsweringNeitherWaitNorLoseIt) {
    CForeignProcess other("Stops answering");
    const HWND hung = other.Handle();
    ASSERT_NE(nullptr, hung);
    CForeignWindow responsive("Answers", {50, 60, 450, 360});
    const std::function<bool()> hidden = [&] {
        return Contains(bar->HiddenWindowList().Windows(), hung);
    };
    const std::function<bool()> shown = [&] { return !hidden() && ::IsWindowVisible(hung); };
    const std::function<void()> ride = [&] { RideOn(hung); }, select = [&] { Select({hung}); };

    // Done: once the program answers again, as the lists are.
    const std::tuple<const char*, std::function<void()>, std::function<void()>,
                     std::function<bool()>>
        steps[] = {
            {"A", ride, clickA, [&] { return IsTopmost(hung); }},
            {"T", ride, clickT,
             [&] {
                 return LayeredAlpha(hung) == -1 &&
                        ButtonOf(*bar, IDC_TRANSPARENCY).GetState() == 0;
             }},
            {"H", ride, clickH,
             [&] { return hidden() && bar->HiddenWindowIcons().All().size() == 1; }},
            {"its icon's restore command", none, [&] { Restore(hung); }, shown},
            {"Alt+A", none, hideAll, hidden},
            {"Alt+S", none, showAll, shown},
            {"Hide windows", select, [&] { Send(IDC_HIDESHOW); }, hidden},
            {"Show windows", [&] { Select({hung}, IDC_HIDDENLIST); }, [&] { Send(IDC_HIDESHOW); },
             shown},
            {"Update", select, [&] { Send(IDC_UPDATE); },
             [&] { return WindowRect(hung).top == 0; }},
            {"Minimize sel", select, [&] { Send(IDC_MINIMIZESEL); },
             [&] { return ::IsIconic(hung) && interaction.m_sleeps == std::vector<DWORD>{50}; }},
            {"Minimize sel, restoring", select, [&] { Send(IDC_MINIMIZESEL); },
             [&] { return !::IsIconic(hung); }},
            {"Bring to top", select,
             [&] {
                 Click(IDC_TOPMOST); // the window the bar rides on, into the topmost band
                 Send(IDC_BRINGTOTOP);
             },
             [&] { return IsAbove(hung, responsive.Handle()) && ::GetForegroundWindow() != hung; }},
        };
    Send(IDC_HORIZONTAL); // for Update
    for (const auto& [name, prepare, act, done] : steps) {
        SCOPED_TRACE(name);
        ASSERT_NO_FATAL_FAILURE(prepare());
        other.Hang();
        const DWORD start = ::GetTickCount();
        act();
        EXPECT_LT(::GetTickCount() - start, 1000u);
        // Before the program has done what it was asked, a refresh of the lists agrees.
        bar->Catalogue().Refresh();
        EXPECT_NE(hidden(), Contains(bar->Catalogue().Windows(), hung));
        ASSERT_TRUE(other.Resume());
        EXPECT_TRUE(done());
        EXPECT_EQ("", camera.Broken(*bar, interaction, KeptSettings()));
        ::ShowWindow(responsive.Handle(), SW_SHOW);
        ASSERT_NO_FATAL_FAILURE(RideOn(responsive.Handle()));
    }
}

} // namespace
