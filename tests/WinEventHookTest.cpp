#include "platform/WinEventHook.h"
#include "tests/TestSupport.h"

#include <gtest/gtest.h>

#include <memory>
#include <tuple>

namespace {

constexpr UINT kTick = WM_APP + 1;

// Under Wine only events raised by another program reach the hook: the two processes raise them.
class WinEventHook : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        s_matters = new CForeignProcess("Matters");
        s_other = new CForeignProcess("Other");
    }
    static void TearDownTestSuite() {
        delete s_matters;
        delete s_other;
    }
    WinEventHook() {
        m_window = ::CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr,
                                     nullptr);
        m_hook = std::make_unique<CWinEventHook>(
            m_window, kTick, [](HWND window) { return window == s_matters->Handle(); });
    }
    ~WinEventHook() override {
        m_hook.reset();
        ::DestroyWindow(m_window);
    }

    static CForeignProcess* s_matters;
    static CForeignProcess* s_other;
    HWND m_window;
    std::unique_ptr<CWinEventHook> m_hook;
};
CForeignProcess* WinEventHook::s_matters = nullptr;
CForeignProcess* WinEventHook::s_other = nullptr;

TEST_F(WinEventHook, PostsOneMessageForEventsOfWindowsThatMatter) {
    ASSERT_TRUE(s_matters->Handle() && s_other->Handle());
    // From (null: this process), event, count, object, child, whether a tick ran before; ticks.
    const CForeignProcess *M = s_matters, *O = s_other;
    const LONG W = OBJID_WINDOW, C = OBJID_CARET, S = CHILDID_SELF;
    const DWORD F = EVENT_SYSTEM_FOREGROUND, L = EVENT_OBJECT_LOCATIONCHANGE,
                N = EVENT_OBJECT_NAMECHANGE, Z = EVENT_SYSTEM_MINIMIZEEND,
                kCloaked = 0x8017; // then uncloaked
    const std::tuple<const CForeignProcess*, DWORD, UINT, LONG, LONG, bool, int> rows[] = {
        {M, F, 1, W, S, true, 1},        {M, Z, 1, W, S, true, 1},
        {M, kCloaked, 1, W, S, true, 1}, {M, kCloaked + 1, 1, W, S, true, 1},
        {O, F, 1, W, S, true, 0},        {O, L, 1, W, S, true, 0},
        {M, L, 1, C, S, true, 0},        {M, L, 1, W, 1, true, 0},
        {M, N, 1, W, S, true, 0},        {nullptr, F, 1, W, S, true, 0},
        {M, L, 200, W, S, true, 1},      {M, L, 1, W, S, false, 0},
        {M, L, 1, W, S, true, 1}};
    int row = 0;
    for (const auto& [from, event, count, object, child, tickRanBefore, expected] : rows) {
        SCOPED_TRACE(row++);
        if (tickRanBefore) {
            m_hook->TickRan();
        }
        if (from) {
            from->RaiseEvents(event, count, object, child);
        } else {
            ::NotifyWinEvent(event, s_matters->Handle(), object, child);
        }
        // The hook's messages, taken from the queue before anything else would handle them.
        int ticks = 0;
        for (MSG msg; ::PeekMessageA(&msg, m_window, kTick, kTick, PM_REMOVE);) {
            ++ticks;
        }
        EXPECT_EQ(expected, ticks);
    }
}

} // namespace
