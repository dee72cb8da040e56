// The four FX chain buttons: boxes FX1, FX2 and FX3 with the signal's road drawn in the accent
// colour. Each chain takes the signal in from above at its first box and gives it back below
// its last one; boxes of one chain are joined by arrows. Frame 0 is the button off, frame 1 on.
#include "ArtPictures.h"

#include <cmath>
#include <string>

namespace art
{
namespace
{
constexpr int kBoxes = 3;
constexpr int kBoxWidth = 25;
constexpr int kBoxHeight = 13;
constexpr int kMinStub = 6; // below this there is no room for the taps above and below

int boxLeft(const t_EditorPicture& picture, int fx)
{
    const int gap = (picture.width - 2 * 7 - kBoxes * kBoxWidth) / (kBoxes - 1);
    return 7 + fx * (kBoxWidth + gap);
}

void arrowHead(cairo_t* cr, double x, double y, double dx, double dy)
{
    cairo_move_to(cr, x, y);
    cairo_line_to(cr, x - 3 * dx - 2.5 * dy, y - 3 * dy - 2.5 * dx);
    cairo_line_to(cr, x - 3 * dx + 2.5 * dy, y - 3 * dy + 2.5 * dx);
    cairo_close_path(cr);
    cairo_fill(cr);
}

// A line of the road with an arrow at its end, (x0, y0) to (x1, y1), horizontal or vertical.
void road(cairo_t* cr, double x0, double y0, double x1, double y1, double alpha)
{
    setColour(cr, kAccent, alpha);
    cairo_set_line_width(cr, 1);
    const bool vertical = x0 == x1;
    cairo_move_to(cr, vertical ? x0 + 0.5 : x0, vertical ? y0 : y0 + 0.5);
    cairo_line_to(cr, vertical ? x1 + 0.5 : x1 - 2, vertical ? y1 - 2 : y1 + 0.5);
    cairo_stroke(cr);
    arrowHead(cr, vertical ? x1 + 0.5 : x1, vertical ? y1 : y1 + 0.5, vertical ? 0 : 1, vertical ? 1 : 0);
}

void fxBox(cairo_t* cr, const Box& box, int fx, bool on)
{
    roundedRect(cr, box.x + 0.5, box.y + 0.5, box.w - 1, box.h - 1, 2);
    setColour(cr, on ? kLitWell : kWell);
    cairo_fill_preserve(cr);
    setColour(cr, kAccent, on ? 1.0 : 0.7);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    const std::string name = "FX" + std::to_string(fx + 1);
    const Font font{8, true};
    const double width = textWidth(cr, name, font, 0.3);
    drawText(cr, name, std::round(box.x + (box.w - width) / 2), box.y + 10, font, on ? kAccentLight : kTitle,
             0.3);
}

// first and last: the boxes chained together (equal for none).
void chainFrame(cairo_t* cr, const t_EditorPicture& picture, int top, int h, int first, int last, bool on)
{
    const Box face{1, top + 1, picture.width - 2, h - 2};
    roundedRect(cr, face.x, face.y, face.w, face.h, 3);
    setColour(cr, on ? kPlateHighlight : kPlate);
    cairo_fill(cr);
    if (on)
    {
        roundedRect(cr, face.x + 0.5, face.y + 0.5, face.w - 1, face.h - 1, 3);
        setColour(cr, kAccent);
        cairo_set_line_width(cr, 1);
        cairo_stroke(cr);
    }
    else
        hLine(cr, face.x + 3, face.y, face.w - 6, kPlateHighlight);
    const int boxTop = top + (h - kBoxHeight) / 2;
    const int stub = boxTop - face.y - 1;
    const double alpha = on ? 1.0 : 0.75;
    for (int fx = 0; fx < kBoxes; ++fx)
    {
        const Box box{boxLeft(picture, fx), boxTop, kBoxWidth, kBoxHeight};
        const bool head = fx <= first || fx > last;
        const bool tail = fx < first || fx >= last;
        const int mid = box.x + kBoxWidth / 2;
        if (stub >= kMinStub)
        {
            if (head)
                road(cr, mid, face.y + 2, mid, box.y, alpha);
            if (tail)
                road(cr, mid, box.bottom(), mid, face.bottom() - 1, alpha);
        }
        else if (fx == 0 || fx == kBoxes - 1)
            road(cr, fx == 0 ? face.x + 1 : box.right(), box.y + kBoxHeight / 2,
                 fx == 0 ? box.x : face.right() - 1, box.y + kBoxHeight / 2, alpha);
        if (!tail)
            road(cr, box.right(), box.y + kBoxHeight / 2, boxLeft(picture, fx + 1), box.y + kBoxHeight / 2,
                 alpha);
        fxBox(cr, box, fx, on);
    }
}

void chainStrip(cairo_t* cr, const t_EditorPicture& picture, int first, int last)
{
    const int h = picture.height / picture.frames;
    for (int n = 0; n < picture.frames; ++n)
        chainFrame(cr, picture, n * h, h, first, last, n == 1);
}
} // namespace

void drawChainNone(cairo_t* cr, const t_EditorPicture& picture)
{
    chainStrip(cr, picture, 0, 0);
}

void drawChain12(cairo_t* cr, const t_EditorPicture& picture)
{
    chainStrip(cr, picture, 0, 1);
}

void drawChain23(cairo_t* cr, const t_EditorPicture& picture)
{
    chainStrip(cr, picture, 1, 2);
}

void drawChain123(cairo_t* cr, const t_EditorPicture& picture)
{
    chainStrip(cr, picture, 0, 2);
}
} // namespace art
