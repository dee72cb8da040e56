#include "MidiEventQueue.h"

#include "../platform/Platform.h"

#include <cstring>
#include <thread>

namespace
{
constexpr int kYieldsBeforeSleeping = 100;

// A new entry is accepted while the count is at most this.
constexpr int kLastSingleCount = kMidiQueueCapacity - 2;

int lastGroupCount(int groupSize)
{
    return kMidiQueueCapacity - 2 * groupSize - 2; // 2992 for 3 messages, 2990 for 4
}

VstMidiEvent& recordOf(const VstEvent* event)
{
    return *reinterpret_cast<VstMidiEvent*>(const_cast<VstEvent*>(event));
}

bool isNumber127(const VstMidiEvent& first, const VstMidiEvent& second)
{
    return static_cast<unsigned char>(first.midiData[2]) == 127 &&
           static_cast<unsigned char>(second.midiData[2]) == 127;
}

bool sameStatusAndValue(const VstMidiEvent& a, const VstMidiEvent& b)
{
    return a.midiData[0] == b.midiData[0] && a.midiData[2] == b.midiData[2];
}

// A slot's event pointer is set when the slot is first filled: the pages of slots that were
// never used stay untouched (a queue set is about 360 KB).
void append(t_MidiEventQueue& queue, const VstMidiEvent& event)
{
    queue.records[queue.numEvents] = event;
    queue.events[queue.numEvents] = reinterpret_cast<VstEvent*>(&queue.records[queue.numEvents]);
    ++queue.numEvents;
}

// The preamble of a group: copies of its first message carrying controllers 99, 98, 6
// (and 38) with value 127.
void appendPreamble(t_MidiEventQueue& queue, const VstMidiEvent& first, int groupSize)
{
    static const unsigned char controllers[] = {99, 98, 6, 38};
    for (int i = 0; i < groupSize; ++i)
    {
        VstMidiEvent preamble = first;
        preamble.midiData[1] = static_cast<char>(controllers[i]);
        preamble.midiData[2] = 127;
        append(queue, preamble);
    }
}
} // namespace

void midiQueueInit(t_MidiEventQueue& queue)
{
    queue.numEvents = 0;
    queue.reserved = 0;
}

void midiQueueEnqueueSingle(t_MidiEventQueue& queue, const VstMidiEvent& event)
{
    if (queue.numEvents > kLastSingleCount)
        return;
    for (int i = 0; i < queue.numEvents; ++i)
    {
        VstMidiEvent& queued = queue.records[i];
        if (queued.midiData[0] == event.midiData[0] && queued.midiData[1] == event.midiData[1])
        {
            queued.midiData[2] = event.midiData[2];
            return;
        }
    }
    append(queue, event);
}

void midiQueueEnqueueGroup(t_MidiEventQueue& queue, VstEvent* const* events, int count)
{
    if (queue.numEvents > lastGroupCount(count))
        return;
    const VstMidiEvent& first = recordOf(events[0]);
    const VstMidiEvent& second = recordOf(events[1]);
    if (!isNumber127(first, second))
    {
        for (int i = 0; i + count <= queue.numEvents; i += count)
        {
            if (!sameStatusAndValue(queue.records[i], first) ||
                !sameStatusAndValue(queue.records[i + 1], second))
                continue;
            for (int k = 2; k < count; ++k)
                queue.records[i + k].midiData[2] = recordOf(events[k]).midiData[2];
            return;
        }
    }
    appendPreamble(queue, first, count);
    for (int k = 0; k < count; ++k)
        append(queue, recordOf(events[k]));
}

void midiQueueEnqueueList(t_MidiEventQueue& single, t_MidiEventQueue& shortGroups,
                          t_MidiEventQueue& longGroups, VstEvents* events)
{
    switch (events->numEvents)
    {
    case 1:
        midiQueueEnqueueSingle(single, recordOf(events->events[0]));
        break;
    case 3:
        midiQueueEnqueueGroup(shortGroups, events->events, 3);
        break;
    case 4:
        midiQueueEnqueueGroup(longGroups, events->events, 4);
        break;
    default:
        break;
    }
}

void midiQueueRemoveFront(t_MidiEventQueue& queue, int count)
{
    if (count <= 0)
        return;
    if (count > queue.numEvents)
        count = queue.numEvents;
    std::memmove(queue.records, queue.records + count, sizeof(VstMidiEvent) * (queue.numEvents - count));
    queue.numEvents -= count;
}

void MidiQueueLock::take()
{
    // A holder keeps the flag for one merge or one flush: a few yields almost always see it
    // free, so that a processing thread that queues (the note filter) rarely has to sleep.
    for (int attempt = 0; attempt < kYieldsBeforeSleeping; ++attempt)
    {
        if (tryTake())
            return;
        std::this_thread::yield();
    }
    while (!tryTake())
        platform::sleepMs(1);
}

VstMidiEvent makeMidiEvent(unsigned char status, unsigned char data1, unsigned char data2)
{
    VstMidiEvent event{};
    event.type = kVstMidiType;
    event.byteSize = sizeof(VstMidiEvent);
    event.midiData[0] = static_cast<char>(status);
    event.midiData[1] = static_cast<char>(data1);
    event.midiData[2] = static_cast<char>(data2);
    return event;
}

unsigned midiMessageLength(unsigned char status)
{
    if (status < 0x80 || status == 0xF0 || status == 0xF7)
        return 0; // no message of its own
    if ((status & 0xE0) == 0xC0 || status == 0xF1 || status == 0xF3)
        return 2;
    if (status >= 0xF0 && status != 0xF2)
        return 1;
    return 3;
}
