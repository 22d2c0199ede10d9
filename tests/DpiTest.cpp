// The real Panewarden.exe at 150 %: Wine takes a program's DPI from LogPixels as it starts.
#include "tests/TestSupport.h"
#include "platform/Handles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>

namespace {

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

// How far the screen's pixels in the area lie from the face file enlarged over `width`, 0 to 1.
double Distance(const RECT& area, int width, const std::string& face) {
    const int w = area.right - area.left, h = area.bottom - area.top;
    const std::vector<DWORD> shown = ScreenPixels(area),
                             file = Pixels({width, h}, nullptr, face, true);
    double sum = 0;
    for (int i = 0; i < 3 * w * h; ++i) {
        const int x = i / 3 % w, y = i / 3 / w, shift = 8 * (i % 3);
        const DWORD a = shown[y * w + x], b = file[y * width + x];
        sum += std::pow((int((a >> shift) & 0xFF) - int((b >> shift) & 0xFF)) / 255.0, 2);
    }
    return std::sqrt(sum / (3 * w * h));
}

TEST(DpiBar, At150PercentRidesInTheCaptionWithFacesFillingTheirButtons) {
    const std::string program = BuiltProgram();
    // A copy with settings, the build's skin by its path: a first run's balloon takes the front.
    const std::string skin = program.substr(0, program.rfind('\\')) + "\\gfx\\Windows Standard";
    CTempFolder folder;
    ASSERT_TRUE(::CopyFileA(program.c_str(), folder.File("P.exe").c_str(), FALSE)) << program;
    WriteFileAtomically(folder.File("Paneward.cfg"), skin + "\nFALSE\n500\nTRUE\n10\n");
    std::unique_ptr<CForeignProcess> front, bar;
    HWND barWindow = nullptr;
    {
        LogPixels dpi(144);
        front = std::make_unique<CForeignProcess>("At 150 %");
        bar = std::make_unique<CForeignProcess>(folder.File("P.exe"), "", nullptr);
        ASSERT_TRUE(PumpUntil([&] { return (barWindow = FindBar(bar->Id())); }, 10000));
    }
    ::SetForegroundWindow(front->Handle());
    const RECT window = WindowRect(front->Handle());
    POINT client = {0, 0};
    ::ClientToScreen(front->Handle(), &client);
    EXPECT_TRUE(PumpUntil([&] {
        const RECT r = WindowRect(barWindow);
        return r.top > window.top && r.bottom <= client.y && r.left > window.left &&
               r.right < window.right;
    })) << "in the caption";
    // Half as large again as at 96 DPI: the font alone grows it less.
    const RECT placed = WindowRect(barWindow);
    EXPECT_TRUE(placed.right - placed.left == 95 && placed.bottom - placed.top == 23) // 63x15
        << placed.right - placed.left << "x" << placed.bottom - placed.top;
    // The farthest button from its face: 0.4 for a 1:1 face, under 0.2 for one that fills it.
    const auto farthest = [&] {
        double distance = 0;
        for (auto [id, next, face] :
             {std::tuple{1003, 1001, "H"}, {1001, 1002, "A"}, {1002, 0, "T"}}) {
            RECT area = WindowRect(::GetDlgItem(barWindow, id));
            const int width = area.right - area.left; // A covers H's right end
            area.right = next ? WindowRect(::GetDlgItem(barWindow, next)).left : area.right;
            distance = std::max(distance, Distance(area, width, skin + "\\" + face + "-UP.BMP"));
        }
        return distance;
    };
    EXPECT_TRUE(PumpUntil([&] { return farthest() < 0.25; }, 3000)) << farthest();
}

} // namespace
