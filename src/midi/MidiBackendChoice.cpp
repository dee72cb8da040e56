// Which MIDI system the Tether MIDI layer uses.
#include "MidiSystems.h"

#include <cstdlib>
#include <cstring>

namespace midi
{
namespace
{
constexpr const char* kClientName = "Pavonis";
} // namespace

std::unique_ptr<Backend> createBackend(Receiver& receiver)
{
    const char* forced = std::getenv("PAVONIS_MIDI_API");
    for (const t_MidiSystem* system = c_MidiSystems; system->name; ++system)
    {
        if (forced && std::strcmp(forced, system->name) != 0)
            continue;
        if (std::unique_ptr<Backend> backend = system->make(receiver, kClientName))
            return backend;
    }
    return nullptr;
}
} // namespace midi
