// A queue of outgoing MIDI events that is itself a VstEvents block, so that the
// host can be handed it without copying. Repeated messages merge in place.
#pragma once

#include "../vst/VstInterface.h"

#include <atomic>

constexpr int kMidiQueueCapacity = 3000;

struct t_MidiEventQueue
{
    vst::int32 numEvents;
    vst::intptr reserved;
    VstEvent* events[kMidiQueueCapacity];
    VstMidiEvent records[kMidiQueueCapacity];

    VstEvents* asVstEvents() { return reinterpret_cast<VstEvents*>(this); }
};

// Empties the queue. The event pointers of the first numEvents slots always point at their
// records, as a host reads them.
void midiQueueInit(t_MidiEventQueue& queue);

// One message: merges into a queued one of the same status and data 1, else appends.
void midiQueueEnqueueSingle(t_MidiEventQueue& queue, const VstMidiEvent& event);

// An NRPN group of 3 or 4 messages: merges into a queued group of the same channel and
// number, else appends a preamble and the group.
void midiQueueEnqueueGroup(t_MidiEventQueue& queue, VstEvent* const* events, int count);

// A list of 1, 3 or 4 events into the single, three-message or four-message queue of a set;
// lists of any other size are ignored.
void midiQueueEnqueueList(t_MidiEventQueue& single, t_MidiEventQueue& shortGroups,
                          t_MidiEventQueue& longGroups, VstEvents* events);

// Removes the first count events, keeping the order of the rest.
void midiQueueRemoveFront(t_MidiEventQueue& queue, int count);

// A busy flag taken by one atomic test-and-set.
class MidiQueueLock
{
public:
    bool tryTake() { return !busy.test_and_set(std::memory_order_acquire); }
    // Waits in 1 ms steps until the flag is free, then takes it.
    void take();
    void release() { busy.clear(std::memory_order_release); }

private:
    std::atomic_flag busy = ATOMIC_FLAG_INIT;
};

// The length of a message by its status byte: 2 for program change, channel pressure, time
// code and song select, 1 for the other system messages but song position, else 3; 0 for a
// data byte and the SysEx bytes, which are no message of their own.
unsigned midiMessageLength(unsigned char status);

// A MIDI event as every message built by the plug-in looks: due at the start of the block.
VstMidiEvent makeMidiEvent(unsigned char status, unsigned char data1, unsigned char data2);
