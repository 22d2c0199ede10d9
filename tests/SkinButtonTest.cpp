#include "controls/SkinButton.h"

#include "app/ButtonBarDlg.h"
#include "platform/Dialog.h"
#include "platform/WinApp.h"
#include "resource.h"
#include "tests/TestSupport.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

const COLORREF kBackground = RGB(0, 0, 255);
const COLORREF kUp = RGB(255, 0, 0);
const COLORREF kDown = RGB(0, 255, 0);
const COLORREF kMark = RGB(255, 255, 0);
const COLORREF kScribble = RGB(255, 0, 255);

// Where the host puts the button, in the host's client coordinates.
const RECT kControl = {10, 10, 50, 30};
const int kControlWidth = kControl.right - kControl.left;
const int kControlHeight = kControl.bottom - kControl.top;
const int kControlArea = kControlWidth * kControlHeight;
const DWORD kBarStaticStyle = 0x50020301; // child, visible, group, notify, centred image and text

// A 24-bit bottom-up BMP file.
void WriteBitmap(const std::string& path, int width, int height,
                 const std::function<COLORREF(int, int)>& colourAt) {
    const int stride = (width * 3 + 3) & ~3;
    BITMAPFILEHEADER file = {};
    BITMAPINFOHEADER info = {};
    file.bfType = 0x4D42; // "BM"
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + stride * height;
    info.biSize = sizeof info;
    info.biWidth = width;
    info.biHeight = height;
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biCompression = BI_RGB;
    std::string bytes(reinterpret_cast<const char*>(&file), sizeof file);
    bytes.append(reinterpret_cast<const char*>(&info), sizeof info);
    for (int row = height - 1; row >= 0; --row) {
        std::string line(stride, '\0');
        for (int x = 0; x < width; ++x) {
            COLORREF colour = colourAt(x, row);
            line[x * 3] = static_cast<char>(GetBValue(colour));
            line[x * 3 + 1] = static_cast<char>(GetGValue(colour));
            line[x * 3 + 2] = static_cast<char>(GetRValue(colour));
        }
        bytes += line;
    }
    WriteFileBytes(path, bytes);
}

void WriteSolidBitmap(const std::string& path, int width, int height, COLORREF colour) {
    WriteBitmap(path, width, height, [colour](int, int) { return colour; });
}

// Pixels read back from a window's surface, in its client coordinates.
class CWindowPixels {
public:
    explicit CWindowPixels(HWND window) : m_hWnd(window), m_hDC(::GetDC(window)) {}
    ~CWindowPixels() { ::ReleaseDC(m_hWnd, m_hDC); }
    CWindowPixels(const CWindowPixels&) = delete;
    CWindowPixels& operator=(const CWindowPixels&) = delete;

    COLORREF At(int x, int y) const { return ::GetPixel(m_hDC, x, y); }
    int Count(const RECT& area, COLORREF colour) const {
        int count = 0;
        for (int y = area.top; y < area.bottom; ++y) {
            for (int x = area.left; x < area.right; ++x) {
                count += At(x, y) == colour ? 1 : 0;
            }
        }
        return count;
    }

private:
    HWND m_hWnd;
    HDC m_hDC;
};

struct CommandRecord {
    WPARAM wParam;
    LPARAM lParam;
    int state;      // the button's face when the command arrived
    COLORREF shown; // what the button showed then, at its (1, 1)
    HWND foreground;
};

// The button's parent: one flat colour, and a record of the commands its child sends.
class CHostWindow : public CWnd {
public:
    CSkinButton* m_pButton = nullptr;
    std::vector<CommandRecord> m_commands;

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        switch (message) {
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT: {
            PAINTSTRUCT paint;
            HDC dc = ::BeginPaint(m_hWnd, &paint);
            HBRUSH brush = ::CreateSolidBrush(kBackground);
            ::FillRect(dc, &paint.rcPaint, brush);
            ::DeleteObject(brush);
            ::EndPaint(m_hWnd, &paint);
            return 0;
        }
        case WM_COMMAND:
            m_commands.push_back({wParam, lParam, m_pButton->GetState(),
                                  CWindowPixels(m_hWnd).At(kControl.left + 1, kControl.top + 1),
                                  ::GetForegroundWindow()});
            return 0;
        default:
            return CWnd::WindowProc(message, wParam, lParam);
        }
    }
};

