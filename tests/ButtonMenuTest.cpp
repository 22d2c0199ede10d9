#include "processing/WindowProcessingDlg.h"
#include "tests/BarFixture.h"

#include <functional>

namespace {

// One line per menu item: its submenu path and text ("----" for a separator), its command
// id unless it opens a submenu, and "checked" or "disabled" when it is.
void AddLines(const std::vector<MenuItemRecord>& items, const std::string& path,
              std::vector<std::string>& lines) {
    for (const MenuItemRecord& item : items) {
        const bool popup = item.id == static_cast<UINT>(-1);
        const UINT state = popup ? item.state & 0xFF : item.state; // high byte: the item count
        if (state & MF_SEPARATOR) {                                // separators read as disabled
            lines.push_back(path + "----");
            continue;
        }
        std::string line = path + item.text + (popup ? "" : " " + std::to_string(item.id));
        line += state & MF_CHECKED ? " checked" : "";
        line += state & (MF_GRAYED | MF_DISABLED) ? " disabled" : "";
        lines.push_back(line);
        AddLines(item.submenu, path + item.text + "/", lines);
    }
}

std::vector<std::string> Lines(const std::vector<MenuItemRecord>& items) {
    std::vector<std::string> lines;
    AddLines(items, "", lines);
    return lines;
}

// The menu as resource 129 holds it, behind the given "Hidden windows" lines.
std::vector<std::string> ExpectedMenu(const std::vector<std::string>& hidden,
                                      const char* automaximize) {
    std::vector<std::string> lines = {"Hidden windows"};
    for (const std::string& entry : hidden) {
        lines.push_back("Hidden windows/" + entry);
    }
    lines.push_back("&Transparency");
    for (int percent = 90; percent >= 10; percent -= 10) {
        lines.push_back("&Transparency/&" + std::to_string(percent) + "% " +
                        std::to_string(32772 + 9 - percent / 10));
    }
    lines.insert(lines.end(), {"&Transparency/----", "&Transparency/&Off 32781",
                               "&Window Selector 32783", automaximize, "----", "&Quit 32771"});
    return lines;
}

// The bar riding on a target, with windows hidden as the bar hides them.
class ButtonMenu : public BarFixture {
protected:
    void SetUp() override {
        Start();
        target.BringToFront();
        Tick();
        ASSERT_EQ(target.Handle(), bar->m_pTarget);
    }

    void Hide(const CForeignWindow& window) const {
        ::ShowWindow(window.Handle(), SW_SHOWNOACTIVATE);
        ::ShowWindow(window.Handle(), SW_HIDE);
        bar->m_pProcessingDlg->AddHiddenWindow(window.Handle());
    }
    const std::vector<HWND>& Hidden() const { return bar->m_pProcessingDlg->m_hiddenHandles; }

    // A right press on the button; the menu answers with the given choices. Its lines.
    std::vector<std::string> RightClick(CSkinButton& button, std::deque<UINT> choices = {}) {
        interaction.m_menuChoices = std::move(choices);
        button.SendMessage(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(2, 2));
        PumpMessages();
        return Lines(interaction.m_menus.back().items);
    }

