#include "processing/HiddenWindowFile.h"
#include "processing/WindowProcessingDlg.h"
#include "tests/TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <memory>

namespace {

using Handles = std::vector<HWND>;

// Where a window stands in a handle array; -1 when it is not there.
int IndexOf(const Handles& handles, HWND window) {
    auto found = std::find(handles.begin(), handles.end(), window);
    return found == handles.end() ? -1 : static_cast<int>(found - handles.begin());
}

std::vector<std::string> Texts(const CListBox& list) {
    std::vector<std::string> texts;
    for (int i = 0; i < list.GetCount(); ++i) {
        texts.push_back(list.GetText(i));
    }
    return texts;
}

// A visible owned pop-up: GetParent answers its owner.
class COwnedPopup {
public:
    COwnedPopup(HWND owner, const std::string& title)
        : m_hWnd(::CreateWindowExA(0, "STATIC", title.c_str(), WS_POPUP | WS_CAPTION | WS_VISIBLE,
                                   300, 300, 200, 100, owner, nullptr, nullptr, nullptr)) {}
    ~COwnedPopup() { ::DestroyWindow(m_hWnd); }
    HWND m_hWnd;
};

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

    // The text listed for a window, or "-" when it is not listed.
    static std::string Listed(const Handles& handles, const CListBox& list, HWND window) {
        EXPECT_EQ(static_cast<int>(handles.size()), list.GetCount());
        int index = IndexOf(handles, window);
        return index < 0 ? "-" : list.GetText(index);
    }

    CWindowProcessingDlg dialog;
};

TEST_F(WindowLists, EnumerationListsVisibleTitledWindowsAndUnderAllTheHiddenOnes) {
    struct Case {
        std::string title;
        bool visible;
        bool owned;
        std::string parents; // listed text under "Parents", "-" when missing
        std::string childs;  // under "Parents && childs"
        std::string all;     // in the hidden list under "all"
    };
    const std::string longTitle(300, 'L');
    const std::string cut(259, 'L');
    const std::vector<Case> cases = {
        {"Plain", true, false, "Plain", "Plain", "-"},
        {"", true, false, "-", "-", "-"},
        {"Program Manager", true, false, "-", "-", "-"},
        {"program manager", true, false, "program manager", "program manager", "-"},
        {"Window processing", true, false, "-", "-", "-"},
        {"Window Processing", true, false, "Window Processing", "Window Processing", "-"},
        {"Owned pop-up", true, true, "-", "Owned pop-up", "-"},
        {longTitle, true, false, cut, cut, "-"},
        {"Hidden titled", false, false, "-", "-", "Hidden titled"},
        {"", false, false, "-", "-", "-"},
        {"Program Manager", false, false, "-", "-", "Program Manager"},
    };
    CForeignWindow owner("Owner");
    ::ShowWindow(owner.Handle(), SW_SHOWNOACTIVATE);
    std::vector<std::unique_ptr<CForeignWindow>> windows;
    std::vector<std::unique_ptr<COwnedPopup>> popups;
    Handles handles;
    for (const Case& c : cases) {
        if (c.owned) {
            popups.push_back(std::make_unique<COwnedPopup>(owner.Handle(), c.title));
            handles.push_back(popups.back()->m_hWnd);
        } else {
            windows.push_back(std::make_unique<CForeignWindow>(c.title));
            handles.push_back(windows.back()->Handle());
            if (c.visible) {
                ::ShowWindow(handles.back(), SW_SHOWNOACTIVATE);
            }
        }
    }

    dialog.RefreshLists();
    EXPECT_TRUE(dialog.m_hiddenHandles.empty());
    for (std::size_t i = 0; i < cases.size(); ++i) {
        EXPECT_EQ(cases[i].parents,
                  Listed(dialog.m_windowHandles, dialog.m_listWindows, handles[i]))
            << i;
    }
    dialog.OnParentsChilds();
    dialog.OnShowAll();
    for (std::size_t i = 0; i < cases.size(); ++i) {
        EXPECT_EQ(cases[i].childs, Listed(dialog.m_windowHandles, dialog.m_listWindows, handles[i]))
            << i;
        EXPECT_EQ(cases[i].all, Listed(dialog.m_hiddenHandles, dialog.m_listHidden, handles[i]))
            << i;
    }
    // The hidden dialog lists itself under "all".
    EXPECT_EQ("Window processing",
              Listed(dialog.m_hiddenHandles, dialog.m_listHidden, dialog.m_hWnd));
    dialog.OnParents();
    EXPECT_EQ("-", Listed(dialog.m_windowHandles, dialog.m_listWindows, popups[0]->m_hWnd));
}

