// Building outgoing channel messages and routing them to the host or the Tether queues.
#include "../core/SynthCommons.h"

namespace
{
constexpr unsigned char kControlChange = 0xB0;

// A list of up to four events with room for its pointers, laid out as a VstEvents block.
struct EventList
{
    vst::int32 numEvents = 0;
    vst::intptr reserved = 0;
    VstEvent* events[4] = {};
    VstMidiEvent records[4] = {};

    void add(const VstMidiEvent& event)
    {
        records[numEvents] = event;
        events[numEvents] = reinterpret_cast<VstEvent*>(&records[numEvents]);
        ++numEvents;
    }
    VstEvents* asVstEvents() { return reinterpret_cast<VstEvents*>(this); }
};
} // namespace

// Cakewalk takes nothing before its first processing call.
bool SynthCommons::dropsMessagesNow() const
{
    return hostKind == HOST_CAKEWALK && !audioRunning;
}

// What routeBuiltMessage would let through for the device: the host's queues once the host
// processes, else an open Tether MIDI output. While neither can carry a message (all through a
// host's scan), a parameter change builds none.
bool SynthCommons::deviceReachableNow() const
{
    if (dropsMessagesNow())
        return false;
    return audioRunning || (midiMode != MIDI_MODE_HOST && tetherMidiInitialized && tetherMidiOutPort >= 0);
}

void SynthCommons::routeBuiltMessage(VstEvents* events, bool towardHost)
{
    if (dropsMessagesNow())
        return;
    if (audioRunning)
        midiQueue_SendVstEvents(events, towardHost);
    else if (towardHost)
        sendVstEventsToHost(events);
    else
        TetherMidiSendQueue(events);
}

void SynthCommons::SendMidiNRPNEvent(char nrpnMSB, char nrpnLSB, char dataMSB, char dataLSB, char channel,
                                     bool longForm)
{
    const auto status = static_cast<unsigned char>(kControlChange + (channel & 0x0F));
    EventList list;
    list.add(makeMidiEvent(status, 99, static_cast<unsigned char>(nrpnMSB)));
    list.add(makeMidiEvent(status, 98, static_cast<unsigned char>(nrpnLSB)));
    list.add(makeMidiEvent(status, 6, static_cast<unsigned char>(dataMSB)));
    if (longForm)
        list.add(makeMidiEvent(status, 38, static_cast<unsigned char>(dataLSB)));
    routeBuiltMessage(list.asVstEvents(), false);
}

void SynthCommons::SendMidiLongNRPNEvent(char nrpnMSB, char nrpnLSB, char dataMSB, char dataLSB, char channel)
{
    SendMidiNRPNEvent(nrpnMSB, nrpnLSB, dataMSB, dataLSB, channel, true);
}

void SynthCommons::SendMidiShortNRPNEvent(char nrpnMSB, char nrpnLSB, char data, char channel)
{
    SendMidiNRPNEvent(nrpnMSB, nrpnLSB, data, 0, channel, false);
}

bool SynthCommons::SendMidiSize3Event(char status, char data1, char data2, bool applyNoteFilter,
                                      bool towardHost)
{
    if (dropsMessagesNow())
        return true; // before the note filter, which would hold a note that never leaves
    EventList list;
    list.add(makeMidiEvent(static_cast<unsigned char>(status), static_cast<unsigned char>(data1),
                           static_cast<unsigned char>(data2)));
    if (applyNoteFilter)
        processEvents_NotesModifier(list.asVstEvents());
    routeBuiltMessage(list.asVstEvents(), towardHost);
    return true;
}

bool SynthCommons::SendMidiCCEvent(int controller, char value, char channel)
{
    return SendMidiSize3Event(static_cast<char>(kControlChange + (channel & 0x0F)),
                              static_cast<char>(controller), value, false, false);
}
