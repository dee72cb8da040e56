// The LCD font of picture 214: its characters in glyph order and their advance widths.
#include "EditorTables.h"

const char LCD_FONT_CHARS[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZ"
                              "abcdefghijklmnopqrstuvwxyz"
                              "0123456789"
                              ".,;:/!%*$-+<>&\"#'{([|\\_^@)]=~? ";

// clang-format off
const int LCD_FONT_CHARS_WIDTH[kLcdFontGlyphs] = {
    // A to Z: I is narrow
    15, 15, 15, 15, 15, 15, 15, 15, 12, 15, 15, 15, 15, 15, 15, 15, 15, 15, 15, 15, 15, 15, 15, 15, 15, 15,
    // a to z: i, j, k, l are narrow
    15, 15, 15, 15, 15, 15, 15, 15, 12, 12, 12, 12, 15, 15, 15, 15, 15, 15, 15, 15, 15, 15, 15, 15, 15, 15,
    // 0 to 9
    15, 12, 15, 15, 15, 15, 15, 15, 15, 15,
    // . , ; : / ! % * $ - + < > & " # ' { ( [ | \ _ ^ @ ) ] = ~ ? space
    9, 9, 9, 9, 15, 9, 15, 15, 15, 15, 15, 12, 15, 15, 12, 15, 9, 15, 12, 12, 9, 15, 15, 15, 15, 12, 9, 15, 12,
    15, 15,
};
// clang-format on

static_assert(sizeof LCD_FONT_CHARS - 1 == kLcdFontGlyphs);
