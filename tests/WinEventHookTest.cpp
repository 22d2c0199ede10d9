#include "platform/WinEventHook.h"
#include "tests/TestSupport.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

constexpr UINT kTick = WM_APP + 1;

// Under Wine only events raised by another program reach the hook: the two processes raise them.
class WinEventHook : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        s_matters = new CForeignProcess("Matters");
        s_other = new CForeignProcess("Other", CloseMode::Closes, StackMode::Refuses);
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
    static CForeignProcess* s_other; // refuses to be hidden or restacked
    HWND m_window;
    std::unique_ptr<CWinEventHook> m_hook;
};
CForeignProcess* WinEventHook::s_matters = nullptr;
CForeignProcess* WinEventHook::s_other = nullptr;

TEST_F(WinEventHook, PostsOneMessageForEventsOfWindowsThatMatter) {
    struct Row {
        const CForeignProcess* from; // null: this process
        DWORD event;
        UINT count;
        LONG object, child;
        bool tickRanBefore;
        int ticks;
    };
    ASSERT_TRUE(s_matters->Handle() && s_other->Handle());
    const Row rows[] = {
        {s_matters, EVENT_SYSTEM_FOREGROUND, 1, OBJID_WINDOW, CHILDID_SELF, true, 1},
        {s_matters, EVENT_SYSTEM_MINIMIZEEND, 1, OBJID_WINDOW, CHILDID_SELF, true, 1},
        {s_matters, 0x8017 /* cloaked */, 1, OBJID_WINDOW, CHILDID_SELF, true, 1},
        {s_matters, 0x8018 /* uncloaked */, 1, OBJID_WINDOW, CHILDID_SELF, true, 1},
        {s_other, EVENT_SYSTEM_FOREGROUND, 1, OBJID_WINDOW, CHILDID_SELF, true, 0},
        {s_other, EVENT_OBJECT_LOCATIONCHANGE, 1, OBJID_WINDOW, CHILDID_SELF, true, 0},
        {s_matters, EVENT_OBJECT_LOCATIONCHANGE, 1, OBJID_CARET, CHILDID_SELF, true, 0},
        {s_matters, EVENT_OBJECT_LOCATIONCHANGE, 1, OBJID_WINDOW, 1, true, 0},
        {s_matters, EVENT_OBJECT_NAMECHANGE, 1, OBJID_WINDOW, CHILDID_SELF, true, 0},
        {nullptr, EVENT_SYSTEM_FOREGROUND, 1, OBJID_WINDOW, CHILDID_SELF, true, 0},
        {s_matters, EVENT_OBJECT_LOCATIONCHANGE, 200, OBJID_WINDOW, CHILDID_SELF, true, 1},
        {s_matters, EVENT_OBJECT_LOCATIONCHANGE, 1, OBJID_WINDOW, CHILDID_SELF, false, 0},
        {s_matters, EVENT_OBJECT_LOCATIONCHANGE, 1, OBJID_WINDOW, CHILDID_SELF, true, 1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(&row - rows);
        if (row.tickRanBefore) {
            m_hook->TickRan();
        }
        for (UINT i = 0; !row.from && i < row.count; ++i) {
            ::NotifyWinEvent(row.event, s_matters->Handle(), row.object, row.child);
        }
        if (row.from) {
            row.from->RaiseEvents(row.event, row.count, row.object, row.child);
        }
        // The hook's messages, taken from the queue before anything else would handle them.
        int ticks = 0;
        for (MSG msg; ::PeekMessageA(&msg, m_window, kTick, kTick, PM_REMOVE);) {
            ++ticks;
        }
        EXPECT_EQ(ticks, row.ticks);
    }
}

// A hide or a topmost place asked of a window that refuses leaves it as it was.
TEST_F(WinEventHook, RefusingWindowStaysShownAndUnstacked) {
    for (const CForeignProcess* process : {s_matters, s_other}) {
        const HWND window = process->Handle();
        ::ShowWindow(window, SW_HIDE);
        ::SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        const bool refuses = process == s_other;
        EXPECT_EQ(::IsWindowVisible(window) != FALSE, refuses);
        EXPECT_EQ((::GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST) == 0, refuses);
        ::SetWindowPos(window, HWND_NOTOPMOST, 0, 0, 0, 0,
                       SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        ::ShowWindow(window, SW_SHOWNOACTIVATE);
    }
}

} // namespace
