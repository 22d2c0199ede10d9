// The real Panewarden.exe at 150 %: Wine takes a program's DPI from LogPixels as it starts.
#include "tests/TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <memory>

namespace {

// Set for the programs started while it lives; what was there before comes back even when a
// check fails, so that later tests start at 96 DPI.
class CLogPixels {
public:
    explicit CLogPixels(DWORD dpi) {
        ::RegCreateKeyExA(HKEY_CURRENT_USER, "Control Panel\\Desktop", 0, nullptr, 0,
                          KEY_QUERY_VALUE | KEY_SET_VALUE, nullptr, &m_key, nullptr);
        DWORD size = sizeof m_before;
        m_had = ::RegQueryValueExA(m_key, "LogPixels", nullptr, nullptr,
                                   reinterpret_cast<BYTE*>(&m_before), &size) == ERROR_SUCCESS;
        Set(dpi);
    }
    ~CLogPixels() {
        m_had ? Set(m_before) : (void)::RegDeleteValueA(m_key, "LogPixels");
        ::RegCloseKey(m_key);
    }

private:
    void Set(DWORD dpi) {
        ::RegSetValueExA(m_key, "LogPixels", 0, REG_DWORD, reinterpret_cast<BYTE*>(&dpi),
                         sizeof dpi);
    }
    HKEY m_key = nullptr;
    DWORD m_before = 0;
    bool m_had = false;
};

// How far the screen's pixels in the area lie from the face stretched over it, 0 to 1.
double Distance(HDC screen, const RECT& area, int width, const std::string& face) {
    const auto bitmap = static_cast<HBITMAP>(
        ::LoadImageA(nullptr, face.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE));
    BITMAP size = {};
    ::GetObjectA(bitmap, sizeof size, &size);
    HDC file = ::CreateCompatibleDC(nullptr);
    HGDIOBJ previous = ::SelectObject(file, bitmap);
    double sum = 0;
    const int height = area.bottom - area.top;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < area.right - area.left; ++x) {
            const COLORREF a = ::GetPixel(screen, area.left + x, area.top + y),
                           b = ::GetPixel(file, (2 * x + 1) * size.bmWidth / (2 * width),
                                          (2 * y + 1) * size.bmHeight / (2 * height));
            for (int shift : {0, 8, 16}) {
                sum += std::pow(((a >> shift) & 0xFF) / 255.0 - ((b >> shift) & 0xFF) / 255.0, 2);
            }
        }
    }
    ::DeleteObject(::SelectObject(file, previous));
    ::DeleteDC(file);
    return std::sqrt(sum / (3.0 * height * (area.right - area.left)));
}

TEST(DpiBar, At150PercentRidesInTheCaptionWithFacesFillingTheirButtons) {
    const char* built = std::getenv("PANEWARDEN_EXE"); // a Unix path: drive Z under Wine
    ASSERT_TRUE(built);
    std::string program = std::string(built[0] == '/' ? "Z:" : "") + built;
    std::replace(program.begin(), program.end(), '/', '\\');
    // A copy with a settings file: a first run's balloon could take the front.
    CTempFolder folder;
    const std::string gfx = program.substr(0, program.rfind('\\')) + "\\gfx" + '\0';
    SHFILEOPSTRUCTA copy = {};
    copy.wFunc = FO_COPY;
    copy.pFrom = gfx.c_str();
    copy.pTo = folder.Path().c_str();
    copy.fFlags = FOF_NOCONFIRMATION | FOF_NOERRORUI | FOF_SILENT;
    ASSERT_TRUE(::CopyFileA(program.c_str(), folder.File("P.exe").c_str(), FALSE) &&
                ::SHFileOperationA(&copy) == 0);
    WriteFileAtomically(folder.File("Paneward.cfg"), "Windows Standard\nFALSE\n500\nTRUE\n10\n");
    std::unique_ptr<CForeignProcess> front, bar;
    HWND barWindow = nullptr;
    {
        CLogPixels dpi(144);
        front = std::make_unique<CForeignProcess>("At 150 %");
        bar = std::make_unique<CForeignProcess>(folder.File("P.exe"), "", nullptr);
        // Its visible dialog; the others are made hidden.
        ASSERT_TRUE(PumpUntil(
            [&] {
                while ((barWindow = ::FindWindowExA(nullptr, barWindow, "#32770", nullptr))) {
                    DWORD id = 0;
                    ::GetWindowThreadProcessId(barWindow, &id);
                    if (id == bar->Id() && ::IsWindowVisible(barWindow)) {
                        return true;
                    }
                }
                return false;
            },
            10000));
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
    // The farthest of the three buttons from its face enlarged: 0.4 for a face drawn 1:1 at
    // the top-left corner, under 0.2 for one stretched smoothly. Once drawn it stays put.
    const auto farthest = [&] {
        HDC screen = ::GetDC(nullptr);
        double distance = 0;
        for (auto [id, next, face] :
             {std::tuple{1003, 1001, "H"}, {1001, 1002, "A"}, {1002, 0, "T"}}) {
            RECT area = WindowRect(::GetDlgItem(barWindow, id));
            const int width = area.right - area.left; // A covers H's right end, T A's
            area.right = next ? WindowRect(::GetDlgItem(barWindow, next)).left : area.right;
            const std::string file = folder.File("gfx\\Windows Standard\\") + face + "-UP.BMP";
            distance = std::max(distance, Distance(screen, area, width, file));
        }
        ::ReleaseDC(nullptr, screen);
        return distance;
    };
    PumpUntil([&] { return farthest() < 0.25; }, 3000);
    EXPECT_LT(farthest(), 0.25);
}

} // namespace
