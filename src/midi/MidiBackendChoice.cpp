// Which MIDI system the Tether MIDI layer uses. A system that could not be reached is tried
// again at most once a second, for every instance of the process together: each attempt costs
// a connection (libjack also prints its complaints each time), and panels ask for the port
// list whenever they open.
#include "MidiSystems.h"

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <map>
#include <mutex>

namespace midi
{
namespace
{
constexpr const char* kClientName = "Pavonis";
constexpr auto kRetryInterval = std::chrono::seconds(1);

using Clock = std::chrono::steady_clock;

std::atomic<const t_MidiSystem*> systemsInUse{c_MidiSystems};

// One at a time per system; when the last attempt failed.
struct Attempts
{
    std::mutex lock;
    Clock::time_point lastFailure;
    bool failed = false;
};

Attempts& attemptsOf(const t_MidiSystem& system)
{
    static std::mutex mapLock;
    static std::map<const t_MidiSystem*, Attempts> attempts;
    std::lock_guard lock(mapLock);
    return attempts[&system];
}

std::unique_ptr<Backend> attempt(const t_MidiSystem& system, Receiver& receiver)
{
    Attempts& attempts = attemptsOf(system);
    std::lock_guard lock(attempts.lock);
    if (attempts.failed && Clock::now() - attempts.lastFailure < kRetryInterval)
        return nullptr;
    std::unique_ptr<Backend> backend = system.make(receiver, kClientName);
    attempts.failed = !backend;
    attempts.lastFailure = Clock::now();
    return backend;
}
} // namespace

std::unique_ptr<Backend> createBackend(Receiver& receiver)
{
    const char* forced = std::getenv("PAVONIS_MIDI_API");
    for (const t_MidiSystem* system = systemsInUse.load(); system->name; ++system)
    {
        if (forced && std::strcmp(forced, system->name) != 0)
            continue;
        if (std::unique_ptr<Backend> backend = attempt(*system, receiver))
            return backend;
    }
    return nullptr;
}

const t_MidiSystem* useMidiSystems(const t_MidiSystem* systems)
{
    return systemsInUse.exchange(systems ? systems : c_MidiSystems);
}
} // namespace midi
