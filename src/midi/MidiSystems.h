// The MIDI systems of the system built for, in the order they are tried.
#pragma once

#include "MidiBackend.h"

namespace midi
{
using BackendMaker = std::unique_ptr<Backend> (*)(Receiver&, const char* clientName);

struct t_MidiSystem
{
    const char* name;  // as PAVONIS_MIDI_API names it; null ends the table
    const char* said;  // as a message to the user names it
    BackendMaker make; // null when the system cannot be reached
};

// One file per operating system defines it (MidiSystems_<os>.cpp).
extern const t_MidiSystem c_MidiSystems[];
} // namespace midi
