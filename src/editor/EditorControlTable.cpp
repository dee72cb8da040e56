// The panel's controls: one row per control, with the kind's record, its place, its value
// text and when it shows the parameter's part or page. Rows later in the table are drawn
// above earlier ones of the same container.
#include "../gui/GuiTypes.h"
#include "EditorTables.h"

namespace
{
// --- Kind records (the editor copies them per row and writes the views into the copies) ---

constexpr t_Knob_TypeStruct vKnob_TypeParams{nullptr, nullptr, RES_KNOB};
constexpr t_Knob_TypeStruct vKnobCentred_TypeParams{nullptr, nullptr, RES_KNOB_CENTRED};

constexpr t_Button_TypeStruct vButton_TypeParams{nullptr, nullptr, RES_BUTTON, 6};
constexpr t_Button_TypeStruct vSmallButton_TypeParams{nullptr, nullptr, RES_SMALL_BUTTON, 6};
constexpr t_Button_TypeStruct vHistoryButton_TypeParams{nullptr, nullptr, RES_HISTORY_BUTTON, 6};
constexpr t_Button_TypeStruct vCompareButton_TypeParams{nullptr, nullptr, RES_COMPARE_BUTTON, 6};
constexpr t_Button_TypeStruct vLargeButton_TypeParams{nullptr, nullptr, RES_LARGE_BUTTON, 2};
constexpr t_Button_TypeStruct vQuestionYes_TypeParams{nullptr, nullptr, RES_QUESTION_YES, 6};
constexpr t_Button_TypeStruct vQuestionNo_TypeParams{nullptr, nullptr, RES_QUESTION_NO, 6};
constexpr t_Button_TypeStruct vMuteButton_TypeParams{nullptr, nullptr, RES_MUTE_BUTTON, 6};
constexpr t_Button_TypeStruct vModeButton_TypeParams{nullptr, nullptr, RES_MODE_BUTTON, 1};
constexpr t_Button_TypeStruct vPartButton_TypeParams{nullptr, nullptr, RES_PART_BUTTON, 3};

constexpr t_LedData LED_DATA_MIDI_MODE[] = {{12, 15, 0}, {12, 57, 1}, {0, 0, 0}};
constexpr t_LedData LED_DATA_KNOB_MODE[] = {{250, 24, 0}, {250, 52, 1}, {0, 0, 0}};
constexpr t_LedData LED_DATA_ZOOM[] = {{648, 22, 0}, {648, 41, 1}, {648, 60, 2}, {0, 0, 0}};
constexpr t_LedData LED_DATA_CC_FILTER_TYPE[] = {
    {78, 68, 0}, {120, 68, 1}, {78, 90, 2}, {120, 90, 3}, {0, 0, 0}};
constexpr t_LedData LED_DATA_PART_MOD_TYPE[] = {{71, 7, 0},  {71, 24, 1}, {71, 41, 2},
                                                {71, 58, 3}, {71, 75, 4}, {0, 0, 0}};
constexpr t_LedData LED_DATA_PART_MOD_DEST[] = {{5, 17, 0}, {5, 34, 1}, {5, 51, 2}, {5, 68, 3}, {0, 0, 0}};
constexpr t_LedData LED_DATA_PART_AUDIOIN_MOD_DEST[] = {{5, 34, 0}, {5, 51, 1}, {5, 68, 2}, {0, 0, 0}};
constexpr t_LedData LED_DATA_PART_KEYBOARD_MOD_DEST[] = {
    {126, 24, 0}, {126, 41, 1}, {126, 58, 2}, {126, 75, 3}, {0, 0, 0}};
constexpr t_LedData LED_DATA_CC_COMMON_AMP_EG[] = {{93, 18, 0}, {93, 2, 1}, {0, 0, 0}};
constexpr t_LedData LED_DATA_CC_COMMON_FX_SEL[] = {{150, 2, 0}, {150, 18, 1}, {150, 34, 2}, {0, 0, 0}};
constexpr t_LedData LED_DATA_CC_COMMON_MOTION_SEQ[] = {{205, 63, 0}, {205, 79, 1}, {205, 95, 2}, {0, 0, 0}};
constexpr t_LedData LED_DATA_GLOBAL_PART_ACCENT_MOTION_SEQ[] = {{69, 72, 0}, {69, 89, 1}, {0, 0, 0}};

constexpr t_LedGroup_TypeStruct led(const t_LedData* table, e_EditorResourceID valuePicture = RES_END)
{
    return {nullptr, nullptr, nullptr, valuePicture, table};
}
constexpr t_LedGroup_TypeStruct vLedMidiMode_TypeParams = led(LED_DATA_MIDI_MODE);
constexpr t_LedGroup_TypeStruct vLedKnobMode_TypeParams = led(LED_DATA_KNOB_MODE);
constexpr t_LedGroup_TypeStruct vLedZoom_TypeParams = led(LED_DATA_ZOOM);
constexpr t_LedGroup_TypeStruct vLedFilterType_TypeParams = led(LED_DATA_CC_FILTER_TYPE);
constexpr t_LedGroup_TypeStruct vLedModType_TypeParams = led(LED_DATA_PART_MOD_TYPE, RES_MOD_TYPE_PICTURES);
constexpr t_LedGroup_TypeStruct vLedModDest_TypeParams = led(LED_DATA_PART_MOD_DEST);
constexpr t_LedGroup_TypeStruct vLedAudioInModDest_TypeParams = led(LED_DATA_PART_AUDIOIN_MOD_DEST);
constexpr t_LedGroup_TypeStruct vLedKeyboardModDest_TypeParams = led(LED_DATA_PART_KEYBOARD_MOD_DEST);
constexpr t_LedGroup_TypeStruct vLedAmpEg_TypeParams = led(LED_DATA_CC_COMMON_AMP_EG, RES_AMP_EG_PICTURES);
constexpr t_LedGroup_TypeStruct vLedFxSelect_TypeParams = led(LED_DATA_CC_COMMON_FX_SEL);
constexpr t_LedGroup_TypeStruct vLedMotionSeq_TypeParams = led(LED_DATA_CC_COMMON_MOTION_SEQ);
constexpr t_LedGroup_TypeStruct vLedAccentMotion_TypeParams = led(LED_DATA_GLOBAL_PART_ACCENT_MOTION_SEQ);

constexpr t_FxMenuExtra FX1_MENU_EXTRA_PARAMETERS{EPARAM_FX1_EDIT1, EPARAM_FX1_EDIT2, FX_EDIT1_KNOB_LABELS,
                                                  FX_EDIT2_KNOB_LABELS};
constexpr t_FxMenuExtra FX2_MENU_EXTRA_PARAMETERS{EPARAM_FX2_EDIT1, EPARAM_FX2_EDIT2, FX_EDIT1_KNOB_LABELS,
                                                  FX_EDIT2_KNOB_LABELS};
constexpr t_FxMenuExtra FX3_MENU_EXTRA_PARAMETERS{EPARAM_FX3_EDIT1, EPARAM_FX3_EDIT2, FX_EDIT1_KNOB_LABELS,
                                                  FX_EDIT2_KNOB_LABELS};

constexpr t_Menu_TypeStruct menu(int width, const CColor* colour, int align, bool steppers,
                                 t_MenuItemCbk items = nullptr, const t_FxMenuExtra* fx = nullptr)
{
    return {nullptr, nullptr, nullptr, nullptr, align, colour, steppers, width, items, fx};
}
constexpr t_Menu_TypeStruct vMidiOutMenu_TypeParams =
    menu(143, &kWhiteCColor, kCenterText, true, editorControlsMenuItemCbk_MidiOutDevices);
constexpr t_Menu_TypeStruct vMidiInMenu_TypeParams =
    menu(143, &kWhiteCColor, kCenterText, true, editorControlsMenuItemCbk_MidiInDevices);
constexpr t_Menu_TypeStruct vFx1TypeMenu_TypeParams =
    menu(92, &kWhiteCColor, kCenterText, true, nullptr, &FX1_MENU_EXTRA_PARAMETERS);
constexpr t_Menu_TypeStruct vFx2TypeMenu_TypeParams =
    menu(92, &kWhiteCColor, kCenterText, true, nullptr, &FX2_MENU_EXTRA_PARAMETERS);
constexpr t_Menu_TypeStruct vFx3TypeMenu_TypeParams =
    menu(92, &kWhiteCColor, kCenterText, true, nullptr, &FX3_MENU_EXTRA_PARAMETERS);
constexpr t_Menu_TypeStruct vRollTypeMenu_TypeParams = menu(14, &kWhiteCColor, kCenterText, false);
constexpr t_Menu_TypeStruct vMixFxSendMenu_TypeParams = menu(17, &kWhiteCColor, kCenterText, false);
// Popped up by the Load button, which covers it.
constexpr t_Menu_TypeStruct vLibraryMenu_TypeParams =
    menu(42, &kBlackCColor, kLeftText, false, editorControlsMenuItemCbk_LibraryFiles);
constexpr t_Menu_TypeStruct vProgramMenu_TypeParams =
    menu(27, &kBlackCColor, kLeftText, true, editorControlsMenuItemCbk_SelectProgram);

constexpr t_VSlider_TypeStruct vMixLevel_TypeParams{
    nullptr, nullptr, RES_VSLIDER_TRACK, RES_VSLIDER_HANDLE, 23, 18, 18, 10};
constexpr t_HSlider_TypeStruct vMixPan_TypeParams{nullptr, RES_HSLIDER_TRACK, RES_HSLIDER_HANDLE};

constexpr t_FxChainEntry FX_CHAIN_ENTRIES[] = {
    {RES_FX_CHAIN_NONE, 5, 1, 0},
    {RES_FX_CHAIN_12, 5, 35, 1},
    {RES_FX_CHAIN_23, 5, 73, 2},
    {RES_FX_CHAIN_123, 5, 111, 3},
};
constexpr t_FxChain_TypeStruct vFxChain_TypeParams{nullptr, 4, FX_CHAIN_ENTRIES};

constexpr std::uint32_t kNumberColour = 0xFFD7DBE0;
constexpr t_NumEdit_TypeStruct numEdit(int width, int height, int maximum, int shift, bool steppers,
                                       t_NumEditDisplayCbk display)
{
    return {nullptr, width, height, 5,        kNumberColour, kBoldFace, kCenterText, 0,
            maximum, shift, 4,      steppers, nullptr,       nullptr,   display};
}
constexpr t_NumEdit_TypeStruct vPartSample_TypeParams =
    numEdit(40, 20, 256, 0, true, editorControlsNumEditDisplay_Sample);
constexpr t_NumEdit_TypeStruct vPartSlice_TypeParams =
    numEdit(40, 20, 255, 1, true, editorControlsNumEditDisplay_Slice);
constexpr t_NumEdit_TypeStruct vMixSample_TypeParams =
    numEdit(28, 16, 256, 0, false, editorControlsNumEditDisplay_Sample);
constexpr t_NumEdit_TypeStruct vMixSlice_TypeParams =
    numEdit(28, 16, 255, 1, false, editorControlsNumEditDisplay_Slice);

constexpr t_NameEdit_TypeStruct vPatchName_TypeParams{
    nullptr,       136, 24, 6, 0xFF5EF2E6, kNormalFace, kLeftText, RES_LCD_FONT, LCD_FONT_CHARS_WIDTH,
    LCD_FONT_CHARS};

// --- Row makers -----------------------------------------------------------------------------

using Shown = t_IsCurrentlyDisplayedCbk;

constexpr t_EditorControl row(e_EditorParameterID id, e_EditorControlKind kind, int x, int y,
                              const void* record, e_EditorContainer container, Shown shown,
                              t_ValueToStrCbk text = nullptr)
{
    return {id, kind, x, y, record, container, text, shown};
}

constexpr Shown Always = editorControlsIsCurrentlyDisplayed_Always;
constexpr Shown PartMode = editorControlsIsCurrentlyDisplayed_PartMode;
constexpr Shown GlobalMode = editorControlsIsCurrentlyDisplayed_GlobalMode;
constexpr Shown SetupMode = editorControlsIsCurrentlyDisplayed_SetupMode;
constexpr Shown MixMode = editorControlsIsCurrentlyDisplayed_MixMode;
constexpr Shown KeyboardPart = editorControlsIsCurrentlyDisplayed_KeyboardPart;
constexpr Shown PartButNotKeyboard = editorControlsIsCurrentlyDisplayed_PartButNotKeyboard;
constexpr Shown PartNotKeyboardNotAudioIn = editorControlsIsCurrentlyDisplayed_PartNotKeyboardNotAudioIn;
constexpr Shown PartNotKeyboardNotStretchSliceAudioIn =
    editorControlsIsCurrentlyDisplayed_PartNotKeyboardNotStretchSliceAudioIn;
constexpr Shown PartAudioIn = editorControlsIsCurrentlyDisplayed_PartAudioIn;

constexpr e_EditorParameterID mix(e_EditorParameterID first, unsigned strip)
{
    return static_cast<e_EditorParameterID>(first + strip);
}
} // namespace

