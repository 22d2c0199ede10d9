// The rules on plain values: no window is made here.
#include "app/BarSettings.h"
#include "controls/SkinFolder.h"
#include "platform/WinApp.h"
#include "platform/Handles.h"
#include "platform/Utf8Text.h"
#include "platform/PopupMenu.h"
#include "processing/HiddenWindowFile.h"
#include "processing/Stacking.h"
#include "resource.h"
#include "tests/TestSupport.h"
#include "tray/ProgramMenu.h"
#include "windows/BarPlacement.h"
#include "windows/Transparency.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

bool Same(const RECT& a, const RECT& b) {
    return ::EqualRect(&a, &b) != 0;
}

TEST(RulesSettingsFile, LinesPresentReplaceDefaultsAreWrittenAsFiveCrLfLinesAndOnlyWhole) {
    const std::pair<const char*, const char*> files[] = {
        {"", "\r\nFALSE\r\n500\r\nTRUE\r\n10\r\n"},
        {"Blue", "Blue\r\nFALSE\r\n500\r\nTRUE\r\n10\r\n"},
        // A trailing line end is no fifth, empty line.
        {"S\r\nTRUE\r\n750\r\nFALSE\r\n", "S\r\nTRUE\r\n750\r\nFALSE\r\n10\r\n"},
        // Flags are exactly "TRUE" or "FALSE"; anything else keeps the value held.
        {"S\r\ntrue\r\n500\r\nFALSE \r\n35", "S\r\nFALSE\r\n500\r\nTRUE\r\n35\r\n"},
        // Numbers as atoi reads them.
        {"S\r\nFALSE\r\n  -25x\r\nTRUE\r\nabc\r\n", "S\r\nFALSE\r\n-25\r\nTRUE\r\n0\r\n"},
        {"Green\nTRUE\n600\nFALSE\n40\nextra\n", "Green\r\nTRUE\r\n600\r\nFALSE\r\n40\r\n"},
        // Written in UTF-8; a line that is not UTF-8 is an older file's, in cp1252 here.
        {"Ωmega\r\nTRUE\r\n750\r\nFALSE\r\n250\r\n", "Ωmega\r\nTRUE\r\n750\r\nFALSE\r\n250\r\n"},
        {"Th\xE8me\r\nTRUE\r\n750\r\nFALSE\r\n250\r\n",
         "Th\xC3\xA8me\r\nTRUE\r\n750\r\nFALSE\r\n250\r\n"}};
    CTempFolder folder;
    const std::string path = folder.File("Paneward.cfg");
    BarSettings settings;
    for (const auto& [file, rewritten] : files) {
        settings.SetDefaults();
        WriteFileAtomically(path, file);
        ASSERT_TRUE(settings.Read(path)) << file;
        EXPECT_FALSE(settings.firstRun);
        EXPECT_EQ(rewritten, settings.FileText()) << file;
    }
    settings.SetDefaults();
    EXPECT_FALSE(settings.Read(folder.File("none.cfg")));
    EXPECT_TRUE(settings.firstRun);
    // A failed save leaves the previous file and creates nothing.
    const std::string previous = ReadFileBytes(path);
    ASSERT_TRUE(::CreateDirectoryA((path + ".tmp").c_str(), nullptr));
    EXPECT_FALSE(WriteFileAtomically(path, "Changed")); // a folder in the temporary file's way
    EXPECT_EQ(previous, ReadFileBytes(path));
    EXPECT_FALSE(WriteFileAtomically(folder.File("absent\\Paneward.cfg"), "Changed"));
    EXPECT_FALSE(FileExists(folder.File("absent")));
    // Timers start within what the sliders offer: 10 to 1000 ms, 10 to 5000 ms.
    const std::tuple<int, UINT, UINT> periods[] = {
        {0, 10, 10},          {-5, 10, 10},       {INT_MIN, 10, 10},  {9, 10, 10},
        {10, 10, 10},         {500, 500, 500},    {1000, 1000, 1000}, {1001, 1000, 1001},
        {4999, 1000, 4999},   {5000, 1000, 5000}, {5001, 1000, 5000}, {99999999, 1000, 5000},
        {INT_MAX, 1000, 5000}};
    for (const auto& [stored, window, autoMaximize] : periods) {
        EXPECT_EQ(window, TimerPeriod(stored, kWindowTimerPeriods)) << stored;
        EXPECT_EQ(autoMaximize, TimerPeriod(stored, kAutoMaximizePeriods)) << stored;
    }
}