// A button on the bar's kind of static, 40 x 20 pixels, with an up and a down face of
// the control's size in two flat colours.
class SkinButtonTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_host.CreateEx(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, "host", WS_POPUP, 200, 200, 100, 60,
                        nullptr);
        HWND control = ::CreateWindowExA(0, "STATIC", "A", kBarStaticStyle, kControl.left,
                                         kControl.top, kControlWidth, kControlHeight, m_host.m_hWnd,
                                         reinterpret_cast<HMENU>(IDC_TOPMOST),
                                         ::GetModuleHandleA(nullptr), nullptr);
        m_button.SubclassWindow(control);
        m_host.m_pButton = &m_button;
        m_host.ShowWindow(SW_SHOWNA);
        ::UpdateWindow(m_host.m_hWnd);
        WriteSolidBitmap(m_upFile, kControlWidth, kControlHeight, kUp);
        WriteSolidBitmap(m_downFile, kControlWidth, kControlHeight, kDown);
    }

    void LoadFaces() {
        ASSERT_EQ(m_button.LoadBitmapUp(m_upFile), 1);
        ASSERT_EQ(m_button.LoadBitmapDown(m_downFile), 1);
        ::RedrawWindow(m_host.m_hWnd, nullptr, nullptr,
                       RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    }

    // How many of the control's pixels show the colour.
    int CountShown(COLORREF colour) const {
        return CWindowPixels(m_host.m_hWnd).Count(kControl, colour);
    }
    COLORREF ShownAt(int x, int y) const {
        return CWindowPixels(m_host.m_hWnd).At(kControl.left + x, kControl.top + y);
    }

    // Covers the control without invalidating it: only a repaint brings a face back.
    void Scribble() const {
        HDC dc = ::GetDC(m_host.m_hWnd);
        HBRUSH brush = ::CreateSolidBrush(kScribble);
        ::FillRect(dc, &kControl, brush);
        ::DeleteObject(brush);
        ::ReleaseDC(m_host.m_hWnd, dc);
        ASSERT_EQ(CountShown(kScribble), kControlArea);
    }

    void Click() const {
        m_button.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
        m_button.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    }

    CTempFolder m_folder;
    const std::string m_upFile = m_folder.File("up.bmp");
    const std::string m_downFile = m_folder.File("down.bmp");
    CScriptedInteraction m_interaction;
    CHostWindow m_host;
    CSkinButton m_button;
};

using SkinButtonPaint = SkinButtonTest;

TEST_F(SkinButtonPaint, ShowsNothingUntilBothFacesAreLoaded) {
    ASSERT_EQ(m_button.LoadBitmapUp(m_upFile), 1);
    m_button.SetState(0);
    EXPECT_EQ(CountShown(kBackground), kControlArea) << "neither face nor the static's text";

    m_button.SetState(1);
    EXPECT_EQ(CountShown(kBackground), kControlArea);

    ASSERT_EQ(m_button.LoadBitmapDown(m_downFile), 1);
    EXPECT_EQ(CountShown(kBackground), kControlArea) << "loading does not repaint";
    m_button.SetState(0);
    EXPECT_EQ(CountShown(kUp), kControlArea);
    EXPECT_TRUE(m_interaction.m_messageBoxes.empty());
}

TEST_F(SkinButtonPaint, OnlyTheDownFaceLoadedShowsNothing) {
    ASSERT_EQ(m_button.LoadBitmapDown(m_downFile), 1);
    m_button.SetState(1);
    EXPECT_EQ(CountShown(kBackground), kControlArea);
}

