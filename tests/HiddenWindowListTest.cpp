#include "processing/HiddenWindowFile.h"
#include "processing/HiddenWindowList.h"
#include "platform/WinApp.h"
#include "platform/WindowCalls.h"
#include "tests/TestSupport.h"

#include <gtest/gtest.h>

namespace {

using Handles = std::vector<HWND>;

class HiddenWindowList : public ::testing::Test {
protected:
    Handles InFile() const {
        Handles windows;
        for (const HiddenWindowEntry& entry : ParseHiddenWindows(ReadFileBytes(path))) {
            windows.push_back(entry.window);
        }
        return windows;
    }

    CScriptedInteraction interaction;
    CTempFolder folder;
    const std::string path = folder.File("Paneward.hid"),
                      userPath = folder.File("Panewarden\\user.hid");
};

// Each window is on disk before it hides, a batch whole before its first window, written once.
TEST_F(HiddenWindowList, HideRecordsFirstABatchOnceAndAStartTakesBackWhatIsStillHiddenAsItWas) {
    CForeignWindow kept("Kept"), shown("Shown"), gone("Gone");
    const Handles windows = {kept.Handle(), shown.Handle(), gone.Handle()};
    // The file as each window found it when hidden, then taken away: only a write brings it back.
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
        CHiddenWindowList list({{path, userPath}}, PlatformQuirks::OfThisSystem(), interaction);
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
    ::CreateDirectoryA(FolderOf(userPath).c_str(), nullptr);
    WriteFileAtomically(userPath,
                        file + "junk\r\n" +
                            FormatHiddenWindows({{kept.Handle(), self + 4, "PanewardenTestForeign"},
                                                 {kept.Handle(), self, "Edit"},
                                                 HiddenWindowEntry::Of(kept.Handle())}));
    // The program folder's copy adds the windows the user's, read first, does not hold; each
    // comes once.
    CForeignWindow users("Only the program folder's");
    const HiddenWindowEntry user = HiddenWindowEntry::Of(users.Handle());
    WriteFileAtomically(path,
                        FormatHiddenWindows({HiddenWindowEntry::Of(kept.Handle()), user, user}));
    CHiddenWindowList started({{path, userPath}}, PlatformQuirks::OfThisSystem(), interaction);
    started.Load();
    EXPECT_EQ((Handles{kept.Handle(), users.Handle()}), started.Windows());
    EXPECT_EQ(FormatHiddenWindows({HiddenWindowEntry::Of(kept.Handle()), user}),
              ReadFileBytes(path));
    EXPECT_FALSE(FileExists(userPath));
}

} // namespace
