// The bar on real windows: its place, its stacking, what it shows, and the pop-up with it.
#include "tests/BarFixture.h"
#include "windows/BarPlacement.h"
#include "windows/Topmost.h"
#include "windows/TransparencyDlg.h"

#include <sstream>

namespace {

constexpr int kPeriod = 10; // the window timer's in kTimerOff, in which the quiet ticks count

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
    // By period, ms since the change: looks, checks the stack, restacks again.
    const std::pair<int, std::string> rows[] = {
        {10, "0:110 50:111 150:111 400:111 410:110 500:110 510:000 550:100 600:110 1000:111 "
             "2500:100 3000:111 3040:000 3050:100 3990:000 4000:110 8000:111 10010:000 "},
        {1000, "0:110 1000:111 2000:110 3000:111 7000:110 8000:111 51000:110 "}};
    for (const auto& [period, expected] : rows) {
        std::istringstream times(expected);
        std::ostringstream found;
        for (int ms = 0; times >> ms; times.ignore(8, ' ')) {
            QuietTicks quiet(period);
            quiet.Advance(); // from an earlier change
            quiet.Reset();
            for (int tick = 0; tick < ms / period; ++tick) {
                quiet.Advance();
            }
            found << ms << ":" << quiet.Looks() << quiet.ChecksStack() << quiet.RestacksAgain()
                  << " ";
        }
        EXPECT_EQ(expected, found.str()) << period << " ms";
    }
}

// The restacks of this thread's windows, as they are told of them.
int g_restacks = 0;
LRESULT CALLBACK CountRestacks(int code, WPARAM wParam, LPARAM lParam) {
    const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
    g_restacks += call->message == WM_WINDOWPOSCHANGING &&
                  !(reinterpret_cast<const WINDOWPOS*>(call->lParam)->flags & SWP_NOZORDER);
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

// A pause as an act, the messages handled meanwhile.
const auto Wait = [](DWORD milliseconds) { return [=] { PumpMessages(milliseconds); }; };
const UINT kKeep = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;
// Shown and in front; another program restacks its window as it comes there, a moment later.
std::function<void()> InFront(HWND window) {
    return [window] {
        ::ShowWindow(window, SW_SHOW);
        ::SetForegroundWindow(window);
        PumpUntil([&] { return ::GetForegroundWindow() == window && LeadsItsBand(window); });
    };
}

// What a tick does, from one scene: Target with the bar on it, Other (topmost, transparent) behind.
TEST_F(Tracking, EachTickHasItsWholeEffectAndNoOther) {
    CForeignWindow other("Other", {300, 250, 600, 450}, WS_EX_TOPMOST | WS_EX_LAYERED);
    std::unique_ptr<CForeignWindow> progman; // Wine has none: its row makes the shell's anew
    CForeignWindow browser("Browser", {100, 100, 400, 300}, 0, "IEFrame");
    CForeignWindow cloaked("Cloaked", {250, 200, 650, 400}); // shown only in its row
    g_cloakedWindow = cloaked.Handle();
    ::SetLayeredWindowAttributes(other.Handle(), 0, 100, LWA_ALPHA);
    const auto tick = [&] { Tick(); };
    const auto at120Dpi = [&] { MoveToDpi(120); };
    const auto targetTo = [&](int x, int y) {
        return [&, x, y] { ::MoveWindow(target.Handle(), x, y, 500, 300, TRUE); };
    };
    const auto doubleClickT = [&] {
        ButtonOf(*bar, IDC_TRANSPARENCY).SendMessage(WM_LBUTTONDBLCLK, 0, MAKELPARAM(3, 3));
    };
    const auto newShell = [&] {
        progman =
            std::make_unique<CForeignWindow>("Program Manager", RECT{0, 0, 300, 200}, 0, "Progman");
        InFront(progman->Handle())();
    };
    const auto settledUnmoved = [&] {
        g_restacks = 0;
        const HHOOK hook =
            ::SetWindowsHookExA(WH_CALLWNDPROC, &CountRestacks, nullptr, ::GetCurrentThreadId());
        Ticks(5 * QuietTicks::kStackMs / kPeriod);
        ::UnhookWindowsHookEx(hook);
        EXPECT_EQ(0, g_restacks);
    };
    const std::string collapsed = "bar=collapsed target=- foreground=-";
    camera.Name("Cloaked", cloaked.Handle());
    camera.Name("Target", target.Handle());
    camera.Name("Other", other.Handle());
    const std::vector<Row> rows = {
        {"another window in front", InFront(other.Handle()), tick,
         "bar=at,479:255,63x15 target=Other A=down T=down stack=bar,Other,Target"},
        {"the target moved", targetTo(210, 160), tick, "bar=at,589:165,63x15"},
        {"collapsed, a monitor of 120 DPI", Then(InFront(::GetDesktopWindow()), tick), at120Dpi,
         "H=up-125 A=up-125 T=up-125"},
        {"a monitor of 120 DPI, then a tick", [] {}, Then(at120Dpi, tick),
         "bar=at,573:165,79x19 H=up-125 A=up-125 T=up-125"},
        {"the taskbar in front", InFront(::FindWindowA("Shell_TrayWnd", nullptr)), tick, collapsed},
        {"the shell's desktop, made while the program runs, in front", newShell, tick, collapsed},
        {"a cloaked window in front", InFront(cloaked.Handle()), tick,
         "bar=collapsed target=- foreground=Cloaked"},
        {"the bar in front", [&] { InFront(bar->m_hWnd)(); }, tick, "foreground=bar"},
        // Under Wine a window hidden in front may stay the foreground window.
        {"the target hidden, still in front",
         [&] {
             ::SetWindowPos(target.Handle(), nullptr, 0, 0, 0, 0,
                            kKeep | SWP_HIDEWINDOW | SWP_NOZORDER);
         },
         tick, "bar=collapsed target=-"},
        {"the pop-up in front", doubleClickT, tick, ""},
        {"the pop-up opened, a click back into the target, which then moved",
         Then(doubleClickT, InFront(target.Handle()), targetTo(230, 170)), tick,
         "bar=at,609:175,63x15 pop-up.rect=609:175,177x64"},
        // Settled, the bar on top is left alone, yet still comes above a topmost window.
        {"settled, then a topmost window above the bar",
         [&] { Ticks(QuietTicks::kRestackMs[std::size(QuietTicks::kRestackMs) - 1] / kPeriod); },
         Then(
             settledUnmoved,
             [&] { ::SetWindowPos(other.Handle(), HWND_TOPMOST, 0, 0, 0, 0, kKeep); },
             [&] { Ticks(QuietTicks::kStackMs / kPeriod); }),
         "stack=bar,Other,Target"},
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
            ::ShowWindow(cloaked.Handle(), SW_HIDE);
            ::ShowWindow(other.Handle(), SW_SHOWNOACTIVATE);
            RideOn(target.Handle());
        },
        BothQuirks());
}

