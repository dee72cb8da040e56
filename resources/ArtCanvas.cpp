#include "ArtCanvas.h"

#include "gui/cairo/CairoFonts.h"

#include <algorithm>
#include <cctype>
#include <cmath>

namespace art
{
namespace
{
constexpr double kPi = 3.14159265358979;

enum class Thin
{
    No,
    Across, // a line one unit high
    Down,   // a line one unit wide
};

// Fills a box of whole units on whole pixels of the surface, whatever the scale (the pictures of
// a zoom step): its edges on the pixels that the toolkit's conversion gives, a line of one unit
// as many whole pixels thick at every place. At 100 % the box is filled as it is.
void fillOnPixels(cairo_t* cr, const Box& box, Thin thin)
{
    double x0 = box.x, y0 = box.y, x1 = box.right(), y1 = box.bottom();
    cairo_user_to_device(cr, &x0, &y0);
    cairo_user_to_device(cr, &x1, &y1);
    double scale = 1, unused = 0;
    cairo_user_to_device_distance(cr, &scale, &unused);
    const double thickness = std::max(1.0, std::floor(scale));
    x0 = std::floor(x0 + 0.5);
    y0 = std::floor(y0 + 0.5);
    x1 = thin == Thin::Down ? x0 + thickness : std::max(x0 + 1, std::floor(x1 + 0.5));
    y1 = thin == Thin::Across ? y0 + thickness : std::max(y0 + 1, std::floor(y1 + 0.5));
    cairo_save(cr);
    cairo_identity_matrix(cr);
    cairo_rectangle(cr, x0, y0, x1 - x0, y1 - y0);
    cairo_fill(cr);
    cairo_restore(cr);
}
} // namespace

Box Box::united(const Box& other) const
{
    if (empty())
        return other;
    if (other.empty())
        return *this;
    const int left = std::min(x, other.x);
    const int top = std::min(y, other.y);
    return {left, top, std::max(right(), other.right()) - left, std::max(bottom(), other.bottom()) - top};
}

Box Box::intersected(const Box& other) const
{
    const int left = std::max(x, other.x);
    const int top = std::max(y, other.y);
    return {left, top, std::max(0, std::min(right(), other.right()) - left),
            std::max(0, std::min(bottom(), other.bottom()) - top)};
}

void setColour(cairo_t* cr, const Rgb& colour, double alpha)
{
    cairo_set_source_rgba(cr, colour.r, colour.g, colour.b, alpha);
}

void roundedRect(cairo_t* cr, double x, double y, double w, double h, double radius)
{
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w - radius, y + radius, radius, -kPi / 2, 0);
    cairo_arc(cr, x + w - radius, y + h - radius, radius, 0, kPi / 2);
    cairo_arc(cr, x + radius, y + h - radius, radius, kPi / 2, kPi);
    cairo_arc(cr, x + radius, y + radius, radius, kPi, 3 * kPi / 2);
    cairo_close_path(cr);
}

void fillBox(cairo_t* cr, const Box& box, const Rgb& colour, double alpha)
{
    if (box.empty())
        return;
    setColour(cr, colour, alpha);
    fillOnPixels(cr, box, Thin::No);
}

void fillVertical(cairo_t* cr, double y0, double y1, const Rgb& top, const Rgb& bottom)
{
    cairo_pattern_t* gradient = cairo_pattern_create_linear(0, y0, 0, y1);
    cairo_pattern_add_color_stop_rgb(gradient, 0, top.r, top.g, top.b);
    cairo_pattern_add_color_stop_rgb(gradient, 1, bottom.r, bottom.g, bottom.b);
    cairo_set_source(cr, gradient);
    cairo_fill(cr);
    cairo_pattern_destroy(gradient);
}

void hLine(cairo_t* cr, int x, int y, int length, const Rgb& colour, double alpha)
{
    if (length <= 0)
        return;
    setColour(cr, colour, alpha);
    fillOnPixels(cr, {x, y, length, 1}, Thin::Across);
}

void vLine(cairo_t* cr, int x, int y, int length, const Rgb& colour, double alpha)
{
    if (length <= 0)
        return;
    setColour(cr, colour, alpha);
    fillOnPixels(cr, {x, y, 1, length}, Thin::Down);
}

