// What the parameter model tests share: MIDI messages as byte vectors, event lists as a
// host hands them in, a check that what the host received is well formed, and a plug-in
// instance in Host MIDI mode whose host has already run its first block.
#pragma once

#include "core/SynthCommons.h"
#include "support/RecordingHost.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <vector>

using Message = std::vector<std::uint8_t>;
using MessageList = std::vector<Message>;

constexpr int kBlockFrames = 512;

// Host parameter indexes.
constexpr int kD1SampleLsb = 0;
constexpr int kD1SampleMsb = 1;
constexpr int kD1SliceLsb = 2;
constexpr int kD1SliceMsb = 3;
constexpr int kD1FilterCutoff = 6;
constexpr int kK1SampleLsb = 24;
constexpr int kK1SampleMsb = 25;
constexpr int kK1SliceLsb = 26;
constexpr int kK1SliceMsb = 27;
constexpr int kK1FilterCutoff = 30;
constexpr int kK1Level = 34;
constexpr int kFx1Type = 48;
constexpr int kMuteDrum1 = 65;
constexpr int kMuteKeyboard1 = 66;

// A list of MIDI events laid out as the VstEvents block a host hands to processEvents.
class HostEventList
{
public:
    HostEventList(std::initializer_list<Message> messages);
    explicit HostEventList(const MessageList& messages);
    VstEvents* get();
    Message message(int i) const;

private:
    static constexpr std::size_t kMaxEvents = 64;
    struct Block
    {
        vst::int32 numEvents;
        vst::intptr reserved;
        VstEvent* events[kMaxEvents];
    };
    std::vector<VstMidiEvent> records;
    Block block{};
};

// The messages of a short NRPN change (data in controller 6) behind their preamble.
MessageList shortNrpn(std::uint8_t channel, std::uint8_t msb, std::uint8_t lsb, std::uint8_t data);
// The messages of a long NRPN change (14-bit value) behind their preamble.
MessageList longNrpn(std::uint8_t channel, std::uint8_t msb, std::uint8_t lsb, unsigned value);
// Lists concatenated.
MessageList joined(std::initializer_list<MessageList> lists);

// Every message three bytes with its own status byte and 7-bit data; every list that starts
// with a preamble made of whole preamble and group runs. A failure names the first fault.
::testing::AssertionResult wellFormed(const std::vector<MessageList>& lists);

bool operator==(const AutomationCall& a, const AutomationCall& b);
void PrintTo(const AutomationCall& call, std::ostream* out);

// The stored values of the working tables, read without going through any view.
float partValue(SynthCommons& synth, e_ParameterID id, unsigned part);
float keyboardValue(SynthCommons& synth, e_ParameterID id, unsigned channel);
unsigned muteMask(SynthCommons& synth, unsigned entry);
const t_TypeStruct_MidiNRPN* nrpnList(SynthCommons& synth, e_ParameterID id);

class HostModeTest : public ::testing::Test
{
protected:
    HostModeTest();

    // One processing block: the event lists the host received during it.
    std::vector<MessageList> runBlockLists(int frames = kBlockFrames);
    // One processing block: every event the host received during it, in order.
    MessageList runBlock(int frames = kBlockFrames);
    // The host's MIDI input, read in Host mode.
    void deviceSends(std::initializer_list<Message> messages);
    // The automation the host has been told of since the last call.
    std::vector<AutomationCall> newAutomation();

    RecordingHost host;
    SynthCommons synth{RecordingHost::callback};

private:
    std::size_t listsSeen = 0;
    std::size_t automationSeen = 0;
    float left[kBlockFrames]{};
    float right[kBlockFrames]{};
    float* outputs[2] = {left, right};
};
