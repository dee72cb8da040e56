// The zoom's arithmetic and the pictures it draws: units and pixels convert both ways without
// losing a unit, packed pictures come back as they were packed (and bad bytes are refused),
// a bitmap at a zoom draws the picture made for that zoom, cell by cell, and the desktop's
// scale is read from the X resources as the desktop writes them.
#include "GuiTestSupport.h"
#include "gui/PackedPicture.h"
#include "gui/Zoom.h"
#include "gui/x11/X11Desktop.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <vector>

using namespace guitest;

namespace
{
void setPixel(gui::Image& image, int x, int y, std::uint32_t value)
{
    std::memcpy(image.data() + y * image.stride() + 4 * x, &value, sizeof value);
}

// A strip of frames, each of one colour: colours[i] fills frame i.
gui::Image strip(int width, int cell, const std::vector<std::uint32_t>& colours)
{
    gui::Image image(width, cell * static_cast<int>(colours.size()));
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < width; ++x)
            setPixel(image, x, y, colours[static_cast<std::size_t>(y / cell)]);
    return image;
}

std::vector<unsigned char> pngOf(const gui::Image& image)
{
    const std::string path = testing::TempDir() + "gui_zoom_test.png";
    gui::writePng(image, path.c_str());
    std::ifstream file(path, std::ios::binary);
    std::vector<unsigned char> bytes{std::istreambuf_iterator<char>(file), {}};
    std::remove(path.c_str());
    return bytes;
}

constexpr int kStripNumber = 9001;
constexpr std::uint32_t kRed = 0xFFC80000, kGreen = 0xFF00C800, kBlue = 0xFF0000C8;
constexpr std::uint32_t kPaleRed = 0xFFFF8080, kPaleGreen = 0xFF80FF80, kPaleBlue = 0xFF8080FF;
constexpr std::uint32_t kUntouched = 0xFF102030;

// Draws the strip at 150 % in pale colours, as the panel's own drawing would draw it anew.
bool makeStripAt150(int number, int zoom, gui::Image& out)
{
    if (number != kStripNumber || zoom != 150)
        return false;
    out = strip(gui::toPixels(4, zoom), gui::toPixels(3, zoom), {kPaleRed, kPaleGreen, kPaleBlue});
    return true;
}

gui::Image untouched(int width, int height)
{
    gui::Image image(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            setPixel(image, x, y, kUntouched);
    return image;
}
} // namespace

TEST(Zoom, EveryUnitComesBackFromItsPixels)
{
    for (int zoom : gui::kZoomSteps)
        for (int units = -200; units < 2000; ++units)
        {
            const int first = gui::toPixels(units, zoom);
            const int next = gui::toPixels(units + 1, zoom);
            ASSERT_LT(first, next) << units << " at " << zoom;
            EXPECT_EQ(gui::toUnits(first, zoom), units) << zoom;
            EXPECT_EQ(gui::toUnits(next - 1, zoom), units) << zoom;
        }
    EXPECT_EQ(gui::nextZoomStep(100, +1), 150);
    EXPECT_EQ(gui::nextZoomStep(200, +1), 200);
    EXPECT_EQ(gui::nextZoomStep(150, -1), 100);
    EXPECT_EQ(gui::nearestZoomStep(125), 100);
    EXPECT_EQ(gui::nearestZoomStep(175), 150);
    EXPECT_EQ(gui::nearestZoomStep(300), 200);
}

