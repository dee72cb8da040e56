// The host's MIDI link: what the host says its MIDI carries, and SysEx for the device on the
// road of the MIDI mode, through the host in Host mode.
#include "../core/SynthCommons.h"
#include "../core/VendorCalls.h"
#include "../sysex/SysexFormat.h"

void SynthCommons::hostLink_Ask()
{
    const vst::intptr answer = callHost(audioMasterVendorSpecific, kVendorCallTag, HOST_CALL_MIDI_LINK);
    if (answer == 0)
        return;
    hostLink = reinterpret_cast<const t_HostMidiLink*>(answer);
    if (hostLink->carriesSysex)
        midiMode = MIDI_MODE_HOST;
}

bool SynthCommons::SendMidiSysexPossible()
{
    if (midiMode == MIDI_MODE_TETHER)
        return TetherMidiHardwareAttached();
    return hostLink_CarriesSysex();
}

void SynthCommons::SendMidiSysex(const unsigned char* message, std::uint32_t length)
{
    if (midiMode == MIDI_MODE_TETHER)
    {
        TetherMidiSend(message, length);
        return;
    }
    // Before the first processing call the host takes nothing, as for channel messages.
    if (!hostLink_CarriesSysex() || !audioRunning)
        return;
    // A newer pattern dump makes one still waiting pointless.
    const int kind = sysex_GetDumpType(message, length) == SYSEX_CURRENT_PATTERN_DUMP
                         ? SYSEX_CURRENT_PATTERN_DUMP
                         : HostSysexQueue::kNoKind;
    hostSysexQueue.put(message, length, kind);
}

// The oldest waiting messages, one event each, as far as the pacer lets them.
void SynthCommons::flushHostSysex()
{
    if (!hostSysexQueue.tryTake())
        return;
    while (const std::vector<unsigned char>* message = hostSysexQueue.oldest())
    {
        const auto length = static_cast<std::uint32_t>(message->size());
        if (!hostPacer.admit(length, 1))
            break;
        VstMidiSysexEvent event{};
        event.type = kVstSysExType;
        event.byteSize = sizeof event;
        event.deltaFrames = hostPacer.frameOf(0);
        event.dumpBytes = static_cast<vst::int32>(length);
        event.sysexDump = reinterpret_cast<char*>(const_cast<unsigned char*>(message->data()));
        VstEvents list{1, 0, {reinterpret_cast<VstEvent*>(&event), nullptr}};
        sendVstEventsToHost(&list);
        hostSysexQueue.taken();
    }
    hostSysexQueue.release();
}
