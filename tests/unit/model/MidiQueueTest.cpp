// The outgoing queues: merging, capacity, flush order, and where a message goes before the
// host has run its first processing call.
#include "ModelHarness.h"

#include "midi/MidiEventQueue.h"
#include "params/ParameterValues.h"

#include <memory>

namespace
{
Message bytesOf(const VstMidiEvent& e)
{
    return {static_cast<std::uint8_t>(e.midiData[0]), static_cast<std::uint8_t>(e.midiData[1]),
            static_cast<std::uint8_t>(e.midiData[2])};
}

class QueueTest : public ::testing::Test
{
protected:
    QueueTest() { midiQueueInit(*queue); }

    MessageList contents() const
    {
        MessageList all;
        for (int i = 0; i < queue->numEvents; ++i)
            all.push_back(bytesOf(queue->records[i]));
        return all;
    }

    void single(std::uint8_t status, std::uint8_t data1, std::uint8_t data2)
    {
        midiQueueEnqueueSingle(*queue, makeMidiEvent(status, data1, data2));
    }

    // One NRPN group of 3 or 4 messages, as the encoders build it.
    void group(std::uint8_t channel, std::uint8_t msb, std::uint8_t lsb, std::uint8_t data, int count = 3)
    {
        const auto status = static_cast<std::uint8_t>(0xB0 | channel);
        VstMidiEvent events[4] = {makeMidiEvent(status, 99, msb), makeMidiEvent(status, 98, lsb),
                                  makeMidiEvent(status, 6, data), makeMidiEvent(status, 38, data)};
        VstEvent* pointers[4];
        for (int i = 0; i < 4; ++i)
            pointers[i] = reinterpret_cast<VstEvent*>(&events[i]);
        midiQueueEnqueueGroup(*queue, pointers, count);
    }

