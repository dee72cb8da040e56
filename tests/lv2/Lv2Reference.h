// The panel as the core draws it offscreen for a host whose MIDI carries SysEx, as the LV2 room
// is one: what the LV2 panel should show in a state (the VST 2 panel in a VST 2 host shows the
// same, with the Host-mode warning on the setup page).
#pragma once

#include "PanelTestSupport.h"
#include "core/VendorCalls.h"
#include "midi/HostMidiLink.h"

namespace lv2test
{
inline t_HostMidiLink& sysexLink()
{
    static t_HostMidiLink link;
    link.carriesSysex = true;
    return link;
}

inline vst::intptr sysexHost(AEffect*, vst::int32 opcode, vst::int32 index, vst::intptr value, void*, float)
{
    if (opcode == audioMasterVendorSpecific && index == kVendorCallTag && value == HOST_CALL_MIDI_LINK)
        return reinterpret_cast<vst::intptr>(&sysexLink());
    return opcode == audioMasterVendorSpecific ? 0 : opcode == audioMasterVersion ? 2400 : 0;
}

// The panel's pages and the mode buttons that show them.
struct Page
{
    const char* name;
    e_EditorParameterID button;
};
constexpr Page kPages[] = {{"setup", EPARAM_MODE_SETUP},
                           {"part", EPARAM_MODE_PARTS},
                           {"mix", EPARAM_MODE_MIX},
                           {"global", EPARAM_MODE_GLOBAL}};

// vst2: a core in a VST 2 host, else one in a host that carries SysEx.
inline guitest::Image renderPanel(bool vst2, const std::function<void(SynthCommons&, SynthEditor&)>& prepare)
{
    registerPanelPictures();
    SynthCommons synth(vst2 ? guitest::quietHost : sysexHost);
    SynthEditor& editor = *synth.getSynthEditor();
    editor.editorControlsLib_RemoveQuestion();
    editor.open(nullptr);
    prepare(synth, editor);
    editor.editorControlsLib_ResetParameterInfo();
    editor.idle();
    const gui::Image& shown = editor.getFrame()->getPlatformWindow()->image();
    guitest::Image image(guitest::kWidth * guitest::kHeight);
    for (int y = 0; y < guitest::kHeight; ++y)
        for (int x = 0; x < guitest::kWidth; ++x)
            image[y * guitest::kWidth + x] = shown.at(x, y) & 0xFFFFFF;
    editor.close();
    return image;
}
} // namespace lv2test
