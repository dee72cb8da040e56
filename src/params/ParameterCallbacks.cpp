// Callback parameters (plug-in state seen as parameters) and virtual parameters (the
// host's sample and slice halves, the mix page's effect send menu).
#include "../core/SynthCommons.h"
#include "../editor/SynthEditor.h"
#include "../gui/Zoom.h"
#include "ParameterTables.h"
#include "ParameterValues.h"

// --- Callback parameters -----------------------------------------------------------------

void parameterCallback_SetMode(SynthCommons* synth, std::uint32_t argument, float)
{
    synth->pluginMode = static_cast<int>(argument);
}

float parameterCallback_GetMode(SynthCommons* synth, std::uint32_t argument)
{
    return synth->pluginMode == static_cast<int>(argument) ? 1.0f : 0.0f;
}

void parameterCallback_SetPart(SynthCommons* synth, std::uint32_t argument, float)
{
    if (argument >= PART_COUNT)
        return;
    synth->currentPart = static_cast<int>(argument);
    if (argument == PART_KEYBOARD1)
        synth->currentChannel = kChannelKeyboard1;
    else if (argument == PART_KEYBOARD2)
        synth->currentChannel = kChannelKeyboard2;
    else
        synth->currentChannel = kChannelOtherParts;
}

float parameterCallback_GetPart(SynthCommons* synth, std::uint32_t argument)
{
    return synth->currentPart == static_cast<int>(argument) ? 1.0f : 0.0f;
}

void parameterCallback_SetKnobMode(SynthCommons* synth, std::uint32_t, float value)
{
    if (SynthEditor* editor = synth->getSynthEditor())
        editor->setKnobMode(value == 0.0f ? kKnobModeCircular : kKnobModeLinear);
}

float parameterCallback_GetKnobMode(SynthCommons* synth, std::uint32_t)
{
    SynthEditor* editor = synth->getSynthEditor();
    return editor && editor->getKnobMode() != kKnobModeCircular ? 1.0f : 0.0f;
}

// The zoom the user picks on the setup page; the editor applies it at its next idle.
void parameterCallback_SetZoom(SynthCommons* synth, std::uint32_t, float value)
{
    const unsigned step = floatToInt(value);
    if (SynthEditor* editor = synth->getSynthEditor(); editor && step < gui::kZoomStepCount)
        editor->requestZoom(gui::kZoomSteps[step]);
}

float parameterCallback_GetZoom(SynthCommons* synth, std::uint32_t)
{
    SynthEditor* editor = synth->getSynthEditor();
    for (int step = 0; editor && step < gui::kZoomStepCount; ++step)
        if (gui::kZoomSteps[step] == editor->getZoom())
            return IntToFloat(static_cast<unsigned>(step));
    return 0.0f;
}

void parameterCallback_SetMidiMode(SynthCommons* synth, std::uint32_t, float value)
{
    SynthEditor* editor = synth->getSynthEditor();
    if (synth->TetherMidiHostAvailable() && value == 0.0f)
    {
        synth->midiMode = MIDI_MODE_HOST;
        synth->TetherMidiOutClose();
        synth->TetherMidiInClose();
    }
    else
    {
        synth->midiMode = MIDI_MODE_TETHER;
        if (editor)
        {
            editor->editorControlsLib_SetControlValue(EPARAM_MIDI_OUT_DEVICE, nullptr, kNoIndex);
            editor->editorControlsLib_SetControlValue(EPARAM_MIDI_IN_DEVICE, nullptr, kNoIndex);
        }
    }
    if (editor && editor->isOpen())
    {
        editor->editorControlsLib_SetControlValue(EPARAM_MIDI_MODE, nullptr, kNoIndex);
        editor->editorControlsLib_UpdateVisibleContainers();
    }
}

float parameterCallback_GetMidiMode(SynthCommons* synth, std::uint32_t)
{
    if (!synth->TetherMidiHostAvailable())
        return 1.0f;
    return synth->midiMode == MIDI_MODE_TETHER ? 1.0f : 0.0f;
}

int parameter_GetCurrentPluginMode(SynthCommons* synth)
{
    return synth->pluginMode;
}

