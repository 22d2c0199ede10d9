// The real Panewarden.exe, started from a fresh copy with its skin and another working folder.
#include "platform/Wnd.h"
#include "processing/HiddenWindowStore.h"
#include "tests/TestSupport.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

class EndToEnd : public ::testing::Test {
protected:
    void SetUp() override {
        const std::string built = BuiltProgram();
        const std::string skin = "\\gfx\\Windows Standard";
        for (const std::string& folder : {m_folder, m_folder + "\\gfx", m_folder + skin}) {
            ASSERT_TRUE(::CreateDirectoryA(folder.c_str(), nullptr)) << folder;
        }
        ASSERT_TRUE(::CopyFileA(built.c_str(), m_program.c_str(), FALSE)) << built;
        for (const char* face : {"A-UP", "A-DOWN", "T-UP", "T-DOWN", "H-UP", "H-DOWN"}) {
            const std::string file = skin + "\\" + face + ".BMP";
            ASSERT_TRUE(::CopyFileA((built.substr(0, built.rfind('\\')) + file).c_str(),
                                    (m_folder + file).c_str(), FALSE));
        }
    }

    CForeignProcess* Launch() {
        return new CForeignProcess(m_program, "", m_workFolder.Path().c_str());
    }

    // A program that does not find its skin stops at a message box before its bar shows.
    void Start() {
        m_process.reset(Launch());
        ASSERT_TRUE(PumpUntil([this] { return (m_bar = FindBar(m_process->Id())); }, 10000));
    }

    CTempFolder m_programFolder, m_workFolder;
    const std::string m_folder = m_programFolder.File("Pånewarden Ω");
    const std::string m_program = m_folder + "\\Panewarden.exe";
    const std::string m_settings = m_folder + "\\Paneward.cfg";
    std::unique_ptr<CForeignProcess> m_process;
    HWND m_bar = nullptr;
    CForeignWindow m_front{"Foreign window", {220, 140, 720, 460}};
};

TEST_F(EndToEnd, RidesHandsOverASecondStartAndAfterBeingKilledShowsWhatItHid) {
    // Bare line feeds and a period of its own: Quit's file shows it was read and written anew.
    WriteFileAtomically(m_settings, "Windows Standard\nFALSE\n700\nTRUE\n10\n");
    ASSERT_NO_FATAL_FAILURE(Start());
    const auto placed = [&] {
        m_front.BringToFront();
        const RECT bar = WindowRect(m_bar);
        return bar.left == 599 && bar.top == 145 && bar.right > bar.left; // caption's right end
    };
    EXPECT_TRUE(PumpUntil(placed, 1000));

    // A second bar would stop at the boxes saying that its hotkeys are taken.
    EXPECT_EQ(0u, std::unique_ptr<CForeignProcess>(Launch())->ExitCode(10000));
    EXPECT_TRUE(PumpUntil([&] {
        return WindowTitle(::GetForegroundWindow()) == "Window processing";
    })) << "the running one did not bring its window selector to the front";
    ::ShowWindow(::GetForegroundWindow(), SW_HIDE);

    // A folder that cannot take the list, as Program Files for a user: it goes to the user's.
    const std::string blocker = m_folder + "\\Paneward.hid.tmp",
                      userFile = CHiddenWindowStore::UserFile();
    ASSERT_TRUE(::CreateDirectoryA(blocker.c_str(), nullptr));
    ASSERT_TRUE(PumpUntil(placed, 1000));
    ::PostMessageA(m_bar, WM_COMMAND, 1003, 0); // H
    ASSERT_TRUE(PumpUntil([&] { return !::IsWindowVisible(m_front.Handle()); }));
    EXPECT_TRUE(FileExists(userFile));
    m_process.reset(); // killed, without the exit question
    ASSERT_NO_FATAL_FAILURE(Start());
    ::PostMessageA(m_bar, WM_HOTKEY, 1001, 0); // Alt+S
    EXPECT_TRUE(PumpUntil([&] { return ::IsWindowVisible(m_front.Handle()) != 0; }));
    EXPECT_TRUE(PumpUntil([&] { return !FileExists(userFile); }));
    ::RemoveDirectoryA(blocker.c_str());

    // With only the desktop in front the bar has nowhere to go.
    ::ShowWindow(m_front.Handle(), SW_HIDE);
    ::SetForegroundWindow(::GetDesktopWindow());
    EXPECT_TRUE(PumpUntil([this] { return IsCollapsed(m_bar); }, 1000));
    ::PostMessageA(m_bar, WM_COMMAND, 32771, 0); // Quit
    EXPECT_EQ(0u, m_process->ExitCode(10000));
    EXPECT_EQ("Windows Standard\r\nFALSE\r\n700\r\nTRUE\r\n10\r\n", ReadFileBytes(m_settings));
    EXPECT_FALSE(FileExists(m_workFolder.File("Paneward.cfg")));
    EXPECT_FALSE(FileExists(m_folder + "\\Paneward.hid"));
}

} // namespace
