// The info line's value texts: a device value in the device's own terms, and the line they
// make with the part string.
#include "core/SynthCommons.h"
#include "editor/SynthEditor.h"
#include "gui/GuiToolkit.h"
#include "params/ParameterValues.h"
#include "support/RecordingHost.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <thread>

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

// Both ends of every note length, as the device's manual lists them.
TEST_F(ValueTexts, NoteLengthsChangeWhereTheDeviceChangesThem)
{
    const struct
    {
        int first, last;
        const char* text;
    } modSpeed[] =
        {
            {0, 3, "8/1"},      {4, 11, "4/1"},     {12, 19, "2/1"},  {20, 27, "1/1"},    {28, 35, "3/4"},
            {36, 43, "1/2"},    {44, 51, "3/8"},    {52, 59, "1/3"},  {60, 67, "1/4"},    {68, 75, "3/16"},
            {76, 83, "1/6"},    {84, 91, "1/8"},    {92, 99, "1/12"}, {100, 107, "1/16"}, {108, 115, "1/24"},
            {116, 123, "1/32"}, {124, 127, "1/64"},
        },
      fxTime[] = {
          {0, 8, "1/64"},   {9, 17, "1/32"},   {18, 26, "1/24"},  {27, 35, "1/16"},  {36, 44, "1/12"},
          {45, 53, "1/8"},  {54, 62, "1/6"},   {63, 71, "3/16"},  {72, 82, "1/4"},   {83, 91, "1/3"},
          {92, 100, "3/8"}, {101, 109, "1/2"}, {110, 118, "3/4"}, {119, 127, "1/1"},
      };
    for (const auto& length : modSpeed)
        for (int value : {length.first, length.last})
            EXPECT_EQ(text(editorControlsValueToStr_ModSpeedBpmSync, value), length.text)
                << "speed " << value;
    for (const auto& length : fxTime)
        for (int value : {length.first, length.last})
            EXPECT_EQ(text(editorControlsValueToStr_FxTime, value), length.text) << "time " << value;
}

// Cents in half-semitone steps below -1200 and above +1200, in thirds of a semitone between,
// with the dead band around 0.
TEST_F(ValueTexts, PitchShiftsReadInCents)
{
    const TextCase cases[] = {
        {editorControlsValueToStr_FxPitch, 1, "-2350"},   {editorControlsValueToStr_FxPitch, 23, "-1250"},
        {editorControlsValueToStr_FxPitch, 24, "-1200"},  {editorControlsValueToStr_FxPitch, 25, "-1167"},
        {editorControlsValueToStr_FxPitch, 26, "-1133"},  {editorControlsValueToStr_FxPitch, 27, "-1100"},
        {editorControlsValueToStr_FxPitch, 41, "-633"},   {editorControlsValueToStr_FxPitch, 58, "-067"},
        {editorControlsValueToStr_FxPitch, 68, "+0033"},  {editorControlsValueToStr_FxPitch, 69, "+0067"},
        {editorControlsValueToStr_FxPitch, 70, "+0100"},  {editorControlsValueToStr_FxPitch, 85, "+0600"},
        {editorControlsValueToStr_FxPitch, 102, "+1167"}, {editorControlsValueToStr_FxPitch, 103, "+1200"},
        {editorControlsValueToStr_FxPitch, 126, "+2350"}, {editorControlsValueToStr_FxPitch, 127, "+2400"},
    };
    for (const TextCase& c : cases)
        EXPECT_EQ(text(c.function, c.value), c.text) << "value " << c.value;
}

// Each FX slot's knobs read the type chosen in that slot: Mod delay times its first knob in
// notes, Pitch shifter shifts it in cents, Talking mod offsets its second knob by -63..+63.
TEST_F(ValueTexts, EachFxSlotReadsItsOwnType)
{
    constexpr int kModDelay = 24, kTalkingMod = 64, kPitchShifter = 72; // the types' device values
    const struct
    {
        int fx1, fx2, fx3;
        const char* edit1[3];
        const char* edit2[3];
    } cases[] = {
        {kModDelay, kTalkingMod, kPitchShifter, {"1/24", "25", "-1167"}, {"25", "-39", "25"}},
        {kPitchShifter, kModDelay, kTalkingMod, {"-1167", "1/24", "25"}, {"25", "25", "-39"}},
        {kTalkingMod, kPitchShifter, kModDelay, {"25", "-1167", "1/24"}, {"-39", "25", "25"}},
    };
    const t_ValueToStrCbk edit1[] = {editorControlsValueToStr_Fx1Edit1, editorControlsValueToStr_Fx2Edit1,
                                     editorControlsValueToStr_Fx3Edit1};
    const t_ValueToStrCbk edit2[] = {editorControlsValueToStr_Fx1Edit2, editorControlsValueToStr_Fx2Edit2,
                                     editorControlsValueToStr_Fx3Edit2};
    for (const auto& c : cases)
    {
        synth->parameterLib_SetParameterValueFromEditor(EPARAM_FX1_TYPE, IntToFloat(c.fx1));
        synth->parameterLib_SetParameterValueFromEditor(EPARAM_FX2_TYPE, IntToFloat(c.fx2));
        synth->parameterLib_SetParameterValueFromEditor(EPARAM_FX3_TYPE, IntToFloat(c.fx3));
        for (int slot = 0; slot < 3; ++slot)
        {
            EXPECT_EQ(text(edit1[slot], 25), c.edit1[slot]) << "FX" << slot + 1 << " edit 1, types " << c.fx1;
            EXPECT_EQ(text(edit2[slot], 25), c.edit2[slot]) << "FX" << slot + 1 << " edit 2, types " << c.fx1;
        }
    }
}

