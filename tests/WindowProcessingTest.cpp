#include "tests/BarFixture.h"

#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

LRESULT CALLBACK IgnoreClose(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return message == WM_CLOSE ? 0 : ::DefWindowProcA(window, message, wParam, lParam);
}

// The bar started, with its window-processing dialog shown and active.
class WindowProcessing : public BarFixture {
protected:
    void SetUp() override {
        Start();
        dialog = bar->m_pProcessingDlg.get();
        bar->SendMessage(WM_COMMAND, ID_WINDOWSELECTOR, 0);
        ::SetForegroundWindow(dialog->m_hWnd);
        PumpMessages(20);
    }

    std::vector<HWND> MakeWindows(const std::string& prefix, int count) {
        std::vector<HWND> made;
        for (int i = 0; i < count; ++i) {
            windows.push_back(std::make_unique<CForeignWindow>(
                prefix + std::to_string(i), RECT{100 + 30 * i, 80, 450 + 30 * i, 380}));
            made.push_back(windows.back()->Handle());
            ::ShowWindow(made.back(), SW_SHOWNOACTIVATE);
        }
        return made;
    }

    // Selected after a refresh, as the user would; returned in list order.
    std::vector<HWND> Select(const std::vector<HWND>& chosen, int listId = IDC_WINDOWLIST) {
        dialog->m_listWindows.SetSel(-1, FALSE); // else the refresh selects it again
        dialog->RefreshLists();
        const bool hidden = listId == IDC_HIDDENLIST;
        const std::vector<HWND>& handles =
            hidden ? dialog->m_hiddenHandles : dialog->m_windowHandles;
        std::vector<HWND> ordered;
        for (std::size_t i = 0; i < handles.size(); ++i) {
            if (std::find(chosen.begin(), chosen.end(), handles[i]) != chosen.end()) {
                (hidden ? dialog->m_listHidden : dialog->m_listWindows)
                    .SetSel(static_cast<int>(i), TRUE);
                ordered.push_back(handles[i]);
            }
        }
        Send(listId, LBN_SELCHANGE);
        return ordered;
    }

    void Send(int id, WORD code = BN_CLICKED) {
        dialog->SendMessage(WM_COMMAND, MAKEWPARAM(id, code),
                            reinterpret_cast<LPARAM>(::GetDlgItem(dialog->m_hWnd, id)));
    }

    CWindowProcessingDlg* dialog = nullptr;
    std::vector<std::unique_ptr<CForeignWindow>> windows;
};

// x = column × (W / columns), y = row × (H / rows); no columns: the window stays put.
struct Cell {
    int column, columns, row, rows;
};

struct StackingCase {
    int layout, command;
    std::vector<Cell> cells; // in list order
};

const StackingCase kStackingCases[] = {
    {IDC_HORIZONTAL, IDC_UPDATE, {{0, 1, 0, 3}, {0, 1, 1, 3}, {0, 1, 2, 3}}},
    {IDC_VERTICAL, IDC_APPLY, {{0, 3, 0, 1}, {1, 3, 0, 1}, {2, 3, 0, 1}}},
    {IDC_RECTANGLES, IDC_UPDATE, {{0, 0, 0, 0}}},
    {IDC_RECTANGLES, IDC_UPDATE, {{0, 2, 0, 1}, {1, 2, 0, 2}, {1, 2, 1, 2}}},
};

class WindowProcessingStacking : public WindowProcessing,
                                 public ::testing::WithParamInterface<StackingCase> {};

