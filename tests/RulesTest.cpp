// The rules on plain values: no window is made here.
#include "app/BarSettings.h"
#include "controls/SkinFolder.h"
#include "platform/WinApp.h"
#include "platform/Utf8Text.h"
#include "processing/HiddenWindowFile.h"
#include "processing/Stacking.h"
#include "processing/WindowCatalogue.h"
#include "tests/TestSupport.h"
#include "windows/BarPlacement.h"
#include "windows/Transparency.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

bool Same(const RECT& a, const RECT& b) {
    return ::EqualRect(&a, &b) != 0;
}

TEST(RulesSettingsFile, LinesPresentReplaceDefaultsAreWrittenAsFiveCrLfLinesAndOnlyWhole) {
    // No fifth line after a line end; flags exactly "TRUE" or "FALSE", numbers as atoi reads them.
    const std::pair<const char*, const char*> files[] = {
        {"", "\r\nFALSE\r\n500\r\nTRUE\r\n10\r\n"},
        {"Blue", "Blue\r\nFALSE\r\n500\r\nTRUE\r\n10\r\n"},
        {"Th\xE8me\r\nTRUE\r\n750\r\nFALSE\r\n", "Th\xC3\xA8me\r\nTRUE\r\n750\r\nFALSE\r\n10\r\n"},
        {"S\r\ntrue\r\n500\r\nFALSE \r\n35", "S\r\nFALSE\r\n500\r\nTRUE\r\n35\r\n"},
        {"S\r\nFALSE\r\n  -25x\r\nTRUE\r\nabc\r\n", "S\r\nFALSE\r\n-25\r\nTRUE\r\n0\r\n"},
        {"Ωmega\nTRUE\n600\nFALSE\n40\nextra\n", "Ωmega\r\nTRUE\r\n600\r\nFALSE\r\n40\r\n"}};
    CTempFolder folder;
    const std::string path = folder.File("Paneward.cfg");
    BarSettings settings;
    for (const auto& [file, rewritten] : files) {
        settings.SetDefaults();
        WriteFileAtomically(path, file);
        ASSERT_TRUE(settings.Read(path) && !settings.firstRun) << file;
        EXPECT_EQ(rewritten, settings.FileText()) << file;
    }
    settings.SetDefaults();
    EXPECT_TRUE(!settings.Read(folder.File("none.cfg")) && settings.firstRun);
    // A failed save leaves the previous file and creates no folder.
    const std::string previous = ReadFileBytes(path);
    ASSERT_TRUE(::CreateDirectoryA((path + ".tmp").c_str(), nullptr));
    EXPECT_FALSE(WriteFileAtomically(path, "Changed")); // a folder in the temporary file's way
    EXPECT_EQ(previous, ReadFileBytes(path));
    EXPECT_FALSE(WriteFileAtomically(folder.File("absent\\Paneward.cfg"), "Changed"));
    EXPECT_FALSE(FileExists(folder.File("absent")));
    // Timers start within what the sliders offer: 10 to 1000 ms, 10 to 5000 ms.
    const std::tuple<int, UINT, UINT> periods[] = {{INT_MIN, 10, 10},  {9, 10, 10},
                                                   {500, 500, 500},    {1001, 1000, 1001},
                                                   {5001, 1000, 5000}, {INT_MAX, 1000, 5000}};
    for (const auto& [stored, window, autoMaximize] : periods) {
        EXPECT_EQ(std::pair(window, autoMaximize),
                  std::pair(TimerPeriod(stored, kWindowTimerPeriods),
                            TimerPeriod(stored, kAutoMaximizePeriods)));
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
    for (const auto& [folder, name] : {std::pair{gfx + "\\Flat", "Flat"},
                                       {gfx + "\\Mine\\Green", "Mine\\Green"},
                                       {"gfx\\Mine\\Green", "Mine\\Green"},
                                       {"C:\\Skins\\Green", "C:\\Skins\\Green"}}) {
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

// Left of the caption buttons with its own size.
TEST(RulesPlacement, BarSitsLeftOfTheCaptionButtonsWithinTheVisibleFrame) {
    const CaptionMetrics at96 = {18, 4, 4, 1}, at192 = {36, 6, 6, 1},
                         closeOnly = {18, 4, 4, 1, {}, {}, 18}, none = {18, 4, 4, 1, {}, {}, 0},
                         at144win10 =
                             {54, 6, 6, 1, RECT{-800, -400, -100, 189}, RECT{514, 1, 711, 45}},
                         narrow = {36, 4, 4, 1, RECT{-50, 50, 90, 393}, RECT{40, 1, 147, 30}};
    const RECT win10 = {93, 50, 607, 400}, visible = {100, 50, 600, 393}; // invisible borders
    // Target, metrics, offset, the bar's size, its top-left corner: the formula; composed, left
    // of buttons inside the visible frame; at that frame's left edge; right by missing buttons.
    const std::tuple<RECT, CaptionMetrics, int, SIZE, POINT> cases[] = {
        {{100, 50, 600, 400}, at96, 6, {36, 15}, {488, 55}},
        {{-1500, -300, -700, 300}, at192, 6, {108, 30}, {-922, -293}},
        {{100, 50, 600, 400}, at96, 8, {36, 15}, {452, 55}},
        {{100, 50, 600, 400}, at96, 6, {63, 15}, {479, 55}},
        {win10, {36, 4, 4, 1, visible, RECT{369, 1, 507, 30}}, 6, {54, 15}, {408, 58}},
        {{-811, -400, -89, 200}, at144win10, 6, {81, 23}, {-378, -389}},
        {win10, {36, 4, 4, 1, visible}, 6, {54, 15}, {380, 55}},
        {win10, {36, 4, 4, 1, visible, RECT{369, 1, 580, 30}}, 6, {54, 15}, {380, 55}},
        {{400, 200, 640, 600}, at192, 6, {126, 30}, {400, 207}}, // fits just
        {{-20, 0, 200, 400}, at192, 6, {126, 30}, {-20, 7}},
        {{-57, 50, 97, 400}, narrow, 6, {54, 15}, {-50, 58}},
        {{100, 50, 600, 400}, closeOnly, 6, {36, 15}, {524, 55}},
        {{100, 50, 600, 400}, closeOnly, 6, {63, 15}, {515, 55}},
        {{100, 50, 600, 400}, none, 6, {36, 15}, {542, 55}}};
    for (const auto& [target, metrics, offset, size, at] : cases) {
        const RECT bar = BarRectOn(target, metrics, offset, size);
        EXPECT_TRUE(Same({at.x, at.y, at.x + size.cx, at.y + size.cy}, bar)) << target.right;
    }
    // The buttons' width from the style, with caption buttons of 18 and small ones of 12.
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
}

// The shown windows (parents only, or with their owned pop-ups and children) and the hidden
// ones; the latter "own" are the program's list, listed apart.
TEST(RulesCatalogue, ListsTitledWindowsButTheProgramsDialogProgramManagerAndCloakedOnes) {
    const bool parents = true, children = false, own = false, all = true;
    const Listed no = Listed::Nowhere, shown = Listed::Shown, hidden = Listed::Hidden;
    // Visible, a child or owned, cloaked, title; the choices; where it is listed.
    const std::tuple<CatalogueFacts, bool, bool, Listed> cases[] = {
        {{true, false, false, "Notepad"}, parents, own, shown},
        {{true, true, false, "Find"}, parents, own, no}, // an owned pop-up, or a child window
        {{true, true, false, "Find"}, children, all, shown},
        {{true, false, false, ""}, parents, own, no},
        {{true, true, false, ""}, children, own, no},
        {{true, false, false, "Window processing"}, children, own, no},
        {{true, false, false, "Program Manager"}, parents, all, no},
        {{true, false, true, "Notepad"}, parents, own, no},
        {{false, false, false, "Notepad"}, parents, own, no},
        {{false, true, true, "Find"}, parents, all, hidden},
        {{false, false, false, ""}, children, all, no}};
    for (const auto& [facts, parentsOnly, showAll, listed] : cases) {
        EXPECT_EQ(listed, ListedAs(facts, parentsOnly, showAll))
            << facts.title << facts.visible << facts.child << facts.cloaked << parentsOnly;
    }
}

// A compositor whose call fails after it has written "cloaked by the shell".
HRESULT WINAPI FailingAttribute(HWND, DWORD, PVOID value, DWORD) {
    *static_cast<DWORD*>(value) = 2;
    return E_FAIL;
}

TEST(RulesCloaked, OnlyAWindowTheCompositorReportsCloakedIsAndNoneWithoutIt) {
    const CDpiCalls none, composing = none.WithWindowAttribute(&CloakedAttribute);
    g_cloakedWindow = reinterpret_cast<HWND>(1);
    EXPECT_TRUE(composing.IsCloaked(g_cloakedWindow) && !none.IsCloaked(g_cloakedWindow));
    EXPECT_FALSE(none.WithWindowAttribute(&FailingAttribute).IsCloaked(g_cloakedWindow));
}

TEST(RulesTransparency, PercentsOpacityAndTheOpaqueLevelThatMakesWindowsPlain) {
    // The menu's entries, "&90%" first and "&Off" last.
    for (const auto& [entry, level] : {std::pair{9, 255}, {0, 229}, {4, 127}, {8, 25}}) {
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
        EXPECT_TRUE(transparency.Apply(before) == after && transparency.Get() == kept) << level;
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
        EXPECT_TRUE(expected.has_value() == rect.has_value() && (!rect || Same(*expected, *rect)))
            << i << " of " << n;
    }
}

// A cut drops the character that does not fit whole, a text not UTF-8 is cut at the limit;
// longer lines keep their start and end. é: 2 bytes, 中: 3, 😀: 4.
TEST(RulesUtf8Text, CutDropsTheCharacterThatDoesNotFitWhole) {
    const std::tuple<const char*, std::size_t, const char*> cuts[] = {
        {"abcd", 3, "abc"}, {"aé", 2, "a"},
        {"a中", 3, "a"},    {"a😀", 4, "a"},
        {"a😀b", 5, "a😀"},   {"é中😀", 8, "é中"},
        {"é\xA9", 2, "é"},  {"a\xA9\xA9\xA9", 3, "a\xA9\xA9"}};
    for (const auto& [text, limit, kept] : cuts) {
        EXPECT_EQ(kept, CutText(text, limit)) << text << " " << limit;
    }
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
