// Writes the pictures that the toolkit's tests and benchmarks embed: plain, distinct colours
// per frame so that a test can tell from one pixel which frame was drawn.
//
//   make_test_pictures <output folder>

#include "TestPictures.h"

#include <cairo.h>

#include <cstdio>
#include <string>

namespace
{
using namespace testpictures;

void fill(cairo_t* cr, Rgb color, int x, int y, int w, int h)
{
    cairo_set_source_rgb(cr, color.r / 255.0, color.g / 255.0, color.b / 255.0);
    cairo_rectangle(cr, x, y, w, h);
    cairo_fill(cr);
}

// frames(i) gives the colour of frame i of a vertical strip.
template <typename Colour>
bool writeStrip(const std::string& path, int w, int frameHeight, int count, Colour frames)
{
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, frameHeight * count);
    cairo_t* cr = cairo_create(surface);
    for (int i = 0; i < count; ++i)
        fill(cr, frames(i), 0, i * frameHeight, w, frameHeight);
    cairo_destroy(cr);
    const bool ok = cairo_surface_write_to_png(surface, path.c_str()) == CAIRO_STATUS_SUCCESS;
    cairo_surface_destroy(surface);
    return ok;
}
} // namespace

int main(int argc, char** argv)
{
    if (argc != 2)
    {
        std::fprintf(stderr, "usage: make_test_pictures <output folder>\n");
        return 2;
    }
    const std::string dir = argv[1];
    const auto same = [](Rgb c) { return [c](int) { return c; }; };
    const auto twoStates = [](Rgb off, Rgb on) { return [off, on](int i) { return i == 0 ? off : on; }; };
    bool ok = true;
    ok &= writeStrip(dir + "/background.png", kPanelWidth, kPanelHeight, 1, same(kBackground));
    ok &= writeStrip(dir + "/knob.png", kKnobSize, kKnobSize, kKnobFrames, knobFrameColour);
    ok &= writeStrip(dir + "/button.png", kButtonWidth, kButtonHeight, 2, twoStates(kButtonUp, kButtonDown));
    ok &= writeStrip(dir + "/led.png", kLedSize, kLedSize, 2, twoStates(kLedOff, kLedOn));
    ok &= writeStrip(dir + "/lcdfont.png", kGlyphWidth, kGlyphHeight, kLcdCharCount, glyphColour);
    ok &= writeStrip(dir + "/values.png", kValueWidth, kValueHeight, kValueCount, valueColour);
    ok &= writeStrip(dir + "/track.png", kTrackWidth, kTrackHeight, 1, same(kTrack));
    ok &= writeStrip(dir + "/handle.png", kTrackWidth, kHandleHeight, 1, same(kHandle));
    ok &= writeStrip(dir + "/stepper.png", kStepperWidth, kStepperHeight, 2,
                     twoStates(kStepperUp, kStepperDown));
    return ok ? 0 : 1;
}
