// Which MIDI system the Tether MIDI layer uses. A system that one instance could not reach is
// tried by that instance again at most once a second: each attempt costs a connection (libjack
// also prints its complaints each time), and panels ask for the port list whenever they open.
// Other instances try on their own, so that one failed attempt on a busy machine keeps no
// other instance from its ports.
#include "MidiSystems.h"

#include <atomic>
#include <cstdlib>
#include <cstring>

namespace midi
{
namespace
{
constexpr const char* kClientName = "Pavonis";
constexpr auto kRetryInterval = std::chrono::seconds(1);

std::atomic<const t_MidiSystem*> systemsInUse{c_MidiSystems};
} // namespace

bool Attempts::mayTry(const t_MidiSystem& system) const
{
    const auto failed = lastFailure.find(&system);
    return failed == lastFailure.end() || Clock::now() - failed->second >= kRetryInterval;
}

void Attempts::tried(const t_MidiSystem& system, bool reached)
{
    if (reached)
        lastFailure.erase(&system);
    else
        lastFailure[&system] = Clock::now();
}

std::unique_ptr<Backend> createBackend(Receiver& receiver, Attempts& attempts)
{
    const char* forced = std::getenv("PAVONIS_MIDI_API");
    for (const t_MidiSystem* system = systemsInUse.load(); system->name; ++system)
    {
        if ((forced && std::strcmp(forced, system->name) != 0) || !attempts.mayTry(*system))
            continue;
        std::unique_ptr<Backend> backend = system->make(receiver, kClientName);
        attempts.tried(*system, backend != nullptr);
        if (backend)
            return backend;
    }
    return nullptr;
}

const t_MidiSystem* useMidiSystems(const t_MidiSystem* systems)
{
    return systemsInUse.exchange(systems ? systems : c_MidiSystems);
}
} // namespace midi