// The keyboard's speed follows the keyboard's own BPM sync, which counts as on from 64.
TEST_F(ValueTexts, TheKeyboardSpeedFollowsTheKeyboardSync)
{
    synth->parameterLib_SetParameterValueFromEditor(EPARAM_PART_KEYBOARD1, 1.0f);
    synth->parameterLib_SetParameterValueFromEditor(EPARAM_PART_MOD_BPM_SYNC, IntToFloat(64));
    synth->parameterLib_SetParameterValueFromEditor(EPARAM_KEYBOARD_MOD_BPM_SYNC, IntToFloat(63));
    EXPECT_EQ(text(editorControlsValueToStr_ModSpeed_Keyboard, 70), "70");
    synth->parameterLib_SetParameterValueFromEditor(EPARAM_KEYBOARD_MOD_BPM_SYNC, IntToFloat(64));
    EXPECT_EQ(text(editorControlsValueToStr_ModSpeed_Keyboard, 70), "3/16");
    synth->parameterLib_SetParameterValueFromEditor(EPARAM_PART_MOD_BPM_SYNC, 0.0f);
    EXPECT_EQ(text(editorControlsValueToStr_ModSpeed_Keyboard, 70), "3/16");
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

namespace
{
// What the user selects with the mode and part buttons.
void select(SynthCommons& synth, e_EditorParameterID mode, e_EditorParameterID part = EPARAM_END)
{
    synth.parameterLib_SetParameterValueFromEditor(mode, 1.0f);
    if (part != EPARAM_END)
        synth.parameterLib_SetParameterValueFromEditor(part, 1.0f);
}

// The control that the user hovers: a knob or a slider.
CControl* controlOf(const t_EditorControl* row)
{
    switch (row->kind)
    {
    case CTRL_KNOB:
        return static_cast<const t_Knob_TypeStruct*>(row->parameters)->knob;
    case CTRL_VERTICAL_SLIDER:
        return static_cast<const t_VSlider_TypeStruct*>(row->parameters)->slider;
    case CTRL_HORIZONTAL_SLIDER:
        return static_cast<const t_HSlider_TypeStruct*>(row->parameters)->slider;
    default:
        return nullptr;
    }
}
} // namespace

TEST_F(ValueTexts, ThePartStringNamesThePageOrPartOnScreen)
{
    const struct
    {
        e_EditorParameterID mode;
        e_EditorParameterID part;
        const char* text;
    } cases[] = {
        {EPARAM_MODE_PARTS, EPARAM_PART_DRUM1, "D1 |"},
        {EPARAM_MODE_PARTS, EPARAM_PART_DRUM2, "D2 |"},
        {EPARAM_MODE_PARTS, EPARAM_PART_DRUM3, "D3 |"},
        {EPARAM_MODE_PARTS, EPARAM_PART_DRUM4, "D4 |"},
        {EPARAM_MODE_PARTS, EPARAM_PART_DRUM5, "D5 |"},
        {EPARAM_MODE_PARTS, EPARAM_PART_DRUM6A, "D6A |"},
        {EPARAM_MODE_PARTS, EPARAM_PART_DRUM6B, "D6B |"},
        {EPARAM_MODE_PARTS, EPARAM_PART_DRUM7A, "D7A |"},
        {EPARAM_MODE_PARTS, EPARAM_PART_DRUM7B, "D7B |"},
        {EPARAM_MODE_PARTS, EPARAM_PART_STRETCH1, "ST1 |"},
        {EPARAM_MODE_PARTS, EPARAM_PART_STRETCH2, "ST2 |"},
        {EPARAM_MODE_PARTS, EPARAM_PART_SLICE_SELECT, "SL |"},
        {EPARAM_MODE_PARTS, EPARAM_PART_AUDIOIN, "AU |"},
        {EPARAM_MODE_PARTS, EPARAM_PART_KEYBOARD1, "K1 |"},
        {EPARAM_MODE_PARTS, EPARAM_PART_KEYBOARD2, "K2 |"},
        {EPARAM_MODE_PARTS, EPARAM_PART_DRUM1, "D1 |"},
        {EPARAM_MODE_MIX, EPARAM_END, "MIX |"},
        {EPARAM_MODE_GLOBAL, EPARAM_END, "GLOBAL |"},
        {EPARAM_MODE_SETUP, EPARAM_END, "SETUP |"},
    };
    for (const auto& c : cases)
    {
        select(*synth, c.mode, c.part);
        editor->editorControlsLib_ResetParameterInfo();
        EXPECT_EQ(editor->infoLineText(), c.text);
    }
    editor->editorControlsLib_MidiTestResult();
    EXPECT_EQ(editor->infoLineText(), "MIDI TEST |");
}

// Which value text each knob and slider uses, as the user meets it: the line that hovering the
// control at device value 1 writes (1 reads "1" as a plain number, "-63" centred, "L63" as a
// pan, "8/1" as a synced speed, "1/64" as an FX time, "-2350" as a pitch shift).
TEST_F(ValueTexts, HoveringEachKnobAndSliderShowsItsValueInItsOwnTerms)
{
    editor->open(nullptr);
    select(*synth, EPARAM_MODE_GLOBAL);
    synth->parameterLib_SetParameterValueFromEditor(EPARAM_FX1_TYPE, IntToFloat(24)); // Mod delay
    synth->parameterLib_SetParameterValueFromEditor(EPARAM_FX2_TYPE, IntToFloat(64)); // Talking mod
    synth->parameterLib_SetParameterValueFromEditor(EPARAM_FX3_TYPE, IntToFloat(72)); // Pitch shifter
    select(*synth, EPARAM_MODE_PARTS, EPARAM_PART_DRUM1);
    synth->parameterLib_SetParameterValueFromEditor(EPARAM_PART_MOD_BPM_SYNC, IntToFloat(64));
    select(*synth, EPARAM_MODE_PARTS, EPARAM_PART_KEYBOARD1);
    synth->parameterLib_SetParameterValueFromEditor(EPARAM_KEYBOARD_MOD_BPM_SYNC, 0.0f);
    const struct
    {
        e_EditorParameterID mode;
        e_EditorParameterID part;
        e_EditorParameterID control;
        const char* line; // null: the line stays as it was
    } cases[] = {
        {EPARAM_MODE_PARTS, EPARAM_PART_DRUM1, EPARAM_PART_FILTER_CUTOFF, "D1 | Cutoff:  1"},
        {EPARAM_MODE_PARTS, EPARAM_PART_DRUM1, EPARAM_PART_FILTER_RESONANCE, "D1 | Resonance:  1"},
        {EPARAM_MODE_PARTS, EPARAM_PART_DRUM1, EPARAM_PART_FILTER_EGINT, "D1 | Eg int:  -63"},
        {EPARAM_MODE_PARTS, EPARAM_PART_DRUM1, EPARAM_PART_MOD_SPEED, "D1 | Speed:  8/1"},
        {EPARAM_MODE_PARTS, EPARAM_PART_DRUM1, EPARAM_PART_MOD_DEPTH, "D1 | Depth:  -63"},
        {EPARAM_MODE_PARTS, EPARAM_PART_DRUM1, EPARAM_PART_PITCH, "D1 | Pitch:  -63"},
        {EPARAM_MODE_PARTS, EPARAM_PART_DRUM1, EPARAM_PART_PAN, "D1 | Pan:  L63"},
        {EPARAM_MODE_PARTS, EPARAM_PART_DRUM1, EPARAM_PART_EG_TIME, "D1 | Eg time:  1"},
        {EPARAM_MODE_PARTS, EPARAM_PART_DRUM1, EPARAM_PART_LEVEL, "D1 | Level:  1"},
        {EPARAM_MODE_PARTS, EPARAM_PART_DRUM1, EPARAM_PART_START, nullptr},
        {EPARAM_MODE_PARTS, EPARAM_PART_KEYBOARD1, EPARAM_KEYBOARD_FILTER_CUTOFF, "K1 | Cutoff:  1"},
        {EPARAM_MODE_PARTS, EPARAM_PART_KEYBOARD1, EPARAM_KEYBOARD_FILTER_RESONANCE, "K1 | Resonance:  1"},
        {EPARAM_MODE_PARTS, EPARAM_PART_KEYBOARD1, EPARAM_KEYBOARD_FILTER_EG_INT, "K1 | Eg int:  -63"},
        {EPARAM_MODE_PARTS, EPARAM_PART_KEYBOARD1, EPARAM_KEYBOARD_MOD_SPEED, "K1 | Speed:  1"},
        {EPARAM_MODE_PARTS, EPARAM_PART_KEYBOARD1, EPARAM_KEYBOARD_MOD_DEPTH, "K1 | Depth:  -63"},
        {EPARAM_MODE_PARTS, EPARAM_PART_KEYBOARD1, EPARAM_KEYBOARD_GLIDE, "K1 | Glide:  -63"},
        {EPARAM_MODE_PARTS, EPARAM_PART_KEYBOARD1, EPARAM_KEYBOARD_PAN, "K1 | Pan:  L63"},
        {EPARAM_MODE_PARTS, EPARAM_PART_KEYBOARD1, EPARAM_KEYBOARD_EG_TIME, "K1 | Eg time:  1"},
        {EPARAM_MODE_PARTS, EPARAM_PART_KEYBOARD1, EPARAM_KEYBOARD_LEVEL, "K1 | Level:  1"},
        {EPARAM_MODE_PARTS, EPARAM_PART_KEYBOARD1, EPARAM_KEYBOARD_START, nullptr},
        {EPARAM_MODE_GLOBAL, EPARAM_END, EPARAM_FX1_EDIT1, "FX1 |  1-Time: 1/64"},
        {EPARAM_MODE_GLOBAL, EPARAM_END, EPARAM_FX1_EDIT2, "FX1 |  2-Depth: 1"},
        {EPARAM_MODE_GLOBAL, EPARAM_END, EPARAM_FX2_EDIT1, "FX2 |  1-Formant: 1"},
        {EPARAM_MODE_GLOBAL, EPARAM_END, EPARAM_FX2_EDIT2, "FX2 |  2-Offset: -63"},
        {EPARAM_MODE_GLOBAL, EPARAM_END, EPARAM_FX3_EDIT1, "FX3 |  1-Pitch: -2350"},
        {EPARAM_MODE_GLOBAL, EPARAM_END, EPARAM_FX3_EDIT2, "FX3 |  2-Balance: 1"},
        {EPARAM_MODE_GLOBAL, EPARAM_END, EPARAM_GLOBAL_ACCENT_LEVEL, "GLOBAL | Accent:  1"},
        {EPARAM_MODE_GLOBAL, EPARAM_END, EPARAM_GLOBAL_SWING, "GLOBAL | Swing:  50%"},
        {EPARAM_MODE_MIX, EPARAM_END, EPARAM_MIX_LEVEL_DRUM1, "D1 |  Level:  1"},
        {EPARAM_MODE_MIX, EPARAM_END, EPARAM_MIX_LEVEL_KEYBOARD1, "K1 |  Level:  1"},
        {EPARAM_MODE_MIX, EPARAM_END, EPARAM_MIX_PAN_DRUM1, "D1 |  Pan:  1"},
        {EPARAM_MODE_MIX, EPARAM_END, EPARAM_MIX_PAN_KEYBOARD1, "K1 |  Pan:  1"},
    };
    for (const auto& c : cases)
    {
        select(*synth, c.mode, c.part);
        editor->refreshAfterSelection();
        const t_EditorControl* row = editor->firstControlRow(c.control);
        CControl* control = row ? controlOf(row) : nullptr;
        ASSERT_NE(control, nullptr) << "editor parameter " << c.control;
        control->setValue(IntToFloat(1));
        editor->editorControlsLib_ResetParameterInfo();
        const std::string before = editor->infoLineText();

        editor->editorControlsLib_OnControlMouseMoved(control);

        EXPECT_EQ(editor->infoLineText(), c.line ? c.line : before) << "editor parameter " << c.control;
    }
    editor->close();
}

// The host and the device change an FX type on threads of their own; the knobs are renamed at
// the panel's next idle, and the info line that shows a knob then names it anew.
TEST_F(ValueTexts, TheInfoLineNamesAnFxKnobAfterTheHostOrTheDeviceChangedItsType)
{
    editor->open(nullptr);
    select(*synth, EPARAM_MODE_GLOBAL);
    editor->refreshAfterSelection();
    synth->parameterLib_SetParameterValueFromEditor(EPARAM_FX1_TYPE, 0.0f); // Reverb
    CControl* knob = controlOf(editor->firstControlRow(EPARAM_FX1_EDIT1));
    knob->setValue(IntToFloat(64));
    editor->editorControlsLib_OnControlMouseMoved(knob);
    ASSERT_EQ(editor->infoLineText(), "FX1 |  1-Time: 64");

    constexpr int kFx1TypeHostParameter = 48;
    std::thread([&] { synth->setParameter(kFx1TypeHostParameter, IntToFloat(96)); }).join(); // Decimator
    editor->idle();
    EXPECT_EQ(editor->infoLineText(), "FX1 |  1-Freq.: 64");

    std::thread([&] { synth->TetherMidiReceive({0xB0, 12, 104}, false); }).join(); // EQ, from the device
    editor->idle();
    EXPECT_EQ(editor->infoLineText(), "FX1 |  1-LowGain: +0");
    editor->close();
}
