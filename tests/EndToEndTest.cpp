// The real Panewarden.exe, started as a user would start it: from a fresh copy with its
// skin, from another working folder, with a foreign window in front.
#include "tests/WindowSearch.h"
#include "tests/TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

const UINT kQuit = 32771;

bool HasExited(HANDLE process) {
    return ::WaitForSingleObject(process, 0) == WAIT_OBJECT_0;
}

class EndToEnd : public ::testing::Test {
protected:
    void SetUp() override {
        // CTest gives the program's Unix path, which Wine shows on drive Z.
        const char* path = std::getenv("PANEWARDEN_EXE");
        ASSERT_TRUE(path) << "PANEWARDEN_EXE names no program";
        std::string built = std::string(path[0] == '/' ? "Z:" : "") + path;
        std::replace(built.begin(), built.end(), '/', '\\');
        const std::string skin = "\\gfx\\Windows Standard";
        ASSERT_TRUE(::CopyFileA(built.c_str(), m_program.c_str(), FALSE)) << built;
        ASSERT_TRUE(::CreateDirectoryA(m_programFolder.File("gfx").c_str(), nullptr));
        ASSERT_TRUE(::CreateDirectoryA((m_programFolder.Path() + skin).c_str(), nullptr));
        for (const char* face : {"A-UP", "A-DOWN", "T-UP", "T-DOWN", "H-UP", "H-DOWN"}) {
            const std::string file = skin + "\\" + face + ".BMP";
            ASSERT_TRUE(::CopyFileA((built.substr(0, built.rfind('\\')) + file).c_str(),
                                    (m_programFolder.Path() + file).c_str(), FALSE))
                << file;
        }
    }

    void TearDown() override {
        for (PROCESS_INFORMATION* process : {&m_process, &m_second}) {
            if (process->hProcess && !HasExited(process->hProcess)) {
                ::TerminateProcess(process->hProcess, 1);
                ::WaitForSingleObject(process->hProcess, 5000);
            }
            ::CloseHandle(process->hProcess);
            ::CloseHandle(process->hThread);
        }
    }

    // Starts the copy from the working folder.
    void Launch(PROCESS_INFORMATION& process) {
        STARTUPINFOA startup = {};
        startup.cb = sizeof startup;
        ASSERT_TRUE(::CreateProcessA(m_program.c_str(), nullptr, nullptr, nullptr, FALSE, 0,
                                     nullptr, m_workFolder.Path().c_str(), &startup, &process));
    }

    void Start() {
        ASSERT_NO_FATAL_FAILURE(Launch(m_process));
        ASSERT_TRUE(PumpUntil([this] { return (m_bar = FindBar(m_process.dwProcessId)); }, 10000))
            << "the program showed no bar";
    }

    // Quits through the bar's command and waits for the process to end well.
    void Quit() {
        ASSERT_TRUE(::PostMessageA(m_bar, WM_COMMAND, kQuit, 0));
        ASSERT_TRUE(PumpUntil([this] { return HasExited(m_process.hProcess); }, 10000))
            << "the program did not end on Quit";
        DWORD exitCode = STILL_ACTIVE;
        ::GetExitCodeProcess(m_process.hProcess, &exitCode);
        EXPECT_EQ(exitCode, 0u);
    }

    CTempFolder m_programFolder, m_workFolder;
    const std::string m_program = m_programFolder.File("Panewarden.exe");
    const std::string m_settings = m_programFolder.File("Paneward.cfg");
    PROCESS_INFORMATION m_process = {}, m_second = {};
    HWND m_bar = nullptr;
    CForeignWindow m_front{"Foreign window", {220, 140, 720, 460}};
};

