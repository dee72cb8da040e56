#include "AtomMidi.h"

#include "midi/MidiEventQueue.h"

#include <lv2/atom/util.h>

#include <algorithm>
#include <cstring>

namespace lv2
{
namespace
{
constexpr std::uint8_t kSysexStart = 0xF0;
constexpr std::uint8_t kSysexEnd = 0xF7;
constexpr std::uint8_t kFirstRealTime = 0xF8;

// A message of its own (channel or system common) rather than SysEx or a piece of it.
bool isShortMessage(std::uint8_t status)
{
    return status >= 0x80 && status != kSysexStart && status != kSysexEnd && status < kFirstRealTime;
}
} // namespace

AtomMidiInput::AtomMidiInput(std::size_t maxEvents)
    : channel(maxEvents), sysex(maxEvents), pointers(maxEvents),
      list(sizeof(VstEvents) + maxEvents * sizeof(VstEvent*))
{
}

void AtomMidiInput::addChannelMessage(const std::uint8_t* bytes, std::uint32_t size)
{
    VstMidiEvent& event = channel[static_cast<std::size_t>(used)];
    event = makeMidiEvent(bytes[0], size > 1 ? bytes[1] : 0, size > 2 ? bytes[2] : 0);
    pointers[static_cast<std::size_t>(used++)] = reinterpret_cast<VstEvent*>(&event);
}

void AtomMidiInput::addSysex(const std::uint8_t* bytes, std::uint32_t size)
{
    VstMidiSysexEvent& event = sysex[static_cast<std::size_t>(used)];
    event = VstMidiSysexEvent{};
    event.type = kVstSysExType;
    event.byteSize = sizeof event;
    event.dumpBytes = static_cast<vst::int32>(size);
    event.sysexDump = reinterpret_cast<char*>(const_cast<std::uint8_t*>(bytes));
    pointers[static_cast<std::size_t>(used++)] = reinterpret_cast<VstEvent*>(&event);
}

VstEvents* AtomMidiInput::read(const LV2_Atom_Sequence* sequence, LV2_URID midiEvent)
{
    used = 0;
    if (sequence)
    {
        LV2_ATOM_SEQUENCE_FOREACH(sequence, event)
        {
            if (static_cast<std::size_t>(used) == pointers.size())
                break;
            const std::uint32_t size = event->body.size;
            if (event->body.type != midiEvent || size == 0)
                continue;
            const auto* bytes = static_cast<const std::uint8_t*>(LV2_ATOM_BODY_CONST(&event->body));
            if (isShortMessage(bytes[0]))
                addChannelMessage(bytes, size);
            else if (bytes[0] < kFirstRealTime)
                addSysex(bytes, size);
        }
    }
    auto* events = reinterpret_cast<VstEvents*>(list.data());
    events->numEvents = used;
    events->reserved = 0;
    std::memcpy(events->events, pointers.data(), sizeof(VstEvent*) * static_cast<std::size_t>(used));
    return events;
}

void AtomMidiOutput::begin(LV2_Atom_Sequence* sequence, LV2_URID sequenceType, LV2_URID midiEvent)
{
    output = sequence;
    midiType = midiEvent;
    if (!output)
        return;
    capacity = output->atom.size;
    output->atom.type = sequenceType;
    output->body.unit = 0;
    output->body.pad = 0;
    lv2_atom_sequence_clear(output);
    lastFrame = 0;
}

std::uint32_t AtomMidiOutput::room() const
{
    return output && capacity > output->atom.size ? capacity - output->atom.size : 0;
}

bool AtomMidiOutput::append(std::int64_t frame, const std::uint8_t* bytes, std::uint32_t size)
{
    if (!output || size == 0 || room() < sizeof(LV2_Atom_Event) + size)
        return false;
    // Events keep the order of time: one stamped before the last written goes with it.
    lastFrame = std::max(lastFrame, frame);
    LV2_Atom_Event* event = lv2_atom_sequence_end(&output->body, output->atom.size);
    event->time.frames = lastFrame;
    event->body.type = midiType;
    event->body.size = size;
    std::memcpy(event + 1, bytes, size);
    output->atom.size += lv2_atom_pad_size(static_cast<std::uint32_t>(sizeof(LV2_Atom_Event)) + size);
    return true;
}

bool AtomMidiOutput::write(const VstEvents* events)
{
    if (!events)
        return false;
    for (int i = 0; i < events->numEvents; ++i)
    {
        const VstEvent* event = events->events[i];
        if (!event)
            continue;
        bool written = true;
        if (event->type == kVstMidiType)
        {
            const auto* bytes =
                reinterpret_cast<const std::uint8_t*>(reinterpret_cast<const VstMidiEvent*>(event)->midiData);
            if (const unsigned length = midiMessageLength(bytes[0]))
                written = append(event->deltaFrames, bytes, length);
        }
        else if (event->type == kVstSysExType)
        {
            const auto* message = reinterpret_cast<const VstMidiSysexEvent*>(event);
            if (message->dumpBytes > 0 && message->sysexDump)
                written =
                    append(event->deltaFrames, reinterpret_cast<const std::uint8_t*>(message->sysexDump),
                           static_cast<std::uint32_t>(message->dumpBytes));
        }
        if (!written)
            return false;
    }
    return true;
}
} // namespace lv2
