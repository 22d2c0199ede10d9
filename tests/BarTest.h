// The fixture of the tests that run the whole bar: started as the application starts it.
#pragma once

#include "app/ButtonBarDlg.h"
#include "platform/WinApp.h"
#include "resource.h"
#include "tests/TestSupport.h"

#include <gtest/gtest.h>

#include <memory>

inline std::string SettingsPath() {
    return CWinApp::ProgramFolder() + "\\Paneward.cfg";
}

// A stand-in for the browser frame the automaximize timer looks after.
class CBrowserFrame {
public:
    CBrowserFrame() {
        WNDCLASSA windowClass = {};
        windowClass.lpfnWndProc = ::DefWindowProcA;
        windowClass.hInstance = ::GetModuleHandleA(nullptr);
        windowClass.lpszClassName = "IEFrame";
        ::RegisterClassA(&windowClass);
        m_hWnd = ::CreateWindowExA(0, "IEFrame", "Browser", WS_OVERLAPPEDWINDOW, 100, 100, 400, 300,
                                   nullptr, nullptr, ::GetModuleHandleA(nullptr), nullptr);
    }
    ~CBrowserFrame() { ::DestroyWindow(m_hWnd); }
    HWND m_hWnd;
};

class BarTest : public ::testing::Test {
protected:
    ~BarTest() override {
        bar.reset();
        CWinApp::SetMainWnd(nullptr);
        ::DeleteFileA(SettingsPath().c_str());
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

    CScriptedInteraction interaction;
    std::unique_ptr<CButtonBarDlg> bar;
};
