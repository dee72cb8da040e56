#include "HostMidiPacer.h"

#include <algorithm>
#include <cmath>

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
    rate = link.bytesPerSecond.load(std::memory_order_relaxed);
    // The block before has passed.
    busyUntil = std::max(busyUntil - blockSeconds, 0.0);
    framesPerSecond = sampleRate > 0.0f ? sampleRate : kAssumedSampleRate;
    blockSeconds = std::max(frames, 0) / framesPerSecond;
    if (rate == 0.0)
        busyUntil = 0.0;
}

bool HostMidiPacer::admit(std::uint32_t bytes, std::uint32_t messages, std::uint32_t lastAfter)
{
    const std::uint64_t cost = std::uint64_t(bytes) + std::uint64_t(messages) * overhead;
    if (capacity != 0 && used + cost > capacity)
        return false;
    // Beyond the budget only one larger message alone (a dump).
    if (budget != 0 && used + cost > budget && used != 0)
        return false;
    if (rate != 0.0 && busyUntil + lastAfter / rate >= blockSeconds)
        return false; // the cable is busy for the rest of the block
    used += static_cast<std::uint32_t>(cost);
    groupStart = busyUntil;
    if (rate != 0.0)
        busyUntil += bytes / rate;
    return true;
}

std::int32_t HostMidiPacer::frameOf(std::uint32_t bytesBefore) const
{
    if (rate == 0.0)
        return 0;
    const double seconds = groupStart + bytesBefore / rate;
    const auto last = std::max(blockSeconds * framesPerSecond - 1.0, 0.0);
    return static_cast<std::int32_t>(std::min(std::floor(seconds * framesPerSecond), last));
}