TEST_F(WindowLists, SelectionGoesToTheFirstEntryBeginningWithASelectedText) {
    CForeignWindow alpha("Alpha");
    CForeignWindow longer("ALPHA and more");
    CForeignWindow lowerTwin("Twin");
    CForeignWindow upperTwin("Twin");
    for (HWND window : {alpha.Handle(), longer.Handle(), lowerTwin.Handle(), upperTwin.Handle()}) {
        ::SetWindowPos(window, HWND_TOP, 0, 0, 0, 0,
                       SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    }
    dialog.RefreshLists();
    const Handles& listed = dialog.m_windowHandles;
    ASSERT_LT(IndexOf(listed, longer.Handle()), IndexOf(listed, alpha.Handle()));
    ASSERT_LT(IndexOf(listed, upperTwin.Handle()), IndexOf(listed, lowerTwin.Handle()));
    dialog.m_listWindows.SetSel(IndexOf(listed, alpha.Handle()), TRUE);
    dialog.m_listWindows.SetSel(IndexOf(listed, lowerTwin.Handle()), TRUE);
    dialog.m_listHidden.AddString("stray");
    dialog.m_listHidden.SetSel(0, TRUE);

    dialog.RefreshLists();
    auto selected = [&](HWND window) {
        return dialog.m_listWindows.GetSel(IndexOf(listed, window)) > 0;
    };
    EXPECT_TRUE(selected(longer.Handle()));
    EXPECT_FALSE(selected(alpha.Handle()));
    EXPECT_TRUE(selected(upperTwin.Handle()));
    EXPECT_FALSE(selected(lowerTwin.Handle()));
    EXPECT_EQ(0, dialog.m_listHidden.GetCount());
}

TEST_F(WindowLists, OwnListIsParkedWhileAllIsShownAndComesBackWhole) {
    CForeignWindow kept("Kept");
    CForeignWindow untitled("");
    CForeignWindow later("Later");
    HWND gone = CForeignWindow("Gone").Handle(); // destroyed by its program
    const Handles own = {kept.Handle(), untitled.Handle(), gone};
    for (HWND window : own) {
        dialog.AddHiddenWindow(window);
    }
    dialog.RefreshLists();
    EXPECT_EQ(own, dialog.m_hiddenHandles);
    EXPECT_EQ((std::vector<std::string>{"Kept", "", ""}), Texts(dialog.m_listHidden));

    dialog.OnShowAll();
    dialog.OnShowAll();
    EXPECT_EQ(own, dialog.m_savedOwnHidden);
    EXPECT_EQ(BST_CHECKED, dialog.m_radioAll.SendMessage(BM_GETCHECK));
    EXPECT_EQ(BST_UNCHECKED, dialog.m_radioOwn.SendMessage(BM_GETCHECK));
    EXPECT_NE(-1, IndexOf(dialog.m_hiddenHandles, later.Handle()));
    dialog.AddHiddenWindow(later.Handle());
    EXPECT_EQ((Handles{kept.Handle(), untitled.Handle(), gone, later.Handle()}),
              dialog.m_savedOwnHidden);
    // The file follows the parked list; the destroyed window is dropped on reading.
    EXPECT_EQ((Handles{kept.Handle(), untitled.Handle(), later.Handle()}),
              CHiddenWindowFile(CHiddenWindowFile::ProgramFile()).Load());
    // A window that leaves the list of all hidden windows leaves the parked list too.
    dialog.RemoveHiddenAt(static_cast<std::size_t>(IndexOf(dialog.m_hiddenHandles, kept.Handle())));
    EXPECT_EQ((Handles{untitled.Handle(), gone, later.Handle()}), dialog.m_savedOwnHidden);

    dialog.OnShowOwn();
    EXPECT_EQ(BST_CHECKED, dialog.m_radioOwn.SendMessage(BM_GETCHECK));
    EXPECT_EQ((Handles{untitled.Handle(), gone, later.Handle()}), dialog.m_hiddenHandles);
    EXPECT_EQ((std::vector<std::string>{"", "", "Later"}), Texts(dialog.m_listHidden));
}

TEST_F(WindowLists, ShowingOrActivationRefreshesEscHidesAndEnterDoesNothing) {
    CForeignWindow first("First arrival");
    ::ShowWindow(first.Handle(), SW_SHOWNOACTIVATE);
    dialog.ShowWindow(SW_SHOW);
    EXPECT_NE(-1, IndexOf(dialog.m_windowHandles, first.Handle()));

    CForeignWindow second("Second arrival");
    ::ShowWindow(second.Handle(), SW_SHOWNOACTIVATE);
    dialog.SendMessage(WM_ACTIVATE, WA_INACTIVE, 0);
    EXPECT_NE(-1, IndexOf(dialog.m_windowHandles, second.Handle()));

    dialog.SendMessage(WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(::IsWindowVisible(dialog.m_hWnd));
    dialog.SendMessage(WM_COMMAND, IDCANCEL, 0);
    EXPECT_FALSE(::IsWindowVisible(dialog.m_hWnd));
    EXPECT_TRUE(::IsWindow(dialog.m_hWnd));
}

// A line as the file holds it: the handle in eight hex digits, the process id, the class.
std::string Line(HWND window, DWORD processId, const std::string& className) {
    char handle[16] = "";
    std::snprintf(handle, sizeof handle, "%08lX", HandleToUlong(window));
    return std::string(handle) + " " + std::to_string(processId) + " " + className + "\r\n";
}

TEST(WindowListsFile, KeepsOnlyWindowsThatAreStillHiddenAndStillTheSame) {
    CTempFolder folder;
    const CHiddenWindowFile file(folder.File("Paneward.hid"));
    const DWORD self = ::GetCurrentProcessId();
    const char kClass[] = "PanewardenTestForeign";
    CForeignWindow hidden("Hidden");
    CForeignWindow shown("Shown");
    ::ShowWindow(shown.Handle(), SW_SHOWNOACTIVATE);
    HWND gone = CForeignWindow("Gone").Handle();
    CForeignProcess other("plain", "Other process");
    ASSERT_NE(nullptr, other.Handle());
    ::ShowWindow(other.Handle(), SW_HIDE);

    WriteFileBytes(folder.File("Paneward.hid"),
                   Line(hidden.Handle(), self, kClass) + Line(shown.Handle(), self, kClass) +
                       Line(hidden.Handle(), self + 4, kClass) +
                       Line(hidden.Handle(), self, "Edit") + Line(gone, self, kClass) +
                       "not a line\r\n" + Line(other.Handle(), other.ProcessId(), "") +
                       Line(other.Handle(), other.ProcessId(), "PanewardenTestForeignProcess") +
                       Line(hidden.Handle(), self, kClass));
    const Handles expected = {hidden.Handle(), other.Handle(), hidden.Handle()};
    EXPECT_EQ(expected, file.Load());

    file.Save(expected);
    EXPECT_EQ(Line(hidden.Handle(), self, kClass) +
                  Line(other.Handle(), other.ProcessId(), "PanewardenTestForeignProcess") +
                  Line(hidden.Handle(), self, kClass),
              ReadFileBytes(folder.File("Paneward.hid")));
    EXPECT_EQ(expected, file.Load());
    file.Save({});
    EXPECT_FALSE(FileExists(folder.File("Paneward.hid")));
    EXPECT_TRUE(file.Load().empty());
}

} // namespace