// Events of a window that matters run the tick at once, a burst once or a few times.
TEST_F(Tracking, FollowsTheSystemsEventsAtOnceAndCoalescesThem) {
    CForeignProcess helper("Helper"), behind("Behind");
    const HWND window = helper.Handle();
    ASSERT_TRUE(window && behind.Handle());
    const auto moved = [](const CForeignProcess& process, int x, UINT events = 1) {
        return [&process, x, events] {
            ::MoveWindow(process.Handle(), x, 180, 400, 300, TRUE);
            process.RaiseEvents(EVENT_OBJECT_LOCATIONCHANGE, events);
        };
    };
    const auto raised = [](const CForeignProcess& process, DWORD event, LONG object = OBJID_WINDOW,
                           LONG child = CHILDID_SELF) {
        return [&process, event, object, child] { process.RaiseEvents(event, 1, object, child); };
    };
    const auto switched = Then(InFront(window), raised(helper, EVENT_SYSTEM_FOREGROUND));
    // Started riding on a window, the timer's next tick a period away, one due dropped.
    const auto on = [&](HWND from) {
        return [&, from] {
            Start("Windows Standard\r\nFALSE\r\n500\r\nTRUE\r\n1000\r\n");
            RideOn(from);
            ::SetTimer(bar->m_hWnd, IDT_WINDOWTIMER, 1000, nullptr);
            for (MSG due; ::PeekMessageA(&due, bar->m_hWnd, WM_TIMER, WM_TIMER, PM_REMOVE);) {
            }
        };
    };
    // The act, and the ticks its events ran.
    const auto ran = [&](std::function<void()> act, int fewest, int most) {
        return [&, act, fewest, most] {
            act();
            const int ticks = PumpMessages(200, WM_APP_WINDOWEVENT);
            EXPECT_TRUE(ticks >= fewest && ticks <= most) << ticks;
        };
    };
    const std::vector<Row> rows = {
        {"a switch, its event", on(target.Handle()), ran(switched, 1, 1),
         "bar=at,479:205,63x15 target=Helper foreground=Helper stack=bar,Helper,Target,Behind"},
        {"the target moved, its event", on(window), ran(moved(helper, 210), 1, 1),
         "bar=at,489:185,63x15 Helper.rect=210:180,400x300"},
        {"the target moved, 200 events", on(window), ran(moved(helper, 220, 200), 1, 3),
         "bar=at,499:185,63x15 Helper.rect=220:180,400x300"},
        {"the target moved again, its event", Then(on(window), moved(helper, 240), Wait(100)),
         ran(moved(helper, 250), 1, 1), "bar=at,529:185,63x15 Helper.rect=250:180,400x300"},
        {"another window moved, its event", on(window), ran(moved(behind, 230), 0, 0),
         "Behind.rect=230:180,400x300"},
        {"the target's caret moved, a child renamed", on(window),
         ran(Then(raised(helper, EVENT_OBJECT_LOCATIONCHANGE, OBJID_CARET),
                  raised(helper, EVENT_OBJECT_LOCATIONCHANGE, OBJID_WINDOW, 1),
                  raised(helper, EVENT_OBJECT_NAMECHANGE)),
             0, 0),
         ""},
        {"the target uncloaked", on(window), ran(raised(helper, 0x8018), 1, 1), ""},
        {"the timer off, a switch, its event",
         Then([&] { Start(kTimerOff); }, [&] { RideOn(target.Handle()); }), ran(switched, 0, 0),
         "foreground=Helper stack=bar,Helper,Target,Behind"},
        // The new target's moves are heard as well as those of the program first in front.
        {"a switch from another program, its event, then the new target moved, its event",
         Then(InFront(behind.Handle()), on(behind.Handle()), switched, Wait(100)),
         ran(moved(helper, 260), 1, 1), "bar=at,539:185,63x15 Helper.rect=260:180,400x300"},
        {"a topmost window restored over the bar, its event", on(window),
         ran(Then([&] { ::SetWindowPos(behind.Handle(), HWND_TOPMOST, 0, 0, 0, 0, kKeep); },
                  raised(behind, EVENT_SYSTEM_MINIMIZEEND)),
             1, 1),
         "Behind.topmost=1 stack=bar,Behind,Helper,Target"},
    };
    camera.Name("Target", target.Handle());
    camera.Name("Helper", window);
    camera.Name("Behind", behind.Handle());
    RunRows(rows, [&] {
        for (const CForeignProcess* process : {&helper, &behind}) { // where they started
            ::SetWindowPos(process->Handle(), HWND_NOTOPMOST, 200, 200, 400, 300, SWP_NOACTIVATE);
        }
    }); // the ticks' own rows run both quirks' restacks
}

