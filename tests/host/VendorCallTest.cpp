// The plug-in's own vendor calls, as the standalone host sends them through the dispatcher:
// pages, pictures of the panel, the device status, and calls it must refuse.
#include "PluginHost.h"
#include "core/VendorCalls.h"
#include "support/FileBytes.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <string>

namespace
{
namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

constexpr int kPanelWidth = 797;
constexpr int kPanelHeight = 203;

class VendorCalls : public ::testing::Test
{
protected:
    void SetUp() override { fs::create_directories(folder); }
    void TearDown() override { fs::remove_all(folder); }

    vst::intptr call(vst::intptr code, const void* argument, vst::int32 tag = kVendorCallTag) const
    {
        return plugin.dispatch(effVendorSpecific, tag, code, const_cast<void*>(argument));
    }
    // The panel as the render call writes it; empty when it wrote nothing.
    Bytes picture(const std::string& name = "panel")
    {
        const fs::path path = folder / (name + ".png");
        fs::remove(path);
        EXPECT_EQ(call(VENDOR_CALL_RENDER_PNG, path.c_str()), 1) << name;
        return fs::exists(path) ? contentOf(path) : Bytes{};
    }

    PluginInstance plugin;
    fs::path folder =
        fs::temp_directory_path() /
        ("pavonis-vendor-" + std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()));
};

// Width and height from a PNG's header; 0 x 0 for anything else.
std::pair<int, int> pngSize(const Bytes& png)
{
    static const Bytes kSignature = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    if (png.size() < 24 || !std::equal(kSignature.begin(), kSignature.end(), png.begin()))
        return {0, 0};
    const auto word = [&](std::size_t at)
    { return png[at] << 24 | png[at + 1] << 16 | png[at + 2] << 8 | png[at + 3]; };
    return {word(16), word(20)};
}

TEST_F(VendorCalls, TheRenderedPanelIsAPngOfTheEditorsSize)
{
    EXPECT_EQ(pngSize(picture()), std::make_pair(kPanelWidth, kPanelHeight));
}

TEST_F(VendorCalls, EachPageShowsItsOwnPanelAndSetupIsTheFirst)
{
    const Bytes first = picture("first");
    std::vector<Bytes> pages;
    for (const char* page : kVendorPageNames)
    {
        EXPECT_EQ(call(VENDOR_CALL_SHOW_PAGE, page), 1) << page;
        pages.push_back(picture(page));
        for (std::size_t i = 0; i + 1 < pages.size(); ++i)
            EXPECT_NE(pages[i], pages.back()) << page << " looks like " << kVendorPageNames[i];
    }
    EXPECT_EQ(pages.back(), first) << "the panel opens on the setup page";
}

TEST_F(VendorCalls, AnOpenEditorsPictureIsTheOneDrawnOffscreen)
{
    call(VENDOR_CALL_SHOW_PAGE, "mix");
    const Bytes closed = picture("closed");
    plugin.dispatch(effEditOpen); // no parent window: drawn in memory
    plugin.dispatch(effEditIdle);
    EXPECT_EQ(picture("open"), closed);
    call(VENDOR_CALL_SHOW_PAGE, "global");
    EXPECT_NE(picture("open-global"), closed) << "the open window follows the page";
    plugin.dispatch(effEditClose);
}

TEST_F(VendorCalls, CallsThatCannotBeDoneAnswerZeroAndChangeNothing)
{
    call(VENDOR_CALL_SHOW_PAGE, "part");
    const Bytes before = picture("before");
    const std::string missingFolder = (folder / "no-such-folder" / "panel.png").string();
    const struct
    {
        const char* what;
        vst::int32 tag;
        vst::intptr code;
        const void* argument;
    } refused[] = {
        {"another vendor's tag", 'Q' | 'R' << 8, VENDOR_CALL_SHOW_PAGE, "mix"},
        {"an unknown code", kVendorCallTag, 99, "mix"},
        {"code 0", kVendorCallTag, 0, "mix"},
        {"a page the panel does not have", kVendorCallTag, VENDOR_CALL_SHOW_PAGE, "Mix"},
        {"an empty page name", kVendorCallTag, VENDOR_CALL_SHOW_PAGE, ""},
        {"a page without a name", kVendorCallTag, VENDOR_CALL_SHOW_PAGE, nullptr},
        {"a picture without a path", kVendorCallTag, VENDOR_CALL_RENDER_PNG, nullptr},
        {"a picture in a missing folder", kVendorCallTag, VENDOR_CALL_RENDER_PNG, missingFolder.c_str()},
        {"a connection without a name", kVendorCallTag, VENDOR_CALL_CONNECT, nullptr},
        {"a connection with no MIDI system", kVendorCallTag, VENDOR_CALL_CONNECT, "esx"},
        {"a status without a buffer", kVendorCallTag, VENDOR_CALL_DEVICE_STATUS, nullptr},
    };
    for (const auto& c : refused)
        EXPECT_EQ(call(c.code, c.argument, c.tag), 0) << c.what;
    EXPECT_FALSE(fs::exists(missingFolder));
    EXPECT_EQ(picture("after"), before);
}

TEST_F(VendorCalls, TheDeviceStatusIsTheSetupPagesTextAndSaysWhetherTheDeviceAnswered)
{
    char status[kVendorTextLength];
    std::fill(std::begin(status), std::end(status), 'x');
    EXPECT_EQ(call(VENDOR_CALL_DEVICE_STATUS, status), 0) << "no device without ports";
    EXPECT_STREQ(status, "ESX not detected");
}
} // namespace
