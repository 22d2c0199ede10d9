// The real Panewarden.exe, started from a fresh copy with its skin and another working folder;
// at 150 % too: Wine takes a program's DPI from LogPixels as it starts.
#include "platform/Wnd.h"
#include "processing/HiddenWindowStore.h"
#include "tests/TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <memory>

namespace {

const std::string kSkin = "\\gfx\\Windows Standard";

// Panewarden.exe as built, from PANEWARDEN_EXE; empty without it.
std::string BuiltProgram() {
    const char* path = std::getenv("PANEWARDEN_EXE"); // a Unix path: drive Z under Wine
    std::string built = std::string(path && path[0] == '/' ? "Z:" : "") + (path ? path : "");
    std::replace(built.begin(), built.end(), '/', '\\');
    return built;
}

// The bar of a Panewarden process: its visible topmost tool-window dialog.
HWND FindBar(DWORD processId) {
    HWND window = nullptr;
    while ((window = ::FindWindowExA(nullptr, window, "#32770", nullptr))) {
        DWORD owner = 0;
        ::GetWindowThreadProcessId(window, &owner);
        const LONG wanted = WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
        if (owner == processId && ::IsWindowVisible(window) &&
            (::GetWindowLongA(window, GWL_EXSTYLE) & wanted) == wanted) {
            return window;
        }
    }
    return nullptr;
}

// Set for the programs started while it lives; the test prefix has no value of its own, and
// none is left even when a check fails.
struct LogPixels {
    explicit LogPixels(DWORD dpi) {
        ::RegCreateKeyExA(HKEY_CURRENT_USER, "Control Panel\\Desktop", 0, nullptr, 0,
                          KEY_ALL_ACCESS, nullptr, &key, nullptr);
        ::RegSetValueExA(key, "LogPixels", 0, REG_DWORD, reinterpret_cast<BYTE*>(&dpi), 4);
    }
    ~LogPixels() {
        ::RegDeleteValueA(key, "LogPixels");
        ::RegCloseKey(key);
    }
    HKEY key = nullptr;
};

class EndToEnd : public ::testing::Test {
protected:
    void SetUp() override {
        const std::string built = BuiltProgram();
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

    // A second bar would stop at the boxes saying that its hotkeys are taken. The user waits
    // for the running one's window selector from the second start on, and not longer.
    const DWORD secondStart = ::GetTickCount();
    const std::unique_ptr<CForeignProcess> second(Launch());
    const auto handedOver = [&] {
        return second->HasExited() && WindowTitle(::GetForegroundWindow()) == "Window processing";
    };
    EXPECT_TRUE(PumpUntil(handedOver, 2000) && ::GetTickCount() - secondStart <= 2000)
        << "no hand-over within 2 s: " << ::GetTickCount() - secondStart << " ms";
    EXPECT_EQ(0u, second->ExitCode(0));
    ::ShowWindow(::GetForegroundWindow(), SW_HIDE);

    // A folder that cannot take the list, as Program Files for a user: it goes to the user's.
    const std::string blocker = m_folder + "\\Paneward.hid.tmp",
                      userFile = CHiddenWindowStore::File().userPath;
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

TEST_F(EndToEnd, At150PercentRidesInTheCaptionWithFacesFillingTheirButtons) {
    // With settings: a first run's balloon takes the front.
    WriteFileAtomically(m_settings, "Windows Standard\nFALSE\n500\nTRUE\n10\n");
    std::unique_ptr<CForeignProcess> front;
    {
        LogPixels dpi(144);
        front = std::make_unique<CForeignProcess>("At 150 %");
        ASSERT_NO_FATAL_FAILURE(Start());
    }
    ::SetForegroundWindow(front->Handle());
    const RECT window = WindowRect(front->Handle());
    POINT client = {0, 0};
    ::ClientToScreen(front->Handle(), &client);
    EXPECT_TRUE(PumpUntil([&] {
        const RECT r = WindowRect(m_bar);
        return r.top > window.top && r.bottom <= client.y && r.left > window.left &&
               r.right < window.right;
    })) << "in the caption";
    // Half as large again as at 96 DPI: the font alone grows it less.
    const RECT placed = WindowRect(m_bar);
    EXPECT_TRUE(placed.right - placed.left == 95 && placed.bottom - placed.top == 23) // 63x15
        << placed.right - placed.left << "x" << placed.bottom - placed.top;
    // Each face fills its button, stretched from the skin's picture; A covers H's right end.
    const auto facesFill = [&] {
        for (auto [id, next, face] :
             {std::tuple{1003, 1001, "H"}, {1001, 1002, "A"}, {1002, 0, "T"}}) {
            const RECT r = WindowRect(::GetDlgItem(m_bar, id));
            const LONG w = r.right - r.left, h = r.bottom - r.top,
                       shown = next ? WindowRect(::GetDlgItem(m_bar, next)).left - r.left : w;
            const std::string picture = m_folder + kSkin + "\\" + face + "-UP.BMP";
            const std::vector<DWORD> screen =
                ScreenPixels({r.left, r.top, r.left + shown, r.bottom});
            const std::vector<DWORD> file = Pixels({w, h}, nullptr, picture, true);
            if (shown <= 0 || shown > w || screen.size() != static_cast<std::size_t>(shown * h) ||
                file.size() != static_cast<std::size_t>(w * h)) {
                return false;
            }
            for (LONG y = 0; y < h; ++y) {
                if (!std::equal(&screen[y * shown], &screen[y * shown] + shown, &file[y * w])) {
                    return false;
                }
            }
        }
        return true;
    };
    EXPECT_TRUE(PumpUntil(facesFill, 3000));
}

} // namespace
