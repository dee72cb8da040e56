// The constant parameter tables and the value lists and choosers they name.
#pragma once

#include "ParameterTypes.h"

extern const t_Parameter c_Parameters[];
extern const t_EditorParameter c_EditorParameters[];
extern const t_HostParameter c_HostParameters[];
extern const t_VirtualParameterMatch c_VirtualParametersMatchTable[];

// Value lists.
extern const t_ValueListEntry MIDI_MODE_DATA[];
extern const t_ValueListEntry KNOB_MODE_DATA[];
extern const t_ValueListEntry ZOOM_DATA[]; // the zoom steps (gui/Zoom.h), in their order
extern const t_ValueListEntry PART_CC_DATA_FX_TYPE[];
extern const t_ValueListEntry PART_CC_DATA_STD_ON_OFF_64[];
extern const t_ValueListEntry PART_CC_DATA_FX_CHAIN[];
extern const t_ValueListEntry PART_CC_DATA_FILTER_TYPE[];
extern const t_ValueListEntry PART_CC_DATA_COMMON_FX_SELECT[];
extern const t_ValueListEntry PART_CC_DATA_MOD_TYPE[];
extern const t_ValueListEntry PART_DATA_PART_MOD_DEST[];
extern const t_ValueListEntry PART_DATA_PART_AUDIOIN_MOD_DEST[];
extern const t_ValueListEntry PART_CC_DATA_COMMON_MOTION_SEQ_SW[];
extern const t_ValueListEntry PART_DATA_GLOBAL_ACCENT_MOTION_SEQ_SW[];
extern const t_ValueListEntry GLOBAL_ROLL_TYPE[];
extern const t_ValueListEntry GLOBAL_MIX_FX_SEND[];

// Choosers: which part, keyboard channel or mask bit an editor parameter addresses.
std::uint32_t multiNRPNChooserCbk_CurrentPart_0_12(SynthCommons* synth);
std::uint32_t parameter_channelChange_GetCurrentPart(SynthCommons* synth);
std::uint32_t parameter_channelChange_GetCurrentChannel_1_2(SynthCommons* synth);
std::uint32_t multiNRPNChooserCbk_CurrentChannel_1_2(SynthCommons* synth);
std::uint32_t parameter_channelChange_GetCurrentChannel_13_14(SynthCommons* synth);
std::uint32_t parameter_channelChange_GetCurrentChannel(SynthCommons* synth);
std::uint32_t chooserCbk_GetChannelOrIndex_0(SynthCommons* synth);
std::uint32_t chooserCbk_GetChannelOrIndex_1(SynthCommons* synth);
std::uint32_t chooserCbk_GetChannelOrIndex_2(SynthCommons* synth);
std::uint32_t chooserCbk_GetChannelOrIndex_3(SynthCommons* synth);
std::uint32_t chooserCbk_GetChannelOrIndex_4(SynthCommons* synth);
std::uint32_t chooserCbk_GetChannelOrIndex_5(SynthCommons* synth);
std::uint32_t chooserCbk_GetChannelOrIndex_6(SynthCommons* synth);
std::uint32_t chooserCbk_GetChannelOrIndex_7(SynthCommons* synth);
std::uint32_t chooserCbk_GetChannelOrIndex_8(SynthCommons* synth);
std::uint32_t chooserCbk_GetChannelOrIndex_9(SynthCommons* synth);
std::uint32_t chooserCbk_GetChannelOrIndex_10(SynthCommons* synth);
std::uint32_t chooserCbk_GetChannelOrIndex_11(SynthCommons* synth);
std::uint32_t chooserCbk_GetChannelOrIndex_12(SynthCommons* synth);
std::uint32_t chooserCbk_GetChannelOrIndex_13(SynthCommons* synth);
std::uint32_t chooserCbk_GetChannelOrIndex_14(SynthCommons* synth);

