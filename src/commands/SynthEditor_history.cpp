// Undo, redo and compare on the panel: the buttons, the keys, what the info line says about
// them, and the gestures that the history joins changes by.
#include "../core/SynthCommons.h"
#include "../editor/SynthEditor.h"
#include "../gui/GuiToolkit.h"
#include "../params/ParameterTables.h"
#include "../params/ParameterValues.h"
#include "EditHistory.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <vector>

namespace
{
constexpr const char* kArrow = " \u2192 ";
constexpr const char* kEllipsis = "\u2026";
constexpr int kValueTextLength = 16;

// Part, keyboard channel and mute bit names, as the info line and the mix page name them.
constexpr const char* kPartNames[PART_COUNT] = {"D1",  "D2",  "D3",  "D4", "D5", "D6A", "D6B", "D7A",
                                                "D7B", "ST1", "ST2", "SL", "AU", "K1",  "K2"};
// The keyboard mask's bits: Keyboard1, Keyboard2, Stretch1, Stretch2, Slice, AudioIn.
constexpr e_PartIndex kKeyboardMaskParts[] = {PART_KEYBOARD1, PART_KEYBOARD2, PART_STRETCH1,
                                              PART_STRETCH2,  PART_SLICE,     PART_AUDIOIN};

// Parameters whose name alone does not say where they are.
struct t_NamePrefix
{
    e_ParameterID parameter;
    const char* prefix;
};
constexpr t_NamePrefix kNamePrefixes[] = {
    {PARAM_FX1_EDIT1, "FX1"},          {PARAM_FX1_EDIT2, "FX1"},
    {PARAM_FX1_MOTION_SEQ_SW, "FX1"},  {PARAM_FX2_EDIT1, "FX2"},
    {PARAM_FX2_EDIT2, "FX2"},          {PARAM_FX2_MOTION_SEQ_SW, "FX2"},
    {PARAM_FX3_EDIT1, "FX3"},          {PARAM_FX3_EDIT2, "FX3"},
    {PARAM_FX3_MOTION_SEQ_SW, "FX3"},  {PARAM_GLOBAL_PART_ACC_MOTION_SEQ_SW, "Accent"},
    {PARAM_GLOBAL_MUTE_PART1, "Play"}, // a mute bit is on while the part plays
    {PARAM_GLOBAL_MUTE_PART2, "Play"},
};

// What a "yes" did, by the question asked.
struct t_AnswerLabel
{
    int question;
    const char* label;
};
constexpr t_AnswerLabel kAnswerLabels[] = {
    {QUESTION_SYNC_NOW, "Sync"},
    {QUESTION_ACCEPT_PATTERN_DUMP, "Received pattern"},
    {QUESTION_ACCEPT_BANK_A_DUMP, "Received bank A"},
    {QUESTION_RESET_PATTERN, "Reset pattern"},
    {QUESTION_RESET_FX, "Reset FX"},
    {QUESTION_LOAD_INTO_BANK_A, "Load bank A"},
    {QUESTION_LOAD_INTO_BANK_A + 1, "Load bank B"},
    {QUESTION_LOAD_INTO_BANK_A + 2, "Load bank C"},
    {QUESTION_LOAD_INTO_BANK_D, "Load bank D"},
};
// The parts' reset questions, from Drum1's (7) to AudioIn's (21), in their order.
constexpr int kFirstPartReset = 7;
constexpr e_PartIndex kPartOfReset[] = {PART_DRUM1,     e_PartIndex(1), e_PartIndex(2), e_PartIndex(3),
                                        e_PartIndex(4), e_PartIndex(5), e_PartIndex(6), e_PartIndex(7),
                                        PART_DRUM7B,    PART_KEYBOARD1, PART_KEYBOARD2, PART_STRETCH1,
                                        PART_STRETCH2,  PART_SLICE,     PART_AUDIOIN};

const char* prefixOf(e_ParameterID parameter)
{
    for (const t_NamePrefix& p : kNamePrefixes)
        if (p.parameter == parameter)
            return p.prefix;
    return nullptr;
}

// The part that a change at an index concerns, or null for parameters of the whole pattern.
const char* partOf(const t_Parameter* p, std::uint32_t index)
{
    if (index == kNoIndex)
        return nullptr;
    switch (p->kind)
    {
    case ParamType_MultiNRPN:
        return index < PART_COUNT ? kPartNames[index] : nullptr;
    case ParamType_MidiCCChannel:
        return index < 2 ? kPartNames[PART_KEYBOARD1 + index] : nullptr;
    case ParamType_NRPNBitMask:
        if (p->id == PARAM_GLOBAL_MUTE_PART2)
            return index <= PART_DRUM7B ? kPartNames[index] : nullptr;
        return index < std::size(kKeyboardMaskParts) ? kPartNames[kKeyboardMaskParts[index]] : nullptr;
    default:
        return nullptr;
    }
}

std::string answerLabel(int question)
{
    for (const t_AnswerLabel& a : kAnswerLabels)
        if (a.question == question)
            return a.label;
    const int part = question - kFirstPartReset;
    if (part >= 0 && part < static_cast<int>(std::size(kPartOfReset)))
        return std::string("Reset ") + kPartNames[kPartOfReset[part]];
    return {};
}

bool continuous(e_EditorControlKind kind)
{
    return kind == CTRL_KNOB || kind == CTRL_VERTICAL_SLIDER || kind == CTRL_HORIZONTAL_SLIDER;
}
} // namespace

