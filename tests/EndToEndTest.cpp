// The real Panewarden.exe, started as a user would start it: from a fresh copy with its
// skins, from another working directory, with a foreign window in front.
#include "tests/WindowSearch.h"
#include "tests/TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

const UINT kQuit = 32771;
const char kSkin[] = "Windows Standard";
const char* const kSkinFiles[] = {"A-UP.BMP",   "A-DOWN.BMP", "T-UP.BMP",
                                  "T-DOWN.BMP", "H-UP.BMP",   "H-DOWN.BMP"};
const char kDefaultSettings[] = "Windows Standard\r\nFALSE\r\n500\r\nTRUE\r\n10\r\n";

// The program as built: CTest passes its Unix path, which Wine shows on drive Z.
std::string BuiltProgram() {
    const char* path = std::getenv("PANEWARDEN_EXE");
    std::string program = path ? path : "";
    if (!program.empty() && program[0] == '/') {
        program = "Z:" + program;
    }
    std::replace(program.begin(), program.end(), '/', '\\');
    return program;
}

std::string FolderOf(const std::string& path) {
    return path.substr(0, path.rfind('\\'));
}

class EndToEnd : public ::testing::Test {
protected:
    void SetUp() override {
        const std::string built = BuiltProgram();
        ASSERT_FALSE(built.empty()) << "PANEWARDEN_EXE names no program";
        m_program = m_programFolder.File("Panewarden.exe");
        ASSERT_TRUE(::CopyFileA(built.c_str(), m_program.c_str(), FALSE)) << built;
        const std::string skins = FolderOf(built) + "\\gfx\\" + kSkin;
        ASSERT_TRUE(::CreateDirectoryA(Gfx().c_str(), nullptr));
        ASSERT_TRUE(::CreateDirectoryA(Skin().c_str(), nullptr));
        for (const char* file : kSkinFiles) {
            ASSERT_TRUE(
                ::CopyFileA((skins + "\\" + file).c_str(), (Skin() + "\\" + file).c_str(), FALSE))
                << skins << "\\" << file;
        }
    }

    void TearDown() override {
        if (m_process.hProcess) {
            if (::WaitForSingleObject(m_process.hProcess, 0) == WAIT_TIMEOUT) {
                ::TerminateProcess(m_process.hProcess, 1);
                ::WaitForSingleObject(m_process.hProcess, 5000);
            }
            ::CloseHandle(m_process.hProcess);
            ::CloseHandle(m_process.hThread);
        }
        for (const char* file : kSkinFiles) {
            ::DeleteFileA((Skin() + "\\" + file).c_str());
        }
        ::RemoveDirectoryA(Skin().c_str());
        ::RemoveDirectoryA(Gfx().c_str());
    }

    std::string Gfx() const { return m_programFolder.File("gfx"); }
    std::string Skin() const { return Gfx() + "\\" + kSkin; }
    std::string ProgramSettings() const { return m_programFolder.File("Paneward.cfg"); }

    // Starts the copy from the working folder.
    PROCESS_INFORMATION Launch() {
        STARTUPINFOA startup = {};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process = {};
        EXPECT_TRUE(::CreateProcessA(m_program.c_str(), nullptr, nullptr, nullptr, FALSE, 0,
                                     nullptr, m_workFolder.Path().c_str(), &startup, &process));
        return process;
    }

    // Starts the program and waits for its bar.
    void Start() {
        m_process = Launch();
        ASSERT_TRUE(m_process.hProcess);
        ASSERT_TRUE(PumpUntil([this] { return (m_bar = FindBar(m_process.dwProcessId)); }, 10000))
            << "the program showed no bar";
    }

    // Ends the program the hard way, without its exit question.
    void Kill() {
        ::TerminateProcess(m_process.hProcess, 1);
        ::WaitForSingleObject(m_process.hProcess, 5000);
        ::CloseHandle(m_process.hProcess);
        ::CloseHandle(m_process.hThread);
        m_process = {};
    }

    // Quits through the bar's command and waits for the process to end.
    void Quit() {
        ASSERT_TRUE(::PostMessageA(m_bar, WM_COMMAND, kQuit, 0));
        ASSERT_TRUE(PumpUntil(
            [this] { return ::WaitForSingleObject(m_process.hProcess, 0) == WAIT_OBJECT_0; },
            10000))
            << "the program did not end on Quit";
        DWORD exitCode = STILL_ACTIVE;
        ::GetExitCodeProcess(m_process.hProcess, &exitCode);
        EXPECT_EQ(0u, exitCode);
    }

    CTempFolder m_programFolder;
    CTempFolder m_workFolder;
    std::string m_program;
    PROCESS_INFORMATION m_process = {};
    HWND m_bar = nullptr;
};