TEST(RulesHiddenWindowFile, LinesHoldHandleProcessAndClassAndOnlyWellFormedOnesAreRead) {
    const HWND window = reinterpret_cast<HWND>(0xABCD);
    const std::string two = "0000ABCD 12 Notepad\r\n0000ABCD 7 Two words\r\n";
    EXPECT_EQ(two, FormatHiddenWindows({{window, 12, "Notepad"}, {window, 7, "Two words"}}));
    // The file, then each entry read as it is written again.
    const std::pair<std::string, std::string> files[] = {
        {"", ""},
        {"0000ABCD 12 Notepad", "0000ABCD 12 Notepad\r\n"}, // no line end after the last line
        {two, two},
        {"junk\r\n000ABCD 12 Short\r\n0000ABCD x Pid\r\n0000ABCD 12\r\n", ""}};
    for (const auto& [file, read] : files) {
        EXPECT_EQ(read, FormatHiddenWindows(ParseHiddenWindows(file))) << file;
    }
}

TEST(RulesSkinNames, BelowGfxTheRestOfThePathElseTheFullPathAndBackAgain) {
    ASSERT_TRUE(::SetCurrentDirectoryA(CWinApp::ProgramFolder().c_str()));
    const std::string gfx = GfxFolder();
    const std::pair<std::string, std::string> names[] = {
        {gfx + "\\Flat", "Flat"},
        {gfx + "\\Mine\\Green", "Mine\\Green"},
        {"gfx\\Mine\\Green", "Mine\\Green"}, // from the program's folder
        {"C:\\Skins\\Green", "C:\\Skins\\Green"}};
    for (const auto& [folder, name] : names) {
        EXPECT_EQ(name, SkinNameOf(folder));
    }
    EXPECT_EQ("gfx\\Flat", SkinFolderOf("Flat"));
    // A root keeps its backslash: "X:" alone is that drive's current folder.
    EXPECT_EQ("C:\\", FolderOf("C:\\Panewarden.exe"));
    EXPECT_EQ("C:\\Paneward.cfg", PathIn("C:\\", "Paneward.cfg"));
    EXPECT_EQ("C:\\Tools\\Paneward.cfg", PathIn(FolderOf("C:\\Tools\\P.exe"), "Paneward.cfg"));
    EXPECT_EQ("C:\\Skins\\Green", SkinFolderOf("C:\\Skins\\Green"));
    EXPECT_EQ("\\\\server\\Green", SkinFolderOf("\\\\server\\Green"));
}

