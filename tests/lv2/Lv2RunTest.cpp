// The plug-in in the processing call as an LV2 host runs it: control ports read every block,
// the device's MIDI in, the plug-in's MIDI out at the pace of the host's link.
#include "EsxDevice.h"
#include "Lv2Host.h"
#include "host/PluginHost.h"

#include <gtest/gtest.h>

#include "core/SynthCommons.h"
#include "params/ParameterIds.h"

#include <algorithm>
#include <cstring>
#include <functional>

namespace
{
using namespace lv2test;

constexpr int kD1FilterCutoff = 6;
constexpr int kK1FilterCutoff = 30;
constexpr float kHostPace = 1.0f;
constexpr double kCableBytesPerSecond = 3125.0;
constexpr std::size_t kPatternDumpBytes = 4898;

const Message kPreamble[] = {{0xB9, 99, 127}, {0xB9, 98, 127}, {0xB9, 6, 127}};

// D1's filter cutoff, NRPN 12/6 on channel 10, as the device documents it.
std::vector<Message> d1CutoffNrpn(std::uint8_t value)
{
    return {{0xB9, 99, 12}, {0xB9, 98, 6}, {0xB9, 6, value}};
}

std::vector<Message> withPreamble(const std::vector<Message>& group)
{
    std::vector<Message> all(std::begin(kPreamble), std::end(kPreamble));
    all.insert(all.end(), group.begin(), group.end());
    return all;
}

bool isPatternDump(const Message& m)
{
    return m.size() == kPatternDumpBytes && m[0] == 0xF0 && m[1] == 0x42 && m[3] == 0x71 && m[4] == 0x40;
}

// The value of a host parameter in the LV2 instance's state, read by the VST 2 plug-in.
float parameterInState(Instance& lv2, int index)
{
    PluginInstance vst2;
    Bytes chunk = lv2.chunk();
    EXPECT_EQ(vst2.dispatch(effSetChunk, 0, static_cast<vst::intptr>(chunk.size()), chunk.data()), 1);
    return vst2.getParameter(index);
}

TEST(Lv2Run, AParameterPortThatChangesSendsItsNrpnOnce)
{
    Instance lv2;
    lv2.run();
    lv2.parameter(kD1FilterCutoff) = 0.25f;
    EXPECT_EQ(lv2.runFor(0.1), withPreamble(d1CutoffNrpn(32)));
    EXPECT_TRUE(lv2.runFor(0.5).empty()) << "a port that stays is no change";
}

TEST(Lv2Run, WhatTheDeviceChangedNoControlPortUndoes)
{
    Instance lv2;
    const float stale = lv2.parameter(kD1FilterCutoff);
    EXPECT_TRUE(lv2.run(d1CutoffNrpn(100)).empty()) << "nothing goes back to the device";
    EXPECT_TRUE(lv2.runFor(0.5).empty());
    EXPECT_EQ(lv2.parameter(kD1FilterCutoff), stale);
    EXPECT_FLOAT_EQ(parameterInState(lv2, kD1FilterCutoff), 100 / 127.0f);
    lv2.parameter(kK1FilterCutoff) = 0.5f; // another port moves: the stale one still counts for nothing
    EXPECT_EQ(lv2.runFor(0.1), (std::vector<Message>{{0xB0, 74, 64}}));
    EXPECT_FLOAT_EQ(parameterInState(lv2, kD1FilterCutoff), 100 / 127.0f);
    lv2.parameter(kD1FilterCutoff) = 0.5f; // the host moves it: that counts
    EXPECT_EQ(lv2.runFor(0.1), withPreamble(d1CutoffNrpn(64)));
}

TEST(Lv2Run, ARequestedPatternDumpIsApplied)
{
    esxsim::EsxDevice device;
    std::memcpy(device.currentPattern().data(), "RECEIVED", 8);
    device.turnKnob(PARAM_PART_FILTER_CUTOFF, 0, 33);
    Instance lv2;
    lv2.control(kRequestPattern) = 1.0f;
    const std::vector<Message> sent = lv2.runFor(0.1);
    ASSERT_EQ(sent, (std::vector<Message>{{0xF0, 0x42, 0x30, 0x71, 0x10, 0xF7}}));
    lv2.run({device.receive(sent.front())});
    PluginInstance vst2;
    Bytes chunk = lv2.chunk();
    vst2.dispatch(effSetChunk, 0, static_cast<vst::intptr>(chunk.size()), chunk.data());
    EXPECT_EQ(vst2.programName(), "A.01 RECEIVED");
    EXPECT_FLOAT_EQ(vst2.getParameter(kD1FilterCutoff), 33 / 127.0f);
}

TEST(Lv2Run, AProgramSwitchSendsThePatternAsOneDump)
{
    Instance lv2;
    lv2.run();
    lv2.control(kProgram) = 5.0f;
    const std::vector<Message> sent = lv2.runFor(0.1);
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_TRUE(isPatternDump(sent.front()));
}

// When each message a run of blocks sent starts, in seconds; and the messages.
struct Timed
{
    double start;
    Message message;
};

std::vector<Timed> runTimed(Instance& lv2, std::size_t blocks, std::uint32_t room = 8192,
                            const std::function<void(std::size_t)>& beforeBlock = {})
{
    std::vector<Timed> sent;
    for (std::size_t block = 0; block < blocks; ++block)
    {
        if (beforeBlock)
            beforeBlock(block);
        const std::vector<Message> messages = lv2.run({}, kBlock, room);
        for (std::size_t i = 0; i < messages.size(); ++i)
            sent.push_back({double(block * kBlock + lv2.lastFrames()[i]) / kSampleRate, messages[i]});
    }
    return sent;
}

// No message starts before the ones before it would have left a MIDI cable.
void expectCablePace(const std::vector<Timed>& sent)
{
    double cableFree = 0.0;
    for (const Timed& t : sent)
    {
        EXPECT_GE(t.start + 1.0 / kSampleRate, cableFree)
            << int(t.message[0]) << " " << int(t.message[1]) << " " << int(t.message[2]);
        cableFree = std::max(cableFree, t.start) + t.message.size() / kCableBytesPerSecond;
    }
}

// Switches in three successive blocks: at a cable's pace the first dump goes, the last waits until
// the cable has carried the first, and the one between is never sent; as fast as the host takes,
// one dump a block.
TEST(Lv2Run, DumpsGoAtACablesPaceUnlessTheUserChoosesTheHostsPace)
{
    for (const float pace : {0.0f, kHostPace})
    {
        Instance lv2;
        lv2.control(kMidiPace) = pace;
        lv2.run();
        const std::vector<Timed> sent = runTimed(lv2, 400, 8192,
                                                 [&](std::size_t block)
                                                 {
                                                     if (block < 3)
                                                         lv2.control(kProgram) =
                                                             static_cast<float>(block + 1);
                                                 });
        std::vector<double> dumps;
        for (const Timed& t : sent)
            if (isPatternDump(t.message))
                dumps.push_back(t.start);
        if (pace == kHostPace)
        {
            const double block = kBlock / kSampleRate;
            EXPECT_EQ(dumps, (std::vector<double>{block, 2 * block, 3 * block}));
            continue;
        }
        ASSERT_EQ(dumps.size(), 2u);
        expectCablePace(sent);
        EXPECT_LT(dumps[1] - dumps[0], kPatternDumpBytes / kCableBytesPerSecond + 0.01);
    }
}

// Every host parameter moved at once: the NRPNs and controllers leave over several blocks, none
// carrying more than about 4 KB in the host's buffer nor more than it has room for, at the pace
// chosen; and the device, fed with all of it, ends with the plug-in's pattern.
TEST(Lv2Run, NoBlockCarriesMoreThanTheHostTakesAndNothingIsLost)
{
    for (const float pace : {0.0f, kHostPace})
        for (const std::uint32_t room : {8192u, 600u})
        {
            SCOPED_TRACE(testing::Message() << "pace " << pace << ", room " << room);
            Instance lv2;
            lv2.control(kMidiPace) = pace;
            lv2.run();
            for (int i = 0; i < 67; ++i)
                lv2.parameter(i) = lv2.parameter(i) > 0.5f ? 0.1f : 0.9f;
            esxsim::EsxDevice device;
            std::vector<Timed> sent;
            for (std::size_t block = 0; block < 1000; ++block)
            {
                std::size_t bytes = 0;
                const std::vector<Message> messages = lv2.run({}, kBlock, room);
                for (std::size_t i = 0; i < messages.size(); ++i)
                {
                    const Message& m = messages[i];
                    bytes += sizeof(LV2_Atom_Event) + (m.size() + 7) / 8 * 8;
                    sent.push_back({double(block * kBlock + lv2.lastFrames()[i]) / kSampleRate, m});
                    device.receive(m);
                }
                EXPECT_LE(bytes, std::min<std::size_t>(room, 4096)) << "room " << room;
            }
            if (pace != kHostPace)
                expectCablePace(sent);
            SynthCommons plugin(nullptr);
            Bytes chunk = lv2.chunk();
            plugin.setChunk(chunk.data(), static_cast<vst::int32>(chunk.size()), false);
            plugin.parameterLib_FlushParametersToRawData();
            const auto& expected = plugin.workingProgram.data;
            const auto& shown = device.currentPattern();
            EXPECT_TRUE(std::equal(shown.begin() + 8, shown.end(), expected + 8))
                << "pace " << pace << ", room " << room;
        }
}

TEST(Lv2Run, ANewInstanceIsInHostModeAndAVst2StateInTetherModeStaysThere)
{
    Instance fresh;
    HostAnswers answers;
    PluginInstance vst2(answers);
    Bytes chunk = fresh.chunk();
    vst2.dispatch(effSetChunk, 0, static_cast<vst::intptr>(chunk.size()), chunk.data());
    vst2.process(64);
    vst2.clearLog();
    vst2.setParameter(kD1FilterCutoff, 0.25f);
    vst2.process(64);
    EXPECT_FALSE(vst2.log().eventLists.empty()) << "Host mode: the NRPN goes through the host";

    PluginInstance tether;
    Bytes tetherChunk(0);
    void* data = nullptr;
    const auto size = tether.dispatch(effGetChunk, 0, 0, &data);
    tetherChunk.assign(static_cast<std::uint8_t*>(data), static_cast<std::uint8_t*>(data) + size);
    Instance lv2;
    ASSERT_EQ(lv2.restoreChunk(tetherChunk), LV2_STATE_SUCCESS);
    lv2.run();
    lv2.parameter(kD1FilterCutoff) = 0.25f;
    EXPECT_TRUE(lv2.runFor(0.1).empty()) << "Tether MIDI mode: nothing through the host";
}
} // namespace
