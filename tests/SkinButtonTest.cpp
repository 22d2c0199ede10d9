#include "controls/SkinButton.h"
#include "controls/SkinButtonOwner.h"
#include "platform/WinApp.h"
#include "resource.h"
#include "tests/TestSupport.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

const std::string kSkin = CWinApp::ProgramFile("gfx\\Windows Standard\\");
const RECT kControl = {10, 10, 28, 25}; // in the host's client coordinates, as big as A's faces

// A button on the bar's kind of static, owned by the test; the host notes what the button
// showed at each command it heard.
class SkinButtonTest : public ::testing::Test, public CWnd, public CSkinButtonOwner {
protected:
    void SetUp() override {
        ::ShowWindow(m_host.Handle(), SW_SHOWNA);
        SubclassWindow(m_host.Handle());
        m_button.SubclassWindow(
            ::CreateWindowExA(0, "STATIC", "A", WS_CHILD | WS_VISIBLE | SS_NOTIFY, 10, 10, 18, 15,
                              m_hWnd, reinterpret_cast<HMENU>(IDC_TOPMOST), nullptr, nullptr));
        ::UpdateWindow(m_hWnd);
    }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_COMMAND) {
            const int state = m_button.GetState();
            m_commands.emplace_back(wParam, state, Shows(m_faces[state]));
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
    void ActivateTarget() override { m_calls.push_back("activate"); }
    int GetTransparencyLevel() const override { return 200; }
    void SetTransparencyLevel(int level) override {
        m_calls.push_back("level " + std::to_string(level));
    }
    const std::vector<HWND>& HiddenWindows() const override { return m_hidden; }
    void ShowWindowSelector() override { m_calls.push_back("selector"); }
    int IsAutoMaximizeOn() const override { return 0; }
    void ApplySkin(const std::string& folder) override { m_calls.push_back("skin " + folder); }

    bool Shows(const std::string& face) const { return Differences(m_hWnd, kControl, face) == 0; }
    // Covers the control without invalidating it: only a repaint brings a face back.
    void Scribble() const {
        HDC dc = ::GetDC(m_hWnd);
        ::FillRect(dc, &kControl, static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)));
        ::ReleaseDC(m_hWnd, dc);
    }

    const std::string m_faces[2] = {kSkin + "A-UP.BMP", kSkin + "A-DOWN.BMP"};
    CScriptedInteraction m_interaction;
    CForeignWindow m_host{"host", {200, 200, 320, 300}, WS_EX_TOOLWINDOW | WS_EX_TOPMOST};
    CSkinButton m_button{*this};
    std::vector<HWND> m_hidden;
    std::vector<std::string> m_calls;
    std::vector<std::tuple<WPARAM, int, bool>> m_commands; // the state, and whether it showed
};

TEST_F(SkinButtonTest, ClickShowsTheFaceBeforeTheParentHearsOfIt) {
    ASSERT_EQ(2, m_button.LoadBitmapUp(m_faces[0]) + m_button.LoadBitmapDown(m_faces[1]));
    // A toggling button flips at each click; H keeps its face.
    const std::pair<int, int> clicks[] = {{0, 1}, {0, 0}, {1, 0}}; // no-toggle, face
    for (std::size_t i = 0; i < 3; ++i) {
        m_button.SetNoToggle(clicks[i].first);
        Scribble();
        m_button.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
        m_button.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
        ASSERT_EQ(i + 1, m_commands.size());
        EXPECT_EQ(std::make_tuple(MAKEWPARAM(IDC_TOPMOST, STN_CLICKED), clicks[i].second, true),
                  m_commands[i]);
    }
}

TEST_F(SkinButtonTest, DoubleClicksActivateTheTargetAndMenuCommandsGoToOwnerOrParent) {
    m_button.SendMessage(WM_RBUTTONDBLCLK, 0, MAKELPARAM(5, 5));
    m_button.SendMessage(WM_LBUTTONDBLCLK, 0, MAKELPARAM(5, 5));
    ASSERT_EQ(1u, m_commands.size()); // the parent hears of a left one, to act on it itself
    EXPECT_EQ(MAKEWPARAM(IDC_TOPMOST, STN_DBLCLK), std::get<0>(m_commands[0]));
    EXPECT_EQ(0, m_button.GetState());
    m_commands.clear();
    for (UINT command :
         {ID_TRANSPARENCY_90, ID_TRANSPARENCY_50, ID_TRANSPARENCY_10, ID_TRANSPARENCY_OFF,
          ID_WINDOWSELECTOR, ID_QUIT, ID_AUTOMAXIMIZE, 60000, 65535}) {
        m_button.SendMessage(WM_COMMAND, command, 0);
    }
    EXPECT_EQ((std::vector<std::string>{"activate", "activate", "level 229", "level 127",
                                        "level 25", "level 255", "selector"}),
              m_calls);
    std::vector<WPARAM> passed;
    for (const auto& command : m_commands) {
        passed.push_back(std::get<0>(command));
    }
    EXPECT_EQ((std::vector<WPARAM>{ID_QUIT, ID_AUTOMAXIMIZE, 60000, 65535}), passed);
}

} // namespace
