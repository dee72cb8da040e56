// The editor's parameters: what each panel parameter shows, with its value list and
// the chooser that picks the part, keyboard channel or mask bit it addresses.
#include "ParameterTables.h"

namespace
{
constexpr t_ChooserFunction Part = multiNRPNChooserCbk_CurrentPart_0_12;
constexpr t_ChooserFunction KbdPart = parameter_channelChange_GetCurrentChannel_13_14;
constexpr t_ChooserFunction KbdChannel = parameter_channelChange_GetCurrentChannel_1_2;
} // namespace

const t_EditorParameter c_EditorParameters[] = {
    // Top bar, setup page, mode and part selectors, command buttons.
    {EPARAM_PATCH_NAME, PARAM_PATCH_NAME, "PatchName", nullptr, nullptr},
    {EPARAM_SELECT_PROGRAM, PARAM_SELECT_PROGRAM, "", nullptr, nullptr},
    {EPARAM_DUMP_REQUEST_CURRENT, PARAM_DUMP_REQUEST_CURRENT, "Current", nullptr, nullptr},
    {EPARAM_DUMP_REQUEST_BANK_A, PARAM_DUMP_REQUEST_BANK_A, "Recv A", nullptr, nullptr},
    {EPARAM_MIDI_MODE, PARAM_MIDI_MODE, "", MIDI_MODE_DATA, nullptr},
    {EPARAM_KNOB_MODE, PARAM_KNOB_MODE, "", KNOB_MODE_DATA, nullptr},
    {EPARAM_PATTERN_COPY, PARAM_PATTERN_COPY, "Copy", nullptr, nullptr},
    {EPARAM_PATTERN_PASTE, PARAM_PATTERN_PASTE, "Paste", nullptr, nullptr},
    {EPARAM_PATTERN_RESET, PARAM_PATTERN_RESET, "Reset", nullptr, nullptr},
    {EPARAM_PART_COPY, PARAM_PART_COPY, "Copy", nullptr, nullptr},
    {EPARAM_PART_PASTE, PARAM_PART_PASTE, "Paste", nullptr, nullptr},
    {EPARAM_PART_RESET, PARAM_PART_RESET, "Reset", nullptr, nullptr},
    {EPARAM_QUESTION_YES, PARAM_QUESTION_YES, "", nullptr, nullptr},
    {EPARAM_QUESTION_NO, PARAM_QUESTION_NO, "", nullptr, nullptr},
    {EPARAM_MODE_SETUP, PARAM_MODE_SETUP, "S", nullptr, nullptr},
    {EPARAM_MIDI_OUT_DEVICE, PARAM_MIDI_OUT_DEVICE, "MIDI Out", nullptr, nullptr},
    {EPARAM_MIDI_IN_DEVICE, PARAM_MIDI_IN_DEVICE, "MIDI In", nullptr, nullptr},
    {EPARAM_MODE_PARTS, PARAM_MODE_PARTS, "P", nullptr, nullptr},
    {EPARAM_MODE_GLOBAL, PARAM_MODE_GLOBAL, "G", nullptr, nullptr},
    {EPARAM_MODE_MIX, PARAM_MODE_MIX, "M", nullptr, nullptr},
    {EPARAM_PART_DRUM1, PARAM_PART_DRUM1, "1", nullptr, nullptr},
    {EPARAM_PART_KEYBOARD1, PARAM_PART_KEYBOARD1, "K1", nullptr, nullptr},

    // Effects page.
    {EPARAM_FX1_TYPE, PARAM_FX1_TYPE, "FX1 type", PART_CC_DATA_FX_TYPE, nullptr},
    {EPARAM_FX1_EDIT1, PARAM_FX1_EDIT1, "FX1 edit1", nullptr, nullptr},
    {EPARAM_FX1_EDIT2, PARAM_FX1_EDIT2, "FX1 edit2", nullptr, nullptr},
    {EPARAM_FX1_MOTION_SEQ_SW, PARAM_FX1_MOTION_SEQ_SW, "Motion", PART_CC_DATA_STD_ON_OFF_64, nullptr},
    {EPARAM_FX2_TYPE, PARAM_FX2_TYPE, "FX2 type", PART_CC_DATA_FX_TYPE, nullptr},
    {EPARAM_FX2_EDIT1, PARAM_FX2_EDIT1, "FX2 edit1", nullptr, nullptr},
    {EPARAM_FX2_EDIT2, PARAM_FX2_EDIT2, "FX2 edit2", nullptr, nullptr},
    {EPARAM_FX2_MOTION_SEQ_SW, PARAM_FX2_MOTION_SEQ_SW, "Motion", PART_CC_DATA_STD_ON_OFF_64, nullptr},
    {EPARAM_FX3_TYPE, PARAM_FX3_TYPE, "FX3 type", PART_CC_DATA_FX_TYPE, nullptr},
    {EPARAM_FX3_EDIT1, PARAM_FX3_EDIT1, "FX3 edit1", nullptr, nullptr},
    {EPARAM_FX3_EDIT2, PARAM_FX3_EDIT2, "FX3 edit2", nullptr, nullptr},
    {EPARAM_FX3_MOTION_SEQ_SW, PARAM_FX3_MOTION_SEQ_SW, "Motion", PART_CC_DATA_STD_ON_OFF_64, nullptr},
    {EPARAM_FX_CHAIN, PARAM_FX_CHAIN, "FX chain", PART_CC_DATA_FX_CHAIN, nullptr},

    // Part page, parts 0 to 12.
    {EPARAM_PART_WAVE, PARAM_PART_WAVE, "Sample", nullptr, Part},
    {EPARAM_PART_SLICE, PARAM_PART_SLICE, "Slice", nullptr, Part},
    {EPARAM_PART_PITCH, PARAM_PART_PITCH, "Pitch", nullptr, Part},
    {EPARAM_PART_FILTER_TYPE, PARAM_PART_FILTER_TYPE, "Type", PART_CC_DATA_FILTER_TYPE, Part},
    {EPARAM_PART_FILTER_CUTOFF, PARAM_PART_FILTER_CUTOFF, "Cutoff", nullptr, Part},
    {EPARAM_PART_FILTER_RESONANCE, PARAM_PART_FILTER_RESONANCE, "Resonance", nullptr, Part},
    {EPARAM_PART_FILTER_EGINT, PARAM_PART_FILTER_EGINT, "Eg int", nullptr, Part},
    {EPARAM_PART_START, PARAM_PART_START, "Start", nullptr, Part},
    {EPARAM_PART_LEVEL, PARAM_PART_LEVEL, "Level", nullptr, Part},
    {EPARAM_PART_PAN, PARAM_PART_PAN, "Pan", nullptr, Part},
    {EPARAM_PART_EG_TIME, PARAM_PART_EG_TIME, "Eg time", nullptr, Part},
    {EPARAM_PART_AMP_EG, PARAM_PART_AMP_EG, "Amp eg", PART_CC_DATA_STD_ON_OFF_64, Part},
    {EPARAM_PART_ROLL, PARAM_PART_ROLL, "Roll", PART_CC_DATA_STD_ON_OFF_64, Part},
    {EPARAM_PART_REVERSE, PARAM_PART_REVERSE, "Reverse", PART_CC_DATA_STD_ON_OFF_64, Part},
    {EPARAM_PART_FX_SEND, PARAM_PART_FX_SEND, "FX send", PART_CC_DATA_STD_ON_OFF_64, Part},
    {EPARAM_PART_FX_SELECT, PARAM_PART_FX_SELECT, "Fx select", PART_CC_DATA_COMMON_FX_SELECT, Part},
    {EPARAM_PART_MOD_TYPE, PARAM_PART_MOD_TYPE, "Type", PART_CC_DATA_MOD_TYPE, Part},
    {EPARAM_PART_MOD_DEPTH, PARAM_PART_MOD_DEPTH, "Depth", nullptr, Part},
    {EPARAM_PART_MOD_SPEED, PARAM_PART_MOD_SPEED, "Speed", nullptr, Part},
    {EPARAM_PART_MOD_DEST, PARAM_PART_MOD_DEST, "Dest", PART_DATA_PART_MOD_DEST, Part},
    {EPARAM_PART_AUDIOIN_MOD_DEST, PARAM_PART_MOD_DEST, "Dest", PART_DATA_PART_AUDIOIN_MOD_DEST, Part},
    {EPARAM_PART_MOD_BPM_SYNC, PARAM_PART_MOD_BPM_SYNC, "BPM sync", PART_CC_DATA_STD_ON_OFF_64, Part},
    {EPARAM_PART_MOTION_SEQ_SW, PARAM_PART_MOTION_SEQ_SW, "Motion", PART_CC_DATA_COMMON_MOTION_SEQ_SW, Part},

    // Keyboard page.
    {EPARAM_KEYBOARD_WAVE, PARAM_PART_WAVE, "Sample", nullptr, KbdPart},
    {EPARAM_KEYBOARD_SLICE, PARAM_PART_SLICE, "Slice", nullptr, KbdPart},
    {EPARAM_KEYBOARD_GLIDE, PARAM_KEYBOARD_GLIDE, "Glide", nullptr, KbdChannel},
    {EPARAM_KEYBOARD_FILTER_TYPE, PARAM_KEYBOARD_FILTER_TYPE, "Type", PART_CC_DATA_FILTER_TYPE, KbdChannel},
    {EPARAM_KEYBOARD_FILTER_CUTOFF, PARAM_KEYBOARD_FILTER_CUTOFF, "Cutoff", nullptr, KbdChannel},
    {EPARAM_KEYBOARD_FILTER_RESONANCE, PARAM_KEYBOARD_FILTER_RESONANCE, "Resonance", nullptr, KbdChannel},
    {EPARAM_KEYBOARD_FILTER_EG_INT, PARAM_KEYBOARD_FILTER_EG_INT, "Eg int", nullptr, KbdChannel},
    {EPARAM_KEYBOARD_START, PARAM_KEYBOARD_START, "Start", nullptr, KbdChannel},
    {EPARAM_KEYBOARD_LEVEL, PARAM_KEYBOARD_LEVEL, "Level", nullptr, KbdChannel},
    {EPARAM_KEYBOARD_PAN, PARAM_KEYBOARD_PAN, "Pan", nullptr, KbdChannel},
    {EPARAM_KEYBOARD_EG_TIME, PARAM_KEYBOARD_EG_TIME, "Eg time", nullptr, KbdChannel},
    {EPARAM_KEYBOARD_AMP_EG, PARAM_KEYBOARD_AMP_EG, "Amp eg", PART_CC_DATA_STD_ON_OFF_64, KbdChannel},
    {EPARAM_KEYBOARD_ROLL, PARAM_KEYBOARD_ROLL, "Roll", PART_CC_DATA_STD_ON_OFF_64, KbdChannel},
    {EPARAM_KEYBOARD_REVERSE, PARAM_KEYBOARD_REVERSE, "Reverse", PART_CC_DATA_STD_ON_OFF_64, KbdChannel},
    {EPARAM_KEYBOARD_FX_SEND, PARAM_KEYBOARD_FX_SEND, "FX send", PART_CC_DATA_STD_ON_OFF_64, KbdChannel},
    {EPARAM_KEYBOARD_FX_SELECT, PARAM_KEYBOARD_FX_SELECT, "Fx select", PART_CC_DATA_COMMON_FX_SELECT,
     KbdChannel},
    {EPARAM_KEYBOARD_MOD_TYPE, PARAM_KEYBOARD_MOD_TYPE, "Type", PART_CC_DATA_MOD_TYPE, KbdChannel},
    {EPARAM_KEYBOARD_MOD_DEPTH, PARAM_KEYBOARD_MOD_DEPTH, "Depth", nullptr, KbdChannel},
    {EPARAM_KEYBOARD_MOD_SPEED, PARAM_KEYBOARD_MOD_SPEED, "Speed", nullptr, KbdChannel},
    {EPARAM_KEYBOARD_MOD_DEST, PARAM_KEYBOARD_MOD_DEST, "Dest", PART_DATA_PART_MOD_DEST, KbdChannel},
    {EPARAM_KEYBOARD_MOD_BPM_SYNC, PARAM_KEYBOARD_MOD_BPM_SYNC, "BPM sync", PART_CC_DATA_STD_ON_OFF_64,
     KbdChannel},
    {EPARAM_KEYBOARD_MOTION_SEQ_SW, PARAM_KEYBOARD_MOTION_SEQ_SW, "Motion", PART_CC_DATA_COMMON_MOTION_SEQ_SW,
     KbdChannel},

    // Global page.
    {EPARAM_GLOBAL_ACCENT_LEVEL, PARAM_GLOBAL_PART_ACC_LEVEL, "Accent", nullptr, nullptr},
    {EPARAM_GLOBAL_ACCENT_MOTION_SEQ_SW, PARAM_GLOBAL_PART_ACC_MOTION_SEQ_SW, "Motion",
     PART_DATA_GLOBAL_ACCENT_MOTION_SEQ_SW, nullptr},
    {EPARAM_GLOBAL_SWING, PARAM_GLOBAL_SWING, "Swing", nullptr, nullptr},
    {EPARAM_GLOBAL_ROLL_TYPE, PARAM_GLOBAL_ROLL_TYPE, "Roll type", GLOBAL_ROLL_TYPE, nullptr},

    // Mix page: Drum1 and Keyboard1.
    {EPARAM_MIX_LEVEL_DRUM1, PARAM_PART_LEVEL, "1", nullptr, chooserCbk_GetChannelOrIndex_0},
    {EPARAM_MIX_LEVEL_KEYBOARD1, PARAM_KEYBOARD_LEVEL, "K1", nullptr, chooserCbk_GetChannelOrIndex_0},
    {EPARAM_MIX_FX_SEND_DRUM1, PARAM_VIRTUAL_FX_SEND_PART, "FX Send D1", GLOBAL_MIX_FX_SEND,
     chooserCbk_GetChannelOrIndex_0},
    {EPARAM_MIX_FX_SEND_KEYBOARD1, PARAM_VIRTUAL_FX_SEND_KEYBOARD, "FX Send K1", GLOBAL_MIX_FX_SEND,
     chooserCbk_GetChannelOrIndex_0},
    {EPARAM_MIX_MUTE_DRUM1, PARAM_GLOBAL_MUTE_PART2, "", PART_CC_DATA_STD_ON_OFF_64,
     chooserCbk_GetChannelOrIndex_0},
    {EPARAM_MIX_MUTE_KEYBOARD1, PARAM_GLOBAL_MUTE_PART1, "", PART_CC_DATA_STD_ON_OFF_64,
     chooserCbk_GetChannelOrIndex_0},
    {EPARAM_MIX_WAVE_DRUM1, PARAM_PART_WAVE, "", nullptr, chooserCbk_GetChannelOrIndex_0},
    {EPARAM_MIX_WAVE_KEYBOARD1, PARAM_PART_WAVE, "", nullptr, chooserCbk_GetChannelOrIndex_13},
    {EPARAM_MIX_SLICE_DRUM1, PARAM_PART_SLICE, "", nullptr, chooserCbk_GetChannelOrIndex_0},
    {EPARAM_MIX_SLICE_KEYBOARD1, PARAM_PART_SLICE, "", nullptr, chooserCbk_GetChannelOrIndex_13},
    {EPARAM_MIX_PAN_DRUM1, PARAM_PART_PAN, "", nullptr, chooserCbk_GetChannelOrIndex_0},
    {EPARAM_MIX_PAN_KEYBOARD1, PARAM_KEYBOARD_PAN, "", nullptr, chooserCbk_GetChannelOrIndex_0},

    // MIDI interface test.
    {EPARAM_MIDI_TEST, PARAM_MIDI_TEST, "Test", nullptr, nullptr},
    {EPARAM_MIDI_TEST_CONTINUE1, PARAM_MIDI_TEST_CONTINUE1, "Continue", nullptr, nullptr},
    {EPARAM_MIDI_TEST_CONTINUE2, PARAM_MIDI_TEST_CONTINUE2, "Continue", nullptr, nullptr},
    {EPARAM_MIDI_TEST_RETRY, PARAM_MIDI_TEST_RETRY, "Retry", nullptr, nullptr},
    {EPARAM_MIDI_TEST_SEND_REPORT, PARAM_MIDI_TEST_SEND_REPORT, "Send report", nullptr, nullptr},

    {EPARAM_END, PARAM_END, nullptr, nullptr, nullptr},
};