TEST_P(WindowProcessingStacking, SelectedWindowsFillTheMaximizedAreaWithRemaindersUncovered) {
    const StackingCase& stacking = GetParam();
    const std::vector<HWND> made = MakeWindows("Stacked ", static_cast<int>(stacking.cells.size()));
    const RECT normal = WindowRect(made[0]);
    // Maximized and minimized windows are shown normally before they are placed.
    ::ShowWindow(made[0], SW_MAXIMIZE);
    ::ShowWindow(made.back(), made.size() > 1 ? SW_SHOWMINNOACTIVE : SW_MAXIMIZE);
    ::SetForegroundWindow(dialog->m_hWnd);
    const std::vector<HWND> ordered = Select(made);
    Send(stacking.layout);
    EXPECT_EQ(stacking.layout == IDC_VERTICAL, dialog->m_radioVertical.GetCheck() == 1);
    Send(stacking.command);
    PumpMessages(20);

    const int width = ::GetSystemMetrics(SM_CXMAXIMIZED),
              height = ::GetSystemMetrics(SM_CYMAXIMIZED);
    for (std::size_t i = 0; i < ordered.size(); ++i) {
        const Cell& cell = stacking.cells[i];
        RECT expected = normal;
        if (cell.columns) {
            const int cx = width / cell.columns, cy = height / cell.rows;
            // Wine's maximized height exceeds the largest height a window may be given.
            expected = {cell.column * cx, cell.row * cy,
                        cell.column * cx + std::min(cx, ::GetSystemMetrics(SM_CXMAXTRACK)),
                        cell.row * cy + std::min(cy, ::GetSystemMetrics(SM_CYMAXTRACK))};
        }
        const RECT actual = WindowRect(ordered[i]);
        EXPECT_TRUE(::EqualRect(&expected, &actual)) << i;
        EXPECT_FALSE(::IsIconic(ordered[i]) || ::IsZoomed(ordered[i])) << i;
    }
    EXPECT_EQ(ordered.back(), ::GetForegroundWindow());
    EXPECT_EQ(stacking.command == IDC_UPDATE, ::IsWindowVisible(dialog->m_hWnd) != 0);
}

INSTANTIATE_TEST_SUITE_P(WindowProcessing, WindowProcessingStacking,
                         ::testing::ValuesIn(kStackingCases));

TEST_F(WindowProcessing, CommandsWithNothingSelectedTouchNothing) {
    const HWND window = MakeWindows("Untouched ", 1)[0];
    const RECT before = WindowRect(window);
    CForeignWindow hidden("Hidden");
    dialog->AddHiddenWindow(hidden.Handle());
    Select({hidden.Handle()}, IDC_HIDDENLIST);
    // The button serves the window list now, though the hidden-window list has a selection.
    Send(IDC_WINDOWLIST, LBN_SELCHANGE);
    dialog->m_windowHandles.push_back(nullptr); // one that a refresh would drop
    for (int id :
         {IDC_APPLY, IDC_UPDATE, IDC_BRINGTOTOP, IDC_MINIMIZESEL, IDC_ENDPROCESS, IDC_HIDESHOW}) {
        Send(id);
    }
    EXPECT_TRUE(::IsWindowVisible(dialog->m_hWnd) && ::IsWindowVisible(window));
    EXPECT_TRUE(!::IsIconic(window) && SameRect(before, WindowRect(window)));
    EXPECT_FALSE(::IsWindowVisible(hidden.Handle()));
    EXPECT_EQ(nullptr, dialog->m_windowHandles.back());
    EXPECT_TRUE(interaction.m_messageBoxes.empty() && interaction.m_sleeps.empty());
}

TEST_F(WindowProcessing, BringToTopRaisesInListOrderAndMinimizeSelTogglesEachWindow) {
    const std::vector<HWND> made = MakeWindows("Raised ", 3);
    const RECT before = WindowRect(made[2]);
    const std::vector<HWND> ordered = Select(made);
    Send(IDC_BRINGTOTOP);
    PumpMessages(20);
    EXPECT_TRUE(SameRect(before, WindowRect(made[2])));
    EXPECT_EQ(ordered[2], ::GetForegroundWindow());
    EXPECT_TRUE(IsAbove(ordered[2], ordered[1]) && IsAbove(ordered[1], ordered[0]));

    ::ShowWindow(made[0], SW_SHOWMINNOACTIVE);
    Select({made[0], made[1]});
    Send(IDC_MINIMIZESEL);
    EXPECT_TRUE(!::IsIconic(made[0]) && ::IsIconic(made[1]) && !::IsIconic(made[2]));
    EXPECT_EQ(std::vector<DWORD>{50}, interaction.m_sleeps);
}

