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
        CHiddenWindowList list({path, userPath}, PlatformQuirks::OfThisSystem());
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
                                                 {kept.Handle(), self, "Edit"},
                                                 HiddenWindowEntry::Of(kept.Handle())}));
    // The user's copy adds no window the program folder's holds; duplicates stay.
    ::CreateDirectoryA(FolderOf(userPath).c_str(), nullptr);
    WriteFileAtomically(userPath, FormatHiddenWindows({HiddenWindowEntry::Of(kept.Handle())}));
    CHiddenWindowList started({path, userPath}, PlatformQuirks::OfThisSystem());
    started.Load();
    EXPECT_EQ((Handles{kept.Handle(), kept.Handle()}), started.Windows());
    EXPECT_EQ(FormatHiddenWindows(
                  {HiddenWindowEntry::Of(kept.Handle()), HiddenWindowEntry::Of(kept.Handle())}),
              ReadFileBytes(path));
    EXPECT_FALSE(FileExists(userPath));
}

// A folder that cannot be written: a folder where the file's temporary copy would go.
TEST_F(HiddenWindowList,
       GoesToTheUserFolderWhereTheProgramsCannotBeWrittenAndHidesNothingUnrecorded) {
    CScriptedInteraction interaction;
    CForeignWindow window("Window"), other("Other");
    const auto blocked = [](const std::string& file, bool block) {
        if (block) {
            ::CreateDirectoryA(FolderOf(file).c_str(), nullptr);
            ::CreateDirectoryA((file + ".tmp").c_str(), nullptr);
        } else {
            ::RemoveDirectoryA((file + ".tmp").c_str());
        }
    };
    struct Row {
        bool programBlocked, userBlocked;
        bool hidden, inProgramFile, inUserFile;
        std::size_t boxes;
    };
    const Row rows[] = {{false, false, true, true, false, 0},
                        {true, false, true, false, true, 0},
                        {true, true, false, false, false, 1}};
    for (const Row& row : rows) {
        blocked(path, row.programBlocked);
        blocked(userPath, row.userBlocked);
        CHiddenWindowList list({path, userPath}, PlatformQuirks::OfThisSystem());
        for (HWND each : {window.Handle(), other.Handle()}) {
            ::ShowWindow(each, SW_SHOWNOACTIVATE);
        }
        interaction.m_messageBoxes.clear();
        EXPECT_EQ(row.hidden, list.Hide(CWindowCalls(window.Handle())));
        list.HideEvery({other.Handle()}); // told once a run, not once a window
        const bool hidden = !::IsWindowVisible(window.Handle());
        EXPECT_EQ(row.hidden, hidden && !::IsWindowVisible(other.Handle()));
        EXPECT_EQ(row.hidden ? 2u : 0u, list.Windows().size());
        EXPECT_EQ(row.inProgramFile, FileExists(path));
        EXPECT_EQ(row.inUserFile, FileExists(userPath));
        // The user's folder is made only when the list must go there.
        EXPECT_EQ(row.inUserFile || row.userBlocked, FileExists(FolderOf(userPath)));
        EXPECT_EQ(row.boxes, interaction.m_messageBoxes.size());
        blocked(path, false);
        blocked(userPath, false);
        if (row.inUserFile) {
            // A start reads both places; the program's folder, once writable, takes the list.
            CHiddenWindowList started({path, userPath}, PlatformQuirks::OfThisSystem());
            started.Load();
            EXPECT_EQ((Handles{window.Handle(), other.Handle()}), started.Windows());
            EXPECT_TRUE(FileExists(path));
            EXPECT_FALSE(FileExists(userPath));
        }
        ::DeleteFileA(path.c_str());
    }
}

} // namespace
