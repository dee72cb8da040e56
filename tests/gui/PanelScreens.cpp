#include "PanelScreens.h"

#include "core/SynthCommons.h"
#include "editor/PanelPictures.h"
#include "editor/SynthEditor.h"
#include "gui/CFrame.h"
#include "support/RecordingHost.h"

#include <cstring>
#include <memory>

namespace panelscreens
{
namespace
{
void mix(SynthCommons& synth, SynthEditor&)
{
    synth.pluginMode = PLUGIN_MODE_MIX;
}

void global(SynthCommons& synth, SynthEditor&)
{
    synth.pluginMode = PLUGIN_MODE_GLOBAL;
}

void setupTether(SynthCommons& synth, SynthEditor&)
{
    synth.pluginMode = PLUGIN_MODE_SETUP;
    synth.midiMode = MIDI_MODE_TETHER;
}

void setupHost(SynthCommons& synth, SynthEditor&)
{
    synth.pluginMode = PLUGIN_MODE_SETUP;
    synth.midiMode = MIDI_MODE_HOST;
}

// The verdict of a MIDI test that ended at the step (0 and 1: nothing came back; 4: all did).
template <std::uint32_t step> void midiTestEndedAt(SynthCommons& synth, SynthEditor& editor)
{
    synth.midiMode = MIDI_MODE_TETHER;
    synth.midiTestStep = step;
    editor.editorControlsLib_MidiTestResult();
}

void syncQuestion(SynthCommons& synth, SynthEditor& editor)
{
    synth.pluginMode = PLUGIN_MODE_PART;
    synth.parameterLib_SetParameterValueFromEditor(EPARAM_PART_DRUM1, 1.0f);
    editor.editorControlsLib_AskQuestion(QUESTION_SYNC_NOW);
}

} // namespace

const t_Screen c_Screens[] = {
    {"mix", EPARAM_END, mix},
    {"global", EPARAM_END, global},
    {"setup-tether", EPARAM_END, setupTether},
    {"setup-host", EPARAM_END, setupHost},
    {"midi-test-failure", EPARAM_END, midiTestEndedAt<1>},
    {"midi-test-poor", EPARAM_END, midiTestEndedAt<2>},
    {"midi-test-partially", EPARAM_END, midiTestEndedAt<3>},
    {"midi-test-fully", EPARAM_END, midiTestEndedAt<4>},
    {"question", EPARAM_END, syncQuestion},
    {"part-01-drum1", EPARAM_PART_DRUM1, nullptr},
    {"part-02-drum2", EPARAM_PART_DRUM2, nullptr},
    {"part-03-drum3", EPARAM_PART_DRUM3, nullptr},
    {"part-04-drum4", EPARAM_PART_DRUM4, nullptr},
    {"part-05-drum5", EPARAM_PART_DRUM5, nullptr},
    {"part-06-drum6a", EPARAM_PART_DRUM6A, nullptr},
    {"part-07-drum6b", EPARAM_PART_DRUM6B, nullptr},
    {"part-08-drum7a", EPARAM_PART_DRUM7A, nullptr},
    {"part-09-drum7b", EPARAM_PART_DRUM7B, nullptr},
    {"part-10-stretch1", EPARAM_PART_STRETCH1, nullptr},
    {"part-11-stretch2", EPARAM_PART_STRETCH2, nullptr},
    {"part-12-slice", EPARAM_PART_SLICE_SELECT, nullptr},
    {"part-13-audioin", EPARAM_PART_AUDIOIN, nullptr},
    {"part-14-keyboard1", EPARAM_PART_KEYBOARD1, nullptr},
    {"part-15-keyboard2", EPARAM_PART_KEYBOARD2, nullptr},
};
const std::size_t kScreenCount = sizeof c_Screens / sizeof c_Screens[0];

gui::Image render(const t_Screen& screen, int zoom)
{
    registerPanelPictures();
    RecordingHost host;
    auto synth = std::make_unique<SynthCommons>(RecordingHost::callback);
    SynthEditor& editor = *synth->getSynthEditor();
    editor.editorControlsLib_RemoveQuestion(); // the first opening's "Sync now ?"
    editor.overrideZoom(zoom);
    if (screen.part != EPARAM_END)
    {
        synth->pluginMode = PLUGIN_MODE_PART;
        synth->parameterLib_SetParameterValueFromEditor(screen.part, 1.0f);
    }
    if (screen.prepare)
        screen.prepare(*synth, editor);
    editor.editorControlsLib_ResetParameterInfo();
    editor.open(nullptr);
    editor.idle();
    const gui::Image& drawn = editor.getFrame()->getPlatformWindow()->image();
    gui::Image picture(drawn.width(), drawn.height());
    std::memcpy(picture.data(), drawn.data(), static_cast<std::size_t>(drawn.stride()) * drawn.height());
    editor.close();
    return picture;
}
} // namespace panelscreens
