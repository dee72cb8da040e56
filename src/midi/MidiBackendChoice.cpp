// Which MIDI system the Tether MIDI layer uses.
#include "MidiBackend.h"
#include "jack/JackBackend.h"
#include "rtmidi/RtMidiBackend.h"

#include <cstdlib>
#include <cstring>

namespace midi
{
namespace
{
constexpr const char* kClientName = "Pavonis";

using Maker = std::unique_ptr<Backend> (*)(Receiver&, const char*);

struct t_MidiSystem
{
    const char* name; // as PAVONIS_MIDI_API names it
    Maker make;
};

// In the order they are tried.
const t_MidiSystem c_MidiSystems[] = {
    {"alsa", createAlsaBackend},
    {"jack", createJackBackend},
};
} // namespace

std::unique_ptr<Backend> createBackend(Receiver& receiver)
{
    const char* forced = std::getenv("PAVONIS_MIDI_API");
    for (const t_MidiSystem& system : c_MidiSystems)
    {
        if (forced && std::strcmp(forced, system.name) != 0)
            continue;
        if (std::unique_ptr<Backend> backend = system.make(receiver, kClientName))
            return backend;
    }
    return nullptr;
}
} // namespace midi