TEST_F(SkinButtonPaint, SmallerFaceIsCopiedOneToOneAtTheTopLeft) {
    // Red, with a yellow bottom-right pixel: stretching or centring would move it.
    WriteBitmap(m_upFile, 10, 6, [](int x, int y) { return x == 9 && y == 5 ? kMark : kUp; });
    LoadFaces();

    EXPECT_EQ(ShownAt(0, 0), kUp);
    EXPECT_EQ(ShownAt(9, 5), kMark);
    EXPECT_EQ(CountShown(kUp), 10 * 6 - 1);
    EXPECT_EQ(CountShown(kMark), 1);
    EXPECT_EQ(ShownAt(10, 5), kBackground) << "the rest of the control is left unpainted";
    EXPECT_EQ(ShownAt(9, 6), kBackground);
    EXPECT_EQ(CountShown(kBackground), kControlArea - 10 * 6);
}

TEST_F(SkinButtonPaint, LargerFaceIsClippedAtTheControlsEdges) {
    WriteBitmap(m_upFile, 60, 40, [](int x, int y) {
        return x == kControlWidth - 1 && y == kControlHeight - 1 ? kMark : kUp;
    });
    LoadFaces();

    EXPECT_EQ(ShownAt(kControlWidth - 1, kControlHeight - 1), kMark) << "not shrunk";
    EXPECT_EQ(CountShown(kUp), kControlArea - 1);
    CWindowPixels host(m_host.m_hWnd);
    RECT rightOfControl = {kControl.right, kControl.top, kControl.left + 60, kControl.bottom};
    RECT belowControl = {kControl.left, kControl.bottom, kControl.right, kControl.top + 40};
    EXPECT_EQ(host.Count(rightOfControl, kUp), 0);
    EXPECT_EQ(host.Count(belowControl, kUp), 0);
    EXPECT_EQ(host.Count(rightOfControl, kBackground), 20 * kControlHeight);
}

TEST_F(SkinButtonPaint, SetStateRepaintsAtOnceEvenWhenTheFaceIsUnchanged) {
    LoadFaces();
    ASSERT_EQ(CountShown(kUp), kControlArea);

    m_button.SetState(1);
    EXPECT_EQ(m_button.GetState(), 1);
    EXPECT_EQ(CountShown(kDown), kControlArea);

    Scribble();
    m_button.SetState(1);
    EXPECT_EQ(CountShown(kDown), kControlArea);

    m_button.SetState(0);
    EXPECT_EQ(CountShown(kUp), kControlArea);
}

using SkinButtonClick = SkinButtonTest;

TEST_F(SkinButtonClick, FlipsAndShowsTheNewFaceBeforeTheParentHearsOfIt) {
    LoadFaces();

    Click();
    ASSERT_EQ(m_host.m_commands.size(), 1u);
    const CommandRecord& first = m_host.m_commands[0];
    EXPECT_EQ(first.wParam, MAKEWPARAM(IDC_TOPMOST, STN_CLICKED));
    EXPECT_EQ(first.lParam, reinterpret_cast<LPARAM>(m_button.m_hWnd));
    EXPECT_EQ(first.state, 1);
    EXPECT_EQ(first.shown, kDown);

    Click();
    ASSERT_EQ(m_host.m_commands.size(), 2u);
    EXPECT_EQ(m_host.m_commands[1].state, 0);
    EXPECT_EQ(m_host.m_commands[1].shown, kUp);
    EXPECT_EQ(CountShown(kUp), kControlArea);
}

TEST_F(SkinButtonClick, NoToggleButtonKeepsItsFaceButStillRepaints) {
    LoadFaces();
    m_button.m_bNoToggle = 1;
    Scribble();

    Click();
    ASSERT_EQ(m_host.m_commands.size(), 1u);
    EXPECT_EQ(m_host.m_commands[0].wParam, MAKEWPARAM(IDC_TOPMOST, STN_CLICKED));
    EXPECT_EQ(m_host.m_commands[0].state, 0);
    EXPECT_EQ(m_host.m_commands[0].shown, kUp);

    Click();
    EXPECT_EQ(m_button.GetState(), 0);
    EXPECT_EQ(CountShown(kUp), kControlArea);
}

using SkinButtonLoad = SkinButtonTest;

