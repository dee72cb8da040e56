// The info line (the parameter being touched, or a status message) and the device status.
#include "../core/SynthCommons.h"
#include "EditorTables.h"
#include "SynthEditor.h"

#include <cstdio>

// A parameter's information comes from its control, and controls exist only with the panel.
void SynthEditor::editorControlsLib_DisplayCurrentParameterInfo(float, t_EditorControl*) {}

void SynthEditor::editorControlsLib_DisplayCurrentParameterInfo(const char* text)
{
    {
        std::lock_guard<std::mutex> lock(textLock);
        infoText = text ? text : "";
    }
    infoLineParameter = EPARAM_END;
}

void SynthEditor::editorControlsLib_ResetParameterInfo()
{
    char partString[kInfoTextLength];
    editorControlsLib_GetCurrentPartString(partString, sizeof partString);
    editorControlsLib_DisplayCurrentParameterInfo(partString);
}

std::string SynthEditor::infoLineText() const
{
    std::lock_guard<std::mutex> lock(textLock);
    return infoText;
}

void SynthEditor::setDeviceStatus(const char* text)
{
    std::lock_guard<std::mutex> lock(textLock);
    deviceStatus = text ? text : "";
}

void SynthEditor::setLamp(std::uint32_t lamp, bool on)
{
    (lamp == RES_LAMP_OUT ? outLampLit : inLampLit) = on;
}

bool SynthEditor::lampLit(std::uint32_t lamp) const
{
    return lamp == RES_LAMP_OUT ? outLampLit : inLampLit;
}

std::string SynthEditor::deviceStatusText() const
{
    std::lock_guard<std::mutex> lock(textLock);
    return deviceStatus;
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
