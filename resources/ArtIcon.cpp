// The emblem, a peacock's eye, and the standalone editor's icon built on it.
#include "ArtPictures.h"

#include <cmath>

namespace art
{
namespace
{
constexpr double kPi = 3.14159265358979;
constexpr double kIconUnits = 64; // the icon is drawn on a 64-unit square, scaled to its size

// The rounded body of the icon: the panel's charcoal, lit on its top edge.
void iconBody(cairo_t* cr)
{
    roundedRect(cr, 3, 3, 58, 58, 11);
    setColour(cr, kOutline);
    cairo_fill(cr);
    roundedRect(cr, 4, 4, 56, 56, 10);
    fillVertical(cr, 4, 60, kPlateHighlight, kBody);
    roundedRect(cr, 5, 5.5, 54, 53.5, 9);
    fillVertical(cr, 5, 59, kPlate, kBody);
}

// Fine barbs leaning away from the shaft, as on a feather around its eye.
void barbs(cairo_t* cr, double cx, double cy)
{
    cairo_set_line_width(cr, 0.8);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (int i = 0; i < 9; ++i)
        for (int side : {-1, 1})
        {
            const double y = cy + 24 - i * 5.2;
            const double reach = 10 + 14 * std::sin(kPi * (i + 1) / 10);
            cairo_move_to(cr, cx + side * 0.8, y);
            cairo_curve_to(cr, cx + side * reach * 0.4, y - 2, cx + side * reach * 0.8, y - 5,
                           cx + side * reach, y - 9);
            setColour(cr, kAccent, 0.28);
            cairo_stroke(cr);
        }
    cairo_move_to(cr, cx, cy + 28);
    cairo_line_to(cr, cx, cy - 20);
    cairo_set_line_width(cr, 1.2);
    setColour(cr, kAccentLight, 0.55);
    cairo_stroke(cr);
}
} // namespace

void drawEmblem(cairo_t* cr, double cx, double cy, double scale)
{
    // A teal ring round a dark iris and a bright pupil.
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, 0.78 * scale, scale);
    cairo_arc(cr, 0, 0, 13, 0, 2 * kPi);
    setColour(cr, kAccent, 0.25);
    cairo_fill(cr);
    cairo_arc(cr, 0, 0, 11, 0, 2 * kPi);
    setColour(cr, kAccent);
    cairo_fill(cr);
    cairo_arc(cr, 0, 1.5, 7.5, 0, 2 * kPi);
    setColour(cr, kLcdBack);
    cairo_fill(cr);
    cairo_arc(cr, 0, 2.5, 3.5, 0, 2 * kPi);
    setColour(cr, kAccentLight);
    cairo_fill(cr);
    cairo_restore(cr);
}

void drawAppIcon(cairo_t* cr, int size)
{
    cairo_save(cr);
    cairo_scale(cr, size / kIconUnits, size / kIconUnits);
    iconBody(cr);
    roundedRect(cr, 5, 5.5, 54, 53.5, 9);
    cairo_clip(cr);
    const double cx = 32;
    const double cy = 29;
    barbs(cr, cx, cy);
    glow(cr, cx, cy, 22, 0.3);
    drawEmblem(cr, cx, cy, 1.45);
    cairo_restore(cr);
}
} // namespace art
