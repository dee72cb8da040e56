// The device parameter table: every parameter of the ESX with its kind and MIDI address.
#include "ParameterTables.h"

#include <array>

namespace
{
// The table only points at its descriptors; they are copied, never written.
template <typename T> constexpr void* desc(const T& descriptor)
{
    return const_cast<T*>(&descriptor);
}

// --- Per-part NRPN addresses ---------------------------------------------------------
// Part p's parameter with LSB offset o is NRPN M(p) / L(p) + o on MIDI channel Ch(p).
struct PartAddress
{
    std::uint8_t msb;
    std::uint8_t lsbBase;
    std::uint8_t midiChannel; // 1-based
};

constexpr PartAddress kPartAddresses[PART_COUNT] = {
    {12, 0, 10},  // Drum1
    {12, 32, 10}, // Drum2
    {12, 64, 10}, // Drum3
    {12, 96, 10}, // Drum4
    {13, 0, 10},  // Drum5
    {13, 32, 10}, // Drum6A
    {13, 64, 10}, // Drum6B
    {13, 96, 10}, // Drum7A
    {14, 0, 10},  // Drum7B
    {14, 96, 10}, // Stretch1
    {15, 0, 10},  // Stretch2
    {15, 32, 10}, // Slice
    {15, 64, 10}, // AudioIn
    {14, 32, 1},  // Keyboard1
    {14, 32, 2},  // Keyboard2
};

// Which parts have a parameter.
enum PartSet
{
    AllButKeyboards,        // parts 0 to 12
    NoAudioIn,              // parts 0 to 11
    WithKeyboardsNoAudioIn, // parts 0 to 11, 13, 14
    DrumsAndKeyboards,      // parts 0 to 8, 13, 14
};

constexpr bool partHas(PartSet set, unsigned part)
{
    switch (set)
    {
    case AllButKeyboards:
        return part <= PART_AUDIOIN;
    case NoAudioIn:
        return part < PART_AUDIOIN;
    case WithKeyboardsNoAudioIn:
        return part != PART_AUDIOIN;
    case DrumsAndKeyboards:
        return part <= PART_DRUM7B || part >= PART_KEYBOARD1;
    }
    return false;
}

constexpr unsigned partCount(PartSet set)
{
    return set == AllButKeyboards || set == NoAudioIn ? PART_KEYBOARD1 : PART_COUNT;
}

using PartList = std::array<t_TypeStruct_MidiNRPN, PART_COUNT + 1>;

constexpr t_TypeStruct_MidiNRPN kNoSuchParameter{0.0f, 0xFF, 0xFF, 9, false};

// The NRPN list of one part parameter: one entry per part, then the end entry.
constexpr PartList partList(std::uint8_t lsbOffset, PartSet set, bool is14bit)
{
    PartList list{};
    for (unsigned p = 0; p < partCount(set); ++p)
    {
        const PartAddress& a = kPartAddresses[p];
        list[p] = partHas(set, p)
                      ? t_TypeStruct_MidiNRPN{0.0f, a.msb, static_cast<std::uint8_t>(a.lsbBase + lsbOffset),
                                              a.midiChannel - 1u, is14bit}
                      : kNoSuchParameter;
    }
    return list; // the entry after the last part stays zero: the end entry
}

constexpr PartList kWaveList = partList(0, WithKeyboardsNoAudioIn, true);
constexpr PartList kSliceList = partList(2, DrumsAndKeyboards, true);
constexpr PartList kPitchList = partList(4, NoAudioIn, false);
constexpr PartList kFilterTypeList = partList(5, AllButKeyboards, false);
constexpr PartList kCutoffList = partList(6, AllButKeyboards, false);
constexpr PartList kResonanceList = partList(7, AllButKeyboards, false);
constexpr PartList kEgIntList = partList(8, AllButKeyboards, false);
constexpr PartList kStartList = partList(9, NoAudioIn, false);
constexpr PartList kLevelList = partList(10, AllButKeyboards, false);
constexpr PartList kPanList = partList(11, AllButKeyboards, false);
constexpr PartList kEgTimeList = partList(12, AllButKeyboards, false);
constexpr PartList kAmpEgList = partList(13, AllButKeyboards, false);
constexpr PartList kRollList = partList(14, AllButKeyboards, false);
constexpr PartList kReverseList = partList(15, NoAudioIn, false);
constexpr PartList kFxSendList = partList(16, AllButKeyboards, false);
constexpr PartList kFxSelectList = partList(17, AllButKeyboards, false);
constexpr PartList kModTypeList = partList(18, AllButKeyboards, false);
constexpr PartList kModDepthList = partList(19, AllButKeyboards, false);
constexpr PartList kModSpeedList = partList(20, AllButKeyboards, false);
constexpr PartList kModDestList = partList(21, AllButKeyboards, false);
constexpr PartList kBpmSyncList = partList(22, AllButKeyboards, false);
constexpr PartList kMotionSeqList = partList(23, AllButKeyboards, false);

constexpr t_TypeStruct_MultiNRPN multi(const PartList& list)
{
    return {const_cast<t_TypeStruct_MidiNRPN*>(list.data()), 0, 0};
}

constexpr t_TypeStruct_MultiNRPN kPartWave = multi(kWaveList);
constexpr t_TypeStruct_MultiNRPN kPartSlice = multi(kSliceList);
constexpr t_TypeStruct_MultiNRPN kPartPitch = multi(kPitchList);
constexpr t_TypeStruct_MultiNRPN kPartFilterType = multi(kFilterTypeList);
constexpr t_TypeStruct_MultiNRPN kPartCutoff = multi(kCutoffList);
constexpr t_TypeStruct_MultiNRPN kPartResonance = multi(kResonanceList);
constexpr t_TypeStruct_MultiNRPN kPartEgInt = multi(kEgIntList);
constexpr t_TypeStruct_MultiNRPN kPartStart = multi(kStartList);
constexpr t_TypeStruct_MultiNRPN kPartLevel = multi(kLevelList);
constexpr t_TypeStruct_MultiNRPN kPartPan = multi(kPanList);
constexpr t_TypeStruct_MultiNRPN kPartEgTime = multi(kEgTimeList);
constexpr t_TypeStruct_MultiNRPN kPartAmpEg = multi(kAmpEgList);
constexpr t_TypeStruct_MultiNRPN kPartRoll = multi(kRollList);
constexpr t_TypeStruct_MultiNRPN kPartReverse = multi(kReverseList);
constexpr t_TypeStruct_MultiNRPN kPartFxSend = multi(kFxSendList);
constexpr t_TypeStruct_MultiNRPN kPartFxSelect = multi(kFxSelectList);
constexpr t_TypeStruct_MultiNRPN kPartModType = multi(kModTypeList);
constexpr t_TypeStruct_MultiNRPN kPartModDepth = multi(kModDepthList);
constexpr t_TypeStruct_MultiNRPN kPartModSpeed = multi(kModSpeedList);
constexpr t_TypeStruct_MultiNRPN kPartModDest = multi(kModDestList);
constexpr t_TypeStruct_MultiNRPN kPartBpmSync = multi(kBpmSyncList);
constexpr t_TypeStruct_MultiNRPN kPartMotionSeq = multi(kMotionSeqList);

// --- Effects and global controllers: received on any channel, sent on channel 1 -------
constexpr t_TypeStruct_MidiCC kFx1Type{0.0f, 12, kAnyChannel};
constexpr t_TypeStruct_MidiCC kFx1Edit1{0.0f, 92, kAnyChannel};
constexpr t_TypeStruct_MidiCC kFx1Edit2{0.0f, 93, kAnyChannel};
constexpr t_TypeStruct_MidiCC kFx1MotionSeq{0.0f, 20, kAnyChannel};
constexpr t_TypeStruct_MidiCC kFx2Type{0.0f, 13, kAnyChannel};
constexpr t_TypeStruct_MidiCC kFx2Edit1{0.0f, 94, kAnyChannel};
constexpr t_TypeStruct_MidiCC kFx2Edit2{0.0f, 95, kAnyChannel};
constexpr t_TypeStruct_MidiCC kFx2MotionSeq{0.0f, 21, kAnyChannel};
constexpr t_TypeStruct_MidiCC kFx3Type{0.0f, 24, kAnyChannel};
constexpr t_TypeStruct_MidiCC kFx3Edit1{0.0f, 25, kAnyChannel};
constexpr t_TypeStruct_MidiCC kFx3Edit2{0.0f, 26, kAnyChannel};
constexpr t_TypeStruct_MidiCC kFx3MotionSeq{0.0f, 22, kAnyChannel};
constexpr t_TypeStruct_MidiCC kFxChain{0.0f, 23, kAnyChannel};

// --- Keyboard parts: controllers on MIDI channel 1 (Keyboard1) and 2 (Keyboard2) -------
constexpr t_TypeStruct_MidiCCChannel keyboardCC(std::uint32_t controller)
{
    return {controller, 0, 0, {0.0f, 0.0f}};
}

constexpr t_TypeStruct_MidiCCChannel kKeyboardGlide = keyboardCC(5);
constexpr t_TypeStruct_MidiCCChannel kKeyboardFilterType = keyboardCC(83);
constexpr t_TypeStruct_MidiCCChannel kKeyboardCutoff = keyboardCC(74);
constexpr t_TypeStruct_MidiCCChannel kKeyboardResonance = keyboardCC(71);
constexpr t_TypeStruct_MidiCCChannel kKeyboardEgInt = keyboardCC(79);
constexpr t_TypeStruct_MidiCCChannel kKeyboardStart = keyboardCC(18);
constexpr t_TypeStruct_MidiCCChannel kKeyboardLevel = keyboardCC(7);
constexpr t_TypeStruct_MidiCCChannel kKeyboardPan = keyboardCC(10);
constexpr t_TypeStruct_MidiCCChannel kKeyboardEgTime = keyboardCC(75);
constexpr t_TypeStruct_MidiCCChannel kKeyboardAmpEg = keyboardCC(86);
constexpr t_TypeStruct_MidiCCChannel kKeyboardRoll = keyboardCC(85);
constexpr t_TypeStruct_MidiCCChannel kKeyboardReverse = keyboardCC(19);
constexpr t_TypeStruct_MidiCCChannel kKeyboardFxSend = keyboardCC(91);
constexpr t_TypeStruct_MidiCCChannel kKeyboardFxSelect = keyboardCC(81);
constexpr t_TypeStruct_MidiCCChannel kKeyboardModType = keyboardCC(87);
constexpr t_TypeStruct_MidiCCChannel kKeyboardModDepth = keyboardCC(90);
constexpr t_TypeStruct_MidiCCChannel kKeyboardModSpeed = keyboardCC(89);
constexpr t_TypeStruct_MidiCCChannel kKeyboardModDest = keyboardCC(88);
constexpr t_TypeStruct_MidiCCChannel kKeyboardBpmSync = keyboardCC(82);
constexpr t_TypeStruct_MidiCCChannel kKeyboardMotionSeq = keyboardCC(80);

// --- Global NRPNs on MIDI channel 1 ------------------------------------------------------
constexpr t_TypeStruct_MidiNRPN kAccentLevel{0.0f, 11, 98, 0, false};
constexpr t_TypeStruct_MidiNRPN kAccentMotionSeq{0.0f, 11, 99, 0, false};
constexpr t_TypeStruct_MidiNRPN kSwing{0.0f, 11, 112, 0, false};
constexpr t_TypeStruct_MidiNRPN kRollType{0.0f, 11, 113, 0, false};

// Mute masks: entry 0 the keyboards' (bit 0 = Keyboard1), entry 1 the other parts'
// (bit 0 = Drum1). A change of either sends both.
constexpr t_TypeStruct_MidiNRPN kMuteList[] = {
    {0.0f, 15, 119, 0, true},
    {0.0f, 15, 120, 0, true},
    {0.0f, 0, 0, 0, false},
};
constexpr t_TypeStruct_NRPNBitMask kMuteKeyboards{
    const_cast<t_TypeStruct_MidiNRPN*>(kMuteList), 0, true, kNoIndex, kNoIndex, true};
constexpr t_TypeStruct_NRPNBitMask kMuteParts{
    const_cast<t_TypeStruct_MidiNRPN*>(kMuteList), 1, true, kNoIndex, kNoIndex, true};

// --- Plug-in state seen as parameters ---------------------------------------------------
constexpr t_TypeStruct_Callback kMidiModeCbk{parameterCallback_SetMidiMode, parameterCallback_GetMidiMode, 0};
constexpr t_TypeStruct_Callback kKnobModeCbk{parameterCallback_SetKnobMode, parameterCallback_GetKnobMode, 0};
constexpr t_TypeStruct_Callback kZoomCbk{parameterCallback_SetZoom, parameterCallback_GetZoom, 0};
constexpr t_TypeStruct_Callback kCompareCbk{parameterCallback_SetCompare, parameterCallback_GetCompare, 0};
constexpr t_TypeStruct_Callback kModeSetup{parameterCallback_SetMode, parameterCallback_GetMode, 5};
constexpr t_TypeStruct_Callback kModeParts{parameterCallback_SetMode, parameterCallback_GetMode, 0};
constexpr t_TypeStruct_Callback kModeGlobal{parameterCallback_SetMode, parameterCallback_GetMode, 2};
constexpr t_TypeStruct_Callback kModeMix{parameterCallback_SetMode, parameterCallback_GetMode, 1};
// The part selectors, one per part index.
constexpr std::array<t_TypeStruct_Callback, PART_COUNT> partSelectors()
{
    std::array<t_TypeStruct_Callback, PART_COUNT> selectors{};
    for (std::uint32_t part = 0; part < PART_COUNT; ++part)
        selectors[part] = {parameterCallback_SetPart, parameterCallback_GetPart, part};
    return selectors;
}
constexpr auto kPartSelect = partSelectors();

constexpr t_TypeStruct_ValueNoMidi kSelectProgram{0.0f};
constexpr t_TypeStruct_ValueNoMidi kMidiOutDevice{0.0f};
constexpr t_TypeStruct_ValueNoMidi kMidiInDevice{0.0f};

// --- Virtual parameters ------------------------------------------------------------------
constexpr t_TypeStruct_Virtual kWaveMSB{nullptr, nullptr,
                                        parameterLib_VirtualParamPartWaveMSB_SetParameterValueFromHostCbk,
                                        parameterLib_VirtualParamPartWaveMSB_GetParameterValueFromHostCbk};
constexpr t_TypeStruct_Virtual kWaveLSB{nullptr, nullptr,
                                        parameterLib_VirtualParamPartWaveLSB_SetParameterValueFromHostCbk,
                                        parameterLib_VirtualParamPartWaveLSB_GetParameterValueFromHostCbk};
constexpr t_TypeStruct_Virtual kSliceMSB{nullptr, nullptr,
                                         parameterLib_VirtualParamPartSliceMSB_SetParameterValueFromHostCbk,
                                         parameterLib_VirtualParamPartSliceMSB_GetParameterValueFromHostCbk};
constexpr t_TypeStruct_Virtual kSliceLSB{nullptr, nullptr,
                                         parameterLib_VirtualParamPartSliceLSB_SetParameterValueFromHostCbk,
                                         parameterLib_VirtualParamPartSliceLSB_GetParameterValueFromHostCbk};
constexpr t_TypeStruct_Virtual kPartFxSendMenu{
    parameterLib_VirtualParamPartFxSend_SetParameterValueFromEditorCbk,
    parameterLib_VirtualParamPartFxSend_GetParameterValueFromEditorCbk, nullptr, nullptr};
constexpr t_TypeStruct_Virtual kKeyboardFxSendMenu{
    parameterLib_VirtualParamKeyboardFxSend_SetParameterValueFromEditorCbk,
    parameterLib_VirtualParamKeyboardFxSend_GetParameterValueFromEditorCbk, nullptr, nullptr};
} // namespace

