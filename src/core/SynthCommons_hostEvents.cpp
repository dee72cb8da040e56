// MIDI events from the host, and the filters that the Tether receive path shares: the note
// filter with its held-note table, the NRPN assembler and the bank-select filter.
#include "SynthCommons.h"

namespace
{
constexpr unsigned char kNoteOff = 0x80;
constexpr unsigned char kNoteOn = 0x90;
constexpr unsigned char kControlChange = 0xB0;
constexpr unsigned char kReleaseVelocity = 64;

unsigned char byteOf(const VstMidiEvent* event, int i)
{
    return static_cast<unsigned char>(event->midiData[i]);
}

// Only the channels of the device's parts: 1 to 5, 10 and 16.
bool isFilteredChannel(unsigned channel)
{
    return channel <= 4 || channel == 9 || channel == 15;
}

// Data bytes of 0x80 or more make a message malformed.
bool hasMidiDataBytes(const VstMidiEvent* event)
{
    return byteOf(event, 1) < 0x80 && byteOf(event, 2) < 0x80;
}

VstMidiEvent* midiEventAt(VstEvents* events, int i)
{
    VstEvent* event = events->events[i];
    return event && event->type == kVstMidiType ? reinterpret_cast<VstMidiEvent*>(event) : nullptr;
}
} // namespace

vst::int32 SynthCommons::processEvents(VstEvents* events)
{
    if (!events || events->numEvents <= 0)
        return 1;
    processEvents_NotesModifier(events);
    if (midiMode == MIDI_MODE_TETHER)
    {
        TetherMidiSend(events);
        return 1;
    }
    for (int i = 0; i < events->numEvents; ++i)
    {
        VstEvent* event = events->events[i];
        if (!event)
            continue;
        if (event->type == kVstMidiType)
        {
            auto* midi = reinterpret_cast<VstMidiEvent*>(event);
            if ((byteOf(midi, 0) & 0xF0) == kControlChange && hasMidiDataBytes(midi) &&
                !processEvent_CheckForNRPN(midi))
                parameterLib_SetParameterValueFromHW(midi);
        }
        else if (event->type == kVstSysExType)
            receiveHostSysex(*reinterpret_cast<VstMidiSysexEvent*>(event));
    }
    return 1;
}

// Hosts may hand a long message in pieces, as MIDI interfaces deliver it: they are joined
// as the Tether MIDI input's are.
void SynthCommons::receiveHostSysex(const VstMidiSysexEvent& event)
{
    if (event.sysexDump && event.dumpBytes > 0)
        processEvent_CheckForSysex(reinterpret_cast<const unsigned char*>(event.sysexDump),
                                   static_cast<std::uint32_t>(event.dumpBytes), false);
}

void SynthCommons::processEvents_NotesModifier(VstEvents* events)
{
    if (!events)
        return;
    for (int i = 0; i < events->numEvents; ++i)
    {
        VstMidiEvent* event = midiEventAt(events, i);
        if (!event || !isFilteredChannel(byteOf(event, 0) & 0x0F))
            continue;
        if ((byteOf(event, 0) & 0xF0) == kNoteOn && byteOf(event, 2) == 0)
        {
            event->midiData[0] = static_cast<char>(kNoteOff | (byteOf(event, 0) & 0x0F));
            event->midiData[2] = 0;
        }
        processEvents_NoteOffDuplicates(event);
    }
}

void SynthCommons::sendHeldNoteOff(const t_HeldNote& slot)
{
    SendMidiSize3Event(static_cast<char>(kNoteOff | slot.channel), static_cast<char>(slot.note),
                       static_cast<char>(kReleaseVelocity), false, false);
}

void SynthCommons::processEvents_NoteOffDuplicates(VstMidiEvent* event)
{
    const unsigned char type = byteOf(event, 0) & 0xF0;
    const unsigned char channel = byteOf(event, 0) & 0x0F;
    const unsigned char note = byteOf(event, 1) & 0x7F;
    if (type == kNoteOn)
    {
        for (t_HeldNote& slot : heldNotes)
        {
            if (slot.note != note || slot.channel != channel || note == 0)
                continue;
            sendHeldNoteOff(slot);
            slot.note = 0;
        }
        for (t_HeldNote& slot : heldNotes)
        {
            if (slot.note != 0)
                continue;
            slot = {note, channel};
            break;
        }
    }
    else if (type == kNoteOff)
    {
        for (t_HeldNote& slot : heldNotes)
        {
            if (slot.note != note || slot.channel != channel || note == 0)
                continue;
            slot.note = 0;
            break;
        }
    }
}

void SynthCommons::processEvents_NoteOffDuplicatesInit()
{
    for (t_HeldNote& slot : heldNotes)
        slot = {0, 0};
}

bool SynthCommons::processEvent_CheckForNRPN(VstMidiEvent* event)
{
    if (!event || (byteOf(event, 0) & 0xF0) != kControlChange)
        return false;
    const unsigned char controller = byteOf(event, 1);
    const unsigned char value = byteOf(event, 2);
    nrpnReceive.channel = byteOf(event, 0) & 0x0F;
    if (nrpnReceive.numberLSBPending && (controller == 98 || controller == 99))
    {
        nrpnReceive.numberLSBPending = false;
        parameterLib_SetParameterValueFromHW(&nrpnReceive);
    }
    switch (controller)
    {
    case 99:
        nrpnReceive.nrpnMSB = value;
        nrpnReceive.numberLSBPending = false;
        return false;
    case 98:
        nrpnReceive.nrpnLSB = value;
        nrpnReceive.numberLSBPending = true;
        return false;
    case 6:
        nrpnReceive.dataMSB = value;
        nrpnReceive.numberLSBPending = false;
        parameterLib_SetParameterValueFromHW(&nrpnReceive);
        return true;
    case 38:
        nrpnReceive.dataLSB = value;
        nrpnReceive.numberLSBPending = false;
        parameterLib_SetParameterValueFromHW(&nrpnReceive);
        return true;
    default:
        return false;
    }
}

bool SynthCommons::processEvent_CheckForProgramChange(VstMidiEvent* event)
{
    if (!event || (byteOf(event, 0) & 0xF0) != kControlChange)
        return false;
    switch (byteOf(event, 1))
    {
    case 0:
        bankSelectFlag = true;
        return true;
    case 32:
        if (!bankSelectFlag)
            return false;
        bankSelectFlag = false;
        return true;
    default:
        bankSelectFlag = false;
        return false;
    }
}
