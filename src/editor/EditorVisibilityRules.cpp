// The predicates of the visibility rules: which mode, part and MIDI mode the panel is in.
#include "../core/SynthCommons.h"
#include "EditorTables.h"
#include "SynthEditor.h"

namespace
{
bool inMode(SynthCommons* synth, int mode)
{
    return synth->pluginMode == mode;
}

bool otherPartInMode0(SynthCommons* synth)
{
    return inMode(synth, PLUGIN_MODE_PART) && synth->currentChannel == kChannelOtherParts;
}

bool questionPending(SynthCommons* synth)
{
    const SynthEditor* editor = synth->getSynthEditor();
    return editor && editor->questionPending;
}
} // namespace

bool editorControlsLib_VisibleContainersCbk_IsSetupMode(SynthCommons* synth)
{
    return inMode(synth, PLUGIN_MODE_SETUP);
}

bool editorControlsLib_VisibleContainersCbk_IsTetherMidi(SynthCommons* synth)
{
    return inMode(synth, PLUGIN_MODE_SETUP) && synth->midiMode == MIDI_MODE_TETHER;
}

// The warning that Host mode cannot dump, where the host's MIDI carries no SysEx.
bool editorControlsLib_VisibleContainersCbk_HostModeCannotDump(SynthCommons* synth)
{
    return inMode(synth, PLUGIN_MODE_SETUP) && !synth->hostLink_CarriesSysex();
}

bool editorControlsLib_VisibleContainersCbk_IsMidiTestResultMode(SynthCommons* synth)
{
    return inMode(synth, PLUGIN_MODE_MIDI_TEST);
}

bool editorControlsLib_VisibleContainersCbk_IsMidiTestResultMode1(SynthCommons* synth)
{
    return inMode(synth, PLUGIN_MODE_MIDI_TEST) && synth->midiTestStep < 2;
}

bool editorControlsLib_VisibleContainersCbk_IsMidiTestResultMode2(SynthCommons* synth)
{
    return inMode(synth, PLUGIN_MODE_MIDI_TEST) && synth->midiTestStep > 1;
}

bool editorControlsLib_VisibleContainersCbk_ShowSelectProgram(SynthCommons* synth)
{
    return !questionPending(synth) && synth->getHostKind() == HOST_AUDIO_UNIT;
}

bool editorControlsLib_VisibleContainersCbk_IsAQuestion(SynthCommons* synth)
{
    return questionPending(synth);
}

bool editorControlsLib_VisibleContainersCbk_IsPartMode(SynthCommons* synth)
{
    return inMode(synth, PLUGIN_MODE_PART);
}

bool editorControlsLib_VisibleContainersCbk_KeyboardPart(SynthCommons* synth)
{
    return inMode(synth, PLUGIN_MODE_PART) && synth->currentChannel < 2;
}

bool editorControlsLib_VisibleContainersCbk_PartButNotKeyboard(SynthCommons* synth)
{
    const int channel = synth->currentChannel;
    return inMode(synth, PLUGIN_MODE_PART) && channel != kChannelKeyboard1 && channel != kChannelKeyboard2;
}

bool editorControlsLib_VisibleContainersCbk_IsMixMode(SynthCommons* synth)
{
    return inMode(synth, PLUGIN_MODE_MIX);
}

bool editorControlsLib_VisibleContainersCbk_IsCommonEffectsMode(SynthCommons* synth)
{
    return inMode(synth, PLUGIN_MODE_GLOBAL);
}

bool editorControlsLib_VisibleContainersCbk_DrumPart(SynthCommons* synth)
{
    return otherPartInMode0(synth) && synth->currentPart < static_cast<int>(PART_STRETCH1);
}

bool editorControlsLib_VisibleContainersCbk_StretchSlicePart(SynthCommons* synth)
{
    const int part = synth->currentPart;
    return otherPartInMode0(synth) && part >= static_cast<int>(PART_STRETCH1) &&
           part <= static_cast<int>(PART_SLICE);
}

bool editorControlsLib_VisibleContainersCbk_AudioInPart(SynthCommons* synth)
{
    return otherPartInMode0(synth) && synth->currentPart == static_cast<int>(PART_AUDIOIN);
}

bool editorControlsLib_VisibleContainersCbk_Always(SynthCommons*)
{
    return true;
}