    std::unique_ptr<t_MidiEventQueue> queue = std::make_unique<t_MidiEventQueue>();
};

// What a host reads: the first numEvents pointers, each at its record, through fills,
// removals and a new start.
TEST_F(QueueTest, EveryEventPointerAHostReadsPointsAtItsRecord)
{
    const auto expectPointersAtRecords = [this]
    {
        for (int i = 0; i < queue->numEvents; ++i)
            ASSERT_EQ(queue->events[i], reinterpret_cast<VstEvent*>(&queue->records[i])) << i;
    };
    for (unsigned char data1 = 0; data1 < 100; ++data1)
        midiQueueEnqueueSingle(*queue, makeMidiEvent(0xB0, data1, 1));
    expectPointersAtRecords();
    midiQueueRemoveFront(*queue, 60);
    for (unsigned char data1 = 0; data1 < 80; ++data1)
        midiQueueEnqueueSingle(*queue, makeMidiEvent(0xB1, data1, 1));
    EXPECT_EQ(queue->numEvents, 120);
    expectPointersAtRecords();
    midiQueueInit(*queue);
    midiQueueEnqueueSingle(*queue, makeMidiEvent(0x90, 60, 100));
    expectPointersAtRecords();
    EXPECT_EQ(reinterpret_cast<VstEvents*>(queue.get()), queue->asVstEvents());
}

TEST_F(QueueTest, BuiltEventsAreDueAtTheStartOfTheBlock)
{
    const VstMidiEvent e = makeMidiEvent(0xB0, 1, 2);
    EXPECT_EQ(e.type, kVstMidiType);
    EXPECT_EQ(e.byteSize, static_cast<vst::int32>(sizeof(VstMidiEvent)));
    EXPECT_EQ(e.deltaFrames, 0);
    EXPECT_EQ(e.flags, 0);
    EXPECT_EQ(e.midiData[3], 0);
}

TEST_F(QueueTest, ASingleMessageMergesIntoTheFirstOneOfTheSameStatusAndData1)
{
    single(0xB0, 74, 1);
    single(0xB0, 7, 2);
    single(0xB1, 74, 3);
    single(0xB0, 74, 4);
    single(0x90, 60, 100);
    single(0x90, 60, 90);
    EXPECT_EQ(contents(), (MessageList{{0xB0, 74, 4}, {0xB0, 7, 2}, {0xB1, 74, 3}, {0x90, 60, 90}}));
}

TEST_F(QueueTest, The2999thSingleIsAcceptedAndEveryFurtherOneDropped)
{
    for (int i = 0; i < 2999; ++i)
        single(static_cast<std::uint8_t>(0x80 + i / 128), static_cast<std::uint8_t>(i % 128), 1);
    ASSERT_EQ(queue->numEvents, 2999);
    single(0xF0, 0, 1);
    single(0x80, 0, 2);
    EXPECT_EQ(queue->numEvents, 2999);
    EXPECT_EQ(bytesOf(queue->records[0]), (Message{0x80, 0, 1})) << "a full queue does not merge";
}

TEST_F(QueueTest, AnNrpnGroupMergesIntoTheQueuedGroupOfTheSameChannelAndNumber)
{
    group(9, 12, 6, 10);
    group(9, 12, 7, 20);
    group(9, 12, 6, 30);
    EXPECT_EQ(contents(), joined({shortNrpn(9, 12, 6, 30), shortNrpn(9, 12, 7, 20)}));
}

TEST_F(QueueTest, TheSameNumberOnAnotherChannelIsAnotherGroup)
{
    group(9, 12, 6, 10);
    group(8, 12, 6, 20);
    EXPECT_EQ(contents(), joined({shortNrpn(9, 12, 6, 10), shortNrpn(8, 12, 6, 20)}));
}

TEST_F(QueueTest, Number127Over127IsNeverMerged)
{
    group(0, 127, 127, 1);
    group(0, 127, 127, 2);
    EXPECT_EQ(contents(), joined({shortNrpn(0, 127, 127, 1), shortNrpn(0, 127, 127, 2)}));
}

TEST_F(QueueTest, ALongGroupMergesBothDataBytes)
{
    group(0, 15, 119, 3, 4);
    group(0, 15, 119, 5, 4);
    EXPECT_EQ(contents(), longNrpn(0, 15, 119, 5 * 128 + 5));
}

TEST_F(QueueTest, ShortGroupsAreAcceptedWhileTheCountIsAtMost2992)
{
    for (int i = 0; i < 499; ++i)
        group(0, static_cast<std::uint8_t>(i / 100), static_cast<std::uint8_t>(i % 100), 1);
    ASSERT_EQ(queue->numEvents, 2994);
    group(0, 100, 0, 1);
    group(0, 0, 0, 2);
    EXPECT_EQ(queue->numEvents, 2994);
    EXPECT_EQ(bytesOf(queue->records[5]), (Message{0xB0, 6, 1})) << "a full queue does not merge";
}

TEST_F(QueueTest, LongGroupsAreAcceptedWhileTheCountIsAtMost2990)
{
    for (int i = 0; i < 374; ++i)
        group(0, static_cast<std::uint8_t>(i / 100), static_cast<std::uint8_t>(i % 100), 1, 4);
    ASSERT_EQ(queue->numEvents, 2992);
    group(0, 100, 0, 1, 4);
    EXPECT_EQ(queue->numEvents, 2992);
}

TEST_F(QueueTest, RemovingFromTheFrontKeepsTheOrderOfTheRest)
{
    single(0xB0, 1, 1);
    single(0xB0, 2, 2);
    single(0xB0, 3, 3);
    midiQueueRemoveFront(*queue, 2);
    EXPECT_EQ(contents(), (MessageList{{0xB0, 3, 3}}));
    midiQueueRemoveFront(*queue, 5);
    EXPECT_TRUE(contents().empty());
}

// --- Through the plug-in object ----------------------------------------------------------------

TEST_F(HostModeTest, TheHostQueueTakes2999SinglesPerBlock)
{
    for (int i = 0; i < 3000; ++i)
        synth.SendMidiSize3Event(static_cast<char>(0x80 + i / 128), static_cast<char>(i % 128), 1, false,
                                 false);
    synth.SendMidiCCEvent(0, 99, 0);
    const std::vector<MessageList> lists = runBlockLists();
    ASSERT_EQ(lists.size(), 1u);
    EXPECT_EQ(lists[0].size(), 2999u);
    EXPECT_EQ(lists[0][0], (Message{0x80, 0, 1}));
    EXPECT_EQ(runBlock(), MessageList{}) << "what was dropped stays dropped";
}

TEST_F(HostModeTest, EncodedMessagesHaveTheirOwnStatusBytes)
{
    synth.SendMidiCCEvent(33, 55, 0);
    synth.SendMidiShortNRPNEvent(0x0A, 0x14, 0x63, 1);
    synth.SendMidiLongNRPNEvent(0x0A, 0x14, 0x01, 0x02, 15);
    EXPECT_EQ(runBlock(), joined({{{0xB0, 0x21, 0x37}},
                                  {{0xB1, 0x63, 0x7F},
                                   {0xB1, 0x62, 0x7F},
                                   {0xB1, 0x06, 0x7F},
                                   {0xB1, 0x63, 0x0A},
                                   {0xB1, 0x62, 0x14},
                                   {0xB1, 0x06, 0x63}},
                                  longNrpn(15, 0x0A, 0x14, 0x82)}));
}

TEST_F(HostModeTest, MessagesForcedTowardTheHostComeFirst)
{
    synth.SendMidiCCEvent(7, 1, 0);
    synth.SendMidiSize3Event(static_cast<char>(0x90), 60, 100, false, true);
    const std::vector<MessageList> lists = runBlockLists();
    EXPECT_EQ(lists, (std::vector<MessageList>{{{0x90, 60, 100}}, {{0xB0, 7, 1}}}));
}

TEST_F(HostModeTest, TheNoteFilterCanBeAskedForOnASingleMessage)
{
    synth.SendMidiSize3Event(static_cast<char>(0x90), 60, 0, true, false);
    EXPECT_EQ(runBlock(), (MessageList{{0x80, 60, 0}}));
}

TEST_F(HostModeTest, ListsOfTwoOrFiveEventsAreIgnored)
{
    HostEventList two({{0xB0, 1, 1}, {0xB0, 2, 2}});
    HostEventList five({{0xB0, 1, 1}, {0xB0, 2, 2}, {0xB0, 3, 3}, {0xB0, 4, 4}, {0xB0, 5, 5}});
    synth.midiQueue_SendVstEvents(two.get(), false);
    synth.midiQueue_SendVstEvents(five.get(), false);
    synth.midiQueue_SendVstEvents(nullptr, false);
    EXPECT_TRUE(runBlock().empty());
}

TEST_F(HostModeTest, TheFlushSkipsABlockWhileAnEnqueuerHoldsTheQueues)
{
    synth.setParameter(kK1Level, IntToFloat(5));
    ASSERT_TRUE(synth.hostQueueBusy.tryTake());
    EXPECT_TRUE(runBlock().empty());
    synth.hostQueueBusy.release();
    EXPECT_EQ(runBlock(), (MessageList{{0xB0, 7, 5}}));
}

TEST(BeforeTheFirstBlock, AMessageForcedTowardTheHostIsHandedOverAtOnce)
{
    RecordingHost host;
    SynthCommons synth(RecordingHost::callback);
    synth.parameterLib_SetParameterValueFromEditor(EPARAM_MIDI_MODE, 0.0f);
    synth.SendMidiSize3Event(static_cast<char>(0x90), 60, 100, false, true);
    EXPECT_EQ(host.eventLists(), (std::vector<MessageList>{{{0x90, 60, 100}}}));
}

TEST(BeforeTheFirstBlock, UnderCakewalkNothingIsSentAnywhere)
{
    RecordingHost host;
    host.productString = "Cakewalk SONAR";
    SynthCommons synth(RecordingHost::callback);
    ASSERT_EQ(synth.getHostKind(), HOST_CAKEWALK);
    synth.parameterLib_SetParameterValueFromEditor(EPARAM_MIDI_MODE, 0.0f);
    synth.SendMidiSize3Event(static_cast<char>(0x90), 60, 100, false, true);
    synth.setParameter(kK1Level, 0.5f);
    EXPECT_TRUE(host.eventLists().empty());

    synth.processReplacing(nullptr, nullptr, 0);
    EXPECT_TRUE(host.eventLists().empty()) << "nothing was queued either";
    synth.setParameter(kK1Level, 0.25f);
    synth.processReplacing(nullptr, nullptr, 0);
    EXPECT_EQ(host.eventLists(), (std::vector<MessageList>{{{0xB0, 7, 32}}}));
}
} // namespace