// Callback parameters: plug-in state seen as parameters.
void parameterCallback_SetMode(SynthCommons* synth, std::uint32_t argument, float value);
float parameterCallback_GetMode(SynthCommons* synth, std::uint32_t argument);
void parameterCallback_SetPart(SynthCommons* synth, std::uint32_t argument, float value);
float parameterCallback_GetPart(SynthCommons* synth, std::uint32_t argument);
void parameterCallback_SetKnobMode(SynthCommons* synth, std::uint32_t argument, float value);
float parameterCallback_GetKnobMode(SynthCommons* synth, std::uint32_t argument);
void parameterCallback_SetZoom(SynthCommons* synth, std::uint32_t argument, float value);
float parameterCallback_GetZoom(SynthCommons* synth, std::uint32_t argument);
void parameterCallback_SetMidiMode(SynthCommons* synth, std::uint32_t argument, float value);
float parameterCallback_GetMidiMode(SynthCommons* synth, std::uint32_t argument);
// Compare on (1) or off (0); the panel's Compare button.
void parameterCallback_SetCompare(SynthCommons* synth, std::uint32_t argument, float value);
float parameterCallback_GetCompare(SynthCommons* synth, std::uint32_t argument);

// Virtual parameters: the host's halves of sample and slice numbers.
void parameterLib_VirtualParamPartWaveMSB_SetParameterValueFromHostCbk(SynthCommons* synth,
                                                                       const t_HostParameter* h,
                                                                       t_Parameter* p, float value);
float parameterLib_VirtualParamPartWaveMSB_GetParameterValueFromHostCbk(SynthCommons* synth,
                                                                        const t_HostParameter* h,
                                                                        t_Parameter* p);
void parameterLib_VirtualParamPartWaveLSB_SetParameterValueFromHostCbk(SynthCommons* synth,
                                                                       const t_HostParameter* h,
                                                                       t_Parameter* p, float value);
float parameterLib_VirtualParamPartWaveLSB_GetParameterValueFromHostCbk(SynthCommons* synth,
                                                                        const t_HostParameter* h,
                                                                        t_Parameter* p);
void parameterLib_VirtualParamPartSliceMSB_SetParameterValueFromHostCbk(SynthCommons* synth,
                                                                        const t_HostParameter* h,
                                                                        t_Parameter* p, float value);
float parameterLib_VirtualParamPartSliceMSB_GetParameterValueFromHostCbk(SynthCommons* synth,
                                                                         const t_HostParameter* h,
                                                                         t_Parameter* p);
void parameterLib_VirtualParamPartSliceLSB_SetParameterValueFromHostCbk(SynthCommons* synth,
                                                                        const t_HostParameter* h,
                                                                        t_Parameter* p, float value);
float parameterLib_VirtualParamPartSliceLSB_GetParameterValueFromHostCbk(SynthCommons* synth,
                                                                         const t_HostParameter* h,
                                                                         t_Parameter* p);

// Virtual parameters: the mix page's effect send menu.
void parameterLib_VirtualParamPartFxSend_SetParameterValueFromEditorCbk(SynthCommons* synth,
                                                                        t_EditorParameter* e, t_Parameter* p,
                                                                        float value);
float parameterLib_VirtualParamPartFxSend_GetParameterValueFromEditorCbk(SynthCommons* synth,
                                                                         t_EditorParameter* e,
                                                                         t_Parameter* p);
void parameterLib_VirtualParamKeyboardFxSend_SetParameterValueFromEditorCbk(SynthCommons* synth,
                                                                            t_EditorParameter* e,
                                                                            t_Parameter* p, float value);
float parameterLib_VirtualParamKeyboardFxSend_GetParameterValueFromEditorCbk(SynthCommons* synth,
                                                                             t_EditorParameter* e,
                                                                             t_Parameter* p);

// State readers.
int parameter_GetCurrentPluginMode(SynthCommons* synth);
bool parameter_IsQuestionMode(SynthCommons* synth);
