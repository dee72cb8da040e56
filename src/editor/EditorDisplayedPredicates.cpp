// Whether the panel now shows the part, channel or page that a parameter's index addresses;
// a push for anything else leaves the control alone.
#include "../core/SynthCommons.h"
#include "EditorTables.h"
#include "SynthEditor.h"

namespace
{
bool inMode(SynthEditor* editor, int mode)
{
    return editor->getSynth()->pluginMode == mode;
}

// The part on screen, for the part page: Keyboard parts count as 0.
std::uint32_t partOnScreen(SynthEditor* editor)
{
    const int part = editor->getSynth()->currentPart;
    return part < static_cast<int>(PART_KEYBOARD1) ? static_cast<std::uint32_t>(part) : 0;
}
} // namespace

bool editorControlsIsCurrentlyDisplayed_Always(SynthEditor*, std::uint32_t)
{
    return true;
}

bool editorControlsIsCurrentlyDisplayed_PartMode(SynthEditor* editor, std::uint32_t)
{
    return inMode(editor, PLUGIN_MODE_PART);
}

bool editorControlsIsCurrentlyDisplayed_GlobalMode(SynthEditor* editor, std::uint32_t)
{
    return inMode(editor, PLUGIN_MODE_GLOBAL);
}

bool editorControlsIsCurrentlyDisplayed_SetupMode(SynthEditor* editor, std::uint32_t)
{
    return inMode(editor, PLUGIN_MODE_SETUP);
}

bool editorControlsIsCurrentlyDisplayed_MixMode(SynthEditor* editor, std::uint32_t)
{
    return inMode(editor, PLUGIN_MODE_MIX);
}

bool editorControlsIsCurrentlyDisplayed_KeyboardPart(SynthEditor* editor, std::uint32_t index)
{
    const int channel = editor->getSynth()->currentChannel;
    if (index >= PART_KEYBOARD1)
        index -= PART_KEYBOARD1;
    return inMode(editor, PLUGIN_MODE_PART) && channel < 2 && static_cast<std::uint32_t>(channel) == index;
}

bool editorControlsIsCurrentlyDisplayed_PartButNotKeyboard(SynthEditor* editor, std::uint32_t index)
{
    return inMode(editor, PLUGIN_MODE_PART) && editor->getSynth()->currentChannel == kChannelOtherParts &&
           partOnScreen(editor) == index;
}

bool editorControlsIsCurrentlyDisplayed_PartNotKeyboardNotAudioIn(SynthEditor* editor, std::uint32_t index)
{
    return editorControlsIsCurrentlyDisplayed_PartButNotKeyboard(editor, index) && index != PART_AUDIOIN;
}

bool editorControlsIsCurrentlyDisplayed_PartNotKeyboardNotStretchSliceAudioIn(SynthEditor* editor,
                                                                              std::uint32_t index)
{
    return editorControlsIsCurrentlyDisplayed_PartNotKeyboardNotAudioIn(editor, index) &&
           index < PART_STRETCH1;
}

bool editorControlsIsCurrentlyDisplayed_PartAudioIn(SynthEditor* editor, std::uint32_t index)
{
    return editorControlsIsCurrentlyDisplayed_PartButNotKeyboard(editor, index) && index == PART_AUDIOIN;
}
