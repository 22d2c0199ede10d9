#include "processing/WindowProcessingDlg.h"
#include "tests/BarFixture.h"

#include <algorithm>
#include <cstdio>

namespace {

using Handles = std::vector<HWND>;

const char kTimerOff[] = "Windows Standard\r\nFALSE\r\n500\r\nFALSE\r\n10\r\n";
const std::string kHiddenFile = CHiddenWindowFile::ProgramFile();

bool Visible(HWND window) {
    return ::IsWindowVisible(window) != 0;
}

std::string Line(HWND window, DWORD processId, const std::string& className) {
    char handle[16] = "";
    std::snprintf(handle, sizeof handle, "%08lX", HandleToUlong(window));
    return std::string(handle) + " " + std::to_string(processId) + " " + className + "\r\n";
}

// The window's entry in a list box, read in wide characters.
std::wstring WideEntry(const CListBox& list, const Handles& handles, HWND window) {
    wchar_t text[300] = L"";
    ::SendMessageW(list.m_hWnd, LB_GETTEXT,
                   std::find(handles.begin(), handles.end(), window) - handles.begin(),
                   reinterpret_cast<LPARAM>(text));
    return text;
}

// A bar whose window timer is off, so that each test picks its target with one tick.
class WindowActions : public BarFixture {
protected:
    void SetUp() override {
        ::DeleteFileA(kHiddenFile.c_str());
        Start(kTimerOff);
    }

    void Target(HWND window) {
        ::ShowWindow(window, SW_SHOWNORMAL);
        ::SetForegroundWindow(window);
        ASSERT_TRUE(PumpUntil([&] { return ::GetForegroundWindow() == window; }));
        Tick();
        ASSERT_EQ(window, bar->m_pTarget);
    }
    void Hide(HWND window) {
        ASSERT_NO_FATAL_FAILURE(Target(window));
        Command(IDC_HIDE);
    }
    void Command(WPARAM command, HWND window = nullptr) {
        bar->SendMessage(WM_COMMAND, command, reinterpret_cast<LPARAM>(window));
    }
    void Hotkey(int id) { bar->SendMessage(WM_HOTKEY, static_cast<WPARAM>(id), 0); }

    CWindowProcessingDlg& Lists() { return *bar->m_pProcessingDlg; }
    Handles& Hidden() { return Lists().m_hiddenHandles; }
    Handles Carried() const {
        Handles carried;
        for (const auto& icon : bar->m_hiddenTrayIcons) {
            carried.push_back(icon->GetCarriedWindow());
        }
        return carried;
    }
};

TEST_F(WindowActions, HideGivesEachWindowAnIconAndShowAllBringsThemBackLastFirst) {
    CForeignWindow small("Editor"), big("Viewer"), plain("");
    HICON smallIcon = ::LoadIconA(nullptr, MAKEINTRESOURCEA(32516));
    HICON bigIcon = ::LoadIconA(nullptr, MAKEINTRESOURCEA(32515));
    ::SendMessageA(small.Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon));
    ::SendMessageA(big.Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon));
    const HICON icons[] = {smallIcon, bigIcon,
                           static_cast<HICON>(::LoadImageA(::GetModuleHandleA(nullptr),
                                                           MAKEINTRESOURCEA(IDI_HIDDENWINDOW),
                                                           IMAGE_ICON, 16, 16, LR_SHARED))};
    const Handles order = {small.Handle(), big.Handle(), plain.Handle()};
    for (HWND window : order) {
        ASSERT_NO_FATAL_FAILURE(Hide(window));
        EXPECT_FALSE(Visible(window));
    }
    EXPECT_TRUE(IsCollapsed(bar->m_hWnd));
    EXPECT_EQ(order, Carried());
    EXPECT_EQ(order, CHiddenWindowFile(kHiddenFile).Load());
    for (int n = 0; n < 3; ++n) {
        const NOTIFYICONDATAA& data = bar->m_hiddenTrayIcons[n]->GetIconData();
        EXPECT_EQ(icons[n], data.hIcon) << n;
        EXPECT_EQ(static_cast<UINT>(WM_APP + 100 + n), data.uCallbackMessage);
    }
    EXPECT_STREQ("Hidden window: Viewer", bar->m_hiddenTrayIcons[1]->GetIconData().szTip);

    Hotkey(CButtonBarDlg::kShowAllHotkey);
    // Shown last to first: the first hidden ends in front.
    EXPECT_EQ(small.Handle(), ::GetForegroundWindow());
    EXPECT_TRUE(Visible(big.Handle()) && Visible(plain.Handle()));
    EXPECT_EQ(0, Lists().m_listHidden.GetCount());
    EXPECT_TRUE(Hidden().empty() && bar->m_hiddenTrayIcons.empty());
    EXPECT_FALSE(FileExists(kHiddenFile));
}

