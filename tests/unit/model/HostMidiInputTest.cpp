// The host's MIDI input: in Host mode what the device sent, read as parameter changes that
// are reported to the host's automation and never sent back; the NRPN assembler, the
// bank-select filter, the note filter and the held-note table.
#include "ModelHarness.h"

#include "params/ParameterValues.h"

namespace
{
using Automation = std::vector<AutomationCall>;

TEST_F(HostModeTest, AKeyboardControllerOnChannel1ReachesTheHostAsK1)
{
    deviceSends({{0xB0, 74, 33}});
    EXPECT_EQ(newAutomation(), (Automation{{kK1FilterCutoff, IntToFloat(33)}}));
    EXPECT_EQ(synth.getParameter(kK1FilterCutoff), IntToFloat(33));
    EXPECT_TRUE(runBlock().empty()) << "nothing goes back to the device";
}

TEST_F(HostModeTest, AKeyboardControllerOnChannel2ChangesKeyboard2Only)
{
    const float keyboard1 = keyboardValue(synth, PARAM_KEYBOARD_LEVEL, 0);
    deviceSends({{0xB1, 7, 90}});
    EXPECT_EQ(keyboardValue(synth, PARAM_KEYBOARD_LEVEL, 1), IntToFloat(90));
    EXPECT_EQ(keyboardValue(synth, PARAM_KEYBOARD_LEVEL, 0), keyboard1);
    EXPECT_TRUE(newAutomation().empty()) << "the host shows Keyboard1 only";
    EXPECT_TRUE(runBlock().empty());
}

TEST_F(HostModeTest, AKeyboardControllerOnAnotherChannelIsIgnored)
{
    const float keyboard1 = keyboardValue(synth, PARAM_KEYBOARD_LEVEL, 0);
    const float keyboard2 = keyboardValue(synth, PARAM_KEYBOARD_LEVEL, 1);
    deviceSends({{0xB4, 7, 90}});
    EXPECT_EQ(keyboardValue(synth, PARAM_KEYBOARD_LEVEL, 0), keyboard1);
    EXPECT_EQ(keyboardValue(synth, PARAM_KEYBOARD_LEVEL, 1), keyboard2);
    EXPECT_TRUE(newAutomation().empty());
}

TEST_F(HostModeTest, AnEffectControllerIsTakenOnAnyChannel)
{
    deviceSends({{0xB5, 12, 16}});
    EXPECT_EQ(newAutomation(), (Automation{{kFx1Type, IntToFloat(16)}}));
    EXPECT_EQ(synth.parameterLib_GetParameterValue(PARAM_FX1_TYPE), IntToFloat(16));
    EXPECT_TRUE(runBlock().empty());
}

TEST_F(HostModeTest, ADrum1NrpnIsReportedAsD1)
{
    deviceSends({{0xB9, 99, 12}, {0xB9, 98, 6}, {0xB9, 6, 100}});
    EXPECT_EQ(newAutomation(), (Automation{{kD1FilterCutoff, IntToFloat(100)}}));
    EXPECT_TRUE(runBlock().empty());
}

TEST_F(HostModeTest, APartNrpnOnItsChannelChangesThatPartOnly)
{
    deviceSends({{0xB9, 99, 12}, {0xB9, 98, 106}, {0xB9, 6, 55}});
    EXPECT_EQ(partValue(synth, PARAM_PART_LEVEL, 3), IntToFloat(55));
    EXPECT_TRUE(newAutomation().empty()) << "the host shows Drum1 only";

    const float drum4 = partValue(synth, PARAM_PART_LEVEL, 3);
    deviceSends({{0xB0, 99, 12}, {0xB0, 98, 106}, {0xB0, 6, 20}});
    EXPECT_EQ(partValue(synth, PARAM_PART_LEVEL, 3), drum4) << "channel 1 addresses no drum part";
    EXPECT_TRUE(runBlock().empty());
}

TEST_F(HostModeTest, ASampleNumberIsReportedAsItsTwoHalves)
{
    deviceSends({{0xB9, 99, 12}, {0xB9, 98, 0}, {0xB9, 6, 1}, {0xB9, 38, 72}});
    EXPECT_EQ(partValue(synth, PARAM_PART_WAVE, 0), IntToFloat(200));
    const Automation calls = newAutomation();
    ASSERT_GE(calls.size(), 2u);
    EXPECT_EQ(Automation(calls.end() - 2, calls.end()),
              (Automation{{kD1SampleLsb, IntToFloat(72)}, {kD1SampleMsb, IntToFloat(64)}}));
    EXPECT_TRUE(runBlock().empty());
}

TEST_F(HostModeTest, AMuteMaskReplacesTheWholeMask)
{
    deviceSends({{0xB0, 99, 15}, {0xB0, 98, 120}, {0xB0, 6, 3}, {0xB0, 38, 127}});
    EXPECT_EQ(muteMask(synth, 1), 511u);
    const Automation calls = newAutomation();
    ASSERT_FALSE(calls.empty());
    EXPECT_EQ(calls.back(), (AutomationCall{kMuteDrum1, 0.0f}));
    EXPECT_TRUE(runBlock().empty());
}

TEST_F(HostModeTest, MalformedInputChangesNothing)
{
    const float level = synth.getParameter(kK1Level);
    deviceSends({{0xB0, 7, 0xFF}, {0xB0, 0x87, 10}});
    EXPECT_EQ(synth.getParameter(kK1Level), level);
    EXPECT_TRUE(newAutomation().empty());

    EXPECT_EQ(synth.processEvents(nullptr), 1);
    HostEventList empty({});
    EXPECT_EQ(synth.processEvents(empty.get()), 1);
    HostEventList withHole({{0xB0, 7, 1}});
    withHole.get()->events[0] = nullptr;
    EXPECT_EQ(synth.processEvents(withHole.get()), 1);
    EXPECT_TRUE(runBlock().empty());
}

// --- NRPN assembler -------------------------------------------------------------------------

struct AssemblerStep
{
    std::uint8_t controller;
    std::uint8_t value;
    bool consumed;
    t_MidiNRPNData after;
};

TEST_F(HostModeTest, TheNrpnAssemblerKeepsNumberAndDataAcrossMessages)
{
    EXPECT_EQ(synth.nrpnReceive.nrpnMSB, 0xFF);
    EXPECT_EQ(synth.nrpnReceive.nrpnLSB, 0xFF);
    const AssemblerStep steps[] = {
        {99, 11, false, {3, 11, 0xFF, 0, 0, false}}, {98, 112, false, {3, 11, 112, 0, 0, true}},
        {6, 40, true, {3, 11, 112, 40, 0, false}},   {38, 5, true, {3, 11, 112, 40, 5, false}},
        {98, 113, false, {3, 11, 113, 40, 5, true}}, {99, 12, false, {3, 12, 113, 40, 5, false}},
        {7, 100, false, {3, 12, 113, 40, 5, false}}, {98, 6, false, {3, 12, 6, 40, 5, true}},
        {98, 7, false, {3, 12, 7, 40, 5, true}},
    };
    for (const AssemblerStep& step : steps)
    {
        HostEventList list({{0xB3, step.controller, step.value}});
        VstMidiEvent* event = reinterpret_cast<VstMidiEvent*>(list.get()->events[0]);
        SCOPED_TRACE(::testing::Message() << "controller " << int(step.controller));
        EXPECT_EQ(synth.processEvent_CheckForNRPN(event), step.consumed);
        const t_MidiNRPNData& state = synth.nrpnReceive;
        EXPECT_EQ(state.channel, step.after.channel);
        EXPECT_EQ(state.nrpnMSB, step.after.nrpnMSB);
        EXPECT_EQ(state.nrpnLSB, step.after.nrpnLSB);
        EXPECT_EQ(state.dataMSB, step.after.dataMSB);
        EXPECT_EQ(state.dataLSB, step.after.dataLSB);
        EXPECT_EQ(state.numberLSBPending, step.after.numberLSBPending);
    }
}

TEST_F(HostModeTest, ADataEntryDeliversTheNumberInForce)
{
    deviceSends({{0xB9, 99, 12}, {0xB9, 98, 0}, {0xB9, 6, 1}});
    const unsigned lsb = synth.nrpnReceive.dataLSB;
    EXPECT_EQ(partValue(synth, PARAM_PART_WAVE, 0), IntToFloat(128 + lsb));
    deviceSends({{0xB9, 38, 5}});
    EXPECT_EQ(partValue(synth, PARAM_PART_WAVE, 0), IntToFloat(133)) << "38 alone delivers with the last MSB";
    deviceSends({{0xB9, 6, 0}});
    EXPECT_EQ(partValue(synth, PARAM_PART_WAVE, 0), IntToFloat(5));
}

TEST_F(HostModeTest, ANewNumberDeliversAPendingOneWithTheLastData)
{
    deviceSends({{0xB0, 99, 11}, {0xB0, 98, 112}, {0xB0, 6, 40}});
    ASSERT_EQ(synth.parameterLib_GetParameterValue(PARAM_GLOBAL_SWING), IntToFloat(40));
    synth.setParameter(kD1FilterCutoff, 0.0f);
    newAutomation();

    deviceSends({{0xB9, 99, 12}, {0xB9, 98, 6}});
    EXPECT_EQ(synth.getParameter(kD1FilterCutoff), 0.0f) << "not delivered before the next number";
    deviceSends({{0xB9, 99, 13}});
    EXPECT_EQ(synth.getParameter(kD1FilterCutoff), IntToFloat(40));
    EXPECT_EQ(newAutomation(), (Automation{{kD1FilterCutoff, IntToFloat(40)}}));
}

TEST_F(HostModeTest, ASecondNumberLsbDeliversTheFirstWithTheLastData)
{
    deviceSends({{0xB9, 99, 12}, {0xB9, 98, 4}, {0xB9, 6, 3}}); // D1 pitch 3
    synth.setParameter(kD1FilterCutoff, 0.0f);
    newAutomation();

    deviceSends({{0xB9, 98, 6}});
    EXPECT_EQ(synth.getParameter(kD1FilterCutoff), 0.0f) << "not delivered before the next number";
    deviceSends({{0xB9, 98, 7}});
    EXPECT_EQ(newAutomation(), (Automation{{kD1FilterCutoff, IntToFloat(3)}}));
}

TEST_F(HostModeTest, TheNumberControllersAlsoReachTheControllerPath)
{
    HostEventList list({{0xB0, 99, 1}});
    auto* event = reinterpret_cast<VstMidiEvent*>(list.get()->events[0]);
    EXPECT_FALSE(synth.processEvent_CheckForNRPN(event));
    EXPECT_FALSE(synth.parameterLib_SetParameterValueFromHW(event)) << "no parameter uses controller 99";
}

TEST_F(HostModeTest, ADataEntryBeforeAnyNumberChangesNoParameter)
{
    const float audioInWave = partValue(synth, PARAM_PART_WAVE, PART_AUDIOIN);
    const float stretch1Slice = partValue(synth, PARAM_PART_SLICE, PART_STRETCH1);
    const float audioInPitch = partValue(synth, PARAM_PART_PITCH, PART_AUDIOIN);
    deviceSends({{0xB9, 6, 99}, {0xB0, 6, 99}, {0xB1, 6, 99}});
    EXPECT_EQ(partValue(synth, PARAM_PART_WAVE, PART_AUDIOIN), audioInWave) << "AudioIn has no sample";
    EXPECT_EQ(partValue(synth, PARAM_PART_SLICE, PART_STRETCH1), stretch1Slice) << "Stretch1 has no slice";
    EXPECT_EQ(partValue(synth, PARAM_PART_PITCH, PART_AUDIOIN), audioInPitch) << "AudioIn has no pitch";
    EXPECT_TRUE(newAutomation().empty());
    EXPECT_TRUE(runBlock().empty());
}

// --- Bank-select filter -----------------------------------------------------------------------

TEST_F(HostModeTest, TheBankSelectFilterSwallowsController32OnlyRightAfterController0)
{
    struct Step
    {
        Message message;
        bool swallowed;
        bool flagAfter;
    };
    const Step steps[] = {
        {{0xB0, 32, 1}, false, false}, {{0xB0, 0, 0}, true, true},    {{0x90, 32, 1}, false, true},
        {{0xB0, 32, 1}, true, false},  {{0xB0, 32, 1}, false, false}, {{0xB2, 0, 1}, true, true},
        {{0xB2, 7, 1}, false, false},  {{0xB2, 32, 1}, false, false},
    };
    for (const Step& step : steps)
    {
        HostEventList list({step.message});
        auto* event = reinterpret_cast<VstMidiEvent*>(list.get()->events[0]);
        SCOPED_TRACE(::testing::Message() << std::hex << int(step.message[0]) << " " << int(step.message[1]));
        EXPECT_EQ(synth.processEvent_CheckForProgramChange(event), step.swallowed);
        EXPECT_EQ(synth.bankSelectFlag, step.flagAfter);
    }
    EXPECT_FALSE(synth.processEvent_CheckForProgramChange(nullptr));
}

// --- Note filter and held notes ---------------------------------------------------------------

TEST_F(HostModeTest, ANoteOnWithVelocity0BecomesANoteOffOnTheFilteredChannels)
{
    HostEventList list({{0x90, 60, 0}, {0x96, 60, 0}, {0x9F, 61, 0}, {0x99, 62, 0}, {0x94, 63, 0}});
    synth.processEvents_NotesModifier(list.get());
    EXPECT_EQ(list.message(0), (Message{0x80, 60, 0}));
    EXPECT_EQ(list.message(1), (Message{0x96, 60, 0})) << "channel 7 passes untouched";
    EXPECT_EQ(list.message(2), (Message{0x8F, 61, 0}));
    EXPECT_EQ(list.message(3), (Message{0x89, 62, 0}));
    EXPECT_EQ(list.message(4), (Message{0x84, 63, 0}));
}

TEST_F(HostModeTest, ANoteStruckAgainIsReleasedFirst)
{
    deviceSends({{0x90, 60, 100}, {0x90, 60, 90}});
    EXPECT_EQ(runBlock(), (MessageList{{0x80, 60, 64}}));
    deviceSends({{0x90, 60, 80}});
    EXPECT_EQ(runBlock(), (MessageList{{0x80, 60, 64}})) << "the slot holds the note once";
}

TEST_F(HostModeTest, AReleasedNoteIsNotReleasedAgain)
{
    deviceSends({{0x90, 60, 100}, {0x80, 60, 0}, {0x90, 60, 100}, {0x90, 60, 0}, {0x90, 60, 100}});
    EXPECT_TRUE(runBlock().empty());
}

TEST_F(HostModeTest, NotesOnUnfilteredChannelsAreNotTracked)
{
    deviceSends({{0x96, 60, 100}, {0x96, 60, 100}});
    EXPECT_TRUE(runBlock().empty());
    for (const t_HeldNote& slot : synth.heldNotes)
        EXPECT_EQ(slot.note, 0);
}

TEST_F(HostModeTest, TheSameNoteOnAnotherChannelIsAnotherSlot)
{
    deviceSends({{0x90, 60, 100}, {0x91, 60, 100}, {0x91, 60, 100}});
    EXPECT_EQ(runBlock(), (MessageList{{0x81, 60, 64}}));
}

TEST_F(HostModeTest, ANoteOffOnAnotherChannelLeavesTheHeldNote)
{
    deviceSends({{0x90, 60, 100}, {0x81, 60, 0}, {0x90, 60, 90}});
    EXPECT_EQ(runBlock(), (MessageList{{0x80, 60, 64}}));
}

TEST_F(HostModeTest, ANinthHeldNoteIsNotRecorded)
{
    for (std::uint8_t note = 1; note <= 9; ++note)
        deviceSends({{0x99, note, 100}});
    deviceSends({{0x99, 9, 100}});
    EXPECT_TRUE(runBlock().empty());
    deviceSends({{0x99, 1, 100}});
    EXPECT_EQ(runBlock(), (MessageList{{0x89, 1, 64}}));
}

TEST(HeldNotes, InTetherModeWithoutAnInterfaceNothingReachesTheHost)
{
    RecordingHost host;
    SynthCommons synth(RecordingHost::callback);
    synth.processReplacing(nullptr, nullptr, 0);
    HostEventList list({{0x90, 60, 100}, {0x90, 60, 100}});
    EXPECT_EQ(synth.processEvents(list.get()), 1);
    synth.processReplacing(nullptr, nullptr, 0);
    EXPECT_TRUE(host.eventLists().empty());
    EXPECT_TRUE(host.automation().empty());
}
} // namespace
