// The command buttons: dump requests, the pattern and part clipboards, the answers to the
// panel's questions and the MIDI test's buttons.
#include "../core/SynthCommons.h"
#include "../editor/SynthEditor.h"

#include <cstring>

namespace
{
enum e_PartClipboardKind : int
{
    CLIPBOARD_EMPTY = 0,
    CLIPBOARD_KEYBOARD = 2,
    CLIPBOARD_DRUM = 3,
    CLIPBOARD_STRETCH_SLICE = 4,
    CLIPBOARD_AUDIOIN = 5,
    CLIPBOARD_FX = 6,
};

// One part's place in the pattern image, by part index (Keyboard1 13, Keyboard2 14).
struct PartRegion
{
    int offset;
    int length;
    int kind;
    int resetQuestion;
    const char* copied;
    const char* pasted;
    const char* reset;
};

constexpr PartRegion c_PartRegions[PART_COUNT] = {
    {24 + 34 * 0, 34, CLIPBOARD_DRUM, 7, "Drum part copied", "Drum part pasted", "Drum1 has been reset"},
    {24 + 34 * 1, 34, CLIPBOARD_DRUM, 8, "Drum part copied", "Drum part pasted", "Drum2 has been reset"},
    {24 + 34 * 2, 34, CLIPBOARD_DRUM, 9, "Drum part copied", "Drum part pasted", "Drum3 has been reset"},
    {24 + 34 * 3, 34, CLIPBOARD_DRUM, 10, "Drum part copied", "Drum part pasted", "Drum4 has been reset"},
    {24 + 34 * 4, 34, CLIPBOARD_DRUM, 11, "Drum part copied", "Drum part pasted", "Drum5 has been reset"},
    {24 + 34 * 5, 34, CLIPBOARD_DRUM, 12, "Drum part copied", "Drum part pasted", "Drum6A has been reset"},
    {24 + 34 * 6, 34, CLIPBOARD_DRUM, 13, "Drum part copied", "Drum part pasted", "Drum6B has been reset"},
    {24 + 34 * 7, 34, CLIPBOARD_DRUM, 14, "Drum part copied", "Drum part pasted", "Drum7A has been reset"},
    {24 + 34 * 8, 34, CLIPBOARD_DRUM, 15, "Drum part copied", "Drum part pasted", "Drum7B has been reset"},
    {878, 32, CLIPBOARD_STRETCH_SLICE, 18, "Stretch1 part copied", "Stretch part pasted",
     "Stretch1 has been reset"},
    {910, 32, CLIPBOARD_STRETCH_SLICE, 19, "Stretch2 part copied", "Stretch part pasted",
     "Stretch2 has been reset"},
    {942, 32, CLIPBOARD_STRETCH_SLICE, 20, "Slice part copied", "Slice part pasted", "Slice has been reset"},
    {974, 156, CLIPBOARD_AUDIOIN, 21, "AudioIn part copied", "AudioIn part pasted", "AudioIn has been reset"},
    {330, 274, CLIPBOARD_KEYBOARD, 16, "Keyboard1 part copied", "Keyboard1 part pasted",
     "Keyboard1 has been reset"},
    {604, 274, CLIPBOARD_KEYBOARD, 17, "Keyboard2 part copied", "Keyboard2 part pasted",
     "Keyboard2 has been reset"},
};

constexpr int kFxOffset = 1148;
constexpr int kFxLength = 12;
constexpr int kFxSingleByte = 12;

constexpr unsigned char kRequestCurrentPattern[] = {0xF0, 0x42, 0x30, 0x71, 0x10, 0xF7};
constexpr unsigned char kRequestPatternBank[] = {0xF0, 0x42, 0x30, 0x71, 0x1C, 0x00, 0xF7};
constexpr int kCurrentPatternDumpType = 0x40;

// The selected part's region: the keyboard channel decides for the keyboards.
const PartRegion& selectedRegion(SynthCommons* synth)
{
    if (synth->currentChannel == kChannelKeyboard1)
        return c_PartRegions[PART_KEYBOARD1];
    if (synth->currentChannel == kChannelKeyboard2)
        return c_PartRegions[PART_KEYBOARD2];
    const int part = synth->currentPart;
    return c_PartRegions[part >= 0 && part < static_cast<int>(PART_KEYBOARD1) ? part : 0];
}

const PartRegion* regionOfQuestion(int question)
{
    for (const PartRegion& region : c_PartRegions)
        if (region.resetQuestion == question)
            return &region;
    return nullptr;
}

std::uint8_t* patternOf(SynthCommons* synth)
{
    return synth->workingProgram.data;
}

// The working program as it stands in the image goes to the parameters and the device.
void applyWorkingProgram(SynthCommons* synth)
{
    synth->patchLib_SetParametersFromPatch(&synth->workingProgram, true);
    synth->updateDisplay();
}

void requestFromDevice(SynthCommons* synth, const unsigned char* request, std::uint32_t length, bool current)
{
    if (!synth->SendMidiSysexPossible())
        return;
    if (current)
        synth->expectedDumpType = kCurrentPatternDumpType;
    synth->SendMidiSysex(request, length);
}

bool isBankQuestion(int question)
{
    return question >= QUESTION_LOAD_INTO_BANK_A && question <= QUESTION_LOAD_INTO_BANK_D;
}
} // namespace

