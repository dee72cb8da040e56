// The panel's pictures and resources: bitmaps, fixed labels, lamps and the LCD prefix.
#include "../gui/GuiTypes.h"
#include "EditorTables.h"

const t_EditorPicture c_EditorPictures[] = {
    {125, 52, 5000, 100}, // knob strip, centred values
    {126, 52, 5000, 100}, // knob strip
    {128, 54, 42, 2},     // button
    {129, 42, 42, 2},     // small button (copy, paste, reset)
    {225, 36, 42, 2},     // undo and redo
    {226, 72, 42, 2},     // compare, lit while comparing
    {130, 16, 32, 2},     // LED
    {132, 20, 45, 5},     // modulation type pictures
    {133, 11, 18, 2},     // amp envelope pictures
    {181, 33, 106, 2},    // mode button
    {182, 37, 54, 2},     // part selector button
    {190, 19, 82, 1},     // vertical slider track
    {191, 19, 9, 1},      // vertical slider handle
    {193, 9, 36, 2},      // plus stepper
    {194, 9, 36, 2},      // minus stepper
    {195, 109, 68, 2},    // FX chain "None"
    {196, 109, 76, 2},    // FX chain "FX1-FX2"
    {197, 109, 76, 2},    // FX chain "FX2-FX3"
    {198, 109, 46, 2},    // FX chain "FX1-FX2-FX3"
    {199, 18, 36, 2},     // mute button
    {200, 797, 203, 1},   // syncing overlay
    {204, 17, 28, 2},     // question yes
    {205, 17, 28, 2},     // question no
    {206, 11, 9, 1},      // small picture, part mode
    {207, 11, 9, 1},      // small picture, part mode
    {208, 797, 203, 1},   // main panel
    {209, 797, 149, 1},   // part page
    {210, 797, 149, 1},   // mix page
    {211, 797, 149, 1},   // global page
    {213, 123, 62, 2},    // large button (MIDI test answers)
    {214, 15, 2232, 93},  // LCD font
    {215, 9, 36, 2},      // plus stepper, black text menus
    {216, 9, 36, 2},      // minus stepper, black text menus
    {218, 123, 47, 1},    // the device
    {219, 15, 28, 2},     // MIDI port lamp
    {220, 797, 149, 1},   // setup page
    {222, 50, 16, 1},     // horizontal slider track
    {223, 6, 16, 1},      // horizontal slider handle
    {224, 797, 149, 1},   // MIDI test page
    {0, 0, 0, 0},
};

