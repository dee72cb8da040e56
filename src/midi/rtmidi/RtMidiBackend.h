// Tether MIDI on the ALSA sequencer, through RtMidi.
#pragma once

#include "../MidiBackend.h"

namespace midi
{
// Null when the sequencer cannot be opened (no /dev/snd/seq).
std::unique_ptr<Backend> createAlsaBackend(Receiver& receiver, const char* clientName);
} // namespace midi
