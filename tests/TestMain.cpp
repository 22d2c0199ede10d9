#include "tests/TestSupport.h"

#include <gtest/gtest.h>

#include <commctrl.h>
#include <shellapi.h>

int main(int argc, char** argv) {
    if (argc == 5 && std::string(argv[1]) == "--foreign-window") {
        return RunForeignWindow(argv[2], static_cast<CloseMode>(argv[3][0] - '0'),
                                static_cast<StackMode>(argv[4][0] - '0'));
    }
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_BAR_CLASSES};
    ::InitCommonControlsEx(&controls);
    // The shell holds an icon, as it does while the program runs: Wine's tray then takes its
    // part in the windows' activation. The bars' icons are only recorded.
    NOTIFYICONDATAA icon = {};
    icon.cbSize = sizeof icon;
    icon.hWnd =
        ::CreateWindowExA(0, "Static", "", 0, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
    icon.uFlags = NIF_ICON;
    icon.hIcon = ::LoadIconA(nullptr, IDI_APPLICATION);
    ::Shell_NotifyIconA(NIM_ADD, &icon);
    ::testing::InitGoogleTest(&argc, argv);
    const int failed = RUN_ALL_TESTS();
    ::Shell_NotifyIconA(NIM_DELETE, &icon);
    return failed;
}