// clang-format off
const t_EditorControl c_EditorControls[] = {
    row(EPARAM_PATCH_NAME, CTRL_NAME_EDIT, 78, 8, &vPatchName_TypeParams, CONT_LCD, Always),
    row(EPARAM_MODE_SETUP, CTRL_SELECTOR_BUTTON, 0, 0, &vModeButton_TypeParams, CONT_MODE_BUTTONS, Always),
    row(EPARAM_MIDI_OUT_DEVICE, CTRL_MENU, 223, 10, &vMidiOutMenu_TypeParams, CONT_TETHER_PANEL, SetupMode),
    row(EPARAM_MIDI_IN_DEVICE, CTRL_MENU, 223, 40, &vMidiInMenu_TypeParams, CONT_TETHER_PANEL, SetupMode),
    row(EPARAM_MIDI_MODE, CTRL_LED_GROUP, 0, 0, &vLedMidiMode_TypeParams, CONT_SETUP_PANEL, SetupMode),
    row(EPARAM_KNOB_MODE, CTRL_LED_GROUP, 0, 0, &vLedKnobMode_TypeParams, CONT_SETUP_PAGE, SetupMode),
    row(EPARAM_ZOOM, CTRL_LED_GROUP, 0, 0, &vLedZoom_TypeParams, CONT_SETUP_PAGE, SetupMode),
    row(EPARAM_MODE_PARTS, CTRL_SELECTOR_BUTTON, 33, 0, &vModeButton_TypeParams, CONT_MODE_BUTTONS, Always),
    row(EPARAM_MODE_GLOBAL, CTRL_SELECTOR_BUTTON, 66, 0, &vModeButton_TypeParams, CONT_MODE_BUTTONS, Always),
    row(EPARAM_MODE_MIX, CTRL_SELECTOR_BUTTON, 99, 0, &vModeButton_TypeParams, CONT_MODE_BUTTONS, Always),

    // Part selector: a grid of three columns and five rows at an even pitch, in the device's order.
    row(EPARAM_PART_DRUM1, CTRL_SELECTOR_BUTTON, 3, 3, &vPartButton_TypeParams, CONT_PART_SELECTOR, PartMode),
    row(EPARAM_PART_DRUM2, CTRL_SELECTOR_BUTTON, 36, 3, &vPartButton_TypeParams, CONT_PART_SELECTOR, PartMode),
    row(EPARAM_PART_DRUM3, CTRL_SELECTOR_BUTTON, 69, 3, &vPartButton_TypeParams, CONT_PART_SELECTOR, PartMode),
    row(EPARAM_PART_DRUM4, CTRL_SELECTOR_BUTTON, 3, 29, &vPartButton_TypeParams, CONT_PART_SELECTOR, PartMode),
    row(EPARAM_PART_DRUM5, CTRL_SELECTOR_BUTTON, 36, 29, &vPartButton_TypeParams, CONT_PART_SELECTOR, PartMode),
    row(EPARAM_PART_DRUM6A, CTRL_SELECTOR_BUTTON, 69, 29, &vPartButton_TypeParams, CONT_PART_SELECTOR, PartMode),
    row(EPARAM_PART_DRUM6B, CTRL_SELECTOR_BUTTON, 3, 55, &vPartButton_TypeParams, CONT_PART_SELECTOR, PartMode),
    row(EPARAM_PART_DRUM7A, CTRL_SELECTOR_BUTTON, 36, 55, &vPartButton_TypeParams, CONT_PART_SELECTOR, PartMode),
    row(EPARAM_PART_DRUM7B, CTRL_SELECTOR_BUTTON, 69, 55, &vPartButton_TypeParams, CONT_PART_SELECTOR, PartMode),
    row(EPARAM_PART_KEYBOARD1, CTRL_SELECTOR_BUTTON, 3, 81, &vPartButton_TypeParams, CONT_PART_SELECTOR, PartMode),
    row(EPARAM_PART_KEYBOARD2, CTRL_SELECTOR_BUTTON, 36, 81, &vPartButton_TypeParams, CONT_PART_SELECTOR, PartMode),
    row(EPARAM_PART_STRETCH1, CTRL_SELECTOR_BUTTON, 69, 81, &vPartButton_TypeParams, CONT_PART_SELECTOR, PartMode),
    row(EPARAM_PART_STRETCH2, CTRL_SELECTOR_BUTTON, 3, 107, &vPartButton_TypeParams, CONT_PART_SELECTOR, PartMode),
    row(EPARAM_PART_SLICE_SELECT, CTRL_SELECTOR_BUTTON, 36, 107, &vPartButton_TypeParams, CONT_PART_SELECTOR, PartMode),
    row(EPARAM_PART_AUDIOIN, CTRL_SELECTOR_BUTTON, 69, 107, &vPartButton_TypeParams, CONT_PART_SELECTOR, PartMode),

    // Part page, parts 0 to 12.
    row(EPARAM_PART_WAVE, CTRL_NUMBER_EDIT, 18, 11, &vPartSample_TypeParams, CONT_SAMPLE_NUMBER, PartNotKeyboardNotAudioIn),
    row(EPARAM_PART_SLICE, CTRL_NUMBER_EDIT, 18, 11, &vPartSlice_TypeParams, CONT_SLICE_NUMBER, PartNotKeyboardNotStretchSliceAudioIn),
    row(EPARAM_PART_FILTER_TYPE, CTRL_STEP_BUTTON, 90, 110, &vButton_TypeParams, CONT_PART_FILTER, PartButNotKeyboard),
    row(EPARAM_PART_FILTER_TYPE, CTRL_LED_GROUP, 0, 0, &vLedFilterType_TypeParams, CONT_PART_FILTER, PartButNotKeyboard),
    row(EPARAM_PART_FILTER_CUTOFF, CTRL_KNOB, 16, 10, &vKnob_TypeParams, CONT_PART_FILTER, PartButNotKeyboard, editorControlsValueToStr_0_127),
    row(EPARAM_PART_FILTER_RESONANCE, CTRL_KNOB, 92, 10, &vKnob_TypeParams, CONT_PART_FILTER, PartButNotKeyboard, editorControlsValueToStr_0_127),
    row(EPARAM_PART_FILTER_EGINT, CTRL_KNOB, 16, 79, &vKnobCentred_TypeParams, CONT_PART_FILTER, PartButNotKeyboard, editorControlsValueToStr_63_63),
    row(EPARAM_PART_MOD_SPEED, CTRL_KNOB, 8, 10, &vKnob_TypeParams, CONT_PART_MODULATION, PartButNotKeyboard, editorControlsValueToStr_ModSpeed_Part),
    row(EPARAM_PART_MOD_DEPTH, CTRL_KNOB, 8, 79, &vKnobCentred_TypeParams, CONT_PART_MODULATION, PartButNotKeyboard, editorControlsValueToStr_63_63),
    row(EPARAM_PART_PITCH, CTRL_KNOB, 270, 79, &vKnobCentred_TypeParams, CONT_PART_PITCH_LEVEL, PartButNotKeyboard, editorControlsValueToStr_63_63),
    row(EPARAM_PART_PAN, CTRL_KNOB, 270, 10, &vKnobCentred_TypeParams, CONT_PART_PITCH_LEVEL, PartButNotKeyboard, editorControlsValueToStr_Pan),
    row(EPARAM_PART_EG_TIME, CTRL_KNOB, 80, 80, &vKnob_TypeParams, CONT_PART_PITCH_LEVEL, PartButNotKeyboard, editorControlsValueToStr_0_127),
    row(EPARAM_PART_LEVEL, CTRL_KNOB, 200, 10, &vKnob_TypeParams, CONT_PART_PITCH_LEVEL, PartButNotKeyboard, editorControlsValueToStr_0_127),
    row(EPARAM_PART_START, CTRL_KNOB, 12, 12, &vKnob_TypeParams, CONT_START_KNOB, PartNotKeyboardNotAudioIn),
    row(EPARAM_PART_MOD_TYPE, CTRL_LED_GROUP, 0, 0, &vLedModType_TypeParams, CONT_PART_MODULATION, PartButNotKeyboard),
    row(EPARAM_PART_MOD_DEST, CTRL_LED_GROUP, 0, 0, &vLedModDest_TypeParams, CONT_MOD_DESTINATION, PartNotKeyboardNotAudioIn),
    row(EPARAM_PART_AUDIOIN_MOD_DEST, CTRL_LED_GROUP, 0, 0, &vLedAudioInModDest_TypeParams, CONT_AUDIOIN_MOD_DESTINATION, PartAudioIn),
    row(EPARAM_PART_AMP_EG, CTRL_LED_GROUP, 0, 0, &vLedAmpEg_TypeParams, CONT_PART_PITCH_LEVEL, PartButNotKeyboard),
    row(EPARAM_PART_FX_SELECT, CTRL_LED_GROUP, 0, 0, &vLedFxSelect_TypeParams, CONT_PART_PITCH_LEVEL, PartButNotKeyboard),
    row(EPARAM_PART_MOTION_SEQ_SW, CTRL_LED_GROUP, 0, 0, &vLedMotionSeq_TypeParams, CONT_PART_PITCH_LEVEL, PartButNotKeyboard),
    row(EPARAM_PART_MOD_TYPE, CTRL_STEP_BUTTON, 68, 91, &vButton_TypeParams, CONT_PART_MODULATION, PartButNotKeyboard),
    row(EPARAM_PART_MOD_DEST, CTRL_STEP_BUTTON, 3, 84, &vButton_TypeParams, CONT_MOD_DESTINATION, PartNotKeyboardNotAudioIn),
    row(EPARAM_PART_AUDIOIN_MOD_DEST, CTRL_STEP_BUTTON, 3, 84, &vButton_TypeParams, CONT_AUDIOIN_MOD_DESTINATION, PartAudioIn),
    row(EPARAM_PART_AMP_EG, CTRL_STEP_BUTTON, 80, 35, &vButton_TypeParams, CONT_PART_PITCH_LEVEL, PartButNotKeyboard),
    row(EPARAM_PART_FX_SELECT, CTRL_STEP_BUTTON, 140, 49, &vButton_TypeParams, CONT_PART_PITCH_LEVEL, PartButNotKeyboard),
    row(EPARAM_PART_MOTION_SEQ_SW, CTRL_STEP_BUTTON, 202, 112, &vButton_TypeParams, CONT_PART_PITCH_LEVEL, PartButNotKeyboard),
    row(EPARAM_PART_MOD_BPM_SYNC, CTRL_TOGGLE_BUTTON, 68, 112, &vButton_TypeParams, CONT_PART_MODULATION, PartButNotKeyboard),
    row(EPARAM_PART_ROLL, CTRL_TOGGLE_BUTTON, 140, 91, &vButton_TypeParams, CONT_PART_PITCH_LEVEL, PartButNotKeyboard),
    row(EPARAM_PART_FX_SEND, CTRL_TOGGLE_BUTTON, 140, 70, &vButton_TypeParams, CONT_PART_PITCH_LEVEL, PartButNotKeyboard),
    row(EPARAM_PART_REVERSE, CTRL_TOGGLE_BUTTON, 0, 0, &vButton_TypeParams, CONT_REVERSE, PartNotKeyboardNotAudioIn),

    // Keyboard parts.
    row(EPARAM_KEYBOARD_WAVE, CTRL_NUMBER_EDIT, 18, 15, &vPartSample_TypeParams, CONT_KEYBOARD_PITCH_LEVEL, KeyboardPart),
    row(EPARAM_KEYBOARD_SLICE, CTRL_NUMBER_EDIT, 18, 43, &vPartSlice_TypeParams, CONT_KEYBOARD_PITCH_LEVEL, KeyboardPart),
    row(EPARAM_KEYBOARD_FILTER_TYPE, CTRL_STEP_BUTTON, 90, 110, &vButton_TypeParams, CONT_KEYBOARD_FILTER, KeyboardPart),
    row(EPARAM_KEYBOARD_FILTER_TYPE, CTRL_LED_GROUP, 0, 0, &vLedFilterType_TypeParams, CONT_KEYBOARD_FILTER, KeyboardPart),
    row(EPARAM_KEYBOARD_FILTER_CUTOFF, CTRL_KNOB, 16, 10, &vKnob_TypeParams, CONT_KEYBOARD_FILTER, KeyboardPart, editorControlsValueToStr_0_127),
    row(EPARAM_KEYBOARD_FILTER_RESONANCE, CTRL_KNOB, 92, 10, &vKnob_TypeParams, CONT_KEYBOARD_FILTER, KeyboardPart, editorControlsValueToStr_0_127),
    row(EPARAM_KEYBOARD_FILTER_EG_INT, CTRL_KNOB, 16, 79, &vKnobCentred_TypeParams, CONT_KEYBOARD_FILTER, KeyboardPart, editorControlsValueToStr_63_63),
    row(EPARAM_KEYBOARD_MOD_SPEED, CTRL_KNOB, 8, 10, &vKnob_TypeParams, CONT_KEYBOARD_MODULATION, KeyboardPart, editorControlsValueToStr_ModSpeed_Keyboard),
    row(EPARAM_KEYBOARD_MOD_DEPTH, CTRL_KNOB, 8, 79, &vKnobCentred_TypeParams, CONT_KEYBOARD_MODULATION, KeyboardPart, editorControlsValueToStr_63_63),
    row(EPARAM_KEYBOARD_GLIDE, CTRL_KNOB, 270, 79, &vKnobCentred_TypeParams, CONT_KEYBOARD_PITCH_LEVEL, KeyboardPart, editorControlsValueToStr_63_63),
    row(EPARAM_KEYBOARD_PAN, CTRL_KNOB, 270, 10, &vKnobCentred_TypeParams, CONT_KEYBOARD_PITCH_LEVEL, KeyboardPart, editorControlsValueToStr_Pan),
    row(EPARAM_KEYBOARD_EG_TIME, CTRL_KNOB, 80, 80, &vKnob_TypeParams, CONT_KEYBOARD_PITCH_LEVEL, KeyboardPart, editorControlsValueToStr_0_127),
    row(EPARAM_KEYBOARD_LEVEL, CTRL_KNOB, 200, 10, &vKnob_TypeParams, CONT_KEYBOARD_PITCH_LEVEL, KeyboardPart, editorControlsValueToStr_0_127),
    row(EPARAM_KEYBOARD_START, CTRL_KNOB, 12, 80, &vKnob_TypeParams, CONT_KEYBOARD_PITCH_LEVEL, KeyboardPart),
    row(EPARAM_KEYBOARD_MOD_TYPE, CTRL_LED_GROUP, 0, 0, &vLedModType_TypeParams, CONT_KEYBOARD_MODULATION, KeyboardPart),
    row(EPARAM_KEYBOARD_MOD_DEST, CTRL_LED_GROUP, 0, 0, &vLedKeyboardModDest_TypeParams, CONT_KEYBOARD_MODULATION, KeyboardPart),
    row(EPARAM_KEYBOARD_AMP_EG, CTRL_LED_GROUP, 0, 0, &vLedAmpEg_TypeParams, CONT_KEYBOARD_PITCH_LEVEL, KeyboardPart),
    row(EPARAM_KEYBOARD_FX_SELECT, CTRL_LED_GROUP, 0, 0, &vLedFxSelect_TypeParams, CONT_KEYBOARD_PITCH_LEVEL, KeyboardPart),
    row(EPARAM_KEYBOARD_MOTION_SEQ_SW, CTRL_LED_GROUP, 0, 0, &vLedMotionSeq_TypeParams, CONT_KEYBOARD_PITCH_LEVEL, KeyboardPart),
    row(EPARAM_KEYBOARD_MOD_TYPE, CTRL_STEP_BUTTON, 68, 91, &vButton_TypeParams, CONT_KEYBOARD_MODULATION, KeyboardPart),
    row(EPARAM_KEYBOARD_MOD_DEST, CTRL_STEP_BUTTON, 124, 91, &vButton_TypeParams, CONT_KEYBOARD_MODULATION, KeyboardPart),
    row(EPARAM_KEYBOARD_AMP_EG, CTRL_STEP_BUTTON, 80, 35, &vButton_TypeParams, CONT_KEYBOARD_PITCH_LEVEL, KeyboardPart),
    row(EPARAM_KEYBOARD_FX_SELECT, CTRL_STEP_BUTTON, 140, 49, &vButton_TypeParams, CONT_KEYBOARD_PITCH_LEVEL, KeyboardPart),
    row(EPARAM_KEYBOARD_MOTION_SEQ_SW, CTRL_STEP_BUTTON, 202, 112, &vButton_TypeParams, CONT_KEYBOARD_PITCH_LEVEL, KeyboardPart),
    row(EPARAM_KEYBOARD_MOD_BPM_SYNC, CTRL_TOGGLE_BUTTON, 68, 112, &vButton_TypeParams, CONT_KEYBOARD_MODULATION, KeyboardPart),
    row(EPARAM_KEYBOARD_ROLL, CTRL_TOGGLE_BUTTON, 140, 91, &vButton_TypeParams, CONT_KEYBOARD_PITCH_LEVEL, KeyboardPart),
    row(EPARAM_KEYBOARD_FX_SEND, CTRL_TOGGLE_BUTTON, 140, 70, &vButton_TypeParams, CONT_KEYBOARD_PITCH_LEVEL, KeyboardPart),
    row(EPARAM_KEYBOARD_REVERSE, CTRL_TOGGLE_BUTTON, 140, 112, &vButton_TypeParams, CONT_KEYBOARD_PITCH_LEVEL, KeyboardPart),

    // Global page.
    row(EPARAM_FX1_TYPE, CTRL_FX_TYPE_MENU, 17, 6, &vFx1TypeMenu_TypeParams, CONT_FX1, GlobalMode),
    row(EPARAM_FX1_EDIT1, CTRL_KNOB, 4, 43, &vKnob_TypeParams, CONT_FX1, GlobalMode, editorControlsValueToStr_Fx1Edit1),
    row(EPARAM_FX1_EDIT2, CTRL_KNOB, 67, 43, &vKnob_TypeParams, CONT_FX1, GlobalMode, editorControlsValueToStr_Fx1Edit2),
    row(EPARAM_FX1_MOTION_SEQ_SW, CTRL_TOGGLE_BUTTON, 35, 103, &vButton_TypeParams, CONT_FX1, GlobalMode),
    row(EPARAM_FX2_TYPE, CTRL_FX_TYPE_MENU, 17, 6, &vFx2TypeMenu_TypeParams, CONT_FX2, GlobalMode),
    row(EPARAM_FX2_EDIT1, CTRL_KNOB, 4, 43, &vKnob_TypeParams, CONT_FX2, GlobalMode, editorControlsValueToStr_Fx2Edit1),
    row(EPARAM_FX2_EDIT2, CTRL_KNOB, 67, 43, &vKnob_TypeParams, CONT_FX2, GlobalMode, editorControlsValueToStr_Fx2Edit2),
    row(EPARAM_FX2_MOTION_SEQ_SW, CTRL_TOGGLE_BUTTON, 35, 103, &vButton_TypeParams, CONT_FX2, GlobalMode),
    row(EPARAM_FX3_TYPE, CTRL_FX_TYPE_MENU, 17, 6, &vFx3TypeMenu_TypeParams, CONT_FX3, GlobalMode),
    row(EPARAM_FX3_EDIT1, CTRL_KNOB, 4, 43, &vKnob_TypeParams, CONT_FX3, GlobalMode, editorControlsValueToStr_Fx3Edit1),
    row(EPARAM_FX3_EDIT2, CTRL_KNOB, 67, 43, &vKnob_TypeParams, CONT_FX3, GlobalMode, editorControlsValueToStr_Fx3Edit2),
    row(EPARAM_FX3_MOTION_SEQ_SW, CTRL_TOGGLE_BUTTON, 35, 103, &vButton_TypeParams, CONT_FX3, GlobalMode),
    row(EPARAM_FX_CHAIN, CTRL_FX_CHAIN, 0, 0, &vFxChain_TypeParams, CONT_FX_CHAIN, GlobalMode),
    row(EPARAM_GLOBAL_ACCENT_LEVEL, CTRL_KNOB, 62, 15, &vKnob_TypeParams, CONT_ACCENT_SWING, GlobalMode, editorControlsValueToStr_0_127),
    row(EPARAM_GLOBAL_SWING, CTRL_KNOB, 137, 15, &vKnob_TypeParams, CONT_ACCENT_SWING, GlobalMode, editorControlsValueToStr_Swing),
    row(EPARAM_GLOBAL_ACCENT_MOTION_SEQ_SW, CTRL_LED_GROUP, 0, 0, &vLedAccentMotion_TypeParams, CONT_ACCENT_SWING, GlobalMode),
    row(EPARAM_GLOBAL_ACCENT_MOTION_SEQ_SW, CTRL_STEP_BUTTON, 65, 105, &vButton_TypeParams, CONT_ACCENT_SWING, GlobalMode),
    row(EPARAM_GLOBAL_ROLL_TYPE, CTRL_MENU, 182, 70, &vRollTypeMenu_TypeParams, CONT_ACCENT_SWING, GlobalMode),

    // Mix page: fifteen strips at a pitch of 53 pixels, Drum1 to Drum7B, Keyboard1, Keyboard2,
    // Stretch1, Stretch2, Slice, AudioIn.
    row(EPARAM_MIX_LEVEL_DRUM1, CTRL_VERTICAL_SLIDER, 5, 66, &vMixLevel_TypeParams, CONT_MIX_PAGE, MixMode, editorControlsValueToStr_0_127),
    row(mix(EPARAM_MIX_LEVEL_FIRST, 0), CTRL_VERTICAL_SLIDER, 58, 66, &vMixLevel_TypeParams, CONT_MIX_PAGE, MixMode, editorControlsValueToStr_0_127),
    row(mix(EPARAM_MIX_LEVEL_FIRST, 1), CTRL_VERTICAL_SLIDER, 111, 66, &vMixLevel_TypeParams, CONT_MIX_PAGE, MixMode, editorControlsValueToStr_0_127),
    row(mix(EPARAM_MIX_LEVEL_FIRST, 2), CTRL_VERTICAL_SLIDER, 164, 66, &vMixLevel_TypeParams, CONT_MIX_PAGE, MixMode, editorControlsValueToStr_0_127),
    row(mix(EPARAM_MIX_LEVEL_FIRST, 3), CTRL_VERTICAL_SLIDER, 217, 66, &vMixLevel_TypeParams, CONT_MIX_PAGE, MixMode, editorControlsValueToStr_0_127),
    row(mix(EPARAM_MIX_LEVEL_FIRST, 4), CTRL_VERTICAL_SLIDER, 270, 66, &vMixLevel_TypeParams, CONT_MIX_PAGE, MixMode, editorControlsValueToStr_0_127),
    row(mix(EPARAM_MIX_LEVEL_FIRST, 5), CTRL_VERTICAL_SLIDER, 323, 66, &vMixLevel_TypeParams, CONT_MIX_PAGE, MixMode, editorControlsValueToStr_0_127),
    row(mix(EPARAM_MIX_LEVEL_FIRST, 6), CTRL_VERTICAL_SLIDER, 376, 66, &vMixLevel_TypeParams, CONT_MIX_PAGE, MixMode, editorControlsValueToStr_0_127),
    row(mix(EPARAM_MIX_LEVEL_FIRST, 7), CTRL_VERTICAL_SLIDER, 429, 66, &vMixLevel_TypeParams, CONT_MIX_PAGE, MixMode, editorControlsValueToStr_0_127),
    row(EPARAM_MIX_LEVEL_KEYBOARD1, CTRL_VERTICAL_SLIDER, 482, 66, &vMixLevel_TypeParams, CONT_MIX_PAGE, MixMode, editorControlsValueToStr_0_127),
    row(mix(EPARAM_MIX_LEVEL_FIRST, 8), CTRL_VERTICAL_SLIDER, 535, 66, &vMixLevel_TypeParams, CONT_MIX_PAGE, MixMode, editorControlsValueToStr_0_127),
    row(mix(EPARAM_MIX_LEVEL_FIRST, 9), CTRL_VERTICAL_SLIDER, 588, 66, &vMixLevel_TypeParams, CONT_MIX_PAGE, MixMode, editorControlsValueToStr_0_127),
    row(mix(EPARAM_MIX_LEVEL_FIRST, 10), CTRL_VERTICAL_SLIDER, 641, 66, &vMixLevel_TypeParams, CONT_MIX_PAGE, MixMode, editorControlsValueToStr_0_127),
    row(mix(EPARAM_MIX_LEVEL_FIRST, 11), CTRL_VERTICAL_SLIDER, 694, 66, &vMixLevel_TypeParams, CONT_MIX_PAGE, MixMode, editorControlsValueToStr_0_127),
    row(mix(EPARAM_MIX_LEVEL_FIRST, 12), CTRL_VERTICAL_SLIDER, 747, 66, &vMixLevel_TypeParams, CONT_MIX_PAGE, MixMode, editorControlsValueToStr_0_127),
    row(EPARAM_MIX_FX_SEND_DRUM1, CTRL_MENU, 29, 128, &vMixFxSendMenu_TypeParams, CONT_MIX_PAGE, MixMode),
    row(mix(EPARAM_MIX_FX_SEND_FIRST, 0), CTRL_MENU, 82, 128, &vMixFxSendMenu_TypeParams, CONT_MIX_PAGE, MixMode),
    row(mix(EPARAM_MIX_FX_SEND_FIRST, 1), CTRL_MENU, 135, 128, &vMixFxSendMenu_TypeParams, CONT_MIX_PAGE, MixMode),
    row(mix(EPARAM_MIX_FX_SEND_FIRST, 2), CTRL_MENU, 188, 128, &vMixFxSendMenu_TypeParams, CONT_MIX_PAGE, MixMode),
    row(mix(EPARAM_MIX_FX_SEND_FIRST, 3), CTRL_MENU, 241, 128, &vMixFxSendMenu_TypeParams, CONT_MIX_PAGE, MixMode),
    row(mix(EPARAM_MIX_FX_SEND_FIRST, 4), CTRL_MENU, 294, 128, &vMixFxSendMenu_TypeParams, CONT_MIX_PAGE, MixMode),
    row(mix(EPARAM_MIX_FX_SEND_FIRST, 5), CTRL_MENU, 347, 128, &vMixFxSendMenu_TypeParams, CONT_MIX_PAGE, MixMode),
    row(mix(EPARAM_MIX_FX_SEND_FIRST, 6), CTRL_MENU, 400, 128, &vMixFxSendMenu_TypeParams, CONT_MIX_PAGE, MixMode),
    row(mix(EPARAM_MIX_FX_SEND_FIRST, 7), CTRL_MENU, 453, 128, &vMixFxSendMenu_TypeParams, CONT_MIX_PAGE, MixMode),
    row(EPARAM_MIX_FX_SEND_KEYBOARD1, CTRL_MENU, 506, 128, &vMixFxSendMenu_TypeParams, CONT_MIX_PAGE, MixMode),
    row(mix(EPARAM_MIX_FX_SEND_FIRST, 8), CTRL_MENU, 559, 128, &vMixFxSendMenu_TypeParams, CONT_MIX_PAGE, MixMode),
    row(mix(EPARAM_MIX_FX_SEND_FIRST, 9), CTRL_MENU, 612, 128, &vMixFxSendMenu_TypeParams, CONT_MIX_PAGE, MixMode),
    row(mix(EPARAM_MIX_FX_SEND_FIRST, 10), CTRL_MENU, 665, 128, &vMixFxSendMenu_TypeParams, CONT_MIX_PAGE, MixMode),
    row(mix(EPARAM_MIX_FX_SEND_FIRST, 11), CTRL_MENU, 718, 128, &vMixFxSendMenu_TypeParams, CONT_MIX_PAGE, MixMode),
    row(mix(EPARAM_MIX_FX_SEND_FIRST, 12), CTRL_MENU, 771, 128, &vMixFxSendMenu_TypeParams, CONT_MIX_PAGE, MixMode),
    row(EPARAM_MIX_MUTE_DRUM1, CTRL_TOGGLE_BUTTON, 29, 109, &vMuteButton_TypeParams, CONT_MIX_PAGE, MixMode),
    row(mix(EPARAM_MIX_MUTE_FIRST, 0), CTRL_TOGGLE_BUTTON, 82, 109, &vMuteButton_TypeParams, CONT_MIX_PAGE, MixMode),
    row(mix(EPARAM_MIX_MUTE_FIRST, 1), CTRL_TOGGLE_BUTTON, 135, 109, &vMuteButton_TypeParams, CONT_MIX_PAGE, MixMode),
    row(mix(EPARAM_MIX_MUTE_FIRST, 2), CTRL_TOGGLE_BUTTON, 188, 109, &vMuteButton_TypeParams, CONT_MIX_PAGE, MixMode),
    row(mix(EPARAM_MIX_MUTE_FIRST, 3), CTRL_TOGGLE_BUTTON, 241, 109, &vMuteButton_TypeParams, CONT_MIX_PAGE, MixMode),
    row(mix(EPARAM_MIX_MUTE_FIRST, 4), CTRL_TOGGLE_BUTTON, 294, 109, &vMuteButton_TypeParams, CONT_MIX_PAGE, MixMode),
    row(mix(EPARAM_MIX_MUTE_FIRST, 5), CTRL_TOGGLE_BUTTON, 347, 109, &vMuteButton_TypeParams, CONT_MIX_PAGE, MixMode),
    row(mix(EPARAM_MIX_MUTE_FIRST, 6), CTRL_TOGGLE_BUTTON, 400, 109, &vMuteButton_TypeParams, CONT_MIX_PAGE, MixMode),
    row(mix(EPARAM_MIX_MUTE_FIRST, 7), CTRL_TOGGLE_BUTTON, 453, 109, &vMuteButton_TypeParams, CONT_MIX_PAGE, MixMode),
    row(EPARAM_MIX_MUTE_KEYBOARD1, CTRL_TOGGLE_BUTTON, 506, 109, &vMuteButton_TypeParams, CONT_MIX_PAGE, MixMode),
    row(mix(EPARAM_MIX_MUTE_FIRST, 8), CTRL_TOGGLE_BUTTON, 559, 109, &vMuteButton_TypeParams, CONT_MIX_PAGE, MixMode),
    row(mix(EPARAM_MIX_MUTE_FIRST, 9), CTRL_TOGGLE_BUTTON, 612, 109, &vMuteButton_TypeParams, CONT_MIX_PAGE, MixMode),
    row(mix(EPARAM_MIX_MUTE_FIRST, 10), CTRL_TOGGLE_BUTTON, 665, 109, &vMuteButton_TypeParams, CONT_MIX_PAGE, MixMode),
    row(mix(EPARAM_MIX_MUTE_FIRST, 11), CTRL_TOGGLE_BUTTON, 718, 109, &vMuteButton_TypeParams, CONT_MIX_PAGE, MixMode),
    row(mix(EPARAM_MIX_MUTE_FIRST, 12), CTRL_TOGGLE_BUTTON, 771, 109, &vMuteButton_TypeParams, CONT_MIX_PAGE, MixMode),
    row(EPARAM_MIX_WAVE_DRUM1, CTRL_NUMBER_EDIT, 12, 15, &vMixSample_TypeParams, CONT_MIX_PAGE, MixMode),
    row(mix(EPARAM_MIX_WAVE_FIRST, 0), CTRL_NUMBER_EDIT, 65, 15, &vMixSample_TypeParams, CONT_MIX_PAGE, MixMode),
    row(mix(EPARAM_MIX_WAVE_FIRST, 1), CTRL_NUMBER_EDIT, 118, 15, &vMixSample_TypeParams, CONT_MIX_PAGE, MixMode),
    row(mix(EPARAM_MIX_WAVE_FIRST, 2), CTRL_NUMBER_EDIT, 171, 15, &vMixSample_TypeParams, CONT_MIX_PAGE, MixMode),
    row(mix(EPARAM_MIX_WAVE_FIRST, 3), CTRL_NUMBER_EDIT, 224, 15, &vMixSample_TypeParams, CONT_MIX_PAGE, MixMode),
    row(mix(EPARAM_MIX_WAVE_FIRST, 4), CTRL_NUMBER_EDIT, 277, 15, &vMixSample_TypeParams, CONT_MIX_PAGE, MixMode),
    row(mix(EPARAM_MIX_WAVE_FIRST, 5), CTRL_NUMBER_EDIT, 330, 15, &vMixSample_TypeParams, CONT_MIX_PAGE, MixMode),
    row(mix(EPARAM_MIX_WAVE_FIRST, 6), CTRL_NUMBER_EDIT, 383, 15, &vMixSample_TypeParams, CONT_MIX_PAGE, MixMode),
    row(mix(EPARAM_MIX_WAVE_FIRST, 7), CTRL_NUMBER_EDIT, 436, 15, &vMixSample_TypeParams, CONT_MIX_PAGE, MixMode),
    row(EPARAM_MIX_WAVE_KEYBOARD1, CTRL_NUMBER_EDIT, 489, 15, &vMixSample_TypeParams, CONT_MIX_PAGE, MixMode),
    row(mix(EPARAM_MIX_WAVE_FIRST, 8), CTRL_NUMBER_EDIT, 542, 15, &vMixSample_TypeParams, CONT_MIX_PAGE, MixMode),
    row(mix(EPARAM_MIX_WAVE_FIRST, 9), CTRL_NUMBER_EDIT, 595, 15, &vMixSample_TypeParams, CONT_MIX_PAGE, MixMode),
    row(mix(EPARAM_MIX_WAVE_FIRST, 10), CTRL_NUMBER_EDIT, 648, 15, &vMixSample_TypeParams, CONT_MIX_PAGE, MixMode),
    row(mix(EPARAM_MIX_WAVE_FIRST, 11), CTRL_NUMBER_EDIT, 701, 15, &vMixSample_TypeParams, CONT_MIX_PAGE, MixMode),
    row(EPARAM_MIX_SLICE_DRUM1, CTRL_NUMBER_EDIT, 12, 32, &vMixSlice_TypeParams, CONT_MIX_PAGE, MixMode),
    row(mix(EPARAM_MIX_SLICE_FIRST, 0), CTRL_NUMBER_EDIT, 65, 32, &vMixSlice_TypeParams, CONT_MIX_PAGE, MixMode),
    row(mix(EPARAM_MIX_SLICE_FIRST, 1), CTRL_NUMBER_EDIT, 118, 32, &vMixSlice_TypeParams, CONT_MIX_PAGE, MixMode),
    row(mix(EPARAM_MIX_SLICE_FIRST, 2), CTRL_NUMBER_EDIT, 171, 32, &vMixSlice_TypeParams, CONT_MIX_PAGE, MixMode),
    row(mix(EPARAM_MIX_SLICE_FIRST, 3), CTRL_NUMBER_EDIT, 224, 32, &vMixSlice_TypeParams, CONT_MIX_PAGE, MixMode),
    row(mix(EPARAM_MIX_SLICE_FIRST, 4), CTRL_NUMBER_EDIT, 277, 32, &vMixSlice_TypeParams, CONT_MIX_PAGE, MixMode),
    row(mix(EPARAM_MIX_SLICE_FIRST, 5), CTRL_NUMBER_EDIT, 330, 32, &vMixSlice_TypeParams, CONT_MIX_PAGE, MixMode),
    row(mix(EPARAM_MIX_SLICE_FIRST, 6), CTRL_NUMBER_EDIT, 383, 32, &vMixSlice_TypeParams, CONT_MIX_PAGE, MixMode),
    row(mix(EPARAM_MIX_SLICE_FIRST, 7), CTRL_NUMBER_EDIT, 436, 32, &vMixSlice_TypeParams, CONT_MIX_PAGE, MixMode),
    row(EPARAM_MIX_SLICE_KEYBOARD1, CTRL_NUMBER_EDIT, 489, 32, &vMixSlice_TypeParams, CONT_MIX_PAGE, MixMode),
    row(mix(EPARAM_MIX_SLICE_FIRST, 8), CTRL_NUMBER_EDIT, 542, 32, &vMixSlice_TypeParams, CONT_MIX_PAGE, MixMode),
    row(EPARAM_MIX_PAN_DRUM1, CTRL_HORIZONTAL_SLIDER, 2, 49, &vMixPan_TypeParams, CONT_MIX_PAGE, MixMode, editorControlsValueToStr_0_127),
    row(mix(EPARAM_MIX_PAN_FIRST, 0), CTRL_HORIZONTAL_SLIDER, 55, 49, &vMixPan_TypeParams, CONT_MIX_PAGE, MixMode, editorControlsValueToStr_0_127),
    row(mix(EPARAM_MIX_PAN_FIRST, 1), CTRL_HORIZONTAL_SLIDER, 108, 49, &vMixPan_TypeParams, CONT_MIX_PAGE, MixMode, editorControlsValueToStr_0_127),
    row(mix(EPARAM_MIX_PAN_FIRST, 2), CTRL_HORIZONTAL_SLIDER, 161, 49, &vMixPan_TypeParams, CONT_MIX_PAGE, MixMode, editorControlsValueToStr_0_127),
    row(mix(EPARAM_MIX_PAN_FIRST, 3), CTRL_HORIZONTAL_SLIDER, 214, 49, &vMixPan_TypeParams, CONT_MIX_PAGE, MixMode, editorControlsValueToStr_0_127),
    row(mix(EPARAM_MIX_PAN_FIRST, 4), CTRL_HORIZONTAL_SLIDER, 267, 49, &vMixPan_TypeParams, CONT_MIX_PAGE, MixMode, editorControlsValueToStr_0_127),
    row(mix(EPARAM_MIX_PAN_FIRST, 5), CTRL_HORIZONTAL_SLIDER, 320, 49, &vMixPan_TypeParams, CONT_MIX_PAGE, MixMode, editorControlsValueToStr_0_127),
    row(mix(EPARAM_MIX_PAN_FIRST, 6), CTRL_HORIZONTAL_SLIDER, 373, 49, &vMixPan_TypeParams, CONT_MIX_PAGE, MixMode, editorControlsValueToStr_0_127),
    row(mix(EPARAM_MIX_PAN_FIRST, 7), CTRL_HORIZONTAL_SLIDER, 426, 49, &vMixPan_TypeParams, CONT_MIX_PAGE, MixMode, editorControlsValueToStr_0_127),
    row(EPARAM_MIX_PAN_KEYBOARD1, CTRL_HORIZONTAL_SLIDER, 479, 49, &vMixPan_TypeParams, CONT_MIX_PAGE, MixMode, editorControlsValueToStr_0_127),
    row(mix(EPARAM_MIX_PAN_FIRST, 8), CTRL_HORIZONTAL_SLIDER, 532, 49, &vMixPan_TypeParams, CONT_MIX_PAGE, MixMode, editorControlsValueToStr_0_127),
    row(mix(EPARAM_MIX_PAN_FIRST, 9), CTRL_HORIZONTAL_SLIDER, 585, 49, &vMixPan_TypeParams, CONT_MIX_PAGE, MixMode, editorControlsValueToStr_0_127),
    row(mix(EPARAM_MIX_PAN_FIRST, 10), CTRL_HORIZONTAL_SLIDER, 638, 49, &vMixPan_TypeParams, CONT_MIX_PAGE, MixMode, editorControlsValueToStr_0_127),
    row(mix(EPARAM_MIX_PAN_FIRST, 11), CTRL_HORIZONTAL_SLIDER, 691, 49, &vMixPan_TypeParams, CONT_MIX_PAGE, MixMode, editorControlsValueToStr_0_127),
    row(mix(EPARAM_MIX_PAN_FIRST, 12), CTRL_HORIZONTAL_SLIDER, 744, 49, &vMixPan_TypeParams, CONT_MIX_PAGE, MixMode, editorControlsValueToStr_0_127),

    // Setup page, top bar, question box and MIDI test.
    row(EPARAM_DUMP_REQUEST_CURRENT, CTRL_COMMAND_BUTTON, 230, 5, &vButton_TypeParams, CONT_SETUP_PANEL, SetupMode),
    row(EPARAM_DUMP_REQUEST_BANK_A, CTRL_COMMAND_BUTTON, 230, 30, &vButton_TypeParams, CONT_SETUP_PANEL, SetupMode),
    row(EPARAM_LIBRARY_SAVE, CTRL_COMMAND_BUTTON, 176, 22, &vButton_TypeParams, CONT_SETUP_PAGE, SetupMode),
    row(EPARAM_LIBRARY_FILES, CTRL_MENU, 182, 51, &vLibraryMenu_TypeParams, CONT_SETUP_PAGE, SetupMode),
    row(EPARAM_LIBRARY_LOAD, CTRL_COMMAND_BUTTON, 176, 50, &vButton_TypeParams, CONT_SETUP_PAGE, SetupMode),
    row(EPARAM_PATTERN_COPY, CTRL_COMMAND_BUTTON, 572, 6, &vSmallButton_TypeParams, CONT_FRAME, Always),
    row(EPARAM_PATTERN_PASTE, CTRL_COMMAND_BUTTON, 614, 6, &vSmallButton_TypeParams, CONT_FRAME, Always),
    row(EPARAM_PATTERN_RESET, CTRL_COMMAND_BUTTON, 523, 6, &vSmallButton_TypeParams, CONT_FRAME, Always),
    row(EPARAM_PART_COPY, CTRL_COMMAND_BUTTON, 572, 28, &vSmallButton_TypeParams, CONT_FRAME, Always),
    row(EPARAM_PART_PASTE, CTRL_COMMAND_BUTTON, 614, 28, &vSmallButton_TypeParams, CONT_FRAME, Always),
    row(EPARAM_PART_RESET, CTRL_COMMAND_BUTTON, 523, 28, &vSmallButton_TypeParams, CONT_FRAME, Always),
    row(EPARAM_UNDO, CTRL_COMMAND_BUTTON, 3, 3, &vHistoryButton_TypeParams, CONT_HISTORY, Always),
    row(EPARAM_REDO, CTRL_COMMAND_BUTTON, 39, 3, &vHistoryButton_TypeParams, CONT_HISTORY, Always),
    row(EPARAM_COMPARE, CTRL_TOGGLE_BUTTON, 3, 25, &vCompareButton_TypeParams, CONT_HISTORY, Always),
    row(EPARAM_SELECT_PROGRAM, CTRL_MENU, 10, 0, &vProgramMenu_TypeParams, CONT_PROGRAM_SELECTOR, Always),
    row(EPARAM_QUESTION_YES, CTRL_COMMAND_BUTTON, 173, 2, &vQuestionYes_TypeParams, CONT_QUESTION, Always),
    row(EPARAM_QUESTION_NO, CTRL_COMMAND_BUTTON, 195, 2, &vQuestionNo_TypeParams, CONT_QUESTION, Always),
    row(EPARAM_MIDI_TEST, CTRL_COMMAND_BUTTON, 160, 52, &vButton_TypeParams, CONT_SETUP_PANEL, Always),
    row(EPARAM_MIDI_TEST_CONTINUE1, CTRL_COMMAND_BUTTON, 390, 4, &vLargeButton_TypeParams, CONT_MIDI_TEST_ANSWERS_1, Always),
    row(EPARAM_MIDI_TEST_RETRY, CTRL_COMMAND_BUTTON, 215, 4, &vLargeButton_TypeParams, CONT_MIDI_TEST_ANSWERS_1, Always),
    row(EPARAM_MIDI_TEST_CONTINUE2, CTRL_COMMAND_BUTTON, 390, 4, &vLargeButton_TypeParams, CONT_MIDI_TEST_ANSWERS_2, Always),
    row(EPARAM_MIDI_TEST_SEND_REPORT, CTRL_COMMAND_BUTTON, 215, 4, &vLargeButton_TypeParams, CONT_MIDI_TEST_ANSWERS_2, Always),

    row(EPARAM_END, CTRL_END, 0, 0, nullptr, CONT_FRAME, nullptr),
};
// clang-format on