namespace
{
// Bitmap resources hold their CBitmap in a run-time copy of this record.
constexpr t_ResourceBitmap kBitmap{nullptr};

constexpr const CColor* kBlack = &kBlackCColor;
constexpr const CColor* kWhite = &kWhiteCColor;
constexpr CColor kWarningAmber{0xF0, 0xA0, 0x30, 255}; // the artwork's warning colour

constexpr t_ResourceLabel kInfoLine{4, 0, 160, 18, nullptr, "", 5, kBlack, 1, 0};
constexpr t_ResourceLabel kQuestionText{4, 0, 165, 18, nullptr, "", 5, kBlack, 1, 0};
constexpr t_ResourceLabel kRollTypeLabel{137, 71, 183, 87, nullptr, "Roll type :", 6, kWhite, 0, 0};
constexpr t_ResourceLabel kLabelL3{269, 74, 282, 82, nullptr, "L/3", 6, kWhite, 0, 0};
constexpr t_ResourceLabel kLabelR4{309, 74, 326, 82, nullptr, "R/4", 6, kWhite, 0, 0};
constexpr t_ResourceLabel kLabelMinus{510, 128, 520, 144, nullptr, "_", 2, kWhite, 0, 0};
constexpr t_ResourceLabel kLabelPlus{550, 138, 560, 148, nullptr, "+", 2, kWhite, 0, 0};
constexpr t_ResourceLabel kSampleLabel{22, 1, 73, 14, nullptr, "Sample", 6, kWhite, 0, 0};
constexpr t_ResourceLabel kSliceLabel{27, 1, 73, 14, nullptr, "Slice", 6, kWhite, 0, 0};
constexpr t_ResourceLabel kKeyboardSampleLabel{22, 5, 73, 18, nullptr, "Sample", 6, kWhite, 0, 0};
constexpr t_ResourceLabel kKeyboardSliceLabel{27, 33, 73, 46, nullptr, "Slice", 6, kWhite, 0, 0};
constexpr t_ResourceBitmapText kProgramPrefix{
    5, 8, 68, 32, nullptr, "", RES_LCD_FONT, LCD_FONT_CHARS_WIDTH, LCD_FONT_CHARS};
constexpr t_ResourceLabel kPatternLabel{520, 8, 263, 25, nullptr, "Pattern", 6, kBlack, 0, 2};
constexpr t_ResourceLabel kPartLabel{520, 30, 263, 47, nullptr, "Part", 6, kBlack, 0, 2};
constexpr t_ResourceLabel kOutLabel{187, 13, 210, 25, nullptr, "Out", 4, kWhite, 1, 0};
constexpr t_ResourceLabel kInLabel{192, 42, 210, 54, nullptr, "In", 4, kWhite, 1, 0};
constexpr t_ResourcePicture kDevicePicture{nullptr, nullptr, 36, 11};
constexpr t_ResourceOnOff kOutLamp{381, 11, 396, 25, nullptr, false, RES_LAMP};
constexpr t_ResourceOnOff kInLamp{381, 41, 396, 55, nullptr, false, RES_LAMP};
constexpr t_ResourceLabel kDeviceStatus{37, 27, 159, 42, nullptr, "ESX not detected", 4, kWhite, 1, 1};
// The Host-mode warning: three lines with an amber bar before them.
constexpr t_ResourceLabel kWarningBar{0, 2, 2, 33, nullptr, "", 6, kWhite, 0, 0, &kWarningAmber};
constexpr t_ResourceLabel kWarning1{7, 0, 162, 12, nullptr, "WARNING: In host mode you can", 6, kWhite, 0, 0};
constexpr t_ResourceLabel kWarning2{7, 12,     162, 24, nullptr, "not use dumps and pattern name",
                                    6, kWhite, 0,   0};
constexpr t_ResourceLabel kWarning3{7, 24, 162, 36, nullptr, "is not transmitted", 6, kWhite, 0, 0};
constexpr t_ResourceLabel kTestTitle{140, 10, 700, 30, nullptr, "", 1, kWhite, 1, 1};
constexpr t_ResourceLabel kTestLine1{90, 52, 750, 70, nullptr, "", 2, kWhite, 0, 1};
constexpr t_ResourceLabel kTestLine2{90, 71, 750, 89, nullptr, "", 2, kWhite, 0, 1};
constexpr t_ResourceLabel kTestLine3{90, 90, 750, 108, nullptr, "", 2, kWhite, 0, 1};
constexpr t_ResourceLabel kSyncingText{0, 95, 797, 135, nullptr, "Syncing hardware...", 1, kWhite, 0, 1};

constexpr t_EditorResource bitmap(e_EditorResourceID id, int picture,
                                  e_EditorContainer container = CONT_FRAME)
{
    return {id, RESKIND_BITMAP, picture, &kBitmap, container};
}

constexpr t_EditorResource label(e_EditorResourceID id, const t_ResourceLabel& record,
                                 e_EditorContainer container)
{
    return {id, RESKIND_LABEL, 0, &record, container};
}
} // namespace

