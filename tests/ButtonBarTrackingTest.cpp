#include "tests/BarFixture.h"

#include <functional>

namespace {

HWND g_watched = nullptr;
int g_positionChanges = 0;

LRESULT CALLBACK CountPositionChanges(int code, WPARAM wParam, LPARAM lParam) {
    const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && call->hwnd == g_watched && call->message == WM_WINDOWPOSCHANGING) {
        ++g_positionChanges;
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

// The window timer is off: only the test ticks, so it decides what changes between ticks.
class ButtonBarTracking : public BarFixture {
protected:
    void SetUp() override { Start("Windows Standard\r\nFALSE\r\n500\r\nFALSE\r\n10\r\n"); }

    // Every move and restack asks first with WM_WINDOWPOSCHANGING.
    int TickCountingPositionChanges() {
        g_watched = bar->m_hWnd;
        g_positionChanges = 0;
        HHOOK hook = ::SetWindowsHookExA(WH_CALLWNDPROC, &CountPositionChanges, nullptr,
                                         ::GetCurrentThreadId());
        Tick();
        ::UnhookWindowsHookEx(hook);
        return g_positionChanges;
    }

    void ExpectRidingOn(HWND target) const {
        EXPECT_EQ(target, bar->m_pTarget);
        EXPECT_TRUE(SameRect(ExpectedBarRect(target), WindowRect(bar->m_hWnd)));
        EXPECT_TRUE(IsTopmost(bar->m_hWnd));
        EXPECT_TRUE(IsAbove(bar->m_hWnd, target));
    }
    void DisplaceBar() const { ::MoveWindow(bar->m_hWnd, 5, 5, 40, 20, TRUE); }
};

TEST_F(ButtonBarTracking, RidesOnTheWindowInFrontAndFollowsEveryChangeOfItsRectangle) {
    CForeignWindow target("Target", {200, 150, 700, 450});
    target.BringToFront();
    PumpMessages(150);
    EXPECT_TRUE(IsCollapsed(bar->m_hWnd)) << "the switched-off timer never ticks";
    Tick();
    ExpectRidingOn(target.Handle());

    const std::pair<RECT, bool> changes[] = {
        {{200, 151, 700, 451}, true},  // one pixel down
        {{200, 151, 701, 451}, true},  // one pixel wider
        {{200, 151, 701, 452}, false}, // one pixel taller: the caption stays where it was
    };
    for (const auto& [r, barMoves] : changes) {
        ::MoveWindow(target.Handle(), r.left, r.top, r.right - r.left, r.bottom - r.top, TRUE);
        EXPECT_EQ(barMoves, TickCountingPositionChanges() > 0);
        ExpectRidingOn(target.Handle());
    }
    DisplaceBar();
    Tick();
    ExpectRidingOn(target.Handle());

    // A topmost window that came later, or the bar losing its own topmost style: restacked.
    CForeignWindow later("Later", {10, 10, 200, 200}, WS_EX_TOPMOST);
    ::ShowWindow(later.Handle(), SW_SHOWNOACTIVATE);
    ASSERT_TRUE(IsAbove(later.Handle(), bar->m_hWnd));
    Tick();
    EXPECT_TRUE(IsAbove(bar->m_hWnd, later.Handle()));
    ExpectRidingOn(target.Handle());
    ::SetWindowPos(bar->m_hWnd, HWND_NOTOPMOST, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    Tick();
    ExpectRidingOn(target.Handle());

    // Back from the bar to the same target at the same place: restacked all the same.
    ASSERT_TRUE(::SetForegroundWindow(bar->m_hWnd));
    Tick();
    target.BringToFront();
    EXPECT_GT(TickCountingPositionChanges(), 0);

    CForeignWindow other("Other", {50, 60, 450, 360});
    RideOn(other);
    ExpectRidingOn(other.Handle());
}

TEST_F(ButtonBarTracking, TickOverAnUnchangedSceneMakesNoMoveAndNoRestack) {
    CForeignWindow target("Target");
    const std::pair<const char*, std::function<void()>> scenes[] = {
        {"still target", [] {}},
        // It owns the dialog, which the platform keeps above it.
        {"own dialog shown", [&] { bar->m_pProcessingDlg->ShowWindow(SW_SHOWNOACTIVATE); }},
        {"bar in front", [&] { ASSERT_TRUE(::SetForegroundWindow(bar->m_hWnd)); }},
        {"desktop in front",
         [&] {
             ::SetForegroundWindow(::GetDesktopWindow());
             ASSERT_TRUE(PumpUntil([] { return ::GetForegroundWindow() == ::GetDesktopWindow(); }));
         }},
    };
    for (const auto& [name, setUp] : scenes) {
        SCOPED_TRACE(name);
        bar->m_pProcessingDlg->ShowWindow(SW_HIDE);
        RideOn(target);
        ASSERT_NO_FATAL_FAILURE(setUp());
        Tick();
        EXPECT_EQ(0, TickCountingPositionChanges());
    }
}

TEST_F(ButtonBarTracking, ShellWindowsInFrontCollapseTheBarAndClearTheTarget) {
    CWindowOfClass progman("Progman"); // Wine has none
    for (HWND shell :
         {::GetDesktopWindow(), ::FindWindowA("Shell_TrayWnd", nullptr), progman.m_hWnd}) {
        CForeignWindow target("Target");
        RideOn(target);
        ::ShowWindow(shell, SW_SHOW);
        ::SetForegroundWindow(shell);
        ASSERT_TRUE(PumpUntil([&] { return ::GetForegroundWindow() == shell; }));
        Tick();
        EXPECT_EQ(nullptr, bar->m_pTarget);
        DisplaceBar();
        Tick();
        EXPECT_TRUE(IsCollapsed(bar->m_hWnd));
    }
}

TEST_F(ButtonBarTracking, FacesFollowTheStylesOfANewTargetOnlyEvenAtTheSamePlace) {
    const RECT place = {100, 100, 400, 300};
    auto topmost = std::make_unique<CForeignWindow>("Topmost", place, WS_EX_TOPMOST);
    RideOn(*topmost);
    EXPECT_EQ(1, bar->m_btnTopmost.GetState());
    EXPECT_EQ(0, bar->m_btnTransparency.GetState());
    // Same target: a face the user flipped stays as it is.
    bar->m_btnTopmost.SetState(0);
    Tick();
    EXPECT_EQ(0, bar->m_btnTopmost.GetState());

    // Destroyed between two ticks; the next window in front sits where it sat.
    bar->m_btnTopmost.SetState(1);
    topmost.reset();
    CForeignWindow layered("Layered", place, WS_EX_LAYERED);
    ::SetLayeredWindowAttributes(layered.Handle(), 0, 255, LWA_ALPHA);
    RideOn(layered);
    EXPECT_EQ(0, bar->m_btnTopmost.GetState());
    EXPECT_EQ(1, bar->m_btnTransparency.GetState());
}

// A real click in the middle of a window: the platform decides where it lands.
void ClickInto(HWND window, DWORD down = MOUSEEVENTF_LEFTDOWN, DWORD up = MOUSEEVENTF_LEFTUP) {
    const RECT rect = WindowRect(window);
    ::SetCursorPos((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
    INPUT inputs[2] = {{INPUT_MOUSE, {{0, 0, 0, down, 0, 0}}},
                       {INPUT_MOUSE, {{0, 0, 0, up, 0, 0}}}};
    ::SendInput(2, inputs, sizeof(INPUT));
}

// Under Wine a window of another program that has come to the front, or been activated or
// restyled, draws over the bar until the bar is restacked after it.
TEST_F(ButtonBarTracking, IsSeenOnTheWindowsOfOtherProgramsAfterEachChangeAndAction) {
    Start("Windows Standard\r\nFALSE\r\n500\r\nTRUE\r\n10\r\n"); // the window timer runs
    CForeignProcess first("plain", "First program"), second("plain", "Second program");
    ASSERT_TRUE(first.Handle() && second.Handle());
    const auto toFront = [&](HWND window) {
        ::SetForegroundWindow(window);
        ASSERT_TRUE(
            PumpUntil([&] { return SameRect(ExpectedBarRect(window), WindowRect(bar->m_hWnd)); }));
    };
    const std::pair<const char*, std::function<void()>> steps[] = {
        {"first program in front", [&] { toFront(first.Handle()); }},
        {"second program in front", [&] { toFront(second.Handle()); }},
        {"T clicked", [&] { ClickInto(bar->m_btnTransparency.m_hWnd); }},
        {"back into the window after T", [&] { ClickInto(second.Handle()); }},
        {"a level chosen from the menu",
         [&] {
             interaction.m_menuChoices = {ID_TRANSPARENCY_50};
             ClickInto(bar->m_btnHide.m_hWnd, MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP);
         }},
        {"A clicked", [&] { ClickInto(bar->m_btnTopmost.m_hWnd); }},
        {"back into the window after A", [&] { ClickInto(second.Handle()); }},
    };
    for (const auto& [name, step] : steps) {
        ASSERT_NO_FATAL_FAILURE(step());
        PumpMessages(300);
        const RECT face = WindowRect(bar->m_btnHide.m_hWnd);
        EXPECT_EQ(0, Differences(nullptr, {face.left, face.top, face.left + 8, face.bottom},
                                 "gfx\\Windows Standard\\H-UP.BMP", CLR_INVALID))
            << name;
    }
    EXPECT_TRUE(IsTopmost(second.Handle()));
    EXPECT_EQ(127, LayeredAlpha(second.Handle()));
}

} // namespace
