// Tether MIDI on a JACK server, through libjack.
#pragma once

#include "../MidiBackend.h"

namespace midi
{
// A client of the running JACK server (none is started), not yet active; null when no
// server answers.
std::unique_ptr<Backend> createJackBackend(Receiver& receiver, const char* clientName);
} // namespace midi
