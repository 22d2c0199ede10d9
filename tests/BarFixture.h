// The bar started the way the application starts it, the seam answering for the person.
#pragma once

#include "app/ButtonBarDlg.h"
#include "app/PreferencesDlg.h"
#include "bench/AltKeys.h"
#include "platform/WinApp.h"
#include "platform/WindowCalls.h"
#include "processing/WindowProcessingDlg.h"
#include "resource.h"
#include "tests/Scene.h"
#include "tests/TestSupport.h"

#include <gtest/gtest.h>

#include <memory>

const std::string kSettingsPath = CWinApp::ProgramFile("Paneward.cfg");
const std::string kUserSettingsPath = CWinApp::UserFile("Paneward.cfg");
using Strings = std::vector<std::string>;
const char kTimerOff[] = "Windows Standard\r\nFALSE\r\n500\r\nFALSE\r\n10\r\n";

// No shown window of the normal band above it (Wine's taskbar, topmost under Windows, is not).
inline bool LeadsItsBand(HWND window) {
    const HWND taskbar = ::FindWindowA("Shell_TrayWnd", nullptr);
    HWND above = window;
    while ((above = ::GetWindow(above, GW_HWNDPREV)) &&
           (!::IsWindowVisible(above) || above == taskbar || InTopmostBand(above))) {
    }
    return !above;
}

inline bool IsAbove(HWND upper, HWND lower) {
    while ((lower = ::GetWindow(lower, GW_HWNDPREV)) && lower != upper) {
    }
    return lower == upper;
}

// Wine's quirks and Windows' (none), with this system's DPI calls.
inline std::vector<std::pair<const char*, PlatformQuirks>> BothQuirks() {
    PlatformQuirks wine = PlatformQuirks::OfThisSystem(), windows = wine;
    wine.drawsChangedWindowsOverTopmost = wine.forgetsLayeredWhenShownAgain = true;
    windows.drawsChangedWindowsOverTopmost = windows.forgetsLayeredWhenShownAgain = false;
    return {{"Wine's quirks", wine}, {"Windows' quirks", windows}};
}

// The acts one after the other.
const auto Then = [](auto... acts) { return [=] { (acts(), ...); }; };

// What is done before, the act, and the changes it makes to the scene.
struct Row {
    const char* name;
    std::function<void()> prepare, act;
    std::string changes;
};

class BarFixture : public ::testing::Test {
protected:
    ~BarFixture() override {
        bar.reset();
        RemoveFiles();
    }
    // The files a start reads, and any folder left in the way of writing one.
    static void RemoveFiles() {
        const std::string userFile = CHiddenWindowStore::File().userPath;
        for (const std::string& file :
             {kSettingsPath, kUserSettingsPath, CHiddenWindowStore::File().path, userFile}) {
            ::RemoveDirectoryA((file + ".tmp").c_str());
            ::DeleteFileA(file.c_str());
        }
        ::RemoveDirectoryA(FolderOf(userFile).c_str());
    }
    // kTimerOff's window timer is off: only Tick moves the bar. Null: the files as they are.
    void Start(const char* settingsFile = kTimerOff) {
        bar.reset();
        if (settingsFile) {
            WriteFileAtomically(kSettingsPath, settingsFile);
        }
        bar = std::make_unique<CButtonBarDlg>(quirks, interaction);
        ASSERT_TRUE(bar->Create(IDD_BUTTONBAR, nullptr));
    }
    // Quit, answering the question about the hidden windows if it comes, and start again.
    void QuitAndRestart(int answer = IDNO) {
        interaction.m_messageBoxAnswers = {answer};
        Command(ID_QUIT);
        Start(nullptr);
    }

