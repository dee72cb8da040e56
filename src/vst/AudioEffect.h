// Base class of a VST 2.4 plug-in: owns the AEffect record that the host sees and
// turns the host's dispatcher calls into virtual member calls.
#pragma once

#include "VstInterface.h"

class AEffEditor;

class AudioEffect
{
public:
    AudioEffect(audioMasterCallback audioMaster, vst::int32 numPrograms, vst::int32 numParams);
    virtual ~AudioEffect();

    AEffect* getAeffect() { return &cEffect; }
    virtual vst::intptr dispatcher(vst::int32 opcode, vst::int32 index, vst::intptr value, void* ptr,
                                   float opt);

    // Life cycle.
    virtual void open() {}
    virtual void close() {}
    virtual void suspend() {}
    virtual void resume() {}

    // Processing.
    virtual void setSampleRate(float rate) { sampleRate = rate; }
    virtual void setBlockSize(vst::int32 size) { blockSize = size; }
    virtual void processReplacing(float** inputs, float** outputs, vst::int32 frames) = 0;
    virtual void processDoubleReplacing(double** /*inputs*/, double** /*outputs*/, vst::int32 /*frames*/) {}

    // Parameters.
    virtual void setParameter(vst::int32 /*index*/, float /*value*/) {}
    virtual float getParameter(vst::int32 /*index*/) { return 0.0f; }
    // Sets a parameter and reports it to the host's automation.
    virtual void setParameterAutomated(vst::int32 index, float value);
    virtual void getParameterLabel(vst::int32 /*index*/, char* label) { *label = 0; }
    virtual void getParameterDisplay(vst::int32 /*index*/, char* text) { *text = 0; }
    virtual void getParameterName(vst::int32 /*index*/, char* text) { *text = 0; }

    // Programs and persistence.
    virtual vst::int32 getProgram() { return curProgram; }
    virtual void setProgram(vst::int32 program) { curProgram = program; }
    virtual void setProgramName(char* /*name*/) {}
    virtual void getProgramName(char* name) { *name = 0; }
    virtual vst::int32 getChunk(void** /*data*/, bool /*isPreset*/) { return 0; }
    virtual vst::int32 setChunk(void* /*data*/, vst::int32 /*byteSize*/, bool /*isPreset*/) { return 0; }

    // Set-up, usually called from the constructor.
    virtual void setUniqueID(vst::int32 id) { cEffect.uniqueID = id; }
    // The plug-in's own version in its record (1 until set).
    virtual void setVersion(vst::int32 version) { cEffect.version = version; }
    virtual void setNumInputs(vst::int32 count) { cEffect.numInputs = count; }
    virtual void setNumOutputs(vst::int32 count) { cEffect.numOutputs = count; }
    virtual void setNumPrograms(vst::int32 count);
    virtual void canProcessReplacing(bool state = true) { setFlag(effFlagsCanReplacing, state); }
    virtual void canDoubleReplacing(bool state = true) { setFlag(effFlagsCanDoubleReplacing, state); }
    virtual void programsAreChunks(bool state = true) { setFlag(effFlagsProgramChunks, state); }
    virtual void setInitialDelay(vst::int32 delay) { cEffect.initialDelay = delay; }

    // Editor.
    virtual void setEditor(AEffEditor* newEditor);
    virtual AEffEditor* getEditor() { return editor; }

    // Host queries.
    // The host's VST version; 1 for a host that does not answer.
    virtual vst::int32 getMasterVersion();
    virtual float getSampleRate() { return sampleRate; }
    virtual vst::int32 getBlockSize() { return blockSize; }

protected:
    vst::intptr callHost(vst::int32 opcode, vst::int32 index = 0, vst::intptr value = 0, void* ptr = nullptr,
                         float opt = 0.0f);
    void setFlag(vst::int32 flag, bool state);

    audioMasterCallback audioMaster = nullptr;
    AEffEditor* editor = nullptr;
    float sampleRate = 44100.0f;
    vst::int32 blockSize = 1024;
    vst::int32 numPrograms = 0;
    vst::int32 numParams = 0;
    vst::int32 curProgram = 0;
    AEffect cEffect{};

private:
    vst::intptr dispatchEditor(vst::int32 opcode, vst::int32 index, vst::intptr value, void* ptr, float opt);
};

// Text helpers for the fixed-size string answers of the interface.
namespace vst
{
// Copies at most maxLength - 1 characters and a terminating zero, and writes nothing
// after them: hosts size these buffers differently. Nothing when dest is null.
void copyString(char* dest, const char* source, int maxLength);
} // namespace vst
