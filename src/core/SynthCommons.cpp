#include "SynthCommons.h"

#include "../commands/HistoryState.h"
#include "../editor/SynthEditor.h"
#include "../params/ParameterUtils.h"
#include "../params/ParameterValues.h"
#include "PavonisVersion.h"
#include "ProductNames.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace
{
constexpr int kNumOutputs = 2;
constexpr int kMidiChannels = 10;

// "QRNV" with the first character in the least significant byte.
constexpr vst::int32 kUniqueId = 'Q' | ('R' << 8) | ('N' << 16) | ('V' << 24);

constexpr const char* kCanDo[] = {"receiveVstEvents", "receiveVstMidiEvent", "sendVstEvents",
                                  "sendVstMidiEvent"};

constexpr int kHostProductLength = 100;

// What dumpReceiveData reads before an instance has received a dump; never written.
std::uint8_t noDumpReceived[kBankDataSize];

// The link of a host that tells nothing about its MIDI.
const t_HostMidiLink kPlainHostMidiLink;
} // namespace

SynthCommons::SynthCommons(audioMasterCallback master)
    : AudioEffectX(master, kNumPrograms, kNumHostParameters), dumpReceiveData(noDumpReceived),
      hostLink(&kPlainHostMidiLink), historyState(std::make_unique<t_HistoryState>())
{
    if (master)
    {
        detectHost();
        hostLink_Ask();
        const bool live = hostKind == HOST_LIVE;
        setNumInputs(live ? 1 : 2);
        setNumOutputs(kNumOutputs);
        isSynth(!live);
        if (hostKind == HOST_AUDIO_UNIT)
            setNumPrograms(1);
        canProcessReplacing();
        setUniqueID(kUniqueId);
        setVersion(kPavonisVersionNumber);
        programsAreChunks();
    }
    nrpnReceive = {0, 0xFF, 0xFF, 0, 0, false};
    TetherMidiQueue_InitQueue();
    midiQueue_InitQueue();
    processEvents_NoteOffDuplicatesInit();
    parameterLib_AllocateAndInitParameters();
    patchLib_InitPatches();
    if (hostKind == HOST_AUDIO_UNIT)
        patchLib_InitPatchesMenuItems();
    synthEditor = new SynthEditor(this);
    setEditor(synthEditor);
    // The Tether MIDI layer comes into being when its port list is first needed.
    constructed = true;
}

SynthCommons::~SynthCommons()
{
    joinTetherConnect();
    TetherMidiDeInitialize();
    delete[] sysexReceiveBuffer;
    sysexReceiveBuffer = nullptr;
    setEditor(nullptr);
    delete synthEditor;
    synthEditor = nullptr;
    parameterLib_DeallocateParameters();
}

void SynthCommons::detectHost()
{
    char product[kHostProductLength] = {};
    getHostProductString(product);
    product[kHostProductLength - 1] = 0;
    hostKind = HOST_OTHER;
    if (std::strcmp(product, "Live") == 0)
        hostKind = HOST_LIVE;
    else if (std::strncmp(product, "Cakewalk", 8) == 0)
        hostKind = HOST_CAKEWALK;
    else if (std::strcmp(product, "AudioUnit") == 0)
        hostKind = HOST_AUDIO_UNIT;
}

bool SynthCommons::editorWindowOpen() const
{
    return synthEditor && synthEditor->isOpen();
}

bool SynthCommons::getEffectName(char* name)
{
    vst::copyString(name, kEffectName, kVstMaxEffectNameLen);
    return true;
}

bool SynthCommons::getVendorString(char* text)
{
    vst::copyString(text, kVendorName, kVstMaxVendorStrLen);
    return true;
}

bool SynthCommons::getProductString(char* text)
{
    vst::copyString(text, kProductName, kVstMaxProductStrLen);
    return true;
}

vst::int32 SynthCommons::getVendorVersion()
{
    return kPavonisVersionNumber;
}

vst::int32 SynthCommons::canDo(char* text)
{
    for (const char* capability : kCanDo)
        if (text && std::strcmp(text, capability) == 0)
            return 1;
    return -1;
}

vst::int32 SynthCommons::getNumMidiInputChannels()
{
    return kMidiChannels;
}

vst::int32 SynthCommons::getNumMidiOutputChannels()
{
    return kMidiChannels;
}

bool SynthCommons::getOutputProperties(vst::int32 index, VstPinProperties* properties)
{
    if (!properties || index < 0 || index >= kNumOutputs)
        return false;
    char label[16];
    std::snprintf(label, sizeof label, "ESX %d", index + 1);
    vst::copyString(properties->label, label, 12);
    properties->flags = kVstPinIsActive | kVstPinIsStereo;
    return true;
}

void SynthCommons::processReplacing(float**, float** outputs, vst::int32 frames)
{
    audioRunning = true;
    processingFrames = frames;
    if (outputs && frames > 0)
        for (int channel = 0; channel < kNumOutputs; ++channel)
            if (outputs[channel])
                std::memset(outputs[channel], 0, sizeof(float) * static_cast<size_t>(frames));
    midiQueue_ProcessVstEvents();
}

float SynthCommons::getParameter(vst::int32 index)
{
    return parameterLib_GetParameterValueFromHost(static_cast<e_HostParameterID>(index));
}

void SynthCommons::setParameter(vst::int32 index, float value)
{
    // Host values lie between 0 and 1; beyond, they would become data bytes above 127.
    if (std::isnan(value))
        return;
    parameterLib_SetParameterValueFromHost(static_cast<e_HostParameterID>(index),
                                           std::clamp(value, 0.0f, 1.0f));
}

void SynthCommons::setParameterAutomated(vst::int32 index, float value)
{
    callHost(audioMasterAutomate, index, 0, nullptr, value);
}

void SynthCommons::getParameterName(vst::int32 index, char* text)
{
    vst::copyString(text, parameterLib_GetParameterNameStringFromHost(static_cast<e_HostParameterID>(index)),
                    kVstMaxLabelLen);
}

void SynthCommons::getParameterDisplay(vst::int32 index, char* text)
{
    char* display = floatTo8bitDec(getParameter(index));
    vst::copyString(text, display ? display : "", kVstMaxParamStrLen);
    delete[] display;
}

void SynthCommons::getParameterLabel(vst::int32, char* label)
{
    vst::copyString(label, "", kVstMaxParamStrLen);
}

AudioEffect* createEffectInstance(audioMasterCallback audioMaster)
{
    return new SynthCommons(audioMaster);
}
