#include "RecordingHost.h"

#include <cstring>

namespace
{
RecordingHost* currentHost = nullptr;
}

RecordingHost::RecordingHost()
{
    currentHost = this;
}

RecordingHost::~RecordingHost()
{
    if (currentHost == this)
        currentHost = nullptr;
}

vst::intptr RecordingHost::callback(AEffect*, vst::int32 opcode, vst::int32 index, vst::intptr, void* ptr,
                                    float opt)
{
    return currentHost ? currentHost->answer(opcode, index, ptr, opt) : 0;
}

vst::intptr RecordingHost::answer(vst::int32 opcode, vst::int32 index, void* ptr, float opt)
{
    std::lock_guard<std::mutex> guard(lock);
    switch (opcode)
    {
    case audioMasterVersion:
        return version;
    case audioMasterGetProductString:
        std::strncpy(static_cast<char*>(ptr), productString.c_str(), 63);
        return 1;
    case audioMasterAutomate:
        automationCalls.push_back({index, opt});
        return 1;
    case audioMasterProcessEvents:
    {
        auto* events = static_cast<VstEvents*>(ptr);
        std::vector<std::vector<std::uint8_t>> list;
        for (int i = 0; i < events->numEvents; ++i)
        {
            const auto* midi = reinterpret_cast<const VstMidiEvent*>(events->events[i]);
            list.push_back({static_cast<std::uint8_t>(midi->midiData[0]),
                            static_cast<std::uint8_t>(midi->midiData[1]),
                            static_cast<std::uint8_t>(midi->midiData[2])});
        }
        lists.push_back(list);
        return 1;
    }
    case audioMasterUpdateDisplay:
        ++updateDisplays;
        return 1;
    default:
        return 0;
    }
}

std::vector<AutomationCall> RecordingHost::automation() const
{
    std::lock_guard<std::mutex> guard(lock);
    return automationCalls;
}

std::vector<std::vector<std::vector<std::uint8_t>>> RecordingHost::eventLists() const
{
    std::lock_guard<std::mutex> guard(lock);
    return lists;
}

std::vector<std::vector<std::uint8_t>> RecordingHost::midiBytes() const
{
    std::lock_guard<std::mutex> guard(lock);
    std::vector<std::vector<std::uint8_t>> all;
    for (const auto& list : lists)
        all.insert(all.end(), list.begin(), list.end());
    return all;
}

int RecordingHost::updateDisplayCount() const
{
    std::lock_guard<std::mutex> guard(lock);
    return updateDisplays;
}

void RecordingHost::clear()
{
    std::lock_guard<std::mutex> guard(lock);
    automationCalls.clear();
    lists.clear();
    updateDisplays = 0;
}