TEST_F(EndToEnd, BarRidesOnTheWindowInFrontAndQuitRewritesTheSettingsBesideTheProgram) {
    // Bare line feeds and a period of its own: what Quit leaves shows the file was read
    // and written anew.
    WriteFileBytes(m_settings, "Windows Standard\nFALSE\n700\nTRUE\n10\n");
    ASSERT_NO_FATAL_FAILURE(Start());
    m_front.BringToFront();
    ASSERT_EQ(::GetForegroundWindow(), m_front.Handle());
    const POINT place = BarPlaceOn(m_front.Handle());
    EXPECT_TRUE(PumpUntil(
        [&] {
            const RECT bar = WindowRect(m_bar);
            return bar.left == place.x && bar.top == place.y && bar.right > bar.left &&
                   bar.bottom > bar.top;
        },
        1000));

    // With only the desktop in front the bar has nowhere to go.
    ::ShowWindow(m_front.Handle(), SW_HIDE);
    ::SetForegroundWindow(::GetDesktopWindow());
    ASSERT_TRUE(PumpUntil([] { return ::GetForegroundWindow() == ::GetDesktopWindow(); }));
    EXPECT_TRUE(PumpUntil([this] { return IsCollapsed(m_bar); }, 1000));

    ASSERT_NO_FATAL_FAILURE(Quit());
    EXPECT_EQ(ReadFileBytes(m_settings), "Windows Standard\r\nFALSE\r\n700\r\nTRUE\r\n10\r\n");
    EXPECT_FALSE(FileExists(m_workFolder.File("Paneward.cfg")));
}

TEST_F(EndToEnd, KilledProgramShowsTheWindowItHidAfterItsNextStart) {
    ASSERT_NO_FATAL_FAILURE(Start());
    m_front.BringToFront();
    const POINT place = BarPlaceOn(m_front.Handle());
    ASSERT_TRUE(PumpUntil([&] { return WindowRect(m_bar).left == place.x; }, 1000));
    ::PostMessageA(m_bar, WM_COMMAND, 1003, 0); // H
    ASSERT_TRUE(PumpUntil([&] { return !::IsWindowVisible(m_front.Handle()); }));
    const std::string hiddenFile = m_programFolder.File("Paneward.hid");
    EXPECT_TRUE(FileExists(hiddenFile));

    // The hard way, without the exit question.
    ::TerminateProcess(m_process.hProcess, 1);
    ::WaitForSingleObject(m_process.hProcess, 5000);
    ::CloseHandle(m_process.hProcess);
    ::CloseHandle(m_process.hThread);
    ASSERT_NO_FATAL_FAILURE(Start());
    ::PostMessageA(m_bar, WM_HOTKEY, 1001, 0); // Alt+S
    EXPECT_TRUE(PumpUntil([&] { return ::IsWindowVisible(m_front.Handle()) != 0; }));
    ASSERT_NO_FATAL_FAILURE(Quit());
    EXPECT_FALSE(FileExists(hiddenFile));
}

TEST_F(EndToEnd, SecondStartOpensTheWindowSelectorOfTheRunningOneAndEnds) {
    ASSERT_NO_FATAL_FAILURE(Start());
    const HWND selector = FindWindowOf(m_process.dwProcessId, [](HWND window) {
        char title[32] = "";
        ::GetWindowTextA(window, title, sizeof title);
        return std::string(title) == "Window processing";
    });
    ASSERT_TRUE(selector);
    ASSERT_FALSE(::IsWindowVisible(selector));
    m_front.BringToFront();

    // A second bar would stop at the boxes saying that its hotkeys are taken.
    ASSERT_NO_FATAL_FAILURE(Launch(m_second));
    bool secondShowedWindows = false;
    EXPECT_TRUE(PumpUntil(
        [&] {
            secondShowedWindows =
                secondShowedWindows || FindWindowOf(m_second.dwProcessId, [](HWND window) {
                    return ::IsWindowVisible(window) != FALSE;
                });
            return HasExited(m_second.hProcess);
        },
        5000))
        << "the second start did not end";
    DWORD exitCode = STILL_ACTIVE;
    ::GetExitCodeProcess(m_second.hProcess, &exitCode);
    EXPECT_EQ(exitCode, 0u);
    EXPECT_FALSE(secondShowedWindows);

    EXPECT_TRUE(PumpUntil([&] { return ::GetForegroundWindow() == selector; }))
        << "the running instance did not bring its window selector to the front";
    EXPECT_TRUE(::IsWindowVisible(selector));
    ASSERT_NO_FATAL_FAILURE(Quit());
}

// The test program links the program's resources, manifest included: the common
// controls come from the side-by-side assembly of version 6.
TEST(EndToEndManifest, CommonControlsAreVersionSix) {
    char path[MAX_PATH] = "";
    ASSERT_TRUE(::GetModuleFileNameA(::GetModuleHandleA("comctl32.dll"), path, sizeof path));
    ::CharLowerA(path);
    EXPECT_NE(std::strstr(path, "common-controls_6595b64144ccf1df_6."), nullptr) << path;
}

} // namespace
