// Win32 keys and mouse flags as VST key codes and toolkit buttons.
#pragma once

#include "vst/AEffEditor.h"

namespace gui
{
// The VST key of a virtual-key code (WM_KEYDOWN's wParam), with the modifiers held now; virt
// and character are 0 for keys that only give characters (they come as WM_CHAR). Plus, minus
// and 0 with Ctrl, which give no WM_CHAR, come with their character.
VstKeyCode vstKeyFromVirtualKey(unsigned virtualKey);
// The VST key of a character (WM_CHAR's wParam); character 0 for those outside ASCII.
VstKeyCode vstKeyFromCharacter(unsigned character);
// The toolkit's mouse and modifier bits (CButton) for a mouse message's MK_ flags, with Alt.
long buttonsFromMouseFlags(unsigned flags);
} // namespace gui