const t_Parameter c_Parameters[] = {
    {PARAM_PATCH_NAME, ParamType_Label, nullptr, nullptr},
    {PARAM_DUMP_REQUEST_CURRENT, ParamType_NoValue, nullptr, nullptr},
    {PARAM_DUMP_REQUEST_BANK_A, ParamType_NoValue, nullptr, nullptr},
    {PARAM_MIDI_MODE, ParamType_Callback, desc(kMidiModeCbk), nullptr},
    {PARAM_KNOB_MODE, ParamType_Callback, desc(kKnobModeCbk), nullptr},
    {PARAM_PATTERN_COPY, ParamType_NoValue, nullptr, nullptr},
    {PARAM_PATTERN_PASTE, ParamType_NoValue, nullptr, nullptr},
    {PARAM_PATTERN_RESET, ParamType_NoValue, nullptr, nullptr},
    {PARAM_PART_COPY, ParamType_NoValue, nullptr, nullptr},
    {PARAM_PART_PASTE, ParamType_NoValue, nullptr, nullptr},
    {PARAM_PART_RESET, ParamType_NoValue, nullptr, nullptr},
    {PARAM_SELECT_PROGRAM, ParamType_ValueNoMidi, desc(kSelectProgram), nullptr},
    {PARAM_LIBRARY_SAVE, ParamType_NoValue, nullptr, nullptr},
    {PARAM_LIBRARY_LOAD, ParamType_NoValue, nullptr, nullptr},
    {PARAM_LIBRARY_FILES, ParamType_NoValue, nullptr, nullptr},
    {PARAM_QUESTION_YES, ParamType_NoValue, nullptr, nullptr},
    {PARAM_QUESTION_NO, ParamType_NoValue, nullptr, nullptr},
    {PARAM_MODE_SETUP, ParamType_Callback, desc(kModeSetup), nullptr},
    {PARAM_MIDI_OUT_DEVICE, ParamType_ValueNoMidi, desc(kMidiOutDevice), nullptr},
    {PARAM_MIDI_IN_DEVICE, ParamType_ValueNoMidi, desc(kMidiInDevice), nullptr},
    {PARAM_MODE_PARTS, ParamType_Callback, desc(kModeParts), nullptr},
    {PARAM_MODE_GLOBAL, ParamType_Callback, desc(kModeGlobal), nullptr},
    {PARAM_MODE_MIX, ParamType_Callback, desc(kModeMix), nullptr},
    {PARAM_PART_DRUM1, ParamType_Callback, desc(kPartSelect[0]), nullptr},
    {PARAM_PART_KEYBOARD1, ParamType_Callback, desc(kPartSelect[13]), nullptr},
    {PARAM_FX1_TYPE, ParamType_MidiCC, desc(kFx1Type), nullptr},
    {PARAM_FX1_EDIT1, ParamType_MidiCC, desc(kFx1Edit1), nullptr},
    {PARAM_FX1_EDIT2, ParamType_MidiCC, desc(kFx1Edit2), nullptr},
    {PARAM_FX1_MOTION_SEQ_SW, ParamType_MidiCC, desc(kFx1MotionSeq), nullptr},
    {PARAM_FX2_TYPE, ParamType_MidiCC, desc(kFx2Type), nullptr},
    {PARAM_FX2_EDIT1, ParamType_MidiCC, desc(kFx2Edit1), nullptr},
    {PARAM_FX2_EDIT2, ParamType_MidiCC, desc(kFx2Edit2), nullptr},
    {PARAM_FX2_MOTION_SEQ_SW, ParamType_MidiCC, desc(kFx2MotionSeq), nullptr},
    {PARAM_FX3_TYPE, ParamType_MidiCC, desc(kFx3Type), nullptr},
    {PARAM_FX3_EDIT1, ParamType_MidiCC, desc(kFx3Edit1), nullptr},
    {PARAM_FX3_EDIT2, ParamType_MidiCC, desc(kFx3Edit2), nullptr},
    {PARAM_FX3_MOTION_SEQ_SW, ParamType_MidiCC, desc(kFx3MotionSeq), nullptr},
    {PARAM_FX_CHAIN, ParamType_MidiCC, desc(kFxChain), nullptr},
    {PARAM_PART_WAVE, ParamType_MultiNRPN, desc(kPartWave), nullptr},
    {PARAM_VIRTUAL_PART_WAVE_MSB, ParamType_Virtual, desc(kWaveMSB), nullptr},
    {PARAM_VIRTUAL_PART_WAVE_LSB, ParamType_Virtual, desc(kWaveLSB), nullptr},
    {PARAM_PART_SLICE, ParamType_MultiNRPN, desc(kPartSlice), nullptr},
    {PARAM_VIRTUAL_PART_SLICE_MSB, ParamType_Virtual, desc(kSliceMSB), nullptr},
    {PARAM_VIRTUAL_PART_SLICE_LSB, ParamType_Virtual, desc(kSliceLSB), nullptr},
    {PARAM_PART_PITCH, ParamType_MultiNRPN, desc(kPartPitch), nullptr},
    {PARAM_PART_FILTER_TYPE, ParamType_MultiNRPN, desc(kPartFilterType), nullptr},
    {PARAM_PART_FILTER_CUTOFF, ParamType_MultiNRPN, desc(kPartCutoff), nullptr},
    {PARAM_PART_FILTER_RESONANCE, ParamType_MultiNRPN, desc(kPartResonance), nullptr},
    {PARAM_PART_FILTER_EGINT, ParamType_MultiNRPN, desc(kPartEgInt), nullptr},
    {PARAM_PART_START, ParamType_MultiNRPN, desc(kPartStart), nullptr},
    {PARAM_PART_LEVEL, ParamType_MultiNRPN, desc(kPartLevel), nullptr},
    {PARAM_PART_PAN, ParamType_MultiNRPN, desc(kPartPan), nullptr},
    {PARAM_PART_EG_TIME, ParamType_MultiNRPN, desc(kPartEgTime), nullptr},
    {PARAM_PART_AMP_EG, ParamType_MultiNRPN, desc(kPartAmpEg), nullptr},
    {PARAM_PART_ROLL, ParamType_MultiNRPN, desc(kPartRoll), nullptr},
    {PARAM_PART_REVERSE, ParamType_MultiNRPN, desc(kPartReverse), nullptr},
    {PARAM_PART_FX_SEND, ParamType_MultiNRPN, desc(kPartFxSend), nullptr},
    {PARAM_PART_FX_SELECT, ParamType_MultiNRPN, desc(kPartFxSelect), nullptr},
    {PARAM_PART_MOD_TYPE, ParamType_MultiNRPN, desc(kPartModType), nullptr},
    {PARAM_PART_MOD_DEPTH, ParamType_MultiNRPN, desc(kPartModDepth), nullptr},
    {PARAM_PART_MOD_SPEED, ParamType_MultiNRPN, desc(kPartModSpeed), nullptr},
    {PARAM_PART_MOD_DEST, ParamType_MultiNRPN, desc(kPartModDest), nullptr},
    {PARAM_PART_MOD_BPM_SYNC, ParamType_MultiNRPN, desc(kPartBpmSync), nullptr},
    {PARAM_PART_MOTION_SEQ_SW, ParamType_MultiNRPN, desc(kPartMotionSeq), nullptr},
    {PARAM_KEYBOARD_GLIDE, ParamType_MidiCCChannel, desc(kKeyboardGlide), nullptr},
    {PARAM_KEYBOARD_FILTER_TYPE, ParamType_MidiCCChannel, desc(kKeyboardFilterType), nullptr},
    {PARAM_KEYBOARD_FILTER_CUTOFF, ParamType_MidiCCChannel, desc(kKeyboardCutoff), nullptr},
    {PARAM_KEYBOARD_FILTER_RESONANCE, ParamType_MidiCCChannel, desc(kKeyboardResonance), nullptr},
    {PARAM_KEYBOARD_FILTER_EG_INT, ParamType_MidiCCChannel, desc(kKeyboardEgInt), nullptr},
    {PARAM_KEYBOARD_START, ParamType_MidiCCChannel, desc(kKeyboardStart), nullptr},
    {PARAM_KEYBOARD_LEVEL, ParamType_MidiCCChannel, desc(kKeyboardLevel), nullptr},
    {PARAM_KEYBOARD_PAN, ParamType_MidiCCChannel, desc(kKeyboardPan), nullptr},
    {PARAM_KEYBOARD_EG_TIME, ParamType_MidiCCChannel, desc(kKeyboardEgTime), nullptr},
    {PARAM_KEYBOARD_AMP_EG, ParamType_MidiCCChannel, desc(kKeyboardAmpEg), nullptr},
    {PARAM_KEYBOARD_ROLL, ParamType_MidiCCChannel, desc(kKeyboardRoll), nullptr},
    {PARAM_KEYBOARD_REVERSE, ParamType_MidiCCChannel, desc(kKeyboardReverse), nullptr},
    {PARAM_KEYBOARD_FX_SEND, ParamType_MidiCCChannel, desc(kKeyboardFxSend), nullptr},
    {PARAM_KEYBOARD_FX_SELECT, ParamType_MidiCCChannel, desc(kKeyboardFxSelect), nullptr},
    {PARAM_KEYBOARD_MOD_TYPE, ParamType_MidiCCChannel, desc(kKeyboardModType), nullptr},
    {PARAM_KEYBOARD_MOD_DEPTH, ParamType_MidiCCChannel, desc(kKeyboardModDepth), nullptr},
    {PARAM_KEYBOARD_MOD_SPEED, ParamType_MidiCCChannel, desc(kKeyboardModSpeed), nullptr},
    {PARAM_KEYBOARD_MOD_DEST, ParamType_MidiCCChannel, desc(kKeyboardModDest), nullptr},
    {PARAM_KEYBOARD_MOD_BPM_SYNC, ParamType_MidiCCChannel, desc(kKeyboardBpmSync), nullptr},
    {PARAM_KEYBOARD_MOTION_SEQ_SW, ParamType_MidiCCChannel, desc(kKeyboardMotionSeq), nullptr},
    {PARAM_GLOBAL_PART_ACC_LEVEL, ParamType_NRPN, desc(kAccentLevel), nullptr},
    {PARAM_GLOBAL_PART_ACC_MOTION_SEQ_SW, ParamType_NRPN, desc(kAccentMotionSeq), nullptr},
    {PARAM_GLOBAL_SWING, ParamType_NRPN, desc(kSwing), nullptr},
    {PARAM_GLOBAL_ROLL_TYPE, ParamType_NRPN, desc(kRollType), nullptr},
    {PARAM_GLOBAL_MUTE_PART1, ParamType_NRPNBitMask, desc(kMuteKeyboards), nullptr},
    {PARAM_GLOBAL_MUTE_PART2, ParamType_NRPNBitMask, desc(kMuteParts), nullptr},
    {PARAM_VIRTUAL_FX_SEND_PART, ParamType_Virtual, desc(kPartFxSendMenu), nullptr},
    {PARAM_VIRTUAL_FX_SEND_KEYBOARD, ParamType_Virtual, desc(kKeyboardFxSendMenu), nullptr},
    {PARAM_MIDI_TEST, ParamType_NoValue, nullptr, nullptr},
    {PARAM_MIDI_TEST_CONTINUE1, ParamType_NoValue, nullptr, nullptr},
    {PARAM_MIDI_TEST_CONTINUE2, ParamType_NoValue, nullptr, nullptr},
    {PARAM_MIDI_TEST_RETRY, ParamType_NoValue, nullptr, nullptr},
    {PARAM_MIDI_TEST_SEND_REPORT, ParamType_NoValue, nullptr, nullptr},
    {PARAM_PART_DRUM2, ParamType_Callback, desc(kPartSelect[1]), nullptr},
    {PARAM_PART_DRUM3, ParamType_Callback, desc(kPartSelect[2]), nullptr},
    {PARAM_PART_DRUM4, ParamType_Callback, desc(kPartSelect[3]), nullptr},
    {PARAM_PART_DRUM5, ParamType_Callback, desc(kPartSelect[4]), nullptr},
    {PARAM_PART_DRUM6A, ParamType_Callback, desc(kPartSelect[5]), nullptr},
    {PARAM_PART_DRUM6B, ParamType_Callback, desc(kPartSelect[6]), nullptr},
    {PARAM_PART_DRUM7A, ParamType_Callback, desc(kPartSelect[7]), nullptr},
    {PARAM_PART_DRUM7B, ParamType_Callback, desc(kPartSelect[8]), nullptr},
    {PARAM_PART_STRETCH1, ParamType_Callback, desc(kPartSelect[9]), nullptr},
    {PARAM_PART_STRETCH2, ParamType_Callback, desc(kPartSelect[10]), nullptr},
    {PARAM_PART_SLICE_SELECT, ParamType_Callback, desc(kPartSelect[11]), nullptr},
    {PARAM_PART_AUDIOIN, ParamType_Callback, desc(kPartSelect[12]), nullptr},
    {PARAM_PART_KEYBOARD2, ParamType_Callback, desc(kPartSelect[14]), nullptr},
    {PARAM_UNDO, ParamType_NoValue, nullptr, nullptr},
    {PARAM_REDO, ParamType_NoValue, nullptr, nullptr},
    {PARAM_COMPARE, ParamType_Callback, desc(kCompareCbk), nullptr},
    {PARAM_ZOOM, ParamType_Callback, desc(kZoomCbk), nullptr},
    {PARAM_END, ParamType_End, nullptr, nullptr},
};
