// The panel's zoom as a host meets it: effEditGetRect answers the size of the zoom the panel
// will open at (the user's saved choice, else the desktop's scale), the keys Ctrl + plus,
// minus and 0 ask the host for the new size and keep the choice, a refusing host keeps the
// panel as it is, and the standalone's override is used without being kept.
#include "PluginHost.h"
#include "core/VendorCalls.h"
#include "support/Environment.h"
#include "support/FileBytes.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace
{
namespace fs = std::filesystem;

struct Size
{
    int width, height;
    bool operator==(const Size&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Size& size)
{
    return out << size.width << " x " << size.height;
}

constexpr Size k100{797, 203};
constexpr Size k150{1196, 305};
constexpr Size k200{1594, 406};

class Zoom : public ::testing::Test
{
protected:
    void SetUp() override
    {
        fs::create_directories(folder);
        setUserConfigFolder(folder.string());
    }
    void TearDown() override { fs::remove_all(folder); }

    fs::path settingsFile() const { return folder / "Pavonis" / "settings.ini"; }
    void saveSettings(const char* text) const
    {
        fs::remove(settingsFile());
        if (!text)
            return;
        fs::create_directories(settingsFile().parent_path());
        std::ofstream(settingsFile()) << text;
    }
    std::string settings() const
    {
        std::ifstream in(settingsFile());
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }
    static Size rectOf(const PluginInstance& plugin)
    {
        ERect* rect = nullptr;
        EXPECT_EQ(plugin.dispatch(effEditGetRect, 0, 0, &rect), 1);
        return rect ? Size{rect->right - rect->left, rect->bottom - rect->top} : Size{};
    }
    // Ctrl and a character, as a host hands on a key typed while its window has the focus.
    static void ctrlKey(const PluginInstance& plugin, char character)
    {
        constexpr unsigned char kControl = 1 << 3;
        plugin.dispatch(effEditKeyDown, character, 0, nullptr, kControl);
        plugin.dispatch(effEditKeyUp, character, 0, nullptr, kControl);
        plugin.dispatch(effEditIdle);
    }

    fs::path folder =
        fs::temp_directory_path() /
        ("pavonis-zoom-" + std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()));
};

// Width and height from a PNG's header.
Size pngSize(const std::vector<std::uint8_t>& png)
{
    if (png.size() < 24)
        return {};
    const auto word = [&](std::size_t at)
    { return png[at] << 24 | png[at + 1] << 16 | png[at + 2] << 8 | png[at + 3]; };
    return {word(16), word(20)};
}
} // namespace

#ifndef _WIN32
// GDK_SCALE stands for the desktop here; on Windows the DPI does (100 % under wine).
TEST_F(Zoom, TheEditorsSizeFollowsTheSavedChoiceElseTheDesktopsScale)
{
    struct Case
    {
        const char* settings;
        const char* gdkScale;
        Size size;
    };
    const Case cases[] = {
        {"zoom=150\n", "1", k150}, {"theme=dark\nzoom=200\n", "1", k200},
        {"zoom=200\n", "1", k200}, {nullptr, "2", k200},
        {nullptr, "1", k100},      {"zoom=175\n", "1", k100}, // not a step: as if nothing were saved
        {"zoom=\n", "2", k200},
    };
    for (const Case& c : cases)
    {
        saveSettings(c.settings);
        setenv("GDK_SCALE", c.gdkScale, 1);
        PluginInstance plugin;
        EXPECT_EQ(rectOf(plugin), c.size)
            << (c.settings ? c.settings : "no settings") << ", GDK_SCALE " << c.gdkScale;
    }
    unsetenv("GDK_SCALE");
}
#endif

TEST_F(Zoom, KeysAskTheHostForTheNewSizeAndKeepTheChoice)
{
    saveSettings("zoom=100\n");
    HostAnswers resizing;
    resizing.resizesEditor = true;
    PluginInstance plugin(resizing);
    EXPECT_EQ(rectOf(plugin), k100);
    plugin.dispatch(effEditOpen); // no parent window: drawn in memory
    ctrlKey(plugin, '+');
    EXPECT_EQ(rectOf(plugin), k150);
    ctrlKey(plugin, '=');
    EXPECT_EQ(rectOf(plugin), k200);
    ctrlKey(plugin, '+');
    EXPECT_EQ(rectOf(plugin), k200) << "200 % is the largest";
    ctrlKey(plugin, '-');
    EXPECT_EQ(rectOf(plugin), k150);
    EXPECT_EQ(pluginHost::logOf(plugin.effect()).sizeRequests,
              (std::vector<std::pair<int, int>>{{1196, 305}, {1594, 406}, {1196, 305}}));
    EXPECT_EQ(settings(), "zoom=150\n");
    plugin.dispatch(effEditClose);

    PluginInstance another;
    EXPECT_EQ(rectOf(another), k150) << "every instance opens at the user's choice";
    plugin.dispatch(effEditOpen);
    ctrlKey(plugin, '0');
    EXPECT_EQ(rectOf(plugin), k100);
    EXPECT_EQ(settings(), "zoom=100\n");
    plugin.dispatch(effEditClose);
}

TEST_F(Zoom, AHostThatKeepsItsSizeKeepsThePanelAsItIsUntilTheNextOpening)
{
    saveSettings("zoom=100\n");
    PluginInstance plugin; // answers no to audioMasterSizeWindow
    plugin.dispatch(effEditOpen);
    ctrlKey(plugin, '+');
    EXPECT_EQ(pluginHost::logOf(plugin.effect()).sizeRequests,
              (std::vector<std::pair<int, int>>{{1196, 305}}));
    EXPECT_EQ(rectOf(plugin), k100) << "the window keeps the host's size";
    EXPECT_EQ(settings(), "zoom=150\n") << "the choice is kept for the next opening";
    plugin.dispatch(effEditClose);
    EXPECT_EQ(rectOf(plugin), k150);
}

TEST_F(Zoom, TheStandalonesZoomHoldsForTheInstanceWithoutBeingKept)
{
    saveSettings("zoom=150\n");
    PluginInstance plugin;
    const auto call = [&](const char* text)
    { return plugin.dispatch(effVendorSpecific, kVendorCallTag, VENDOR_CALL_ZOOM, const_cast<char*>(text)); };
    EXPECT_EQ(call("200"), 1);
    EXPECT_EQ(rectOf(plugin), k200);
    for (const char* refused : {"175", "", "2000", "0", "200%"})
        EXPECT_EQ(call(refused), 0) << refused;
    EXPECT_EQ(plugin.dispatch(effVendorSpecific, kVendorCallTag, VENDOR_CALL_ZOOM, nullptr), 0);
    const fs::path png = folder / "panel.png";
    ASSERT_EQ(plugin.dispatch(effVendorSpecific, kVendorCallTag, VENDOR_CALL_RENDER_PNG,
                              const_cast<char*>(png.string().c_str())),
              1);
    EXPECT_EQ(pngSize(contentOf(png)), k200) << "the picture is drawn at the zoom";
    EXPECT_EQ(settings(), "zoom=150\n");
}