TEST_F(EndToEnd, BarRidesOnTheWindowInFrontAndQuitSavesBesideTheProgram) {
    ASSERT_FALSE(FileExists(ProgramSettings()));
    ASSERT_NO_FATAL_FAILURE(Start());

    CForeignWindow front("Foreign window", {220, 140, 720, 460});
    front.BringToFront();
    ASSERT_EQ(front.Handle(), ::GetForegroundWindow());
    const POINT place = BarPlaceOn(front.Handle());
    EXPECT_TRUE(PumpUntil(
        [&] {
            RECT bar = WindowRect(m_bar);
            return bar.left == place.x && bar.top == place.y;
        },
        1000));
    RECT bar = WindowRect(m_bar);
    EXPECT_EQ(place.x, bar.left);
    EXPECT_EQ(place.y, bar.top);
    EXPECT_GT(bar.right - bar.left, 0);
    EXPECT_GT(bar.bottom - bar.top, 0);

    // With only the desktop in front the bar has nowhere to go.
    ::ShowWindow(front.Handle(), SW_HIDE);
    ::SetForegroundWindow(::GetDesktopWindow());
    ASSERT_TRUE(PumpUntil([] { return ::GetForegroundWindow() == ::GetDesktopWindow(); }));
    EXPECT_TRUE(PumpUntil([this] { return IsCollapsed(m_bar); }, 1000));

    ASSERT_NO_FATAL_FAILURE(Quit());
    EXPECT_EQ(kDefaultSettings, ReadFileBytes(ProgramSettings()));
    EXPECT_FALSE(FileExists(m_workFolder.File("Paneward.cfg")));
}

TEST_F(EndToEnd, WindowTimerSwitchedOffLeavesTheBarCollapsed) {
    // Bare line feeds: the file read back after Quit shows that it was written anew.
    WriteFileBytes(ProgramSettings(), "Windows Standard\nFALSE\n500\nFALSE\n10\n");
    ASSERT_NO_FATAL_FAILURE(Start());

    CForeignWindow front("Foreign window", {220, 140, 720, 460});
    front.BringToFront();
    ASSERT_EQ(front.Handle(), ::GetForegroundWindow());
    PumpMessages(1000);
    EXPECT_TRUE(IsCollapsed(m_bar));

    ASSERT_NO_FATAL_FAILURE(Quit());
    EXPECT_EQ("Windows Standard\r\nFALSE\r\n500\r\nFALSE\r\n10\r\n",
              ReadFileBytes(ProgramSettings()));
    EXPECT_FALSE(FileExists(m_workFolder.File("Paneward.cfg")));
}

TEST_F(EndToEnd, KilledProgramShowsTheWindowItHidAfterItsNextStart) {
    ASSERT_NO_FATAL_FAILURE(Start());
    CForeignWindow front("Foreign window", {220, 140, 720, 460});
    front.BringToFront();
    const POINT place = BarPlaceOn(front.Handle());
    ASSERT_TRUE(PumpUntil([&] { return WindowRect(m_bar).left == place.x; }, 1000));
    ::PostMessageA(m_bar, WM_COMMAND, 1003, 0); // H
    ASSERT_TRUE(PumpUntil([&] { return !::IsWindowVisible(front.Handle()); }));
    const std::string hiddenFile = m_programFolder.File("Paneward.hid");
    EXPECT_TRUE(FileExists(hiddenFile));

    Kill();
    ASSERT_NO_FATAL_FAILURE(Start());
    ::PostMessageA(m_bar, WM_HOTKEY, 1001, 0); // Alt+S
    EXPECT_TRUE(PumpUntil([&] { return ::IsWindowVisible(front.Handle()) != 0; }));
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
    CForeignWindow front("Foreign window", {220, 140, 720, 460});
    front.BringToFront();

    // A second bar would stop at the boxes saying that its hotkeys are taken.
    PROCESS_INFORMATION second = Launch();
    ASSERT_TRUE(second.hProcess);
    bool secondShowedWindows = false;
    const bool ended = PumpUntil(
        [&] {
            secondShowedWindows =
                secondShowedWindows || FindWindowOf(second.dwProcessId, [](HWND window) {
                    return ::IsWindowVisible(window) != FALSE;
                });
            return ::WaitForSingleObject(second.hProcess, 0) == WAIT_OBJECT_0;
        },
        5000);
    if (!ended) {
        ::TerminateProcess(second.hProcess, 1);
    }
    DWORD exitCode = STILL_ACTIVE;
    ::GetExitCodeProcess(second.hProcess, &exitCode);
    ::CloseHandle(second.hProcess);
    ::CloseHandle(second.hThread);
    EXPECT_TRUE(ended) << "the second start did not end";
    EXPECT_EQ(0u, exitCode);
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
    EXPECT_NE(nullptr, std::strstr(path, "common-controls_6595b64144ccf1df_6.")) << path;
}

} // namespace
