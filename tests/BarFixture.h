// A bar started the way the application starts it: the main window, its timers running,
// the seam answering what would wait for a person.
#pragma once

#include "app/ButtonBarDlg.h"
#include "platform/WinApp.h"
#include "processing/HiddenWindowFile.h"
#include "resource.h"
#include "tests/TestSupport.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

inline std::string SettingsPath() {
    return CWinApp::ProgramFolder() + "\\Paneward.cfg";
}

inline bool SameRect(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

// A window's layered alpha, or -1 when it is plain.
inline int LayeredAlpha(HWND window) {
    if (!(::GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_LAYERED)) {
        return -1;
    }
    BYTE alpha = 0;
    DWORD flags = 0;
    ::GetLayeredWindowAttributes(window, nullptr, &alpha, &flags);
    return alpha;
}

inline bool IsTopmost(HWND window) {
    return (::GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
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
                                   nullptr, nullptr, ::GetModuleHandleA(nullptr), nullptr);
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

    // Null content: no settings file at all.
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

    RECT ExpectedBarRect(HWND target) const {
        POINT place = BarPlaceOn(target);
        return {place.x, place.y, place.x + bar->m_rcBar.right - bar->m_rcBar.left,
                place.y + bar->m_rcBar.bottom - bar->m_rcBar.top};
    }

    CScriptedInteraction interaction;
    std::unique_ptr<CButtonBarDlg> bar;
};
