// Where each parameter lives in the 4280-byte pattern image, and how it is coded there.
#pragma once

#include "ParameterTypes.h"

extern const t_RawDataValueConversionSruct RAW_DATA_CONV_FILTER_TYPE[];
extern const t_RawDataValueConversionSruct RAW_DATA_CONV_STD_ON_OFF_64[];
extern const t_RawDataValueConversionSruct RAW_DATA_CONV_COMMON_FX_SELECT[];
extern const t_RawDataValueConversionSruct RAW_DATA_CONV_MOD_TYPE[];
extern const t_RawDataValueConversionSruct RAW_DATA_CONV_MOD_DEST[];
extern const t_RawDataValueConversionSruct RAW_DATA_CONV_COMMON_MOTION_SEQ_SW[];
extern const t_RawDataValueConversionSruct RAW_DATA_CONV_FX_TYPE[];
extern const t_RawDataValueConversionSruct RAW_DATA_CONV_FX_CHAIN[];
extern const t_RawDataValueConversionSruct RAW_DATA_CONV_GLOBAL_ACCENT_MOTION_SEQ_SW[];
extern const t_RawDataValueConversionSruct RAW_DATA_CONV_GLOBAL_ROLL_TYPE[];

constexpr int kNoOffset = -1;

// A field of the pattern's global settings.
struct t_GlobalFieldLocation
{
    e_ParameterID parameter;
    int offset[2]; // for index 0 and 1; kNoOffset = none
    std::uint8_t shift;
    std::uint8_t width; // 0 = the whole byte
    const t_RawDataValueConversionSruct* conversion;
};

// A field of a part block, at its offset within each kind of block.
struct t_PartFieldLocation
{
    e_ParameterID parameter;
    int drum;     // parts 0 to 8
    int keyboard; // parts 13 and 14 (keyboard channels 0 and 1)
    int stretch;  // parts 9 to 11: Stretch1, Stretch2, Slice
    int audioIn;  // part 12
    std::uint8_t shift;
    std::uint8_t width;
    const t_RawDataValueConversionSruct* conversion;
};

extern const t_GlobalFieldLocation c_GlobalFieldLocations[];
extern const t_PartFieldLocation c_PartFieldLocations[];

// Offset of a part's block in the pattern image.
int partBlockOffset(unsigned part);
