// What the tests against a device share: connecting the plug-in to it and detecting it.
#pragma once

#include "MidiTestSupport.h"
#include "PluginPorts.h"

namespace miditest
{
using esxsim::connectToDevice;

// Asks who is there, as the interface menus do after opening a port, until the reply.
inline bool deviceDetected(SynthCommons& synth)
{
    return repeatedUntil([&] { synth.TetherMidi_SendInquirySysex(); },
                         [&] { return synth.TetherMidiHardwareAttached(); });
}
} // namespace miditest
