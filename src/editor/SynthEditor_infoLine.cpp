// The info line: the part string, a parameter's name and value in the device's terms, or a
// status message.
#include "../core/SynthCommons.h"
#include "../gui/GuiToolkit.h"
#include "../params/ParameterValues.h"
#include "SynthEditor.h"

#include <cstdio>

namespace
{
constexpr int kValueTextLength = 16;

// The parameters whose line does without the part string, with the format of their line.
struct InfoFormat
{
    e_EditorParameterID id;
    const char* format; // fed with the prefix and the value text
    const char* prefix; // null: the parameter's name
};

constexpr InfoFormat kFormats[] = {
    {EPARAM_FX1_EDIT1, "FX1 |  %s: %s", nullptr},
    {EPARAM_FX1_EDIT2, "FX1 |  %s: %s", nullptr},
    {EPARAM_FX2_EDIT1, "FX2 |  %s: %s", nullptr},
    {EPARAM_FX2_EDIT2, "FX2 |  %s: %s", nullptr},
    {EPARAM_FX3_EDIT1, "FX3 |  %s: %s", nullptr},
    {EPARAM_FX3_EDIT2, "FX3 |  %s: %s", nullptr},
    {EPARAM_MIX_LEVEL_DRUM1, "%s |  Level:  %s", "D1"},
    {EPARAM_MIX_LEVEL_KEYBOARD1, "%s |  Level:  %s", "K1"},
    {EPARAM_MIX_PAN_DRUM1, "%s |  Pan:  %s", "D1"},
    {EPARAM_MIX_PAN_KEYBOARD1, "%s |  Pan:  %s", "K1"},
};

// The short names of the mix strips beyond Drum1 and Keyboard1, in mix order.
constexpr const char* kMixStripNames[kMixExtraStrips] = {"D2",  "D3", "D4",  "D5",  "D6A", "D6B", "D7A",
                                                         "D7B", "K2", "ST1", "ST2", "SL",  "AU"};

// The line's format for a parameter that has one of its own; false for the others.
bool formatOf(e_EditorParameterID id, InfoFormat* format)
{
    for (const InfoFormat& f : kFormats)
        if (f.id == id)
            return *format = f, true;
    for (unsigned strip = 0; strip < kMixExtraStrips; ++strip)
    {
        if (id == EPARAM_MIX_LEVEL_FIRST + strip)
            return *format = {id, "%s |  Level:  %s", kMixStripNames[strip]}, true;
        if (id == EPARAM_MIX_PAN_FIRST + strip)
            return *format = {id, "%s |  Pan:  %s", kMixStripNames[strip]}, true;
    }
    return false;
}
} // namespace

void SynthEditor::showInfoLine(const char* text, e_EditorParameterID shown)
{
    setResourceText(RES_INFO_LINE, text);
    infoLineParameter = shown;
}

void SynthEditor::editorControlsLib_DisplayCurrentParameterInfo(float value, const t_EditorControl* control)
{
    if (!control || !control->valueToStr)
        return;
    const t_EditorParameter* e = synth->parameterLib_GetEditorParameter(control->id);
    if (!e)
        return;
    char valueText[kValueTextLength];
    if (!control->valueToStr(this, static_cast<int>(floatToInt(value)), valueText))
        return;
    char composed[kInfoTextLength];
    char line[2 * kInfoTextLength];
    if (InfoFormat f{}; formatOf(control->id, &f))
        std::snprintf(line, sizeof line, f.format, f.prefix ? f.prefix : e->name, valueText);
    else
    {
        std::snprintf(composed, sizeof composed, "%s:  %s", e->name, valueText);
        char partString[kInfoTextLength / 2];
        editorControlsLib_GetCurrentPartString(partString, sizeof partString);
        std::snprintf(line, sizeof line, "%s %s", partString, composed);
    }
    showInfoLine(line, control->id);
}

void SynthEditor::editorControlsLib_DisplayCurrentParameterInfo(const char* text)
{
    showInfoLine(text, EPARAM_END);
}

void SynthEditor::editorControlsLib_ResetParameterInfo()
{
    char partString[kInfoTextLength];
    editorControlsLib_GetCurrentPartString(partString, sizeof partString);
    showInfoLine(partString, EPARAM_END);
}

void SynthEditor::editorControlsLib_RefreshParameterInfo()
{
    const e_EditorParameterID shown = infoLineParameter;
    if (shown != EPARAM_END)
        editorControlsLib_DisplayCurrentParameterInfo(synth->parameterLib_GetParameterValueFromEditor(shown),
                                                      editorControlsLib_GetFirstMatchingControl(shown));
}

void SynthEditor::editorControlsLib_OnControlMouseMoved(CControl* control)
{
    const t_EditorControl* row = editorControlsLib_GetEditorControl(control);
    if (!row)
        return;
    // What undo, redo and compare would do changes under the pointer: asked each time.
    if (const std::string hover = hoverText(row->id); !hover.empty())
    {
        if (hover != infoLineText())
            showInfoLine(hover.c_str(), row->id);
        return;
    }
    if (row->id != infoLineParameter)
        editorControlsLib_DisplayCurrentParameterInfo(control->getValue(), row);
}

void SynthEditor::mouseMoved(CDrawContext*, CControl* control)
{
    editorControlsLib_OnControlMouseMoved(control);
}

void SynthEditor::editorControlsLib_GetCurrentPartString(char* buffer, int size) const
{
    static const char* const kPartNames[] = {"D1",  "D2",  "D3",  "D4",  "D5", "D6A", "D6B",
                                             "D7A", "D7B", "ST1", "ST2", "SL", "AU"};
    const int mode = synth->pluginMode;
    const int channel = synth->currentChannel;
    const int part = synth->currentPart;
    if (mode == PLUGIN_MODE_MIX)
        std::snprintf(buffer, size, "MIX |");
    else if (mode == PLUGIN_MODE_SETUP)
        std::snprintf(buffer, size, "SETUP |");
    else if (mode == PLUGIN_MODE_MIDI_TEST)
        std::snprintf(buffer, size, "MIDI TEST |");
    else if (mode != PLUGIN_MODE_PART)
        std::snprintf(buffer, size, "GLOBAL |");
    else if (channel == kChannelKeyboard1 || channel == kChannelKeyboard2)
        std::snprintf(buffer, size, "K%d |", channel + 1);
    else if (part >= 0 && part < static_cast<int>(PART_KEYBOARD1))
        std::snprintf(buffer, size, "%s |", kPartNames[part]);
    else
        std::snprintf(buffer, size, "|");
}

bool SynthEditor::editorControlsLib_NeedToUpdateCurrentParameterInfo(e_EditorParameterID id) const
{
    const e_EditorParameterID shown = infoLineParameter;
    switch (id)
    {
    case EPARAM_PART_MOD_BPM_SYNC:
        return shown == EPARAM_PART_MOD_SPEED;
    case EPARAM_KEYBOARD_MOD_BPM_SYNC:
        return shown == EPARAM_KEYBOARD_MOD_SPEED;
    case EPARAM_FX1_TYPE:
        return shown == EPARAM_FX1_EDIT1 || shown == EPARAM_FX1_EDIT2;
    case EPARAM_FX2_TYPE:
        return shown == EPARAM_FX2_EDIT1 || shown == EPARAM_FX2_EDIT2;
    case EPARAM_FX3_TYPE:
        return shown == EPARAM_FX3_EDIT1 || shown == EPARAM_FX3_EDIT2;
    default:
        return false;
    }
}
