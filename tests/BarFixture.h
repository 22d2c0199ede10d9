// A bar started the way the application starts it, the seam answering what would wait for a person.
#pragma once

#include "app/ButtonBarDlg.h"
#include "platform/WinApp.h"
#include "processing/HiddenWindowFile.h"
#include "processing/WindowProcessingDlg.h"
#include "resource.h"
#include "tests/TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

inline std::string SettingsPath() {
    return CWinApp::ProgramFile("Paneward.cfg");
}

inline bool Contains(const std::vector<HWND>& windows, HWND window) {
    return std::find(windows.begin(), windows.end(), window) != windows.end();
}

inline bool SameRect(const RECT& a, const RECT& b) {
    return ::EqualRect(&a, &b) != 0;
}

// A window's layered alpha, or -1 when it is plain.
inline int LayeredAlpha(HWND window) {
    BYTE alpha = 0;
    if (!(::GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_LAYERED)) {
        return -1;
    }
    ::GetLayeredWindowAttributes(window, nullptr, &alpha, nullptr);
    return alpha;
}

inline bool IsTopmost(HWND window) {
    return (::GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

// One line per item: submenu path, text ("----": separator), id unless a submenu, state.
inline void AddMenuLines(const std::vector<MenuItemRecord>& items, const std::string& path,
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
        line += state & MF_DEFAULT ? " default" : "";
        lines.push_back(line);
        AddMenuLines(item.submenu, path + item.text + "/", lines);
    }
}

inline std::vector<std::string> LastMenuLines(const CScriptedInteraction& interaction) {
    std::vector<std::string> lines;
    AddMenuLines(interaction.m_menus.back().items, "", lines);
    return lines;
}

inline bool IsAbove(HWND upper, HWND lower) {
    HWND window = lower;
    while ((window = ::GetWindow(window, GW_HWNDPREV)) && window != upper) {
    }
    return window == upper;
}

// A top-level window of the given class, as another program's would be.
class CWindowOfClass {
public:
    explicit CWindowOfClass(const char* className) {
        WNDCLASSA windowClass = {};
        windowClass.lpfnWndProc = ::DefWindowProcA;
        windowClass.hInstance = ::GetModuleHandleA(nullptr);
        windowClass.lpszClassName = className;
        ::RegisterClassA(&windowClass); // fails harmlessly once it is there
        m_hWnd = ::CreateWindowExA(0, className, className, WS_OVERLAPPEDWINDOW, 100, 100, 400, 300,
                                   nullptr, nullptr, windowClass.hInstance, nullptr);
    }
    ~CWindowOfClass() { ::DestroyWindow(m_hWnd); }
    CWindowOfClass(const CWindowOfClass&) = delete;
    CWindowOfClass& operator=(const CWindowOfClass&) = delete;
    HWND m_hWnd;
};

class BarFixture : public ::testing::Test {
protected:
    ~BarFixture() override {
        bar.reset();
        CWinApp::SetMainWnd(nullptr);
        ::DeleteFileA(SettingsPath().c_str());
        ::DeleteFileA(CHiddenWindowFile::ProgramFile().c_str());
    }

    // Null: no settings file.
    void Start(const char* settingsFile = nullptr) {
        bar.reset();
        ::DeleteFileA(SettingsPath().c_str());
        if (settingsFile) {
            WriteFileBytes(SettingsPath(), settingsFile);
        }
        bar = std::make_unique<CButtonBarDlg>();
        CWinApp::SetMainWnd(bar.get());
        ASSERT_TRUE(bar->Create(IDD_BUTTONBAR, nullptr));
    }

    void Tick() { bar->SendMessage(WM_TIMER, CButtonBarDlg::kWindowTimer, 0); }

    void RideOn(const CForeignWindow& target) {
        target.BringToFront();
        Tick();
        ASSERT_EQ(target.Handle(), bar->m_pTarget);
    }

    void Hide(const CForeignWindow& window) const {
        ::ShowWindow(window.Handle(), SW_SHOWNOACTIVATE);
        ::ShowWindow(window.Handle(), SW_HIDE);
        bar->m_pProcessingDlg->AddHiddenWindow(window.Handle());
    }

    RECT ExpectedBarRect(HWND target) const {
        POINT place = BarPlaceOn(target);
        return {place.x, place.y, place.x + bar->m_rcBar.right - bar->m_rcBar.left,
                place.y + bar->m_rcBar.bottom - bar->m_rcBar.top};
    }

    CScriptedInteraction interaction;
    std::unique_ptr<CButtonBarDlg> bar;
};
