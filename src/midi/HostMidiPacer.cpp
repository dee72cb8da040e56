#include "HostMidiPacer.h"

#include <algorithm>

namespace
{
constexpr float kAssumedSampleRate = 44100.0f;
} // namespace

void HostMidiPacer::startCycle(const t_HostMidiLink& link, std::int32_t frames, float sampleRate)
{
    overhead = link.eventOverhead;
    budget = link.bytesPerCycle;
    capacity = link.cycleCapacity.load(std::memory_order_relaxed);
    used = 0;
    const std::uint32_t rate = link.bytesPerSecond.load(std::memory_order_relaxed);
    paced = rate != 0;
    if (!paced)
    {
        credit = 0.0;
        return;
    }
    const double seconds = std::max(frames, 0) / double(sampleRate > 0.0f ? sampleRate : kAssumedSampleRate);
    const double refill = seconds * rate;
    // What the cable did not carry while nothing waited is not saved up for a burst.
    credit = std::min(credit + refill, refill);
}

bool HostMidiPacer::admit(std::uint32_t bytes, std::uint32_t messages)
{
    const std::uint64_t cost = std::uint64_t(bytes) + std::uint64_t(messages) * overhead;
    if (capacity != 0 && used + cost > capacity)
        return false;
    // Beyond the budget only one larger message alone (a dump).
    if (budget != 0 && used + cost > budget && used != 0)
        return false;
    if (paced && credit <= 0.0)
        return false;
    used += static_cast<std::uint32_t>(cost);
    credit -= bytes;
    return true;
}
