// Knobs, buttons, steppers, LEDs, sliders and the small value pictures. Strips of frames are
// stacked vertically: frame i lies at rows i * height / frames onwards.
#include "ArtPictures.h"

#include <algorithm>
#include <cmath>

namespace art
{
namespace
{
constexpr double kPi = 3.14159265358979;

int frameHeight(const t_EditorPicture& picture)
{
    return picture.height / picture.frames;
}

// --- Knobs ------------------------------------------------------------------------------------

// The knobs' own travel, clockwise from seven o'clock to five; cairo's angles run clockwise
// from three o'clock, the knobs' counter-clockwise.
constexpr double kKnobStart = 2 * kPi - kKnobStartAngle;
constexpr double kKnobRange = -kKnobRangeAngle;
constexpr double kKnobTop = 1.5 * kPi;
constexpr double kRingRadius = 19.5;
constexpr double kCapRadius = 13.5;

void tick(cairo_t* cr, double cx, double cy, double angle)
{
    setColour(cr, kTick);
    cairo_set_line_width(cr, 1.5);
    cairo_move_to(cr, cx + 22 * std::cos(angle), cy + 22 * std::sin(angle));
    cairo_line_to(cr, cx + 24.5 * std::cos(angle), cy + 24.5 * std::sin(angle));
    cairo_stroke(cr);
}

void valueArc(cairo_t* cr, double cx, double cy, double from, double to)
{
    if (std::fabs(to - from) < 1e-6)
        return;
    const double a0 = std::min(from, to);
    const double a1 = std::max(from, to);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
    cairo_set_line_width(cr, 6);
    setColour(cr, kAccent, 0.22);
    cairo_arc(cr, cx, cy, kRingRadius, a0, a1);
    cairo_stroke(cr);
    cairo_set_line_width(cr, 3);
    setColour(cr, kAccent);
    cairo_arc(cr, cx, cy, kRingRadius, a0, a1);
    cairo_stroke(cr);
}

void knobCap(cairo_t* cr, double cx, double cy, double angle)
{
    cairo_arc(cr, cx + 1, cy + 1.5, kCapRadius + 0.5, 0, 2 * kPi);
    setColour(cr, kOutline, 0.55);
    cairo_fill(cr);
    cairo_arc(cr, cx, cy, kCapRadius, 0, 2 * kPi);
    cairo_pattern_t* shade = cairo_pattern_create_linear(cx - 10, cy - 10, cx + 10, cy + 10);
    cairo_pattern_add_color_stop_rgb(shade, 0, kKnobCapTop.r, kKnobCapTop.g, kKnobCapTop.b);
    cairo_pattern_add_color_stop_rgb(shade, 1, kKnobCapBottom.r, kKnobCapBottom.g, kKnobCapBottom.b);
    cairo_set_source(cr, shade);
    cairo_fill(cr);
    cairo_pattern_destroy(shade);
    cairo_set_line_width(cr, 1);
    setColour(cr, kOutline, 0.9);
    cairo_arc(cr, cx, cy, kCapRadius - 0.5, 0, 2 * kPi);
    cairo_stroke(cr);
    setColour(cr, kPointer, 0.16);
    cairo_arc(cr, cx, cy, kCapRadius - 1.5, kPi, 1.5 * kPi);
    cairo_stroke(cr);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_width(cr, 2);
    setColour(cr, kPointer);
    cairo_move_to(cr, cx + 5 * std::cos(angle), cy + 5 * std::sin(angle));
    cairo_line_to(cr, cx + 11.5 * std::cos(angle), cy + 11.5 * std::sin(angle));
    cairo_stroke(cr);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
}

// Frame n shows the value n / (frames - 1); a centred strip draws its arc from twelve o'clock.
void knobStrip(cairo_t* cr, const t_EditorPicture& picture, bool centred)
{
    const int h = frameHeight(picture);
    for (int n = 0; n < picture.frames; ++n)
    {
        const double cx = picture.width / 2.0;
        const double cy = n * h + h / 2.0;
        const double angle = kKnobStart + kKnobRange * n / double(picture.frames - 1);
        tick(cr, cx, cy, kKnobStart);
        tick(cr, cx, cy, kKnobStart + kKnobRange);
        if (centred)
            tick(cr, cx, cy, kKnobTop);
        cairo_set_line_width(cr, 3);
        setColour(cr, kOutline);
        cairo_arc(cr, cx, cy, kRingRadius, kKnobStart, kKnobStart + kKnobRange);
        cairo_stroke(cr);
        valueArc(cr, cx, cy, centred ? kKnobTop : kKnobStart, angle);
        knobCap(cr, cx, cy, angle);
    }
}

// --- Buttons ----------------------------------------------------------------------------------

enum class Face
{
    Light,
    LightPressed,
    Dark,
    DarkPressed,
    Lit,
};

struct ButtonStyle
{
    int marginX, marginTop, marginBottom; // the face inside a frame, up
    Face up, down;
    double radius;
};

// Draws a button's sign on its face; dark faces take light signs; frame 1 is the pressed or lit one.
using GlyphDrawer = void (*)(cairo_t* cr, const Box& face, bool dark, bool on);

void faceFill(cairo_t* cr, const Box& inner, Face face)
{
    switch (face)
    {
    case Face::Light:
        return fillVertical(cr, inner.y, inner.bottom(), kFaceTop, kFaceBottom);
    case Face::LightPressed:
        return fillVertical(cr, inner.y, inner.bottom(), kFacePressedTop, kFacePressedBottom);
    case Face::Dark:
        return fillVertical(cr, inner.y, inner.bottom(), kDarkFaceTop, kDarkFaceBottom);
    case Face::DarkPressed:
        return fillVertical(cr, inner.y, inner.bottom(), kDarkFaceBottom, kPlate);
    case Face::Lit:
        return fillVertical(cr, inner.y, inner.bottom(), kLitFaceTop, kAccent);
    }
}

bool isDark(Face face)
{
    return face == Face::Dark || face == Face::DarkPressed;
}

void buttonFace(cairo_t* cr, const Box& face, Face kind, bool pressed, double radius)
{
    if (kind == Face::Lit)
        glow(cr, face.x + face.w / 2.0, face.y + face.h / 2.0, std::max(face.w, face.h) * 0.75, 0.25);
    if (!pressed)
    {
        roundedRect(cr, face.x, face.y + 1, face.w, face.h, radius);
        setColour(cr, kOutline, 0.5);
        cairo_fill(cr);
    }
    roundedRect(cr, face.x, face.y, face.w, face.h, radius);
    setColour(cr, kind == Face::Lit ? kLitOutline : kOutline);
    cairo_fill(cr);
    const Box inner = face.inflated(-1, -1);
    roundedRect(cr, inner.x, inner.y, inner.w, inner.h, std::max(0.0, radius - 1));
    faceFill(cr, inner, kind);
    if (!pressed)
        hLine(cr, inner.x + 1, inner.y, inner.w - 2, kPointer, isDark(kind) ? 0.14 : 0.6);
}

void buttonStrip(cairo_t* cr, const t_EditorPicture& picture, const ButtonStyle& style,
                 GlyphDrawer glyph = nullptr)
{
    const int h = frameHeight(picture);
    for (int n = 0; n < picture.frames; ++n)
    {
        const bool pressed = n == 1;
        const Face kind = pressed ? style.down : style.up;
        const Box face{style.marginX, n * h + style.marginTop + (pressed ? 1 : 0),
                       picture.width - 2 * style.marginX, h - style.marginTop - style.marginBottom};
        buttonFace(cr, face, kind, pressed, style.radius);
        if (glyph)
            glyph(cr, face, isDark(kind), pressed);
    }
}

Rgb glyphColour(bool dark)
{
    return dark ? kTextOnDark : kTextOnLight;
}

// Crisp signs of whole pixels, centred on the face.
void minusSign(cairo_t* cr, const Box& face, bool dark, bool)
{
    const int cx = face.x + face.w / 2;
    const int cy = face.y + face.h / 2;
    hLine(cr, cx - 2, cy, 5, glyphColour(dark));
}

void plusSign(cairo_t* cr, const Box& face, bool dark, bool)
{
    minusSign(cr, face, dark, false);
    vLine(cr, face.x + face.w / 2, face.y + face.h / 2 - 2, 5, glyphColour(dark));
}

void checkSign(cairo_t* cr, const Box& face, bool dark, bool)
{
    const double cx = face.x + face.w / 2.0;
    const double cy = face.y + face.h / 2.0;
    setColour(cr, glyphColour(dark));
    cairo_set_line_width(cr, 1.6);
    cairo_move_to(cr, cx - 3.5, cy);
    cairo_line_to(cr, cx - 1, cy + 2.5);
    cairo_line_to(cr, cx + 3.5, cy - 2.5);
    cairo_stroke(cr);
}

void crossSign(cairo_t* cr, const Box& face, bool dark, bool)
{
    const double cx = face.x + face.w / 2.0;
    const double cy = face.y + face.h / 2.0;
    setColour(cr, glyphColour(dark));
    cairo_set_line_width(cr, 1.6);
    cairo_move_to(cr, cx - 2.5, cy - 2.5);
    cairo_line_to(cr, cx + 2.5, cy + 2.5);
    cairo_move_to(cr, cx + 2.5, cy - 2.5);
    cairo_line_to(cr, cx - 2.5, cy + 2.5);
    cairo_stroke(cr);
}

// The mute buttons show whether the part plays: lit with a sounding speaker when it does,
// a silenced speaker when it is muted.
void speakerSign(cairo_t* cr, const Box& face, bool, bool sounding)
{
    const double x = face.x + face.w / 2.0 - 5;
    const double y = face.y + face.h / 2.0;
    setColour(cr, kTextOnLight);
    cairo_rectangle(cr, x, y - 1.5, 2.5, 3);
    cairo_fill(cr);
    cairo_move_to(cr, x + 2, y - 1.5);
    cairo_line_to(cr, x + 5, y - 4.5);
    cairo_line_to(cr, x + 5, y + 4.5);
    cairo_line_to(cr, x + 2, y + 1.5);
    cairo_close_path(cr);
    cairo_fill(cr);
    cairo_set_line_width(cr, 1.2);
    if (sounding)
    {
        cairo_arc(cr, x + 5, y, 3, -0.9, 0.9);
        cairo_stroke(cr);
        cairo_arc(cr, x + 5, y, 5.5, -0.8, 0.8);
        cairo_stroke(cr);
        return;
    }
    cairo_move_to(cr, x + 7, y - 2.5);
    cairo_line_to(cr, x + 11, y + 2.5);
    cairo_move_to(cr, x + 11, y - 2.5);
    cairo_line_to(cr, x + 7, y + 2.5);
    cairo_stroke(cr);
}

// Button pictures: up, then pressed (1 px lower, darker) or lit where the button latches.
struct t_ButtonArt
{
    int number;
    ButtonStyle style;
    GlyphDrawer glyph;
};

const t_ButtonArt c_ButtonArt[] = {
    {128, {1, 1, 2, Face::Light, Face::Lit, 3}, nullptr}, // step buttons and toggles share it
    {129, {1, 1, 2, Face::Light, Face::LightPressed, 3}, nullptr},
    {181, {2, 2, 3, Face::Light, Face::Lit, 4}, nullptr},
    {182, {3, 2, 3, Face::Light, Face::Lit, 3}, nullptr},
    {193, {0, 1, 2, Face::Dark, Face::DarkPressed, 2}, plusSign},
    {194, {0, 1, 2, Face::Dark, Face::DarkPressed, 2}, minusSign},
    {199, {1, 1, 2, Face::Light, Face::Lit, 3}, speakerSign},
    {204, {1, 0, 2, Face::Dark, Face::DarkPressed, 2}, checkSign},
    {205, {1, 0, 2, Face::Dark, Face::DarkPressed, 2}, crossSign},
    {213, {1, 1, 2, Face::Dark, Face::DarkPressed, 4}, nullptr},
    {215, {0, 1, 2, Face::Light, Face::LightPressed, 2}, plusSign},
    {225, {1, 1, 2, Face::Light, Face::LightPressed, 3}, nullptr},
    {226, {1, 1, 2, Face::Light, Face::Lit, 3}, nullptr},
    {216, {0, 1, 2, Face::Light, Face::LightPressed, 2}, minusSign},
};

// --- LEDs ---------------------------------------------------------------------------------------

void ledDome(cairo_t* cr, double cx, double cy, double radius, bool lit)
{
    if (lit)
        glow(cr, cx, cy, radius + 3);
    cairo_arc(cr, cx, cy, radius + 1, 0, 2 * kPi);
    setColour(cr, lit ? kLitOutline : kOutline);
    cairo_fill(cr);
    cairo_pattern_t* dome = cairo_pattern_create_radial(cx - radius / 3, cy - radius / 3, 0, cx, cy, radius);
    const Rgb centre = lit ? kAccentLight : kGlassCentre;
    const Rgb edge = lit ? kAccent : kGlassEdge;
    cairo_pattern_add_color_stop_rgb(dome, 0, centre.r, centre.g, centre.b);
    cairo_pattern_add_color_stop_rgb(dome, 1, edge.r, edge.g, edge.b);
    cairo_set_source(cr, dome);
    cairo_arc(cr, cx, cy, radius, 0, 2 * kPi);
    cairo_fill(cr);
    cairo_pattern_destroy(dome);
    setColour(cr, kPointer, lit ? 0.7 : 0.25);
    cairo_arc(cr, cx - radius * 0.35, cy - radius * 0.35, radius * 0.3, 0, 2 * kPi);
    cairo_fill(cr);
}

// --- Value pictures -----------------------------------------------------------------------------

struct Point
{
    double x, y; // 0..1 across and down the drawing area
};

void polyline(cairo_t* cr, const Box& area, const Point* points, int count)
{
    setColour(cr, kTextOnDark);
    cairo_set_line_width(cr, 1);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_MITER);
    for (int i = 0; i < count; ++i)
    {
        const double x = std::round(area.x + points[i].x * (area.w - 1)) + 0.5;
        const double y = std::round(area.y + points[i].y * (area.h - 1)) + 0.5;
        if (i == 0)
            cairo_move_to(cr, x, y);
        else
            cairo_line_to(cr, x, y);
    }
    cairo_stroke(cr);
}

// A decay curve from the top at x0 down to the bottom at x1, as a polyline.
int decay(Point* points, double x0, double x1)
{
    constexpr int kSteps = 8;
    for (int i = 0; i <= kSteps; ++i)
    {
        const double t = i / double(kSteps);
        points[i] = {x0 + (x1 - x0) * t, 1 - std::exp(-3.5 * t)};
    }
    return kSteps + 1;
}

void shapeStrip(cairo_t* cr, const t_EditorPicture& picture, int (*shape)(int frame, Point* points))
{
    const int h = frameHeight(picture);
    for (int n = 0; n < picture.frames; ++n)
    {
        Point points[16];
        const int count = shape(n, points);
        polyline(cr, {1, n * h + 1, picture.width - 2, h - 2}, points, count);
    }
}

// Saw, square, triangle, sample and hold, envelope: the order of the modulation types.
int modulationShape(int frame, Point* p)
{
    static const Point saw[] = {{0, 1}, {0.5, 0}, {0.5, 1}, {1, 0}, {1, 1}};
    static const Point square[] = {{0, 1}, {0, 0}, {0.5, 0}, {0.5, 1}, {1, 1}, {1, 0}};
    static const Point triangle[] = {{0, 1}, {0.25, 0}, {0.5, 1}, {0.75, 0}, {1, 1}};
    static const Point hold[] = {{0, 0.6}, {0.2, 0.6}, {0.2, 0},   {0.4, 0},   {0.4, 1},
                                 {0.6, 1}, {0.6, 0.3}, {0.8, 0.3}, {0.8, 0.8}, {1, 0.8}};
    static const Point* const shapes[] = {saw, square, triangle, hold};
    static const int counts[] = {5, 6, 5, 10};
    if (frame < 4)
    {
        std::copy(shapes[frame], shapes[frame] + counts[frame], p);
        return counts[frame];
    }
    p[0] = {0, 1};
    return 1 + decay(p + 1, 0.2, 1);
}

// Amp envelope off holds the level (gate), on lets it decay.
int ampShape(int frame, Point* p)
{
    if (frame == 0)
    {
        static const Point gate[] = {{0, 1}, {0, 0}, {0.8, 0}, {0.8, 1}, {1, 1}};
        std::copy(gate, gate + 5, p);
        return 5;
    }
    p[0] = {0, 1};
    return 1 + decay(p + 1, 0, 1);
}

// --- Sliders ------------------------------------------------------------------------------------

void sliderCap(cairo_t* cr, const Box& cap)
{
    roundedRect(cr, cap.x, cap.y, cap.w, cap.h, 1.5);
    setColour(cr, kOutline);
    cairo_fill(cr);
    const Box inner = cap.inflated(-1, -1);
    cairo_rectangle(cr, inner.x, inner.y, inner.w, inner.h);
    fillVertical(cr, inner.y, inner.bottom(), kFaceTop, kFaceBottom);
}
} // namespace

