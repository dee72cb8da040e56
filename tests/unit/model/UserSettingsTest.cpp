// The user's settings file: settings read back as written, other lines kept, one line per
// setting, and nothing written where the system names no settings folder.
#include "core/UserSettings.h"
#include "support/Environment.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace
{
class UserSettings : public testing::Test
{
protected:
    void SetUp() override
    {
        // One folder per test: ctest runs them side by side.
        folder = std::filesystem::path(testing::TempDir()) /
                 (std::string("pavonis-settings-") +
                  testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(folder);
        setUserConfigFolder(folder.string());
    }
    void TearDown() override { std::filesystem::remove_all(folder); }

    std::filesystem::path file() const { return folder / "Pavonis" / "settings.ini"; }
    void writeFile(const std::string& text) const
    {
        std::filesystem::create_directories(file().parent_path());
        std::ofstream(file(), std::ios::binary) << text;
    }
    std::string readFile() const
    {
        std::ifstream in(file(), std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }

    std::filesystem::path folder;
};
} // namespace

TEST_F(UserSettings, AreReadBackAsWrittenInTheirFolder)
{
    EXPECT_EQ(readUserSetting("zoom"), "") << "no file yet";
    ASSERT_TRUE(writeUserSetting("zoom", "150"));
    EXPECT_EQ(readFile(), "zoom=150\n");
    EXPECT_EQ(readUserSetting("zoom"), "150");
    EXPECT_EQ(readUserSetting("zoo"), "") << "a name is matched whole";
    ASSERT_TRUE(writeUserSetting("zoom", "200"));
    EXPECT_EQ(readUserSetting("zoom"), "200");
}

TEST_F(UserSettings, OtherLinesStayAndASettingKeepsOneLine)
{
    writeFile("# mine\r\ntheme=dark\r\nzoom=100\r\nzoomed=1\r\nzoom=150\r\n");
    EXPECT_EQ(readUserSetting("zoom"), "100") << "the first line of a setting counts";
    EXPECT_EQ(readUserSetting("theme"), "dark") << "Windows line ends are read too";
    ASSERT_TRUE(writeUserSetting("zoom", "200"));
    EXPECT_EQ(readFile(), "# mine\ntheme=dark\nzoom=200\nzoomed=1\n");
}

#ifndef _WIN32
TEST_F(UserSettings, WithoutASettingsFolderNothingIsReadOrWritten)
{
    setUserConfigFolder("relative/path"); // not absolute: ~/.config is taken, and there is no home
    const char* home = std::getenv("HOME");
    const std::string kept = home ? home : "";
    unsetenv("HOME");
    EXPECT_EQ(userSettingsPath(), "");
    EXPECT_FALSE(writeUserSetting("zoom", "150"));
    EXPECT_EQ(readUserSetting("zoom"), "");
    if (!kept.empty())
        setenv("HOME", kept.c_str(), 1);
}
#endif