// --- The compare button's parameter -----------------------------------------------------------

void parameterCallback_SetCompare(SynthCommons* synth, std::uint32_t, float value)
{
    const bool asked = value >= 0.5f;
    bool started = false;
    if (asked)
        started = synth->compare_Start();
    else
        synth->compare_End(true);
    if (SynthEditor* editor = synth->getSynthEditor())
        editor->compareChanged(asked, started);
}

float parameterCallback_GetCompare(SynthCommons* synth, std::uint32_t)
{
    return synth->compare_Active() ? 1.0f : 0.0f;
}

void SynthEditor::compareChanged(bool asked, bool started)
{
    editorControlsLib_SetControlValue(EPARAM_COMPARE, nullptr, kNoIndex);
    if (asked && !started)
        return editorControlsLib_DisplayCurrentParameterInfo("Nothing edited to compare");
    editorControlsLib_DisplayCurrentParameterInfo(started ? "Stored pattern heard" : "Edited pattern heard");
}

// --- Gestures -------------------------------------------------------------------------------------

void SynthEditor::controlBeginEdit(CDrawContext*, CControl*)
{
    ++gestures;
}

// A change outside a press or a drag is a gesture of its own.
void SynthEditor::beginPanelTouch(const t_EditorControl* row, CControl* control)
{
    if (!control->isEditing())
        ++gestures;
    synth->history_SetPanelTouch(row->id, gestures, continuous(row->kind));
}

// Editing while comparing first brings the edited program back; the control keeps the value
// the user gave it.
void SynthEditor::leaveCompareToEdit(const t_EditorControl* row, CControl* control)
{
    if (!synth->compare_Active())
        return;
    const t_EditorParameter* e = synth->parameterLib_GetEditorParameter(row->id);
    const t_Parameter* p = e ? synth->parameterLib_GetParameter(e->parameter) : nullptr;
    const bool edits = row->kind == CTRL_NAME_EDIT || (p && (p->rawData || p->kind == ParamType_Virtual));
    if (!edits)
        return;
    const float chosen = control->getValue();
    synth->compare_End(true);
    control->setValue(chosen);
}

// --- Commands, buttons and keys -------------------------------------------------------------------

void SynthEditor::runCommand(e_EditorParameterID id, CControl* control)
{
    if (id == EPARAM_UNDO || id == EPARAM_REDO)
        return undoOrRedo(id == EPARAM_UNDO ? HISTORY_UNDO : HISTORY_REDO);
    SynthCommons::HistoryCommand command(*synth, commandLabel(id).c_str());
    editorControlsLib_OnControlValueChangedSpecific(id, control);
}

// What a command does, for its step: "Paste D7B", "Reset K2", "Received pattern".
std::string SynthEditor::commandLabel(e_EditorParameterID id)
{
    if (id == EPARAM_QUESTION_YES)
        return answerLabel(questionType);
    if (id == EPARAM_PATTERN_PASTE)
        return "Paste pattern";
    if (id != EPARAM_PART_PASTE)
    {
        const char* name = synth->parameterLib_GetParameterNameStringFromEditor(id);
        return name ? name : "";
    }
    if (synth->pluginMode == PLUGIN_MODE_GLOBAL)
        return "Paste FX";
    const int channel = synth->currentChannel;
    const int part = channel < 2 ? PART_KEYBOARD1 + channel : synth->currentPart.load();
    return std::string("Paste ") + kPartNames[part >= 0 && part < static_cast<int>(PART_COUNT) ? part : 0];
}

void SynthEditor::undoOrRedo(e_HistoryDirection direction)
{
    const bool undo = direction == HISTORY_UNDO;
    t_HistoryStep step;
    if (!synth->history_Apply(direction, step))
        return editorControlsLib_DisplayCurrentParameterInfo(undo ? "Nothing to undo" : "Nothing to redo");
    editorControlsLib_DisplayCurrentParameterInfo(
        historyStepText(undo ? "Undone: " : "Redone: ", step).c_str());
}

