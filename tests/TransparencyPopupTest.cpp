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
        target.BringToFront();
        Tick();
        ASSERT_EQ(target.Handle(), bar->m_pTarget);
    }

    CTransparencyDlg* Open() {
        bar->m_btnTransparency.SendMessage(WM_LBUTTONDBLCLK, 0, MAKELPARAM(3, 3));
        return Popup();
    }
    CTransparencyDlg* Popup() const { return bar->m_btnTransparency.m_pTransparencyDlg.get(); }
    HWND Slider() const { return Popup()->m_sliderAlpha.m_hWnd; }
    int Thumb() const { return static_cast<int>(::SendMessageA(Slider(), TBM_GETPOS, 0, 0)); }

    int TargetAlpha() const { return LayeredAlpha(target.Handle()); }

    // Presses the slider's left button at x (its own client coordinates) on its channel,
    // moves to toX and lets go, as the mouse would.
    void Press(int x, int toX) const {
        RECT channel = {};
        ::SendMessageA(Slider(), TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&channel));
        const int y = (channel.top + channel.bottom) / 2;
        ::SendMessageA(Slider(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
        ::SendMessageA(Slider(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(toX, y));
        ::SendMessageA(Slider(), WM_LBUTTONUP, 0, MAKELPARAM(toX, y));
    }
    int ThumbX() const {
        RECT thumb = {};
        ::SendMessageA(Slider(), TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
        return (thumb.left + thumb.right) / 2;
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
    EXPECT_EQ(0, ::SendMessageA(Slider(), TBM_GETRANGEMIN, 0, 0));
    EXPECT_EQ(255, ::SendMessageA(Slider(), TBM_GETRANGEMAX, 0, 0));
    for (HWND box : {first->m_btnCloseLeft.m_hWnd, first->m_btnCloseRight.m_hWnd}) {
        EXPECT_EQ(BST_CHECKED, ::SendMessageA(box, BM_GETCHECK, 0, 0));
    }

    // Open again, over an open pop-up and over a closed one: each time a new one at the level.
    ::SendMessageA(first->m_hWnd, WM_HSCROLL, MAKEWPARAM(SB_THUMBTRACK, 77),
                   reinterpret_cast<LPARAM>(Slider()));
    HWND old = first->m_hWnd;
    CTransparencyDlg* second = Open();
    EXPECT_FALSE(::IsWindow(old));
    EXPECT_TRUE(::IsWindowVisible(second->m_hWnd));
    EXPECT_EQ(77, Thumb());
    EXPECT_EQ(77, TargetAlpha());

    second->m_btnCloseLeft.SendMessage(BM_CLICK);
    old = second->m_hWnd;
    EXPECT_EQ(1, Open()->m_bShown);
    EXPECT_FALSE(::IsWindow(old));
    EXPECT_EQ(77, Thumb());
}

// Only a drag of the thumb sets the level; clicks on the channel, keys and the end of a drag
// move the thumb alone.
TEST_F(TransparencyPopup, OnlyDraggingTheThumbSetsTheLevel) {
    Open();
    Press(ThumbX(), -50); // dragged past the left end
    EXPECT_EQ(0, Thumb());
    EXPECT_EQ(0, TargetAlpha());
    EXPECT_TRUE(::IsWindowVisible(Popup()->m_hWnd));
    EXPECT_TRUE(::IsWindowVisible(bar->m_hWnd));

    Press(SliderWidth() * 3 / 4, SliderWidth() * 3 / 4); // a click on the channel
    EXPECT_GT(Thumb(), 0);
    EXPECT_EQ(0, TargetAlpha());
    for (WORD code : {SB_THUMBPOSITION, SB_ENDSCROLL, SB_PAGEDOWN, SB_LINEDOWN}) {
        ::SendMessageA(Popup()->m_hWnd, WM_HSCROLL, MAKEWPARAM(code, 90),
                       reinterpret_cast<LPARAM>(Slider()));
        EXPECT_EQ(0, TargetAlpha()) << "scroll code " << code;
    }

    // Dragged to the right end: the target becomes plain, the next T starts again at 200.
    Press(ThumbX(), SliderWidth() + 50);
    EXPECT_EQ(255, Thumb());
    EXPECT_EQ(-1, TargetAlpha());
    EXPECT_EQ(200, bar->GetTransparencyLevel());
}

TEST_F(TransparencyPopup, DraggingLeavesTheFocusWithTheShownPopup) {
    CTransparencyDlg* popup = Open();
    ASSERT_TRUE(PumpUntil([&] { return ::GetForegroundWindow() == popup->m_hWnd; }));
    ::SendMessageA(popup->m_hWnd, WM_HSCROLL, MAKEWPARAM(SB_THUMBTRACK, 120),
                   reinterpret_cast<LPARAM>(Slider()));
    PumpMessages(50);
    EXPECT_EQ(popup->m_hWnd, ::GetForegroundWindow());
    EXPECT_EQ(target.Handle(), bar->m_pTarget);

    // Closed, it no longer holds the target back.
    popup->m_btnCloseRight.SendMessage(BM_CLICK);
    ::SetForegroundWindow(bar->m_hWnd);
    bar->SetTransparencyLevel(150);
    EXPECT_TRUE(PumpUntil([&] { return ::GetForegroundWindow() == target.Handle(); }));
    EXPECT_EQ(150, TargetAlpha());
}

TEST_F(TransparencyPopup, CornerBoxesHideItButEnterAndEscDoNot) {
    for (UINT key : {VK_RETURN, VK_ESCAPE}) {
        CTransparencyDlg* popup = Open();
        MSG msg = {Slider(), WM_KEYDOWN, key, 0, 0, {}};
        EXPECT_TRUE(CWinApp::PreTranslateMessage(msg)) << "the dialog manager takes key " << key;
        PumpMessages();
        EXPECT_TRUE(::IsWindowVisible(popup->m_hWnd)) << "key " << key;
        EXPECT_EQ(1, popup->m_bShown);
        EXPECT_EQ(-1, popup->GetModalResult()) << "never ended like a modal dialog";
    }
    for (bool left : {true, false}) {
        CTransparencyDlg* popup = Open();
        CButton& box = left ? popup->m_btnCloseLeft : popup->m_btnCloseRight;
        box.SendMessage(BM_CLICK);
        EXPECT_FALSE(::IsWindowVisible(popup->m_hWnd)) << "left box " << left;
        EXPECT_EQ(0, popup->m_bShown);
        EXPECT_EQ(popup, Popup()) << "closing keeps the pop-up";
        EXPECT_EQ(BST_CHECKED, box.SendMessage(BM_GETCHECK));
    }
}

TEST_F(TransparencyPopup, RidesWithTheBarButStaysPutWhileInFront) {
    CTransparencyDlg* popup = Open();
    ASSERT_TRUE(PumpUntil([&] { return ::GetForegroundWindow() == popup->m_hWnd; }));
    const RECT opened = WindowRect(popup->m_hWnd), barBefore = WindowRect(bar->m_hWnd);
    const int width = opened.right - opened.left, height = opened.bottom - opened.top;

    // In front, it freezes the tick: the target moves away under it, nothing follows.
    ::SetWindowPos(target.Handle(), nullptr, 100, 250, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    Tick();
    EXPECT_TRUE(SameRect(opened, WindowRect(popup->m_hWnd)));
    EXPECT_TRUE(SameRect(barBefore, WindowRect(bar->m_hWnd)));
    EXPECT_EQ(target.Handle(), bar->m_pTarget);

    // Back in the target, the pop-up goes to the bar's top-left with its own size.
    target.BringToFront();
    Tick();
    const RECT barNow = WindowRect(bar->m_hWnd);
    EXPECT_TRUE(SameRect(ExpectedBarRect(target.Handle()), barNow));
    EXPECT_TRUE(SameRect({barNow.left, barNow.top, barNow.left + width, barNow.top + height},
                         WindowRect(popup->m_hWnd)));

    // Closed, it stays where it was left.
    popup->m_btnCloseLeft.SendMessage(BM_CLICK);
    const RECT closed = WindowRect(popup->m_hWnd);
    ::SetWindowPos(target.Handle(), nullptr, 250, 100, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    Tick();
    EXPECT_TRUE(SameRect(ExpectedBarRect(target.Handle()), WindowRect(bar->m_hWnd)));
    EXPECT_TRUE(SameRect(closed, WindowRect(popup->m_hWnd)));
}

} // namespace
