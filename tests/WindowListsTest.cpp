#include "processing/HiddenWindowFile.h"
#include "processing/WindowProcessingDlg.h"
#include "tests/TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

namespace {

using Handles = std::vector<HWND>;

int IndexOf(const Handles& handles, HWND window) {
    auto found = std::find(handles.begin(), handles.end(), window);
    return found == handles.end() ? -1 : static_cast<int>(found - handles.begin());
}

// The dialog on its own, as the bar creates it at start-up.
class WindowLists : public ::testing::Test {
protected:
    void SetUp() override {
        ::DeleteFileA(CHiddenWindowFile::ProgramFile().c_str());
        ASSERT_TRUE(dialog.Create(IDD_WINDOWPROCESSING, nullptr));
    }
    void TearDown() override {
        dialog.DestroyWindow();
        ::DeleteFileA(CHiddenWindowFile::ProgramFile().c_str());
    }

    // "-": not listed.
    static std::string Listed(const Handles& handles, const CListBox& list, HWND window) {
        EXPECT_EQ(static_cast<int>(handles.size()), list.GetCount());
        int index = IndexOf(handles, window);
        return index < 0 ? "-" : list.GetText(index);
    }
    std::string InWindows(HWND window) const {
        return Listed(dialog.m_windowHandles, dialog.m_listWindows, window);
    }
    std::string InHidden(HWND window) const {
        return Listed(dialog.m_hiddenHandles, dialog.m_listHidden, window);
    }