void drawKnobStrip(cairo_t* cr, const t_EditorPicture& picture)
{
    knobStrip(cr, picture, false);
}

void drawCentredKnobStrip(cairo_t* cr, const t_EditorPicture& picture)
{
    knobStrip(cr, picture, true);
}

void drawButton(cairo_t* cr, const t_EditorPicture& picture)
{
    for (const t_ButtonArt& art : c_ButtonArt)
        if (art.number == picture.number)
            buttonStrip(cr, picture, art.style, art.glyph);
}

void drawLed(cairo_t* cr, const t_EditorPicture& picture)
{
    const int h = frameHeight(picture);
    const double radius = std::min(picture.width, h) / 2.0 - 3;
    for (int n = 0; n < picture.frames; ++n)
        ledDome(cr, picture.width / 2.0, n * h + h / 2.0, radius, n == 1);
}

void drawModTypePictures(cairo_t* cr, const t_EditorPicture& picture)
{
    shapeStrip(cr, picture, modulationShape);
}

void drawAmpEgPictures(cairo_t* cr, const t_EditorPicture& picture)
{
    shapeStrip(cr, picture, ampShape);
}

// The slot and its scale; the handle's centre travels from 4 + handle / 2 to the bottom.
void drawVerticalTrack(cairo_t* cr, const t_EditorPicture& picture)
{
    const int cx = picture.width / 2;
    constexpr int kSteps = 10;
    const int first = 8;
    const int step = (picture.height - 4 - first) / kSteps;
    for (int k = 0; k <= kSteps; ++k)
    {
        const int length = k % 5 == 0 ? 4 : 2;
        hLine(cr, cx - 4 - length, first + k * step, length, kTick);
        hLine(cr, cx + 5, first + k * step, length, kTick);
    }
    well(cr, {cx - 2, 5, 5, picture.height - 9}, kOutline, 1.5);
}

