// Drawing primitives of the panel's pictures, on cairo: whole-pixel boxes, 1 px lines on
// half pixels, gradients lit from the top left, plates, wells, glows and letter-spaced text.
#pragma once

#include "ArtPalette.h"

#include <cairo.h>

#include <string>

namespace art
{
// A rectangle on whole pixels.
struct Box
{
    int x = 0, y = 0, w = 0, h = 0;

    int right() const { return x + w; }
    int bottom() const { return y + h; }
    bool empty() const { return w <= 0 || h <= 0; }
    Box inflated(int dx, int dy) const { return {x - dx, y - dy, w + 2 * dx, h + 2 * dy}; }
    Box moved(int dx, int dy) const { return {x + dx, y + dy, w, h}; }
    Box united(const Box& other) const;
    Box intersected(const Box& other) const;
};

void setColour(cairo_t* cr, const Rgb& colour, double alpha = 1.0);
void roundedRect(cairo_t* cr, double x, double y, double w, double h, double radius);
// Boxes and lines land on whole pixels at every scale (at a zoom step too).
void fillBox(cairo_t* cr, const Box& box, const Rgb& colour, double alpha = 1.0);
// Fills the current path with a vertical gradient from top to bottom between y0 and y1.
void fillVertical(cairo_t* cr, double y0, double y1, const Rgb& top, const Rgb& bottom);
// A 1 px line of whole pixels from (x, y) rightwards or downwards.
void hLine(cairo_t* cr, int x, int y, int length, const Rgb& colour, double alpha = 1.0);
void vLine(cairo_t* cr, int x, int y, int length, const Rgb& colour, double alpha = 1.0);

// The charcoal body over a height of the frame, drawn at frame rows top to top + height.
void body(cairo_t* cr, int width, int frameHeight);
// A raised section plate: highlight on its top edge, shadow under its bottom edge.
void plate(cairo_t* cr, const Box& box);
// A recessed window: shadow on its top and left inner edges, light on its lower rim.
void well(cairo_t* cr, const Box& box, const Rgb& inside, double radius = 2);
// The accent glow around a point.
void glow(cairo_t* cr, double cx, double cy, double radius, double alpha = kGlowAlpha);

// Text in DejaVu Sans at a pixel size, as the toolkit draws it.
struct Font
{
    double size;
    bool bold;
};
void useFont(cairo_t* cr, const Font& font);
double textWidth(cairo_t* cr, const std::string& text, const Font& font, double spacing = 0);
void drawText(cairo_t* cr, const std::string& text, double x, double baseline, const Font& font,
              const Rgb& colour, double spacing = 0, double alpha = 1.0);
// An engraved section title: upper case, letter-spaced, centred on cx.
inline constexpr Font kTitleFont{8.5, true};
inline constexpr double kTitleSpacing = 1.2;
void engravedTitle(cairo_t* cr, const std::string& text, double cx, double baseline,
                   double spacing = kTitleSpacing);
} // namespace art
