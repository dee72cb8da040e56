// What a touched control means: a new value of its editor parameter, or a command. One
// handler per control kind (c_ControlChangeHandlers), then the info line and the host's
// edit gesture.
#include "../core/SynthCommons.h"
#include "../editor/EditorControlKinds.h"
#include "../editor/SynthEditor.h"
#include "../gui/GuiToolkit.h"
#include "../params/ParameterValues.h"

#include <algorithm>
#include <cstring>

namespace
{
using t_ControlChangeHandler = void (*)(SynthEditor* editor, t_EditorControl* row, CControl* control);

template <typename T> T* recordOf(const t_EditorControl* row)
{
    return static_cast<T*>(const_cast<void*>(row->parameters));
}

SynthCommons* synthOf(SynthEditor* editor)
{
    return editor->getSynth();
}

void refreshRow(SynthEditor* editor, const t_EditorControl* row)
{
    editor->editorControlsLib_SetControlValue(row->id, nullptr, kNoIndex);
}

// Knobs and sliders move in 128 steps.
void changeQuantised(SynthEditor* editor, t_EditorControl* row, CControl* control)
{
    const float value = IntToFloat(floatToUnsignedChar(control->getValue()));
    control->setValue(value);
    synthOf(editor)->parameterLib_SetParameterValueFromEditor(row->id, value);
}

void changeValue(SynthEditor* editor, t_EditorControl* row, CControl* control)
{
    synthOf(editor)->parameterLib_SetParameterValueFromEditor(row->id, control->getValue());
}

// LEDs and FX chain buttons: the lit one gives its value-list entry; a lit one stays lit.
void changeOneOf(SynthEditor* editor, t_EditorControl* row, CControl* control, int valueIndex)
{
    if (control->getValue() != 1.0f)
    {
        control->setValue(1.0f);
        return;
    }
    const t_EditorParameter* e = synthOf(editor)->parameterLib_GetEditorParameter(row->id);
    if (!e || !e->values || valueIndex < 0)
        return;
    synthOf(editor)->parameterLib_SetParameterValueFromEditor(row->id,
                                                              IntToFloat(e->values[valueIndex].value));
    refreshRow(editor, row);
}

void changeLedGroup(SynthEditor* editor, t_EditorControl* row, CControl* control)
{
    const auto* g = recordOf<t_LedGroup_TypeStruct>(row);
    int valueIndex = -1;
    for (int i = 0; g->leds[i]; ++i)
        if (g->leds[i] == control)
            valueIndex = g->table[i].valueIndex;
    changeOneOf(editor, row, control, valueIndex);
}

void changeFxChain(SynthEditor* editor, t_EditorControl* row, CControl* control)
{
    const auto* c = recordOf<t_FxChain_TypeStruct>(row);
    int valueIndex = -1;
    for (int i = 0; i < c->count; ++i)
        if (c->buttons[i] == control)
            valueIndex = c->entries[i].valueIndex;
    changeOneOf(editor, row, control, valueIndex);
}

void changeStep(SynthEditor* editor, t_EditorControl* row, CControl* control)
{
    if (control->getValue() != 1.0f)
        return;
    SynthCommons* synth = synthOf(editor);
    synth->parameterLib_SetParameterValueFromEditor(
        row->id, synth->parameterLib_GetParameterNextValueFromEditor(row->id));
}

void changeSelector(SynthEditor* editor, t_EditorControl* row, CControl* control)
{
    if (control->getValue() != 1.0f)
    {
        control->setValue(1.0f);
        return;
    }
    synthOf(editor)->parameterLib_SetParameterValueFromEditor(row->id, 1.0f);
    editor->refreshAfterSelection();
}

void changeCommand(SynthEditor* editor, t_EditorControl* row, CControl* control)
{
    if (control->getValue() == 0.0f)
        editor->runCommand(row->id, control);
}

void changeMenu(SynthEditor* editor, t_EditorControl* row, CControl*)
{
    auto* m = recordOf<t_Menu_TypeStruct>(row);
    SynthCommons* synth = synthOf(editor);
    t_EditorParameter* e = synth->parameterLib_GetEditorParameter(row->id);
    // One entry is a choice too: the only MIDI interface of the system must be choosable.
    if (!e || (!e->values && !m->items) || m->menu->getNbEntries() < 1)
        return;
    const int chosen = editor->menuListIndexOfChoice(e, m);
    if (chosen < 0)
        return;
    const t_MenuItem item =
        editor->editorControlsLib_GetMenuItemDisplayStr(e, m, static_cast<std::uint32_t>(chosen));
    if (!item.text)
        return;
    synth->parameterLib_SetParameterValueFromEditor(row->id, IntToFloat(static_cast<unsigned>(item.value)));
    if (m->items)
        m->items(editor, static_cast<std::uint32_t>(chosen), true, true);
    refreshRow(editor, row);
}

void changeName(SynthEditor* editor, t_EditorControl* row, CControl* control)
{
    if (row->id != EPARAM_PATCH_NAME)
        return;
    SynthCommons* synth = synthOf(editor);
    const char* text = static_cast<CTextEdit*>(control)->getText();
    SynthCommons::HistoryCommand command(*synth, nullptr); // holds the program lock
    command.setLabel(std::string("Name ") + text);
    std::memset(synth->workingProgram.name, 0, kPatchNameLength);
    std::memcpy(synth->workingProgram.name, text,
                std::min<std::size_t>(std::strlen(text), kPatchNameLength - 1));
    synth->patchLib_ProgramRenamed();
}

struct ControlChangeHandler
{
    e_EditorControlKind kind;
    t_ControlChangeHandler handle;
};

constexpr ControlChangeHandler c_ControlChangeHandlers[] = {
    {CTRL_KNOB, changeQuantised},
    {CTRL_VERTICAL_SLIDER, changeQuantised},
    {CTRL_HORIZONTAL_SLIDER, changeQuantised},
    {CTRL_NUMBER_EDIT, changeValue},
    {CTRL_TOGGLE_BUTTON, changeValue},
    {CTRL_LED_GROUP, changeLedGroup},
    {CTRL_FX_CHAIN, changeFxChain},
    {CTRL_STEP_BUTTON, changeStep},
    {CTRL_SELECTOR_BUTTON, changeSelector},
    {CTRL_COMMAND_BUTTON, changeCommand},
    {CTRL_MENU, changeMenu},
    {CTRL_FX_TYPE_MENU, changeMenu},
    {CTRL_NAME_EDIT, changeName},
};

t_ControlChangeHandler handlerOf(e_EditorControlKind kind)
{
    for (const ControlChangeHandler& h : c_ControlChangeHandlers)
        if (h.kind == kind)
            return h.handle;
    return nullptr;
}

// Shows the changed parameter, or the shown one whose text depends on it.
void updateInfoLine(SynthEditor* editor, const t_EditorControl* row, CControl* control)
{
    if (editor->editorControlsLib_NeedToUpdateCurrentParameterInfo(row->id))
        return editor->editorControlsLib_RefreshParameterInfo();
    editor->editorControlsLib_DisplayCurrentParameterInfo(control->getValue(), row);
}

// A change outside a drag or press of the toolkit's own is one gesture for the host.
void reportGesture(SynthEditor* editor, CControl* control)
{
    if (control->isEditing())
        return;
    for (long tag : {control->getTag(), control->getExtraTag()})
        if (tag >= 0)
        {
            editor->beginEdit(static_cast<int>(tag));
            editor->endEdit(static_cast<int>(tag));
        }
}
} // namespace

void SynthEditor::valueChanged(CDrawContext*, CControl* control)
{
    editorControlsLib_OnControlValueChanged(control);
}

void SynthEditor::editorControlsLib_OnControlValueChanged(CControl* control)
{
    t_EditorControl* row = editorControlsLib_GetEditorControl(control);
    if (!row)
        return;
    synth->history_TakeDeviceChanges(); // what the device did came first
    leaveCompareToEdit(row, control);
    beginPanelTouch(row, control);
    if (t_ControlChangeHandler handle = handlerOf(row->kind))
        handle(this, row, control);
    synth->history_SetPanelTouch(EPARAM_END, 0, false);
    updateInfoLine(this, row, control);
    reportGesture(this, control);
}

void SynthEditor::refreshAfterSelection()
{
    editorControlsLib_SetAllControlValue(nullptr);
    editorControlsLib_SetControlsTag();
    editorControlsLib_ResetParameterInfo();
    editorControlsLib_UpdateVisibleContainers();
}
