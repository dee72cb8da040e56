// Host automation and editor changes in Host MIDI mode: the exact messages that the host
// receives in the next processing call.
#include "ModelHarness.h"

#include "params/ParameterTables.h"
#include "params/ParameterValues.h"

#include <algorithm>

namespace
{
// A host write after some earlier ones, which have left in a block of their own.
struct HostWrite
{
    const char* what;
    int hostParameter;
    float value;
    MessageList expected;
    std::vector<std::pair<int, float>> before = {};
};

void PrintTo(const HostWrite& write, std::ostream* out)
{
    *out << write.what;
}

// The parameter interface first: behind the plug-in object its offset is too large for
// UBSan's check of the object type.
class HostWriteTest : public ::testing::WithParamInterface<HostWrite>, public HostModeTest
{
};

TEST_P(HostWriteTest, ReachesTheHostInTheNextBlock)
{
    const HostWrite& write = GetParam();
    for (const auto& [parameter, value] : write.before)
        synth.setParameter(parameter, value);
    runBlock();
    synth.setParameter(write.hostParameter, write.value);
    EXPECT_EQ(runBlock(), write.expected);
    EXPECT_TRUE(newAutomation().empty()) << "a host change is not reported back to the host";
}

INSTANTIATE_TEST_SUITE_P(
    ControllersAndShortNrpns, HostWriteTest,
    ::testing::Values(HostWrite{"K1 level, halves rounded up", kK1Level, 0.5f, {{0xB0, 0x07, 0x40}}},
                      HostWrite{"K1 pitch is the glide controller", 28, 1.0f, {{0xB0, 0x05, 0x7F}}},
                      HostWrite{"K1 effect send", 40, IntToFloat(64), {{0xB0, 0x5B, 0x40}}},
                      HostWrite{"FX1 type on channel 1", kFx1Type, IntToFloat(16), {{0xB0, 0x0C, 0x10}}},
                      HostWrite{"FX2 motion sequence", 55, 0.0f, {{0xB0, 0x15, 0x00}}},
                      HostWrite{"effect chain", 60, IntToFloat(96), {{0xB0, 0x17, 0x60}}},
                      HostWrite{"D1 cutoff",
                                kD1FilterCutoff,
                                IntToFloat(100),
                                {{0xB9, 0x63, 0x7F},
                                 {0xB9, 0x62, 0x7F},
                                 {0xB9, 0x06, 0x7F},
                                 {0xB9, 0x63, 0x0C},
                                 {0xB9, 0x62, 0x06},
                                 {0xB9, 0x06, 0x64}}},
                      HostWrite{"D1 pitch", 4, IntToFloat(3), shortNrpn(9, 12, 4, 3)},
                      HostWrite{"D1 motion sequence", 23, IntToFloat(86), shortNrpn(9, 12, 23, 86)},
                      HostWrite{"accent level on channel 1", 61, IntToFloat(20), shortNrpn(0, 11, 98, 20)},
                      HostWrite{"swing", 63, IntToFloat(75), shortNrpn(0, 11, 112, 75)},
                      HostWrite{"roll type", 64, IntToFloat(43), shortNrpn(0, 11, 113, 43)}));

INSTANTIATE_TEST_SUITE_P(SampleAndSliceHalves, HostWriteTest,
                         ::testing::Values(HostWrite{"D1 sample, 4-message preamble",
                                                     kD1SampleLsb,
                                                     IntToFloat(100),
                                                     {{0xB9, 0x63, 0x7F},
                                                      {0xB9, 0x62, 0x7F},
                                                      {0xB9, 0x06, 0x7F},
                                                      {0xB9, 0x26, 0x7F},
                                                      {0xB9, 0x63, 0x0C},
                                                      {0xB9, 0x62, 0x00},
                                                      {0xB9, 0x06, 0x00},
                                                      {0xB9, 0x26, 0x64}},
                                                     {{kD1SampleMsb, 0.0f}}},
                                           HostWrite{"D1 sample above 127",
                                                     kD1SampleLsb,
                                                     IntToFloat(100),
                                                     longNrpn(9, 12, 0, 228),
                                                     {{kD1SampleMsb, IntToFloat(64)}}},
                                           HostWrite{"D1 slice",
                                                     kD1SliceLsb,
                                                     IntToFloat(7),
                                                     longNrpn(9, 12, 2, 135),
                                                     {{kD1SliceMsb, IntToFloat(64)}}},
                                           HostWrite{"K1 sample on channel 1",
                                                     kK1SampleLsb,
                                                     IntToFloat(5),
                                                     longNrpn(0, 14, 32, 5),
                                                     {{kK1SampleMsb, 0.0f}}},
                                           HostWrite{"K1 slice on channel 1",
                                                     kK1SliceLsb,
                                                     IntToFloat(9),
                                                     longNrpn(0, 14, 34, 9),
                                                     {{kK1SliceMsb, 0.0f}}}));

TEST_F(HostModeTest, EitherMuteSendsBothMasks)
{
    synth.setParameter(kMuteDrum1, 1.0f);
    synth.setParameter(kMuteKeyboard1, 1.0f);
    runBlock();
    const unsigned keyboards = muteMask(synth, 0);
    const unsigned parts = muteMask(synth, 1);
    ASSERT_EQ(parts & 1u, 0u);

    synth.setParameter(kMuteDrum1, 0.0f);
    EXPECT_EQ(muteMask(synth, 1), parts | 1u);
    EXPECT_EQ(runBlock(), joined({longNrpn(0, 15, 119, keyboards), longNrpn(0, 15, 120, parts | 1u)}));
    EXPECT_EQ(synth.getParameter(kMuteDrum1), 0.0f) << "a set bit reads as Off";

    synth.setParameter(kMuteKeyboard1, 0.0f);
    EXPECT_EQ(runBlock(), joined({longNrpn(0, 15, 119, keyboards | 1u), longNrpn(0, 15, 120, parts | 1u)}));
    synth.setParameter(kMuteKeyboard1, 1.0f);
    EXPECT_EQ(runBlock(), joined({longNrpn(0, 15, 119, keyboards), longNrpn(0, 15, 120, parts | 1u)}));
}

TEST_F(HostModeTest, AKnobSweepBetweenTwoBlocksCostsOneMessageInThePlaceOfTheFirst)
{
    synth.setParameter(kK1FilterCutoff, 0.0f);
    synth.setParameter(kK1Level, IntToFloat(3));
    for (unsigned n = 1; n < 50; ++n)
        synth.setParameter(kK1FilterCutoff, IntToFloat(n));
    EXPECT_EQ(runBlock(), (MessageList{{0xB0, 0x4A, 49}, {0xB0, 0x07, 3}}));
    EXPECT_TRUE(runBlock().empty()) << "the queues are empty after a flush";
}

TEST_F(HostModeTest, AnNrpnSweepBetweenTwoBlocksCostsOneGroup)
{
    for (unsigned n = 0; n < 50; ++n)
        synth.setParameter(kD1FilterCutoff, IntToFloat(n));
    synth.setParameter(kD1SampleMsb, 0.0f);
    synth.setParameter(kD1SampleLsb, IntToFloat(10));
    synth.setParameter(kD1SampleLsb, IntToFloat(11));
    const std::vector<MessageList> lists = runBlockLists();
    EXPECT_EQ(lists, (std::vector<MessageList>{shortNrpn(9, 12, 6, 49), longNrpn(9, 12, 0, 11)}));
}

TEST_F(HostModeTest, SinglesComeBeforeShortGroupsAndShortGroupsBeforeLongOnes)
{
    synth.setParameter(kD1SampleLsb, IntToFloat(1));
    synth.setParameter(kD1FilterCutoff, IntToFloat(2));
    synth.setParameter(kK1Level, IntToFloat(3));
    const std::vector<MessageList> lists = runBlockLists();
    ASSERT_EQ(lists.size(), 3u);
    EXPECT_EQ(lists[0], (MessageList{{0xB0, 0x07, 3}}));
    EXPECT_EQ(lists[1], shortNrpn(9, 12, 6, 2));
    EXPECT_EQ(lists[2].size(), 8u);
}

TEST_F(HostModeTest, AnEmptyBlockStillFlushes)
{
    synth.setParameter(kK1Level, IntToFloat(9));
    EXPECT_EQ(runBlock(0), (MessageList{{0xB0, 0x07, 9}}));
}

TEST_F(HostModeTest, TheOutputsCarrySilenceForTheBlockOnly)
{
    std::vector<float> left(kBlockFrames + 1, 0.5f), right(kBlockFrames + 1, 0.5f);
    float* outputs[2] = {left.data(), right.data()};
    synth.processReplacing(nullptr, outputs, kBlockFrames);
    EXPECT_EQ(std::count(left.begin(), left.end(), 0.0f), kBlockFrames);
    EXPECT_EQ(std::count(right.begin(), right.end(), 0.0f), kBlockFrames);
    EXPECT_EQ(left.back(), 0.5f);

    float* oneOutput[2] = {left.data(), nullptr};
    synth.processReplacing(nullptr, oneOutput, kBlockFrames);
    synth.processReplacing(nullptr, outputs, -1);
}

TEST_F(HostModeTest, OutOfRangeHostValuesAreClampedToTheMidiRange)
{
    synth.setParameter(kK1Level, 2.0f);
    EXPECT_EQ(runBlock(), (MessageList{{0xB0, 0x07, 0x7F}}));
    EXPECT_EQ(synth.getParameter(kK1Level), 1.0f);
    synth.setParameter(kD1FilterCutoff, 1.5f);
    EXPECT_EQ(runBlock(), shortNrpn(9, 12, 6, 127));
    synth.setParameter(kK1Level, -3.0f);
    EXPECT_EQ(runBlock(), (MessageList{{0xB0, 0x07, 0x00}}));
    synth.setParameter(kK1Level, std::numeric_limits<float>::quiet_NaN());
    EXPECT_EQ(synth.getParameter(kK1Level), 0.0f);
}

TEST_F(HostModeTest, HostCallsWithIndexesOutsideTheTableDoNothing)
{
    for (int index : {-1, 67, 1000})
    {
        synth.setParameter(index, 0.5f);
        EXPECT_EQ(synth.getParameter(index), 0.0f);
    }
    EXPECT_TRUE(runBlock().empty());
}

TEST_F(HostModeTest, AnEditorChangeGoesToTheDeviceAndToTheHostRowThatShowsIt)
{
    synth.parameterLib_SetParameterValueFromEditor(EPARAM_PART_FILTER_CUTOFF, IntToFloat(100));
    EXPECT_EQ(newAutomation(), (std::vector<AutomationCall>{{kD1FilterCutoff, IntToFloat(100)}}));
    EXPECT_EQ(runBlock(), shortNrpn(9, 12, 6, 100));
}

TEST_F(HostModeTest, AnEditorChangeOfAPartTheHostDoesNotShowIsOnlySent)
{
    parameterCallback_SetPart(&synth, 2, 0.0f);
    synth.parameterLib_SetParameterValueFromEditor(EPARAM_PART_FILTER_CUTOFF, IntToFloat(100));
    EXPECT_TRUE(newAutomation().empty());
    EXPECT_EQ(runBlock(), shortNrpn(9, 12, 70, 100));
    EXPECT_EQ(partValue(synth, PARAM_PART_FILTER_CUTOFF, 2), IntToFloat(100));
}

TEST_F(HostModeTest, TheSecondKeyboardIsAddressedOnChannel2)
{
    parameterCallback_SetPart(&synth, PART_KEYBOARD2, 0.0f);
    synth.parameterLib_SetParameterValueFromEditor(EPARAM_KEYBOARD_FILTER_CUTOFF, IntToFloat(30));
    synth.parameterLib_SetParameterValueFromEditor(EPARAM_KEYBOARD_WAVE, IntToFloat(300));
    EXPECT_EQ(runBlock(), joined({{{0xB1, 0x4A, 30}}, longNrpn(1, 14, 32, 300)}));
    EXPECT_TRUE(newAutomation().empty()) << "the host shows Keyboard1 only";
}

TEST_F(HostModeTest, AnEditorMuteWriteSetsTheBitAndSendsBothMasks)
{
    synth.setParameter(kMuteDrum1, 1.0f);
    runBlock();
    newAutomation();
    const unsigned keyboards = muteMask(synth, 0);
    const unsigned parts = muteMask(synth, 1);

    synth.parameterLib_SetParameterValueFromEditor(EPARAM_MIX_MUTE_DRUM1, 0.0f);
    EXPECT_EQ(muteMask(synth, 1), parts | 1u);
    EXPECT_EQ(newAutomation(), (std::vector<AutomationCall>{{kMuteDrum1, 0.0f}}));
    EXPECT_EQ(runBlock(), joined({longNrpn(0, 15, 119, keyboards), longNrpn(0, 15, 120, parts | 1u)}));
}

TEST(BeforeTheFirstBlock, HostModeMessagesAreLost)
{
    RecordingHost host;
    SynthCommons synth(RecordingHost::callback);
    synth.parameterLib_SetParameterValueFromEditor(EPARAM_MIDI_MODE, 0.0f);
    synth.setParameter(kK1Level, 0.5f);
    synth.setParameter(kD1FilterCutoff, 0.5f);
    synth.processReplacing(nullptr, nullptr, 0);
    EXPECT_TRUE(host.eventLists().empty());
}

TEST(TetherMode, TheHostReceivesNoMidi)
{
    RecordingHost host;
    SynthCommons synth(RecordingHost::callback);
    synth.processReplacing(nullptr, nullptr, 0);
    synth.setParameter(kK1Level, 0.5f);
    synth.setParameter(kD1FilterCutoff, 0.5f);
    synth.processReplacing(nullptr, nullptr, 0);
    EXPECT_TRUE(host.eventLists().empty());
}
} // namespace