// Titles set through the wide API on another program's window, as the system holds them.
TEST_F(WindowActions, TitlesInAnyScriptAreListedAndTippedWholeOrCutBeforeACharacter) {
    CForeignProcess other("plain", "Wide title");
    ASSERT_NE(nullptr, other.Handle());
    const std::wstring greeting = L"Привет Ελλάδα 中文 café 😀";
    std::wstring cut; // é中😀: 2, 3 and 4 bytes in UTF-8, 4 wide characters
    for (int i = 0; i < 40; ++i) {
        cut += L"é中😀";
    }
    // Title, as listed and as tipped. Lists and menus keep 259 bytes: 28 é中😀 and é中; the
    // tooltip's 127 keep "Hidden window: ", 12 é中😀 and é.
    const std::wstring cases[][3] = {{greeting, greeting, greeting},
                                     {cut, cut.substr(0, 114), cut.substr(0, 49)}};
    auto count = [&](const std::string& line) {
        const std::vector<std::string> lines = LastMenuLines(interaction);
        return std::count(lines.begin(), lines.end(), line);
    };
    for (const auto& [title, listedWide, tipped] : cases) {
        const std::string listed = Utf8Of(listedWide);
        ::SetWindowTextW(other.Handle(), title.c_str());
        ASSERT_NO_FATAL_FAILURE(Target(other.Handle()));
        CSystemTray& tray = bar->m_trayIcon;
        tray.SendMessage(tray.GetIconData().uCallbackMessage, IDR_TRAYMENU, WM_RBUTTONUP);
        const Handles& active = Lists().m_windowHandles;
        EXPECT_EQ(listedWide, WideEntry(Lists().m_listWindows, active, other.Handle()));
        const auto index = std::find(active.begin(), active.end(), other.Handle()) - active.begin();
        EXPECT_EQ(1, count("Active windows/" + listed + " " + std::to_string(50000 + index)));

        ASSERT_NO_FATAL_FAILURE(Hide(other.Handle()));
        EXPECT_EQ(Utf8Of(L"Hidden window: " + tipped),
                  bar->m_hiddenTrayIcons.back()->GetIconData().szTip);
        EXPECT_EQ(listedWide, WideEntry(Lists().m_listHidden, Hidden(), other.Handle()));
        tray.SendMessage(tray.GetIconData().uCallbackMessage, IDR_TRAYMENU, WM_RBUTTONUP);
        EXPECT_EQ(1, count("Hidden windows/" + listed + " 60000"));
        bar->m_btnHide.SendMessage(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(2, 2));
        EXPECT_EQ(1, count("Hidden windows/" + listed + " 60000"));
        EXPECT_EQ(3u, interaction.m_menus.size());
        interaction.m_menus.clear();
        Hotkey(CButtonBarDlg::kShowAllHotkey);
    }
}