    // Each row from the scene setUp makes, under each of the quirks given (default: these).
    void RunRows(const std::vector<Row>& rows, const std::function<void()>& setUp,
                 std::vector<std::pair<const char*, PlatformQuirks>> values = {}) {
        for (const auto& [system, systemQuirks] :
             values.empty() ? decltype(values){{"", quirks}} : values) {
            SCOPED_TRACE(system);
            quirks = systemQuirks;
            for (const Row& row : rows) {
                SCOPED_TRACE(row.name);
                setUp();
                row.prepare();
                ExpectEffect(row.act, row.changes);
            }
        }
    }
    // The act's whole effect: the scene before it with the changes stated, against the scene
    // after it, its hides read back; first, what must always hold.
    void ExpectEffect(const std::function<void()>& act, const std::string& changes) {
        Scene expected = camera.Take(*bar, interaction);
        expected.Apply(changes);
        const std::pair<std::string, std::string> settings = KeptSettings();
        act();
        Settle();
        const Scene after = camera.Take(*bar, interaction);
        EXPECT_EQ("", camera.Broken(*bar, interaction, settings));
        EXPECT_EQ(expected.Text(), after.Text());
    }
    // The hides made without waiting read back: a window that refused is listed no more.
    void Settle() {
        const std::vector<HWND>& hidden = bar->HiddenWindowList().Windows();
        PumpUntil([&] { return std::none_of(hidden.begin(), hidden.end(), ::IsWindowVisible); },
                  10000); // its program may answer late on a busy machine
    }

    void Tick() { bar->SendMessage(WM_TIMER, IDT_WINDOWTIMER, 0); }
    // The bar told that its monitor's scale is now dpi, no place suggested.
    void MoveToDpi(UINT dpi) {
        const RECT none = {};
        bar->SendMessage(CDpiCalls::kDpiChangedMessage, MAKEWPARAM(dpi, dpi),
                         reinterpret_cast<LPARAM>(&none));
    }
    void Hotkey(int id) { bar->SendMessage(WM_HOTKEY, static_cast<WPARAM>(id), 0); }
    void PressAlt(WORD key) {
        PressAltWith(key);
        PumpMessages(100);
    }
    // The shell telling icon n of the notification area of a mouse message on it.
    void ShellNotify(std::size_t n, UINT mouseMessage) {
        const CScriptedInteraction::TrayIcon icon = interaction.m_trayIcons.at(n);
        ::SendMessageA(icon.window, icon.message, icon.id, mouseMessage);
    }
    void RideOn(HWND target) {
        ::ShowWindow(target, SW_SHOWNORMAL);
        ::SetForegroundWindow(target);
        ASSERT_TRUE(
            PumpUntil([&] { return ::GetForegroundWindow() == target && LeadsItsBand(target); }));
        Tick();
        ASSERT_EQ(target, bar->Tracker().Target());
    }
    void Command(WPARAM command) { bar->SendMessage(WM_COMMAND, command); }
    // What a hidden-window icon's double-click sends.
    void Restore(HWND window) {
        bar->SendMessage(WM_APP_RESTOREWINDOW, 0, reinterpret_cast<LPARAM>(window));
    }
    void Click(UINT button) {
        ButtonOf(*bar, button).SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
        ButtonOf(*bar, button).SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    }
    // A right press on the button, the menu answering with the choices; its lines.
    Strings RightClick(UINT button, std::deque<UINT> choices = {}) {
        interaction.m_menuChoices = std::move(choices);
        ButtonOf(*bar, button).SendMessage(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(2, 2));
        PumpMessages();
        return interaction.m_menus.back().lines;
    }
    CWindowProcessingDlg& Dialog() { return *bar->ProcessingDlg(); }
    const std::function<void()> none = [] {}, clickH = [this] { Click(IDC_HIDE); },
                                clickA = [this] { Click(IDC_TOPMOST); },
                                clickT = [this] { Click(IDC_TRANSPARENCY); },
                                hideAll = [this] { Hotkey(IDHOT_HIDEALL); },
                                showAll = [this] { Hotkey(IDHOT_SHOWALL); };

    CScriptedInteraction interaction;
    PlatformQuirks quirks = PlatformQuirks::OfThisSystem(); // the next Start's
    std::unique_ptr<CButtonBarDlg> bar;
    CSceneCamera camera;
};
