// X11 key events as VST key codes.
#pragma once

#include "vst/AEffEditor.h"

namespace gui
{
// keysym and the character that XLookupString gave (0 for none); state: the X modifier mask.
VstKeyCode vstKeyFromX11(unsigned long keysym, char character, unsigned state);
// The toolkit's mouse and modifier bits (CButton) for an X modifier mask.
long buttonsFromX11State(unsigned state);
} // namespace gui
