#include "ModelHarness.h"

#include "params/ParameterValues.h"

#include <algorithm>
#include <sstream>

namespace
{
constexpr std::uint8_t kNrpnMsbController = 99;
constexpr std::uint8_t kNrpnLsbController = 98;
constexpr std::uint8_t kDataMsbController = 6;
constexpr std::uint8_t kDataLsbController = 38;

std::string describe(const Message& m)
{
    std::ostringstream text;
    text << std::hex;
    for (std::uint8_t byte : m)
        text << unsigned(byte) << ' ';
    return text.str();
}

bool isControl(const Message& m, std::uint8_t controller, std::uint8_t value)
{
    return m[1] == controller && m[2] == value;
}

// 3 for a short preamble, 4 for a long one, 0 when the list does not start with one.
std::size_t preambleLength(const MessageList& list)
{
    if (list.size() < 3 || !isControl(list[0], kNrpnMsbController, 127) ||
        !isControl(list[1], kNrpnLsbController, 127) || !isControl(list[2], kDataMsbController, 127))
        return 0;
    return list.size() > 3 && isControl(list[3], kDataLsbController, 127) ? 4 : 3;
}

// Preamble then group, n messages each, all on the status of the run's first message.
bool isWholeRun(const MessageList& list, std::size_t start, std::size_t n)
{
    static const std::uint8_t controllers[] = {kNrpnMsbController, kNrpnLsbController, kDataMsbController,
                                               kDataLsbController};
    for (std::size_t k = 0; k < 2 * n; ++k)
    {
        const Message& m = list[start + k];
        if (m[0] != list[start][0] || m[1] != controllers[k % n] || (k < n && m[2] != 127))
            return false;
    }
    return true;
}

::testing::AssertionResult messageWellFormed(const Message& m)
{
    if (m.size() != 3 || m[0] < 0x80 || m[0] >= 0xF0 || m[1] >= 0x80 || m[2] >= 0x80)
        return ::testing::AssertionFailure() << "malformed message " << describe(m);
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult groupListWellFormed(const MessageList& list, std::size_t n)
{
    if (list.size() % (2 * n) != 0)
        return ::testing::AssertionFailure() << "group list of " << list.size() << " messages";
    for (std::size_t start = 0; start < list.size(); start += 2 * n)
        if (!isWholeRun(list, start, n))
            return ::testing::AssertionFailure() << "broken preamble and group at " << start;
    return ::testing::AssertionSuccess();
}

MessageList preamble(std::uint8_t status, std::size_t n)
{
    MessageList list = {{status, kNrpnMsbController, 127},
                        {status, kNrpnLsbController, 127},
                        {status, kDataMsbController, 127},
                        {status, kDataLsbController, 127}};
    list.resize(n);
    return list;
}
} // namespace

HostEventList::HostEventList(std::initializer_list<Message> messages) : HostEventList(MessageList(messages))
{
}

HostEventList::HostEventList(const MessageList& messages)
{
    for (const Message& m : messages)
    {
        VstMidiEvent event{};
        event.type = kVstMidiType;
        event.byteSize = sizeof(VstMidiEvent);
        for (std::size_t i = 0; i < m.size() && i < 3; ++i)
            event.midiData[i] = static_cast<char>(m[i]);
        records.push_back(event);
    }
}

VstEvents* HostEventList::get()
{
    block.numEvents = static_cast<vst::int32>(std::min(records.size(), kMaxEvents));
    for (std::size_t i = 0; i < records.size() && i < kMaxEvents; ++i)
        block.events[i] = reinterpret_cast<VstEvent*>(&records[i]);
    return reinterpret_cast<VstEvents*>(&block);
}

Message HostEventList::message(int i) const
{
    const VstMidiEvent& e = records[static_cast<std::size_t>(i)];
    return {static_cast<std::uint8_t>(e.midiData[0]), static_cast<std::uint8_t>(e.midiData[1]),
            static_cast<std::uint8_t>(e.midiData[2])};
}

MessageList shortNrpn(std::uint8_t channel, std::uint8_t msb, std::uint8_t lsb, std::uint8_t data)
{
    const auto status = static_cast<std::uint8_t>(0xB0 | channel);
    return joined({preamble(status, 3),
                   {{status, kNrpnMsbController, msb},
                    {status, kNrpnLsbController, lsb},
                    {status, kDataMsbController, data}}});
}

MessageList longNrpn(std::uint8_t channel, std::uint8_t msb, std::uint8_t lsb, unsigned value)
{
    const auto status = static_cast<std::uint8_t>(0xB0 | channel);
    return joined({preamble(status, 4),
                   {{status, kNrpnMsbController, msb},
                    {status, kNrpnLsbController, lsb},
                    {status, kDataMsbController, static_cast<std::uint8_t>((value >> 7) & 0x7F)},
                    {status, kDataLsbController, static_cast<std::uint8_t>(value & 0x7F)}}});
}

MessageList joined(std::initializer_list<MessageList> lists)
{
    MessageList all;
    for (const MessageList& list : lists)
        all.insert(all.end(), list.begin(), list.end());
    return all;
}

::testing::AssertionResult wellFormed(const std::vector<MessageList>& lists)
{
    for (const MessageList& list : lists)
    {
        if (list.empty())
            return ::testing::AssertionFailure() << "empty event list";
        for (const Message& m : list)
            if (auto result = messageWellFormed(m); !result)
                return result;
        if (const std::size_t n = preambleLength(list))
            if (auto result = groupListWellFormed(list, n); !result)
                return result;
    }
    return ::testing::AssertionSuccess();
}

bool operator==(const AutomationCall& a, const AutomationCall& b)
{
    return a.index == b.index && a.value == b.value;
}

void PrintTo(const AutomationCall& call, std::ostream* out)
{
    *out << "{" << call.index << ", " << call.value * 127.0f << "/127}";
}

float partValue(SynthCommons& synth, e_ParameterID id, unsigned part)
{
    return loadShared(nrpnList(synth, id)[part].value);
}

float keyboardValue(SynthCommons& synth, e_ParameterID id, unsigned channel)
{
    const auto* d = static_cast<t_TypeStruct_MidiCCChannel*>(synth.parameterLib_GetParameter(id)->descriptor);
    return loadShared(d->value[channel]);
}

unsigned muteMask(SynthCommons& synth, unsigned entry)
{
    return floatToInt(loadShared(nrpnList(synth, PARAM_GLOBAL_MUTE_PART1)[entry].value));
}

const t_TypeStruct_MidiNRPN* nrpnList(SynthCommons& synth, e_ParameterID id)
{
    t_Parameter* p = synth.parameterLib_GetParameter(id);
    if (p->kind == ParamType_NRPNBitMask)
        return static_cast<t_TypeStruct_NRPNBitMask*>(p->descriptor)->list;
    return static_cast<t_TypeStruct_MultiNRPN*>(p->descriptor)->list;
}

HostModeTest::HostModeTest()
{
    synth.parameterLib_SetParameterValueFromEditor(EPARAM_MIDI_MODE, 0.0f);
    synth.processReplacing(nullptr, outputs, kBlockFrames);
    host.clear();
}

std::vector<MessageList> HostModeTest::runBlockLists(int frames)
{
    synth.processReplacing(nullptr, outputs, frames);
    std::vector<MessageList> lists = host.eventLists();
    lists.erase(lists.begin(), lists.begin() + static_cast<std::ptrdiff_t>(listsSeen));
    listsSeen += lists.size();
    EXPECT_TRUE(wellFormed(lists));
    return lists;
}

MessageList HostModeTest::runBlock(int frames)
{
    MessageList all;
    for (const MessageList& list : runBlockLists(frames))
        all.insert(all.end(), list.begin(), list.end());
    return all;
}

void HostModeTest::deviceSends(std::initializer_list<Message> messages)
{
    HostEventList list(messages);
    EXPECT_EQ(synth.processEvents(list.get()), 1);
}

std::vector<AutomationCall> HostModeTest::newAutomation()
{
    std::vector<AutomationCall> calls = host.automation();
    calls.erase(calls.begin(), calls.begin() + static_cast<std::ptrdiff_t>(automationSeen));
    automationSeen += calls.size();
    return calls;
}