TEST_F(WindowActions, NumberedCommandsAndHideAllHideAndShowWithoutTouchingIcons) {
    std::vector<std::unique_ptr<CForeignWindow>> windows;
    for (int i = 0; i < 12; ++i) {
        windows.push_back(std::make_unique<CForeignWindow>("Window " + std::to_string(i)));
        ::ShowWindow(windows.back()->Handle(), SW_SHOWNOACTIVATE);
    }
    CForeignWindow byH("By H");
    ASSERT_NO_FATAL_FAILURE(Hide(byH.Handle()));
    ASSERT_NO_FATAL_FAILURE(Target(windows[0]->Handle()));

    Lists().RefreshLists();
    const HWND eleventh = Lists().m_windowHandles.at(10);
    Command(ID_ACTIVEWINDOW_FIRST + 10);
    EXPECT_FALSE(Visible(eleventh));
    EXPECT_EQ((Handles{byH.Handle(), eleventh}), Hidden());
    EXPECT_FALSE(IsCollapsed(bar->m_hWnd));
    Command(ID_ACTIVEWINDOW_FIRST + Lists().m_windowHandles.size());
    EXPECT_EQ(2u, Hidden().size());

    Hotkey(CButtonBarDlg::kHideAllHotkey);
    for (const auto& window : windows) {
        EXPECT_TRUE(!Visible(window->Handle()) && Contains(Hidden(), window->Handle()));
    }
    EXPECT_TRUE(IsCollapsed(bar->m_hWnd));
    EXPECT_EQ(Handles{byH.Handle()}, Carried());

    const HWND fourth = windows[3]->Handle();
    const std::size_t count = Hidden().size();
    const auto index = std::find(Hidden().begin(), Hidden().end(), fourth) - Hidden().begin();
    Command(ID_HIDDENWINDOW_FIRST + static_cast<WPARAM>(index));
    EXPECT_TRUE(Visible(fourth) && !Contains(Hidden(), fourth));
    Command(ID_HIDDENWINDOW_FIRST + Hidden().size());
    EXPECT_EQ(count - 1, Hidden().size());

    // Any icon number will do: the window travels with the command.
    Command(ID_RESTOREWINDOW_FIRST + 7, byH.Handle());
    EXPECT_TRUE(Visible(byH.Handle()) && !Contains(Hidden(), byH.Handle()));
    EXPECT_TRUE(bar->m_hiddenTrayIcons.empty());
    EXPECT_EQ(Hidden(), CHiddenWindowFile(kHiddenFile).Load());
}

