// What the host's MIDI carries for the plug-in, and how much of it per processing call. A host
// made for the plug-in (src/lv2) reports it through the host call of core/VendorCalls.h; a host
// that does not answer (a VST 2 host) carries channel messages only, and all that the plug-in
// hands it in one processing call.
#pragma once

#include <atomic>
#include <cstdint>

struct t_HostMidiLink
{
    // SysEx reaches the device through the host's MIDI, both ways: dumps work in Host mode.
    bool carriesSysex = false;
    // Bytes that one message takes in the host's buffer beside its own bytes.
    std::uint32_t eventOverhead = 0;
    // What one processing call should carry at most, overheads counted; 0 for no limit. One
    // larger message may still go alone, when it fits cycleCapacity.
    std::uint32_t bytesPerCycle = 0;
    // The most that the host's buffer takes in the coming processing call; 0 for no limit.
    std::atomic<std::uint32_t> cycleCapacity{0};
    // How fast the MIDI may go, in bytes per second of the processed time; 0 for as fast as
    // the host takes it.
    std::atomic<std::uint32_t> bytesPerSecond{0};
};

// A MIDI cable: 31 250 bits per second, 10 bits a byte.
constexpr std::uint32_t kMidiCableBytesPerSecond = 3125;
