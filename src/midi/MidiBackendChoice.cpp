// Which MIDI system the Tether MIDI layer uses, and the one line that tells the user when the
// first choice could not be reached. A system that one instance could not reach is tried by that
// instance again at most once a second: each attempt costs a connection, and panels ask for the
// port list whenever they open. Other instances try on their own, so that one failed attempt on
// a busy machine keeps no other instance from its ports.
#include "MidiSystems.h"

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace midi
{
namespace
{
constexpr auto kRetryInterval = std::chrono::seconds(1);

std::atomic<const t_MidiSystem*> systemsInUse{c_MidiSystems};

// Each message once in the life of the process: the layer asks again whenever a port menu
// needs the list, and a host's console should not fill with it.
void sayOnce(std::atomic<bool>& said, const char* clientName, const std::string& text)
{
    if (!said.exchange(true))
        std::fprintf(stderr, "%s: %s\n", clientName, text.c_str());
}

std::string unavailable(const std::string& systems, int count)
{
    return systems + (count == 1 ? " is" : " are") + " unavailable";
}

std::atomic<bool> fallbackSaid{false};
std::atomic<bool> noneSaid{false};
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

std::unique_ptr<Backend> createBackend(Receiver& receiver, Attempts& attempts, const char* clientName)
{
    const char* forced = std::getenv("PAVONIS_MIDI_API");
    std::string failed; // the systems tried in vain, as the user reads them
    int tried = 0;
    for (const t_MidiSystem* system = systemsInUse.load(); system->name; ++system)
    {
        if ((forced && std::strcmp(forced, system->name) != 0) || !attempts.mayTry(*system))
            continue;
        std::unique_ptr<Backend> backend = system->make(receiver, clientName);
        attempts.tried(*system, backend != nullptr);
        if (backend)
        {
            if (tried > 0)
                sayOnce(fallbackSaid, clientName,
                        unavailable(failed, tried) + "; MIDI goes through " + system->said);
            return backend;
        }
        failed += (tried++ == 0 ? "" : " and ") + std::string(system->said);
    }
    if (tried > 0)
        sayOnce(noneSaid, clientName, "no MIDI system: " + unavailable(failed, tried));
    else if (forced)
        sayOnce(noneSaid, clientName,
                "PAVONIS_MIDI_API=" + std::string(forced) + " names no MIDI system here");
    return nullptr;
}

const t_MidiSystem* useMidiSystems(const t_MidiSystem* systems)
{
    return systemsInUse.exchange(systems ? systems : c_MidiSystems);
}
} // namespace midi