void SynthEditor::editorControlsLib_OnControlValueChangedSpecific(e_EditorParameterID id, CControl*)
{
    switch (id)
    {
    case EPARAM_DUMP_REQUEST_CURRENT:
        return requestFromDevice(synth, kRequestCurrentPattern, sizeof kRequestCurrentPattern, true);
    case EPARAM_DUMP_REQUEST_BANK_A:
        return requestFromDevice(synth, kRequestPatternBank, sizeof kRequestPatternBank, false);
    case EPARAM_PATTERN_COPY:
        return copyPattern();
    case EPARAM_PATTERN_PASTE:
        return pastePattern();
    case EPARAM_PATTERN_RESET:
        return editorControlsLib_AskQuestion(QUESTION_RESET_PATTERN);
    case EPARAM_PART_COPY:
        return copyPart();
    case EPARAM_PART_PASTE:
        return pastePart();
    case EPARAM_PART_RESET:
        return askPartReset();
    case EPARAM_QUESTION_YES:
        return answerYes();
    case EPARAM_QUESTION_NO:
        return answerNo();
    case EPARAM_LIBRARY_SAVE:
        return saveToLibrary();
    case EPARAM_LIBRARY_LOAD:
        return openLibraryMenu();
    case EPARAM_MIDI_TEST:
    case EPARAM_MIDI_TEST_RETRY:
        return synth->midiTest_Start();
    case EPARAM_MIDI_TEST_CONTINUE1:
    case EPARAM_MIDI_TEST_CONTINUE2:
        synth->pluginMode = PLUGIN_MODE_SETUP;
        return refreshAfterSelection();
    case EPARAM_MIDI_TEST_SEND_REPORT:
        return synth->midiTest_SendReport();
    default:
        return;
    }
}

void SynthEditor::copyPattern()
{
    editorControlsLib_RemoveQuestion();
    std::lock_guard<std::recursive_mutex> lock(synth->programLock);
    synth->parameterLib_FlushParametersToRawData();
    synth->patternClipboard = synth->workingProgram;
    synth->patternClipboardFull = 1;
    editorControlsLib_DisplayCurrentParameterInfo("Pattern copied");
}

void SynthEditor::pastePattern()
{
    editorControlsLib_RemoveQuestion();
    if (!synth->patternClipboardFull)
        return editorControlsLib_DisplayCurrentParameterInfo("Nothing to paste");
    std::lock_guard<std::recursive_mutex> lock(synth->programLock);
    synth->workingProgram = synth->patternClipboard;
    applyWorkingProgram(synth);
    editorControlsLib_DisplayCurrentParameterInfo("Pattern pasted");
}

void SynthEditor::copyPart()
{
    editorControlsLib_RemoveQuestion();
    const int mode = synth->pluginMode;
    if (mode != PLUGIN_MODE_GLOBAL && mode != PLUGIN_MODE_PART)
        return;
    std::lock_guard<std::recursive_mutex> lock(synth->programLock);
    synth->parameterLib_FlushParametersToRawData();
    if (mode == PLUGIN_MODE_GLOBAL)
    {
        std::memcpy(synth->partClipboard, &synth->workingProgram, sizeof(t_Patch));
        synth->partClipboardKind = CLIPBOARD_FX;
        return editorControlsLib_DisplayCurrentParameterInfo("FX part copied");
    }
    const PartRegion& region = selectedRegion(synth);
    std::memcpy(synth->partClipboard, patternOf(synth) + region.offset, region.length);
    synth->partClipboardKind = region.kind;
    editorControlsLib_DisplayCurrentParameterInfo(region.copied);
}