TEST(PackedPicture, ComesBackAsItWasPackedAndBadBytesAreRefused)
{
    gui::Image picture = strip(7, 5, {kRed, kGreen, kBlue, kGreen});
    for (int y = 0; y < picture.height(); ++y)
        setPixel(picture, y % 7, y, 0x80000000u | static_cast<std::uint32_t>(y)); // every row its own
    const std::vector<unsigned char> packed = gui::packPicture(picture, 4);
    ASSERT_FALSE(packed.empty());
    gui::Image unpacked;
    ASSERT_TRUE(gui::unpackPicture(packed.data(), packed.size(), unpacked));
    ASSERT_EQ(unpacked.width(), 7);
    ASSERT_EQ(unpacked.height(), 20);
    EXPECT_EQ(std::memcmp(unpacked.data(), picture.data(), static_cast<std::size_t>(picture.stride()) * 20),
              0);

    EXPECT_TRUE(gui::packPicture(picture, 3).empty()) << "20 rows are no 3 frames";
    std::vector<std::vector<unsigned char>> refused = {
        {},
        std::vector<unsigned char>(packed.begin(), packed.begin() + 10),
        std::vector<unsigned char>(packed.begin(), packed.end() - 4),
        packed,
        packed,
    };
    refused[3][0] = 'Q';
    refused[4][6] = 24; // a height that the data does not fill
    for (const auto& bytes : refused)
    {
        gui::Image kept = strip(2, 1, {kRed});
        EXPECT_FALSE(gui::unpackPicture(bytes.data(), bytes.size(), kept)) << bytes.size() << " bytes";
        EXPECT_EQ(kept.width(), 2) << "a refused picture leaves the image as it was";
    }
}

TEST(ZoomedBitmap, DrawsThePictureMadeForTheZoomCellByCellElseTheEnlargedOne)
{
    const std::vector<unsigned char> png = pngOf(strip(4, 3, {kRed, kGreen, kBlue}));
    static std::vector<unsigned char> kept;
    kept = png;
    static const gui::EmbeddedPicture table[] = {{kStripNumber, kept.data(), kept.size()}};
    gui::registerPictures(table, 1);
    gui::registerPictureMaker(makeStripAt150);
    CBitmap bitmap(kStripNumber);
    ASSERT_EQ(bitmap.getWidth(), 4);
    ASSERT_EQ(bitmap.getHeight(), 9);

    gui::Image at150 = untouched(20, 20);
    {
        CDrawContext context(at150, 150);
        bitmap.drawFrame(&context, CRect(2, 2, 6, 6), 1, 3); // a place a row taller than the frame
    }
    // Units 2..6 are pixels 3..9; the frame's cell is 6 x 5 pixels.
    EXPECT_EQ(at150.at(3, 3), kPaleGreen);
    EXPECT_EQ(at150.at(8, 7), kPaleGreen);
    EXPECT_EQ(at150.at(4, 8), kUntouched) << "nothing of the next frame below the cell";
    EXPECT_EQ(at150.at(2, 3), kUntouched);

    gui::Image at200 = untouched(20, 20);
    {
        CDrawContext context(at200, 200);
        bitmap.drawFrame(&context, CRect(1, 1, 5, 4), 2, 3);
    }
    EXPECT_EQ(at200.at(2, 2), kBlue) << "no picture made for 200 %: the one of 100 % enlarged";
    EXPECT_EQ(at200.at(9, 7), kBlue);
    EXPECT_EQ(at200.at(10, 7), kUntouched);
    EXPECT_EQ(at200.at(9, 8), kUntouched);
}

TEST(DesktopScale, TheXftDpiResourceGivesTheScale)
{
    struct Case
    {
        const char* resources;
        int scale;
    };
    const Case cases[] = {
        {"Xft.dpi:\t96\n", 100},
        {"Xft.antialias:\t1\nXft.dpi:\t144\nXft.hinting:\t1\n", 150},
        {"Xft.dpi: 192", 200},
        {"Xft.dpi:\t120.5\n", 126},
        {"Xcursor.size:\t24\n", 0},
        {"Xft.dpi:\tlarge\n", 0},
        {"Xft.dpi:\t100000\n", 0},
        {"", 0},
        {nullptr, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(gui::scaleFromXResources(c.resources), c.scale) << (c.resources ? c.resources : "null");
}