// Left of the caption buttons with its own size; shell windows collapse it, its own keep it still.
TEST(RulesPlacement, BarSitsOnTheCaptionOfAnyOtherWindowOnly) {
    const CaptionMetrics at96 = {18, 4, 4, 1}, at120 = {22, 5, 5, 1}, at144 = {27, 5, 5, 1},
                         at192 = {36, 6, 6, 1};
    const RECT win10 = {93, 50, 607, 400}, visible = {100, 50, 600, 393}; // invisible borders
    const CaptionMetrics at144win10 =
                             {54, 6, 6, 1, RECT{-800, -400, -100, 189}, RECT{514, 1, 711, 45}},
                         narrow = {36, 4, 4, 1, RECT{-50, 50, 90, 393}, RECT{40, 1, 147, 30}};
    const auto buttons = [](CaptionMetrics metrics, int width) {
        metrics.cxButtons = width;
        return metrics;
    };
    const std::tuple<RECT, CaptionMetrics, int, SIZE, RECT> cases[] = {
        // Without composition bounds: the formula, where the bar stays off the three buttons.
        {{100, 50, 600, 400}, at96, 6, {36, 15}, {488, 55, 524, 70}},
        {{0, 0, 800, 600}, at120, 6, {45, 19}, {663, 6, 708, 25}},
        {{-1500, -300, -700, 300}, at192, 6, {108, 30}, {-922, -293, -814, -263}},
        {{100, 50, 600, 400}, at96, 8, {36, 15}, {452, 55, 488, 70}},
        // Wine's narrow buttons: the bar ends just left of the minimize button.
        {{100, 50, 600, 400}, at96, 6, {63, 15}, {479, 55, 542, 70}},
        {{100, 50, 829, 596}, at144, 6, {90, 21}, {653, 56, 743, 77}},
        // Composed: just left of the real buttons, centred on their height.
        {win10, {36, 4, 4, 1, visible, RECT{369, 1, 507, 30}}, 6, {54, 15}, {408, 58, 462, 73}},
        {{-811, -400, -89, 200}, at144win10, 6, {81, 23}, {-378, -389, -297, -366}},
        // The visible frame alone, or buttons outside it (a minimized window's): the formula
        // on the visible frame.
        {win10, {36, 4, 4, 1, visible}, 6, {54, 15}, {380, 55, 434, 70}},
        {win10, {36, 4, 4, 1, visible, RECT{369, 1, 580, 30}}, 6, {54, 15}, {380, 55, 434, 70}},
        // Narrower than bar and buttons: at the visible frame's left edge, even off the screen.
        {{100, 50, 200, 300}, at96, 6, {63, 15}, {100, 55, 163, 70}},
        {{0, 0, 120, 200}, at120, 6, {79, 19}, {0, 6, 79, 25}},
        {{300, 100, 480, 400}, at144, 6, {95, 23}, {300, 106, 395, 129}},
        {{400, 200, 640, 600}, at192, 6, {126, 30}, {400, 207, 526, 237}}, // fits just
        {{-20, 0, 200, 400}, at192, 6, {126, 30}, {-20, 7, 106, 37}},
        {{-57, 50, 97, 400}, narrow, 6, {54, 15}, {-50, 58, 4, 73}},
        // Fewer buttons: the bar moves right by the missing ones, as far as it fits beside them.
        // Close only, then help and close, a tool window's small close, no system menu.
        {{100, 50, 600, 400}, buttons(at96, 18), 6, {36, 15}, {524, 55, 560, 70}},
        {{100, 50, 600, 400}, buttons(at96, 18), 6, {63, 15}, {515, 55, 578, 70}},
        {{400, 200, 600, 600}, buttons(at192, 36), 6, {126, 30}, {432, 207, 558, 237}},
        {{100, 50, 829, 596}, buttons(at144, 54), 6, {90, 21}, {680, 56, 770, 77}},
        {{0, 0, 400, 300}, buttons(at120, 15), 6, {79, 19}, {301, 6, 380, 25}},
        {{100, 50, 600, 400}, buttons(at96, 0), 6, {36, 15}, {542, 55, 578, 70}},
    };
    for (const auto& [target, metrics, offset, size, expected] : cases) {
        const RECT bar = BarRectOn(target, metrics, offset, size);
        EXPECT_TRUE(Same(expected, bar)) << bar.left << "," << bar.top << " " << target.right;
    }
    // The buttons' width from the style, with caption buttons of 18 and small ones of 12.
    // Overlapped, a dialog's system menu and its box, no system menu; help, a tool window.
    const DWORD o = WS_OVERLAPPEDWINDOW, d = WS_CAPTION | WS_SYSMENU, dn = d | WS_MINIMIZEBOX,
                dx = d | WS_MAXIMIZEBOX, no = o & ~WS_SYSMENU, hp = WS_EX_CONTEXTHELP,
                t = WS_EX_TOOLWINDOW, tp = t | hp;
    const std::tuple<DWORD, DWORD, int> styles[] = {{o, 0, 54},  {d, 0, 18},   {d, hp, 36},
                                                    {dn, 0, 54}, {dx, hp, 54}, {o, t, 12},
                                                    {d, tp, 12}, {no, hp, 0}};
    for (const auto& [style, exStyle, width] : styles) {
        EXPECT_EQ(width, CaptionMetrics::ButtonsWidth(style, exStyle, 18, 12)) << std::hex << style;
    }
    // Laid out with base units of 10 x 19 at 150 %, 7 x 13 at 96 DPI: the bar, then A.
    const std::tuple<RECT, RECT, RECT> layouts[] = {
        {{0, 0, 90, 21}, {0, 0, 63, 15}, {0, 0, 95, 23}},
        {{30, 0, 60, 21}, {21, 0, 42, 15}, {32, 0, 64, 23}}};
    for (const auto& [laidOut, at96, at144] : layouts) {
        EXPECT_TRUE(Same(at96, LaidOutAt96(laidOut, {10, 19}, {7, 13})) &&
                    Same(at96, LaidOutAt96(at96, {7, 13}, {7, 13})) &&
                    Same(at144, ScaledToDpi(at96, 144)))
            << laidOut.left;
    }
    const auto h = [](int n) { return reinterpret_cast<HWND>(static_cast<INT_PTR>(n)); };
    const TrackedWindows known = {h(1), h(2), h(3), h(4), h(5), h(6)};
    // None in front, the bar, its pop-up, the taskbar, the program manager, the desktop, a
    // cloaked window, another.
    const BarMove moves[] = {BarMove::Collapse, BarMove::Stay,     BarMove::Stay,
                             BarMove::Collapse, BarMove::Collapse, BarMove::Collapse,
                             BarMove::Collapse, BarMove::Place};
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(moves[i], DecideBarMove(i ? h(i) : nullptr, known)) << i;
    }
    // No pop-up and no program manager: nothing stands for them.
    EXPECT_EQ(BarMove::Place, DecideBarMove(h(7), {h(1), nullptr, h(3), nullptr, h(5), nullptr}));
}

