#include "InitPatterns.h"
#include "SyxFiles.h"

#include "../core/SynthCommons.h"
#include "../params/ParameterValues.h"
#include "../params/PatternImage.h"
#include "SysexFormat.h"

#include <cstring>

namespace
{
// A field's initial MIDI value for every index (part or keyboard channel) it has.
struct InitialValue
{
    e_ParameterID parameter;
    unsigned value;
};

constexpr InitialValue kInitialValues[] = {
    {PARAM_PART_PITCH, 64},
    {PARAM_PART_PAN, 64},
    {PARAM_PART_FILTER_EGINT, 64},
    {PARAM_PART_MOD_SPEED, 64},
    {PARAM_PART_MOD_DEPTH, 64},
    {PARAM_PART_FILTER_CUTOFF, 127},
    {PARAM_PART_LEVEL, 100},
    {PARAM_PART_EG_TIME, 127},
    {PARAM_PART_MOD_TYPE, 32},
    {PARAM_KEYBOARD_FILTER_CUTOFF, 127},
    {PARAM_KEYBOARD_FILTER_EG_INT, 64},
    {PARAM_KEYBOARD_LEVEL, 100},
    {PARAM_KEYBOARD_PAN, 64},
    {PARAM_KEYBOARD_EG_TIME, 64},
    {PARAM_KEYBOARD_MOD_TYPE, 32},
    {PARAM_KEYBOARD_MOD_DEPTH, 64},
    {PARAM_KEYBOARD_MOD_SPEED, 64},
    {PARAM_FX1_TYPE, 8},
    {PARAM_FX2_TYPE, 8},
    {PARAM_FX3_TYPE, 8},
    {PARAM_FX1_EDIT1, 64},
    {PARAM_FX1_EDIT2, 64},
    {PARAM_FX2_EDIT1, 64},
    {PARAM_FX2_EDIT2, 64},
    {PARAM_FX3_EDIT1, 64},
    {PARAM_FX3_EDIT2, 64},
    {PARAM_GLOBAL_PART_ACC_LEVEL, 64},
};

// Values that differ by part.
struct InitialPartValue
{
    e_ParameterID parameter;
    unsigned part;
    unsigned value;
};

constexpr InitialPartValue kInitialPartValues[] = {
    {PARAM_PART_WAVE, 1, 21},
    {PARAM_PART_WAVE, 5, 54},
    {PARAM_PART_WAVE, 6, 55},
    {PARAM_PART_WAVE, PART_STRETCH1, 183},
    {PARAM_PART_WAVE, PART_STRETCH2, 126},
    {PARAM_PART_WAVE, PART_SLICE, 165},
    {PARAM_PART_WAVE, PART_KEYBOARD1, 138},
    {PARAM_PART_WAVE, PART_KEYBOARD2, 130},
    {PARAM_PART_SLICE, 0, 128},
    {PARAM_PART_SLICE, 1, 128},
    {PARAM_PART_SLICE, 2, 128},
    {PARAM_PART_SLICE, 3, 128},
    {PARAM_PART_SLICE, 4, 128},
    {PARAM_PART_SLICE, 5, 128},
    {PARAM_PART_SLICE, 6, 128},
    {PARAM_PART_SLICE, 7, 128},
    {PARAM_PART_SLICE, 8, 128},
    {PARAM_PART_EG_TIME, PART_AUDIOIN, 64},
    {PARAM_PART_MOD_DEST, PART_AUDIOIN, 32},
};

constexpr char kInitName[] = "Init    ";

void writeInitial(std::uint8_t* image, e_ParameterID id, unsigned index, unsigned value)
{
    t_ParameterRawData raw;
    if (patternImageLocate(id, image, &raw) && index < kRawDataLocations && raw.location[index])
        patternImageWrite(id, raw, index, image, IntToFloat(value));
}

std::array<std::uint8_t, kInitPatternSize> buildInitPatch()
{
    std::array<std::uint8_t, kInitPatternSize> image{};
    std::memcpy(image.data(), kInitName, kPatternNameLength);
    for (const InitialValue& v : kInitialValues)
        for (unsigned index = 0; index < kRawDataLocations; ++index)
            writeInitial(image.data(), v.parameter, index, v.value);
    for (const InitialPartValue& v : kInitialPartValues)
        writeInitial(image.data(), v.parameter, v.part, v.value);
    return image;
}

std::vector<std::uint8_t> buildBankSysex()
{
    std::vector<std::uint8_t> bank;
    bank.reserve(kBankDataSize);
    for (int pattern = 0; pattern < kPatternsPerBank; ++pattern)
        bank.insert(bank.end(), INIT_PATCH.begin(), INIT_PATCH.end());
    return syxBankDump(3, bank.data());
}
} // namespace

// Built in this order when the module loads.
const std::array<std::uint8_t, kInitPatternSize> INIT_PATCH = buildInitPatch();
const std::vector<std::uint8_t> INIT_PATCH_SYSEX = syxPatternDump(INIT_PATCH.data());
const std::vector<std::uint8_t> INIT_BANK_SYSEX = buildBankSysex();
