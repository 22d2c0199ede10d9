#include "tests/TestSupport.h"

#include <gtest/gtest.h>

#include <commctrl.h>

int main(int argc, char** argv) {
    if (argc == 5 && std::string(argv[1]) == "--foreign-window") {
        return RunForeignWindow(argv[2], static_cast<CloseMode>(argv[3][0] - '0'),
                                static_cast<StackMode>(argv[4][0] - '0'));
    }
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_BAR_CLASSES};
    ::InitCommonControlsEx(&controls);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
