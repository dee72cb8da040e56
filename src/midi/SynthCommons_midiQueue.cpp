// The host queue set: outgoing events collected between two processing calls and handed
// to the host at the end of each.
#include "../core/SynthCommons.h"

namespace
{
const VstMidiEvent& firstEvent(VstEvents* events)
{
    return *reinterpret_cast<const VstMidiEvent*>(events->events[0]);
}
} // namespace

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
    switch (events->numEvents)
    {
    case 1:
        midiQueueEnqueueSingle(towardHost ? hostQueueSingleToHost : hostQueueSingle, firstEvent(events));
        break;
    case 3:
        midiQueueEnqueueGroup(hostQueueShortNRPN, events->events, 3);
        break;
    case 4:
        midiQueueEnqueueGroup(hostQueueLongNRPN, events->events, 4);
        break;
    default:
        break;
    }
    hostQueueBusy.release();
}

void SynthCommons::midiQueue_ProcessVstEvents()
{
    if (!hostQueueBusy.tryTake())
        return; // an enqueuer holds the queues: they wait for the next block
    for (t_MidiEventQueue* queue :
         {&hostQueueSingleToHost, &hostQueueSingle, &hostQueueShortNRPN, &hostQueueLongNRPN})
    {
        if (queue->numEvents <= 0)
            continue;
        sendVstEventsToHost(queue->asVstEvents());
        queue->numEvents = 0;
    }
    hostQueueBusy.release();
}
