// The menus whose entries come from the plug-in rather than a value list: the Tether MIDI
// ports and the programs. The port menus answer from the last port listing (taken when the
// window opens, or when the MIDI system has been reached after it opened), so that walking
// their entries reaches no MIDI system.
#include "../core/SynthCommons.h"
#include "../gui/COptionMenu.h"
#include "EditorTables.h"
#include "SynthEditor.h"

namespace
{
constexpr t_MenuItem kNoEntry{0, nullptr};

struct PortDirection
{
    std::uint32_t (SynthCommons::*count)();
    const char* (SynthCommons::*name)(std::uint32_t);
    std::uint32_t (SynthCommons::*open)(std::uint32_t);
    std::atomic<std::int32_t> SynthCommons::*openPort;
    e_EditorResourceID lamp;
    std::atomic<bool> SynthEditor::*chosen;
};

constexpr PortDirection kOut{&SynthCommons::TetherMidiOutListedNbDevices,
                             &SynthCommons::TetherMidiOutGetDeviceName,
                             &SynthCommons::TetherMidiOutOpen,
                             &SynthCommons::tetherMidiOutPort,
                             RES_LAMP_OUT,
                             &SynthEditor::outPortChosen};
constexpr PortDirection kIn{&SynthCommons::TetherMidiInListedNbDevices,
                            &SynthCommons::TetherMidiInGetDeviceName,
                            &SynthCommons::TetherMidiInOpen,
                            &SynthCommons::tetherMidiInPort,
                            RES_LAMP_IN,
                            &SynthEditor::inPortChosen};

// Opens the chosen port unless it is the open one; the lamp tells whether it opened, and the
// device is asked who it is.
void choosePort(SynthEditor* editor, const PortDirection& direction, std::uint32_t index)
{
    SynthCommons* synth = editor->getSynth();
    if ((synth->*direction.openPort).load() == static_cast<std::int32_t>(index))
        return;
    const bool opened = (synth->*direction.open)(index) != static_cast<std::uint32_t>(-1);
    editor->setLamp(direction.lamp, opened);
    editor->setDeviceStatus("ESX Not detected");
    synth->TetherMidi_SendInquirySysex();
}

t_MenuItem portEntry(SynthEditor* editor, const PortDirection& direction, std::uint32_t index, bool select,
                     bool apply)
{
    SynthCommons* synth = editor->getSynth();
    if (synth->midiMode != MIDI_MODE_TETHER)
        return kNoEntry;
    const std::uint32_t count = (synth->*direction.count)();
    if (count == 0)
        return index == 0 ? t_MenuItem{0, "(none)"} : kNoEntry;
    if (index >= count)
        return kNoEntry;
    // A push selects the entry of the stored choice and so reopens a port the user chose; it
    // never opens one on its own before the user has chosen any.
    if (apply)
        editor->*direction.chosen = true;
    if (apply || (select && editor->*direction.chosen))
        choosePort(editor, direction, index);
    return {static_cast<std::int32_t>(index), (synth->*direction.name)(index)};
}
} // namespace

void SynthEditor::rebuildPortMenus()
{
    for (e_EditorParameterID id : {EPARAM_MIDI_OUT_DEVICE, EPARAM_MIDI_IN_DEVICE})
    {
        t_EditorControl* row = firstControlRow(id);
        t_EditorParameter* e = synth->parameterLib_GetEditorParameter(id);
        if (!row || !e || row->kind != CTRL_MENU)
            continue;
        auto* m = static_cast<t_Menu_TypeStruct*>(const_cast<void*>(row->parameters));
        m->menu->removeAllEntry();
        editorControlsLib_SubMenusAddEntries(e, m);
        editorControlsLib_SetControlValue(id, nullptr, kNoIndex);
        m->menu->setDirty();
    }
}

t_MenuItem editorControlsMenuItemCbk_MidiOutDevices(SynthEditor* editor, std::uint32_t index, bool select,
                                                    bool apply)
{
    return portEntry(editor, kOut, index, select, apply);
}

t_MenuItem editorControlsMenuItemCbk_MidiInDevices(SynthEditor* editor, std::uint32_t index, bool select,
                                                   bool apply)
{
    return portEntry(editor, kIn, index, select, apply);
}

t_MenuItem editorControlsMenuItemCbk_SelectProgram(SynthEditor* editor, std::uint32_t index, bool, bool apply)
{
    if (index >= static_cast<std::uint32_t>(kNumPrograms))
        return kNoEntry;
    SynthCommons* synth = editor->getSynth();
    if (apply)
        synth->setProgramProcess(static_cast<vst::int32>(index));
    return {static_cast<std::int32_t>(index), synth->programMenuTexts[index]};
}
