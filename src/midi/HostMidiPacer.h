// How much of the queued MIDI one processing call hands to the host: no more than the link
// says the host takes in one call, and no faster than its pace. At a MIDI cable's pace a message
// leaves only once the ones before it would have left the cable, so after a 4898-byte dump the
// next message waits about 1.6 s.
#pragma once

#include "HostMidiLink.h"

#include <cstdint>

class HostMidiPacer
{
public:
    // A processing call of the given length begins.
    void startCycle(const t_HostMidiLink& link, std::int32_t frames, float sampleRate);
    // True when a group of messages, together bytes long, may go in this call; it is then
    // counted as gone. Groups are taken whole, in queue order.
    bool admit(std::uint32_t bytes, std::uint32_t messages);

private:
    std::uint32_t overhead = 0;
    std::uint32_t budget = 0;   // 0: no limit
    std::uint32_t capacity = 0; // 0: no limit
    std::uint32_t used = 0;
    bool paced = false;
    double credit = 0.0; // bytes the cable could carry now; below zero while a message is on it
};