bool SynthEditor::historyShortcut(const VstKeyCode& key)
{
    if (!(key.modifier & (MODIFIER_CONTROL | MODIFIER_COMMAND)))
        return false;
    const int letter = std::tolower(key.character);
    const bool shift = key.modifier & MODIFIER_SHIFT;
    if (letter != 'z' && letter != 'y')
        return false;
    if (frame)
        frame->setFocusView(nullptr); // what is being typed is taken first, then undone
    undoOrRedo(letter == 'z' && !shift ? HISTORY_UNDO : HISTORY_REDO);
    return true;
}

// --- What the info line says --------------------------------------------------------------------

std::string SynthEditor::hoverText(e_EditorParameterID id)
{
    if (id == EPARAM_COMPARE)
        return synth->compare_Active() ? "Stored pattern heard" : "Edited pattern heard";
    if (id != EPARAM_UNDO && id != EPARAM_REDO)
        return {};
    const bool undo = id == EPARAM_UNDO;
    t_HistoryStep step;
    if (!synth->history_Peek(undo ? HISTORY_UNDO : HISTORY_REDO, step))
        return undo ? "Nothing to undo" : "Nothing to redo";
    return historyStepText(undo ? "Undo: " : "Redo: ", step);
}

// The step named as fully as the info line shows whole: "Undo: D1 Cutoff 64 → 80", else
// without the earlier value, else cut short.
std::string SynthEditor::historyStepText(const char* prefix, const t_HistoryStep& step)
{
    std::vector<std::string> forms;
    if (step.values.empty())
        forms.push_back(prefix + step.label);
    else
    {
        const t_ValueChange& change = step.values.front();
        const t_EditorParameter* shown = nullptr;
        const std::string name = prefix + valueName(change, shown);
        const std::string after = valueText(shown, change.after);
        forms.push_back(name + " " + valueText(shown, change.before) + kArrow + after);
        forms.push_back(name + kArrow + after);
    }
    return fittingInfoLine(forms);
}

std::string SynthEditor::fittingInfoLine(const std::vector<std::string>& forms)
{
    const t_EditorResource* line = editorTables_FindResource(c_EditorResources, RES_INFO_LINE);
    const auto* label = static_cast<const t_ResourceLabel*>(line->parameters);
    gui::Image scratch(1, 1);
    CDrawContext measure(scratch);
    measure.setFont(label->font, 0, label->face ? kBoldFace : kNormalFace);
    const auto fits = [&](const std::string& text)
    { return measure.getStringWidth(text.c_str()) <= std::abs(label->x2 - label->x1); };
    for (const std::string& form : forms)
        if (fits(form))
            return form;
    std::string cut = forms.back();
    while (!cut.empty() && !fits(cut + kEllipsis))
        cut.pop_back();
    while (!cut.empty() && (cut.back() & 0xC0) == 0x80) // no part of a character left
        cut.pop_back();
    return cut + kEllipsis;
}

// "D1 Cutoff": the part, and the parameter's name as the panel shows it (its row found too).
std::string SynthEditor::valueName(const t_ValueChange& change, const t_EditorParameter*& shown)
{
    const t_Parameter* p = synth->parameterLib_GetParameter(change.parameter);
    if (p && p->kind == ParamType_NRPNBitMask && change.index == kNoIndex)
        return "Mutes"; // the device sends all of a mask's bits at once
    // The first row that shows the parameter, or the first one that names it.
    for (const t_EditorParameter* e = synth->editorParameters; e && e->id != EPARAM_END; ++e)
        if (e->parameter == change.parameter && (!shown || (!*shown->name && *e->name)))
            shown = e;
    std::string text;
    if (const char* part = p ? partOf(p, change.index) : nullptr)
        text = std::string(part) + " ";
    if (const char* prefix = prefixOf(change.parameter))
        text += std::string(prefix) + (shown && *shown->name ? " " : "");
    if (shown)
        text += shown->name;
    return text;
}

// A value as the panel writes it: the knob's text, the list's entry, or the number.
std::string SynthEditor::valueText(const t_EditorParameter* e, float value)
{
    const int n = static_cast<int>(floatToInt(value));
    char text[kValueTextLength] = {};
    for (const t_EditorControl* row = c_EditorControls; e && row->id != EPARAM_END; ++row)
    {
        if (row->id != e->id)
            continue;
        if (row->valueToStr && row->valueToStr(this, n, text))
            return text;
        if (row->kind == CTRL_NUMBER_EDIT)
        {
            const auto* number = static_cast<const t_NumEdit_TypeStruct*>(row->parameters);
            std::snprintf(text, sizeof text, "%d", n + number->displayShift);
            if (number->display)
                number->display(n, text);
            return text;
        }
    }
    if (e && e->values)
        return e->values[synth->parameterLib_GetParameterMatchingValueListIndex(e, value)].label;
    return std::to_string(n);
}
