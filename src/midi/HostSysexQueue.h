// SysEx messages on their way to the host's MIDI: put in on the user-interface thread, taken
// out by the processing call one at a time, oldest first. A message of a kind that replaces
// (a pattern dump: the device needs only the pattern's latest state) takes the place of one of
// its kind still waiting. The processing call neither waits for the queue nor frees memory: it
// skips its turn while an enqueuer holds the queue, and what it took is let go at the next put.
#pragma once

#include "MidiEventQueue.h"

#include <cstdint>
#include <vector>

class HostSysexQueue
{
public:
    // Bytes that may wait at once; a message beyond is dropped, as a full MIDI queue drops.
    static constexpr std::uint32_t kCapacity = 64 * 1024;
    static constexpr int kNoKind = 0;

    // False when the message did not fit.
    bool put(const unsigned char* message, std::uint32_t length, int kind);

    // For the processing call: tryTake, then the oldest waiting message (null when none), taken()
    // once it is gone, and release.
    bool tryTake() { return busy.tryTake(); }
    const std::vector<unsigned char>* oldest() const;
    void taken() { ++sent; }
    void release() { busy.release(); }

private:
    struct Waiting
    {
        int kind;
        std::vector<unsigned char> bytes;
    };

    std::uint32_t waitingBytes() const;

    MidiQueueLock busy;
    std::vector<Waiting> messages;
    std::size_t sent = 0; // messages at the front that have gone
};
