#include "app/BarSettings.h"
#include "tests/TestSupport.h"

#include <gtest/gtest.h>

namespace {

class BarSettingsFile : public ::testing::Test {
protected:
    BarSettingsFile() { settings.SetDefaults(); }

    CTempFolder folder;
    std::string path = folder.File("Paneward.cfg");
    BarSettings settings;
};

struct ReadCase {
    const char* file;
    const char* rewritten;
};

class BarSettingsRead : public BarSettingsFile, public ::testing::WithParamInterface<ReadCase> {};

TEST_P(BarSettingsRead, LinesPresentReplaceDefaultsAndAreWrittenAsFiveCrLfLines) {
    WriteFileBytes(path, GetParam().file);
    ASSERT_TRUE(settings.Read(path));
    EXPECT_EQ(settings.firstRun, 0);
    ASSERT_TRUE(settings.Write(path));
    EXPECT_EQ(ReadFileBytes(path), GetParam().rewritten);
}
INSTANTIATE_TEST_SUITE_P(
    BarSettingsFile, BarSettingsRead,
    ::testing::Values(
        ReadCase{"Blue Sky\r\nTRUE\r\n750\r\nFALSE\r\n250\r\n",
                 "Blue Sky\r\nTRUE\r\n750\r\nFALSE\r\n250\r\n"},
        ReadCase{"Blue", "Blue\r\nFALSE\r\n500\r\nTRUE\r\n10\r\n"},
        // Flags are exactly "TRUE" or "FALSE"; anything else keeps the value held.
        ReadCase{"S\r\ntrue\r\n500\r\nFALSE \r\n35", "S\r\nFALSE\r\n500\r\nTRUE\r\n35\r\n"},
        // Numbers as atoi reads them, saturating.
        ReadCase{"S\r\nFALSE\r\n  -25x\r\nTRUE\r\nabc\r\n", "S\r\nFALSE\r\n-25\r\nTRUE\r\n0\r\n"},
        ReadCase{"S\r\nFALSE\r\n99999999999999999999\r\nTRUE\r\n-99999999999\r\n",
                 "S\r\nFALSE\r\n2147483647\r\nTRUE\r\n-2147483648\r\n"},
        ReadCase{"Green\nTRUE\n600\nFALSE\n40\nextra\n", "Green\r\nTRUE\r\n600\r\nFALSE\r\n40\r\n"},
        // Written in UTF-8; a line that is not UTF-8 is an older file's, in cp1252 here.
        ReadCase{"Ωmega\r\nTRUE\r\n750\r\nFALSE\r\n250\r\n",
                 "Ωmega\r\nTRUE\r\n750\r\nFALSE\r\n250\r\n"},
        ReadCase{"Th\xE8me\r\nTRUE\r\n750\r\nFALSE\r\n250\r\n",
                 "Th\xC3\xA8me\r\nTRUE\r\n750\r\nFALSE\r\n250\r\n"}));

TEST_F(BarSettingsFile, FailedSaveLeavesThePreviousFileAndCreatesNothing) {
    const char previous[] = "Windows Standard\r\nFALSE\r\n500\r\nTRUE\r\n10\r\n";
    WriteFileBytes(path, previous);
    settings.skinName = "Changed";
    ASSERT_TRUE(::CreateDirectoryA((path + ".tmp").c_str(), nullptr));
    EXPECT_FALSE(settings.Write(path)); // a folder in the temporary file's way
    ::RemoveDirectoryA((path + ".tmp").c_str());
    EXPECT_EQ(ReadFileBytes(path), previous);
    ASSERT_TRUE(settings.Write(path));
    EXPECT_EQ(ReadFileBytes(path), "Changed\r\nFALSE\r\n500\r\nTRUE\r\n10\r\n");
    EXPECT_FALSE(FileExists(path + ".tmp"));

    const std::string missing = folder.File("absent\\Paneward.cfg");
    EXPECT_FALSE(settings.Write(missing));
    EXPECT_FALSE(FileExists(missing));
}

} // namespace
