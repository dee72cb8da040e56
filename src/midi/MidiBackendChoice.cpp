// Which MIDI system the Tether MIDI layer uses, and the one line that tells the user when the
// first choice could not be reached.
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

std::unique_ptr<Backend> createBackend(Receiver& receiver, const char* clientName)
{
    const char* forced = std::getenv("PAVONIS_MIDI_API");
    std::string failed; // the systems tried in vain, as the user reads them
    int tried = 0;
    for (const t_MidiSystem* system = c_MidiSystems; system->name; ++system)
    {
        if (forced && std::strcmp(forced, system->name) != 0)
            continue;
        if (std::unique_ptr<Backend> backend = system->make(receiver, clientName))
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
} // namespace midi
