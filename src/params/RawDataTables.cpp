// The pattern image as the device lays it out: global fields, then one block per part.
#include "RawDataTables.h"

const t_RawDataValueConversionSruct RAW_DATA_CONV_FILTER_TYPE[] = {{0, 0}, {32, 1}, {64, 2}, {96, 3}, {0, 0}};
const t_RawDataValueConversionSruct RAW_DATA_CONV_STD_ON_OFF_64[] = {{0, 0}, {64, 1}, {0, 0}};
const t_RawDataValueConversionSruct RAW_DATA_CONV_COMMON_FX_SELECT[] = {{0, 0}, {43, 1}, {86, 2}, {0, 0}};
const t_RawDataValueConversionSruct RAW_DATA_CONV_MOD_TYPE[] = {{0, 0},  {16, 1}, {32, 2},
                                                                {48, 3}, {64, 4}, {0, 0}};
const t_RawDataValueConversionSruct RAW_DATA_CONV_MOD_DEST[] = {{0, 0}, {32, 1}, {64, 2}, {96, 3}, {0, 0}};
const t_RawDataValueConversionSruct RAW_DATA_CONV_COMMON_MOTION_SEQ_SW[] = {{0, 0}, {43, 1}, {86, 2}, {0, 0}};
const t_RawDataValueConversionSruct RAW_DATA_CONV_FX_TYPE[] = {
    {0, 0},  {8, 1},   {16, 2},  {24, 3},  {32, 4},   {40, 5},   {48, 6},   {56, 7}, {64, 8},
    {72, 9}, {80, 10}, {88, 11}, {96, 12}, {104, 13}, {112, 14}, {120, 15}, {0, 0},
};
const t_RawDataValueConversionSruct RAW_DATA_CONV_FX_CHAIN[] = {{0, 0}, {32, 1}, {64, 2}, {96, 3}, {0, 0}};
const t_RawDataValueConversionSruct RAW_DATA_CONV_GLOBAL_ACCENT_MOTION_SEQ_SW[] = {{0, 0}, {43, 1}, {0, 0}};
const t_RawDataValueConversionSruct RAW_DATA_CONV_GLOBAL_ROLL_TYPE[] = {{0, 0}, {43, 1}, {86, 2}, {0, 0}};

constexpr int N = kNoOffset;

// Byte 0 to 7 hold the pattern name, copied from the program's name before every flush.
const t_GlobalFieldLocation c_GlobalFieldLocations[] = {
    {PARAM_GLOBAL_SWING, {10, N}, 0, 0, nullptr}, // 0 to 25, special
    {PARAM_GLOBAL_ROLL_TYPE, {11, N}, 6, 2, RAW_DATA_CONV_GLOBAL_ROLL_TYPE},
    {PARAM_FX_CHAIN, {12, N}, 0, 0, RAW_DATA_CONV_FX_CHAIN},
    {PARAM_GLOBAL_MUTE_PART1, {16, N}, 0, 0, nullptr},  // bits 1 to 6, special
    {PARAM_GLOBAL_MUTE_PART2, {16, 17}, 0, 0, nullptr}, // bit 0 of 16 = bit 8, 17 = bits 0 to 7
    {PARAM_GLOBAL_PART_ACC_LEVEL, {1130, N}, 0, 0, nullptr},
    {PARAM_GLOBAL_PART_ACC_MOTION_SEQ_SW, {1131, N}, 0, 0, RAW_DATA_CONV_GLOBAL_ACCENT_MOTION_SEQ_SW},
    {PARAM_FX1_TYPE, {1148, N}, 0, 0, RAW_DATA_CONV_FX_TYPE},
    {PARAM_FX1_EDIT1, {1149, N}, 0, 0, nullptr},
    {PARAM_FX1_EDIT2, {1150, N}, 0, 0, nullptr},
    {PARAM_FX1_MOTION_SEQ_SW, {1151, N}, 0, 0, RAW_DATA_CONV_STD_ON_OFF_64},
    {PARAM_FX2_TYPE, {1152, N}, 0, 0, RAW_DATA_CONV_FX_TYPE},
    {PARAM_FX2_EDIT1, {1153, N}, 0, 0, nullptr},
    {PARAM_FX2_EDIT2, {1154, N}, 0, 0, nullptr},
    {PARAM_FX2_MOTION_SEQ_SW, {1155, N}, 0, 0, RAW_DATA_CONV_STD_ON_OFF_64},
    {PARAM_FX3_TYPE, {1156, N}, 0, 0, RAW_DATA_CONV_FX_TYPE},
    {PARAM_FX3_EDIT1, {1157, N}, 0, 0, nullptr},
    {PARAM_FX3_EDIT2, {1158, N}, 0, 0, nullptr},
    {PARAM_FX3_MOTION_SEQ_SW, {1159, N}, 0, 0, RAW_DATA_CONV_STD_ON_OFF_64},
    {PARAM_END, {N, N}, 0, 0, nullptr},
};

