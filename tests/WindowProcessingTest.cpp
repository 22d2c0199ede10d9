#include "tests/BarFixture.h"
#include "windows/Topmost.h"

#include <algorithm>
#include <atomic>
#include <cstring>
#include <functional>
#include <thread>

namespace {

using Handles = std::vector<HWND>;

// The bar started, with its window-processing dialog shown and active.
class WindowProcessing : public BarFixture {
protected:
    void SetUp() override {
        camera = {};
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
        return listId == IDC_WINDOWLIST ? Dialog().WindowHandles() : Dialog().HiddenHandles();
    }
    // "-": not listed.
    std::string Listed(int listId, HWND window) {
        const auto found = std::find(Of(listId).begin(), Of(listId).end(), window);
        char text[400] = "-";
        ::SendMessageA(Item(listId), LB_GETTEXT, found - Of(listId).begin(),
                       reinterpret_cast<LPARAM>(text));
        return text;
    }
    // Selected after a refresh, as the user would; returned in list order.
    Handles Select(const Handles& chosen, int listId = IDC_WINDOWLIST) {
        ::SendMessageA(Item(IDC_WINDOWLIST), LB_SETSEL, FALSE, -1); // else the refresh keeps it
        Dialog().RefreshLists();
        Handles ordered;
        for (std::size_t i = 0; i < Of(listId).size(); ++i) {
            if (Contains(chosen, Of(listId)[i])) {
                ::SendMessageA(Item(listId), LB_SETSEL, TRUE, static_cast<LPARAM>(i));
                ordered.push_back(Of(listId)[i]);
            }
        }
        Send(listId, LBN_SELCHANGE);
        return ordered;
    }
    Handles Make(int count) {
        Handles made;
        for (int i = 0; i < count; ++i) {
            windows.push_back(
                std::make_unique<CForeignWindow>("Made " + std::to_string(windows.size()),
                                                 RECT{100 + 30 * i, 80, 450 + 30 * i, 380}));
            made.push_back(windows.back()->Handle());
            ::ShowWindow(made.back(), SW_SHOWNOACTIVATE);
        }
        return made;
    }
    std::vector<std::unique_ptr<CForeignWindow>> windows;
};

TEST_F(WindowProcessing, ListsVisibleTitledWindowsAndUnderAllTheHiddenOnes) {
    // Title, shown, owned, where listed: P with only parents chosen, C with parents and
    // children, A under all the hidden windows.
    const std::tuple<std::string, int, int, const char*> cases[] = {
        {"Plain", 1, 0, "PC"},           {"", 1, 0, ""},
        {"Program Manager", 1, 0, ""},   {"program manager", 1, 0, "PC"},
        {"Window processing", 1, 0, ""}, {"Owned pop-up", 1, 1, "C"},
        {"Hidden titled", 0, 0, "A"},    {"", 0, 0, ""}};
    Handles made;
    for (const auto& [title, shown, owned, where] : cases) {
        windows.push_back(std::make_unique<CForeignWindow>(title));
        made.push_back(windows.back()->Handle());
        if (owned) {
            ::SetWindowLongPtrA(made.back(), GWLP_HWNDPARENT,
                                reinterpret_cast<LONG_PTR>(windows[0]->Handle()));
            ::SetWindowLongA(made.back(), GWL_STYLE, WS_POPUP | WS_CAPTION);
        }
        ::ShowWindow(made.back(), shown ? SW_SHOWNOACTIVATE : SW_HIDE);
    }
    Dialog().RefreshLists(); // as first opened, then with the other choices and back
    const std::tuple<int, int, char> choices[] = {{0, 0, 'P'},
                                                  {IDC_PARENTSCHILDS, IDC_SHOWALLHIDDEN, 'C'},
                                                  {IDC_PARENTS, IDC_SHOWOWNHIDDEN, 'P'}};
    for (const auto& [windowsChoice, hiddenChoice, mark] : choices) {
        if (windowsChoice) {
            Send(windowsChoice);
            Send(hiddenChoice);
        }
        for (std::size_t i = 0; i < made.size(); ++i) {
            const auto& [title, shown, owned, where] = cases[i];
            const bool all = mark == 'C' && std::strchr(where, 'A');
            EXPECT_EQ(std::strchr(where, mark) ? title : "-", Listed(IDC_WINDOWLIST, made[i])) << i;
            EXPECT_EQ(all ? title : "-", Listed(IDC_HIDDENLIST, made[i])) << i << mark;
        }
    }
}

// Each command from one scene: W0, W1 and W2 listed in that order, the dialog in front.
TEST_F(WindowProcessing, EachCommandHasItsWholeEffectAndNoOther) {
    const int W = ::GetSystemMetrics(SM_CXMAXIMIZED), H = ::GetSystemMetrics(SM_CYMAXIMIZED);
    const auto at = [](int x, int y, int w, int h) {
        return std::to_string(x) + ":" + std::to_string(y) + "," + std::to_string(w) + "x" +
               std::to_string(h);
    };
    struct Row {
        const char* name;
        std::vector<int> selected; // of the window list, or with "hidden" of the hidden list
        std::function<void()> prepare;
        int command;
        std::string changes;
    };
    Handles made;
    const auto show = [&](int i, int how) { ::ShowWindow(made.at(i), how); };
    const Row rows[] = {
        {"Apply, horizontal",
         {0, 1, 2},
         [&] {
             show(0, SW_MAXIMIZE);
             show(2, SW_SHOWMINNOACTIVE);
             Send(IDC_HORIZONTAL);
         },
         IDC_APPLY,
         "W0.maximized=0 W2.minimized=0 W0.rect=" + at(0, 0, W, H / 3) +
             " W1.rect=" + at(0, H / 3, W, H / 3) + " W2.rect=" + at(0, 2 * (H / 3), W, H / 3) +
             " processing.visible=0 stack=bar,W2,W1,W0 foreground=W2 listed=W2,W1,W0 "
             "selected=W2,W1,W0 dialog=Hide,windows,parents,horizontal,own"},
        {"Update, horizontal",
         {1, 2},
         [&] { Send(IDC_HORIZONTAL); },
         IDC_UPDATE,
         "W1.rect=" + at(0, 0, W, H / 2) + " W2.rect=" + at(0, H / 2, W, H / 2) +
             " stack=processing,bar,W2,W1,W0 foreground=W2 listed=W2,W1,W0 selected=W2,W1 "
             "dialog=Hide,windows,parents,horizontal,own"},
        {"Apply, one rectangle",
         {1},
         [&] { show(1, SW_SHOWMINNOACTIVE); },
         IDC_APPLY,
         "W1.minimized=0 W1.rect=130:80,350x300 processing.visible=0 stack=bar,W1,W0,W2 "
         "foreground=W1 listed=W1,W0,W2"},
        {"Apply, nothing selected", {}, [] {}, IDC_APPLY, ""},
        {"Bring to top",
         {0, 1},
         [&] { show(1, SW_SHOWMINNOACTIVE); },
         IDC_BRINGTOTOP,
         "W1.minimized=0 W1.rect=130:80,350x300 stack=processing,bar,W1,W0,W2 foreground=W1"},
        {"Minimize sel",
         {0, 1},
         [&] { show(1, SW_SHOWMINNOACTIVE); },
         IDC_MINIMIZESEL,
         "W0.minimized=1 W0.rect=-32000:-32000,160x24 W1.minimized=0 W1.rect=130:80,350x300 "
         "stack=processing,bar,W1,W0,W2 foreground=W1 listed=W1,W0,W2 selected=W1,W0"},
        {"Hide windows",
         {0, 2},
         [] {},
         IDC_HIDESHOW,
         "W0.visible=0 W2.visible=0 stack=processing,bar,W1 hidden=W0,W2 hid=W0,W2 listed=W1 "
         "listedHidden=W0,W2 selected="},
        {"Vertical", {}, [] {}, IDC_VERTICAL, "dialog=Hide,windows,parents,vertical,own"},
        {"Esc: the keyboard goes on",
         {},
         [] {},
         IDCANCEL,
         "processing.visible=0 stack=bar,W0,W1,W2 foreground=W0"},
        // The platform keeps a window within its largest size.
        {"Update, vertical",
         {0, 1},
         [&] { Send(IDC_VERTICAL); },
         IDC_UPDATE,
         "W0.rect=" + at(0, 0, W / 2, std::min(H, ::GetSystemMetrics(SM_CYMAXTRACK))) +
             " W1.rect=" + at(W / 2, 0, W / 2, std::min(H, ::GetSystemMetrics(SM_CYMAXTRACK))) +
             " stack=processing,bar,W1,W0,W2 foreground=W1 listed=W1,W0,W2 selected=W1,W0 "
             "dialog=Hide,windows,parents,vertical,own"},
        {"Minimize sel, a window hidden meanwhile",
         {0},
         [&] { show(2, SW_HIDE); },
         IDC_MINIMIZESEL,
         "W0.minimized=1 W0.rect=-32000:-32000,160x24 listed=W0,W1"},
        {"Show windows",
         {},
         [&] {
             bar->HiddenWindowList().HideEvery({made[2], made[0], made[1]});
             Select({made[2], made[1]}, IDC_HIDDENLIST);
         },
         IDC_HIDESHOW,
         "W2.visible=1 W1.visible=1 stack=processing,bar,W1,W2 foreground=W1 hidden=W0 hid=W0 "
         "listed=W1,W2 listedHidden=W0 selected="},
        {"End process, every window closing",
         {0, 2},
         [] {},
         IDC_ENDPROCESS,
         "W0=gone W2=gone stack=processing,bar,W1 listed=W1 selected="},
        {"a selection kept across a refresh",
         {1},
         [&] {
             ::SetWindowPos(made[2], HWND_TOP, 0, 0, 0, 0,
                            SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
             Dialog().RefreshLists();
         },
         IDC_HIDESHOW,
         "W1.visible=0 stack=processing,bar,W2,W0 hidden=W1 hid=W1 listed=W2,W0 listedHidden=W1 "
         "selected="},
    };
    for (const Row& row : rows) {
        SetUp();
        windows.clear();
        made = Make(3);
        for (int i = 2; i >= 0; --i) {
            camera.Name("W" + std::to_string(i), made[i]);
            ::SetWindowPos(made[i], HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        }
        Handles chosen;
        for (int i : row.selected) {
            chosen.push_back(made[i]);
        }
        Dialog().RefreshLists();
        if (!chosen.empty()) {
            Select(chosen);
        }
        row.prepare();
        ::SetForegroundWindow(Dialog().m_hWnd);
        PumpMessages(20);
        ExpectEffect(
            row.name, [&] { Send(row.command); }, row.changes);
    }
}

// End process asks each window to close and waits while one asks its user first (whether
// to save, say), as long as its box stays open; then it counts the windows left open and
// terminates their programs, never its own, only on Yes.
TEST_F(WindowProcessing, EndProcessWaitsForAWindowsOwnQuestionThenEndsWhatStaysOnlyOnYes) {
    struct Case {
        const char* name;
        int answer; // in the window's own box; 0: its program stops answering instead
        int force, left;
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
            ::Sleep(400); // the box stays open for more than a ping's time
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
                          std::to_string(MB_YESNO)},
                  interaction.m_messageBoxes);
        EXPECT_EQ(1000u, interaction.m_sleeps.at(0)); // for the windows to close
        const bool yes = c.force == IDYES;
        EXPECT_TRUE(closes.HasExited(5000));
        EXPECT_EQ(yes, ignores.HasExited(yes ? 5000 : 200) && hung.HasExited(yes ? 5000 : 0));
        EXPECT_EQ(c.askingEnds, asking.HasExited(c.askingEnds ? 5000 : 200));
        EXPECT_TRUE(::IsWindow(own.Handle()));
        EXPECT_EQ("-", Listed(IDC_WINDOWLIST, closes.Handle()));
    }
}

// Each action on a window whose program has stopped answering is over within a second; once
// the program answers again the window is as the lists, the icons and the file say.
TEST_F(WindowProcessing, ActionsOnAWindowThatStoppedAnsweringNeitherWaitNorLoseIt) {
    CForeignProcess other("Stops answering");
    const HWND hung = other.Handle();
    ASSERT_NE(nullptr, hung);
    CForeignWindow responsive("Answers", {50, 60, 450, 360});
    const auto click = [&](UINT id) {
        bar->Button(id).SendMessage(WM_LBUTTONDOWN);
        bar->Button(id).SendMessage(WM_LBUTTONUP);
    };
    const std::function<bool()> hidden = [&] { return Contains(Hidden(), hung); };
    const std::function<bool()> shown = [&] { return !hidden(); };
    const std::function<void()> ride = [&] { RideOn(hung); }, select = [&] { Select({hung}); },
                                none = [] {};

    struct Step {
        const char* name;
        std::function<void()> prepare, act;
        std::function<bool()> done; // once the program answers again, as are the lists
    };
    const Step steps[] = {
        {"A", ride, [&] { click(IDC_TOPMOST); }, [&] { return IsTopmost(hung) == 1; }},
        {"T", ride, [&] { click(IDC_TRANSPARENCY); },
         [&] { return LayeredAlpha(hung) == -1 && bar->Button(IDC_TRANSPARENCY).GetState() == 0; }},
        {"H", ride, [&] { click(IDC_HIDE); },
         [&] { return hidden() && bar->HiddenTrayIcons().size() == 1; }},
        {"its icon's restore command", none, [&] { Command(ID_RESTOREWINDOW_FIRST, hung); },
         [&] { return shown() && bar->HiddenTrayIcons().empty(); }},
        {"Alt+A", none, [&] { bar->SendMessage(WM_HOTKEY, CButtonBarDlg::kHideAllHotkey); },
         hidden},
        {"Alt+S", none, [&] { bar->SendMessage(WM_HOTKEY, CButtonBarDlg::kShowAllHotkey); }, shown},
        {"Hide windows", select, [&] { Send(IDC_HIDESHOW); }, hidden},
        {"Show windows", [&] { Select({hung}, IDC_HIDDENLIST); }, [&] { Send(IDC_HIDESHOW); },
         shown},
        {"Update", select, [&] { Send(IDC_UPDATE); }, [&] { return WindowRect(hung).top == 0; }},
        {"Minimize sel", select, [&] { Send(IDC_MINIMIZESEL); },
         [&] { return ::IsIconic(hung) && interaction.m_sleeps == std::vector<DWORD>{50}; }},
        {"Minimize sel, restoring", select, [&] { Send(IDC_MINIMIZESEL); },
         [&] { return !::IsIconic(hung); }},
        {"Bring to top", select,
         [&] {
             ::SetWindowPos(responsive.Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
             Send(IDC_BRINGTOTOP);
         },
         [&] { return IsAbove(hung, responsive.Handle()) && ::GetForegroundWindow() != hung; }},
    };
    Send(IDC_HORIZONTAL); // for Update
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        ASSERT_NO_FATAL_FAILURE(step.prepare());
        other.Hang();
        const DWORD start = ::GetTickCount();
        step.act();
        EXPECT_LT(::GetTickCount() - start, 1000u);
        // Before the program has done what it was asked, a refresh of the lists agrees.
        Dialog().RefreshLists();
        EXPECT_NE(hidden(), Contains(Dialog().WindowHandles(), hung));
        ASSERT_TRUE(other.Resume());
        EXPECT_TRUE(step.done());
        EXPECT_NE(hidden(), ::IsWindowVisible(hung) != 0);
        ::ShowWindow(responsive.Handle(), SW_SHOW);
        ASSERT_NO_FATAL_FAILURE(RideOn(responsive.Handle()));
    }
}

} // namespace
