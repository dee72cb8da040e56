// The initial pattern: every mapped field holds the parameter's initial value, and the
// plug-in starts with it applied.
#include "DeviceLayout.h"
#include "PluginFixture.h"
#include "sysex/InitPatterns.h"

#include <algorithm>
#include <vector>

namespace
{
// Initial MIDI values of the device's empty pattern; what is not listed starts at 0.
struct Initial
{
    unsigned value;
    std::vector<e_ParameterID> parameters;
};

const Initial kInitial[] = {
    {64,
     {PARAM_PART_PITCH, PARAM_PART_PAN, PARAM_PART_FILTER_EGINT, PARAM_PART_MOD_SPEED, PARAM_PART_MOD_DEPTH,
      PARAM_KEYBOARD_FILTER_EG_INT, PARAM_KEYBOARD_PAN, PARAM_KEYBOARD_EG_TIME, PARAM_KEYBOARD_MOD_DEPTH,
      PARAM_KEYBOARD_MOD_SPEED, PARAM_FX1_EDIT1, PARAM_FX1_EDIT2, PARAM_FX2_EDIT1, PARAM_FX2_EDIT2,
      PARAM_FX3_EDIT1, PARAM_FX3_EDIT2, PARAM_GLOBAL_PART_ACC_LEVEL}},
    {127, {PARAM_PART_FILTER_CUTOFF, PARAM_KEYBOARD_FILTER_CUTOFF}},
    {100, {PARAM_PART_LEVEL, PARAM_KEYBOARD_LEVEL}},
    {32, {PARAM_PART_MOD_TYPE, PARAM_KEYBOARD_MOD_TYPE}},  // "Tri"
    {8, {PARAM_FX1_TYPE, PARAM_FX2_TYPE, PARAM_FX3_TYPE}}, // "BPM Sync delay"
};

unsigned initialValue(e_ParameterID id, unsigned index)
{
    static const unsigned kWave[PART_COUNT] = {0, 21, 0, 0, 0, 54, 55, 0, 0, 183, 126, 165, 0, 138, 130};
    switch (id)
    {
    case PARAM_PART_WAVE:
        return kWave[index];
    case PARAM_PART_SLICE:
        return index <= PART_DRUM7B ? 128 : 0;
    case PARAM_PART_EG_TIME:
        return index == PART_AUDIOIN ? 64 : 127;
    case PARAM_PART_MOD_DEST:
        return index == PART_AUDIOIN ? 32 : 0; // "Cutoff" : "Pitch"
    default:
        for (const Initial& initial : kInitial)
            if (std::find(initial.parameters.begin(), initial.parameters.end(), id) !=
                initial.parameters.end())
                return initial.value;
        return 0;
    }
}
} // namespace

using InitPattern = PluginFixture;

TEST_F(InitPattern, EveryFieldHoldsItsInitialValue)
{
    std::copy(INIT_PATCH.begin(), INIT_PATCH.end(), synth->workingProgram.data);
    for (const layout::Spot& spot : layout::spots())
        EXPECT_EQ(read(spot.parameter, spot.index), IntToFloat(initialValue(spot.parameter, spot.index)))
            << "parameter " << spot.parameter << ", index " << spot.index;
}

TEST_F(InitPattern, IsNamedInitAndComesBackFromApplyAndFlushUnchanged)
{
    EXPECT_EQ(std::string(INIT_PATCH.begin(), INIT_PATCH.begin() + 8), "Init    ");
    std::copy(INIT_PATCH.begin(), INIT_PATCH.begin() + 8, synth->workingProgram.name);
    loadImage(Image(INIT_PATCH));
    flush();
    EXPECT_TRUE(imageIs(Image(INIT_PATCH)));
}

TEST_F(InitPattern, IsAppliedAtConstruction)
{
    for (const layout::Spot& spot : layout::spots())
        EXPECT_EQ(held(spot.parameter, spot.index), IntToFloat(initialValue(spot.parameter, spot.index)))
            << "parameter " << spot.parameter << ", index " << spot.index;
}
