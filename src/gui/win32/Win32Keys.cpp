#include "Win32Keys.h"

#include "gui/GuiTypes.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

namespace gui
{
namespace
{
struct KeyName
{
    unsigned virtualKey;
    unsigned char virt;
};

constexpr KeyName kVirtualKeys[] = {
    {VK_BACK, VKEY_BACK},    {VK_TAB, VKEY_TAB},       {VK_CLEAR, VKEY_CLEAR},   {VK_RETURN, VKEY_RETURN},
    {VK_PAUSE, VKEY_PAUSE},  {VK_ESCAPE, VKEY_ESCAPE}, {VK_END, VKEY_END},       {VK_HOME, VKEY_HOME},
    {VK_LEFT, VKEY_LEFT},    {VK_UP, VKEY_UP},         {VK_RIGHT, VKEY_RIGHT},   {VK_DOWN, VKEY_DOWN},
    {VK_PRIOR, VKEY_PAGEUP}, {VK_NEXT, VKEY_PAGEDOWN}, {VK_INSERT, VKEY_INSERT}, {VK_DELETE, VKEY_DELETE},
};

// Keys whose characters Windows does not type while Ctrl is held (Ctrl + plus, minus and 0
// zoom the panel): with Ctrl they come as their characters.
struct ControlCharacter
{
    unsigned virtualKey;
    char character;
};

constexpr ControlCharacter kControlCharacters[] = {
    {VK_OEM_PLUS, '+'}, {VK_ADD, '+'}, {VK_OEM_MINUS, '-'}, {VK_SUBTRACT, '-'}, {'0', '0'}, {VK_NUMPAD0, '0'},
};

struct ModifierKey
{
    int virtualKey;
    unsigned char modifier;
    long button;
};

constexpr ModifierKey kModifiers[] = {
    {VK_SHIFT, MODIFIER_SHIFT, kShift},
    {VK_MENU, MODIFIER_ALTERNATE, kAlt},
    {VK_CONTROL, MODIFIER_CONTROL, kControl},
};

struct MouseFlag
{
    unsigned flag;
    long button;
};

constexpr MouseFlag kMouseFlags[] = {
    {MK_LBUTTON, kLButton},
    {MK_MBUTTON, kMButton},
    {MK_RBUTTON, kRButton},
};

bool held(int virtualKey)
{
    return (GetKeyState(virtualKey) & 0x8000) != 0;
}

unsigned char modifiersHeld()
{
    unsigned char modifiers = 0;
    for (const ModifierKey& m : kModifiers)
        if (held(m.virtualKey))
            modifiers |= m.modifier;
    return modifiers;
}
} // namespace

VstKeyCode vstKeyFromVirtualKey(unsigned virtualKey)
{
    VstKeyCode key{0, 0, modifiersHeld()};
    for (const KeyName& name : kVirtualKeys)
        if (name.virtualKey == virtualKey)
            key.virt = name.virt;
    if (key.modifier & MODIFIER_CONTROL)
        for (const ControlCharacter& c : kControlCharacters)
            if (c.virtualKey == virtualKey)
                key.character = c.character;
    return key;
}

VstKeyCode vstKeyFromCharacter(unsigned character)
{
    VstKeyCode key{0, 0, modifiersHeld()};
    if (character >= 0x20 && character < 0x7F)
        key.character = static_cast<char>(character);
    if (character == ' ')
        key.virt = VKEY_SPACE;
    return key;
}

long buttonsFromMouseFlags(unsigned flags)
{
    long buttons = 0;
    for (const MouseFlag& f : kMouseFlags)
        if (flags & f.flag)
            buttons |= f.button;
    for (const ModifierKey& m : kModifiers)
        if (held(m.virtualKey))
            buttons |= m.button;
    return buttons;
}
} // namespace gui
