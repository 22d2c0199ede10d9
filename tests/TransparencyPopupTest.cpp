#include "tests/BarFixture.h"
#include "windows/TransparencyDlg.h"

#include <commctrl.h>

namespace {

// The bar riding on a plain target; the pop-up opened with real double-clicks on T.
class TransparencyPopup : public BarFixture {
protected:
    void SetUp() override {
        Start();
        ASSERT_EQ(1, bar->TransparencySupported()); // Wine reports NT 6.1
        RideOn(target);
    }

    CTransparencyDlg* Open() {
        bar->m_btnTransparency.SendMessage(WM_LBUTTONDBLCLK, 0, MAKELPARAM(3, 3));
        return Popup();
    }
    CTransparencyDlg* Popup() const { return bar->m_btnTransparency.m_pTransparencyDlg.get(); }
    int Thumb() const {
        return static_cast<int>(::SendMessageA(Popup()->m_sliderAlpha.m_hWnd, TBM_GETPOS, 0, 0));
    }
    void Scroll(WORD code, int position) const {
        ::SendMessageA(Popup()->m_hWnd, WM_HSCROLL, MAKEWPARAM(code, position),
                       reinterpret_cast<LPARAM>(Popup()->m_sliderAlpha.m_hWnd));
    }
    int TargetAlpha() const { return LayeredAlpha(target.Handle()); }

    CForeignWindow target{"Popup target", {200, 150, 700, 450}};
};

TEST_F(TransparencyPopup, DoubleClickOnTOpensAFreshPopupAtTheLevelAndACornerBoxHidesIt) {
    CTransparencyDlg* first = Open();
    ASSERT_NE(nullptr, first);
    EXPECT_EQ(200, TargetAlpha()) << "the stored level is applied to the plain target";
    EXPECT_TRUE(::IsWindowVisible(first->m_hWnd) && first->m_bShown == 1);
    EXPECT_EQ(200, Thumb());

    Scroll(SB_THUMBTRACK, 77);
    HWND old = first->m_hWnd;
    CTransparencyDlg* second = Open();
    EXPECT_FALSE(::IsWindow(old));
    EXPECT_EQ(77, Thumb());
    EXPECT_EQ(77, TargetAlpha());

    second->m_btnCloseLeft.SendMessage(BM_CLICK);
    EXPECT_FALSE(::IsWindowVisible(second->m_hWnd) || second->m_bShown);
    EXPECT_EQ(second, Popup());
    EXPECT_EQ(BST_CHECKED, second->m_btnCloseLeft.SendMessage(BM_GETCHECK));
    old = second->m_hWnd;
    EXPECT_TRUE(::IsWindowVisible(Open()->m_hWnd));
    EXPECT_FALSE(::IsWindow(old));
}

TEST_F(TransparencyPopup, OnlyDraggingTheThumbSetsTheLevel) {
    Open();
    Scroll(SB_THUMBTRACK, 0);
    EXPECT_EQ(0, TargetAlpha());
    for (WORD code : {SB_THUMBPOSITION, SB_ENDSCROLL, SB_PAGEDOWN, SB_LINEDOWN}) {
        Scroll(code, 90);
        EXPECT_EQ(0, TargetAlpha()) << "scroll code " << code;
    }
}

TEST_F(TransparencyPopup, EnterAndEscNeitherHideNorEndIt) {
    for (UINT key : {VK_RETURN, VK_ESCAPE}) {
        CTransparencyDlg* popup = Open();
        MSG msg = {popup->m_sliderAlpha.m_hWnd, WM_KEYDOWN, key, 0, 0, {}};
        EXPECT_TRUE(CWinApp::PreTranslateMessage(msg)) << key;
        PumpMessages();
        EXPECT_TRUE(::IsWindowVisible(popup->m_hWnd) && popup->m_bShown) << key;
        EXPECT_EQ(-1, popup->GetModalResult()) << key;
    }
}

TEST_F(TransparencyPopup, InFrontItKeepsTheFocusAndFreezesTheBarElseItRidesWithIt) {
    CTransparencyDlg* popup = Open();
    ASSERT_TRUE(PumpUntil([&] { return ::GetForegroundWindow() == popup->m_hWnd; }));
    Scroll(SB_THUMBTRACK, 120);
    PumpMessages(50);
    EXPECT_EQ(popup->m_hWnd, ::GetForegroundWindow()) << "dragging leaves the focus with it";
    const RECT opened = WindowRect(popup->m_hWnd), barBefore = WindowRect(bar->m_hWnd);

    ::SetWindowPos(target.Handle(), nullptr, 100, 250, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    Tick();
    EXPECT_TRUE(SameRect(opened, WindowRect(popup->m_hWnd)));
    EXPECT_TRUE(SameRect(barBefore, WindowRect(bar->m_hWnd)));

    // Back in the target, the pop-up goes to the bar's top-left with its own size.
    RideOn(target);
    const RECT barNow = WindowRect(bar->m_hWnd);
    EXPECT_TRUE(SameRect({barNow.left, barNow.top, barNow.left + opened.right - opened.left,
                          barNow.top + opened.bottom - opened.top},
                         WindowRect(popup->m_hWnd)));

    // Closed, it stays where it was left and no longer holds the target back.
    popup->m_btnCloseRight.SendMessage(BM_CLICK);
    EXPECT_FALSE(::IsWindowVisible(popup->m_hWnd));
    const RECT closed = WindowRect(popup->m_hWnd);
    ::SetWindowPos(target.Handle(), nullptr, 250, 100, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    Tick();
    EXPECT_TRUE(SameRect(ExpectedBarRect(target.Handle()), WindowRect(bar->m_hWnd)));
    EXPECT_TRUE(SameRect(closed, WindowRect(popup->m_hWnd)));
    ::SetForegroundWindow(bar->m_hWnd);
    bar->SetTransparencyLevel(150);
    EXPECT_TRUE(PumpUntil([&] { return ::GetForegroundWindow() == target.Handle(); }));
    EXPECT_EQ(150, TargetAlpha());
}

} // namespace
