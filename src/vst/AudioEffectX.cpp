#include "AudioEffectX.h"

AudioEffectX::AudioEffectX(audioMasterCallback master, vst::int32 programs, vst::int32 params)
    : AudioEffect(master, programs, params)
{
}

VstPlugCategory AudioEffectX::getPlugCategory()
{
    return (cEffect.flags & effFlagsIsSynth) ? kPlugCategSynth : kPlugCategUnknown;
}

bool AudioEffectX::getHostProductString(char* text)
{
    return text && callHost(audioMasterGetProductString, 0, 0, text) != 0;
}

bool AudioEffectX::getHostVendorString(char* text)
{
    return text && callHost(audioMasterGetVendorString, 0, 0, text) != 0;
}

vst::int32 AudioEffectX::getHostVendorVersion()
{
    return static_cast<vst::int32>(callHost(audioMasterGetVendorVersion));
}

bool AudioEffectX::sendVstEventsToHost(VstEvents* events)
{
    return events && callHost(audioMasterProcessEvents, 0, 0, events) == 1;
}

bool AudioEffectX::updateDisplay()
{
    return callHost(audioMasterUpdateDisplay) != 0;
}

bool AudioEffectX::beginEdit(vst::int32 index)
{
    return callHost(audioMasterBeginEdit, index) != 0;
}

bool AudioEffectX::endEdit(vst::int32 index)
{
    return callHost(audioMasterEndEdit, index) != 0;
}

bool AudioEffectX::ioChanged()
{
    return callHost(audioMasterIOChanged) != 0;
}

bool AudioEffectX::sizeWindow(vst::int32 width, vst::int32 height)
{
    return callHost(audioMasterSizeWindow, width, height) != 0;
}

vst::intptr AudioEffectX::dispatcher(vst::int32 opcode, vst::int32 index, vst::intptr value, void* ptr,
                                     float opt)
{
    char* text = static_cast<char*>(ptr);
    const auto channel = static_cast<vst::int32>(index);
    switch (opcode)
    {
    case effProcessEvents:
        return ptr ? processEvents(static_cast<VstEvents*>(ptr)) : 1;
    case effCanBeAutomated:
        return index >= 0 && index < numParams && canParameterBeAutomated(index) ? 1 : 0;
    case effGetProgramNameIndexed:
        return text && getProgramNameIndexed(static_cast<vst::int32>(value), index, text) ? 1 : 0;
    case effGetInputProperties:
        return ptr && getInputProperties(index, static_cast<VstPinProperties*>(ptr)) ? 1 : 0;
    case effGetOutputProperties:
        return ptr && getOutputProperties(index, static_cast<VstPinProperties*>(ptr)) ? 1 : 0;
    case effGetPlugCategory:
        return getPlugCategory();
    case effGetEffectName:
        return text && getEffectName(text) ? 1 : 0;
    case effGetVendorString:
        return text && getVendorString(text) ? 1 : 0;
    case effGetProductString:
        return text && getProductString(text) ? 1 : 0;
    case effGetVendorVersion:
        return getVendorVersion();
    case effCanDo:
        return text ? canDo(text) : -1;
    case effVendorSpecific:
        return vendorSpecific(index, value, ptr, opt);
    case effGetTailSize:
        return getGetTailSize();
    case effGetVstVersion:
        return getVstVersion();
    case effGetMidiProgramName:
        return ptr ? getMidiProgramName(channel, ptr) : 0;
    case effGetCurrentMidiProgram:
        return ptr ? getCurrentMidiProgram(channel, ptr) : 0;
    case effGetMidiProgramCategory:
        return ptr ? getMidiProgramCategory(channel, ptr) : 0;
    case effHasMidiProgramsChanged:
        return hasMidiProgramsChanged(channel) ? 1 : 0;
    case effGetMidiKeyName:
        return ptr && getMidiKeyName(channel, ptr) ? 1 : 0;
    case effBeginSetProgram:
        return beginSetProgram() ? 1 : 0;
    case effEndSetProgram:
        return endSetProgram() ? 1 : 0;
    case effBeginLoadBank:
        return beginLoadBank(ptr);
    case effBeginLoadProgram:
        return beginLoadProgram(ptr);
    case effGetNumMidiInputChannels:
        return getNumMidiInputChannels();
    case effGetNumMidiOutputChannels:
        return getNumMidiOutputChannels();
    default:
        return AudioEffect::dispatcher(opcode, index, value, ptr, opt);
    }
}
