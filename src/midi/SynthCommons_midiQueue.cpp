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
