// The VST 2.4 binary interface: records, opcode numbers and flags exchanged
// between a host and a plug-in. Layouts follow the published interface.
#pragma once

#include <cstdint>

namespace vst
{
using int32 = std::int32_t;
using intptr = std::intptr_t;
} // namespace vst

struct AEffect;

using audioMasterCallback = vst::intptr (*)(AEffect* effect, vst::int32 opcode, vst::int32 index,
                                            vst::intptr value, void* ptr, float opt);
using AEffectDispatcherProc = vst::intptr (*)(AEffect* effect, vst::int32 opcode, vst::int32 index,
                                              vst::intptr value, void* ptr, float opt);
using AEffectProcessProc = void (*)(AEffect* effect, float** inputs, float** outputs, vst::int32 frames);
using AEffectProcessDoubleProc = void (*)(AEffect* effect, double** inputs, double** outputs,
                                          vst::int32 frames);
using AEffectSetParameterProc = void (*)(AEffect* effect, vst::int32 index, float value);
using AEffectGetParameterProc = float (*)(AEffect* effect, vst::int32 index);

// 'VstP' in a 32-bit word.
constexpr vst::int32 kEffectMagic = 0x56737450;

struct AEffect
{
    vst::int32 magic;
    AEffectDispatcherProc dispatcher;
    AEffectProcessProc process; // accumulating process, unused in 2.4
    AEffectSetParameterProc setParameter;
    AEffectGetParameterProc getParameter;
    vst::int32 numPrograms;
    vst::int32 numParams;
    vst::int32 numInputs;
    vst::int32 numOutputs;
    vst::int32 flags;
    vst::intptr resvd1;
    vst::intptr resvd2;
    vst::int32 initialDelay;
    vst::int32 realQualities;
    vst::int32 offQualities;
    float ioRatio;
    void* object;
    void* user;
    vst::int32 uniqueID;
    vst::int32 version;
    AEffectProcessProc processReplacing;
    AEffectProcessDoubleProc processDoubleReplacing;
    char future[56];
};

enum VstAEffectFlags : vst::int32
{
    effFlagsHasEditor = 1 << 0,
    effFlagsCanReplacing = 1 << 4,
    effFlagsProgramChunks = 1 << 5,
    effFlagsIsSynth = 1 << 8,
    effFlagsNoSoundInStop = 1 << 9,
    effFlagsCanDoubleReplacing = 1 << 12,
};

// Dispatcher opcodes, host to plug-in.
enum AEffectOpcodes : vst::int32
{
    effOpen = 0,
    effClose,
    effSetProgram,
    effGetProgram,
    effSetProgramName,
    effGetProgramName,
    effGetParamLabel,
    effGetParamDisplay,
    effGetParamName,
    effGetVu,
    effSetSampleRate,
    effSetBlockSize,
    effMainsChanged,
    effEditGetRect,
    effEditOpen,
    effEditClose,
    effEditDraw,
    effEditMouse,
    effEditKey,
    effEditIdle,
    effEditTop,
    effEditSleep,
    effIdentify,
    effGetChunk,
    effSetChunk,
    effProcessEvents,
    effCanBeAutomated,
    effString2Parameter,
    effGetNumProgramCategories,
    effGetProgramNameIndexed,
    effCopyProgram,
    effConnectInput,
    effConnectOutput,
    effGetInputProperties,
    effGetOutputProperties,
    effGetPlugCategory,
    effGetCurrentPosition,
    effGetDestinationBuffer,
    effOfflineNotify,
    effOfflinePrepare,
    effOfflineRun,
    effProcessVarIo,
    effSetSpeakerArrangement,
    effSetBlockSizeAndSampleRate,
    effSetBypass,
    effGetEffectName,
    effGetErrorText,
    effGetVendorString,
    effGetProductString,
    effGetVendorVersion,
    effVendorSpecific,
    effCanDo,
    effGetTailSize,
    effIdle,
    effGetIcon,
    effSetViewPosition,
    effGetParameterProperties,
    effKeysRequired,
    effGetVstVersion,
    effEditKeyDown,
    effEditKeyUp,
    effSetEditKnobMode,
    effGetMidiProgramName,
    effGetCurrentMidiProgram,
    effGetMidiProgramCategory,
    effHasMidiProgramsChanged,
    effGetMidiKeyName,
    effBeginSetProgram,
    effEndSetProgram,
    effGetSpeakerArrangement,
    effShellGetNextPlugin,
    effStartProcess,
    effStopProcess,
    effSetTotalSampleToProcess,
    effSetPanLaw,
    effBeginLoadBank,
    effBeginLoadProgram,
    effSetProcessPrecision,
    effGetNumMidiInputChannels,
    effGetNumMidiOutputChannels,
};

