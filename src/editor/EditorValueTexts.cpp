// Value texts: a device value (0..127) in the device's own terms, for the info line.
#include "../core/SynthCommons.h"
#include "../params/ParameterValues.h"
#include "EditorTables.h"
#include "SynthEditor.h"

#include <array>
#include <cstdio>
#include <cstring>

namespace
{
constexpr int kTextSize = 16;

bool inRange(int value, const char* text)
{
    return text && value >= 0 && value <= 127;
}

// Cents of the FX pitch shifter by device value.
constexpr std::array<int, 128> pitchTable()
{
    std::array<int, 128> table{};
    for (int v = 0; v < 128; ++v)
    {
        if (v <= 24)
            table[v] = -2400 + 50 * v;
        else if (v < 60)
            table[v] = -1200 + ((v - 24) * 100 * 2 + 3) / 6; // rounded thirds
        else if (v <= 67)
            table[v] = 0;
        else if (v <= 103)
            table[v] = ((v - 67) * 100 * 2 + 3) / 6;
        else
            table[v] = 1200 + 50 * (v - 103);
    }
    return table;
}
constexpr auto kPitchCents = pitchTable();

struct NoteLength
{
    int upTo;
    const char* text;
};

constexpr NoteLength kModSpeedLengths[] = {
    {3, "8/1"},   {11, "4/1"},   {19, "2/1"},   {27, "1/1"},   {35, "3/4"},   {43, "1/2"},
    {51, "3/8"},  {59, "1/3"},   {67, "1/4"},   {75, "3/16"},  {83, "1/6"},   {91, "1/8"},
    {99, "1/12"}, {107, "1/16"}, {115, "1/24"}, {123, "1/32"}, {127, "1/64"},
};

constexpr NoteLength kFxTimeLengths[] = {
    {8, "1/64"},  {17, "1/32"}, {26, "1/24"}, {35, "1/16"}, {44, "1/12"}, {53, "1/8"},  {62, "1/6"},
    {71, "3/16"}, {82, "1/4"},  {91, "1/3"},  {100, "3/8"}, {109, "1/2"}, {118, "3/4"}, {127, "1/1"},
};

template <std::size_t N> bool noteLength(const NoteLength (&table)[N], int value, char* text)
{
    if (!inRange(value, text))
        return false;
    for (const NoteLength& length : table)
        if (value <= length.upTo)
        {
            std::snprintf(text, kTextSize, "%s", length.text);
            return true;
        }
    return false;
}

int deviceValueOf(SynthEditor* editor, e_EditorParameterID id)
{
    return static_cast<int>(floatToInt(editor->getSynth()->parameterLib_GetParameterValueFromEditor(id)));
}

int fxTypeIndex(SynthEditor* editor, e_EditorParameterID fxType)
{
    return editor->getSynth()->parameterLib_GetParameterMatchingValueListIndex(fxType);
}

// A plain number, for an FX type that the table knows.
bool plainFxValue(int fxTypeIndex, int value, char* text)
{
    return fxTypeIndex >= 0 && fxTypeIndex < kFxTypes && editorControlsValueToStr_0_127(nullptr, value, text);
}

enum FxTypeIndex
{
    FX_BPM_SYNC_DELAY = 1,
    FX_MOD_DELAY = 3,
    FX_TALKING_MOD = 8,
    FX_PITCH_SHIFTER = 9,
    FX_EQ = 13,
};
} // namespace

bool editorControlsValueToStr_0_127(SynthEditor*, int value, char* text)
{
    if (!inRange(value, text))
        return false;
    std::snprintf(text, kTextSize, "%d", value);
    return true;
}

bool editorControlsValueToStr_63_63(SynthEditor*, int value, char* text)
{
    if (!inRange(value, text))
        return false;
    const int centred = value == 0 ? -63 : value - 64;
    std::snprintf(text, kTextSize, centred >= 0 ? "+%d" : "%d", centred);
    return true;
}

bool editorControlsValueToStr_Pan(SynthEditor*, int value, char* text)
{
    if (!inRange(value, text))
        return false;
    if (value == 64)
        std::snprintf(text, kTextSize, "CNT");
    else if (value > 64)
        std::snprintf(text, kTextSize, "R%d", value - 64);
    else
        std::snprintf(text, kTextSize, "L%d", 64 - (value == 0 ? 1 : value));
    return true;
}