// Offsets within a part block. Byte 13 of a drum or keyboard block (11 stretch, 7 audio-in)
// is the switch byte, byte 14 (12, 8) the modulation byte.
const t_PartFieldLocation c_PartFieldLocations[] = {
    //  parameter                     drum keyboard stretch audioIn shift width conversion
    {PARAM_PART_WAVE, 0, 0, 0, N, 0, 0, nullptr}, // 16 bits, high byte first
    {PARAM_PART_SLICE, 2, 2, N, N, 0, 0, nullptr},
    {PARAM_KEYBOARD_GLIDE, N, 4, N, N, 0, 0, nullptr},
    {PARAM_PART_FILTER_TYPE, 4, N, 2, 0, 0, 0, nullptr},
    {PARAM_KEYBOARD_FILTER_TYPE, N, 5, N, N, 0, 0, RAW_DATA_CONV_FILTER_TYPE},
    {PARAM_PART_FILTER_CUTOFF, 5, N, 3, 1, 0, 0, nullptr},
    {PARAM_KEYBOARD_FILTER_CUTOFF, N, 6, N, N, 0, 0, nullptr},
    {PARAM_PART_FILTER_RESONANCE, 6, N, 4, 2, 0, 0, nullptr},
    {PARAM_KEYBOARD_FILTER_RESONANCE, N, 7, N, N, 0, 0, nullptr},
    {PARAM_PART_FILTER_EGINT, 7, N, 5, 3, 0, 0, nullptr},
    {PARAM_KEYBOARD_FILTER_EG_INT, N, 8, N, N, 0, 0, nullptr},
    {PARAM_PART_PITCH, 8, N, 6, N, 0, 0, nullptr},
    {PARAM_PART_LEVEL, 9, N, 7, 4, 0, 0, nullptr},
    {PARAM_KEYBOARD_LEVEL, N, 9, N, N, 0, 0, nullptr},
    {PARAM_PART_PAN, 10, N, 8, 5, 0, 0, nullptr},
    {PARAM_KEYBOARD_PAN, N, 10, N, N, 0, 0, nullptr},
    {PARAM_PART_EG_TIME, 11, N, 9, 6, 0, 0, nullptr},
    {PARAM_KEYBOARD_EG_TIME, N, 11, N, N, 0, 0, nullptr},
    {PARAM_PART_START, 12, N, 10, N, 0, 0, nullptr},
    {PARAM_KEYBOARD_START, N, 12, N, N, 0, 0, nullptr},
    {PARAM_PART_FX_SELECT, 13, N, 11, 7, 0, 2, RAW_DATA_CONV_COMMON_FX_SELECT},
    {PARAM_KEYBOARD_FX_SELECT, N, 13, N, N, 0, 2, RAW_DATA_CONV_COMMON_FX_SELECT},
    {PARAM_PART_FX_SEND, 13, N, 11, 7, 2, 1, RAW_DATA_CONV_STD_ON_OFF_64},
    {PARAM_KEYBOARD_FX_SEND, N, 13, N, N, 2, 1, RAW_DATA_CONV_STD_ON_OFF_64},
    {PARAM_PART_ROLL, 13, N, 11, 7, 3, 1, RAW_DATA_CONV_STD_ON_OFF_64},
    {PARAM_KEYBOARD_ROLL, N, 13, N, N, 3, 1, RAW_DATA_CONV_STD_ON_OFF_64},
    {PARAM_PART_AMP_EG, 13, N, 11, 7, 4, 1, RAW_DATA_CONV_STD_ON_OFF_64},
    {PARAM_KEYBOARD_AMP_EG, N, 13, N, N, 4, 1, RAW_DATA_CONV_STD_ON_OFF_64},
    {PARAM_PART_REVERSE, 13, N, 11, N, 5, 1, RAW_DATA_CONV_STD_ON_OFF_64},
    {PARAM_KEYBOARD_REVERSE, N, 13, N, N, 5, 1, RAW_DATA_CONV_STD_ON_OFF_64},
    {PARAM_PART_MOD_DEST, 14, N, 12, 8, 0, 3, RAW_DATA_CONV_MOD_DEST},
    {PARAM_KEYBOARD_MOD_DEST, N, 14, N, N, 0, 3, RAW_DATA_CONV_MOD_DEST},
    {PARAM_PART_MOD_TYPE, 14, N, 12, 8, 4, 3, RAW_DATA_CONV_MOD_TYPE},
    {PARAM_KEYBOARD_MOD_TYPE, N, 14, N, N, 4, 3, RAW_DATA_CONV_MOD_TYPE},
    {PARAM_PART_MOD_BPM_SYNC, 14, N, 12, 8, 7, 1, RAW_DATA_CONV_STD_ON_OFF_64},
    {PARAM_KEYBOARD_MOD_BPM_SYNC, N, 14, N, N, 7, 1, RAW_DATA_CONV_STD_ON_OFF_64},
    {PARAM_PART_MOD_SPEED, 15, N, 13, 9, 0, 0, nullptr},
    {PARAM_KEYBOARD_MOD_SPEED, N, 15, N, N, 0, 0, nullptr},
    {PARAM_PART_MOD_DEPTH, 16, N, 14, 10, 0, 0, nullptr},
    {PARAM_KEYBOARD_MOD_DEPTH, N, 16, N, N, 0, 0, nullptr},
    {PARAM_PART_MOTION_SEQ_SW, 17, N, 15, 11, 0, 0, RAW_DATA_CONV_COMMON_MOTION_SEQ_SW},
    {PARAM_KEYBOARD_MOTION_SEQ_SW, N, 17, N, N, 0, 0, RAW_DATA_CONV_COMMON_MOTION_SEQ_SW},
    {PARAM_END, N, N, N, N, 0, 0, nullptr},
};

int partBlockOffset(unsigned part)
{
    if (part <= PART_DRUM7B)
        return 24 + 34 * static_cast<int>(part);
    if (part <= PART_SLICE)
        return 878 + 32 * static_cast<int>(part - PART_STRETCH1);
    if (part == PART_AUDIOIN)
        return 974;
    if (part <= PART_KEYBOARD2)
        return 330 + 274 * static_cast<int>(part - PART_KEYBOARD1);
    return kNoOffset;
}