// A compositor whose call fails after it has written "cloaked by the shell".
HRESULT WINAPI FailingAttribute(HWND, DWORD, PVOID value, DWORD) {
    *static_cast<DWORD*>(value) = 2;
    return E_FAIL;
}

TEST(RulesCloaked, OnlyAWindowTheCompositorReportsCloakedIsAndNoneWithoutIt) {
    const CDpiCalls none, composing = none.WithWindowAttribute(&CloakedAttribute);
    g_cloakedWindow = reinterpret_cast<HWND>(1);
    for (const auto& [n, cloaked] : {std::pair{1, true}, {2, false}}) {
        const HWND window = reinterpret_cast<HWND>(static_cast<INT_PTR>(n));
        EXPECT_TRUE(composing.IsCloaked(window) == cloaked && !none.IsCloaked(window)) << n;
    }
    EXPECT_FALSE(none.WithWindowAttribute(&FailingAttribute).IsCloaked(g_cloakedWindow));
}

TEST(RulesTransparency, PercentsOpacityAndTheOpaqueLevelThatMakesWindowsPlain) {
    // The menu's entries, "&90%" first and "&Off" last.
    const std::pair<int, int> entries[] = {{9, 255}, {0, 229}, {4, 127}, {8, 25}};
    for (const auto& [entry, level] : entries) {
        EXPECT_EQ(level, CTransparencyLevel::OfMenuEntry(entry)) << entry;
    }
    const LONG o = WS_EX_TOOLWINDOW, L = WS_EX_LAYERED;
    // Level set, style before, style after, level after.
    const std::tuple<int, LONG, LONG, int> applied[] = {
        {254, o, o | L, 254}, {0, o | L, o | L, 0}, {255, o | L, o, 200}, {255, o, o, 200}};
    for (const auto& [level, before, after, kept] : applied) {
        CTransparencyLevel transparency;
        EXPECT_EQ(200, transparency.Get());
        transparency.Set(level);
        EXPECT_EQ(after, transparency.Apply(before)) << level;
        EXPECT_EQ(kept, transparency.Get()) << level;
    }
}