TEST_F(SkinButtonLoad, MissingFileTellsTheUserAndKeepsTheEarlierFace) {
    LoadFaces();
    const std::string missing = m_folder.File("no such face.bmp");

    EXPECT_EQ(m_button.LoadBitmapUp(missing), 0);
    EXPECT_EQ(m_button.LoadBitmapDown(missing), 0);

    ASSERT_EQ(m_interaction.m_messageBoxes.size(), 2u);
    for (const MessageBoxCall& box : m_interaction.m_messageBoxes) {
        EXPECT_EQ(box.text, "Path to the bitmap does not exists...\n" + missing);
        EXPECT_EQ(box.caption, CWinApp::Title());
        EXPECT_EQ(box.type, static_cast<UINT>(MB_OK));
    }
    m_button.SetState(0);
    EXPECT_EQ(CountShown(kUp), kControlArea);
    m_button.SetState(1);
    EXPECT_EQ(CountShown(kDown), kControlArea);
}

TEST_F(SkinButtonLoad, FileThatIsNotABitmapCountsAsMissing) {
    LoadFaces();
    const std::string broken = m_folder.File("broken.bmp");
    WriteFileBytes(broken, "not a bitmap");

    EXPECT_EQ(m_button.LoadBitmapUp(broken), 0);
    ASSERT_EQ(m_interaction.m_messageBoxes.size(), 1u);
    EXPECT_EQ(m_interaction.m_messageBoxes[0].text,
              "Path to the bitmap does not exists...\n" + broken);
    m_button.SetState(0);
    EXPECT_EQ(CountShown(kUp), kControlArea);
}

TEST_F(SkinButtonLoad, EmptyNameShowsHowToCallIt) {
    LoadFaces();

    EXPECT_EQ(m_button.LoadBitmapUp(""), 0);
    EXPECT_EQ(m_button.LoadBitmapDown(""), 0);

    ASSERT_EQ(m_interaction.m_messageBoxes.size(), 2u);
    EXPECT_EQ(m_interaction.m_messageBoxes[0].text, "Usage: LoadBitmapUp(<Filename>)");
    EXPECT_EQ(m_interaction.m_messageBoxes[1].text, "Usage: LoadBitmapDown(<Filename>)");
    for (const MessageBoxCall& box : m_interaction.m_messageBoxes) {
        EXPECT_EQ(box.caption, CWinApp::Title());
        EXPECT_EQ(box.type, static_cast<UINT>(MB_OK));
    }
    m_button.SetState(0);
    EXPECT_EQ(CountShown(kUp), kControlArea);
    m_button.SetState(1);
    EXPECT_EQ(CountShown(kDown), kControlArea);
}

TEST_F(SkinButtonLoad, LoadingAFaceAgainShowsTheNewOne) {
    LoadFaces();
    const std::string otherUp = m_folder.File("other up.bmp");
    const std::string otherDown = m_folder.File("other down.bmp");
    WriteSolidBitmap(otherUp, kControlWidth, kControlHeight, kMark);
    WriteSolidBitmap(otherDown, kControlWidth, kControlHeight, kScribble);

    EXPECT_EQ(m_button.LoadBitmapUp(otherUp), 1);
    EXPECT_EQ(m_button.LoadBitmapDown(otherDown), 1);

    m_button.SetState(0);
    EXPECT_EQ(CountShown(kMark), kControlArea);
    m_button.SetState(1);
    EXPECT_EQ(CountShown(kScribble), kControlArea);
    EXPECT_TRUE(m_interaction.m_messageBoxes.empty());
}

// The bar as the application's main window (not created: only its target matters), and
// another window in front of the target.
class SkinButtonDoubleClick : public SkinButtonTest {
protected:
    void SetUp() override {
        SkinButtonTest::SetUp();
        LoadFaces();
        CWinApp::SetMainWnd(&m_bar);
        m_bar.m_pTarget = m_target.Handle();
        m_target.BringToFront();
        m_other.BringToFront();
        ASSERT_EQ(::GetForegroundWindow(), m_other.Handle());
    }
    void TearDown() override { CWinApp::SetMainWnd(nullptr); }

    CButtonBarDlg m_bar;
    CForeignWindow m_target{"Skin button target"};
    CForeignWindow m_other{"Skin button other", {150, 150, 450, 350}};
};

