#include "app/BarSettings.h"
#include "tests/TestSupport.h"

#include <gtest/gtest.h>

namespace {

const char kDefaultFile[] = "Windows Standard\r\nFALSE\r\n500\r\nTRUE\r\n10\r\n";

class BarSettingsFile : public ::testing::Test {
protected:
    BarSettingsFile() { settings.SetDefaults(); }

    // Reads the given bytes as the settings file.
    bool ReadFrom(const std::string& content) {
        WriteFileBytes(path, content);
        return settings.Read(path);
    }

    CTempFolder folder;
    std::string path = folder.File("Paneward.cfg");
    BarSettings settings;
};

TEST_F(BarSettingsFile, DefaultsAreWrittenAsFiveCrLfLines) {
    EXPECT_EQ(1, settings.firstRun);
    EXPECT_EQ(MOD_ALT, settings.hideAllModifiers);
    EXPECT_EQ('A', settings.hideAllKey);
    EXPECT_EQ(MOD_ALT, settings.showAllModifiers);
    EXPECT_EQ('S', settings.showAllKey);
    EXPECT_EQ(6, settings.barOffset);
    ASSERT_TRUE(settings.Write(path));
    EXPECT_EQ(kDefaultFile, ReadFileBytes(path));
}

TEST_F(BarSettingsFile, MissingFileKeepsDefaultsAndFirstRun) {
    EXPECT_FALSE(settings.Read(folder.File("absent.cfg")));
    EXPECT_EQ(1, settings.firstRun);
    EXPECT_EQ("Windows Standard", settings.skinName);
    EXPECT_EQ(500, settings.autoMaximizeInterval);
}

TEST_F(BarSettingsFile, FullFileRoundTrips) {
    const std::string content = "Blue Sky\r\nTRUE\r\n750\r\nFALSE\r\n250\r\n";
    ASSERT_TRUE(ReadFrom(content));
    EXPECT_EQ(0, settings.firstRun);
    EXPECT_EQ("Blue Sky", settings.skinName);
    EXPECT_EQ(1, settings.autoMaximize);
    EXPECT_EQ(750, settings.autoMaximizeInterval);
    EXPECT_EQ(0, settings.windowTimerEnabled);
    EXPECT_EQ(250, settings.windowTimerInterval);
    ASSERT_TRUE(settings.Write(path));
    EXPECT_EQ(content, ReadFileBytes(path));
}

TEST_F(BarSettingsFile, ShortFilesUseTheLinesPresent) {
    ASSERT_TRUE(ReadFrom("Blue"));
    EXPECT_EQ("Blue", settings.skinName);
    EXPECT_EQ(0, settings.firstRun);
    EXPECT_EQ(0, settings.autoMaximize);
    EXPECT_EQ(500, settings.autoMaximizeInterval);
    EXPECT_EQ(1, settings.windowTimerEnabled);
    EXPECT_EQ(10, settings.windowTimerInterval);
    ASSERT_TRUE(settings.Write(path));
    EXPECT_EQ("Blue\r\nFALSE\r\n500\r\nTRUE\r\n10\r\n", ReadFileBytes(path));

    settings.SetDefaults();
    ASSERT_TRUE(ReadFrom("Red\r\nTRUE\r\n"));
    EXPECT_EQ("Red", settings.skinName);
    EXPECT_EQ(1, settings.autoMaximize);
    EXPECT_EQ(500, settings.autoMaximizeInterval);
}

TEST_F(BarSettingsFile, EmptyFileEmptiesOnlyTheSkinName) {
    ASSERT_TRUE(ReadFrom(""));
    EXPECT_EQ("", settings.skinName);
    EXPECT_EQ(0, settings.firstRun);
    EXPECT_EQ(0, settings.autoMaximize);
    EXPECT_EQ(500, settings.autoMaximizeInterval);
    EXPECT_EQ(1, settings.windowTimerEnabled);
    EXPECT_EQ(10, settings.windowTimerInterval);
}

TEST_F(BarSettingsFile, FlagsMustBeExactUpperCase) {
    ASSERT_TRUE(ReadFrom("Skin\r\ntrue\r\n500\r\n TRUE\r\n10\r\n"));
    EXPECT_EQ(0, settings.autoMaximize);
    EXPECT_EQ(1, settings.windowTimerEnabled);
    ASSERT_TRUE(ReadFrom("Skin\r\nTRUE \r\n500\r\nfalse\r\n10\r\n"));
    EXPECT_EQ(0, settings.autoMaximize);
    EXPECT_EQ(1, settings.windowTimerEnabled);
}

TEST_F(BarSettingsFile, NumbersAreReadLikeAtoi) {
    ASSERT_TRUE(ReadFrom("Skin\r\nFALSE\r\n750ms\r\nTRUE\r\n  -25x\r\n"));
    EXPECT_EQ(750, settings.autoMaximizeInterval);
    EXPECT_EQ(-25, settings.windowTimerInterval);
    ASSERT_TRUE(ReadFrom("Skin\r\nFALSE\r\n\r\nTRUE\r\nabc\r\n"));
    EXPECT_EQ(0, settings.autoMaximizeInterval);
    EXPECT_EQ(0, settings.windowTimerInterval);
}

TEST_F(BarSettingsFile, HugeNumbersSaturate) {
    ASSERT_TRUE(ReadFrom("Skin\r\nFALSE\r\n99999999999999999999\r\nTRUE\r\n-99999999999\r\n"));
    EXPECT_EQ(2147483647, settings.autoMaximizeInterval);
    EXPECT_EQ(-2147483647 - 1, settings.windowTimerInterval);
}

TEST_F(BarSettingsFile, UnixLineEndsAndExtraLinesAreAccepted) {
    ASSERT_TRUE(ReadFrom("Green\nTRUE\n600\nFALSE\n40\nextra\nmore\n"));
    EXPECT_EQ("Green", settings.skinName);
    EXPECT_EQ(1, settings.autoMaximize);
    EXPECT_EQ(600, settings.autoMaximizeInterval);
    EXPECT_EQ(0, settings.windowTimerEnabled);
    EXPECT_EQ(40, settings.windowTimerInterval);
}

TEST_F(BarSettingsFile, LastLineWithoutLineEndIsRead) {
    ASSERT_TRUE(ReadFrom("Skin\r\nFALSE\r\n500\r\nTRUE\r\n35"));
    EXPECT_EQ(35, settings.windowTimerInterval);
}

TEST_F(BarSettingsFile, FailedSaveLeavesThePreviousFile) {
    WriteFileBytes(path, kDefaultFile);
    settings.skinName = "Changed";
    // A folder in the way of the temporary file makes the write fail.
    ASSERT_TRUE(::CreateDirectoryA((path + ".tmp").c_str(), nullptr));
    EXPECT_FALSE(settings.Write(path));
    ::RemoveDirectoryA((path + ".tmp").c_str());
    EXPECT_EQ(kDefaultFile, ReadFileBytes(path));

    ASSERT_TRUE(settings.Write(path));
    EXPECT_EQ("Changed\r\nFALSE\r\n500\r\nTRUE\r\n10\r\n", ReadFileBytes(path));
    EXPECT_FALSE(FileExists(path + ".tmp"));
}

TEST_F(BarSettingsFile, SaveIntoMissingFolderFailsWithoutCreatingAnything) {
    std::string missing = folder.File("absent\\Paneward.cfg");
    EXPECT_FALSE(settings.Write(missing));
    EXPECT_FALSE(FileExists(missing));
}

} // namespace
