// The test pictures: numbers, sizes and colours shared by their generator and the tests.
#pragma once

#include "gui/Pictures.h"

#include <cstddef>
#include <ostream>

extern const gui::EmbeddedPicture testPictures[];
extern const std::size_t testPicturesCount;

namespace testpictures
{
struct Rgb
{
    int r, g, b;
    constexpr bool operator==(const Rgb&) const = default;
};

inline void PrintTo(const Rgb& c, std::ostream* out)
{
    *out << "rgb(" << c.r << ", " << c.g << ", " << c.b << ")";
}

enum Number
{
    kBackgroundPicture = 208,
    kKnobPicture = 126,
    kButtonPicture = 128,
    kLedPicture = 130,
    kValuesPicture = 132,
    kTrackPicture = 190,
    kHandlePicture = 191,
    kStepperPicture = 193,
    kLcdFontPicture = 214,
};

constexpr int kPanelWidth = 797;
constexpr int kPanelHeight = 203;
constexpr int kKnobSize = 50;
constexpr int kKnobFrames = 100;
constexpr int kButtonWidth = 54;
constexpr int kButtonHeight = 21;
constexpr int kLedSize = 16;
constexpr int kValueWidth = 20;
constexpr int kValueHeight = 9;
constexpr int kValueCount = 5;
constexpr int kTrackWidth = 19;
constexpr int kTrackHeight = 82;
constexpr int kHandleHeight = 9;
constexpr int kStepperWidth = 9;
constexpr int kStepperHeight = 18;
constexpr int kGlyphWidth = 15;
constexpr int kGlyphHeight = 24;
constexpr int kLcdCharCount = 93;

constexpr Rgb kBackground{40, 44, 52};
constexpr Rgb kButtonUp{200, 0, 0};
constexpr Rgb kButtonDown{0, 200, 0};
constexpr Rgb kLedOff{60, 60, 60};
constexpr Rgb kLedOn{255, 220, 0};
constexpr Rgb kTrack{10, 10, 10};
constexpr Rgb kHandle{250, 250, 250};
constexpr Rgb kStepperUp{0, 0, 180};
constexpr Rgb kStepperDown{0, 180, 180};

inline Rgb knobFrameColour(int frame)
{
    return {2 * frame, 100, 150};
}
inline Rgb glyphColour(int glyph)
{
    return {glyph + 10, 200, 30};
}
inline Rgb valueColour(int index)
{
    return {30, 40 * index + 20, 90};
}

// The LCD font of the panel: characters in glyph order and their advance widths.
inline constexpr char kLcdChars[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789"
                                    ".,;:/!%*$-+<>&\"#'{([|\\_^@)]=~? ";
int lcdWidth(char c);
const int* lcdWidths();
} // namespace testpictures