TEST_F(SkinButtonDoubleClick, LeftDoubleClickOnHOrABringsTheTargetForward) {
    for (int noToggle : {0, 1}) {
        m_button.m_bNoToggle = noToggle;
        m_other.BringToFront();
        m_host.m_commands.clear();

        m_button.SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5));

        EXPECT_TRUE(PumpUntil([this] { return ::GetForegroundWindow() == m_target.Handle(); }));
        ASSERT_EQ(m_host.m_commands.size(), 1u);
        EXPECT_EQ(m_host.m_commands[0].wParam, MAKEWPARAM(IDC_TOPMOST, STN_DBLCLK));
        EXPECT_EQ(m_host.m_commands[0].foreground, m_target.Handle())
            << "the target comes forward before the static's notification";
        EXPECT_EQ(m_button.GetState(), 0) << "a double-click does not flip the face";
    }
}

TEST_F(SkinButtonDoubleClick, LeftDoubleClickOnTLeavesTheTargetBehind) {
    m_button.m_bOpensSlider = 1;

    m_button.SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5));
    PumpMessages(100);

    EXPECT_NE(::GetForegroundWindow(), m_target.Handle());
}

TEST_F(SkinButtonDoubleClick, RightDoubleClickBringsTheTargetForwardOnEveryButton) {
    for (int opensSlider : {0, 1}) {
        m_button.m_bOpensSlider = opensSlider;
        m_other.BringToFront();

        m_button.SendMessage(WM_RBUTTONDBLCLK, MK_RBUTTON, MAKELPARAM(5, 5));

        EXPECT_TRUE(PumpUntil([this] { return ::GetForegroundWindow() == m_target.Handle(); }))
            << "m_bOpensSlider " << opensSlider;
    }
}

TEST_F(SkinButtonDoubleClick, WithoutTheBarOnlyTheParentHearsOfIt) {
    CWinApp::SetMainWnd(&m_host);

    m_button.SendMessage(WM_RBUTTONDBLCLK, MK_RBUTTON, MAKELPARAM(5, 5));
    m_button.SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5));
    PumpMessages(100);

    EXPECT_EQ(::GetForegroundWindow(), m_other.Handle());
    ASSERT_EQ(m_host.m_commands.size(), 1u);
    EXPECT_EQ(m_host.m_commands[0].wParam, MAKEWPARAM(IDC_TOPMOST, STN_DBLCLK));
}

// The bar's own template with its three statics bound the way the bar binds them.
class CBarTemplate : public CDialog {
public:
    CBarTemplate() : CDialog(IDD_BUTTONBAR) {}

    void DoDataExchange() override {
        DDX_Control(IDC_HIDE, m_hide);
        DDX_Control(IDC_TRANSPARENCY, m_transparency);
        DDX_Control(IDC_TOPMOST, m_topmost);
    }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_COMMAND) {
            m_commands.push_back(wParam);
        }
        return CDialog::WindowProc(message, wParam, lParam);
    }

    CSkinButton m_hide;
    CSkinButton m_transparency;
    CSkinButton m_topmost;
    std::vector<WPARAM> m_commands;
};

// The pixels of a bitmap file.
class CBitmapFile {
public:
    explicit CBitmapFile(const std::string& path)
        : m_hBitmap(static_cast<HBITMAP>(::LoadImageA(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0,
                                                      LR_LOADFROMFILE | LR_CREATEDIBSECTION))),
          m_hDC(::CreateCompatibleDC(nullptr)), m_hPrevious(::SelectObject(m_hDC, m_hBitmap)) {
        BITMAP info = {};
        ::GetObjectA(m_hBitmap, sizeof info, &info);
        m_width = info.bmWidth;
        m_height = info.bmHeight;
    }
    ~CBitmapFile() {
        ::SelectObject(m_hDC, m_hPrevious);
        ::DeleteDC(m_hDC);
        ::DeleteObject(m_hBitmap);
    }
    CBitmapFile(const CBitmapFile&) = delete;
    CBitmapFile& operator=(const CBitmapFile&) = delete;

    COLORREF At(int x, int y) const { return ::GetPixel(m_hDC, x, y); }

    int m_width = 0;
    int m_height = 0;

private:
    HBITMAP m_hBitmap;
    HDC m_hDC;
    HGDIOBJ m_hPrevious;
};