bool editorControlsValueToStr_Swing(SynthEditor*, int value, char* text)
{
    if (!inRange(value, text))
        return false;
    std::snprintf(text, kTextSize, "%d%%", 50 + value / 5);
    return true;
}

bool editorControlsValueToStr_FxPitch(SynthEditor*, int value, char* text)
{
    if (!inRange(value, text))
        return false;
    const int cents = kPitchCents[value];
    std::snprintf(text, kTextSize, cents < 0 ? "%04d" : "+%04d", cents);
    return true;
}

bool editorControlsValueToStr_FxTime(SynthEditor*, int value, char* text)
{
    return noteLength(kFxTimeLengths, value, text);
}

bool editorControlsValueToStr_ModSpeedBpmSync(SynthEditor*, int value, char* text)
{
    return noteLength(kModSpeedLengths, value, text);
}

bool editorControlsValueToStr_ModSpeed(SynthEditor* editor, int value, char* text,
                                       e_EditorParameterID bpmSync)
{
    if (deviceValueOf(editor, bpmSync) > 63)
        return editorControlsValueToStr_ModSpeedBpmSync(editor, value, text);
    return editorControlsValueToStr_0_127(editor, value, text);
}

bool editorControlsValueToStr_ModSpeed_Part(SynthEditor* editor, int value, char* text)
{
    return editorControlsValueToStr_ModSpeed(editor, value, text, EPARAM_PART_MOD_BPM_SYNC);
}

bool editorControlsValueToStr_ModSpeed_Keyboard(SynthEditor* editor, int value, char* text)
{
    return editorControlsValueToStr_ModSpeed(editor, value, text, EPARAM_KEYBOARD_MOD_BPM_SYNC);
}

bool editorControlsValueToStr_FxEdit1(SynthEditor* editor, int value, char* text, e_EditorParameterID fxType)
{
    const int index = fxTypeIndex(editor, fxType);
    if (index == FX_BPM_SYNC_DELAY || index == FX_MOD_DELAY)
        return editorControlsValueToStr_FxTime(editor, value, text);
    if (index == FX_PITCH_SHIFTER)
        return editorControlsValueToStr_FxPitch(editor, value, text);
    if (index == FX_EQ)
        return editorControlsValueToStr_63_63(editor, value, text);
    return plainFxValue(index, value, text);
}

bool editorControlsValueToStr_FxEdit2(SynthEditor* editor, int value, char* text, e_EditorParameterID fxType)
{
    const int index = fxTypeIndex(editor, fxType);
    if (index == FX_TALKING_MOD || index == FX_EQ)
        return editorControlsValueToStr_63_63(editor, value, text);
    return plainFxValue(index, value, text);
}

bool editorControlsValueToStr_Fx1Edit1(SynthEditor* editor, int value, char* text)
{
    return editorControlsValueToStr_FxEdit1(editor, value, text, EPARAM_FX1_TYPE);
}

bool editorControlsValueToStr_Fx2Edit1(SynthEditor* editor, int value, char* text)
{
    return editorControlsValueToStr_FxEdit1(editor, value, text, EPARAM_FX2_TYPE);
}

bool editorControlsValueToStr_Fx3Edit1(SynthEditor* editor, int value, char* text)
{
    return editorControlsValueToStr_FxEdit1(editor, value, text, EPARAM_FX3_TYPE);
}

bool editorControlsValueToStr_Fx1Edit2(SynthEditor* editor, int value, char* text)
{
    return editorControlsValueToStr_FxEdit2(editor, value, text, EPARAM_FX1_TYPE);
}

bool editorControlsValueToStr_Fx2Edit2(SynthEditor* editor, int value, char* text)
{
    return editorControlsValueToStr_FxEdit2(editor, value, text, EPARAM_FX2_TYPE);
}

bool editorControlsValueToStr_Fx3Edit2(SynthEditor* editor, int value, char* text)
{
    return editorControlsValueToStr_FxEdit2(editor, value, text, EPARAM_FX3_TYPE);
}

void editorControlsNumEditDisplay_Sample(int value, char* text)
{
    if (value == 256 && text)
        std::strcpy(text, "Off");
}

void editorControlsNumEditDisplay_Slice(int value, char* text)
{
    if (value == 255 && text)
        std::strcpy(text, "All");
}
