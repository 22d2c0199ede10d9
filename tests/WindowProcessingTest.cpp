#include "app/ButtonBarDlg.h"
#include "platform/WinApp.h"
#include "processing/WindowProcessingDlg.h"
#include "resource.h"
#include "tests/TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

namespace {

bool SameRect(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

// Position from the top of the z-order.
int ZOrder(HWND window) {
    int position = 0;
    for (HWND w = ::GetTopWindow(nullptr); w && w != window; w = ::GetWindow(w, GW_HWNDNEXT)) {
        ++position;
    }
    return position;
}

LRESULT CALLBACK IgnoreClose(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return message == WM_CLOSE ? 0 : ::DefWindowProcA(window, message, wParam, lParam);
}

// The bar as the application starts it, with its window-processing dialog shown and active.
class WindowProcessing : public ::testing::Test {
protected:
    WindowProcessing() {
        bar.SendMessage(WM_COMMAND, ID_WINDOWSELECTOR, 0);
        ::SetForegroundWindow(dialog.m_hWnd);
        PumpMessages(20);
    }
    ~WindowProcessing() override { CWinApp::SetMainWnd(nullptr); }

    CWindowProcessingDlg& StartBar() {
        CWinApp::SetMainWnd(&bar);
        bar.Create(IDD_BUTTONBAR, nullptr);
        return *bar.m_pProcessingDlg;
    }

    // Foreign windows titled prefix0, prefix1..., shown without activation.
    void MakeWindows(const std::string& prefix, int count) {
        for (int i = 0; i < count; ++i) {
            windows.push_back(std::make_unique<CForeignWindow>(
                prefix + std::to_string(i),
                RECT{100 + 30 * i, 80 + 20 * i, 450 + 30 * i, 380 + 20 * i}));
            ::ShowWindow(windows.back()->Handle(), SW_SHOWNOACTIVATE);
        }
    }

    // Selects the entries of these windows as the user would, after a refresh; returns the
    // windows in list order.
    std::vector<HWND> Select(const std::vector<HWND>& chosen, bool hiddenList = false) {
        dialog.RefreshLists();
        const CListBox& list = hiddenList ? dialog.m_listHidden : dialog.m_listWindows;
        const std::vector<HWND>& handles =
            hiddenList ? dialog.m_hiddenHandles : dialog.m_windowHandles;
        std::vector<HWND> ordered;
        for (std::size_t i = 0; i < handles.size(); ++i) {
            if (std::find(chosen.begin(), chosen.end(), handles[i]) != chosen.end()) {
                list.SetSel(static_cast<int>(i), TRUE);
                ordered.push_back(handles[i]);
            }
        }
        EXPECT_EQ(chosen.size(), ordered.size());
        NotifySelectionChange(list);
        return ordered;
    }

    void NotifySelectionChange(const CListBox& list) {
        dialog.SendMessage(WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(list.m_hWnd), LBN_SELCHANGE),
                           reinterpret_cast<LPARAM>(list.m_hWnd));
    }

    void Click(int id) {
        dialog.SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                           reinterpret_cast<LPARAM>(::GetDlgItem(dialog.m_hWnd, id)));
    }

    std::vector<HWND> Handles() const {
        std::vector<HWND> handles;
        for (const auto& window : windows) {
            handles.push_back(window->Handle());
        }
        return handles;
    }

    std::string Caption() const { return WindowTitle(dialog.m_btnHideShow.m_hWnd); }

    CScriptedInteraction interaction;
    CButtonBarDlg bar;
    CWindowProcessingDlg& dialog = StartBar();
    std::vector<std::unique_ptr<CForeignWindow>> windows;
};

// A window's cell: x = column × (W / columns), y = row × (H / rows), W / columns by H / rows.
struct Cell {
    int column, columns, row, rows;
};

struct StackingCase {
    const char* name;
    int layout;  // radio button clicked first
    int command; // "Apply" or "Update"
    int count;
    std::vector<Cell> cells; // in list order; none: every window stays where it was
};

class WindowProcessingStacking : public WindowProcessing,
                                 public ::testing::WithParamInterface<StackingCase> {};

