// The info line's value texts: a device value in the device's own terms, and the line they
// make with the part string.
#include "core/SynthCommons.h"
#include "editor/SynthEditor.h"
#include "params/ParameterValues.h"
#include "support/RecordingHost.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace
{
class ValueTexts : public ::testing::Test
{
protected:
    std::string text(t_ValueToStrCbk function, int value)
    {
        char buffer[32] = "unchanged";
        return function(editor, value, buffer) ? buffer : "(none)";
    }

    RecordingHost host;
    std::unique_ptr<SynthCommons> synth = std::make_unique<SynthCommons>(RecordingHost::callback);
    SynthEditor* editor = synth->getSynthEditor();
};

struct TextCase
{
    t_ValueToStrCbk function;
    int value;
    const char* text;
};
} // namespace

TEST_F(ValueTexts, ReadAsTheDeviceShowsThem)
{
    const TextCase cases[] = {
        {editorControlsValueToStr_Pan, 0, "L63"},
        {editorControlsValueToStr_Pan, 1, "L63"},
        {editorControlsValueToStr_Pan, 63, "L1"},
        {editorControlsValueToStr_Pan, 64, "CNT"},
        {editorControlsValueToStr_Pan, 127, "R63"},
        {editorControlsValueToStr_63_63, 0, "-63"},
        {editorControlsValueToStr_63_63, 1, "-63"},
        {editorControlsValueToStr_63_63, 64, "+0"},
        {editorControlsValueToStr_63_63, 127, "+63"},
        {editorControlsValueToStr_Swing, 99, "69%"},
        {editorControlsValueToStr_Swing, 100, "70%"},
        {editorControlsValueToStr_Swing, 127, "75%"},
        {editorControlsValueToStr_FxPitch, 60, "+0000"},
        {editorControlsValueToStr_FxPitch, 67, "+0000"},
        {editorControlsValueToStr_FxPitch, 59, "-033"},
        {editorControlsValueToStr_FxPitch, 104, "+1250"},
        {editorControlsValueToStr_FxPitch, 0, "-2400"},
        {editorControlsValueToStr_FxTime, 40, "1/12"},
        {editorControlsValueToStr_FxTime, 127, "1/1"},
        {editorControlsValueToStr_ModSpeedBpmSync, 0, "8/1"},
        {editorControlsValueToStr_ModSpeedBpmSync, 70, "3/16"},
        {editorControlsValueToStr_0_127, 128, "(none)"},
        {editorControlsValueToStr_Pan, -1, "(none)"},
    };
    for (const TextCase& c : cases)
        EXPECT_EQ(text(c.function, c.value), c.text) << "value " << c.value;
}

TEST_F(ValueTexts, DependOnTheSwitchesAndTypesTheyGoWith)
{
    synth->parameterLib_SetParameterValueFromEditor(EPARAM_PART_MOD_BPM_SYNC, 0.0f);
    EXPECT_EQ(text(editorControlsValueToStr_ModSpeed_Part, 70), "70");
    synth->parameterLib_SetParameterValueFromEditor(EPARAM_PART_MOD_BPM_SYNC, IntToFloat(64));
    EXPECT_EQ(text(editorControlsValueToStr_ModSpeed_Part, 70), "3/16");

    synth->parameterLib_SetParameterValueFromEditor(EPARAM_FX2_TYPE, IntToFloat(104)); // EQ
    EXPECT_EQ(text(editorControlsValueToStr_Fx2Edit1, 0), "-63");
    EXPECT_EQ(text(editorControlsValueToStr_Fx2Edit2, 127), "+63");
    synth->parameterLib_SetParameterValueFromEditor(EPARAM_FX2_TYPE, 0.0f); // Reverb
    EXPECT_EQ(text(editorControlsValueToStr_Fx2Edit1, 0), "0");
    EXPECT_EQ(text(editorControlsValueToStr_Fx2Edit2, 127), "127");
    synth->parameterLib_SetParameterValueFromEditor(EPARAM_FX2_TYPE, IntToFloat(8)); // BPM Sync delay
    EXPECT_EQ(text(editorControlsValueToStr_Fx2Edit1, 40), "1/12");
}

TEST_F(ValueTexts, NumberEditorsShowOffAndAll)
{
    char sample[8] = "256";
    editorControlsNumEditDisplay_Sample(256, sample);
    EXPECT_STREQ(sample, "Off");
    char slice[8] = "256";
    editorControlsNumEditDisplay_Slice(255, slice);
    EXPECT_STREQ(slice, "All");
    char other[8] = "255";
    editorControlsNumEditDisplay_Slice(254, other);
    EXPECT_STREQ(other, "255");
}

TEST_F(ValueTexts, TheInfoLineNamesPartParameterAndValue)
{
    synth->pluginMode = PLUGIN_MODE_PART;
    synth->parameterLib_SetParameterValueFromEditor(EPARAM_PART_DRUM7A, 1.0f);
    editor->open(nullptr);
    const struct
    {
        e_EditorParameterID id;
        int value;
        const char* line;
    } cases[] = {
        {EPARAM_PART_FILTER_CUTOFF, 64, "D7A | Cutoff:  64"},
        {EPARAM_MIX_LEVEL_KEYBOARD1, 100, "K1 |  Level:  100"},
        {static_cast<e_EditorParameterID>(EPARAM_MIX_PAN_FIRST + 8), 64, "K2 |  Pan:  64"},
    };
    for (const auto& c : cases)
    {
        editor->editorControlsLib_DisplayCurrentParameterInfo(
            IntToFloat(c.value), editor->editorControlsLib_GetFirstMatchingControl(c.id));
        EXPECT_EQ(editor->infoLineText(), c.line);
    }
    const std::string before = editor->infoLineText();
    editor->editorControlsLib_DisplayCurrentParameterInfo(
        0.5f, editor->editorControlsLib_GetFirstMatchingControl(EPARAM_PART_START));
    EXPECT_EQ(editor->infoLineText(), before) << "the sample start knobs have no value text";

    // On the global page the FX type has named its knobs: BPM Sync delay times in notes.
    synth->parameterLib_SetParameterValueFromEditor(EPARAM_FX2_TYPE, IntToFloat(8));
    synth->parameterLib_SetParameterValueFromEditor(EPARAM_MODE_GLOBAL, 1.0f);
    editor->refreshAfterSelection();
    editor->editorControlsLib_DisplayCurrentParameterInfo(
        IntToFloat(40), editor->editorControlsLib_GetFirstMatchingControl(EPARAM_FX2_EDIT1));
    EXPECT_EQ(editor->infoLineText(), "FX2 |  1-Time: 1/12");
    editor->close();
}
