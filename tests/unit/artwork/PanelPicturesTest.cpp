// The drawn pictures: every one at its size and frame count, states that look different,
// knob strips that follow their value, and an LCD font whose glyphs are lit, distinct and
// within their advance widths.
#include "ArtScreens.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <set>
#include <string>
#include <vector>

namespace
{
const art::PictureSet& pictures()
{
    static const art::PictureSet set(PANEL_PICTURES_DIR);
    return set;
}

// The pixels of one frame as 32-bit words, row after row.
std::vector<std::uint32_t> framePixels(cairo_surface_t* s, const art::Box& box)
{
    cairo_surface_flush(s);
    const unsigned char* data = cairo_image_surface_get_data(s);
    const int stride = cairo_image_surface_get_stride(s);
    std::vector<std::uint32_t> pixels;
    for (int y = box.y; y < box.bottom(); ++y)
        for (int x = box.x; x < box.right(); ++x)
        {
            std::uint32_t p;
            std::memcpy(&p, data + y * stride + x * 4, 4);
            pixels.push_back(p);
        }
    return pixels;
}

art::Box frameBox(const t_EditorPicture& p, int frame)
{
    const int h = p.height / p.frames;
    return {0, frame * h, p.width, h};
}

// Teal pixels: green and blue well above red (value arcs, lit LEDs, lit glyphs).
int accentPixels(const std::vector<std::uint32_t>& pixels)
{
    int count = 0;
    for (std::uint32_t p : pixels)
    {
        const int a = p >> 24, r = (p >> 16) & 0xFF, g = (p >> 8) & 0xFF, b = p & 0xFF;
        count += a > 128 && g > r + 80 && b > r + 70;
    }
    return count;
}

TEST(PanelPictures, EveryPictureOfTheResourceTableHasItsSize)
{
    for (const t_EditorPicture* p = c_EditorPictures; p->number != 0; ++p)
    {
        SCOPED_TRACE(p->number);
        cairo_surface_t* s = pictures().get(p->number);
        ASSERT_NE(s, nullptr);
        EXPECT_EQ(cairo_image_surface_get_width(s), p->width);
        EXPECT_EQ(cairo_image_surface_get_height(s), p->height);
        EXPECT_EQ(p->height % p->frames, 0);
    }
}

TEST(PanelPictures, NoFrameIsEmptyAndNoTwoFramesAreTheSame)
{
    for (const t_EditorPicture* p = c_EditorPictures; p->number != 0; ++p)
    {
        SCOPED_TRACE(p->number);
        cairo_surface_t* s = pictures().get(p->number);
        ASSERT_NE(s, nullptr);
        std::set<std::vector<std::uint32_t>> frames;
        for (int f = 0; f < p->frames; ++f)
        {
            const auto pixels = framePixels(s, frameBox(*p, f));
            int opaque = 0;
            for (std::uint32_t px : pixels)
                opaque += (px >> 24) > 128;
            EXPECT_GT(opaque, 0) << "frame " << f;
            frames.insert(pixels);
        }
        if (p->number != 214) // the LCD font is checked glyph by glyph
        {
            EXPECT_EQ(int(frames.size()), p->frames);
        }
    }
}

// Whether the knob's pointer covers the point at the angle (counter-clockwise from three
// o'clock) the knob control gives the frame's value.
bool pointerAt(cairo_surface_t* s, const t_EditorPicture& p, int frame)
{
    const double angle = kKnobStartAngle + kKnobRangeAngle * frame / double(p.frames - 1);
    const art::Box box = frameBox(p, frame);
    const int x = int(std::lround(box.x + p.width / 2.0 + 8.5 * std::cos(angle) - 0.5));
    const int y = int(std::lround(box.y + box.h / 2.0 - 8.5 * std::sin(angle) - 0.5));
    const std::uint32_t pixel = framePixels(s, {x, y, 1, 1}).front();
    return ((pixel >> 16) & 0xFF) > 0xB0 && ((pixel >> 8) & 0xFF) > 0xB0 && (pixel & 0xFF) > 0xB0;
}

// Frame n shows n / 99 with its pointer where the knob control puts that value: the plain
// strip's arc grows from the start, the centred strip's from twelve o'clock towards both ends.
TEST(PanelPictures, KnobStripsFollowTheirValue)
{
    for (int number : {125, 126})
    {
        SCOPED_TRACE(number);
        const t_EditorPicture* p = editorTables_FindPicture(number);
        ASSERT_NE(p, nullptr);
        ASSERT_EQ(p->frames, 100);
        std::vector<int> arc;
        for (int f = 0; f < p->frames; ++f)
            arc.push_back(accentPixels(framePixels(pictures().get(number), frameBox(*p, f))));
        for (int f : {0, 20, 49, 80, 99})
            EXPECT_TRUE(pointerAt(pictures().get(number), *p, f)) << "pointer of frame " << f;
        if (number == 126)
        {
            for (int f = 0; f + 5 < p->frames; ++f)
                EXPECT_LT(arc[f], arc[f + 5]) << "frame " << f;
        }
        else
        {
            EXPECT_GT(arc[0], arc[25]);
            EXPECT_GT(arc[25], arc[49]);
            EXPECT_GT(arc[99], arc[75]);
            EXPECT_GT(arc[75], arc[50]);
            EXPECT_NEAR(arc[0], arc[99], arc[0] / 10);
        }
    }
}

TEST(LcdFont, GlyphsAreLitWithinTheirWidthDistinctAndTheSpaceIsBlank)
{
    const t_EditorPicture* p = editorTables_FindPicture(214);
    ASSERT_NE(p, nullptr);
    ASSERT_EQ(p->frames, kLcdFontGlyphs);
    ASSERT_EQ(p->width, kLcdGlyphWidth);
    ASSERT_EQ(p->height / p->frames, kLcdGlyphHeight);
    std::set<std::vector<std::uint32_t>> seen;
    for (int i = 0; i < kLcdFontGlyphs; ++i)
    {
        const char c = LCD_FONT_CHARS[i];
        SCOPED_TRACE(std::string("glyph '") + c + "'");
        const int width = LCD_FONT_CHARS_WIDTH[i];
        const auto inside =
            framePixels(pictures().get(214), {0, i * kLcdGlyphHeight, width, kLcdGlyphHeight});
        const auto beyond = framePixels(
            pictures().get(214), {width, i * kLcdGlyphHeight, kLcdGlyphWidth - width, kLcdGlyphHeight});
        EXPECT_EQ(accentPixels(beyond), 0);
        if (c == ' ')
            EXPECT_EQ(accentPixels(inside), 0);
        else
        {
            EXPECT_GT(accentPixels(inside), 0);
            EXPECT_TRUE(seen.insert(inside).second) << "looks like another glyph";
        }
    }
}
} // namespace
