// The extended plug-in base of VST 2.x: events, pins, identity strings, capabilities
// and the host calls that go with them.
#pragma once

#include "AudioEffect.h"

class AudioEffectX : public AudioEffect
{
public:
    AudioEffectX(audioMasterCallback audioMaster, vst::int32 numPrograms, vst::int32 numParams);

    vst::intptr dispatcher(vst::int32 opcode, vst::int32 index, vst::intptr value, void* ptr,
                           float opt) override;

    // Events from the host.
    virtual vst::int32 processEvents(VstEvents* /*events*/) { return 0; }

    // Parameters and programs.
    virtual bool canParameterBeAutomated(vst::int32 /*index*/) { return true; }
    virtual bool getProgramNameIndexed(vst::int32 /*category*/, vst::int32 /*index*/, char* /*text*/)
    {
        return false;
    }
    virtual bool beginSetProgram() { return false; }
    virtual bool endSetProgram() { return false; }
    virtual vst::int32 beginLoadBank(void* /*patchChunkInfo*/) { return 0; }
    virtual vst::int32 beginLoadProgram(void* /*patchChunkInfo*/) { return 0; }

    // Connections.
    virtual bool getInputProperties(vst::int32 /*index*/, VstPinProperties* /*properties*/) { return false; }
    virtual bool getOutputProperties(vst::int32 /*index*/, VstPinProperties* /*properties*/) { return false; }
    virtual VstPlugCategory getPlugCategory();

    // Identity and capabilities.
    virtual bool getEffectName(char* /*name*/) { return false; }
    virtual bool getVendorString(char* /*text*/) { return false; }
    virtual bool getProductString(char* /*text*/) { return false; }
    virtual vst::int32 getVendorVersion() { return 0; }
    virtual vst::int32 canDo(char* /*text*/) { return 0; }
    virtual vst::int32 getVstVersion() { return 2400; }
    virtual vst::int32 getGetTailSize() { return 0; }
    virtual vst::int32 getNumMidiInputChannels() { return 0; }
    virtual vst::int32 getNumMidiOutputChannels() { return 0; }
    // Calls of the plug-in's own that a host made for it may send; 0 for none.
    virtual vst::intptr vendorSpecific(vst::int32 /*index*/, vst::intptr /*value*/, void* /*ptr*/,
                                       float /*opt*/)
    {
        return 0;
    }

    // MIDI program names.
    virtual vst::int32 getMidiProgramName(vst::int32 /*channel*/, void* /*program*/) { return 0; }
    virtual vst::int32 getCurrentMidiProgram(vst::int32 /*channel*/, void* /*program*/) { return -1; }
    virtual vst::int32 getMidiProgramCategory(vst::int32 /*channel*/, void* /*category*/) { return 0; }
    virtual bool hasMidiProgramsChanged(vst::int32 /*channel*/) { return false; }
    virtual bool getMidiKeyName(vst::int32 /*channel*/, void* /*keyName*/) { return false; }

    // Set-up and host calls.
    virtual void isSynth(bool state = true) { setFlag(effFlagsIsSynth, state); }
    virtual void noTail(bool state = true) { setFlag(effFlagsNoSoundInStop, state); }
    virtual bool getHostProductString(char* text);
    virtual bool getHostVendorString(char* text);
    virtual vst::int32 getHostVendorVersion();
    virtual bool sendVstEventsToHost(VstEvents* events);
    virtual bool updateDisplay();
    virtual bool beginEdit(vst::int32 index);
    virtual bool endEdit(vst::int32 index);
    virtual bool ioChanged();
    // Asks the host to give the editor's window this size (pixels); false when it refused.
    virtual bool sizeWindow(vst::int32 width, vst::int32 height);
};
