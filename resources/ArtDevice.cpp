// The device picture of the setup page: a groovebox of our own, a row of knobs, a wide
// display (where the editor writes the device status) and a row of pads. It is opaque, so
// that it hides what the page shows in its place while the ports are hidden.
#include "ArtPictures.h"

namespace art
{
namespace
{
constexpr double kPi = 3.14159265358979;
constexpr int kKnobs = 7;
constexpr int kPads = 8;
} // namespace

void drawDevice(cairo_t* cr, const t_EditorPicture& picture)
{
    fillBox(cr, {0, 0, picture.width, picture.height}, kPlate);
    const Box body{1, 1, picture.width - 2, picture.height - 2};
    roundedRect(cr, body.x, body.y, body.w, body.h, 4);
    setColour(cr, kOutline);
    cairo_fill(cr);
    roundedRect(cr, body.x + 1, body.y + 1, body.w - 2, body.h - 2, 3);
    fillVertical(cr, body.y, body.bottom(), kDeviceTop, kDeviceBottom);
    hLine(cr, body.x + 3, body.y + 1, body.w - 6, kPointer, 0.25);

    // Knobs along the top, a lit step LED at the right.
    for (int k = 0; k < kKnobs; ++k)
    {
        const double cx = 10.5 + k * 11;
        cairo_arc(cr, cx, 8.5, 3.5, 0, 2 * kPi);
        setColour(cr, kOutline);
        cairo_fill(cr);
        cairo_arc(cr, cx - 0.5, 8, 2.5, 0, 2 * kPi);
        setColour(cr, kKnobCapTop);
        cairo_fill(cr);
    }
    glow(cr, picture.width - 11.5, 8.5, 5);
    cairo_arc(cr, picture.width - 11.5, 8.5, 2, 0, 2 * kPi);
    setColour(cr, kAccentLight);
    cairo_fill(cr);

    // The display: the editor writes the device status across it.
    well(cr, {4, 14, picture.width - 8, 19}, kLcdBack, 1.5);

    // Pads, two of them lit.
    const int padWidth = (picture.width - 8 - (kPads - 1) * 3) / kPads;
    const int left = (picture.width - (kPads * padWidth + (kPads - 1) * 3)) / 2;
    for (int p = 0; p < kPads; ++p)
    {
        const Box pad{left + p * (padWidth + 3), 36, padWidth, 7};
        roundedRect(cr, pad.x, pad.y, pad.w, pad.h, 1.5);
        setColour(cr, kOutline);
        cairo_fill(cr);
        const bool lit = p == 0 || p == 5;
        roundedRect(cr, pad.x + 1, pad.y + 1, pad.w - 2, pad.h - 2, 1);
        fillVertical(cr, pad.y, pad.bottom(), lit ? kAccentLight : kFaceTop, lit ? kAccent : kFaceBottom);
    }
}
} // namespace art
