// pavonis --screenshot, run as a user runs it: each page's picture is the panel that the
// plug-in draws offscreen when it opens on that page; bad options and files end it with a
// message and a status, and a picture leaves the user's data folder alone.
#include "ReferencePanel.h"
#include "StandaloneProcess.h"
#include "core/VendorCalls.h"
#include "support/PictureDifference.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace
{
namespace fs = std::filesystem;
using namespace standalonetest;

class Screenshot : public ::testing::Test
{
protected:
    void SetUp() override
    {
        fs::create_directories(folder / "data");
        setenv("XDG_DATA_HOME", (folder / "data").c_str(), 1);
    }
    void TearDown() override { fs::remove_all(folder); }

    fs::path folder = fs::temp_directory_path() / ("pavonis-screenshot-" + std::to_string(getpid()));
};

TEST_F(Screenshot, EachPageIsThePanelThePlugInDrawsOffscreen)
{
    ReferencePanel reference;
    const CRect whole(0, 0, kPanelWidth, kPanelHeight);
    for (const char* page : kVendorPageNames)
    {
        const fs::path file = folder / (std::string(page) + ".png");
        StandaloneProcess pavonis({"--screenshot", file.string(), "--page", page});
        EXPECT_EQ(pavonis.exitStatus(), 0) << page;
        const Picture shot = readPng(file.string());
        EXPECT_EQ(shot.width, kPanelWidth) << page;
        EXPECT_EQ(shot.height, kPanelHeight) << page;
        EXPECT_EQ(differingPixels(shot, reference.render(page), whole), 0) << page;
    }
    EXPECT_TRUE(fs::is_empty(folder / "data")) << "a picture saves no programs";
}

// The README's picture is the panel as this build draws it: after a change to the panel that
// was meant, scripts/refresh-goldens draws it anew.
TEST_F(Screenshot, TheReadmePictureIsWhatTheBuildDraws)
{
    const fs::path file = folder / "panel.png";
    StandaloneProcess pavonis({"--page", "part", "--screenshot", file.string()});
    ASSERT_EQ(pavonis.exitStatus(), 0);
    gui::Image drawn, readme;
    ASSERT_TRUE(pictures::readPng(file, drawn));
    ASSERT_TRUE(pictures::readPng(PAVONIS_README_PICTURE, readme));
    EXPECT_EQ(pictures::differingPixels(drawn, readme), 0)
        << "pixels of " << PAVONIS_README_PICTURE << " differ from pavonis --page part --screenshot";
}

// Run from the build tree with nothing installed and nothing named, pavonis hosts the plug-in
// of its own build.
TEST_F(Screenshot, TheBuildsProgramFindsTheBuildsPlugin)
{
    const fs::path file = folder / "panel.png";
    unsetenv("PAVONIS_PLUGIN");
    const std::string home = getenv("HOME") ? getenv("HOME") : "";
    setenv("HOME", folder.c_str(), 1); // no ~/.vst
    platform::ChildProcess pavonis(
        {PAVONIS_STANDALONE_BUILT, "--page", "part", "--screenshot", file.string()});
    const int status = pavonis.waitForExit(10s);
    setenv("HOME", home.c_str(), 1);
    EXPECT_EQ(status, 0) << "pavonis did not find " << PAVONIS_PLUGIN_BUILT;
    EXPECT_TRUE(fs::exists(file));
}

TEST_F(Screenshot, WhatCannotBeDoneEndsWithAMessageAndAStatus)
{
    const std::string unwritable = (folder / "missing" / "panel.png").string();
    const struct
    {
        std::vector<std::string> arguments;
        int status;
    } cases[] = {
        {{"--screenshot", unwritable}, 1},
        {{"--screenshot", (folder / "p.png").string(), "--page", "parts"}, 2},
        {{"--screenshot"}, 2},
        {{"--colour", "blue"}, 2},
        {{"--help"}, 0},
    };
    for (const auto& c : cases)
    {
        StandaloneProcess pavonis(c.arguments);
        EXPECT_EQ(pavonis.exitStatus(), c.status) << c.arguments[0] << " " << c.arguments.size();
    }
    EXPECT_FALSE(fs::exists(unwritable));
    EXPECT_FALSE(fs::exists(folder / "p.png"));
}

TEST_F(Screenshot, APluginFileThatIsNoPluginIsRefused)
{
    const fs::path notAPlugin = folder / "Pavonis.so";
    std::ofstream(notAPlugin) << "not a library";
    StandaloneProcess pavonis({"--plugin", notAPlugin.string(), "--screenshot", (folder / "p.png").string()});
    EXPECT_EQ(pavonis.exitStatus(), 1);
    EXPECT_FALSE(fs::exists(folder / "p.png"));
}
} // namespace