// Host opcodes, plug-in to host.
enum AudioMasterOpcodes : vst::int32
{
    audioMasterAutomate = 0,
    audioMasterVersion,
    audioMasterCurrentId,
    audioMasterIdle,
    audioMasterPinConnected,
    audioMasterWantMidi = 6,
    audioMasterGetTime,
    audioMasterProcessEvents,
    audioMasterSetTime,
    audioMasterTempoAt,
    audioMasterGetNumAutomatableParameters,
    audioMasterGetParameterQuantization,
    audioMasterIOChanged,
    audioMasterNeedIdle,
    audioMasterSizeWindow,
    audioMasterGetSampleRate,
    audioMasterGetBlockSize,
    audioMasterGetInputLatency,
    audioMasterGetOutputLatency,
    audioMasterGetPreviousPlug,
    audioMasterGetNextPlug,
    audioMasterWillReplaceOrAccumulate,
    audioMasterGetCurrentProcessLevel,
    audioMasterGetAutomationState,
    audioMasterOfflineStart,
    audioMasterOfflineRead,
    audioMasterOfflineWrite,
    audioMasterOfflineGetCurrentPass,
    audioMasterOfflineGetCurrentMetaPass,
    audioMasterSetOutputSampleRate,
    audioMasterGetOutputSpeakerArrangement,
    audioMasterGetVendorString,
    audioMasterGetProductString,
    audioMasterGetVendorVersion,
    audioMasterVendorSpecific,
    audioMasterSetIcon,
    audioMasterCanDo,
    audioMasterGetLanguage,
    audioMasterOpenWindow,
    audioMasterCloseWindow,
    audioMasterGetDirectory,
    audioMasterUpdateDisplay,
    audioMasterBeginEdit,
    audioMasterEndEdit,
    audioMasterOpenFileSelector,
    audioMasterCloseFileSelector,
};

enum VstStringLengths : vst::int32
{
    kVstMaxProgNameLen = 24,
    kVstMaxParamStrLen = 8,
    kVstMaxVendorStrLen = 64,
    kVstMaxProductStrLen = 64,
    kVstMaxEffectNameLen = 32,
    kVstMaxLabelLen = 64,
    kVstMaxShortLabelLen = 8,
};

enum VstEventTypes : vst::int32
{
    kVstMidiType = 1,
    kVstSysExType = 6,
};

struct VstEvent
{
    vst::int32 type;
    vst::int32 byteSize;
    vst::int32 deltaFrames;
    vst::int32 flags;
    char data[16];
};

struct VstEvents
{
    vst::int32 numEvents;
    vst::intptr reserved;
    VstEvent* events[2]; // really numEvents entries
};

struct VstMidiEvent
{
    vst::int32 type;
    vst::int32 byteSize;
    vst::int32 deltaFrames;
    vst::int32 flags;
    vst::int32 noteLength;
    vst::int32 noteOffset;
    char midiData[4];
    char detune;
    char noteOffVelocity;
    char reserved1;
    char reserved2;
};

struct VstMidiSysexEvent
{
    vst::int32 type;
    vst::int32 byteSize;
    vst::int32 deltaFrames;
    vst::int32 flags;
    vst::int32 dumpBytes;
    vst::intptr resvd1;
    char* sysexDump;
    vst::intptr resvd2;
};

enum VstPinPropertiesFlags : vst::int32
{
    kVstPinIsActive = 1 << 0,
    kVstPinIsStereo = 1 << 1,
    kVstPinUseSpeaker = 1 << 2,
};

struct VstPinProperties
{
    char label[kVstMaxLabelLen];
    vst::int32 flags;
    vst::int32 arrangementType;
    char shortLabel[kVstMaxShortLabelLen];
    char future[48];
};

struct ERect
{
    std::int16_t top;
    std::int16_t left;
    std::int16_t bottom;
    std::int16_t right;
};

enum VstPlugCategory : vst::int32
{
    kPlugCategUnknown = 0,
    kPlugCategEffect,
    kPlugCategSynth,
};

// Checked against the published 64-bit layout.
static_assert(sizeof(VstMidiEvent) == 32, "VstMidiEvent must be 32 bytes");
static_assert(sizeof(VstPinProperties) == 128, "VstPinProperties must be 128 bytes");
static_assert(sizeof(ERect) == 8, "ERect must be 8 bytes");
static_assert(sizeof(void*) != 8 || sizeof(AEffect) == 192, "AEffect layout");
static_assert(sizeof(void*) != 8 || sizeof(VstMidiSysexEvent) == 48, "VstMidiSysexEvent layout");