// The other parts' values as they stand now are taken into the pattern first, so that applying
// it keeps them.
void SynthEditor::pastePart()
{
    if (synth->partClipboardKind == CLIPBOARD_EMPTY)
        return editorControlsLib_DisplayCurrentParameterInfo("Nothing to paste");
    std::lock_guard<std::recursive_mutex> lock(synth->programLock);
    const int mode = synth->pluginMode;
    if (mode == PLUGIN_MODE_GLOBAL)
    {
        if (synth->partClipboardKind != CLIPBOARD_FX)
            return editorControlsLib_DisplayCurrentParameterInfo("Can not paste here");
        const auto* fx = reinterpret_cast<const t_Patch*>(synth->partClipboard);
        synth->parameterLib_FlushParametersToRawData();
        std::memcpy(patternOf(synth) + kFxOffset, fx->data + kFxOffset, kFxLength);
        patternOf(synth)[kFxSingleByte] = fx->data[kFxSingleByte];
        applyWorkingProgram(synth);
        return editorControlsLib_DisplayCurrentParameterInfo("FX part pasted");
    }
    if (mode != PLUGIN_MODE_PART)
        return;
    const PartRegion& region = selectedRegion(synth);
    if (synth->partClipboardKind != region.kind)
        return editorControlsLib_DisplayCurrentParameterInfo("Can not paste here");
    synth->parameterLib_FlushParametersToRawData();
    std::memcpy(patternOf(synth) + region.offset, synth->partClipboard, region.length);
    applyWorkingProgram(synth);
    editorControlsLib_DisplayCurrentParameterInfo(region.pasted);
}

void SynthEditor::askPartReset()
{
    if (synth->pluginMode == PLUGIN_MODE_GLOBAL)
        editorControlsLib_AskQuestion(QUESTION_RESET_FX);
    else if (synth->pluginMode == PLUGIN_MODE_PART)
        editorControlsLib_AskQuestion(selectedRegion(synth).resetQuestion);
}

void SynthEditor::acceptReceivedPattern()
{
    SynthCommons::patchLib_StorePattern(synth->programBank[synth->currentProgram], synth->dumpReceiveData);
    synth->patchLib_ApplyReceived(synth->currentProgram, false);
}

void SynthEditor::acceptReceivedBank()
{
    synth->patchLib_FillBank(synth->dumpBankNumber, synth->dumpReceiveData, false);
}

void SynthEditor::resetPart(int question)
{
    synth->parameterLib_FlushParametersToRawData();
    std::uint8_t* pattern = patternOf(synth);
    const std::uint8_t* initial = synth->resetTemplate.data;
    if (question == QUESTION_RESET_FX)
    {
        std::memcpy(pattern + kFxOffset, initial + kFxOffset, kFxLength);
        pattern[kFxSingleByte] = 0;
        applyWorkingProgram(synth);
        return editorControlsLib_DisplayCurrentParameterInfo("FX part has been reset");
    }
    const PartRegion* region = regionOfQuestion(question);
    std::memcpy(pattern + region->offset, initial + region->offset, region->length);
    applyWorkingProgram(synth);
    editorControlsLib_DisplayCurrentParameterInfo(region->reset);
}

void SynthEditor::answerYes()
{
    std::lock_guard<std::recursive_mutex> lock(synth->programLock);
    const int question = questionType;
    if (isBankQuestion(question))
        return answerBankQuestion(true);
    if (question == QUESTION_ACCEPT_PATTERN_DUMP)
        acceptReceivedPattern();
    else if (question == QUESTION_ACCEPT_BANK_A_DUMP)
        acceptReceivedBank();
    else if (question == QUESTION_RESET_PATTERN)
    {
        synth->workingProgram = synth->resetTemplate;
        synth->patchLib_SetParametersFromPatch(&synth->workingProgram, true);
        editorControlsLib_DisplayCurrentParameterInfo("Pattern has been reset");
    }
    else if (question == QUESTION_RESET_FX || regionOfQuestion(question))
        resetPart(question);
    else
    {
        t_Patch& slot = synth->programBank[synth->currentProgram];
        synth->patchLib_SetPatchFromParameters(&slot);
        synth->patchLib_SetParametersFromPatch(&slot, true);
    }
    synth->updateDisplay();
    editorControlsLib_RemoveQuestion();
}

void SynthEditor::answerNo()
{
    if (questionPending && isBankQuestion(questionType))
        return answerBankQuestion(false);
    editorControlsLib_ResetParameterInfo();
    editorControlsLib_RemoveQuestion();
}
