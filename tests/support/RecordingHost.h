// A host callback for tests: answers like a host and records what the plug-in tells it.
#pragma once

#include "vst/VstInterface.h"

#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

struct AutomationCall
{
    int index;
    float value;
};

class RecordingHost
{
public:
    // The host of the plug-in instances created while this object lives.
    RecordingHost();
    ~RecordingHost();
    RecordingHost(const RecordingHost&) = delete;
    RecordingHost& operator=(const RecordingHost&) = delete;

    static vst::intptr callback(AEffect* effect, vst::int32 opcode, vst::int32 index, vst::intptr value,
                                void* ptr, float opt);

    // What the host answers.
    std::string productString = "Pavonis Test Host";
    vst::int32 version = 2400;

    // What the plug-in told the host, in order.
    std::vector<AutomationCall> automation() const;
    // Every MIDI event handed to the host, as its three bytes; one entry per event list.
    std::vector<std::vector<std::vector<std::uint8_t>>> eventLists() const;
    // All MIDI events handed to the host, flattened, three bytes each.
    std::vector<std::vector<std::uint8_t>> midiBytes() const;
    int updateDisplayCount() const;
    void clear();

private:
    vst::intptr answer(vst::int32 opcode, vst::int32 index, void* ptr, float opt);

    mutable std::mutex lock;
    std::vector<AutomationCall> automationCalls;
    std::vector<std::vector<std::vector<std::uint8_t>>> lists;
    int updateDisplays = 0;
};
