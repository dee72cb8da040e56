// Binding between parameters and the panel's controls. The controls exist only while the
// window is open; until then every push does nothing and the next open pushes all values.
#include "../core/SynthCommons.h"
#include "SynthEditor.h"

void SynthEditor::editorControlsLib_SetControlValue(e_EditorParameterID, CControl*, std::uint32_t) {}

void SynthEditor::editorControlsLib_SetAllControlValue(CControl*) {}

t_EditorControl* SynthEditor::editorControlsLib_GetFirstMatchingControl(e_EditorParameterID)
{
    return nullptr;
}

void SynthEditor::editorControlsLib_UpdateVisibleContainers() {}

void SynthEditor::editorControlsLib_UpdateProgramName()
{
    editorControlsLib_SetControlValue(EPARAM_PATCH_NAME, nullptr, kNoIndex);
}

void SynthEditor::editorControlsLib_DisplayCurrentPatchPrefix()
{
    char prefix[kInfoTextLength];
    synth->addProgramNamePrefix(prefix, nullptr, synth->currentProgram, kInfoTextLength);
    std::lock_guard<std::mutex> lock(textLock);
    programPrefix = prefix;
}

std::string SynthEditor::programPrefixText() const
{
    std::lock_guard<std::mutex> lock(textLock);
    return programPrefix;
}
