#include "controls/SkinButton.h"

#include "app/ButtonBarDlg.h"
#include "platform/WinApp.h"
#include "resource.h"
#include "tests/TestSupport.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

const std::string kSkin = CWinApp::ProgramFile("gfx\\Windows Standard\\");
const RECT kControl = {10, 10, 28, 25}; // in the host's client coordinates, as big as A's faces
const std::string kNothing;             // no face: only the background shows

// A button on the bar's kind of static; the host notes what it showed at each command.
class SkinButtonTest : public ::testing::Test, public CWnd {
protected:
    void SetUp() override {
        ::ShowWindow(m_host.Handle(), SW_SHOWNA);
        SubclassWindow(m_host.Handle());
        m_button.SubclassWindow(
            ::CreateWindowExA(0, "STATIC", "A", WS_CHILD | WS_VISIBLE | SS_NOTIFY, 10, 10, 18, 15,
                              m_hWnd, reinterpret_cast<HMENU>(IDC_TOPMOST), nullptr, nullptr));
        ::UpdateWindow(m_hWnd);
    }
    void TearDown() override { CWinApp::SetMainWnd(nullptr); }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_COMMAND) {
            const int state = m_button.GetState();
            m_commands.emplace_back(wParam, state, Shows(m_faces[state]));
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
    int Load(int down, const std::string& file) {
        return down ? m_button.LoadBitmapDown(file) : m_button.LoadBitmapUp(file);
    }
    bool Shows(const std::string& face) const { return Differences(m_hWnd, kControl, face) == 0; }
    // Covers the control without invalidating it: only a repaint brings a face back.
    void Scribble() const {
        HDC dc = ::GetDC(m_hWnd);
        ::FillRect(dc, &kControl, static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)));
        ::ReleaseDC(m_hWnd, dc);
    }

    CTempFolder m_folder;
    const std::string m_faces[2] = {kSkin + "A-UP.BMP", kSkin + "A-DOWN.BMP"};
    CScriptedInteraction m_interaction;
    CForeignWindow m_host{"host", {200, 200, 320, 300}, WS_EX_TOOLWINDOW | WS_EX_TOPMOST};
    CSkinButton m_button;
    std::vector<std::tuple<WPARAM, int, bool>> m_commands; // the state, and whether it showed
};

// Which face is loaded first: either face alone shows nothing, not even the text.
class SkinButtonFaces : public SkinButtonTest, public ::testing::WithParamInterface<int> {};

TEST_P(SkinButtonFaces, NeedBothAreReplacedButKeptThroughBadNamesAndSetStateRepaintsAtOnce) {
    const int first = GetParam();
    ASSERT_EQ(Load(first, m_faces[first]), 1);
    for (int state : {0, 1}) {
        m_button.SetState(state);
        EXPECT_TRUE(Shows(kNothing)) << "state " << state;
    }
    ASSERT_EQ(Load(1 - first, m_faces[1 - first]), 1);
    const std::string other = kSkin + "T-DOWN.BMP", missing = m_folder.File("no such.bmp"),
                      broken = m_folder.File("broken.bmp");
    ASSERT_EQ(m_button.LoadBitmapDown(other), 1);
    WriteFileBytes(broken, "not a bitmap");
    for (const std::string& name : {missing, broken, kNothing}) {
        EXPECT_EQ(Load(0, name) + Load(1, name), 0) << name;
    }
    std::vector<std::string> texts;
    for (const MessageBoxCall& box : m_interaction.m_messageBoxes) {
        texts.push_back(box.text.substr(box.text.find('\n') + 1));
    }
    EXPECT_EQ(texts, (std::vector<std::string>{missing, missing, broken, broken,
                                               "Usage: LoadBitmapUp(<Filename>)",
                                               "Usage: LoadBitmapDown(<Filename>)"}));
    for (int state : {1, 1, 0}) { // the same face too
        Scribble();
        m_button.SetState(state);
        EXPECT_TRUE(Shows(state ? other : m_faces[0])) << "state " << state;
    }
}
INSTANTIATE_TEST_SUITE_P(SkinButton, SkinButtonFaces, ::testing::Values(0, 1));

TEST_F(SkinButtonTest, FaceIsCopiedOneToOneAtTheTopLeftAndClippedByLargerAndSmallerControls) {
    ASSERT_EQ(Load(0, m_faces[0]) + Load(1, m_faces[1]), 2);
    for (const SIZE size : {SIZE{40, 30}, SIZE{10, 6}}) {
        const RECT control = {10, 10, 10 + size.cx, 10 + size.cy}; // at kControl's top-left
        m_button.MoveWindow(control.left, control.top, size.cx, size.cy);
        RedrawWindow(RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        EXPECT_EQ(Differences(m_hWnd, control, m_faces[0]), 0) << "background past the face";
        const RECT right = {control.right, kControl.top, kControl.right, kControl.bottom};
        const RECT below = {kControl.left, control.bottom, kControl.right, kControl.bottom};
        EXPECT_EQ(Differences(m_hWnd, right, kNothing) + Differences(m_hWnd, below, kNothing), 0);
    }
}

TEST_F(SkinButtonTest, ClickShowsTheFaceBeforeTheParentHearsOfIt) {
    ASSERT_EQ(Load(0, m_faces[0]) + Load(1, m_faces[1]), 2);
    // A toggling button flips at each click; H (m_bNoToggle) keeps its face.
    const std::pair<int, int> clicks[] = {{0, 1}, {0, 0}, {1, 0}}; // no-toggle, face
    for (size_t i = 0; i < 3; ++i) {
        m_button.m_bNoToggle = clicks[i].first;
        Scribble();
        m_button.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
        m_button.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
        ASSERT_EQ(m_commands.size(), i + 1);
        EXPECT_EQ(m_commands[i],
                  std::make_tuple(MAKEWPARAM(IDC_TOPMOST, STN_CLICKED), clicks[i].second, true));
    }
}

TEST_F(SkinButtonTest, DoubleClickBringsTheBarsTargetForwardWithoutAFlip) {
    CButtonBarDlg bar; // not created: only its target matters
    CForeignWindow target("Skin button target"), other("Skin button other", {150, 150, 450, 350});
    CWinApp::SetMainWnd(&bar);
    bar.m_pTarget = target.Handle();
    // T's left double-click opens the transparency pop-up instead.
    for (const auto& [opensSlider, left] : {std::pair(false, true), std::pair(true, false)}) {
        m_button.m_bOpensSlider = opensSlider;
        target.BringToFront();
        other.BringToFront();
        m_commands.clear();
        m_button.SendMessage(left ? WM_LBUTTONDBLCLK : WM_RBUTTONDBLCLK, 0, MAKELPARAM(5, 5));
        EXPECT_TRUE(PumpUntil([&] { return ::GetForegroundWindow() == target.Handle(); }));
        EXPECT_EQ(m_button.GetState(), 0);
        // The parent still hears of a left one, to act on it itself.
        EXPECT_EQ(m_commands.size(), left ? 1u : 0u);
        if (left && !m_commands.empty()) {
            EXPECT_EQ(std::get<0>(m_commands[0]), MAKEWPARAM(IDC_TOPMOST, STN_DBLCLK));
        }
    }
}

} // namespace
