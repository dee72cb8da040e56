// Where the pattern library lies on Linux: under the user's data home.
#include "commands/PatternLibrary.h"

#include <gtest/gtest.h>

#include <cstdlib>

TEST(PatternLibraryFolder, FollowsTheDataHomeOfTheUser)
{
    struct Case
    {
        const char* dataHome;
        const char* home;
        const char* folder;
    };
    const Case cases[] = {
        {"/data", "/home/me", "/data/Pavonis/Library"},
        {"relative", "/home/me", "/home/me/.local/share/Pavonis/Library"},
        {"", "/home/me", "/home/me/.local/share/Pavonis/Library"},
        {nullptr, "/home/me", "/home/me/.local/share/Pavonis/Library"},
        {nullptr, nullptr, ""},
    };
    for (const Case& c : cases)
    {
        c.dataHome ? setenv("XDG_DATA_HOME", c.dataHome, 1) : unsetenv("XDG_DATA_HOME");
        c.home ? setenv("HOME", c.home, 1) : unsetenv("HOME");
        EXPECT_EQ(patternLibrary::folder(), c.folder) << (c.dataHome ? c.dataHome : "unset");
    }
}
