// Renders every screen of the panel offscreen and writes one PNG per screen (and one per
// part) into the given directory, for a person to look at: at 100 % there, at the other zoom
// steps into its folders zoom-150 and zoom-200.
//
//     panel_screenshots <output directory>
#include "core/SynthCommons.h"
#include "editor/PanelPictures.h"
#include "editor/SynthEditor.h"
#include "gui/CFrame.h"
#include "gui/Zoom.h"
#include "platform/Files.h"
#include "support/RecordingHost.h"

#include <cstdio>
#include <functional>
#include <string>

namespace
{
struct Screen
{
    const char* name;
    std::function<void(SynthCommons&, SynthEditor&)> prepare;
};

void selectPart(SynthCommons& synth, e_EditorParameterID selector)
{
    synth.pluginMode = PLUGIN_MODE_PART;
    synth.parameterLib_SetParameterValueFromEditor(selector, 1.0f);
}

void mode(SynthCommons& synth, int pluginMode)
{
    synth.pluginMode = pluginMode;
}

constexpr struct
{
    const char* name;
    e_EditorParameterID selector;
} kParts[] = {
    {"part-01-drum1", EPARAM_PART_DRUM1},         {"part-02-drum2", EPARAM_PART_DRUM2},
    {"part-03-drum3", EPARAM_PART_DRUM3},         {"part-04-drum4", EPARAM_PART_DRUM4},
    {"part-05-drum5", EPARAM_PART_DRUM5},         {"part-06-drum6a", EPARAM_PART_DRUM6A},
    {"part-07-drum6b", EPARAM_PART_DRUM6B},       {"part-08-drum7a", EPARAM_PART_DRUM7A},
    {"part-09-drum7b", EPARAM_PART_DRUM7B},       {"part-10-stretch1", EPARAM_PART_STRETCH1},
    {"part-11-stretch2", EPARAM_PART_STRETCH2},   {"part-12-slice", EPARAM_PART_SLICE_SELECT},
    {"part-13-audioin", EPARAM_PART_AUDIOIN},     {"part-14-keyboard1", EPARAM_PART_KEYBOARD1},
    {"part-15-keyboard2", EPARAM_PART_KEYBOARD2},
};

bool shoot(SynthCommons& synth, const Screen& screen, const std::string& directory)
{
    SynthEditor& editor = *synth.getSynthEditor();
    editor.editorControlsLib_RemoveQuestion();
    screen.prepare(synth, editor);
    editor.editorControlsLib_ResetParameterInfo();
    editor.open(nullptr);
    editor.idle();
    const std::string path = directory + "/" + screen.name + ".png";
    const bool saved = editor.getFrame() && editor.getFrame()->saveImage(path.c_str());
    editor.close();
    if (!saved)
        std::fprintf(stderr, "panel_screenshots: cannot write %s\n", path.c_str());
    return saved;
}
} // namespace

int main(int argc, char** argv)
{
    if (argc != 2)
    {
        std::fprintf(stderr, "usage: panel_screenshots <output directory>\n");
        return 2;
    }
    registerPanelPictures();
    RecordingHost host;
    SynthCommons synth(RecordingHost::callback);
    std::vector<Screen> screens = {
        {"mix", [](SynthCommons& s, SynthEditor&) { mode(s, PLUGIN_MODE_MIX); }},
        {"global", [](SynthCommons& s, SynthEditor&) { mode(s, PLUGIN_MODE_GLOBAL); }},
        {"setup-tether", [](SynthCommons& s, SynthEditor&) { mode(s, PLUGIN_MODE_SETUP); }},
        {"setup-host",
         [](SynthCommons& s, SynthEditor&)
         {
             mode(s, PLUGIN_MODE_SETUP);
             s.midiMode = MIDI_MODE_HOST;
         }},
        {"midi-test-failure",
         [](SynthCommons& s, SynthEditor&)
         {
             s.midiMode = MIDI_MODE_TETHER;
             s.midiTestStep = 1;
             s.getSynthEditor()->editorControlsLib_MidiTestResult();
         }},
        {"midi-test-fully",
         [](SynthCommons& s, SynthEditor&)
         {
             s.midiTestStep = 4;
             s.getSynthEditor()->editorControlsLib_MidiTestResult();
         }},
        {"question",
         [](SynthCommons& s, SynthEditor& e)
         {
             selectPart(s, EPARAM_PART_DRUM1);
             e.editorControlsLib_AskQuestion(QUESTION_SYNC_NOW);
         }},
    };
    for (const auto& part : kParts)
        screens.push_back({part.name, [selector = part.selector](SynthCommons& s, SynthEditor&)
                           { selectPart(s, selector); }});
    for (int zoom : gui::kZoomSteps)
    {
        const std::string directory = zoom == gui::kNoZoom
                                          ? std::string(argv[1])
                                          : std::string(argv[1]) + "/zoom-" + std::to_string(zoom);
        platform::makeFolders(directory);
        synth.getSynthEditor()->overrideZoom(zoom);
        for (const Screen& screen : screens)
            if (!shoot(synth, screen, directory))
                return 1;
    }
    return 0;
}