void drawVerticalHandle(cairo_t* cr, const t_EditorPicture& picture)
{
    sliderCap(cr, {0, 0, picture.width, picture.height});
    hLine(cr, 2, picture.height / 2, picture.width - 4, kAccent);
}

void drawHorizontalTrack(cairo_t* cr, const t_EditorPicture& picture)
{
    const int cy = picture.height / 2;
    const int centre = picture.width / 2;
    vLine(cr, centre, 1, 3, kTick);
    vLine(cr, centre, picture.height - 4, 3, kTick);
    vLine(cr, 4, cy - 5, 2, kTick);
    vLine(cr, picture.width - 4, cy - 5, 2, kTick);
    well(cr, {2, cy - 2, picture.width - 4, 4}, kOutline, 1.5);
}

void drawHorizontalHandle(cairo_t* cr, const t_EditorPicture& picture)
{
    sliderCap(cr, {0, 1, picture.width, picture.height - 2});
    fillBox(cr, {picture.width / 2 - 1, 3, 2, picture.height - 6}, kAccent);
}

void drawPlusMark(cairo_t* cr, const t_EditorPicture& picture)
{
    const Box all{0, 0, picture.width, picture.height};
    hLine(cr, all.w / 2 - 3, all.h / 2, 7, kTitle);
    vLine(cr, all.w / 2, all.h / 2 - 3, 7, kTitle);
}

void drawMinusMark(cairo_t* cr, const t_EditorPicture& picture)
{
    hLine(cr, picture.width / 2 - 3, picture.height / 2, 7, kTitle);
}
} // namespace art