TEST_F(WindowActions, TopmostAndTransparencyToggleTheTargetsStyles) {
    CForeignWindow topmost("Topmost", {120, 130, 520, 430}, WS_EX_TOPMOST);
    ASSERT_NO_FATAL_FAILURE(Target(topmost.Handle()));
    Command(IDC_TOPMOST);
    EXPECT_FALSE(IsTopmost(topmost.Handle()));
    Command(IDC_TOPMOST);
    EXPECT_TRUE(IsTopmost(topmost.Handle()));

    CForeignWindow window("Window", {150, 150, 450, 350}, WS_EX_TOOLWINDOW);
    ASSERT_NO_FATAL_FAILURE(Target(window.Handle()));
    Command(IDC_TRANSPARENCY);
    EXPECT_EQ(200, LayeredAlpha(window.Handle()));
    Command(IDC_TRANSPARENCY);
    EXPECT_EQ(-1, LayeredAlpha(window.Handle()));

    bar->SetTransparencyLevel(127);
    EXPECT_EQ(1, bar->m_btnTransparency.GetState());
    // Full opacity makes the window plain; T then starts again at 200.
    bar->SetTransparencyLevel(255);
    EXPECT_EQ(-1, LayeredAlpha(window.Handle()));
    EXPECT_EQ(0, bar->m_btnTransparency.GetState());
    Command(IDC_TRANSPARENCY);
    EXPECT_EQ(200, LayeredAlpha(window.Handle()));
    EXPECT_TRUE(::GetWindowLongA(window.Handle(), GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
}

TEST_F(WindowActions, DoubleClickOnAButtonBringsAnotherProcessWindowToTheForeground) {
    CForeignProcess other("plain", "Other process");
    ASSERT_NE(nullptr, other.Handle());
    CForeignWindow mine("Mine");
    mine.BringToFront();
    bar->m_pTarget = other.Handle();
    bar->m_btnTopmost.SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(2, 2));
    EXPECT_TRUE(PumpUntil([&] { return ::GetForegroundWindow() == other.Handle(); }));
}

TEST_F(WindowActions, KilledProgramFindsItsStillHiddenWindowsAtTheNextStart) {
    CForeignWindow kept("Kept"), byIcon("Shown by its icon"), meanwhile("Shown meanwhile");
    CForeignProcess other("plain", "Other process kept"), closing("plain", "Closes itself");
    ASSERT_TRUE(other.Handle() && closing.Handle());
    for (HWND window :
         {kept.Handle(), byIcon.Handle(), other.Handle(), meanwhile.Handle(), closing.Handle()}) {
        ASSERT_NO_FATAL_FAILURE(Hide(window));
    }
    CSystemTray& icon = *bar->m_hiddenTrayIcons[1];
    icon.SendMessage(icon.GetIconData().uCallbackMessage, 0, WM_LBUTTONDBLCLK);
    EXPECT_TRUE(Visible(byIcon.Handle()));
    EXPECT_EQ((Handles{kept.Handle(), other.Handle(), meanwhile.Handle(), closing.Handle()}),
              Carried());
    ::ShowWindow(meanwhile.Handle(), SW_SHOWNOACTIVATE);
    ::PostMessageA(closing.Handle(), WM_CLOSE, 0, 0);
    ASSERT_TRUE(closing.HasExited(5000));

    bar.reset(); // no exit question
    const DWORD self = ::GetCurrentProcessId();
    // Entries whose window now belongs to another process or class, and junk.
    WriteFileBytes(kHiddenFile, ReadFileBytes(kHiddenFile) +
                                    Line(kept.Handle(), self + 4, "PanewardenTestForeign") +
                                    Line(kept.Handle(), self, "Edit") + "junk\r\n");
    ASSERT_NO_FATAL_FAILURE(Start(kTimerOff));
    EXPECT_EQ((Handles{kept.Handle(), other.Handle()}), Hidden());
    EXPECT_EQ(Line(kept.Handle(), self, "PanewardenTestForeign") +
                  Line(other.Handle(), other.ProcessId(), "PanewardenTestForeignProcess"),
              ReadFileBytes(kHiddenFile));

    Hotkey(CButtonBarDlg::kShowAllHotkey);
    // Shown without waiting: the other program does it when it next reads its messages.
    EXPECT_TRUE(PumpUntil([&] { return Visible(kept.Handle()) && Visible(other.Handle()); }));
    EXPECT_FALSE(FileExists(kHiddenFile));
}

// The file as a window of a batch found it when shown or hidden: which file (each write
// replaces it with a new one) and its lines.
struct FileSeen {
    DWORD index;
    std::string content;
    bool operator==(const FileSeen& other) const {
        return index == other.index && content == other.content;
    }
};
Handles g_batch;
std::vector<FileSeen> g_seen;

FileSeen SeeFile() {
    FileSeen seen = {0, ""};
    HANDLE file = ::CreateFileA(kHiddenFile.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, 0, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        BY_HANDLE_FILE_INFORMATION info = {};
        ::GetFileInformationByHandle(file, &info);
        ::CloseHandle(file);
        seen = {info.nFileIndexLow, ReadFileBytes(kHiddenFile)};
    }
    return seen;
}

LRESULT CALLBACK SeeFileOnShowWindow(int code, WPARAM wParam, LPARAM lParam) {
    const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && call->message == WM_SHOWWINDOW && Contains(g_batch, call->hwnd)) {
        g_seen.push_back(SeeFile());
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST_F(WindowActions, ABatchIsWrittenOnceBeforeItsFirstWindowIsHiddenAndOnceAfterItIsShown) {
    std::vector<std::unique_ptr<CForeignWindow>> windows;
    g_batch.clear();
    for (int i = 0; i < 3; ++i) {
        windows.push_back(std::make_unique<CForeignWindow>("Batch " + std::to_string(i)));
        ::ShowWindow(windows.back()->Handle(), SW_SHOWNOACTIVATE);
        g_batch.push_back(windows.back()->Handle());
    }
    struct Row {
        const char* name;
        int hotkey;
        bool hides;
    };
    for (const Row& row : {Row{"Alt+A", CButtonBarDlg::kHideAllHotkey, true},
                           Row{"Alt+S", CButtonBarDlg::kShowAllHotkey, false}}) {
        SCOPED_TRACE(row.name);
        const FileSeen before = SeeFile();
        g_seen.clear();
        HHOOK hook = ::SetWindowsHookExA(WH_CALLWNDPROC, &SeeFileOnShowWindow, nullptr,
                                         ::GetCurrentThreadId());
        Hotkey(row.hotkey);
        ASSERT_TRUE(PumpUntil([&] { return g_seen.size() == g_batch.size(); }));
        ::UnhookWindowsHookEx(hook);
        const FileSeen after = SeeFile();
        // Hiding: every window found the one file written for the whole batch, and it
        // stays. Showing: every window found the file as it was, removed only afterwards.
        for (const FileSeen& seen : g_seen) {
            EXPECT_TRUE(seen == (row.hides ? after : before));
        }
        for (HWND window : g_batch) {
            EXPECT_EQ(row.hides,
                      after.content.find(Line(window, ::GetCurrentProcessId(),
                                              "PanewardenTestForeign")) != std::string::npos);
        }
        EXPECT_FALSE(before == after);
    }
}

} // namespace