// A real click; each press and release carries the point, as Wine's pointer may lag behind.
void ClickAt(POINT point, UINT clicks = 1) {
    const LONG x = point.x * 65536 / ::GetSystemMetrics(SM_CXSCREEN) + 1;
    const LONG y = point.y * 65536 / ::GetSystemMetrics(SM_CYSCREEN) + 1;
    const DWORD at = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    const INPUT down = {INPUT_MOUSE, {{x, y, 0, at | MOUSEEVENTF_LEFTDOWN, 0, 0}}},
                up = {INPUT_MOUSE, {{x, y, 0, at | MOUSEEVENTF_LEFTUP, 0, 0}}};
    INPUT inputs[4] = {down, up, down, up};
    ::SendInput(2 * clicks, inputs, sizeof(INPUT));
}

// Under Wine a window that changes is drawn over the bar until the bar is restacked after it.
TEST_F(Tracking, IsSeenAndWorksOnOtherProgramsAfterEachChangeAndAction) {
    Start("Windows Standard\r\nFALSE\r\n500\r\nTRUE\r\n10\r\n"); // the window timer runs
    CForeignProcess first("First program"), second("Second program");
    const HWND other = second.Handle();
    ASSERT_TRUE(first.Handle() && other);
    const RECT h = WindowRect(ButtonOf(*bar, IDC_HIDE).m_hWnd);
    const std::vector<DWORD> hUp =
        Pixels({8, h.bottom - h.top}, nullptr, "gfx\\Windows Standard\\H-UP.BMP");
    // On the window in front, H drawn on the screen: the time allows only for a busy machine.
    const auto seen = [&](DWORD milliseconds) {
        return PumpUntil(
            [&] {
                const RECT f = WindowRect(ButtonOf(*bar, IDC_HIDE).m_hWnd);
                return bar->Tracker().Target() == ::GetForegroundWindow() &&
                       !IsCollapsed(bar->m_hWnd) &&
                       ScreenPixels({f.left, f.top, f.left + 8, f.bottom}) == hUp;
            },
            milliseconds);
    };
    const RECT r = WindowRect(other);
    const POINT corner = {r.left + 30, r.bottom - 30}; // of the window, under no dialog
    const auto click = [&](UINT button, const std::function<bool()>& done, UINT clicks = 1) {
        const RECT face = WindowRect(ButtonOf(*bar, button).m_hWnd);
        ClickAt({(face.left + face.right) / 2, (face.top + face.bottom) / 2}, clicks);
        ASSERT_TRUE(PumpUntil(done));
    };
    const std::tuple<const char*, std::function<void()>, DWORD> steps[] = {
        {"first program in front", [&] { ASSERT_TRUE(::SetForegroundWindow(first.Handle())); },
         5000},
        {"second program in front", [&] { ASSERT_TRUE(::SetForegroundWindow(other)); }, 5000},
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
    // Shown again, the window is drawn plain, not as it was before it hid.
    const COLORREF color = ::GetSysColor(COLOR_WINDOW);
    const std::vector<DWORD> plain(64, GetRValue(color) << 16 | GetGValue(color) << 8 |
                                           GetBValue(color));
    const auto drawn = [&] {
        const RECT spot = {r.left + 40, r.top + 80, r.left + 48, r.top + 88};
        return PumpUntil([&] { return ScreenPixels(spot) == plain; }, 5000);
    };
    Hotkey(IDHOT_SHOWALL);
    EXPECT_TRUE(drawn()) << "Alt+S";
    Hotkey(IDHOT_HIDEALL);
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
