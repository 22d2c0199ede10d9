#include "app/PreferencesDlg.h"
#include "tests/BarFixture.h"

#include <tuple>

namespace {

// Slider position, check state, label, whether enabled.
using TimerView = std::tuple<int, int, std::string, bool>;

class Preferences : public BarFixture {
protected:
    HWND Dialog() const { return bar->m_pPreferencesDlg->m_hWnd; }
    HWND Item(int id) const { return ::GetDlgItem(Dialog(), id); }
    void Open() const { bar->SendMessage(WM_COMMAND, ID_PREFERENCES, 0); }
    void Click(int box) const { ::SendMessageA(Item(box), BM_CLICK, 0, 0); }

    TimerView View(int box) const {
        const int slider = box == IDC_AUTOMAXIMIZE ? IDC_AUTOMAXIMIZESLIDER : IDC_WINDOWTIMERSLIDER;
        const int label = box == IDC_AUTOMAXIMIZE ? IDC_AUTOMAXIMIZELABEL : IDC_WINDOWTIMERLABEL;
        char text[64] = "";
        ::GetWindowTextA(Item(label), text, sizeof text);
        const bool enabled = ::IsWindowEnabled(Item(slider)) != 0;
        EXPECT_EQ(enabled, ::IsWindowEnabled(Item(label)) != 0) << "slider and label together";
        return {static_cast<int>(::SendMessageA(Item(slider), TBM_GETPOS, 0, 0)),
                static_cast<int>(::SendMessageA(Item(box), BM_GETCHECK, 0, 0)), text, enabled};
    }

    void Scroll(int slider, int code, int position) const {
        ::SendMessageA(Item(slider), TBM_SETPOS, TRUE, position);
        ::SendMessageA(Dialog(), WM_HSCROLL, MAKEWPARAM(code, position),
                       reinterpret_cast<LPARAM>(Item(slider)));
    }

    bool BarFollowsWithin(DWORD milliseconds) {
        m_front.BringToFront();
        const POINT place = BarPlaceOn(m_front.Handle());
        return PumpUntil(
            [&] {
                const RECT rect = WindowRect(bar->m_hWnd);
                return rect.left == place.x && rect.top == place.y;
            },
            milliseconds);
    }

    CForeignWindow m_front{"Preferences front window"};
};

struct StoredCase {
    const char* file; // null: none
    TimerView autoMaximize, windowTimer;
    const char* savedOnClose;
    bool follows, maximizes;
};

class PreferencesStored : public Preferences, public ::testing::WithParamInterface<StoredCase> {};

TEST_P(PreferencesStored, EveryOpeningShowsTheStoredValuesAndEscAppliesThem) {
    const StoredCase& c = GetParam();
    Start(c.file);
    Open();
    Click(IDC_AUTOMAXIMIZE);
    Click(IDC_WINDOWTIMER);
    Scroll(IDC_WINDOWTIMERSLIDER, SB_THUMBTRACK, 400);
    Open(); // again: unapplied changes are gone
    EXPECT_TRUE(::IsWindowVisible(Dialog()));
    EXPECT_EQ(View(IDC_AUTOMAXIMIZE), c.autoMaximize);
    EXPECT_EQ(View(IDC_WINDOWTIMER), c.windowTimer);

    CWindowOfClass browser("IEFrame");
    ::ShowWindow(browser.m_hWnd, SW_SHOWNOACTIVATE);
    ::SendMessageA(Dialog(), WM_COMMAND, IDCANCEL, 0);
    EXPECT_FALSE(::IsWindowVisible(Dialog()));
    EXPECT_TRUE(IsCollapsed(bar->m_hWnd));
    EXPECT_EQ(ReadFileBytes(SettingsPath()), c.savedOnClose);
    EXPECT_EQ(BarFollowsWithin(500), c.follows);
    EXPECT_EQ(PumpUntil([&] { return ::IsZoomed(browser.m_hWnd) != 0; }, 500), c.maximizes);
}

INSTANTIATE_TEST_SUITE_P(
    Preferences, PreferencesStored,
    ::testing::Values(StoredCase{nullptr,
                                 {500, 0, "500 ms", false},
                                 {10, 1, "10 ms", true},
                                 "Windows Standard\r\nFALSE\r\n500\r\nTRUE\r\n10\r\n",
                                 true,
                                 false},
                      // Periods below the sliders' ranges: closing stores the sliders' lower ends.
                      StoredCase{"Blue\r\nTRUE\r\n3\r\nFALSE\r\n5\r\n",
                                 {10, 1, "3 ms", true},
                                 {10, 0, "5 ms", false},
                                 "Blue\r\nTRUE\r\n10\r\nFALSE\r\n10\r\n",
                                 false,
                                 true}));

TEST_F(Preferences, OnlyDraggingMovesALabelEnterWaitsAndTheCloseBoxApplies) {
    Start();
    Open();
    Click(IDC_AUTOMAXIMIZE);
    Scroll(IDC_AUTOMAXIMIZESLIDER, SB_THUMBTRACK, 30);
    // The arrow keys go through the slider itself, which tells the dialog SB_LINEDOWN.
    ::SendMessageA(Item(IDC_AUTOMAXIMIZESLIDER), WM_KEYDOWN, VK_RIGHT, 0);
    ::SendMessageA(Item(IDC_AUTOMAXIMIZESLIDER), WM_KEYUP, VK_RIGHT, 0);
    Scroll(IDC_WINDOWTIMERSLIDER, SB_THUMBPOSITION, 600);
    for (int code : {SB_PAGEDOWN, SB_TOP, SB_BOTTOM, SB_ENDSCROLL}) {
        Scroll(IDC_WINDOWTIMERSLIDER, code, 700);
    }
    EXPECT_EQ(View(IDC_AUTOMAXIMIZE), TimerView(31, 1, "30 ms", true));
    EXPECT_EQ(View(IDC_WINDOWTIMER), TimerView(700, 1, "600 ms", true));

    ::SendMessageA(Dialog(), WM_COMMAND, IDOK, 0); // Enter
    EXPECT_TRUE(::IsWindowVisible(Dialog()));
    EXPECT_FALSE(FileExists(SettingsPath()));
    EXPECT_TRUE(BarFollowsWithin(500)) << "the old timer runs on";

    ::SendMessageA(Dialog(), WM_SYSCOMMAND, SC_CLOSE, 0);
    PumpMessages();
    EXPECT_FALSE(::IsWindowVisible(Dialog()));
    EXPECT_EQ(ReadFileBytes(SettingsPath()), "Windows Standard\r\nTRUE\r\n31\r\nTRUE\r\n700\r\n");
    EXPECT_FALSE(BarFollowsWithin(300));
    EXPECT_TRUE(BarFollowsWithin(1500));
}

} // namespace