TEST_P(WindowProcessingStacking, SelectedWindowsFillTheMaximizedAreaWithRemaindersUncovered) {
    const StackingCase& stacking = GetParam();
    MakeWindows("Stacked ", stacking.count);
    // A maximized and a minimized window are shown normally before they are placed.
    ::ShowWindow(windows[0]->Handle(), SW_MAXIMIZE);
    const RECT normal = {100, 80, 450, 380};
    if (stacking.count > 1) {
        ::ShowWindow(windows[1]->Handle(), SW_SHOWMINNOACTIVE);
    }
    ::SetForegroundWindow(dialog.m_hWnd);
    const std::vector<HWND> ordered = Select(Handles());
    Click(stacking.layout);
    EXPECT_EQ(stacking.layout == IDC_HORIZONTAL, dialog.m_radioHorizontal.GetCheck() == 1);
    EXPECT_EQ(stacking.layout == IDC_VERTICAL, dialog.m_radioVertical.GetCheck() == 1);
    EXPECT_EQ(stacking.layout == IDC_RECTANGLES, dialog.m_radioRectangles.GetCheck() == 1);
    Click(stacking.command);
    PumpMessages(20);

    const int width = ::GetSystemMetrics(SM_CXMAXIMIZED);
    const int height = ::GetSystemMetrics(SM_CYMAXIMIZED);
    for (std::size_t i = 0; i < ordered.size(); ++i) {
        RECT expected = normal;
        if (!stacking.cells.empty()) {
            const Cell& cell = stacking.cells[i];
            const int cx = width / cell.columns, cy = height / cell.rows;
            // Wine's maximized height exceeds the largest height a window may be given.
            expected = {cell.column * cx, cell.row * cy,
                        cell.column * cx + std::min(cx, ::GetSystemMetrics(SM_CXMAXTRACK)),
                        cell.row * cy + std::min(cy, ::GetSystemMetrics(SM_CYMAXTRACK))};
        }
        const RECT actual = WindowRect(ordered[i]);
        EXPECT_TRUE(SameRect(expected, actual))
            << stacking.name << " " << i << ": " << actual.left << "," << actual.top << ","
            << actual.right << "," << actual.bottom;
        EXPECT_FALSE(::IsIconic(ordered[i]) || ::IsZoomed(ordered[i])) << stacking.name << " " << i;
    }
    EXPECT_EQ(ordered.back(), ::GetForegroundWindow());
    EXPECT_EQ(stacking.command == IDC_UPDATE, ::IsWindowVisible(dialog.m_hWnd) != 0);
}

INSTANTIATE_TEST_SUITE_P(
    WindowProcessing, WindowProcessingStacking,
    ::testing::Values(
        StackingCase{"horizontal 3",
                     IDC_HORIZONTAL,
                     IDC_UPDATE,
                     3,
                     {{0, 1, 0, 3}, {0, 1, 1, 3}, {0, 1, 2, 3}}},
        StackingCase{"horizontal 1", IDC_HORIZONTAL, IDC_APPLY, 1, {{0, 1, 0, 1}}},
        StackingCase{
            "vertical 3", IDC_VERTICAL, IDC_APPLY, 3, {{0, 3, 0, 1}, {1, 3, 0, 1}, {2, 3, 0, 1}}},
        StackingCase{"rectangles 1", IDC_RECTANGLES, IDC_UPDATE, 1, {}},
        StackingCase{"rectangles 2", IDC_RECTANGLES, IDC_APPLY, 2, {{0, 2, 0, 1}, {1, 2, 0, 1}}},
        StackingCase{"rectangles 3",
                     IDC_RECTANGLES,
                     IDC_UPDATE,
                     3,
                     {{0, 2, 0, 1}, {1, 2, 0, 2}, {1, 2, 1, 2}}},
        StackingCase{"rectangles 5",
                     IDC_RECTANGLES,
                     IDC_APPLY,
                     5,
                     {{0, 2, 0, 2}, {0, 2, 1, 2}, {1, 2, 0, 3}, {1, 2, 1, 3}, {1, 2, 2, 3}}}));

