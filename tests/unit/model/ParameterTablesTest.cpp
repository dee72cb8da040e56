// The working parameter tables and the editor's and host's views of them.
#include "ModelHarness.h"

#include "params/ParameterTables.h"
#include "params/ParameterValues.h"

#include <algorithm>
#include <cstring>
#include <set>

namespace
{
class TablesTest : public ::testing::Test
{
protected:
    RecordingHost host;
    SynthCommons synth{RecordingHost::callback};
};

// --- Device parameters and their MIDI addresses ----------------------------------------------

TEST_F(TablesTest, ListsAreCountedUpToAndIncludingTheirEndEntry)
{
    const std::pair<e_ParameterID, unsigned> counts[] = {
        {PARAM_PART_WAVE, 16},  {PARAM_PART_SLICE, 16},         {PARAM_PART_PITCH, 14},
        {PARAM_PART_LEVEL, 14}, {PARAM_PART_MOTION_SEQ_SW, 14}, {PARAM_GLOBAL_MUTE_PART1, 3},
    };
    for (const auto& [id, count] : counts)
        EXPECT_EQ(SynthCommons::parameterLib_GetNumberOfNRPN(nrpnList(synth, id)), count) << id;
    EXPECT_EQ(SynthCommons::parameterLib_GetNumberOfNRPN(nullptr), 0u);
}

// Part p's parameter with LSB offset o is NRPN M(p) / L(p) + o on MIDI channel Ch(p).
struct PartAddress
{
    std::uint8_t msb;
    std::uint8_t lsbBase;
    std::uint32_t channel; // 0-based
};
constexpr PartAddress kParts[PART_COUNT] = {{12, 0, 9},  {12, 32, 9}, {12, 64, 9}, {12, 96, 9}, {13, 0, 9},
                                            {13, 32, 9}, {13, 64, 9}, {13, 96, 9}, {14, 0, 9},  {14, 96, 9},
                                            {15, 0, 9},  {15, 32, 9}, {15, 64, 9}, {14, 32, 0}, {14, 32, 1}};

struct PartParameter
{
    e_ParameterID id;
    std::uint8_t lsbOffset;
    std::set<unsigned> missing; // parts without the parameter
    unsigned parts;             // entries before the end entry
};

TEST_F(TablesTest, EveryPartParameterHasTheDevicesNrpnPerPart)
{
    const std::set<unsigned> audioIn = {PART_AUDIOIN};
    const PartParameter table[] = {
        {PARAM_PART_WAVE, 0, audioIn, 15},
        {PARAM_PART_SLICE, 2, {PART_STRETCH1, PART_STRETCH2, PART_SLICE, PART_AUDIOIN}, 15},
        {PARAM_PART_PITCH, 4, audioIn, 13},
        {PARAM_PART_FILTER_TYPE, 5, {}, 13},
        {PARAM_PART_FILTER_CUTOFF, 6, {}, 13},
        {PARAM_PART_FILTER_RESONANCE, 7, {}, 13},
        {PARAM_PART_FILTER_EGINT, 8, {}, 13},
        {PARAM_PART_START, 9, audioIn, 13},
        {PARAM_PART_LEVEL, 10, {}, 13},
        {PARAM_PART_PAN, 11, {}, 13},
        {PARAM_PART_EG_TIME, 12, {}, 13},
        {PARAM_PART_AMP_EG, 13, {}, 13},
        {PARAM_PART_ROLL, 14, {}, 13},
        {PARAM_PART_REVERSE, 15, audioIn, 13},
        {PARAM_PART_FX_SEND, 16, {}, 13},
        {PARAM_PART_FX_SELECT, 17, {}, 13},
        {PARAM_PART_MOD_TYPE, 18, {}, 13},
        {PARAM_PART_MOD_DEPTH, 19, {}, 13},
        {PARAM_PART_MOD_SPEED, 20, {}, 13},
        {PARAM_PART_MOD_DEST, 21, {}, 13},
        {PARAM_PART_MOD_BPM_SYNC, 22, {}, 13},
        {PARAM_PART_MOTION_SEQ_SW, 23, {}, 13},
    };
    for (const PartParameter& row : table)
    {
        const t_TypeStruct_MidiNRPN* list = nrpnList(synth, row.id);
        const bool is14bit = row.id == PARAM_PART_WAVE || row.id == PARAM_PART_SLICE;
        ASSERT_EQ(SynthCommons::parameterLib_GetNumberOfNRPN(list), row.parts + 1) << row.id;
        for (unsigned p = 0; p < row.parts; ++p)
        {
            SCOPED_TRACE(::testing::Message() << "parameter " << row.id << " part " << p);
            if (row.missing.count(p))
            {
                EXPECT_EQ(list[p].nrpnMSB, 0xFF);
                EXPECT_EQ(list[p].nrpnLSB, 0xFF);
                continue;
            }
            EXPECT_EQ(list[p].nrpnMSB, kParts[p].msb);
            EXPECT_EQ(list[p].nrpnLSB, kParts[p].lsbBase + row.lsbOffset);
            EXPECT_EQ(list[p].channel, kParts[p].channel);
            EXPECT_EQ(list[p].is14bit, is14bit);
        }
    }
}

TEST_F(TablesTest, ControllersHaveTheDevicesNumbers)
{
    const std::pair<e_ParameterID, std::uint32_t> effects[] = {
        {PARAM_FX1_TYPE, 12}, {PARAM_FX1_EDIT1, 92}, {PARAM_FX1_EDIT2, 93}, {PARAM_FX1_MOTION_SEQ_SW, 20},
        {PARAM_FX2_TYPE, 13}, {PARAM_FX2_EDIT1, 94}, {PARAM_FX2_EDIT2, 95}, {PARAM_FX2_MOTION_SEQ_SW, 21},
        {PARAM_FX3_TYPE, 24}, {PARAM_FX3_EDIT1, 25}, {PARAM_FX3_EDIT2, 26}, {PARAM_FX3_MOTION_SEQ_SW, 22},
        {PARAM_FX_CHAIN, 23},
    };
    for (const auto& [id, controller] : effects)
    {
        const auto* d = static_cast<t_TypeStruct_MidiCC*>(synth.parameterLib_GetParameter(id)->descriptor);
        EXPECT_EQ(d->controller, controller) << id;
        EXPECT_EQ(d->channel, kAnyChannel) << id;
    }
    const std::uint32_t keyboard[] = {5,  83, 74, 71, 79, 18, 7,  10, 75, 86,
                                      85, 19, 91, 81, 87, 90, 89, 88, 82, 80};
    for (unsigned i = 0; i < std::size(keyboard); ++i)
    {
        const auto id = static_cast<e_ParameterID>(PARAM_KEYBOARD_GLIDE + i);
        t_Parameter* p = synth.parameterLib_GetParameter(id);
        ASSERT_EQ(p->kind, ParamType_MidiCCChannel) << id;
        EXPECT_EQ(static_cast<t_TypeStruct_MidiCCChannel*>(p->descriptor)->controller, keyboard[i]) << id;
    }
}

TEST_F(TablesTest, LookingUpAnAbsentIdGivesNull)
{
    for (unsigned id : {0u, 1u, 2u, unsigned(PARAM_END), 1000u})
        EXPECT_EQ(synth.parameterLib_GetParameter(static_cast<e_ParameterID>(id)), nullptr) << id;
    EXPECT_EQ(synth.parameterLib_GetParameter(PARAM_PATCH_NAME)->id, PARAM_PATCH_NAME);
    for (unsigned id : {1u, 2u, 3u, 18u, 19u, unsigned(EPARAM_END), 1000u})
        EXPECT_EQ(synth.parameterLib_GetParameterNameStringFromEditor(static_cast<e_EditorParameterID>(id)),
                  nullptr)
            << id;
    // The part selectors fill 95 to 102 and 104 to 108.
    EXPECT_STREQ(synth.parameterLib_GetParameterNameStringFromEditor(EPARAM_PART_DRUM2), "2");
    EXPECT_STREQ(synth.parameterLib_GetParameterNameStringFromEditor(EPARAM_PART_KEYBOARD2), "K2");
    EXPECT_EQ(synth.parameterLib_GetEditorParameter(EPARAM_END), nullptr);
    EXPECT_STREQ(synth.parameterLib_GetParameterNameStringFromEditor(EPARAM_MIX_FX_SEND_KEYBOARD1),
                 "FX Send K1");
}

TEST_F(TablesTest, ReadingAndWritingRowsWithoutAValueDoesNothing)
{
    for (e_ParameterID id :
         {PARAM_PATCH_NAME, PARAM_PATTERN_COPY, PARAM_MIDI_TEST, PARAM_END, static_cast<e_ParameterID>(15)})
    {
        synth.parameterLib_SetParameterValue(id, 0.5f, UPDATE_HOST | UPDATE_MIDI | UPDATE_EDITOR);
        EXPECT_EQ(synth.parameterLib_GetParameterValue(id), 0.0f) << id;
    }
    EXPECT_TRUE(host.automation().empty());
}

// --- NRPN matching ---------------------------------------------------------------------------------

TEST(NrpnMatching, AMessageMatchesAnEntryWhenCompleteAndAddressedToIt)
{
    const t_TypeStruct_MidiNRPN sevenBit{0.0f, 12, 6, 9, false};
    const t_TypeStruct_MidiNRPN fourteenBit{0.0f, 12, 0, 9, true};
    const t_TypeStruct_MidiNRPN anyChannel{0.0f, 12, 6, kAnyChannel, false};
    const t_TypeStruct_MidiNRPN noSuchParameter{0.0f, 0xFF, 0xFF, 9, false};
    struct Case
    {
        t_MidiNRPNData message;
        const t_TypeStruct_MidiNRPN* entry;
        bool matches;
    };
    const Case cases[] = {
        {{9, 12, 6, 5, 0xFF, false}, &sevenBit, true},
        {{9, 12, 6, 0xFF, 3, false}, &sevenBit, false},
        {{8, 12, 6, 5, 0, false}, &sevenBit, false},
        {{9, 12, 7, 5, 0, false}, &sevenBit, false},
        {{9, 13, 6, 5, 0, false}, &sevenBit, false},
        {{9, 12, 0, 5, 0xFF, false}, &fourteenBit, false},
        {{9, 12, 0, 5, 7, false}, &fourteenBit, true},
        {{3, 12, 6, 5, 0, false}, &anyChannel, true},
        {{15, 12, 6, 5, 0, false}, &anyChannel, true},
        {{9, 0xFF, 0xFF, 5, 0, false}, &noSuchParameter, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SynthCommons::parameterLib_NrpnIsMatching(&c.message, c.entry), c.matches)
            << "channel " << c.message.channel << " number " << int(c.message.nrpnMSB) << "/"
            << int(c.message.nrpnLSB) << " data " << int(c.message.dataMSB) << "/" << int(c.message.dataLSB);
    EXPECT_FALSE(SynthCommons::parameterLib_NrpnIsMatching(nullptr, &sevenBit));
    EXPECT_FALSE(SynthCommons::parameterLib_NrpnIsMatching(&cases[0].message, nullptr));

    const t_MidiNRPNData data{9, 12, 0, 3, 5, false};
    EXPECT_EQ(SynthCommons::parameterLib_GetNrpnData(&data, &fourteenBit), 3u * 128 + 5);
    EXPECT_EQ(SynthCommons::parameterLib_GetNrpnData(&data, &sevenBit), 3u);
}

// --- The shared mute list -----------------------------------------------------------------------

unsigned positionOf(e_ParameterID id)
{
    unsigned position = 0;
    while (c_Parameters[position].id != id)
        ++position;
    return position;
}

TEST_F(TablesTest, TheTwoMuteRowsShareOneWorkingList)
{
    EXPECT_EQ(nrpnList(synth, PARAM_GLOBAL_MUTE_PART1), nrpnList(synth, PARAM_GLOBAL_MUTE_PART2));
    EXPECT_EQ(synth.parameterLib_GetNRPNBitMaskGlobalData(positionOf(PARAM_GLOBAL_MUTE_PART2)),
              nrpnList(synth, PARAM_GLOBAL_MUTE_PART1));
    EXPECT_EQ(synth.parameterLib_GetNRPNBitMaskGlobalData(positionOf(PARAM_GLOBAL_MUTE_PART1)), nullptr);
    EXPECT_EQ(synth.parameterLib_GetNRPNBitMaskGlobalData(positionOf(PARAM_PART_LEVEL)), nullptr);
    EXPECT_EQ(synth.parameterLib_GetNRPNBitMaskGlobalData(100), nullptr);
    EXPECT_EQ(synth.parameterLib_GetNRPNBitMaskGlobalData(100000), nullptr);

    t_MidiNRPNData message{0, 15, 120, 1, 2, false};
    synth.parameterLib_SetParameterValueFromHW(&message);
    EXPECT_EQ(muteMask(synth, 1), 130u);
    EXPECT_EQ(floatToInt(nrpnList(synth, PARAM_GLOBAL_MUTE_PART1)[1].value), 130u);
}

TEST_F(TablesTest, InstancesDoNotShareValues)
{
    SynthCommons other(RecordingHost::callback);
    synth.setParameter(6, IntToFloat(11));
    other.setParameter(6, IntToFloat(99));
    synth.setParameter(65, 0.0f);
    other.setParameter(65, 1.0f);
    EXPECT_EQ(synth.getParameter(6), IntToFloat(11));
    EXPECT_EQ(other.getParameter(6), IntToFloat(99));
    EXPECT_EQ(synth.getParameter(65), 0.0f);
    EXPECT_EQ(other.getParameter(65), 1.0f);
}

// --- Views ---------------------------------------------------------------------------------------

std::vector<unsigned> editorRowsShowing(SynthCommons& synth, e_ParameterID id, unsigned index)
{
    std::vector<unsigned> rows;
    unsigned cursor = 0;
    while (const t_EditorParameter* row = synth.parameterLib_GetEditorParameter(&cursor, id, index))
        rows.push_back(row->id);
    return rows;
}

std::vector<unsigned> hostRowsShowing(SynthCommons& synth, e_ParameterID id, unsigned index)
{
    const t_HostParameter* out[8];
    const unsigned count = synth.parameterLib_GetHostParameter(id, index, out);
    std::vector<unsigned> rows;
    for (unsigned i = 0; i < count; ++i)
        rows.push_back(out[i]->id);
    return rows;
}

struct ViewCase
{
    e_ParameterID id;
    unsigned index;
    std::vector<unsigned> rows;
};

TEST_F(TablesTest, EditorRowsShowingADeviceParameter)
{
    const ViewCase cases[] = {
        // The mix strips beyond Drum1 and Keyboard1 start at 122 (levels), 135 (effect sends),
        // 148 (mutes) and 161 (samples), in mix order: Drum2..Drum7B, Keyboard2, Stretch1..AudioIn.
        {PARAM_PART_WAVE, 3, {43, 66, 111, 112, 161, 162, 163, 164, 165, 166, 167, 168, 169, 170, 171, 172}},
        {PARAM_PART_FX_SEND, 0, {57, 94}},
        {PARAM_PART_FX_SEND, 3, {57, 137}},
        {PARAM_PART_FX_SELECT,
         kNoIndex,
         {58, 94, 135, 136, 137, 138, 139, 140, 141, 142, 144, 145, 146, 147}},
        {PARAM_KEYBOARD_FX_SEND, 0, {80, 103}},
        {PARAM_KEYBOARD_FX_SELECT, 0, {81, 103}},
        {PARAM_KEYBOARD_FX_SELECT, 1, {81, 143}},
        {PARAM_GLOBAL_MUTE_PART2, 0, {109, 148, 149, 150, 151, 152, 153, 154, 155}},
        {PARAM_PART_MOD_DEST, 12, {62, 63}},
        {PARAM_KEYBOARD_LEVEL, 1, {74, 93, 130}},
    };
    for (const ViewCase& c : cases)
        EXPECT_EQ(editorRowsShowing(synth, c.id, c.index), c.rows) << c.id << " index " << c.index;
    EXPECT_EQ(synth.parameterLib_GetEditorParameter(nullptr, PARAM_PART_WAVE, 3)->id, EPARAM_PART_WAVE);
}

TEST_F(TablesTest, HostRowsShowingADeviceParameter)
{
    const ViewCase cases[] = {
        {PARAM_PART_WAVE, 0, {0, 1}},
        {PARAM_PART_WAVE, 13, {24, 25}},
        {PARAM_PART_SLICE, 0, {2, 3}},
        {PARAM_PART_SLICE, 13, {26, 27}},
        {PARAM_PART_FILTER_CUTOFF, 0, {6}},
        {PARAM_PART_LEVEL, 4, {}},
        {PARAM_FX1_TYPE, kNoIndex, {48}},
        {PARAM_FX1_TYPE, 3, {48}},
        {PARAM_KEYBOARD_GLIDE, 0, {28}},
        {PARAM_KEYBOARD_LEVEL, 1, {}},
        {PARAM_GLOBAL_MUTE_PART2, kNoIndex, {65}},
        {PARAM_GLOBAL_MUTE_PART2, 1, {}},
        {PARAM_GLOBAL_MUTE_PART1, 0, {66}},
        {PARAM_PART_FX_SEND, 0, {16}},
        {PARAM_MIDI_MODE, kNoIndex, {}},
    };
    for (const ViewCase& c : cases)
        EXPECT_EQ(hostRowsShowing(synth, c.id, c.index), c.rows) << c.id << " index " << c.index;
    EXPECT_EQ(synth.parameterLib_GetHostParameter(PARAM_PART_WAVE, 0, nullptr), 0u);
}

TEST_F(TablesTest, HostRowsOfAnEditorRowUseItsChooser)
{
    const t_HostParameter* out[8];
    EXPECT_EQ(synth.parameterLib_GetHostParameter(
                  synth.parameterLib_GetEditorParameter(EPARAM_MIX_WAVE_DRUM1), out),
              2u);
    EXPECT_EQ(synth.parameterLib_GetHostParameter(
                  synth.parameterLib_GetEditorParameter(EPARAM_MIX_WAVE_KEYBOARD1), out),
              2u);
    EXPECT_EQ(
        synth.parameterLib_GetHostParameter(synth.parameterLib_GetEditorParameter(EPARAM_FX1_TYPE), out), 1u);
    EXPECT_EQ(out[0]->id, HOSTPARAM_FX1_TYPE);
    EXPECT_EQ(synth.parameterLib_GetHostParameter(static_cast<t_EditorParameter*>(nullptr), out), 0u);
}

TEST_F(TablesTest, TheHostSeesSixtySevenNamedParameters)
{
    std::set<std::string> names;
    for (unsigned id = 0; id < HOSTPARAM_END; ++id)
    {
        const char* name =
            synth.parameterLib_GetParameterNameStringFromHost(static_cast<e_HostParameterID>(id));
        ASSERT_NE(name, nullptr) << id;
        names.insert(name);
    }
    EXPECT_EQ(names.size(), 67u);
    const std::pair<unsigned, const char*> samples[] = {
        {0, "D1 | SampleLSB"}, {6, "D1 | FilterCutoff"}, {28, "K1 | Pitch"}, {55, "FX2 | MotionSseq"},
        {60, "FX | Chain"},    {64, "RollType"},         {65, "Mute Drum1"}, {66, "Mute Keyboard1"},
    };
    for (const auto& [id, name] : samples)
        EXPECT_STREQ(synth.parameterLib_GetParameterNameStringFromHost(static_cast<e_HostParameterID>(id)),
                     name);
    EXPECT_EQ(synth.parameterLib_GetHostParameter(HOSTPARAM_END), nullptr);
    EXPECT_EQ(synth.parameterLib_GetHostParameter(static_cast<e_HostParameterID>(-1)), nullptr);
    EXPECT_EQ(synth.parameterLib_GetParameterNameStringFromHost(HOSTPARAM_END), nullptr);
}

TEST_F(TablesTest, EveryHostValueLiesBetween0And1)
{
    for (unsigned id = 0; id < HOSTPARAM_END; ++id)
    {
        synth.setParameter(static_cast<vst::int32>(id), 1.0f);
        const float value = synth.getParameter(static_cast<vst::int32>(id));
        EXPECT_GE(value, 0.0f) << id;
        EXPECT_LE(value, 1.0f) << id;
    }
}
} // namespace
