#include "AudioEffect.h"

#include "AEffEditor.h"

#include <cstring>

namespace
{
AudioEffect* effectOf(AEffect* e)
{
    return e ? static_cast<AudioEffect*>(e->object) : nullptr;
}

vst::intptr dispatchEffectClass(AEffect* e, vst::int32 opcode, vst::int32 index, vst::intptr value, void* ptr,
                                float opt)
{
    AudioEffect* effect = effectOf(e);
    return effect ? effect->dispatcher(opcode, index, value, ptr, opt) : 0;
}

void setParameterClass(AEffect* e, vst::int32 index, float value)
{
    if (AudioEffect* effect = effectOf(e))
        effect->setParameter(index, value);
}

float getParameterClass(AEffect* e, vst::int32 index)
{
    AudioEffect* effect = effectOf(e);
    return effect ? effect->getParameter(index) : 0.0f;
}

// The accumulating process call is gone from version 2.4; a host that still uses it gets nothing.
void processClass(AEffect*, float**, float**, vst::int32) {}

void processReplacingClass(AEffect* e, float** inputs, float** outputs, vst::int32 frames)
{
    if (AudioEffect* effect = effectOf(e))
        effect->processReplacing(inputs, outputs, frames);
}

void processDoubleReplacingClass(AEffect* e, double** inputs, double** outputs, vst::int32 frames)
{
    if (AudioEffect* effect = effectOf(e))
        effect->processDoubleReplacing(inputs, outputs, frames);
}
} // namespace

void vst::copyString(char* dest, const char* source, int maxLength)
{
    if (!dest || maxLength <= 0)
        return;
    if (!source)
        source = "";
    const size_t length = strnlen(source, static_cast<size_t>(maxLength - 1));
    std::memcpy(dest, source, length);
    dest[length] = 0;
}

AudioEffect::AudioEffect(audioMasterCallback master, vst::int32 programs, vst::int32 params)
    : audioMaster(master), numPrograms(programs), numParams(params)
{
    cEffect.magic = kEffectMagic;
    cEffect.dispatcher = dispatchEffectClass;
    cEffect.process = processClass;
    cEffect.setParameter = setParameterClass;
    cEffect.getParameter = getParameterClass;
    cEffect.numPrograms = programs;
    cEffect.numParams = params;
    cEffect.numInputs = 1;
    cEffect.numOutputs = 2;
    cEffect.ioRatio = 1.0f;
    cEffect.object = this;
    cEffect.uniqueID = 0;
    cEffect.version = 1;
    cEffect.processReplacing = processReplacingClass;
    cEffect.processDoubleReplacing = processDoubleReplacingClass;
}

AudioEffect::~AudioEffect() = default;

void AudioEffect::setNumPrograms(vst::int32 count)
{
    numPrograms = count;
    cEffect.numPrograms = count;
}

void AudioEffect::setFlag(vst::int32 flag, bool state)
{
    if (state)
        cEffect.flags |= flag;
    else
        cEffect.flags &= ~flag;
}

void AudioEffect::setEditor(AEffEditor* newEditor)
{
    editor = newEditor;
    setFlag(effFlagsHasEditor, editor != nullptr);
}

vst::intptr AudioEffect::callHost(vst::int32 opcode, vst::int32 index, vst::intptr value, void* ptr,
                                  float opt)
{
    return audioMaster ? audioMaster(&cEffect, opcode, index, value, ptr, opt) : 0;
}

vst::int32 AudioEffect::getMasterVersion()
{
    const auto version = static_cast<vst::int32>(callHost(audioMasterVersion));
    return version ? version : 1;
}

void AudioEffect::setParameterAutomated(vst::int32 index, float value)
{
    setParameter(index, value);
    callHost(audioMasterAutomate, index, 0, nullptr, value);
}

vst::intptr AudioEffect::dispatchEditor(vst::int32 opcode, vst::int32 index, vst::intptr value, void* ptr,
                                        float opt)
{
    if (!editor)
        return 0;
    switch (opcode)
    {
    case effEditGetRect:
        return ptr && editor->getRect(static_cast<ERect**>(ptr)) ? 1 : 0;
    case effEditOpen:
        return editor->open(ptr) ? 1 : 0;
    case effEditClose:
        editor->close();
        return 0;
    case effEditIdle:
        editor->idle();
        return 0;
    case effEditKeyDown:
    case effEditKeyUp:
    {
        VstKeyCode key{index, static_cast<unsigned char>(value), static_cast<unsigned char>(opt)};
        const bool used = opcode == effEditKeyDown ? editor->onKeyDown(key) : editor->onKeyUp(key);
        return used ? 1 : 0;
    }
    case effSetEditKnobMode:
        return editor->setKnobMode(static_cast<vst::int32>(value)) ? 1 : 0;
    default:
        return 0;
    }
}

vst::intptr AudioEffect::dispatcher(vst::int32 opcode, vst::int32 index, vst::intptr value, void* ptr,
                                    float opt)
{
    char* text = static_cast<char*>(ptr);
    switch (opcode)
    {
    case effOpen:
        open();
        return 0;
    case effClose:
        close();
        delete this;
        return 1;
    case effSetProgram:
        if (value >= 0 && value < numPrograms)
            setProgram(static_cast<vst::int32>(value));
        return 0;
    case effGetProgram:
        return getProgram();
    case effSetProgramName:
        if (text)
            setProgramName(text);
        return 0;
    case effGetProgramName:
        if (text)
            getProgramName(text);
        return 0;
    case effGetParamLabel:
    case effGetParamDisplay:
    case effGetParamName:
        if (!text)
            return 0;
        *text = 0;
        if (index < 0 || index >= numParams)
            return 0;
        if (opcode == effGetParamLabel)
            getParameterLabel(index, text);
        else if (opcode == effGetParamDisplay)
            getParameterDisplay(index, text);
        else
            getParameterName(index, text);
        return 0;
    case effSetSampleRate:
        setSampleRate(opt);
        return 0;
    case effSetBlockSize:
        setBlockSize(static_cast<vst::int32>(value));
        return 0;
    case effMainsChanged:
        if (value)
            resume();
        else
            suspend();
        return 0;
    case effGetChunk:
        return ptr ? getChunk(static_cast<void**>(ptr), index != 0) : 0;
    case effSetChunk:
        return ptr && value > 0 ? setChunk(ptr, static_cast<vst::int32>(value), index != 0) : 0;
    case effEditGetRect:
    case effEditOpen:
    case effEditClose:
    case effEditIdle:
    case effEditKeyDown:
    case effEditKeyUp:
    case effSetEditKnobMode:
        return dispatchEditor(opcode, index, value, ptr, opt);
    default:
        return 0;
    }
}
