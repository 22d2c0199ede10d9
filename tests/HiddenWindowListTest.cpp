#include "processing/HiddenWindowFile.h"
#include "processing/HiddenWindowList.h"
#include "processing/HiddenWindowListener.h"
#include "platform/WindowCalls.h"
#include "tests/TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

namespace {

using Handles = std::vector<HWND>;
using Order = CHiddenWindowList::Order;

class HiddenWindowList : public ::testing::Test, public CHiddenWindowListener {
protected:
    void OnHiddenWindowLeft(HWND window) override { left.push_back(window); }
    Handles InFile() const {
        Handles windows;
        for (const HiddenWindowEntry& entry : ParseHiddenWindows(ReadFileBytes(path))) {
            windows.push_back(entry.window);
        }
        return windows;
    }

    CTempFolder folder;
    const std::string path = folder.File("Paneward.hid");
    Handles left; // as the listener heard of them
};

// Handles of no window: the list's rules need none.
const HWND A = reinterpret_cast<HWND>(0xA0), B = reinterpret_cast<HWND>(0xB0),
           C = reinterpret_cast<HWND>(0xC0), O = reinterpret_cast<HWND>(0xD0);

TEST_F(HiddenWindowList, EveryRouteOutForgetsTheWindowInTheFileAndTellsTheListenerInOrder) {
    const std::tuple<const char*, std::function<void(CHiddenWindowList&)>, Handles> routes[] = {
        {"entry 1", [](CHiddenWindowList& l) { l.ShowAt(1); }, {B}},
        {"entry beyond", [](CHiddenWindowList& l) { l.ShowAt(3); }, {}},
        {"entry 0 of all, parked meanwhile",
         [](CHiddenWindowList& l) {
             l.ShowAll({C, O});
             l.Add(O);
             l.ShowAt(0);
             EXPECT_EQ((Handles{O}), l.Shown());
             l.ShowOwn();
             EXPECT_EQ((Handles{A, B, O}), l.Shown());
             l.ShowAt(2);
         },
         {C, O}},
        {"by window", [](CHiddenWindowList& l) { l.Show(B); }, {B}},
        {"not listed", [](CHiddenWindowList& l) { l.Show(O); }, {}},
        {"all, last first",
         [](CHiddenWindowList& l) { l.ShowEvery(Order::LastToFirst); },
         {C, B, A}},
        {"all, first first",
         [](CHiddenWindowList& l) { l.ShowEvery(Order::FirstToLast); },
         {A, B, C}},
    };
    for (const auto& [route, act, shown] : routes) {
        CHiddenWindowList list(path);
        list.SetListener(this);
        for (HWND window : {A, B, C}) {
            list.Hide(CWindowCalls(window));
        }
        EXPECT_EQ((Handles{A, B, C}), InFile());
        left.clear();
        act(list);
        Handles remaining = {A, B, C};
        for (HWND window : shown) {
            remaining.erase(std::remove(remaining.begin(), remaining.end(), window),
                            remaining.end());
        }
        EXPECT_EQ(shown, left) << route;
        EXPECT_EQ(remaining, list.Windows()) << route;
        EXPECT_EQ(remaining, InFile()) << route;
        EXPECT_EQ(!remaining.empty(), FileExists(path)) << route;
    }
}

WNDPROC g_foreignProc = nullptr;
std::function<void()> g_onHide;
LRESULT CALLBACK HideHook(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SHOWWINDOW && !wParam && g_onHide) {
        g_onHide();
    }
    return ::CallWindowProcA(g_foreignProc, window, message, wParam, lParam);
}

TEST_F(HiddenWindowList, HideRecordsFirstAndAStartTakesBackWhatIsStillHiddenAsItWas) {
    CForeignWindow kept("Kept"), shown("Shown"), gone("Gone");
    CHiddenWindowList list(path);
    Handles whileHiding;
    g_onHide = [&] { whileHiding = InFile(); };
    g_foreignProc = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrA(kept.Handle(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&HideHook)));
    for (const CForeignWindow* window : {&kept, &shown, &gone}) {
        ::ShowWindow(window->Handle(), SW_SHOWNOACTIVATE);
        list.Hide(CWindowCalls(window->Handle()));
    }
    g_onHide = nullptr;
    EXPECT_EQ(Handles{kept.Handle()}, whileHiding);
    ::ShowWindow(shown.Handle(), SW_SHOWNOACTIVATE);
    ::DestroyWindow(gone.Handle());
    const DWORD self = ::GetCurrentProcessId();
    WriteFileBytes(path,
                   ReadFileBytes(path) + "junk\r\n" +
                       FormatHiddenWindows({{kept.Handle(), self + 4, "PanewardenTestForeign"},
                                            {kept.Handle(), self, "Edit"}}));
    CHiddenWindowList started(path);
    started.Load();
    EXPECT_EQ(Handles{kept.Handle()}, started.Windows());
    EXPECT_EQ(FormatHiddenWindows({HiddenWindowEntry::Of(kept.Handle())}), ReadFileBytes(path));
}

} // namespace