TEST_F(WindowProcessing, HideShowFollowsTheListLastSelectedAndKeepsTheHiddenList) {
    CForeignWindow earlier("Hidden earlier");
    dialog->AddHiddenWindow(earlier.Handle());
    bar->m_hiddenTrayIcons.push_back(std::make_unique<CSystemTray>());
    bar->m_hiddenTrayIcons.back()->SetCarriedWindow(earlier.Handle());
    const std::vector<HWND> made = MakeWindows("Hideable ", 3);

    const std::vector<HWND> hidden = Select({made[0], made[2]});
    EXPECT_EQ("Hide windows", WindowTitle(dialog->m_btnHideShow.m_hWnd));
    Send(IDC_HIDESHOW);
    EXPECT_FALSE(::IsWindowVisible(hidden[0]) || ::IsWindowVisible(hidden[1]));
    EXPECT_EQ((std::vector<HWND>{earlier.Handle(), hidden[0], hidden[1]}), dialog->m_hiddenHandles);

    Select({earlier.Handle(), hidden[1]}, IDC_HIDDENLIST);
    EXPECT_EQ("Show windows", WindowTitle(dialog->m_btnHideShow.m_hWnd));
    Send(IDC_HIDESHOW);
    EXPECT_TRUE(::IsWindowVisible(earlier.Handle()) && ::IsWindowVisible(hidden[1]));
    EXPECT_EQ(std::vector<HWND>{hidden[0]}, dialog->m_hiddenHandles);
    EXPECT_TRUE(bar->m_hiddenTrayIcons.empty());

    // Under "all" each shown window leaves the list at the refresh its activation brings,
    // and the parked list too.
    CForeignWindow elsewhere("Hidden elsewhere");
    Send(IDC_SHOWALLHIDDEN);
    ::SetForegroundWindow(dialog->m_hWnd);
    Select({hidden[0], elsewhere.Handle()}, IDC_HIDDENLIST);
    Send(IDC_HIDESHOW);
    EXPECT_TRUE(::IsWindowVisible(hidden[0]) && ::IsWindowVisible(elsewhere.Handle()));
    Send(IDC_SHOWOWNHIDDEN);
    EXPECT_TRUE(dialog->m_hiddenHandles.empty());
}

class WindowProcessingEndProcess : public WindowProcessing,
                                   public ::testing::WithParamInterface<int> {};

TEST_P(WindowProcessingEndProcess, WindowsLeftOpenAreCountedAndTerminatedOnlyOnYes) {
    CForeignProcess closes("plain", "Ends plain"), ignores("ignore-close", "Ends ignoring"),
        hung("plain", "Ends hung");
    // The test program stands for Panewarden, whose own windows are never terminated.
    CForeignWindow own("Ends own");
    ::SetWindowLongPtrA(own.Handle(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&IgnoreClose));
    ::ShowWindow(own.Handle(), SW_SHOWNOACTIVATE);
    ASSERT_TRUE(closes.Handle() && ignores.Handle() && hung.Handle());
    hung.Hang();
    Select({closes.Handle(), ignores.Handle(), hung.Handle(), own.Handle()});
    interaction.m_messageBoxAnswers.push_back(GetParam());
    Send(IDC_ENDPROCESS);

    EXPECT_TRUE(closes.HasExited(5000));
    ASSERT_EQ(1u, interaction.m_messageBoxes.size());
    const MessageBoxCall& question = interaction.m_messageBoxes[0];
    EXPECT_EQ("There are 3 of 4 windows that could not be close normally, do you want to force "
              "close them?",
              question.text);
    EXPECT_TRUE(question.caption == "Force close" && question.type == MB_YESNO);
    const bool yes = GetParam() == IDYES;
    EXPECT_EQ(yes, ignores.HasExited(yes ? 5000 : 200));
    EXPECT_EQ(yes, hung.HasExited(yes ? 5000 : 0));
    EXPECT_TRUE(::IsWindow(own.Handle()));
    EXPECT_EQ(1000u, interaction.m_sleeps.at(0)); // for the windows to close
    EXPECT_EQ(
        dialog->m_windowHandles.end(),
        std::find(dialog->m_windowHandles.begin(), dialog->m_windowHandles.end(), closes.Handle()));
}

INSTANTIATE_TEST_SUITE_P(WindowProcessing, WindowProcessingEndProcess,
                         ::testing::Values(IDYES, IDNO));

