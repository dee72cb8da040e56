// The host queue set: outgoing events collected between two processing calls and handed
// to the host at the end of each.
#include "../core/SynthCommons.h"

void SynthCommons::midiQueue_InitQueue()
{
    midiQueueInit(hostQueueSingle);
    midiQueueInit(hostQueueSingleToHost);
    midiQueueInit(hostQueueShortNRPN);
    midiQueueInit(hostQueueLongNRPN);
    hostQueueBusy.release();
}

void SynthCommons::midiQueue_SendVstEvents(VstEvents* events, bool towardHost)
{
    if (!events || events->numEvents == 0)
        return;
    if (!towardHost && midiMode == MIDI_MODE_TETHER)
    {
        TetherMidiSendQueue(events);
        return;
    }
    hostQueueBusy.take();
    midiQueueEnqueueList(towardHost ? hostQueueSingleToHost : hostQueueSingle, hostQueueShortNRPN,
                         hostQueueLongNRPN, events);
    hostQueueBusy.release();
}

// What the host takes of the queues in this block goes; the rest waits, merging on, for the
// next (HostMidiPacer).
void SynthCommons::midiQueue_ProcessVstEvents()
{
    hostPacer.startCycle(*hostLink, processingFrames, getSampleRate());
    if (hostQueueBusy.tryTake()) // else an enqueuer holds the queues: they wait for the next block
    {
        flushHostQueue(hostQueueSingleToHost, 1);
        flushHostQueue(hostQueueSingle, 1);
        flushHostQueue(hostQueueShortNRPN, 3);
        flushHostQueue(hostQueueLongNRPN, 4);
        hostQueueBusy.release();
    }
    flushHostSysex();
}

// Whole groups (one message, or one preamble or NRPN of 3 or 4) from the front of a queue, each
// message at the frame where the pacer lets it start.
void SynthCommons::flushHostQueue(t_MidiEventQueue& queue, int groupSize)
{
    int count = 0;
    while (count + groupSize <= queue.numEvents)
    {
        std::uint32_t bytes = 0;
        std::uint32_t lastAfter = 0;
        for (int i = count; i < count + groupSize; ++i)
        {
            lastAfter = bytes;
            bytes += midiMessageLength(static_cast<unsigned char>(queue.records[i].midiData[0]));
        }
        if (!hostPacer.admit(bytes, static_cast<std::uint32_t>(groupSize), lastAfter))
            break;
        for (std::uint32_t i = 0, before = 0; i < static_cast<std::uint32_t>(groupSize); ++i)
        {
            VstMidiEvent& event = queue.records[count + i];
            event.deltaFrames = hostPacer.frameOf(before);
            before += midiMessageLength(static_cast<unsigned char>(event.midiData[0]));
        }
        count += groupSize;
    }
    if (count == 0)
        return;
    const vst::int32 queued = queue.numEvents;
    queue.numEvents = count; // the host reads the first count events
    sendVstEventsToHost(queue.asVstEvents());
    queue.numEvents = queued;
    midiQueueRemoveFront(queue, count);
}
