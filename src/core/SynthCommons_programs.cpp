// The 256 programs, one per pattern memory of the device (banks A to D of 64), and
// patterns loaded into them from elsewhere.
#include "../editor/SynthEditor.h"
#include "../params/ParameterValues.h"
#include "../sysex/InitPatterns.h"
#include "SynthCommons.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace
{
constexpr char kInitialProgramName[] = "Pvns1.01";
constexpr int kPrefixedNameNameLength = 18;
constexpr int kPrefixLength = 8;

void nameProgram(t_Patch& patch, const char* name)
{
    std::memset(patch.name, 0, sizeof patch.name);
    std::memcpy(patch.name, name, std::min<size_t>(std::strlen(name), kPatternNameLength));
    std::memcpy(patch.data, patch.name, kPatternNameLength);
}

// "A.01" to "D.64"; empty for index 256.
void programPrefix(int index, char* prefix)
{
    if (index >= kNumPrograms)
    {
        prefix[0] = 0;
        return;
    }
    std::snprintf(prefix, kPrefixLength, "%c.%02d", 'A' + index / kPatternsPerBank,
                  index % kPatternsPerBank + 1);
}
} // namespace

void SynthCommons::patchLib_InitPatches()
{
    workingProgram = {};
    std::memcpy(workingProgram.data, INIT_PATCH.data(), kPatternDataSize);
    nameProgram(workingProgram, kInitialProgramName);
    std::fill(std::begin(programBank), std::end(programBank), workingProgram);
    resetTemplate = workingProgram;
    parameterLib_SetAllParametersValueFromPatch(true);
    history_MarkStored();
}

const t_Patch& SynthCommons::programOf(int index) const
{
    return index == currentProgram ? workingProgram : programBank[index];
}

void SynthCommons::setProgram(vst::int32 program)
{
    if (editorWindowOpen())
    {
        synthEditor->postProcessAdd(POSTPROCESS_SELECT_PROGRAM, program, 0, nullptr, 0);
        return;
    }
    std::lock_guard<std::recursive_mutex> lock(programLock);
    if (synthEditor)
    {
        // A selection queued while the window was open is outdated by this one; a received
        // pattern still waiting to be applied goes in first, or the switch would save the
        // working program over it.
        synthEditor->postProcessRemovePending(POSTPROCESS_SELECT_PROGRAM);
        synthEditor->postProcessRunPending(POSTPROCESS_APPLY_PROGRAM);
    }
    setProgramProcess(program);
}

void SynthCommons::setProgramProcess(vst::int32 index)
{
    std::lock_guard<std::recursive_mutex> lock(programLock);
    if (index < 0 || index >= kNumPrograms || (index == currentProgram && !programReload))
        return;
    compare_End(false);
    history_TakeDeviceChanges();
    patchLib_SetPatchFromParameters(&programBank[currentProgram]);
    patchLib_ShowProgram(index, true);
}

void SynthCommons::patchLib_ShowProgram(int index, bool send)
{
    std::lock_guard<std::recursive_mutex> lock(programLock);
    currentProgram = index;
    if (hostKind == HOST_AUDIO_UNIT)
        parameterLib_SetParameterValue(PARAM_SELECT_PROGRAM, IntToFloat(static_cast<unsigned>(index)),
                                       UPDATE_EDITOR);
    patchLib_SetParametersFromPatch(&programBank[index], send);
    history_MarkStored();
    if (synthEditor)
        synthEditor->editorControlsLib_DisplayCurrentPatchPrefix();
}

void SynthCommons::patchLib_StorePattern(t_Patch& program, const std::uint8_t* image)
{
    std::memcpy(program.data, image, kPatternDataSize);
    std::memset(program.name, 0, sizeof program.name);
    std::memcpy(program.name, image, kPatternNameLength);
}

void SynthCommons::patchLib_LoadPattern(const std::uint8_t* image)
{
    HistoryCommand command(*this, "Pattern loaded");
    patchLib_StorePattern(workingProgram, image);
    patchLib_SetParametersFromPatch(&workingProgram, true);
    history_MarkStored();
    updateDisplay();
}

void SynthCommons::patchLib_FillBank(int bank, const std::uint8_t* images, bool send)
{
    if (bank < 0 || bank >= kNumPrograms / kPatternsPerBank || !images)
        return;
    char label[] = "Bank A replaced";
    label[5] = static_cast<char>('A' + bank);
    HistoryCommand command(*this, label);
    const int first = bank * kPatternsPerBank;
    for (int i = first; i < first + kPatternsPerBank; ++i)
    {
        const t_Patch before = programBank[i];
        patchLib_StorePattern(programBank[i], images + std::size_t(i - first) * kPatternDataSize);
        if (i != currentProgram)
            history_RecordProgram(i, before, programBank[i], label);
    }
    if (currentProgram >= first && currentProgram < first + kPatternsPerBank)
    {
        patchLib_SetParametersFromPatch(&programBank[currentProgram], send);
        history_MarkStored();
    }
    else if (hostKind == HOST_AUDIO_UNIT)
        patchLib_InitPatchesMenuItems();
    updateDisplay();
}