bool parameter_IsQuestionMode(SynthCommons* synth)
{
    SynthEditor* editor = synth->getSynthEditor();
    return editor && editor->questionPending;
}

// --- Sample and slice numbers as two 7-bit halves for the host -------------------------------

namespace
{
// Numbers 0 to 255 are a low half 0 to 127 and a high half 0 or 64 (128 added); 256 is "Off",
// which the high half shows as 1.0. While a number is "Off" the low half that the host writes
// is kept, so that automation replayed in any order of the two halves restores the number.
constexpr unsigned kNumberOff = 256;
constexpr unsigned kHighHalf = 128;
constexpr unsigned kHalfOff = 127;
constexpr unsigned kHalfHigh = 64;

unsigned readNumber(SynthCommons* synth, const t_HostParameter* h, e_ParameterID real)
{
    t_Parameter* r = synth->parameterLib_GetParameter(real);
    const unsigned n = r ? floatToInt(synth->parameterLib_GetParameterValueFromHost(h, r)) : 0;
    return n > kNumberOff ? kNumberOff : n;
}

void writeNumber(SynthCommons* synth, const t_HostParameter* h, e_ParameterID real, unsigned number)
{
    if (t_Parameter* r = synth->parameterLib_GetParameter(real))
        synth->parameterLib_SetParameterValueFromHost(h, r, IntToFloat(number));
}

// The low half of a number, or the one kept while it is "Off".
unsigned lowHalfOf(SynthCommons* synth, const t_HostParameter* h, e_ParameterID real, unsigned number)
{
    return number == kNumberOff ? synth->hostLowHalfKept(real, h->index) : number % kHighHalf;
}

float readLowHalf(SynthCommons* synth, const t_HostParameter* h, e_ParameterID real)
{
    return IntToFloat(lowHalfOf(synth, h, real, readNumber(synth, h, real)));
}

float readHighHalf(SynthCommons* synth, const t_HostParameter* h, e_ParameterID real)
{
    const unsigned n = readNumber(synth, h, real);
    return IntToFloat(n == kNumberOff ? kHalfOff : n >= kHighHalf ? kHalfHigh : 0);
}

void writeLowHalf(SynthCommons* synth, const t_HostParameter* h, e_ParameterID real, float value)
{
    const unsigned n = readNumber(synth, h, real);
    const unsigned m = floatToInt(value);
    synth->hostLowHalfKept(real, h->index) = m;
    if (n != kNumberOff)
        writeNumber(synth, h, real, (n >= kHighHalf ? kHighHalf : 0) + m);
}

void writeHighHalf(SynthCommons* synth, const t_HostParameter* h, e_ParameterID real, float value)
{
    const unsigned n = readNumber(synth, h, real);
    const unsigned low = lowHalfOf(synth, h, real, n);
    const unsigned half = floatToInt(value);
    synth->hostLowHalfKept(real, h->index) = low;
    if (half >= kHalfOff)
        writeNumber(synth, h, real, kNumberOff);
    else
        writeNumber(synth, h, real, (half >= kHalfHigh ? kHighHalf : 0) + low);
}
} // namespace

void parameterLib_VirtualParamPartWaveMSB_SetParameterValueFromHostCbk(SynthCommons* synth,
                                                                       const t_HostParameter* h, t_Parameter*,
                                                                       float value)
{
    writeHighHalf(synth, h, PARAM_PART_WAVE, value);
}

float parameterLib_VirtualParamPartWaveMSB_GetParameterValueFromHostCbk(SynthCommons* synth,
                                                                        const t_HostParameter* h,
                                                                        t_Parameter*)
{
    return readHighHalf(synth, h, PARAM_PART_WAVE);
}

void parameterLib_VirtualParamPartWaveLSB_SetParameterValueFromHostCbk(SynthCommons* synth,
                                                                       const t_HostParameter* h, t_Parameter*,
                                                                       float value)
{
    writeLowHalf(synth, h, PARAM_PART_WAVE, value);
}