TEST_F(WindowProcessing, CommandsWithNothingSelectedTouchNothing) {
    MakeWindows("Untouched ", 1);
    HWND window = windows[0]->Handle();
    CForeignWindow hidden("Hidden");
    bar.m_pProcessingDlg->AddHiddenWindow(hidden.Handle());
    Select({hidden.Handle()}, true);
    // The window list is the one served now, though the hidden-window list has a selection.
    NotifySelectionChange(dialog.m_listWindows);
    ASSERT_EQ(1, dialog.m_listHidden.GetSelCount());
    const RECT before = WindowRect(window);
    // An entry no refresh would make: it must survive.
    dialog.m_listWindows.AddString("Sentinel");
    dialog.m_windowHandles.push_back(nullptr);
    for (int id :
         {IDC_APPLY, IDC_UPDATE, IDC_BRINGTOTOP, IDC_MINIMIZESEL, IDC_ENDPROCESS, IDC_HIDESHOW}) {
        Click(id);
    }
    EXPECT_TRUE(::IsWindowVisible(dialog.m_hWnd));
    EXPECT_TRUE(::IsWindowVisible(window) && !::IsIconic(window));
    EXPECT_TRUE(SameRect(before, WindowRect(window)));
    EXPECT_FALSE(::IsWindowVisible(hidden.Handle()));
    EXPECT_EQ(nullptr, dialog.m_windowHandles.back());
    EXPECT_TRUE(interaction.m_messageBoxes.empty());
    EXPECT_TRUE(interaction.m_sleeps.empty());
}

TEST_F(WindowProcessing, BringToTopRaisesEachSelectedWindowInListOrderWithoutMovingIt) {
    MakeWindows("Raised ", 3);
    const RECT before = WindowRect(windows[2]->Handle());
    const std::vector<HWND> ordered = Select(Handles());
    Click(IDC_BRINGTOTOP);
    PumpMessages(20);
    EXPECT_TRUE(SameRect(before, WindowRect(windows[2]->Handle())));
    EXPECT_EQ(ordered[2], ::GetForegroundWindow());
    EXPECT_LT(ZOrder(ordered[2]), ZOrder(ordered[1]));
    EXPECT_LT(ZOrder(ordered[1]), ZOrder(ordered[0]));
}

TEST_F(WindowProcessing, MinimizeSelTogglesEachSelectedWindow) {
    MakeWindows("Toggled ", 3);
    ::ShowWindow(windows[0]->Handle(), SW_SHOWMINNOACTIVE);
    Select({windows[0]->Handle(), windows[1]->Handle()});
    Click(IDC_MINIMIZESEL);
    EXPECT_FALSE(::IsIconic(windows[0]->Handle()));
    EXPECT_TRUE(::IsIconic(windows[1]->Handle()));
    EXPECT_FALSE(::IsIconic(windows[2]->Handle()));
    EXPECT_EQ(std::vector<DWORD>{50}, interaction.m_sleeps);
}

TEST_F(WindowProcessing, HideShowFollowsTheListLastSelectedAndKeepsTheHiddenList) {
    CForeignWindow earlier("Hidden earlier");
    bar.m_pProcessingDlg->AddHiddenWindow(earlier.Handle());
    auto icon = std::make_unique<CSystemTray>();
    icon->SetCarriedWindow(earlier.Handle());
    bar.m_hiddenTrayIcons.push_back(std::move(icon));
    MakeWindows("Hideable ", 3);

    const std::vector<HWND> hidden = Select({windows[0]->Handle(), windows[2]->Handle()});
    EXPECT_EQ("Hide windows", Caption());
    Click(IDC_HIDESHOW);
    EXPECT_FALSE(::IsWindowVisible(hidden[0]) || ::IsWindowVisible(hidden[1]));
    EXPECT_EQ((std::vector<HWND>{earlier.Handle(), hidden[0], hidden[1]}), dialog.m_hiddenHandles);
    EXPECT_EQ(3, dialog.m_listHidden.GetCount());
    EXPECT_EQ(dialog.m_windowHandles.end(),
              std::find(dialog.m_windowHandles.begin(), dialog.m_windowHandles.end(), hidden[0]));

    Select({earlier.Handle(), hidden[1]}, true);
    EXPECT_EQ("Show windows", Caption());
    Click(IDC_HIDESHOW);
    EXPECT_TRUE(::IsWindowVisible(earlier.Handle()) && ::IsWindowVisible(hidden[1]));
    EXPECT_EQ(std::vector<HWND>{hidden[0]}, dialog.m_hiddenHandles);
    EXPECT_EQ(1, dialog.m_listHidden.GetCount());
    EXPECT_TRUE(bar.m_hiddenTrayIcons.empty());

    // Under "all" each shown window leaves the list at the refresh its activation brings.
    CForeignWindow elsewhere("Hidden elsewhere");
    Click(IDC_SHOWALLHIDDEN);
    ::SetForegroundWindow(dialog.m_hWnd);
    Select({hidden[0], elsewhere.Handle()}, true);
    Click(IDC_HIDESHOW);
    EXPECT_TRUE(::IsWindowVisible(hidden[0]) && ::IsWindowVisible(elsewhere.Handle()));
}

