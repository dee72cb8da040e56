#include "MidiSystems.h"
#include "jack/JackBackend.h"
#include "rtmidi/RtMidiBackend.h"

namespace midi
{
const t_MidiSystem c_MidiSystems[] = {
    {"alsa", createAlsaBackend},
    {"jack", createJackBackend},
    {nullptr, nullptr},
};
} // namespace midi