    CWindowProcessingDlg dialog;
};

TEST_F(WindowLists, EnumerationListsVisibleTitledWindowsAndUnderAllTheHiddenOnes) {
    struct Case {
        std::string title;
        bool visible;
        bool owned;
        std::string parents; // listed under "Parents"; "-" for not listed
        std::string childs;  // under "Parents && childs"
        std::string all;     // in the hidden list under "all"
    };
    const std::string cut(259, 'L');
    const Case cases[] = {
        {"Plain", true, false, "Plain", "Plain", "-"},
        {"", true, false, "-", "-", "-"},
        {"Program Manager", true, false, "-", "-", "-"},
        {"program manager", true, false, "program manager", "program manager", "-"},
        {"Window processing", true, false, "-", "-", "-"},
        {"Owned pop-up", true, true, "-", "Owned pop-up", "-"},
        {std::string(300, 'L'), true, false, cut, cut, "-"},
        {"Hidden titled", false, false, "-", "-", "Hidden titled"},
        {"", false, false, "-", "-", "-"},
    };
    CForeignWindow owner("Owner");
    ::ShowWindow(owner.Handle(), SW_SHOWNOACTIVATE);
    std::vector<std::unique_ptr<CForeignWindow>> windows;
    for (const Case& c : cases) {
        windows.push_back(std::make_unique<CForeignWindow>(c.title));
        HWND window = windows.back()->Handle();
        if (c.owned) {
            ::SetWindowLongPtrA(window, GWLP_HWNDPARENT,
                                reinterpret_cast<LONG_PTR>(owner.Handle()));
            ::SetWindowLongA(window, GWL_STYLE, WS_POPUP | WS_CAPTION);
        }
        ::ShowWindow(window, c.visible ? SW_SHOWNOACTIVATE : SW_HIDE);
    }

    dialog.RefreshLists();
    for (std::size_t i = 0; i < windows.size(); ++i) {
        EXPECT_EQ(cases[i].parents, InWindows(windows[i]->Handle())) << i;
    }
    dialog.OnParentsChilds();
    dialog.OnShowAll();
    for (std::size_t i = 0; i < windows.size(); ++i) {
        EXPECT_EQ(cases[i].childs, InWindows(windows[i]->Handle())) << i;
        EXPECT_EQ(cases[i].all, InHidden(windows[i]->Handle())) << i;
    }
    EXPECT_EQ("Window processing", InHidden(dialog.m_hWnd));
    dialog.OnParents();
    EXPECT_EQ("-", InWindows(windows[5]->Handle())); // the owned pop-up
}

TEST_F(WindowLists, SelectionGoesToTheFirstEntryBeginningWithASelectedText) {
    CForeignWindow alpha("Alpha"), longer("ALPHA and more"), lowerTwin("Twin"), upperTwin("Twin");
    for (HWND window : {alpha.Handle(), longer.Handle(), lowerTwin.Handle(), upperTwin.Handle()}) {
        ::SetWindowPos(window, HWND_TOP, 0, 0, 0, 0,
                       SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    }
    dialog.RefreshLists();
    const Handles& listed = dialog.m_windowHandles;
    dialog.m_listWindows.SetSel(IndexOf(listed, alpha.Handle()), TRUE);
    dialog.m_listWindows.SetSel(IndexOf(listed, lowerTwin.Handle()), TRUE);
    dialog.RefreshLists();
    auto selected = [&](const CForeignWindow& window) {
        return dialog.m_listWindows.GetSel(IndexOf(listed, window.Handle())) > 0;
    };
    EXPECT_TRUE(selected(longer) && !selected(alpha));
    EXPECT_TRUE(selected(upperTwin) && !selected(lowerTwin));
}

TEST_F(WindowLists, OwnListIsParkedWhileAllIsShownAndComesBackWhole) {
    CForeignWindow kept("Kept"), untitled(""), later("Later");
    HWND gone = CForeignWindow("Gone").Handle(); // destroyed by its program
    for (HWND window : {kept.Handle(), untitled.Handle(), gone}) {
        dialog.AddHiddenWindow(window);
    }
    dialog.RefreshLists();
    EXPECT_EQ("", InHidden(gone));

    dialog.OnShowAll();
    dialog.OnShowAll();
    EXPECT_EQ(BST_UNCHECKED, dialog.m_radioOwn.SendMessage(BM_GETCHECK));
    EXPECT_EQ("Later", InHidden(later.Handle()));
    dialog.AddHiddenWindow(later.Handle());
    EXPECT_EQ((Handles{kept.Handle(), untitled.Handle(), gone, later.Handle()}),
              dialog.m_savedOwnHidden);
    // The file follows the parked list.
    EXPECT_EQ((Handles{kept.Handle(), untitled.Handle(), later.Handle()}),
              CHiddenWindowFile(CHiddenWindowFile::ProgramFile()).Load());
    // Taken out of the list of all, it leaves the parked list too.
    dialog.RemoveHiddenAt(static_cast<std::size_t>(IndexOf(dialog.m_hiddenHandles, kept.Handle())));

    dialog.OnShowOwn();
    EXPECT_EQ(BST_CHECKED, dialog.m_radioOwn.SendMessage(BM_GETCHECK));
    EXPECT_EQ((Handles{untitled.Handle(), gone, later.Handle()}), dialog.m_hiddenHandles);
    EXPECT_EQ("Later", InHidden(later.Handle()));
}

TEST_F(WindowLists, ShowingOrActivationRefreshesEscHidesAndEnterDoesNothing) {
    CForeignWindow first("First arrival");
    ::ShowWindow(first.Handle(), SW_SHOWNOACTIVATE);
    dialog.ShowWindow(SW_SHOW);
    EXPECT_EQ("First arrival", InWindows(first.Handle()));

    CForeignWindow second("Second arrival");
    ::ShowWindow(second.Handle(), SW_SHOWNOACTIVATE);
    dialog.SendMessage(WM_ACTIVATE, WA_INACTIVE, 0);
    EXPECT_EQ("Second arrival", InWindows(second.Handle()));

    dialog.SendMessage(WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(::IsWindowVisible(dialog.m_hWnd));
    dialog.SendMessage(WM_COMMAND, IDCANCEL, 0);
    EXPECT_TRUE(!::IsWindowVisible(dialog.m_hWnd) && ::IsWindow(dialog.m_hWnd));
}

} // namespace
