// Callback parameters (plug-in state seen as parameters), choosers, virtual parameters (the
// host's sample and slice halves, the mix page's effect send menu) and value lists.
#include "ModelHarness.h"

#include "editor/SynthEditor.h"
#include "params/ParameterTables.h"
#include "params/ParameterValues.h"

namespace
{
constexpr float kNoFxSend = 255.0f / 127.0f;

float valueOf(SynthCommons& synth, e_ParameterID id)
{
    return synth.parameterLib_GetParameterValue(id);
}

void touch(SynthCommons& synth, e_ParameterID id)
{
    synth.parameterLib_SetParameterValue(id, 0.0f, 0);
}

TEST_F(HostModeTest, EachModeButtonSelectsItsPluginMode)
{
    const std::pair<e_ParameterID, int> modes[] = {{PARAM_MODE_GLOBAL, PLUGIN_MODE_GLOBAL},
                                                   {PARAM_MODE_MIX, PLUGIN_MODE_MIX},
                                                   {PARAM_MODE_PARTS, PLUGIN_MODE_PART},
                                                   {PARAM_MODE_SETUP, PLUGIN_MODE_SETUP}};
    for (const auto& [button, mode] : modes)
    {
        synth.parameterLib_SetParameterValue(button, 0.37f, UPDATE_HOST | UPDATE_MIDI | UPDATE_EDITOR);
        EXPECT_EQ(synth.pluginMode, mode);
        EXPECT_EQ(parameter_GetCurrentPluginMode(&synth), mode);
        for (const auto& [other, otherMode] : modes)
            EXPECT_EQ(valueOf(synth, other), other == button ? 1.0f : 0.0f) << button << " then " << other;
    }
    EXPECT_TRUE(runBlock().empty());
    EXPECT_TRUE(newAutomation().empty());
}

TEST_F(HostModeTest, TheKeyboard1ButtonMakesTheKeyboardRowsAddressKeyboard1)
{
    touch(synth, PARAM_PART_KEYBOARD1);
    EXPECT_EQ(synth.currentPart, 13);
    EXPECT_EQ(synth.currentChannel, 0);
    EXPECT_EQ(valueOf(synth, PARAM_PART_KEYBOARD1), 1.0f);
    EXPECT_EQ(valueOf(synth, PARAM_PART_DRUM1), 0.0f);

    synth.parameterLib_SetParameterValueFromEditor(EPARAM_KEYBOARD_FILTER_CUTOFF, IntToFloat(20));
    synth.parameterLib_SetParameterValueFromEditor(EPARAM_PART_FILTER_CUTOFF, IntToFloat(21));
    EXPECT_EQ(runBlock(), joined({{{0xB0, 74, 20}}, shortNrpn(9, 12, 6, 21)}));

    touch(synth, PARAM_PART_DRUM1);
    EXPECT_EQ(synth.currentPart, 0);
    EXPECT_EQ(synth.currentChannel, kChannelOtherParts);
}

TEST_F(HostModeTest, APartBeyondKeyboard2ChangesNothing)
{
    parameterCallback_SetPart(&synth, PART_KEYBOARD2, 0.0f);
    for (std::uint32_t part : {15u, 16u, 255u})
    {
        parameterCallback_SetPart(&synth, part, 0.0f);
        EXPECT_EQ(synth.currentPart, 14);
        EXPECT_EQ(synth.currentChannel, 1);
    }
}

TEST_F(HostModeTest, ChoosersFollowTheCurrentPartAndChannel)
{
    struct Case
    {
        std::uint32_t part;
        std::uint32_t part0to12;
        std::uint32_t channel1or2;
        std::uint32_t keyboardPart;
        std::uint32_t channel;
    };
    const Case cases[] = {
        {0, 0, 0, 0, 9}, {7, 7, 0, 0, 9}, {12, 12, 0, 0, 9}, {13, 0, 0, 13, 0}, {14, 0, 1, 14, 1}};
    for (const Case& c : cases)
    {
        parameterCallback_SetPart(&synth, c.part, 0.0f);
        SCOPED_TRACE(::testing::Message() << "part " << c.part);
        EXPECT_EQ(multiNRPNChooserCbk_CurrentPart_0_12(&synth), c.part0to12);
        EXPECT_EQ(parameter_channelChange_GetCurrentPart(&synth), c.part0to12);
        EXPECT_EQ(parameter_channelChange_GetCurrentChannel_1_2(&synth), c.channel1or2);
        EXPECT_EQ(multiNRPNChooserCbk_CurrentChannel_1_2(&synth), c.channel1or2);
        EXPECT_EQ(parameter_channelChange_GetCurrentChannel_13_14(&synth), c.keyboardPart);
        EXPECT_EQ(parameter_channelChange_GetCurrentChannel(&synth), c.channel);
    }
    EXPECT_EQ(chooserCbk_GetChannelOrIndex_0(&synth), 0u);
    EXPECT_EQ(chooserCbk_GetChannelOrIndex_7(&synth), 7u);
    EXPECT_EQ(chooserCbk_GetChannelOrIndex_14(&synth), 14u);
}

TEST(MidiModeParameter, OnlyZeroSelectsHostMode)
{
    RecordingHost host;
    SynthCommons synth(RecordingHost::callback);
    EXPECT_EQ(valueOf(synth, PARAM_MIDI_MODE), 1.0f) << "the plug-in starts in Tether MIDI mode";
    const std::pair<float, int> writes[] = {
        {0.0f, MIDI_MODE_HOST}, {1.0f, MIDI_MODE_TETHER}, {0.0f, MIDI_MODE_HOST}, {0.5f, MIDI_MODE_TETHER}};
    for (const auto& [value, mode] : writes)
    {
        synth.parameterLib_SetParameterValueFromEditor(EPARAM_MIDI_MODE, value);
        EXPECT_EQ(synth.midiMode, mode) << value;
        EXPECT_EQ(valueOf(synth, PARAM_MIDI_MODE), mode == MIDI_MODE_TETHER ? 1.0f : 0.0f);
    }
    EXPECT_EQ(synth.parameterLib_GetParameterMatchingValueListIndex(EPARAM_MIDI_MODE), 1);
    EXPECT_TRUE(host.automation().empty());
}

TEST(MidiModeParameter, WithoutHostMidiTetherMidiIsTheOnlyMode)
{
    RecordingHost host;
    host.productString = "AudioUnit";
    SynthCommons synth(RecordingHost::callback);
    synth.parameterLib_SetParameterValueFromEditor(EPARAM_MIDI_MODE, 0.0f);
    EXPECT_EQ(synth.midiMode, MIDI_MODE_TETHER);
    EXPECT_EQ(valueOf(synth, PARAM_MIDI_MODE), 1.0f);
}

TEST(KnobModeParameter, SwitchesTheEditorsKnobMode)
{
    RecordingHost host;
    SynthCommons synth(RecordingHost::callback);
    synth.parameterLib_SetParameterValueFromEditor(EPARAM_KNOB_MODE, 1.0f);
    EXPECT_EQ(SynthEditor::getKnobMode(), kKnobModeLinear);
    EXPECT_EQ(valueOf(synth, PARAM_KNOB_MODE), 1.0f);
    synth.parameterLib_SetParameterValueFromEditor(EPARAM_KNOB_MODE, 0.0f);
    EXPECT_EQ(SynthEditor::getKnobMode(), kKnobModeCircular);
    EXPECT_EQ(valueOf(synth, PARAM_KNOB_MODE), 0.0f);
}

// --- Sample and slice halves ------------------------------------------------------------------------

TEST_F(HostModeTest, TheHostSeesSampleNumbersAsTwoHalves)
{
    synth.parameterLib_SetParameterValueFromEditor(EPARAM_MIX_WAVE_DRUM1, IntToFloat(200));
    EXPECT_EQ(synth.getParameter(kD1SampleMsb), IntToFloat(64));
    EXPECT_EQ(synth.getParameter(kD1SampleLsb), IntToFloat(72));

    const std::pair<int, float> writes[] = {{kD1SampleMsb, 0.0f},
                                            {kD1SampleLsb, IntToFloat(100)},
                                            {kD1SampleMsb, IntToFloat(64)},
                                            {kD1SampleLsb, 0.0f}};
    const unsigned numbers[] = {72, 100, 228, 128};
    for (unsigned i = 0; i < std::size(writes); ++i)
    {
        synth.setParameter(writes[i].first, writes[i].second);
        EXPECT_EQ(partValue(synth, PARAM_PART_WAVE, 0), IntToFloat(numbers[i])) << i;
    }
    EXPECT_EQ(runBlock(), longNrpn(9, 12, 0, 128));
}

TEST_F(HostModeTest, SliceHalvesAddressTheSliceOfTheirPart)
{
    synth.parameterLib_SetParameterValueFromEditor(EPARAM_MIX_SLICE_DRUM1, IntToFloat(130));
    EXPECT_EQ(synth.getParameter(kD1SliceMsb), IntToFloat(64));
    EXPECT_EQ(synth.getParameter(kD1SliceLsb), IntToFloat(2));
    synth.setParameter(kD1SliceMsb, IntToFloat(63));
    EXPECT_EQ(partValue(synth, PARAM_PART_SLICE, 0), IntToFloat(2)) << "63 and below clear the high half";
}

TEST_F(HostModeTest, KeyboardSampleHalvesAddressKeyboard1)
{
    const float drum1 = partValue(synth, PARAM_PART_WAVE, 0);
    synth.setParameter(kK1SampleMsb, IntToFloat(100));
    synth.setParameter(kK1SampleLsb, IntToFloat(1));
    EXPECT_EQ(partValue(synth, PARAM_PART_WAVE, PART_KEYBOARD1), IntToFloat(129));
    EXPECT_EQ(partValue(synth, PARAM_PART_WAVE, 0), drum1);
    EXPECT_EQ(synth.getParameter(kK1SampleMsb), IntToFloat(64));
    EXPECT_EQ(synth.getParameter(kK1SampleLsb), IntToFloat(1));
}

// Sample numbers that the device sends reach the host's automation as two halves in 0..1, and
// the automation replayed, in either order of the halves, restores each number, "Off" (256)
// among them.
TEST_F(HostModeTest, SampleNumbersRecordedFromTheDeviceReplayToTheSameNumbers)
{
    const unsigned numbers[] = {5, 256, 133, 127, 128, 256, 0, 255, 200, 256, 256, 7};
    // What the two automation lanes hold after each number: the last value told of each half.
    std::vector<std::map<int, float>> lanes;
    for (unsigned n : numbers)
    {
        HostEventList change(longNrpn(9, 12, 0, n));
        synth.processEvents(change.get());
        lanes.push_back(lanes.empty() ? std::map<int, float>{} : lanes.back());
        for (const AutomationCall& call : newAutomation())
        {
            EXPECT_TRUE(call.value >= 0.0f && call.value <= 1.0f) << n << ": host value " << call.value;
            lanes.back()[call.index] = call.value;
        }
    }
    for (bool reversed : {false, true})
    {
        SynthCommons replay(RecordingHost::callback);
        for (std::size_t i = 0; i < std::size(numbers); ++i)
        {
            std::vector<std::pair<int, float>> halves(lanes[i].begin(), lanes[i].end());
            if (reversed)
                std::reverse(halves.begin(), halves.end());
            for (const auto& [index, value] : halves)
                replay.setParameter(index, value);
            EXPECT_EQ(partValue(replay, PARAM_PART_WAVE, 0), IntToFloat(numbers[i]))
                << "step " << i << (reversed ? ", halves reversed" : "");
        }
    }
}

// --- The effect send menu ---------------------------------------------------------------------------

TEST_F(HostModeTest, ThePartEffectSendMenuCombinesSwitchAndSelect)
{
    synth.parameterLib_SetParameterValueFromEditor(EPARAM_PART_FX_SEND, IntToFloat(63));
    runBlock();
    EXPECT_EQ(synth.parameterLib_GetParameterValueFromEditor(EPARAM_MIX_FX_SEND_DRUM1), kNoFxSend);

    synth.parameterLib_SetParameterValueFromEditor(EPARAM_MIX_FX_SEND_DRUM1, IntToFloat(43));
    EXPECT_EQ(runBlock(), joined({shortNrpn(9, 12, 16, 64), shortNrpn(9, 12, 17, 43)}));
    EXPECT_EQ(synth.parameterLib_GetParameterValueFromEditor(EPARAM_MIX_FX_SEND_DRUM1), IntToFloat(43));
    EXPECT_EQ(synth.parameterLib_GetParameterMatchingValueListIndex(EPARAM_PART_FX_SELECT), 1);

    newAutomation();
    synth.parameterLib_SetParameterValueFromEditor(EPARAM_MIX_FX_SEND_DRUM1, kNoFxSend);
    EXPECT_EQ(runBlock(), shortNrpn(9, 12, 16, 0)) << "no send writes the switch only";
    EXPECT_EQ(newAutomation(), (std::vector<AutomationCall>{{16, 0.0f}}));
    EXPECT_EQ(partValue(synth, PARAM_PART_FX_SELECT, 0), IntToFloat(43));
}

TEST_F(HostModeTest, TheKeyboardEffectSendMenuAddressesKeyboard1)
{
    synth.parameterLib_SetParameterValueFromEditor(EPARAM_MIX_FX_SEND_KEYBOARD1, IntToFloat(86));
    EXPECT_EQ(runBlock(), (MessageList{{0xB0, 91, 64}, {0xB0, 81, 86}}));
    EXPECT_EQ(synth.parameterLib_GetParameterValueFromEditor(EPARAM_MIX_FX_SEND_KEYBOARD1), IntToFloat(86));
    synth.parameterLib_SetParameterValueFromEditor(EPARAM_MIX_FX_SEND_KEYBOARD1, kNoFxSend);
    EXPECT_EQ(runBlock(), (MessageList{{0xB0, 91, 0}}));
    EXPECT_EQ(synth.parameterLib_GetParameterValueFromEditor(EPARAM_MIX_FX_SEND_KEYBOARD1), kNoFxSend);
}

// --- Value lists ----------------------------------------------------------------------------------

TEST_F(HostModeTest, AValueBelongsToTheLastListEntryNotAboveIt)
{
    const t_EditorParameter* fxType = synth.parameterLib_GetEditorParameter(EPARAM_FX1_TYPE);
    const std::pair<unsigned, int> cases[] = {{0, 0},    {7, 0},    {8, 1},   {13, 1},
                                              {119, 14}, {120, 15}, {127, 15}};
    for (const auto& [n, position] : cases)
        EXPECT_EQ(synth.parameterLib_GetParameterMatchingValueListIndex(fxType, IntToFloat(n)), position)
            << n;
    EXPECT_EQ(synth.parameterLib_GetParameterMatchingValueListIndex(nullptr, 1.0f), 0);
    EXPECT_EQ(synth.parameterLib_GetParameterMatchingValueListIndex(
                  synth.parameterLib_GetEditorParameter(EPARAM_FX1_EDIT1), 1.0f),
              0)
        << "a row without a list";
}

TEST_F(HostModeTest, TheNextListValueWrapsAround)
{
    const std::pair<unsigned, unsigned> steps[] = {{0, 43}, {50, 86}, {86, 0}, {127, 0}};
    for (const auto& [from, to] : steps)
    {
        synth.parameterLib_SetParameterValueFromEditor(EPARAM_GLOBAL_ROLL_TYPE, IntToFloat(from));
        EXPECT_EQ(synth.parameterLib_GetParameterNextValueFromEditor(EPARAM_GLOBAL_ROLL_TYPE), IntToFloat(to))
            << from;
    }
    EXPECT_EQ(synth.parameterLib_GetParameterNextValueFromEditor(EPARAM_FX1_EDIT1), 0.0f);
    EXPECT_EQ(synth.parameterLib_GetParameterNextValueFromEditor(EPARAM_END), 0.0f);
}
} // namespace