// Each action on a window whose program has stopped answering is over within a second; once
// the program answers again the window is as the lists, the icons and the file say.
TEST_F(WindowProcessing, ActionsOnAWindowThatStoppedAnsweringNeitherWaitNorLoseIt) {
    CForeignProcess other("plain", "Stops answering");
    const HWND hung = other.Handle();
    ASSERT_NE(nullptr, hung);
    CForeignWindow responsive("Answers", {50, 60, 450, 360});
    const auto front = [&](HWND window) {
        ::SetForegroundWindow(window);
        ASSERT_TRUE(PumpUntil([&] { return bar->m_pTarget == window; }));
    };
    const auto click = [](CSkinButton& button) {
        button.SendMessage(WM_LBUTTONDOWN);
        button.SendMessage(WM_LBUTTONUP);
    };
    const auto command = [&](WPARAM id, HWND window = nullptr) {
        bar->SendMessage(WM_COMMAND, id, reinterpret_cast<LPARAM>(window));
    };
    const auto index = [](const std::vector<HWND>& windows, HWND window) {
        return static_cast<WPARAM>(std::find(windows.begin(), windows.end(), window) -
                                   windows.begin());
    };
    const std::function<bool()> hidden = [&] { return Contains(dialog->m_hiddenHandles, hung); };
    const std::function<bool()> shown = [&] { return !hidden(); };

    struct Step {
        const char* name;
        std::function<void()> prepare, act;
        std::function<bool()> done; // once the program answers again, as are the lists
    };
    const Step steps[] = {
        {"A", [&] { front(hung); }, [&] { click(bar->m_btnTopmost); },
         [&] { return IsTopmost(hung); }},
        {"T", [&] { front(hung); }, [&] { click(bar->m_btnTransparency); },
         [&] { return LayeredAlpha(hung) == -1 && bar->m_btnTransparency.GetState() == 0; }},
        {"H", [&] { front(hung); }, [&] { click(bar->m_btnHide); },
         [&] { return hidden() && bar->m_hiddenTrayIcons.size() == 1; }},
        {"its icon's restore command", [] {}, [&] { command(ID_RESTOREWINDOW_FIRST, hung); },
         [&] { return shown() && bar->m_hiddenTrayIcons.empty(); }},
        {"an active-window command", [&] { dialog->RefreshLists(); },
         [&] { command(ID_ACTIVEWINDOW_FIRST + index(dialog->m_windowHandles, hung)); }, hidden},
        {"a hidden-window command", [] {},
         [&] { command(ID_HIDDENWINDOW_FIRST + index(dialog->m_hiddenHandles, hung)); }, shown},
        {"Alt+A", [] {}, [&] { bar->SendMessage(WM_HOTKEY, CButtonBarDlg::kHideAllHotkey, 0); },
         hidden},
        {"Alt+S", [] {}, [&] { bar->SendMessage(WM_HOTKEY, CButtonBarDlg::kShowAllHotkey, 0); },
         shown},
        {"Hide windows", [&] { Select({hung}); }, [&] { Send(IDC_HIDESHOW); }, hidden},
        {"Show windows", [&] { Select({hung}, IDC_HIDDENLIST); }, [&] { Send(IDC_HIDESHOW); },
         shown},
        {"Update",
         [&] {
             Select({hung});
             Send(IDC_HORIZONTAL);
         },
         [&] { Send(IDC_UPDATE); }, [&] { return WindowRect(hung).top == 0; }},
        {"Minimize sel", [&] { Select({hung}); }, [&] { Send(IDC_MINIMIZESEL); },
         [&] { return ::IsIconic(hung) != 0; }},
        {"Minimize sel, restoring", [&] { Select({hung}); }, [&] { Send(IDC_MINIMIZESEL); },
         [&] { return !::IsIconic(hung); }},
        {"Bring to top",
         [&] {
             Select({hung});
             ::SetWindowPos(responsive.Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
         },
         [&] { Send(IDC_BRINGTOTOP); }, [&] { return IsAbove(hung, responsive.Handle()); }},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        ASSERT_NO_FATAL_FAILURE(step.prepare());
        other.Hang();
        const DWORD start = ::GetTickCount();
        step.act();
        EXPECT_LT(::GetTickCount() - start, 1000u);
        // Before the program carries out what it was asked, the file holds the list, and a
        // refresh does not take a window hidden meanwhile for a visible one.
        dialog->RefreshLists();
        char line[16] = "";
        std::snprintf(line, sizeof line, "%08lX ", HandleToUlong(hung));
        EXPECT_EQ(hidden(),
                  ReadFileBytes(CHiddenWindowFile::ProgramFile()).find(line) != std::string::npos);
        EXPECT_FALSE(hidden() && Contains(dialog->m_windowHandles, hung));
        ASSERT_TRUE(other.Resume());
        EXPECT_TRUE(step.done());
        EXPECT_NE(hidden(), ::IsWindowVisible(hung) != 0);
        EXPECT_EQ(hidden(),
                  Contains(CHiddenWindowFile(CHiddenWindowFile::ProgramFile()).Load(), hung));
        ::ShowWindow(responsive.Handle(), SW_SHOW);
        ASSERT_NO_FATAL_FAILURE(front(responsive.Handle()));
    }
}

} // namespace