class WindowProcessingEndProcess : public WindowProcessing,
                                   public ::testing::WithParamInterface<int> {};

TEST_P(WindowProcessingEndProcess, WindowsThatStayOpenAreCountedAndTerminatedOnlyOnYes) {
    CForeignProcess closes("plain", "Ends plain");
    CForeignProcess ignores("ignore-close", "Ends ignoring");
    // The test program stands for Panewarden: a window of its own is never terminated.
    CForeignWindow own("Ends own");
    ::SetWindowLongPtrA(own.Handle(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&IgnoreClose));
    ::ShowWindow(own.Handle(), SW_SHOWNOACTIVATE);
    ASSERT_TRUE(closes.Handle() && ignores.Handle());
    Select({closes.Handle(), ignores.Handle(), own.Handle()});
    interaction.m_messageBoxAnswers.push_back(GetParam());
    Click(IDC_ENDPROCESS);

    EXPECT_TRUE(closes.HasExited(5000));
    ASSERT_EQ(1u, interaction.m_messageBoxes.size());
    const MessageBoxCall& question = interaction.m_messageBoxes[0];
    EXPECT_EQ("There are 2 of 3 windows that could not be close normally, do you want to force "
              "close them?",
              question.text);
    EXPECT_EQ("Force close", question.caption);
    EXPECT_EQ(static_cast<UINT>(MB_YESNO), question.type);
    EXPECT_EQ(dialog.m_hWnd, question.owner);
    const bool yes = GetParam() == IDYES;
    EXPECT_EQ(yes, ignores.HasExited(yes ? 5000 : 200));
    EXPECT_TRUE(::IsWindow(own.Handle()));
    const std::vector<DWORD> sleeps =
        yes ? std::vector<DWORD>{1000, 200, 200, 200, 50} : std::vector<DWORD>{1000};
    EXPECT_EQ(sleeps, interaction.m_sleeps);
    EXPECT_EQ(
        dialog.m_windowHandles.end(),
        std::find(dialog.m_windowHandles.begin(), dialog.m_windowHandles.end(), closes.Handle()));
}

INSTANTIATE_TEST_SUITE_P(WindowProcessing, WindowProcessingEndProcess,
                         ::testing::Values(IDYES, IDNO));

TEST_F(WindowProcessing, EndProcessGivesUpOnAHungWindowAndCanTerminateIt) {
    CForeignProcess hung("hang", "Ends hung");
    ASSERT_TRUE(hung.Handle());
    Select({hung.Handle()});
    interaction.m_messageBoxAnswers.push_back(IDYES);
    const DWORD start = ::GetTickCount();
    Click(IDC_ENDPROCESS);
    EXPECT_LT(::GetTickCount() - start, 10000u);
    ASSERT_EQ(1u, interaction.m_messageBoxes.size());
    EXPECT_EQ("There are 1 of 1 windows that could not be close normally, do you want to force "
              "close them?",
              interaction.m_messageBoxes[0].text);
    EXPECT_TRUE(hung.HasExited(5000));
}

} // namespace
