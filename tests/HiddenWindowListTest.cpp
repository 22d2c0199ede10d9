#include "processing/HiddenWindowFile.h"
#include "processing/HiddenWindowList.h"
#include "processing/HiddenWindowListener.h"
#include "platform/WindowCalls.h"
#include "tests/TestSupport.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using Handles = std::vector<HWND>;
using List = CHiddenWindowList;
using Order = List::Order;

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
    const std::tuple<const char*, std::function<void(List&)>, Handles, Handles> routes[] = {
        {"entry 1", [](List& l) { l.ShowAt(1); }, {B}, {A, C}},
        {"entry beyond", [](List& l) { l.ShowAt(3); }, {}, {A, B, C}},
        {"entry 0 of all, parked meanwhile",
         [](List& l) {
             l.ShowAll({C, O});
             l.Add(O);
             l.ShowAt(0);
             EXPECT_EQ((Handles{O}), l.Shown());
             l.ShowOwn();
             EXPECT_EQ((Handles{A, B, O}), l.Shown());
             l.ShowAt(2);
         },
         {C, O},
         {A, B}},
        {"by window", [](List& l) { l.Show(B); }, {B}, {A, C}},
        {"by window from all",
         [](List& l) {
             l.ShowAll({C, O});
             l.Show(C);
             EXPECT_EQ((Handles{O}), l.Shown());
         },
         {C},
         {A, B}},
        {"not listed", [](List& l) { l.Show(O); }, {}, {A, B, C}},
        {"last first", [](List& l) { l.ShowEvery(Order::LastToFirst); }, {C, B, A}, {}},
        {"first first", [](List& l) { l.ShowEvery(Order::FirstToLast); }, {A, B, C}, {}}};
    for (const auto& [route, act, shown, remaining] : routes) {
        CHiddenWindowList list(path, PlatformQuirks::OfThisSystem());
        list.SetListener(this);
        for (HWND window : {A, B, C}) {
            list.Hide(CWindowCalls(window));
        }
        EXPECT_EQ((Handles{A, B, C}), InFile());
        left.clear();
        act(list);
        EXPECT_EQ(shown, left) << route;
        EXPECT_EQ(remaining, list.Windows()) << route;
        EXPECT_EQ(remaining, InFile()) << route;
        EXPECT_EQ(!remaining.empty(), FileExists(path)) << route;
    }
}

// One by one, each window is on disk before it hides; a batch is on disk whole before the first
// window of it hides, and written only then.
TEST_F(HiddenWindowList, HideRecordsFirstABatchOnceAndAStartTakesBackWhatIsStillHiddenAsItWas) {
    CForeignWindow kept("Kept"), shown("Shown"), gone("Gone");
    const Handles windows = {kept.Handle(), shown.Handle(), gone.Handle()};
    // The file as each window found it when hidden, taken away then: only a write after
    // that brings it back.
    std::vector<Handles> seen;
    for (CForeignWindow* window : {&kept, &shown, &gone}) {
        window->m_onHide = [&] {
            seen.push_back(InFile());
            ::DeleteFileA(path.c_str());
        };
    }
    const std::vector<Handles> oneByOne = {{windows[0]}, {windows[0], windows[1]}, windows},
                               batch = {windows, {}, {}};
    for (const std::vector<Handles>& expected : {oneByOne, batch}) {
        for (HWND window : windows) {
            ::ShowWindow(window, SW_SHOWNOACTIVATE);
        }
        seen.clear();
        CHiddenWindowList list(path, PlatformQuirks::OfThisSystem());
        for (HWND window : expected == batch ? Handles{} : windows) {
            list.Hide(CWindowCalls(window));
        }
        if (expected == batch) {
            list.HideEvery(windows);
        }
        EXPECT_EQ(expected, seen);
        EXPECT_FALSE(FileExists(path));
    }
    const std::string file =
        FormatHiddenWindows({HiddenWindowEntry::Of(windows[0]), HiddenWindowEntry::Of(windows[1]),
                             HiddenWindowEntry::Of(windows[2])});
    ::ShowWindow(shown.Handle(), SW_SHOWNOACTIVATE);
    ::DestroyWindow(gone.Handle());
    const DWORD self = ::GetCurrentProcessId();
    WriteFileAtomically(path,
                        file + "junk\r\n" +
                            FormatHiddenWindows({{kept.Handle(), self + 4, "PanewardenTestForeign"},
                                                 {kept.Handle(), self, "Edit"}}));
    CHiddenWindowList started(path, PlatformQuirks::OfThisSystem());
    started.Load();
    EXPECT_EQ(Handles{kept.Handle()}, started.Windows());
    EXPECT_EQ(FormatHiddenWindows({HiddenWindowEntry::Of(kept.Handle())}), ReadFileBytes(path));
}

} // namespace
