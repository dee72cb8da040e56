// Value lists of the editor parameters: MIDI data value and the text the panel shows.
#include "ParameterTables.h"

const t_ValueListEntry MIDI_MODE_DATA[] = {{0, "Host"}, {1, "Tether MIDI"}, {0, nullptr}};

const t_ValueListEntry KNOB_MODE_DATA[] = {{0, "Circular"}, {1, "Vertical"}, {0, nullptr}};
const t_ValueListEntry ZOOM_DATA[] = {{0, "100 %"}, {1, "150 %"}, {2, "200 %"}, {0, nullptr}};

const t_ValueListEntry PART_CC_DATA_FX_TYPE[] = {
    {0, "Reverb"},        {8, "BPM Sync delay"}, {16, "Short delay"}, {24, "Mod delay"},
    {32, "Gain shifter"}, {40, "CHO/FLG"},       {48, "Phaser"},      {56, "Ring mod"},
    {64, "Talking mod"},  {72, "Pitch shifter"}, {80, "Compressor"},  {88, "Distortion"},
    {96, "Decimator"},    {104, "EQ"},           {112, "LPF"},        {120, "HPF"},
    {0, nullptr},
};

const t_ValueListEntry PART_CC_DATA_STD_ON_OFF_64[] = {{0, "Off"}, {64, "On"}, {0, nullptr}};

const t_ValueListEntry PART_CC_DATA_FX_CHAIN[] = {
    {0, "None"}, {32, "FX1-FX2"}, {64, "FX2-FX3"}, {96, "FX1-FX2-FX3"}, {0, nullptr},
};

const t_ValueListEntry PART_CC_DATA_FILTER_TYPE[] = {
    {0, "LPF"}, {32, "HPF"}, {64, "BPF"}, {96, "BPF+"}, {0, nullptr},
};

const t_ValueListEntry PART_CC_DATA_COMMON_FX_SELECT[] = {{0, "FX1"}, {43, "FX2"}, {86, "FX3"}, {0, nullptr}};

const t_ValueListEntry PART_CC_DATA_MOD_TYPE[] = {
    {0, "Saw"}, {16, "Squ"}, {32, "Tri"}, {48, "S&H"}, {64, "EG"}, {0, nullptr},
};

const t_ValueListEntry PART_DATA_PART_MOD_DEST[] = {
    {0, "Pitch"}, {32, "Cutoff"}, {64, "Amp"}, {96, "Pan"}, {0, nullptr},
};

const t_ValueListEntry PART_DATA_PART_AUDIOIN_MOD_DEST[] = {
    {0, "Cutoff"}, {64, "Amp"}, {96, "Pan"}, {0, nullptr}};

const t_ValueListEntry PART_CC_DATA_COMMON_MOTION_SEQ_SW[] = {
    {0, "Off"},
    {43, "Smooth"},
    {86, "Trig hold"},
    {0, nullptr},
};

const t_ValueListEntry PART_DATA_GLOBAL_ACCENT_MOTION_SEQ_SW[] = {
    {0, "Off"}, {43, "Trig hold"}, {0, nullptr}};

const t_ValueListEntry GLOBAL_ROLL_TYPE[] = {{0, "2"}, {43, "3"}, {86, "4"}, {0, nullptr}};

// The effect send menu of the mix page: a title, a separator, "no send", then the effects.
const t_ValueListEntry GLOBAL_MIX_FX_SEND[] = {
    {0, "-TFX Send"}, {0, "-"}, {255, " -- "}, {0, "1"}, {43, "2"}, {86, "3"}, {0, nullptr},
};