class SkinButtonOnBar : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_bar.Create(IDD_BUTTONBAR, nullptr));
        const std::string skin = CWinApp::ProgramFolder() + "\\gfx\\Windows Standard\\";
        for (auto [button, letter] :
             {std::pair{&m_bar.m_hide, "H"}, std::pair{&m_bar.m_transparency, "T"},
              std::pair{&m_bar.m_topmost, "A"}}) {
            ASSERT_EQ(button->LoadBitmapDown(skin + letter + "-DOWN.BMP"), 1);
            ASSERT_EQ(button->LoadBitmapUp(skin + letter + "-UP.BMP"), 1);
        }
        m_bar.m_hide.m_bNoToggle = 1;
        ::SetWindowPos(m_bar.m_hWnd, HWND_TOPMOST, 300, 300, 0, 0,
                       SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
        ::UpdateWindow(m_bar.m_hWnd);
    }

    // Pixels of the control that differ from the bitmap, leaving out where H and A overlap.
    int Differences(int id, const std::string& bitmapName) const {
        CBitmapFile bitmap(CWinApp::ProgramFolder() + "\\gfx\\Windows Standard\\" + bitmapName);
        EXPECT_GT(bitmap.m_width, 0) << bitmapName;
        RECT overlap = {};
        RECT hide = ControlRect(IDC_HIDE);
        RECT topmost = ControlRect(IDC_TOPMOST);
        ::IntersectRect(&overlap, &hide, &topmost);
        RECT control = ControlRect(id);
        CWindowPixels shown(m_bar.m_hWnd);
        int differences = 0;
        for (int y = 0; y < bitmap.m_height && control.top + y < control.bottom; ++y) {
            for (int x = 0; x < bitmap.m_width && control.left + x < control.right; ++x) {
                POINT at = {control.left + x, control.top + y};
                if (!::PtInRect(&overlap, at)) {
                    differences += shown.At(at.x, at.y) != bitmap.At(x, y) ? 1 : 0;
                }
            }
        }
        return differences;
    }

    RECT ControlRect(int id) const {
        RECT rect = {};
        HWND control = m_bar.GetDlgItem(id);
        ::GetWindowRect(control, &rect);
        ::MapWindowPoints(nullptr, m_bar.m_hWnd, reinterpret_cast<POINT*>(&rect), 2);
        return rect;
    }

    void Click(int id) {
        HWND control = m_bar.GetDlgItem(id);
        ::SendMessageA(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
        ::SendMessageA(control, WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
    }

    CScriptedInteraction m_interaction;
    CBarTemplate m_bar;
};

TEST_F(SkinButtonOnBar, DefaultSkinShowsTheUpFaces) {
    EXPECT_EQ(Differences(IDC_HIDE, "H-UP.BMP"), 0);
    EXPECT_EQ(Differences(IDC_TOPMOST, "A-UP.BMP"), 0);
    EXPECT_EQ(Differences(IDC_TRANSPARENCY, "T-UP.BMP"), 0);
    EXPECT_GT(Differences(IDC_TOPMOST, "A-DOWN.BMP"), 0) << "the two faces must differ";
    EXPECT_TRUE(m_interaction.m_messageBoxes.empty());
}

TEST_F(SkinButtonOnBar, ClicksReachTheBarWithTheControlIds) {
    Click(IDC_HIDE);
    Click(IDC_TOPMOST);
    Click(IDC_TRANSPARENCY);

    EXPECT_EQ(m_bar.m_commands, (std::vector<WPARAM>{MAKEWPARAM(IDC_HIDE, STN_CLICKED),
                                                     MAKEWPARAM(IDC_TOPMOST, STN_CLICKED),
                                                     MAKEWPARAM(IDC_TRANSPARENCY, STN_CLICKED)}));
    EXPECT_EQ(Differences(IDC_HIDE, "H-UP.BMP"), 0) << "H keeps its face";
    EXPECT_EQ(Differences(IDC_TOPMOST, "A-DOWN.BMP"), 0);
    EXPECT_EQ(Differences(IDC_TRANSPARENCY, "T-DOWN.BMP"), 0);
}

} // namespace
