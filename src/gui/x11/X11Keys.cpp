#include "X11Keys.h"

#include "gui/GuiTypes.h"

#include <X11/X.h>
#include <X11/keysym.h>

namespace gui
{
namespace
{
struct KeyName
{
    unsigned long keysym;
    unsigned char virt;
};

constexpr KeyName kVirtualKeys[] = {
    {XK_BackSpace, VKEY_BACK},
    {XK_Tab, VKEY_TAB},
    {XK_Clear, VKEY_CLEAR},
    {XK_Return, VKEY_RETURN},
    {XK_Pause, VKEY_PAUSE},
    {XK_Escape, VKEY_ESCAPE},
    {XK_space, VKEY_SPACE},
    {XK_End, VKEY_END},
    {XK_Home, VKEY_HOME},
    {XK_Left, VKEY_LEFT},
    {XK_Up, VKEY_UP},
    {XK_Right, VKEY_RIGHT},
    {XK_Down, VKEY_DOWN},
    {XK_Page_Up, VKEY_PAGEUP},
    {XK_Page_Down, VKEY_PAGEDOWN},
    {XK_KP_Enter, VKEY_ENTER},
    {XK_Insert, VKEY_INSERT},
    {XK_Delete, VKEY_DELETE},
    {XK_KP_Left, VKEY_LEFT},
    {XK_KP_Right, VKEY_RIGHT},
    {XK_KP_Up, VKEY_UP},
    {XK_KP_Down, VKEY_DOWN},
    {XK_KP_Home, VKEY_HOME},
    {XK_KP_End, VKEY_END},
    {XK_KP_Delete, VKEY_DELETE},
    {XK_ISO_Left_Tab, VKEY_TAB},
};
} // namespace

VstKeyCode vstKeyFromX11(unsigned long keysym, char character, unsigned state)
{
    VstKeyCode key{0, 0, 0};
    for (const KeyName& name : kVirtualKeys)
        if (name.keysym == keysym)
            key.virt = name.virt;
    if (key.virt == 0 || key.virt == VKEY_SPACE)
        key.character = static_cast<unsigned char>(character) < 0x80 ? character : 0;
    // With Ctrl held X gives a control character: the key's letter, as hosts hand it.
    if ((state & ControlMask) && keysym >= XK_a && keysym <= XK_z)
        key.character = static_cast<char>('a' + (keysym - XK_a));
    if ((state & ControlMask) && keysym >= XK_A && keysym <= XK_Z)
        key.character = static_cast<char>('a' + (keysym - XK_A));
    if (state & ShiftMask)
        key.modifier |= MODIFIER_SHIFT;
    if (state & Mod1Mask)
        key.modifier |= MODIFIER_ALTERNATE;
    if (state & ControlMask)
        key.modifier |= MODIFIER_CONTROL;
    return key;
}

long buttonsFromX11State(unsigned state)
{
    long buttons = 0;
    if (state & Button1Mask)
        buttons |= kLButton;
    if (state & Button2Mask)
        buttons |= kMButton;
    if (state & Button3Mask)
        buttons |= kRButton;
    if (state & ShiftMask)
        buttons |= kShift;
    if (state & ControlMask)
        buttons |= kControl;
    if (state & Mod1Mask)
        buttons |= kAlt;
    return buttons;
}
} // namespace gui