    CForeignWindow target{"Menu target", {200, 150, 700, 450}};
    CForeignWindow first{"First hidden"}, second{"Second hidden"}, third{"Third hidden"};
};

TEST_F(ButtonMenu, EveryButtonOpensTheSameMenuAtThePointerAndItsCommandsReachTheBar) {
    Hide(first);
    Hide(second);
    for (CSkinButton* button : {&bar->m_btnHide, &bar->m_btnTopmost, &bar->m_btnTransparency}) {
        PumpMessages();
        POINT cursor = {}; // not where the press says: that is the button's corner
        ::GetCursorPos(&cursor);
        EXPECT_EQ(
            ExpectedMenu({"First hidden 60000", "Second hidden 60001"}, "Automaximize IE 32786"),
            RightClick(*button));
        const MenuCall& menu = interaction.m_menus.back();
        EXPECT_EQ(static_cast<UINT>(TPM_LEFTALIGN | TPM_RIGHTBUTTON), menu.flags);
        EXPECT_EQ(button->m_hWnd, menu.owner);
        EXPECT_EQ(cursor.x, menu.x);
        EXPECT_EQ(cursor.y, menu.y);
    }

    // Nothing hidden; "Automaximize IE" chosen shows its check mark, the selector its dialog.
    bar->m_pProcessingDlg->m_hiddenHandles.clear();
    RightClick(bar->m_btnTopmost, {32786});
    EXPECT_EQ(1, bar->m_settings.autoMaximize);
    EXPECT_EQ(ExpectedMenu({"<there are no hidden windows> 0"}, "Automaximize IE 32786 checked"),
              RightClick(bar->m_btnTopmost, {32783}));
    EXPECT_TRUE(::IsWindowVisible(bar->m_pProcessingDlg->m_hWnd));
}

TEST_F(ButtonMenu, PercentagesSetTheTargetsOpacity) {
    const std::pair<UINT, int> levels[] = {{32772, 229}, {32773, 204}, {32774, 178}, {32775, 153},
                                           {32776, 127}, {32777, 102}, {32778, 76},  {32779, 51},
                                           {32780, 25},  {32781, -1}};
    for (const auto& [command, level] : levels) {
        RightClick(bar->m_btnTransparency, {command});
        EXPECT_EQ(level, LayeredAlpha(target.Handle())) << "command " << command;
        EXPECT_EQ(level == -1 ? 0 : 1, bar->m_btnTransparency.GetState()) << "T's face";
    }
    EXPECT_EQ(200, bar->GetTransparencyLevel()) << "Off leaves the stored level at 200";
}

TEST_F(ButtonMenu, HiddenEntryShowsItsWindowAndAnIndexBeyondDoesNothing) {
    for (const CForeignWindow* window : {&first, &second, &third}) {
        Hide(*window);
    }
    RightClick(bar->m_btnTopmost, {60001});
    EXPECT_TRUE(::IsWindowVisible(second.Handle()));
    EXPECT_EQ((std::vector<HWND>{first.Handle(), third.Handle()}), Hidden());

    const std::vector<std::string> menu = RightClick(bar->m_btnTopmost, {60002});
    EXPECT_EQ("Hidden windows/First hidden 60000", menu[1]);
    EXPECT_EQ("Hidden windows/Third hidden 60001", menu[2]);
    EXPECT_EQ("&Transparency", menu[3]);
    EXPECT_EQ((std::vector<HWND>{first.Handle(), third.Handle()}), Hidden());
    EXPECT_FALSE(::IsWindowVisible(first.Handle()) || ::IsWindowVisible(third.Handle()));

    // More than 16-bit ids can number: the menu lists the first 5536.
    bar->m_pProcessingDlg->m_hiddenHandles.assign(5537, first.Handle());
    RightClick(bar->m_btnTopmost);
    const MenuItemRecord& hidden = interaction.m_menus.back().items[0];
    ASSERT_EQ(5536u, hidden.submenu.size());
    EXPECT_EQ(65535u, hidden.submenu.back().id);
}

// Calls a hook the first time the window is shown, before it shows.
WNDPROC g_shownProc = nullptr;
std::function<void()> g_onShow;
LRESULT CALLBACK ShowHook(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SHOWWINDOW && wParam && g_onShow) {
        std::function<void()> hook = std::move(g_onShow);
        g_onShow = nullptr;
        hook();
    }
    return ::CallWindowProcA(g_shownProc, window, message, wParam, lParam);
}

TEST_F(ButtonMenu, QuitDuringTheExitQuestionIsIgnored) {
    Hide(first);
    bool asked = false;
    interaction.m_whileAsking = [&] {
        if (!asked) {
            asked = true;
            RightClick(bar->m_btnHide, {32771});
        }
    };
    interaction.m_messageBoxAnswers = {IDYES};
    RightClick(bar->m_btnTransparency, {32771});

    EXPECT_EQ(1u, interaction.m_messageBoxes.size()) << "asked once";
    EXPECT_TRUE(::IsWindowVisible(first.Handle()));
    EXPECT_EQ(nullptr, bar->m_pProcessingDlg);
    EXPECT_EQ(IDCANCEL, bar->GetModalResult());
    EXPECT_TRUE(FileExists(SettingsPath()));
}

TEST_F(ButtonMenu, ExitShowsEveryHiddenWindowThoughTheListChangesUnderIt) {
    for (const CForeignWindow* window : {&first, &second, &third}) {
        Hide(*window);
    }
    // Showing the first window changes the list under the exit's loop, as a refresh could.
    g_shownProc = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrA(first.Handle(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ShowHook)));
    g_onShow = [&] { bar->m_btnHide.SendMessage(WM_COMMAND, 60000, 0); };
    interaction.m_messageBoxAnswers = {IDYES};
    bar->ExitProgram();
    for (const CForeignWindow* window : {&first, &second, &third}) {
        EXPECT_TRUE(::IsWindowVisible(window->Handle()));
    }
}

} // namespace
