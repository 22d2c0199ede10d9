// The real Panewarden.exe, started from a fresh copy with its skin and another working folder.
#include "platform/Wnd.h"
#include "tests/TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <memory>

namespace {

const std::string kSkin = "\\gfx\\Windows Standard";

// The bar of a Panewarden process: its visible topmost tool-window dialog.
HWND FindBar(DWORD processId) {
    const LONG wanted = WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
    for (HWND window = nullptr; (window = ::FindWindowExA(nullptr, window, "#32770", nullptr));) {
        DWORD owner = 0;
        if (::GetWindowThreadProcessId(window, &owner) && owner == processId &&
            ::IsWindowVisible(window) &&
            (::GetWindowLongA(window, GWL_EXSTYLE) & wanted) == wanted) {
            return window;
        }
    }
    return nullptr;
}

class EndToEnd : public ::testing::Test {
protected:
    // Panewarden.exe as built: PANEWARDEN_EXE, a Unix path, is on drive Z under Wine.
    void SetUp() override {
        std::string built = std::string("Z:") + std::getenv("PANEWARDEN_EXE");
        std::replace(built.begin(), built.end(), '/', '\\');
        for (const std::string& folder : {m_folder, m_folder + "\\gfx", m_folder + kSkin}) {
            ASSERT_TRUE(::CreateDirectoryA(folder.c_str(), nullptr)) << folder;
        }
        ASSERT_TRUE(::CopyFileA(built.c_str(), m_program.c_str(), FALSE)) << built;
        for (const char* face : {"A-UP", "A-DOWN", "T-UP", "T-DOWN", "H-UP", "H-DOWN"}) {
            const std::string file = kSkin + "\\" + face + ".BMP";
            ASSERT_TRUE(::CopyFileA((built.substr(0, built.rfind('\\')) + file).c_str(),
                                    (m_folder + file).c_str(), FALSE));
        }
    }

    // Started in another folder; one that does not find its skin stops at a message box.
    CForeignProcess* Launch() {
        return new CForeignProcess(m_program, "", m_workFolder.Path().c_str());
    }
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
    // A second start hands over to the running one's window selector within 2 s.
    const DWORD secondStart = ::GetTickCount();
    const std::unique_ptr<CForeignProcess> second(Launch());
    const auto handedOver = [&] {
        return second->HasExited() && WindowTitle(::GetForegroundWindow()) == "Window processing";
    };
    EXPECT_TRUE(PumpUntil(handedOver, 2000) && ::GetTickCount() - secondStart <= 2000)
        << ::GetTickCount() - secondStart << " ms";
    EXPECT_EQ(0u, second->ExitCode(0));
    ::ShowWindow(::GetForegroundWindow(), SW_HIDE);
    ASSERT_TRUE(PumpUntil(placed, 1000));
    ::PostMessageA(m_bar, WM_COMMAND, 1003, 0); // H
    ASSERT_TRUE(PumpUntil([&] { return !::IsWindowVisible(m_front.Handle()); }));
    m_process.reset(); // killed, without the exit question
    ASSERT_NO_FATAL_FAILURE(Start());
    // The folder it was started in is not held: the user may delete it.
    EXPECT_TRUE(::RemoveDirectoryA(m_workFolder.Path().c_str()));
    ::PostMessageA(m_bar, WM_HOTKEY, 1001, 0); // Alt+S
    EXPECT_TRUE(PumpUntil([&] { return ::IsWindowVisible(m_front.Handle()) != 0; }));
    ::PostMessageA(m_bar, WM_COMMAND, 32771, 0); // Quit
    EXPECT_EQ(0u, m_process->ExitCode(10000));
    EXPECT_EQ("Windows Standard\r\nFALSE\r\n700\r\nTRUE\r\n10\r\n", ReadFileBytes(m_settings));
    EXPECT_FALSE(FileExists(m_folder + "\\Paneward.hid"));
}

// Wine takes a program's DPI from LogPixels as it starts; the test prefix has none of its own.
TEST_F(EndToEnd, At150PercentRidesInTheCaptionWithFacesFillingTheirButtons) {
    WriteFileAtomically(m_settings, "Windows Standard\nFALSE\n500\nTRUE\n10\n"); // no balloon
    HKEY desktop = nullptr;
    DWORD dpi = 144;
    ::RegCreateKeyExA(HKEY_CURRENT_USER, "Control Panel\\Desktop", 0, nullptr, 0, KEY_ALL_ACCESS,
                      nullptr, &desktop, nullptr);
    ::RegSetValueExA(desktop, "LogPixels", 0, REG_DWORD, reinterpret_cast<BYTE*>(&dpi), 4);
    const CForeignProcess front("At 150 %");
    Start();
    ::RegDeleteValueA(desktop, "LogPixels");
    ::RegCloseKey(desktop);
    ASSERT_FALSE(HasFatalFailure());
    ::SetForegroundWindow(front.Handle());
    const RECT window = WindowRect(front.Handle());
    POINT client = {0, 0};
    ::ClientToScreen(front.Handle(), &client);
    // In the caption, half as large again as at 96 DPI (63 x 15): the font alone grows it less.
    EXPECT_TRUE(PumpUntil([&] {
        const RECT r = WindowRect(m_bar);
        return r.top > window.top && r.bottom <= client.y && r.left > window.left &&
               r.right < window.right && r.right - r.left == 95 && r.bottom - r.top == 23;
    }));
    // Each face fills its button, stretched from the skin's picture; A covers H's right end.
    const auto facesFill = [&] {
        bool filled = true;
        for (auto [id, next, face] :
             {std::tuple{1003, 1001, "H"}, {1001, 1002, "A"}, {1002, 0, "T"}}) {
            const RECT r = WindowRect(::GetDlgItem(m_bar, id));
            const LONG w = r.right - r.left, h = r.bottom - r.top,
                       shown = next ? WindowRect(::GetDlgItem(m_bar, next)).left - r.left : w;
            const std::string picture = m_folder + kSkin + "\\" + face + "-UP.BMP";
            const std::vector<DWORD> screen =
                ScreenPixels({r.left, r.top, r.left + shown, r.bottom});
            const std::vector<DWORD> file = Pixels({w, h}, nullptr, picture, true);
            filled = filled && shown > 0 && shown <= w && screen.size() == std::size_t(shown * h) &&
                     file.size() == std::size_t(w * h);
            for (LONG i = 0; filled && i < shown * h; ++i) {
                filled = screen[i] == file[i / shown * w + i % shown];
            }
        }
        return filled;
    };
    EXPECT_TRUE(PumpUntil(facesFill, 3000));
}

} // namespace
