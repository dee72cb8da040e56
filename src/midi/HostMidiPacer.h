// How much of the queued MIDI one processing call hands to the host, and when in the block each
// message goes: no more than the link says the host takes in one call, and no faster than its
// pace. At a MIDI cable's pace each message starts where the one before would have left the
// cable, at its frame in the block, so after a 4898-byte dump the next message waits about
// 1.6 s; as fast as the host takes, everything goes at the block's start.
#pragma once

#include "HostMidiLink.h"

#include <cstdint>

class HostMidiPacer
{
public:
    // A processing call of the given length begins.
    void startCycle(const t_HostMidiLink& link, std::int32_t frames, float sampleRate);
    // True when a group of messages, together bytes long, may go in this call, its last message
    // starting lastAfter bytes into it; it is then counted as gone. Groups are taken whole, in
    // queue order, and each message of one starts inside the block.
    bool admit(std::uint32_t bytes, std::uint32_t messages, std::uint32_t lastAfter = 0);
    // The frame in the block where a message of the group admitted last starts, bytesBefore
    // into the group.
    std::int32_t frameOf(std::uint32_t bytesBefore) const;

private:
    std::uint32_t overhead = 0;
    std::uint32_t budget = 0;   // 0: no limit
    std::uint32_t capacity = 0; // 0: no limit
    std::uint32_t used = 0;
    double rate = 0.0;         // bytes per second; 0: no pace
    double blockSeconds = 0.0; // of this call
    double framesPerSecond = 0.0;
    double busyUntil = 0.0;  // seconds from this block's start until the cable is free
    double groupStart = 0.0; // seconds from this block's start to the last group admitted
};