float parameterLib_VirtualParamPartWaveLSB_GetParameterValueFromHostCbk(SynthCommons* synth,
                                                                        const t_HostParameter* h,
                                                                        t_Parameter*)
{
    return readLowHalf(synth, h, PARAM_PART_WAVE);
}

void parameterLib_VirtualParamPartSliceMSB_SetParameterValueFromHostCbk(SynthCommons* synth,
                                                                        const t_HostParameter* h,
                                                                        t_Parameter*, float value)
{
    writeHighHalf(synth, h, PARAM_PART_SLICE, value);
}

float parameterLib_VirtualParamPartSliceMSB_GetParameterValueFromHostCbk(SynthCommons* synth,
                                                                         const t_HostParameter* h,
                                                                         t_Parameter*)
{
    return readHighHalf(synth, h, PARAM_PART_SLICE);
}

void parameterLib_VirtualParamPartSliceLSB_SetParameterValueFromHostCbk(SynthCommons* synth,
                                                                        const t_HostParameter* h,
                                                                        t_Parameter*, float value)
{
    writeLowHalf(synth, h, PARAM_PART_SLICE, value);
}

float parameterLib_VirtualParamPartSliceLSB_GetParameterValueFromHostCbk(SynthCommons* synth,
                                                                         const t_HostParameter* h,
                                                                         t_Parameter*)
{
    return readLowHalf(synth, h, PARAM_PART_SLICE);
}

// --- The mix page's effect send menu: send switch and effect select as one -----------------

namespace
{
constexpr unsigned kNoFxSend = 255;

float readFxSend(SynthCommons* synth, t_EditorParameter* e, e_ParameterID sendSwitch, e_ParameterID select)
{
    t_Parameter* s = synth->parameterLib_GetParameter(sendSwitch);
    t_Parameter* f = synth->parameterLib_GetParameter(select);
    if (!s || !f)
        return 0.0f;
    if (floatToInt(synth->parameterLib_GetParameterValueFromEditor(e, s)) <= 63)
        return IntToFloat(kNoFxSend);
    return synth->parameterLib_GetParameterValueFromEditor(e, f);
}

void writeFxSend(SynthCommons* synth, t_EditorParameter* e, e_ParameterID sendSwitch, e_ParameterID select,
                 float value)
{
    t_Parameter* s = synth->parameterLib_GetParameter(sendSwitch);
    t_Parameter* f = synth->parameterLib_GetParameter(select);
    if (!s || !f)
        return;
    if (floatToInt(value) == kNoFxSend)
    {
        synth->parameterLib_SetParameterValueFromEditor(e, s, 0.0f);
        return;
    }
    synth->parameterLib_SetParameterValueFromEditor(e, s, IntToFloat(64));
    synth->parameterLib_SetParameterValueFromEditor(e, f, value);
}
} // namespace

void parameterLib_VirtualParamPartFxSend_SetParameterValueFromEditorCbk(SynthCommons* synth,
                                                                        t_EditorParameter* e, t_Parameter*,
                                                                        float value)
{
    writeFxSend(synth, e, PARAM_PART_FX_SEND, PARAM_PART_FX_SELECT, value);
}

float parameterLib_VirtualParamPartFxSend_GetParameterValueFromEditorCbk(SynthCommons* synth,
                                                                         t_EditorParameter* e, t_Parameter*)
{
    return readFxSend(synth, e, PARAM_PART_FX_SEND, PARAM_PART_FX_SELECT);
}

void parameterLib_VirtualParamKeyboardFxSend_SetParameterValueFromEditorCbk(SynthCommons* synth,
                                                                            t_EditorParameter* e,
                                                                            t_Parameter*, float value)
{
    writeFxSend(synth, e, PARAM_KEYBOARD_FX_SEND, PARAM_KEYBOARD_FX_SELECT, value);
}

float parameterLib_VirtualParamKeyboardFxSend_GetParameterValueFromEditorCbk(SynthCommons* synth,
                                                                             t_EditorParameter* e,
                                                                             t_Parameter*)
{
    return readFxSend(synth, e, PARAM_KEYBOARD_FX_SEND, PARAM_KEYBOARD_FX_SELECT);
}
