// CDrawContext as both back ends must draw it: whole pixels for rectangles and lines on whole
// coordinates, origin and clip kept by Scope, pictures blended from their offset and nowhere
// beyond their edges, texts centred in their rectangle, the same at the panel's zoom steps on
// the pixels that the zoom gives, and PNG files that read back the same.
#include "gui/CDrawContext.h"
#include "gui/Image.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace
{
constexpr std::uint32_t kUntouched = 0xFF102030;
constexpr CColor kPaint{200, 40, 10, 255};
constexpr std::uint32_t kPainted = 0xFFC8280A;

void setPixel(gui::Image& image, int x, int y, std::uint32_t value)
{
    std::memcpy(image.data() + y * image.stride() + 4 * x, &value, sizeof value);
}

gui::Image canvas(int width = 24, int height = 24)
{
    gui::Image image(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            setPixel(image, x, y, kUntouched);
    return image;
}

struct Expected
{
    int x, y;
    std::uint32_t value;
};

struct ShapeCase
{
    const char* name;
    void (*draw)(CDrawContext&);
    std::vector<Expected> pixels;
};

const ShapeCase kShapes[] = {
    {"fillRect covers its half-open rectangle",
     [](CDrawContext& c)
     {
         c.setFillColor(kPaint);
         c.fillRect(CRect(2, 3, 7, 8));
     },
     {{2, 3, kPainted}, {6, 7, kPainted}, {7, 7, kUntouched}, {6, 8, kUntouched}, {1, 3, kUntouched}}},
    {"drawRect keeps the outline inside",
     [](CDrawContext& c)
     {
         c.setFrameColor(kPaint);
         c.drawRect(CRect(2, 2, 10, 10));
     },
     {{2, 5, kPainted},
      {9, 5, kPainted},
      {5, 2, kPainted},
      {5, 9, kPainted},
      {3, 5, kUntouched},
      {10, 5, kUntouched},
      {5, 10, kUntouched}}},
    {"a one-pixel line stays on its row",
     [](CDrawContext& c)
     {
         c.setFrameColor(kPaint);
         c.drawLine(CPoint(2, 5), CPoint(14, 5));
     },
     {{4, 5, kPainted}, {12, 5, kPainted}, {8, 4, kUntouched}, {8, 6, kUntouched}}},
    {"translate and clip hold within a Scope only",
     [](CDrawContext& c)
     {
         c.setFillColor(kPaint);
         {
             CDrawContext::Scope scope(&c);
             c.translate(CPoint(5, 5));
             c.clipRect(CRect(0, 0, 4, 4));
             c.fillRect(CRect(-3, -3, 12, 12));
         }
         c.fillRect(CRect(20, 20, 21, 21));
     },
     {{5, 5, kPainted},
      {8, 8, kPainted},
      {4, 5, kUntouched},
      {9, 8, kUntouched},
      {8, 9, kUntouched},
      {20, 20, kPainted}}},
    {"an invisible colour draws nothing",
     [](CDrawContext& c)
     {
         c.setFillColor(kTransparentCColor);
         c.fillRect(CRect(0, 0, 24, 24));
     },
     {{0, 0, kUntouched}, {12, 12, kUntouched}}},
};

class Shapes : public testing::TestWithParam<ShapeCase>
{
};

TEST_P(Shapes, LandOnTheirPixels)
{
    gui::Image image = canvas();
    {
        CDrawContext context(image);
        GetParam().draw(context);
        context.flush();
    }
    for (const Expected& e : GetParam().pixels)
        EXPECT_EQ(image.at(e.x, e.y), e.value) << GetParam().name << " at " << e.x << "," << e.y;
}

INSTANTIATE_TEST_SUITE_P(DrawContext, Shapes, testing::ValuesIn(kShapes));

// A 4 x 4 picture whose pixels tell where they come from: 0xFF00xxyy.
gui::Image numberedPicture()
{
    gui::Image picture(4, 4);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            setPixel(picture, x, y, 0xFF000000u | static_cast<std::uint32_t>(x << 8 | y));
    return picture;
}

TEST(DrawContext, PicturesComeFromTheirOffsetAndStopAtTheirEdges)
{
    const gui::Image picture = numberedPicture();
    gui::Image image = canvas();
    {
        CDrawContext context(image);
        context.drawImage(picture, CRect(10, 10, 12, 12), CPoint(1, 2));
        context.drawImage(picture, CRect(0, 0, 6, 6), CPoint(2, 2)); // covers 2 x 2 only
        context.flush();
    }
    EXPECT_EQ(image.at(10, 10), 0xFF000102u);
    EXPECT_EQ(image.at(11, 11), 0xFF000203u);
    EXPECT_EQ(image.at(12, 12), kUntouched);
    EXPECT_EQ(image.at(0, 0), 0xFF000202u);
    EXPECT_EQ(image.at(1, 1), 0xFF000303u);
    EXPECT_EQ(image.at(2, 2), kUntouched);
    EXPECT_EQ(image.at(0, 4), kUntouched);
}

// At a zoom, units become the pixels that gui::toPixels gives: whole pixels, no blurred edges,
// the origin moved by zoomed units, lines as wide as the zoom makes them (1.5 pixels down to 1).
struct ZoomCase
{
    const char* name;
    int zoom;
    void (*draw)(CDrawContext&);
    std::vector<Expected> pixels;
};

const ZoomCase kZoomed[] = {
    {"a rectangle at 150 %",
     150,
     [](CDrawContext& c)
     {
         c.setFillColor(kPaint);
         c.fillRect(CRect(1, 1, 3, 3)); // units 1..3: pixels 2..5
     },
     {{2, 2, kPainted}, {4, 4, kPainted}, {1, 1, kUntouched}, {5, 5, kUntouched}, {1, 4, kUntouched}}},
    {"a rectangle at 200 %",
     200,
     [](CDrawContext& c)
     {
         c.setFillColor(kPaint);
         c.fillRect(CRect(1, 1, 3, 3));
     },
     {{2, 2, kPainted}, {5, 5, kPainted}, {1, 1, kUntouched}, {6, 6, kUntouched}}},
    {"an origin moved by units, clipped at 150 %",
     150,
     [](CDrawContext& c)
     {
         c.setFillColor(kPaint);
         CDrawContext::Scope scope(&c);
         c.translate(CPoint(3, 3)); // pixel 5
         c.clipRect(CRect(0, 0, 2, 2));
         c.fillRect(CRect(-5, -5, 10, 10));
     },
     {{5, 5, kPainted}, {7, 7, kPainted}, {4, 5, kUntouched}, {8, 7, kUntouched}, {7, 8, kUntouched}}},
    {"a one-unit line is two pixels at 200 %",
     200,
     [](CDrawContext& c)
     {
         c.setFrameColor(kPaint);
         c.drawLine(CPoint(2, 5), CPoint(10, 5));
     },
     {{8, 10, kPainted}, {8, 11, kPainted}, {8, 9, kUntouched}, {8, 12, kUntouched}}},
    {"a one-unit outline is one pixel at 150 %",
     150,
     [](CDrawContext& c)
     {
         c.setFrameColor(kPaint);
         c.drawRect(CRect(2, 2, 10, 10)); // pixels 3..15
     },
     {{3, 8, kPainted}, {14, 8, kPainted}, {4, 8, kUntouched}, {13, 8, kUntouched}, {8, 3, kPainted}}},
};

class Zoomed : public testing::TestWithParam<ZoomCase>
{
};

TEST_P(Zoomed, LandOnTheZoomedPixels)
{
    gui::Image image = canvas();
    {
        CDrawContext context(image, GetParam().zoom);
        GetParam().draw(context);
        context.flush();
    }
    for (const Expected& e : GetParam().pixels)
        EXPECT_EQ(image.at(e.x, e.y), e.value) << GetParam().name << " at " << e.x << "," << e.y;
}

INSTANTIATE_TEST_SUITE_P(DrawContext, Zoomed, testing::ValuesIn(kZoomed));

TEST(DrawContext, AtAZoomPicturesAreCopiedPixelForPixelFromTheZoomedPlace)
{
    const gui::Image picture = numberedPicture();
    gui::Image image = canvas();
    {
        CDrawContext context(image, 150);
        // Units 3..5 are pixels 5..8; only the picture's rows 1 and 2 may be drawn.
        context.drawImage(picture, CRect(3, 3, 5, 5), CPoint(1, 0), CRect(0, 1, 4, 3));
        context.flush();
    }
    EXPECT_EQ(image.at(5, 5), kUntouched) << "row 0 lies outside the allowed part";
    EXPECT_EQ(image.at(5, 6), 0xFF000101u);
    EXPECT_EQ(image.at(7, 7), 0xFF000302u);
    EXPECT_EQ(image.at(7, 8), kUntouched);
    EXPECT_EQ(image.at(4, 6), kUntouched);
}

TEST(DrawContext, TextsAreLaidOutAtTheZoomedSize)
{
    CCoord units[2] = {};
    int inkWidth[2] = {};
    for (int i = 0; i < 2; ++i)
    {
        const int zoom = i == 0 ? 100 : 200;
        gui::Image image = canvas(200, 60);
        CDrawContext context(image, zoom);
        context.setFont(kNormalFontBig);
        context.setFontColor(kWhiteCColor);
        units[i] = context.getStringWidth("Cutoff");
        context.drawString("Cutoff", CRect(0, 0, 100, 30), kLeftText);
        context.flush();
        int left = 200, right = 0;
        for (int y = 0; y < 60; ++y)
            for (int x = 0; x < 200; ++x)
                if (image.at(x, y) != kUntouched)
                {
                    left = std::min(left, x);
                    right = std::max(right, x + 1);
                }
        inkWidth[i] = right - left;
    }
    EXPECT_NEAR(units[1], units[0], 2) << "widths are told in panel units at every zoom";
    EXPECT_NEAR(inkWidth[1], 2 * inkWidth[0], 4) << "the letters are drawn twice as large";
}

TEST(DrawContext, TextsAreCentredInTheirRectangle)
{
    gui::Image image = canvas(80, 40);
    const CRect box(10, 5, 70, 35);
    CCoord narrow = 0;
    CCoord wide = 0;
    {
        CDrawContext context(image);
        context.setFont(kNormalFontBig);
        context.setFontColor(kWhiteCColor);
        narrow = context.getStringWidth("H");
        wide = context.getStringWidth("HHHH");
        context.drawString("H", box, kCenterText);
        context.flush();
    }
    EXPECT_GT(narrow, 3);
    EXPECT_NEAR(wide, 4 * narrow, 2);
    int left = 80, right = 0, top = 40, bottom = 0;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 80; ++x)
            if (image.at(x, y) != kUntouched)
            {
                left = std::min(left, x);
                right = std::max(right, x + 1);
                top = std::min(top, y);
                bottom = std::max(bottom, y + 1);
            }
    ASSERT_LT(left, right) << "no text drawn";
    EXPECT_NEAR((left + right) / 2.0, (box.left + box.right) / 2.0, 2.0);
    EXPECT_NEAR((top + bottom) / 2.0, (box.top + box.bottom) / 2.0, 3.0);
    EXPECT_TRUE(box.pointInside(CPoint(left, top)) && box.pointInside(CPoint(right - 1, bottom - 1)));
}

TEST(PngFiles, ReadBackWhatWasWrittenAndRefuseWhatIsNotPng)
{
    const gui::Image picture = numberedPicture();
    const std::string path = testing::TempDir() + "drawing_tests_picture.png";
    ASSERT_TRUE(gui::writePng(picture, path.c_str()));
    std::ifstream file(path, std::ios::binary);
    const std::vector<unsigned char> bytes{std::istreambuf_iterator<char>(file), {}};
    std::remove(path.c_str());
    gui::Image decoded;
    ASSERT_TRUE(gui::decodePng(bytes.data(), bytes.size(), decoded));
    ASSERT_EQ(decoded.width(), 4);
    ASSERT_EQ(decoded.height(), 4);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            EXPECT_EQ(decoded.at(x, y), picture.at(x, y)) << x << "," << y;

    const std::vector<std::vector<unsigned char>> refused = {
        {},
        {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 1, 2, 3}, // a signature and then nothing sensible
        {'B', 'M', 0x3A, 0, 0, 0, 0, 0, 0, 0, 0x36, 0, 0, 0},   // the start of a BMP file
        std::vector<unsigned char>(bytes.begin(),
                                   bytes.begin() + static_cast<std::ptrdiff_t>(bytes.size() / 2)),
    };
    for (const auto& garbage : refused)
    {
        gui::Image kept = numberedPicture();
        EXPECT_FALSE(gui::decodePng(garbage.data(), garbage.size(), kept)) << garbage.size() << " bytes";
        EXPECT_EQ(kept.at(3, 3), 0xFF000303u) << "a refused picture leaves the image as it was";
    }
    EXPECT_FALSE(gui::decodePng(nullptr, 10, decoded));
}
} // namespace
