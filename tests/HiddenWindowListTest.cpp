#include "processing/HiddenWindowFile.h"
#include "processing/HiddenWindowList.h"
#include "platform/WinApp.h"
#include "platform/WindowCalls.h"
#include "tests/TestSupport.h"

#include <gtest/gtest.h>

namespace {

using Handles = std::vector<HWND>;

// Each window is on disk before it hides, a batch whole before its first window, written once.
TEST(HiddenWindowList, HideRecordsFirstABatchOnceAndAStartTakesBackWhatIsStillHiddenAsItWas) {
    CScriptedInteraction interaction;
    CTempFolder folder;
    const std::string path = folder.File("Paneward.hid"),
                      userPath = folder.File("Panewarden\\user.hid");
    CForeignWindow kept("Kept"), shown("Shown"), gone("Gone"), other("Other"), added("Added");
    const Handles windows = {kept.Handle(), shown.Handle(), gone.Handle()};
    // The file's windows as each window found them when hidden; the file is then taken away.
    std::vector<Handles> seen;
    for (CForeignWindow* window : {&kept, &shown, &gone}) {
        window->m_onHide = [&] {
            seen.emplace_back();
            for (const HiddenWindowEntry& entry : ParseHiddenWindows(ReadFileBytes(path))) {
                seen.back().push_back(entry.window);
            }
            ::DeleteFileA(path.c_str());
        };
    }
    for (const bool batch : {false, true}) {
        for (HWND window : windows) {
            ::ShowWindow(window, SW_SHOWNOACTIVATE);
        }
        seen.clear();
        CHiddenWindowList list({{path, userPath}}, PlatformQuirks::OfThisSystem(), interaction);
        for (HWND window : batch ? Handles{} : windows) {
            list.Hide(CWindowCalls(window));
        }
        if (batch) {
            list.HideEvery(windows);
        }
        const std::vector<Handles> oneByOne = {{windows[0]}, {windows[0], windows[1]}, windows};
        EXPECT_EQ((batch ? std::vector<Handles>{windows, {}, {}} : oneByOne), seen);
        EXPECT_FALSE(FileExists(path));
    }
    // A start reads the user's file first: only a window still hidden, of the same process and
    // class, comes back; the program folder's adds what that lacks, each once, and keeps them.
    const auto of = [](HWND window) { return HiddenWindowEntry::Of(window); };
    const DWORD self = ::GetCurrentProcessId();
    ::CreateDirectoryA(FolderOf(userPath).c_str(), nullptr);
    WriteFileAtomically(userPath,
                        FormatHiddenWindows({of(kept.Handle()),
                                             of(shown.Handle()),
                                             of(gone.Handle()),
                                             {other.Handle(), self + 4, "PanewardenTestForeign"},
                                             {other.Handle(), self, "Edit"}}));
    ::ShowWindow(shown.Handle(), SW_SHOWNOACTIVATE);
    ::DestroyWindow(gone.Handle());
    WriteFileAtomically(
        path, FormatHiddenWindows({of(kept.Handle()), of(added.Handle()), of(added.Handle())}));
    CHiddenWindowList started({{path, userPath}}, PlatformQuirks::OfThisSystem(), interaction);
    started.Load();
    EXPECT_EQ((Handles{kept.Handle(), added.Handle()}), started.Windows());
    EXPECT_EQ(FormatHiddenWindows({of(kept.Handle()), of(added.Handle())}), ReadFileBytes(path));
    EXPECT_FALSE(FileExists(userPath));
}

} // namespace