void SynthCommons::patchLib_ApplyReceived(int index, bool send)
{
    if (index < 0 || index >= kNumPrograms)
        return;
    HistoryCommand command(*this, "Pattern received");
    patchLib_SetParametersFromPatch(&programBank[index], send);
    history_MarkStored();
}

void SynthCommons::patchLib_ProgramRenamed()
{
    std::lock_guard<std::recursive_mutex> lock(programLock);
    if (synthEditor)
        synthEditor->editorControlsLib_UpdateProgramName();
    if (hostKind == HOST_AUDIO_UNIT)
        patchLib_InitPatchesMenuItems();
    if (SendMidiSysexPossible())
    {
        patchLib_SetPatchFromParameters(&programBank[currentProgram]);
        patchLib_SetParametersFromPatch(&programBank[currentProgram], true);
    }
    updateDisplay();
}

vst::int32 SynthCommons::getProgram()
{
    return currentProgram;
}

void SynthCommons::getProgramName(char* name)
{
    if (hostKind == HOST_AUDIO_UNIT)
        vst::copyString(name, workingProgram.name, kVstMaxProgNameLen);
    else
        addProgramNamePrefix(name, workingProgram.name, currentProgram, kVstMaxProgNameLen);
}

bool SynthCommons::getProgramNameIndexed(vst::int32, vst::int32 index, char* text)
{
    if (!text || index < 0 || index >= kNumPrograms)
        return false;
    addProgramNamePrefix(text, programOf(index).name, index, kVstMaxProgNameLen);
    return true;
}

void SynthCommons::setProgramName(char* name)
{
    if (!name)
        return;
    char shortName[kPatternNameLength + 1] = {};
    std::strncpy(shortName, name, kPatternNameLength);
    std::lock_guard<std::recursive_mutex> lock(programLock);
    std::memset(workingProgram.name, 0, sizeof workingProgram.name);
    std::memcpy(workingProgram.name, shortName, std::strlen(shortName));
    if (synthEditor)
        synthEditor->editorControlsLib_UpdateProgramName();
    if (hostKind == HOST_AUDIO_UNIT)
        patchLib_InitPatchesMenuItems();
}

void SynthCommons::addProgramNamePrefix(char* text, const char* name, int index, int maxLength)
{
    if (!text || index < 0 || index > kNumPrograms || maxLength < 5)
        return;
    char prefix[kPrefixLength];
    programPrefix(index, prefix);
    if (!name)
    {
        vst::copyString(text, prefix, maxLength);
        return;
    }
    char composed[kPrefixLength + 1 + kPrefixedNameNameLength + 1];
    std::snprintf(composed, sizeof composed, "%s %.*s", prefix, kPrefixedNameNameLength, name);
    vst::copyString(text, composed, std::min(maxLength, static_cast<int>(kVstMaxProgNameLen)));
}

void SynthCommons::patchLib_SetPatchFromParameters(t_Patch* target)
{
    std::lock_guard<std::recursive_mutex> lock(programLock);
    parameterLib_FlushParametersToRawData();
    if (target && target != &workingProgram)
        *target = workingProgram;
}

void SynthCommons::patchLib_SetParametersFromPatch(t_Patch* patch, bool send)
{
    if (!patch)
        return;
    std::lock_guard<std::recursive_mutex> lock(programLock);
    const bool windowOpen = editorWindowOpen();
    if (windowOpen)
        synthEditor->syncingNotif(true, nullptr);
    if (patch != &workingProgram)
        workingProgram = *patch;
    parameterLib_SetAllParametersValueFromPatch(send);
    if (windowOpen)
    {
        synthEditor->editorControlsLib_SetAllControlValue(nullptr);
        if (!(send && SendMidiSysexPossible()))
            synthEditor->syncingNotif(false, nullptr);
    }
    if (hostKind == HOST_AUDIO_UNIT)
        patchLib_InitPatchesMenuItems();
    programReload = false;
}

void SynthCommons::patchLib_InitPatchesMenuItems()
{
    for (int i = 0; i < kNumPrograms; ++i)
    {
        char prefix[kPrefixLength];
        programPrefix(i, prefix);
        std::snprintf(programMenuTexts[i], kProgramMenuTextLength, "%s %.*s", prefix, kPatchNameLength,
                      programOf(i).name);
    }
}
