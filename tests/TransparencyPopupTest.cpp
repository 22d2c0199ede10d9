#include "tests/BarFixture.h"
#include "windows/TransparencyDlg.h"

#include <commctrl.h>

namespace {

// The bar riding on a plain target; the pop-up opened with real double-clicks on T.
class TransparencyPopup : public BarFixture {
protected:
    void SetUp() override {
        Start();
        ASSERT_EQ(1, bar->TransparencySupported());
        RideOn(target);
    }

    CTransparencyDlg* Open() {
        bar->m_btnTransparency.SendMessage(WM_LBUTTONDBLCLK, 0, MAKELPARAM(3, 3));
        return Popup();
    }
    CTransparencyDlg* Popup() const { return bar->m_btnTransparency.m_pTransparencyDlg.get(); }
    LRESULT ToSlider(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return ::SendMessageA(Popup()->m_sliderAlpha.m_hWnd, message, wParam, lParam);
    }
    int Thumb() const { return static_cast<int>(ToSlider(TBM_GETPOS)); }
    void Scroll(WORD code, int position) const {
        ::SendMessageA(Popup()->m_hWnd, WM_HSCROLL, MAKEWPARAM(code, position),
                       reinterpret_cast<LPARAM>(Popup()->m_sliderAlpha.m_hWnd));
    }
    int TargetAlpha() const { return LayeredAlpha(target.Handle()); }

    // The mouse pressed on the slider's channel at x (null: the thumb's middle), moved to toX
    // and let go; client coordinates.
    void Drag(const int* x, int toX) const {
        RECT channel = {}, thumb = {};
        ToSlider(TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&channel));
        ToSlider(TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
        const int from = x ? *x : (thumb.left + thumb.right) / 2;
        const int y = (channel.top + channel.bottom) / 2;
        ToSlider(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(from, y));
        ToSlider(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(toX, y));
        ToSlider(WM_LBUTTONUP, 0, MAKELPARAM(toX, y));
    }
    int SliderWidth() const { return Popup()->m_sliderAlpha.GetClientRect().right; }

    CForeignWindow target{"Popup target", {200, 150, 700, 450}};
};

TEST_F(TransparencyPopup, DoubleClickOnTOpensAFreshPopupAtTheLevel) {
    CTransparencyDlg* first = Open();
    ASSERT_NE(nullptr, first);
    EXPECT_EQ(200, TargetAlpha()) << "the stored level is applied to the plain target";
    EXPECT_TRUE(::IsWindowVisible(first->m_hWnd));
    EXPECT_EQ(1, first->m_bShown);
    EXPECT_EQ(200, Thumb());
    for (CButton* box : {&first->m_btnCloseLeft, &first->m_btnCloseRight}) {
        EXPECT_EQ(BST_CHECKED, box->SendMessage(BM_GETCHECK));
    }

    // Open again, over an open pop-up and over a closed one: each time a new one at the level.
    Scroll(SB_THUMBTRACK, 77);
    HWND old = first->m_hWnd;
    CTransparencyDlg* second = Open();
    EXPECT_FALSE(::IsWindow(old));
    EXPECT_TRUE(::IsWindowVisible(second->m_hWnd));
    EXPECT_EQ(77, Thumb());
    EXPECT_EQ(77, TargetAlpha());

    // A corner box hides it and keeps it.
    second->m_btnCloseLeft.SendMessage(BM_CLICK);
    EXPECT_FALSE(::IsWindowVisible(second->m_hWnd) || second->m_bShown);
    EXPECT_EQ(second, Popup());
    EXPECT_EQ(BST_CHECKED, second->m_btnCloseLeft.SendMessage(BM_GETCHECK));
    old = second->m_hWnd;
    EXPECT_EQ(1, Open()->m_bShown);
    EXPECT_FALSE(::IsWindow(old));
    EXPECT_EQ(77, Thumb());
}

// Clicks on the channel, keys and the end of a drag move the thumb alone.
TEST_F(TransparencyPopup, OnlyDraggingTheThumbSetsTheLevel) {
    Open();
    Drag(nullptr, -50); // past the left end
    EXPECT_EQ(0, Thumb());
    EXPECT_EQ(0, TargetAlpha());
    EXPECT_TRUE(::IsWindowVisible(Popup()->m_hWnd) && ::IsWindowVisible(bar->m_hWnd));

    const int channel = SliderWidth() * 3 / 4;
    Drag(&channel, channel);
    EXPECT_GT(Thumb(), 0);
    EXPECT_EQ(0, TargetAlpha());
    for (WORD code : {SB_THUMBPOSITION, SB_ENDSCROLL, SB_PAGEDOWN, SB_LINEDOWN}) {
        Scroll(code, 90);
        EXPECT_EQ(0, TargetAlpha()) << "scroll code " << code;
    }

    // Dragged to the right end: the target becomes plain, the next T starts again at 200.
    Drag(nullptr, SliderWidth() + 50);
    EXPECT_EQ(255, Thumb());
    EXPECT_EQ(-1, TargetAlpha());
    EXPECT_EQ(200, bar->GetTransparencyLevel());
}

TEST_F(TransparencyPopup, EnterAndEscNeitherHideNorEndIt) {
    for (UINT key : {VK_RETURN, VK_ESCAPE}) {
        CTransparencyDlg* popup = Open();
        MSG msg = {popup->m_sliderAlpha.m_hWnd, WM_KEYDOWN, key, 0, 0, {}};
        EXPECT_TRUE(CWinApp::PreTranslateMessage(msg)) << "the dialog manager takes key " << key;
        PumpMessages();
        EXPECT_TRUE(::IsWindowVisible(popup->m_hWnd) && popup->m_bShown) << key;
        EXPECT_EQ(-1, popup->GetModalResult()) << "never ended like a modal dialog";
    }
}

TEST_F(TransparencyPopup, InFrontItKeepsTheFocusAndFreezesTheBarElseItRidesWithIt) {
    CTransparencyDlg* popup = Open();
    ASSERT_TRUE(PumpUntil([&] { return ::GetForegroundWindow() == popup->m_hWnd; }));
    Scroll(SB_THUMBTRACK, 120);
    PumpMessages(50);
    EXPECT_EQ(popup->m_hWnd, ::GetForegroundWindow()) << "dragging leaves the focus with it";
    const RECT opened = WindowRect(popup->m_hWnd), barBefore = WindowRect(bar->m_hWnd);

    // The target moves away under it, nothing follows.
    ::SetWindowPos(target.Handle(), nullptr, 100, 250, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    Tick();
    EXPECT_TRUE(SameRect(opened, WindowRect(popup->m_hWnd)));
    EXPECT_TRUE(SameRect(barBefore, WindowRect(bar->m_hWnd)));
    EXPECT_EQ(target.Handle(), bar->m_pTarget);

    // Back in the target, the pop-up goes to the bar's top-left with its own size.
    RideOn(target);
    const RECT barNow = WindowRect(bar->m_hWnd);
    EXPECT_TRUE(SameRect(ExpectedBarRect(target.Handle()), barNow));
    EXPECT_TRUE(SameRect({barNow.left, barNow.top, barNow.left + opened.right - opened.left,
                          barNow.top + opened.bottom - opened.top},
                         WindowRect(popup->m_hWnd)));

    // Closed, it stays where it was left and no longer holds the target back.
    popup->m_btnCloseRight.SendMessage(BM_CLICK);
    EXPECT_FALSE(::IsWindowVisible(popup->m_hWnd) || popup->m_bShown);
    EXPECT_EQ(BST_CHECKED, popup->m_btnCloseRight.SendMessage(BM_GETCHECK));
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