const t_EditorResource c_EditorResources[] = {
    bitmap(RES_MAIN_BACKGROUND, 208),
    bitmap(RES_PART_PAGE, 209, CONT_PART_PAGE),
    bitmap(RES_MIX_PAGE, 210, CONT_MIX_PAGE),
    bitmap(RES_GLOBAL_PAGE, 211, CONT_GLOBAL_PAGE),
    bitmap(RES_SETUP_PAGE, 220, CONT_SETUP_PAGE),
    bitmap(RES_KNOB_CENTRED, 125),
    bitmap(RES_KNOB, 126),
    bitmap(RES_BUTTON, 128),
    bitmap(RES_SMALL_BUTTON, 129),
    bitmap(RES_HISTORY_BUTTON, 225),
    bitmap(RES_COMPARE_BUTTON, 226),
    bitmap(RES_LARGE_BUTTON, 213),
    bitmap(RES_QUESTION_YES, 204, CONT_QUESTION),
    bitmap(RES_QUESTION_NO, 205, CONT_QUESTION),
    bitmap(RES_LED, 130),
    bitmap(RES_MOD_TYPE_PICTURES, 132),
    bitmap(RES_AMP_EG_PICTURES, 133),
    bitmap(RES_MODE_BUTTON, 181),
    bitmap(RES_PART_BUTTON, 182),
    bitmap(RES_VSLIDER_TRACK, 190),
    bitmap(RES_VSLIDER_HANDLE, 191),
    bitmap(RES_STEPPER_PLUS, 193),
    bitmap(RES_STEPPER_MINUS, 194),
    bitmap(RES_STEPPER_PLUS_DARK, 215),
    bitmap(RES_STEPPER_MINUS_DARK, 216),
    bitmap(RES_FX_CHAIN_NONE, 195),
    bitmap(RES_FX_CHAIN_12, 196),
    bitmap(RES_FX_CHAIN_23, 197),
    bitmap(RES_FX_CHAIN_123, 198),
    bitmap(RES_MUTE_BUTTON, 199),
    bitmap(RES_OVERLAY, 200),
    bitmap(RES_SMALL_PICTURE_1, 206),
    bitmap(RES_SMALL_PICTURE_2, 207),
    bitmap(RES_LCD_FONT, 214),
    label(RES_INFO_LINE, kInfoLine, CONT_INFO_LINE),
    label(RES_QUESTION_TEXT, kQuestionText, CONT_QUESTION),
    label(RES_ROLL_TYPE_LABEL, kRollTypeLabel, CONT_ACCENT_SWING),
    label(e_EditorResourceID(36), kLabelL3, CONT_PART_PAGE),
    label(e_EditorResourceID(37), kLabelR4, CONT_PART_PAGE),
    label(e_EditorResourceID(38), kLabelMinus, CONT_PART_PAGE),
    label(e_EditorResourceID(39), kLabelPlus, CONT_PART_PAGE),
    label(e_EditorResourceID(66), kSampleLabel, CONT_SAMPLE_NUMBER),
    label(e_EditorResourceID(67), kSliceLabel, CONT_SLICE_NUMBER),
    label(e_EditorResourceID(68), kKeyboardSampleLabel, CONT_KEYBOARD_PITCH_LEVEL),
    label(e_EditorResourceID(69), kKeyboardSliceLabel, CONT_KEYBOARD_PITCH_LEVEL),
    {RES_PROGRAM_PREFIX, RESKIND_BITMAP_TEXT, 0, &kProgramPrefix, CONT_LCD},
    label(e_EditorResourceID(47), kPatternLabel, CONT_FRAME),
    label(e_EditorResourceID(48), kPartLabel, CONT_FRAME),
    label(e_EditorResourceID(50), kOutLabel, CONT_TETHER_PANEL),
    label(e_EditorResourceID(51), kInLabel, CONT_TETHER_PANEL),
    {RES_DEVICE_PICTURE, RESKIND_PICTURE, 218, &kDevicePicture, CONT_TETHER_PANEL},
    bitmap(RES_LAMP, 219),
    {RES_LAMP_OUT, RESKIND_ON_OFF, 0, &kOutLamp, CONT_TETHER_PANEL},
    {RES_LAMP_IN, RESKIND_ON_OFF, 0, &kInLamp, CONT_TETHER_PANEL},
    label(RES_DEVICE_STATUS, kDeviceStatus, CONT_TETHER_PANEL),
    label(RES_HOST_MODE_WARNING_BAR, kWarningBar, CONT_HOST_MODE_WARNING),
    label(e_EditorResourceID(57), kWarning1, CONT_HOST_MODE_WARNING),
    label(e_EditorResourceID(58), kWarning2, CONT_HOST_MODE_WARNING),
    label(e_EditorResourceID(59), kWarning3, CONT_HOST_MODE_WARNING),
    bitmap(RES_MIDI_TEST_PAGE, 224, CONT_MIDI_TEST_PAGE),
    label(RES_MIDI_TEST_TITLE, kTestTitle, CONT_MIDI_TEST_PAGE),
    label(RES_MIDI_TEST_LINE1, kTestLine1, CONT_MIDI_TEST_PAGE),
    label(RES_MIDI_TEST_LINE2, kTestLine2, CONT_MIDI_TEST_PAGE),
    label(RES_MIDI_TEST_LINE3, kTestLine3, CONT_MIDI_TEST_PAGE),
    label(RES_SYNCING_TEXT, kSyncingText, CONT_OVERLAY),
    bitmap(RES_HSLIDER_TRACK, 222),
    bitmap(RES_HSLIDER_HANDLE, 223),
    {RES_END, RESKIND_BITMAP, 0, nullptr, CONT_FRAME},
};
