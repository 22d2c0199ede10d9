// The bar on real windows: its place, its stacking, what it shows, and the pop-up with it.
#include "tests/BarFixture.h"
#include "platform/Handles.h"
#include "windows/BarPlacement.h"
#include "windows/Topmost.h"
#include "windows/TransparencyDlg.h"

namespace {

// The window timer's period in kTimerOff, in which the quiet ticks count.
constexpr int kPeriod = 10;
// The window timer runs at 1000 ms.
const char kTimerOn[] = "Windows Standard\r\nFALSE\r\n500\r\nTRUE\r\n1000\r\n";

class Tracking : public BarFixture {
protected:
    void SetUp() override { Start(); }

    void Ticks(int count) {
        for (int tick = 0; tick < count; ++tick) {
            Tick();
        }
    }
    CTransparencyDlg* Popup() { return bar->Actions().Transparency().Popup(); }

    CForeignWindow target{"Target", {200, 150, 700, 450}};
};

TEST(TrackingQuietTicks,
     EveryTickLooksAfterAChangeThenFewerAndTheBarRestacksAgainLessAndLessOften) {
    const struct {
        int period, ms, looks, stack, restacks;
    } rows[] = {
        {10, 0, 1, 1, 0},       {10, 50, 1, 1, 1},     {10, 150, 1, 1, 1},    {10, 400, 1, 1, 1},
        {10, 410, 1, 1, 0},     {10, 500, 1, 1, 0},    {10, 510, 0, 0, 0},    {10, 550, 1, 0, 0},
        {10, 600, 1, 1, 0},     {10, 1000, 1, 1, 1},   {10, 2500, 1, 0, 0},   {10, 3000, 1, 1, 1},
        {10, 3040, 0, 0, 0},    {10, 3050, 1, 0, 0},   {10, 3990, 0, 0, 0},   {10, 4000, 1, 1, 0},
        {10, 8000, 1, 1, 1},    {10, 10010, 0, 0, 0},  {1000, 0, 1, 1, 0},    {1000, 1000, 1, 1, 1},
        {1000, 2000, 1, 1, 0},  {1000, 3000, 1, 1, 1}, {1000, 7000, 1, 1, 0}, {1000, 8000, 1, 1, 1},
        {1000, 51000, 1, 1, 0},
    };
    for (const auto& row : rows) {
        QuietTicks quiet(row.period);
        quiet.Advance(); // from an earlier change
        quiet.Reset();
        for (int tick = 0; tick < row.ms / row.period; ++tick) {
            quiet.Advance();
        }
        EXPECT_EQ(row.looks, quiet.Looks()) << row.period << " ms, " << row.ms;
        EXPECT_EQ(row.stack, quiet.ChecksStack()) << row.period << " ms, " << row.ms;
        EXPECT_EQ(row.restacks, quiet.RestacksAgain()) << row.period << " ms, " << row.ms;
    }
}

// The bar's moves in the stack, as its thread's windows are told of them.
int g_barRestacks = 0;
HWND g_countedBar = nullptr;
LRESULT CALLBACK CountRestacks(int code, WPARAM wParam, LPARAM lParam) {
    const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (call->hwnd == g_countedBar && call->message == WM_WINDOWPOSCHANGING &&
        !(reinterpret_cast<const WINDOWPOS*>(call->lParam)->flags & SWP_NOZORDER)) {
        ++g_barRestacks;
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

// Settled and on top, the bar's stack checks find it there and move nothing.
TEST_F(Tracking, ASettledBarOnTopStaysWithoutACall) {
    for (const auto& [system, systemQuirks] : BothQuirks()) {
        SCOPED_TRACE(system);
        quirks = systemQuirks;
        Start();
        RideOn(target.Handle());
        Ticks(QuietTicks::kRestackMs[std::size(QuietTicks::kRestackMs) - 1] / kPeriod);
        g_barRestacks = 0;
        g_countedBar = bar->m_hWnd;
        const HHOOK hook =
            ::SetWindowsHookExA(WH_CALLWNDPROC, &CountRestacks, nullptr, ::GetCurrentThreadId());
        Ticks(5 * QuietTicks::kStackMs / kPeriod);
        ::UnhookWindowsHookEx(hook);
        EXPECT_EQ(0, g_barRestacks);
    }
}

// What a tick does, from one scene: Target with the bar on it, Other (topmost, transparent) behind.
TEST_F(Tracking, EachTickHasItsWholeEffectAndNoOther) {
    CForeignWindow other("Other", {300, 250, 600, 450}, WS_EX_TOPMOST | WS_EX_LAYERED);
    std::unique_ptr<CForeignWindow> progman; // Wine has none: its row makes the shell's anew
    CForeignWindow browser("Browser", {100, 100, 400, 300}, 0, "IEFrame");
    CForeignWindow cloaked("Cloaked", {250, 200, 650, 400}); // shown only in its row
    g_cloakedWindow = cloaked.Handle();
    ::SetLayeredWindowAttributes(other.Handle(), 0, 100, LWA_ALPHA);
    const auto inFront = [](HWND window) {
        return [window] {
            ::ShowWindow(window, SW_SHOW);
            ::SetForegroundWindow(window);
            PumpUntil([&] { return ::GetForegroundWindow() == window; });
        };
    };
    const std::function<void()> tick = [&] { Tick(); };
    const std::string collapsed = "bar=collapsed target=- foreground=-";
    const std::vector<Row> rows = {
        {"another window in front", inFront(other.Handle()), tick,
         "bar=at,479:255,63x15 target=Other A=down T=down stack=bar,Other,Target"},
        {"the target moved", [&] { ::MoveWindow(target.Handle(), 210, 160, 500, 300, TRUE); }, tick,
         "bar=at,589:165,63x15"},
        {"the desktop in front, then a monitor of 120 DPI", inFront(::GetDesktopWindow()),
         [&] {
             Tick();
             MoveToDpi(120);
         },
         collapsed + " H=up-125 A=up-125 T=up-125"},
        {"a monitor of 120 DPI, then a tick", [] {},
         [&] {
             MoveToDpi(120);
             Tick();
         },
         "bar=at,573:165,79x19 H=up-125 A=up-125 T=up-125"},
        {"the taskbar in front", inFront(::FindWindowA("Shell_TrayWnd", nullptr)), tick, collapsed},
        {"the shell's desktop, made while the program runs, in front",
         [&] {
             progman.reset();
             progman = std::make_unique<CForeignWindow>("Program Manager", RECT{0, 0, 300, 200}, 0,
                                                        "Progman");
             inFront(progman->Handle())();
         },
         tick, collapsed},
        {"a cloaked window in front", inFront(cloaked.Handle()), tick,
         "bar=collapsed target=- foreground=Cloaked"},
        {"the bar in front", inFront(bar->m_hWnd), tick, ""},
        // Under Wine a window hidden in front may stay the foreground window.
        {"the target hidden, still in front",
         [&] {
             ::SetWindowPos(target.Handle(), nullptr, 0, 0, 0, 0,
                            SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER |
                                SWP_NOACTIVATE);
         },
         tick, "bar=collapsed target=-"},
        {"the pop-up in front",
         [&] {
             ButtonOf(*bar, IDC_TRANSPARENCY).SendMessage(WM_LBUTTONDBLCLK, 0, MAKELPARAM(3, 3));
         },
         tick, ""},
        // Both before the next tick: the pop-up is still open.
        {"the pop-up opened, a click back into the target, which then moved",
         [&] {
             ButtonOf(*bar, IDC_TRANSPARENCY).SendMessage(WM_LBUTTONDBLCLK, 0, MAKELPARAM(3, 3));
             inFront(target.Handle())();
             ::MoveWindow(target.Handle(), 230, 170, 500, 300, TRUE);
         },
         tick, "bar=at,609:175,63x15 pop-up.rect=609:175,177x64"},
        // Settled, the bar still comes above a topmost window.
        {"settled, a topmost window above the bar",
         [&] {
             Ticks(QuietTicks::kRestackMs[std::size(QuietTicks::kRestackMs) - 1] / kPeriod);
             ::SetWindowPos(other.Handle(), HWND_TOPMOST, 0, 0, 0, 0,
                            SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
         },
         [&] { Ticks(QuietTicks::kStackMs / kPeriod); }, "stack=bar,Other,Target"},
        {"the browser's tick, the browser minimized",
         [&] { ::ShowWindow(browser.Handle(), SW_SHOWMINNOACTIVE); },
         [&] { bar->SendMessage(WM_TIMER, IDT_AUTOMAXIMIZE); }, ""},
    };
    RunRows(
        rows,
        [&] {
            ::SetWindowLongA(target.Handle(), GWL_EXSTYLE, 0); // plain after the pop-up's rows
            quirks.dpiCalls = quirks.dpiCalls.WithWindowAttribute(&CloakedAttribute);
            Start();
            camera = {};
            camera.Name("Cloaked", cloaked.Handle());
            ::ShowWindow(cloaked.Handle(), SW_HIDE);
            camera.Name("Target", target.Handle());
            camera.Name("Other", other.Handle());
            ::ShowWindow(other.Handle(), SW_SHOWNOACTIVATE);
            RideOn(target.Handle());
        },
        BothQuirks());
}

// The window timer at 1000 ms, its next tick a period away: the system's events (under Wine
// raised by the helper processes) run the tick at once, a burst of them once or a few times;
// those of a window that does not matter run none, and with the timer off none does.
TEST_F(Tracking, FollowsTheSystemsEventsAtOnceAndCoalescesThem) {
    CForeignProcess helper("Helper"), behind("Behind");
    const HWND window = helper.Handle();
    ASSERT_TRUE(window && behind.Handle());
    const auto moved = [](const CForeignProcess& process, int x, UINT events) {
        return [&process, x, events] {
            ::MoveWindow(process.Handle(), x, 180, 400, 300, TRUE);
            process.RaiseEvents(EVENT_OBJECT_LOCATIONCHANGE, events);
        };
    };
    const auto switched = [&] {
        ::SetForegroundWindow(window);
        // Its program restacks it as it comes to the front, a moment later.
        PumpUntil([&] { return ::GetForegroundWindow() == window && LeadsItsBand(window); });
        helper.RaiseEvents(EVENT_SYSTEM_FOREGROUND, 1);
    };
    // Started with the settings, riding on a window; the timer's next tick a period away, one
    // due already dropped.
    const auto on = [&](HWND from, const char* settings = kTimerOn) {
        return std::function<void()>([&, from, settings] {
            Start(settings);
            RideOn(from);
            if (bar->Tracker().Timer().Period()) {
                CWindowTimer(IDT_WINDOWTIMER).Start(bar->m_hWnd, 1000);
                for (MSG due; ::PeekMessageA(&due, bar->m_hWnd, WM_TIMER, WM_TIMER, PM_REMOVE);) {
                }
            }
        });
    };
    // The act, and the ticks its events ran.
    const auto ran = [&](std::function<void()> act, int fewest, int most) {
        return std::function<void()>([&, act, fewest, most] {
            act();
            const int ticks = PumpMessages(200, WM_APP_WINDOWEVENT);
            EXPECT_TRUE(ticks >= fewest && ticks <= most) << ticks;
        });
    };
    const std::vector<Row> rows = {
        {"a switch, its event", on(target.Handle()), ran(switched, 1, 1),
         "bar=at,479:205,63x15 target=Helper foreground=Helper stack=bar,Helper,Target,Behind"},
        {"the target moved, its event", on(window), ran(moved(helper, 210, 1), 1, 1),
         "bar=at,489:185,63x15 Helper.rect=210:180,400x300"},
        {"the target moved, 200 events", on(window), ran(moved(helper, 220, 200), 1, 3),
         "bar=at,499:185,63x15 Helper.rect=220:180,400x300"},
        {"the target moved twice, an event each", on(window),
         ran(
             [&] {
                 moved(helper, 240, 1)();
                 PumpMessages(100);
                 moved(helper, 250, 1)();
             },
             1, 1),
         "bar=at,529:185,63x15 Helper.rect=250:180,400x300"},
        {"another window moved, its event", on(window), ran(moved(behind, 230, 1), 0, 0),
         "Behind.rect=230:180,400x300"},
        {"the target's caret moved, a child renamed", on(window),
         ran(
             [&] {
                 helper.RaiseEvents(EVENT_OBJECT_LOCATIONCHANGE, 1, OBJID_CARET);
                 helper.RaiseEvents(EVENT_OBJECT_LOCATIONCHANGE, 1, OBJID_WINDOW, 1);
                 helper.RaiseEvents(EVENT_OBJECT_NAMECHANGE, 1);
             },
             0, 0),
         ""},
        {"the target restored", on(window),
         ran([&] { helper.RaiseEvents(EVENT_SYSTEM_MINIMIZEEND, 1); }, 1, 1), ""},
        {"the target uncloaked", on(window), ran([&] { helper.RaiseEvents(0x8018, 1); }, 1, 1), ""},
        {"the timer off, a switch, its event", on(target.Handle(), kTimerOff), ran(switched, 0, 0),
         "foreground=Helper stack=bar,Helper,Target,Behind"},
        // The new target's moves are heard as well as those of the program first in front.
        {"a switch from another program, then the new target moved, an event each",
         [&] {
             ::SetForegroundWindow(behind.Handle());
             PumpUntil([&] { return ::GetForegroundWindow() == behind.Handle(); });
             on(behind.Handle())();
         },
         ran(
             [&] {
                 switched();
                 PumpMessages(100);
                 moved(helper, 260, 1)();
             },
             1, 1),
         "bar=at,539:185,63x15 target=Helper foreground=Helper Helper.rect=260:180,400x300 "
         "stack=bar,Helper,Behind,Target"},
        {"a topmost window restored over the bar, its event", on(window),
         ran(
             [&] {
                 ::SetWindowPos(behind.Handle(), HWND_TOPMOST, 0, 0, 0, 0,
                                SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
                 behind.RaiseEvents(EVENT_SYSTEM_MINIMIZEEND, 1);
             },
             1, 1),
         "Behind.topmost=1 stack=bar,Behind,Helper,Target"},
    };
    RunRows(rows, [&] {
        for (const CForeignProcess* process : {&helper, &behind}) { // where they started
            ::SetWindowPos(process->Handle(), HWND_NOTOPMOST, 200, 200, 400, 300, SWP_NOACTIVATE);
        }
        camera = {};
        camera.Name("Target", target.Handle());
        camera.Name("Helper", window);
        camera.Name("Behind", behind.Handle());
    }); // the ticks' own rows run both quirks' restacks
}

// A real click on a point of the screen: the platform decides where it lands. Every press
// and release carries the point: under Wine the X pointer need not follow synthetic input,
// and a window mapped or restacked under it puts the cursor back where it is.
void ClickAt(POINT point, UINT clicks = 1) {
    const LONG x = point.x * 65536 / ::GetSystemMetrics(SM_CXSCREEN) + 1;
    const LONG y = point.y * 65536 / ::GetSystemMetrics(SM_CYSCREEN) + 1;
    const DWORD at = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    const INPUT down = {INPUT_MOUSE, {{x, y, 0, at | MOUSEEVENTF_LEFTDOWN, 0, 0}}},
                up = {INPUT_MOUSE, {{x, y, 0, at | MOUSEEVENTF_LEFTUP, 0, 0}}};
    INPUT inputs[4] = {down, up, down, up};
    ::SendInput(2 * clicks, inputs, sizeof(INPUT));
}

// Under Wine a window of another program that comes to the front, is clicked into, activated
// or restyled is drawn over the bar until the bar is restacked after it, and a window that
// was transparent may be drawn as it was before it hid. Each time the bar is seen again and
// works, and a dialog asked for again comes to the front.
TEST_F(Tracking, IsSeenAndWorksOnOtherProgramsAfterEachChangeAndAction) {
    Start("Windows Standard\r\nFALSE\r\n500\r\nTRUE\r\n10\r\n"); // the window timer runs
    CForeignProcess first("First program"), second("Second program");
    const HWND other = second.Handle();
    ASSERT_TRUE(first.Handle() && other);
    const auto placedOn = [&](HWND window) {
        return PumpUntil(
            [&] { return bar->Tracker().Target() == window && !IsCollapsed(bar->m_hWnd); });
    };
    // A bar left under the window stays there: the time allows only for a busy machine.
    const auto seen = [&](DWORD milliseconds) {
        return PumpUntil(
            [&] {
                const RECT face = WindowRect(ButtonOf(*bar, IDC_HIDE).m_hWnd);
                return ScreenPixels({face.left, face.top, face.left + 8, face.bottom}) ==
                       Pixels({8, face.bottom - face.top}, nullptr,
                              "gfx\\Windows Standard\\H-UP.BMP");
            },
            milliseconds);
    };
    const RECT r = WindowRect(other);
    const POINT corner = {r.left + 30, r.bottom - 30}; // of the window, under no dialog
    const auto click = [&](UINT button, const std::function<bool()>& done, UINT clicks = 1) {
        ASSERT_TRUE(placedOn(other));
        const RECT face = WindowRect(ButtonOf(*bar, button).m_hWnd);
        ClickAt({(face.left + face.right) / 2, (face.top + face.bottom) / 2}, clicks);
        ASSERT_TRUE(PumpUntil(done));
    };
    const auto toFront = [&](HWND window) {
        return [&, window] { ASSERT_TRUE(::SetForegroundWindow(window) && placedOn(window)); };
    };
    const std::tuple<const char*, std::function<void()>, DWORD> steps[] = {
        {"first program in front", toFront(first.Handle()), 5000},
        {"second program in front", toFront(other), 5000},
        // T double-clicked opens the pop-up; a click into the window closes it.
        {"after the pop-up",
         [&] {
             ASSERT_NO_FATAL_FAILURE(click(
                 IDC_TRANSPARENCY, [&] { return Popup() && Popup()->IsShown(); }, 2));
             PumpMessages(300);
             ASSERT_TRUE(Popup()->IsShown()) << "stays open while in front";
             ClickAt(corner);
             ASSERT_TRUE(PumpUntil([&] { return ::GetForegroundWindow() == other; }));
             EXPECT_TRUE(PumpUntil([&] { return !::IsWindowVisible(Popup()->m_hWnd); }, 1000));
         },
         1000},
        {"T clicked", [&] { click(IDC_TRANSPARENCY, [&] { return LayeredAlpha(other) == -1; }); },
         5000},
        {"A clicked", [&] { click(IDC_TOPMOST, [&] { return IsTopmost(other); }); }, 5000},
        {"T clicked again",
         [&] { click(IDC_TRANSPARENCY, [&] { return LayeredAlpha(other) == 200; }); }, 5000},
    };
    for (const auto& [name, step, within] : steps) {
        SCOPED_TRACE(name);
        ASSERT_NO_FATAL_FAILURE(step());
        PumpMessages(300);
        EXPECT_TRUE(seen(within));
    }
    ::ShowWindow(first.Handle(), SW_HIDE); // at the same place as the other
    ASSERT_NO_FATAL_FAILURE(click(IDC_HIDE, [&] { return !::IsWindowVisible(other); }));
    const COLORREF window = ::GetSysColor(COLOR_WINDOW);
    const DWORD background = GetRValue(window) << 16 | GetGValue(window) << 8 | GetBValue(window);
    const auto drawn = [&] {
        return PumpUntil(
            [&] {
                return ScreenPixels({r.left + 40, r.top + 80, r.left + 48, r.top + 88}) ==
                       std::vector<DWORD>(64, background);
            },
            5000);
    };
    bar->SendMessage(WM_HOTKEY, IDHOT_SHOWALL);
    EXPECT_TRUE(drawn()) << "Alt+S";
    bar->SendMessage(WM_HOTKEY, IDHOT_HIDEALL);
    ASSERT_TRUE(PumpUntil([&] { return !::IsWindowVisible(other); }));
    const std::vector<HWND>& hidden = bar->Catalogue().Hidden();
    Command(ID_HIDDENWINDOW_FIRST +
            static_cast<WPARAM>(std::find(hidden.begin(), hidden.end(), other) - hidden.begin()));
    EXPECT_TRUE(drawn()) << "its menu entry, long after Alt+A's hide";
    const std::pair<const char*, std::function<HWND()>> dialogs[] = {
        {"window selector", [&] { return Command(ID_WINDOWSELECTOR), Dialog().m_hWnd; }},
        {"second start",
         [&] { return bar->SendMessage(CButtonBarDlg::SecondStartMessage()), Dialog().m_hWnd; }},
        {"preferences", [&] { return Command(ID_PREFERENCES), bar->PreferencesDlg()->m_hWnd; }},
    };
    for (const auto& [name, open] : dialogs) {
        const HWND dialog = open();
        PumpMessages(300);
        ClickAt(corner);
        ASSERT_TRUE(PumpUntil([&] { return ::GetForegroundWindow() == other; })) << name;
        EXPECT_TRUE(seen(1000)) << name << ": the bar, the dialog open";
        open();
        EXPECT_TRUE(PumpUntil([&] { return ::GetForegroundWindow() == dialog; }, 1000)) << name;
        ::ShowWindow(dialog, SW_HIDE);
    }
}

} // namespace
