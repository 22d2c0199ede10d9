// The window-timer tick: where it puts the bar, and that it touches the bar only when the
// scene asks for it.
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

    // Every move and restack asks the bar first with WM_WINDOWPOSCHANGING.
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

    // Moves the bar behind the program's back.
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
        {{201, 150, 701, 450}, true},  // one pixel right
        {{201, 151, 701, 451}, true},  // one pixel down
        {{201, 151, 702, 451}, true},  // one pixel wider
        {{201, 151, 702, 452}, false}, // one pixel taller: the caption stays where it was
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
    EXPECT_TRUE(IsAbove(bar->m_hWnd, later.Handle()));
    ExpectRidingOn(target.Handle());

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
        const RECT placed = WindowRect(bar->m_hWnd);
        const HWND targetBefore = bar->m_pTarget;
        EXPECT_EQ(0, TickCountingPositionChanges());
        EXPECT_TRUE(SameRect(placed, WindowRect(bar->m_hWnd)));
        EXPECT_EQ(targetBefore, bar->m_pTarget);
    }
}

TEST_F(ButtonBarTracking, ShellWindowsInFrontCollapseTheBarAndClearTheTarget) {
    // Wine has no desktop shell window: the test brings its own.
    CWindowOfClass progman("Progman");
    ASSERT_EQ(progman.m_hWnd, ::FindWindowA("Progman", nullptr));
    HWND taskbar = ::FindWindowA("Shell_TrayWnd", nullptr);
    ASSERT_NE(nullptr, taskbar);
    for (HWND shell : {::GetDesktopWindow(), taskbar, progman.m_hWnd}) {
        CForeignWindow target("Target");
        RideOn(target);
        ::ShowWindow(shell, SW_SHOW);
        ::SetForegroundWindow(shell);
        ASSERT_TRUE(PumpUntil([&] { return ::GetForegroundWindow() == shell; }));
        Tick();
        EXPECT_TRUE(IsCollapsed(bar->m_hWnd));
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
    ExpectRidingOn(layered.Handle());
    EXPECT_EQ(0, bar->m_btnTopmost.GetState());
    // Every NT from 5.0 on, Wine's 6.1 included, offers transparency.
    EXPECT_EQ(1, bar->m_btnTransparency.GetState());
}

TEST_F(ButtonBarTracking, SetWindowTopmostMovesAWindowBetweenBandsKeepingItsRectangle) {
    CForeignWindow window("Window", {120, 130, 520, 430});
    window.BringToFront();
    const RECT before = WindowRect(window.Handle());
    const std::pair<int, bool> modes[] = {{1, true}, {2, true}, {0, false}};
    for (const auto& [mode, topmost] : modes) {
        bar->SetWindowTopmost(mode, window.Handle());
        EXPECT_EQ(topmost, IsTopmost(window.Handle())) << mode;
    }
    EXPECT_TRUE(SameRect(before, WindowRect(window.Handle())));
}

} // namespace
