// MIDI between LV2 atom sequences (midi:MidiEvent) and the core's VST event lists.
#pragma once

#include "vst/VstInterface.h"

#include <lv2/atom/atom.h>
#include <lv2/urid/urid.h>

#include <cstdint>
#include <vector>

namespace lv2
{
// The MIDI events of an input sequence as one event list. Channel messages are copied;
// SysEx, whole or a piece of one (a piece after the first starts with a data byte), points
// into the sequence, so the list holds while the sequence does. Real-time bytes and events of
// other types are left out.
class AtomMidiInput
{
public:
    explicit AtomMidiInput(std::size_t maxEvents = 256);
    // Reads a sequence; null reads as empty.
    VstEvents* read(const LV2_Atom_Sequence* sequence, LV2_URID midiEvent);
    int count() const { return used; }

private:
    void addChannelMessage(const std::uint8_t* bytes, std::uint32_t size);
    void addSysex(const std::uint8_t* bytes, std::uint32_t size);

    std::vector<VstMidiEvent> channel;
    std::vector<VstMidiSysexEvent> sysex;
    std::vector<VstEvent*> pointers;
    std::vector<std::uint8_t> list; // a VstEvents block with room for every pointer
    int used = 0;
};

// Writes event lists into an output sequence, each event at its frame in the block.
class AtomMidiOutput
{
public:
    // Starts the block's sequence; null for a port the host has not connected.
    void begin(LV2_Atom_Sequence* sequence, LV2_URID sequenceType, LV2_URID midiEvent);
    // What the sequence can still take, event headers included.
    std::uint32_t room() const;
    // Bytes that one event takes beside its own, at most (its header and padding).
    static constexpr std::uint32_t kEventOverhead = sizeof(LV2_Atom_Event) + 7;
    // Appends the list's events; false when one did not fit (it and those after are dropped).
    bool write(const VstEvents* events);
    void end() { output = nullptr; }

private:
    bool append(std::int64_t frame, const std::uint8_t* bytes, std::uint32_t size);

    LV2_Atom_Sequence* output = nullptr;
    std::int64_t lastFrame = 0;
    std::uint32_t capacity = 0;
    LV2_URID midiType = 0;
};
} // namespace lv2