void body(cairo_t* cr, int width, int frameHeight)
{
    const Rgb top{kBody.r * kBodyTopLift, kBody.g * kBodyTopLift, kBody.b * kBodyTopLift};
    cairo_rectangle(cr, 0, 0, width, frameHeight);
    fillVertical(cr, 0, frameHeight, top, kBody);
}

void plate(cairo_t* cr, const Box& box)
{
    // A soft drop shadow below and right, then the plate, then its lit and shaded edges.
    roundedRect(cr, box.x + 1, box.y + 1, box.w, box.h, kPlateRadius);
    setColour(cr, kPlateShadow, 0.8);
    cairo_fill(cr);
    roundedRect(cr, box.x, box.y, box.w, box.h, kPlateRadius);
    setColour(cr, kPlate);
    cairo_fill(cr);
    hLine(cr, box.x + 3, box.y, box.w - 6, kPlateHighlight);
    vLine(cr, box.x, box.y + 3, box.h - 6, kPlateHighlight, 0.5);
    hLine(cr, box.x + 3, box.bottom() - 1, box.w - 6, kPlateShadow);
}

void well(cairo_t* cr, const Box& box, const Rgb& inside, double radius)
{
    roundedRect(cr, box.x, box.y, box.w, box.h, radius);
    setColour(cr, inside);
    cairo_fill(cr);
    hLine(cr, box.x + 1, box.y, box.w - 2, kOutline);
    vLine(cr, box.x, box.y + 1, box.h - 2, kOutline, 0.8);
    hLine(cr, box.x + 1, box.y + 1, box.w - 2, kOutline, 0.45);
    hLine(cr, box.x + 1, box.bottom(), box.w - 2, kPlateHighlight, 0.7);
}

void glow(cairo_t* cr, double cx, double cy, double radius, double alpha)
{
    cairo_pattern_t* halo = cairo_pattern_create_radial(cx, cy, 0, cx, cy, radius);
    cairo_pattern_add_color_stop_rgba(halo, 0, kAccent.r, kAccent.g, kAccent.b, alpha);
    cairo_pattern_add_color_stop_rgba(halo, 0.55, kAccent.r, kAccent.g, kAccent.b, alpha * 0.6);
    cairo_pattern_add_color_stop_rgba(halo, 1, kAccent.r, kAccent.g, kAccent.b, 0);
    cairo_set_source(cr, halo);
    cairo_arc(cr, cx, cy, radius, 0, 2 * kPi);
    cairo_fill(cr);
    cairo_pattern_destroy(halo);
}

// The toolkit's own faces, so that the pictures' texts and the panel's are one DejaVu Sans,
// hinted slightly as the desktop's font configuration has it.
void useFont(cairo_t* cr, const Font& font)
{
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_SLIGHT);
    cairo_set_font_options(cr, options);
    cairo_font_options_destroy(options);
    cairo_set_font_face(cr, gui::panelFontFace(font.bold, false));
    cairo_set_font_size(cr, font.size);
}

double textWidth(cairo_t* cr, const std::string& text, const Font& font, double spacing)
{
    useFont(cr, font);
    cairo_text_extents_t extents;
    cairo_text_extents(cr, text.c_str(), &extents);
    return extents.x_advance + spacing * (text.empty() ? 0 : double(text.size() - 1));
}

void drawText(cairo_t* cr, const std::string& text, double x, double baseline, const Font& font,
              const Rgb& colour, double spacing, double alpha)
{
    useFont(cr, font);
    setColour(cr, colour, alpha);
    for (char c : text)
    {
        const char glyph[2] = {c, 0};
        cairo_text_extents_t extents;
        cairo_text_extents(cr, glyph, &extents);
        cairo_move_to(cr, x, baseline);
        cairo_show_text(cr, glyph);
        x += extents.x_advance + spacing;
    }
}

void engravedTitle(cairo_t* cr, const std::string& text, double cx, double baseline, double spacing)
{
    std::string upper = text;
    for (char& c : upper)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    const double x = std::round(cx - textWidth(cr, upper, kTitleFont, spacing) / 2);
    // A dark line under the letters keeps them crisp on any plate.
    drawText(cr, upper, x, baseline + 1, kTitleFont, kOutline, spacing, 0.9);
    drawText(cr, upper, x, baseline, kTitleFont, kTitle, spacing);
}
} // namespace art
