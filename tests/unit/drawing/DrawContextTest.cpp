// CDrawContext as both back ends must draw it: whole pixels for rectangles and lines on whole
// coordinates, origin and clip kept by Scope, pictures blended from their offset and nowhere
// beyond their edges, texts centred in their rectangle, and PNG files that read back the same.
#include "gui/CDrawContext.h"
#include "gui/Image.h"

#include <gtest/gtest.h>

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
