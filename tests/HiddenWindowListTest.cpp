#include "processing/HiddenWindowFile.h"
#include "processing/HiddenWindowList.h"
#include "processing/HiddenWindowListener.h"
#include "tests/TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

namespace {

using Handles = std::vector<HWND>;

class HiddenWindowList : public ::testing::Test, public CHiddenWindowListener {
protected:
    HiddenWindowList() {
        list.SetListener(this);
        for (const CForeignWindow* window : {&a, &b, &c}) {
            ::ShowWindow(window->Handle(), SW_SHOWNOACTIVATE);
            list.Hide(window->Handle());
        }
    }
    void OnHiddenWindowLeft(HWND window) override { left.push_back(window); }
    int ShownAt(HWND window) const {
        for (const CForeignWindow* foreign : {&a, &b, &c}) {
            if (foreign->Handle() == window) {
                return ::IsWindowVisible(window) ? foreign->m_nShownAt : 0;
            }
        }
        return 0;
    }
    Handles InFile() const {
        Handles windows;
        for (const HiddenWindowEntry& entry : ParseHiddenWindows(ReadFileBytes(path))) {
            windows.push_back(entry.window);
        }
        return windows;
    }

    CTempFolder folder;
    const std::string path = folder.File("Paneward.hid");
    CHiddenWindowList list{path};
    CForeignWindow a{"First hidden"}, b{"Second hidden"}, c{"Third hidden"}, other{"Other"};
    Handles left; // as the listener heard of them
};

TEST_F(HiddenWindowList, EveryRouteOutShowsTheWindowForgetsItInTheFileAndTellsTheListener) {
    const HWND A = a.Handle(), B = b.Handle(), C = c.Handle(), O = other.Handle();
    struct Route {
        const char* name;
        std::function<void(CHiddenWindowList&)> act;
        Handles shown; // in the order they show, each leaving the list
    };
    const Route routes[] = {
        {"entry 1", [](CHiddenWindowList& l) { l.ShowAt(1); }, {B}},
        {"entry beyond", [](CHiddenWindowList& l) { l.ShowAt(3); }, {}},
        {"entry 0 of all",
         [&](CHiddenWindowList& l) {
             l.ShowAll({C, O});
             l.ShowAt(0);
             EXPECT_EQ(Handles{O}, l.Shown());
         },
         {C}},
        {"by window", [&](CHiddenWindowList& l) { l.Show(B); }, {B}},
        {"everything, last first",
         [](CHiddenWindowList& l) { l.ShowEvery(CHiddenWindowList::Order::LastToFirst); },
         {C, B, A}},
        {"everything, first first",
         [](CHiddenWindowList& l) { l.ShowEvery(CHiddenWindowList::Order::FirstToLast); },
         {A, B, C}},
    };
    for (const Route& route : routes) {
        SCOPED_TRACE(route.name);
        list.ShowOwn();
        list.ShowEvery(CHiddenWindowList::Order::FirstToLast);
        for (HWND window : {A, B, C}) {
            list.Hide(window);
        }
        left.clear();
        route.act(list);
        Handles remaining = {A, B, C};
        for (HWND window : route.shown) {
            remaining.erase(std::find(remaining.begin(), remaining.end(), window));
        }
        Handles byShowing = {A, B, C};
        std::sort(byShowing.begin(), byShowing.end(),
                  [&](HWND x, HWND y) { return ShownAt(x) < ShownAt(y); });
        byShowing.erase(byShowing.begin(), byShowing.begin() + 3 - route.shown.size());
        EXPECT_EQ(route.shown, byShowing);
        for (HWND window : remaining) {
            EXPECT_FALSE(::IsWindowVisible(window));
        }
        EXPECT_EQ(route.shown, left);
        EXPECT_EQ(remaining, list.Windows());
        EXPECT_EQ(remaining, InFile());
        EXPECT_EQ(!remaining.empty(), FileExists(path));
    }
    // A window never hidden by the program still shows, and nothing is told.
    left.clear();
    ::ShowWindow(O, SW_HIDE);
    list.Show(O);
    EXPECT_TRUE(::IsWindowVisible(O) && left.empty());
}

WNDPROC g_foreignProc = nullptr;
std::function<void()> g_onHide;
LRESULT CALLBACK HideHook(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SHOWWINDOW && !wParam && g_onHide) {
        g_onHide();
    }
    return ::CallWindowProcA(g_foreignProc, window, message, wParam, lParam);
}

TEST_F(HiddenWindowList, HideRecordsFirstAndAStartTakesBackOnlyWhatIsStillHiddenAsItWas) {
    const HWND O = other.Handle();
    ::ShowWindow(O, SW_SHOWNOACTIVATE);
    Handles whileHiding;
    g_onHide = [&] { whileHiding = InFile(); };
    g_foreignProc = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrA(O, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&HideHook)));
    list.Hide(O);
    g_onHide = nullptr;
    EXPECT_EQ((Handles{a.Handle(), b.Handle(), c.Handle(), O}), whileHiding);

    ::ShowWindow(b.Handle(), SW_SHOWNOACTIVATE);
    HWND gone = CForeignWindow("Gone").Handle();
    const DWORD self = ::GetCurrentProcessId();
    const std::string kept = FormatHiddenWindows({HiddenWindowEntry::Of(a.Handle())});
    WriteFileBytes(path, ReadFileBytes(path) + "junk\r\n" +
                             FormatHiddenWindows({{gone, self, "PanewardenTestForeign"},
                                                  {a.Handle(), self + 4, "PanewardenTestForeign"},
                                                  {a.Handle(), self, "Edit"}}));
    CHiddenWindowList started(path);
    started.Load();
    EXPECT_EQ((Handles{a.Handle(), c.Handle(), O}), started.Windows());
    EXPECT_EQ(started.Windows(), InFile());
    EXPECT_NE(std::string::npos, ReadFileBytes(path).find(kept));
}

} // namespace