TEST(RulesStacking, BandsColumnsAndTwoColumnsOfRectanglesLeaveRemaindersUncovered) {
    // Mode, i, n, then the rectangle in a 1000 x 700 area; empty: the window stays put.
    const Stacking H = Stacking::Horizontal, V = Stacking::Vertical, R = Stacking::Rectangles;
    const std::optional<RECT> put;
    const std::tuple<Stacking, int, int, std::optional<RECT>> cases[] = {
        {H, 0, 3, RECT{0, 0, 1000, 233}},  {H, 2, 3, RECT{0, 466, 1000, 699}},
        {V, 1, 3, RECT{333, 0, 666, 700}}, {R, 0, 1, put},
        {R, 0, 3, RECT{0, 0, 500, 700}},   {R, 2, 3, RECT{500, 350, 1000, 700}},
        {R, 1, 5, RECT{0, 350, 500, 700}}, {R, 4, 5, RECT{500, 466, 1000, 699}},
        {Stacking::None, 0, 2, put}};
    for (const auto& [mode, i, n, expected] : cases) {
        const std::optional<RECT> rect = StackedRect(mode, i, n, 1000, 700);
        ASSERT_EQ(expected.has_value(), rect.has_value()) << i << " of " << n;
        EXPECT_TRUE(!rect || Same(*expected, *rect)) << i << " of " << n;
    }
}

TEST(RulesWindowMenu, EntriesAreNumberedFromTheFirstIdAndStopWhereSixteenBitsEnd) {
    const std::vector<HWND> active(3, nullptr), hidden(5537, nullptr);
    const CPopupMenu menu(IDR_TRAYMENU);
    AddProgramItems(menu,
                    {[&]() -> const std::vector<HWND>& { return active; },
                     [&]() -> const std::vector<HWND>& { return hidden; }, [] { return false; }});
    // Position, entries, the first and the last one's id.
    const std::tuple<int, int, UINT, UINT> cases[] = {{0, 3, 50000, 50002},
                                                      {1, 5536, 60000, 65535}};
    for (const auto& [position, entries, first, last] : cases) {
        HMENU submenu = ::GetSubMenu(menu.Handle(), position);
        EXPECT_EQ(first, ::GetMenuItemID(submenu, 0));
        ASSERT_EQ(entries, ::GetMenuItemCount(submenu));
        EXPECT_EQ(last, ::GetMenuItemID(submenu, entries - 1));
    }
}

TEST(RulesUtf8Text, CutDropsTheCharacterThatDoesNotFitWhole) {
    // Text, limit, what is kept. é: 2 bytes, 中: 3, 😀: 4; a text that is not UTF-8 is cut at
    // the limit.
    const std::tuple<const char*, std::size_t, const char*> cuts[] = {
        {"abcd", 3, "abc"}, {"aé", 2, "a"},
        {"a中", 3, "a"},    {"a😀", 4, "a"},
        {"a😀b", 5, "a😀"},   {"é中😀", 8, "é中"},
        {"é\xA9", 2, "é"},  {"a\xA9\xA9\xA9", 3, "a\xA9\xA9"}};
    for (const auto& [text, limit, kept] : cuts) {
        EXPECT_EQ(kept, CutText(text, limit)) << text << " " << limit;
    }
    // Lines longer than the limit keep their start and end, whole characters only.
    const std::tuple<const char*, std::size_t, const char*> lines[] = {
        {"", 9, ""},
        {"Short\nlines\n", 5, "Short\nlines\n"},
        {"Path to:\nC:\\Skins\\Long\\H-UP.BMP", 15, "Path to:\nC:\\Ski...UP.BMP"},
        {"0123456789\r\nabc", 8, "01...89\r\nabc"},
        {"中中中中中", 10, "中...中"},
        {"a中中中中", 10, "a...中中"}};
    for (const auto& [text, limit, shown] : lines) {
        EXPECT_EQ(shown, ShortenLines(text, limit)) << text << " " << limit;
    }
}

} // namespace
