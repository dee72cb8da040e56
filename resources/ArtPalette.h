// The panel's colours: every picture takes its colours from here, so that a hundred pictures
// look like one instrument. A dark calm body with one jewel colour, the peacock teal.
#pragma once

namespace art
{
struct Rgb
{
    double r, g, b;
};

constexpr Rgb rgb(unsigned hex)
{
    return {((hex >> 16) & 0xFF) / 255.0, ((hex >> 8) & 0xFF) / 255.0, (hex & 0xFF) / 255.0};
}

// Body and section plates.
inline constexpr Rgb kBody = rgb(0x1e2024);
inline constexpr double kBodyTopLift = 1.04; // the body is 4 % lighter at the top
inline constexpr Rgb kPlate = rgb(0x2a2e33);
inline constexpr Rgb kPlateHighlight = rgb(0x3a3f46);
inline constexpr Rgb kPlateShadow = rgb(0x141518);
inline constexpr double kPlateRadius = 4;

// Texts.
inline constexpr Rgb kTitle = rgb(0xaeb4bc);
inline constexpr Rgb kTextOnDark = rgb(0xd7dbe0);
inline constexpr Rgb kTextOnLight = rgb(0x15171a);

// The jewel. (The warning's amber, #f0a030, is drawn by the panel: EditorResourceTable.cpp.)
inline constexpr Rgb kAccent = rgb(0x1fb5ad);
inline constexpr Rgb kAccentLight = rgb(0x7ff0e6);
inline constexpr double kGlowAlpha = 0.35;
inline constexpr Rgb kLitFaceTop = rgb(0x5ad8cf); // a lit button, top of its face
inline constexpr Rgb kLitOutline = rgb(0x0c4a46); // round lit buttons and LEDs
inline constexpr Rgb kLitWell = rgb(0x10302f);    // behind accent text

// The LCD.
inline constexpr Rgb kLcdBack = rgb(0x071a1a);
inline constexpr Rgb kLcdGlyph = rgb(0x5ef2e6);
inline constexpr Rgb kLcdUnlit = rgb(0x0f2b2b);

// Light parts that carry dark text: button faces, the info strip, label tags.
inline constexpr Rgb kFaceTop = rgb(0xdfe3e7);
inline constexpr Rgb kFaceBottom = rgb(0xbcc2c9);
inline constexpr Rgb kFacePressedTop = rgb(0xa9b0b8);
inline constexpr Rgb kFacePressedBottom = rgb(0x979ea7);
inline constexpr Rgb kInfoStrip = rgb(0xc4d6d3);
inline constexpr Rgb kInfoStripBottom = rgb(0xb2c6c3);

// Dark parts that carry light text: large buttons, steppers, knob caps, wells.
inline constexpr Rgb kDarkFaceTop = rgb(0x444a52);
inline constexpr Rgb kDarkFaceBottom = rgb(0x2c3036);
inline constexpr Rgb kKnobCapTop = rgb(0x4b515a);
inline constexpr Rgb kKnobCapBottom = rgb(0x23262b);
inline constexpr Rgb kWell = rgb(0x16181b);
inline constexpr Rgb kOutline = rgb(0x0b0c0e);
inline constexpr Rgb kPointer = rgb(0xeef1f4);
inline constexpr Rgb kTick = rgb(0x5d646d);
inline constexpr Rgb kGlassCentre = rgb(0x2b3336); // an LED off: dark glass
inline constexpr Rgb kGlassEdge = rgb(0x101315);
inline constexpr Rgb kDeviceTop = rgb(0x535a63); // the device picture's body
inline constexpr Rgb kDeviceBottom = rgb(0x3b4047);
} // namespace art
