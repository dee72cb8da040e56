#include "MidiSystems.h"
#include "jack/JackBackend.h"
#include "rtmidi/RtMidiBackend.h"

namespace midi
{
const t_MidiSystem c_MidiSystems[] = {
    {"alsa", "the ALSA sequencer", createAlsaBackend},
    {"jack", "JACK", createJackBackend},
    {nullptr, nullptr, nullptr},
};
} // namespace midi
