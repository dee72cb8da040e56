// Records of the panel's constant tables: pictures, resources, containers, visibility rules
// and controls, with the per-row callback types. The tables themselves live in files of
// their own (Editor*Table.cpp); the editor copies them to the heap and writes the views it
// creates into the copies. The picture generator (resources/) reads the same tables.
#pragma once

#include "../params/ParameterIds.h"

#include <cstddef>
#include <cstdint>
#include <new>

class SynthCommons;
class SynthEditor;
class CBitmap;
class CViewContainer;
class CTextLabel;
class COnOffButton;
class CBitmapText;
class CBitmapEdit;
class CAnimKnob;
class CControl;
class CMultiBitmap;
class COptionMenu;
class CMenuSelectorKickButton;
class CNumEditKickButton;
class CTextEdit;
class CVerticalSlider;
class CHorizontalSlider;
struct CColor;

// --- Resources -----------------------------------------------------------------------------

enum e_EditorResourceID : std::uint32_t
{
    RES_MAIN_BACKGROUND = 0,
    RES_PART_PAGE = 1,
    RES_MIX_PAGE = 2,
    RES_GLOBAL_PAGE = 3,
    RES_HISTORY_BUTTON = 4, // undo and redo
    RES_COMPARE_BUTTON = 5,
    RES_SETUP_PAGE = 6,
    RES_KNOB_CENTRED = 7,
    RES_KNOB = 8,
    RES_BUTTON = 9,
    RES_SMALL_BUTTON = 10,
    RES_LARGE_BUTTON = 11,
    RES_QUESTION_YES = 12,
    RES_QUESTION_NO = 13,
    RES_LED = 14,
    RES_MOD_TYPE_PICTURES = 15,
    RES_AMP_EG_PICTURES = 16,
    RES_MODE_BUTTON = 18,
    RES_PART_BUTTON = 19,
    RES_INFO_LINE = 20,
    RES_QUESTION_TEXT = 21,
    RES_VSLIDER_TRACK = 22,
    RES_VSLIDER_HANDLE = 23,
    RES_HSLIDER_TRACK = 24,
    RES_HSLIDER_HANDLE = 25,
    RES_STEPPER_PLUS = 26,
    RES_STEPPER_MINUS = 27,
    RES_STEPPER_PLUS_DARK = 28,
    RES_STEPPER_MINUS_DARK = 29,
    RES_FX_CHAIN_NONE = 30,
    RES_FX_CHAIN_12 = 31,
    RES_FX_CHAIN_23 = 32,
    RES_FX_CHAIN_123 = 33,
    RES_MUTE_BUTTON = 34,
    RES_ROLL_TYPE_LABEL = 35,
    RES_HOST_MODE_WARNING_BAR = 40,
    RES_OVERLAY = 42,
    RES_SMALL_PICTURE_1 = 43,
    RES_SMALL_PICTURE_2 = 44,
    RES_LCD_FONT = 45,
    RES_PROGRAM_PREFIX = 46,
    RES_DEVICE_PICTURE = 52,
    RES_LAMP = 53,
    RES_LAMP_OUT = 54,
    RES_LAMP_IN = 55,
    RES_DEVICE_STATUS = 56,
    RES_MIDI_TEST_PAGE = 60,
    RES_MIDI_TEST_TITLE = 61,
    RES_MIDI_TEST_LINE1 = 62,
    RES_MIDI_TEST_LINE2 = 63,
    RES_MIDI_TEST_LINE3 = 64,
    RES_SYNCING_TEXT = 65,
    RES_END = 70, // also "no picture"
};

enum e_EditorResourceKind : std::uint32_t
{
    RESKIND_BITMAP = 0,
    RESKIND_PICTURE = 1,
    RESKIND_LABEL = 2,
    RESKIND_ON_OFF = 3,
    RESKIND_BITMAP_TEXT = 4,
};

// A container is one bit of one of two words: bit 31 clear, word 0; set, word 1.
enum e_EditorContainer : std::uint32_t
{
    CONT_FRAME = 0,
    CONT_LCD = 0x00000002,
    CONT_MODE_BUTTONS = 0x00000004,
    CONT_SETUP_PAGE = 0x00000080,
    CONT_PART_PAGE = 0x00000100,
    CONT_MIX_PAGE = 0x00000200,
    CONT_GLOBAL_PAGE = 0x00000400,
    CONT_MIDI_TEST_PAGE = 0x00000800,
    CONT_INFO_LINE = 0x00004000,
    CONT_QUESTION = 0x00008000,
    CONT_SMALL_PICTURE_1 = 0x00040000,
    CONT_SMALL_PICTURE_2 = 0x00080000,
    CONT_PROGRAM_SELECTOR = 0x00100000,
    CONT_HISTORY = 0x00200000, // undo, redo and compare
    CONT_SETUP_PANEL = 0x01000000,
    CONT_TETHER_PANEL = 0x02000000,
    CONT_MIDI_TEST_ANSWERS_1 = 0x04000000,
    CONT_MIDI_TEST_ANSWERS_2 = 0x08000000,
    CONT_HOST_MODE_WARNING = 0x10000000, // on the setup panel
    CONT_WORD1 = 0x80000000,             // alone: the frame
    CONT_PART_FILTER = 0x80000020,
    CONT_PART_MODULATION = 0x80000040,
    CONT_PART_PITCH_LEVEL = 0x80000080,
    CONT_PART_SELECTOR = 0x80000100,
    CONT_FX1 = 0x80001000,
    CONT_FX2 = 0x80002000,
    CONT_FX3 = 0x80004000,
    CONT_FX_CHAIN = 0x80008000,
    CONT_ACCENT_SWING = 0x80010000,
    CONT_KEYBOARD_FILTER = 0x80040000,
    CONT_KEYBOARD_MODULATION = 0x80080000,
    CONT_KEYBOARD_PITCH_LEVEL = 0x80100000,
    CONT_SAMPLE_NUMBER = 0x80200000,
    CONT_SLICE_NUMBER = 0x80400000,
    CONT_START_KNOB = 0x80800000,
    CONT_REVERSE = 0x81000000,
    CONT_MOD_DESTINATION = 0x82000000,
    CONT_AUDIOIN_MOD_DESTINATION = 0x84000000,
    CONT_OVERLAY = 0xC0000000,
};

// One picture of the panel as the generator draws it and the editor loads it.
struct t_EditorPicture
{
    int number;
    int width;
    int height;
    int frames; // stacked vertically, each height / frames tall
};

struct t_EditorResource
{
    e_EditorResourceID id; // RES_END ends the table
    e_EditorResourceKind kind;
    int picture;            // picture number, 0 for none
    const void* parameters; // the kind's record below
    e_EditorContainer container;
};

struct t_ResourceBitmap
{
    CBitmap* bitmap;
};

struct t_ResourcePicture
{
    CBitmap* bitmap;
    CViewContainer* view;
    int x;
    int y;
};

// Corners in any order: the view spans them.
struct t_ResourceLabel
{
    int x1, y1, x2, y2;
    CTextLabel* view;
    const char* text;
    int font;
    const CColor* colour;
    int face;
    int align;
    const CColor* ground = nullptr; // filled under the text; null: transparent
};

struct t_ResourceOnOff
{
    int x1, y1, x2, y2;
    COnOffButton* view;
    bool initiallyOn;
    e_EditorResourceID picture;
};

struct t_ResourceBitmapText
{
    int x1, y1, x2, y2;
    CBitmapText* view;
    const char* text;
    e_EditorResourceID font;
    const int* widths;
    const char* chars;
};

struct t_EditorContainer
{
    CViewContainer* view;
    e_EditorContainer id; // 0 ends the table
    int x, y, width, height;
    e_EditorResourceID background; // RES_END: none
    // For the artwork: the page on which the container's section plate is drawn, with its
    // engraved title (CONT_FRAME and null: no plate).
    e_EditorContainer page;
    const char* title;
};

// Visibility: the union of the containers of every rule whose predicate gives the expected result.
using t_VisibleContainersCbk = bool (*)(SynthCommons* synth);

struct t_VisibleEditorContainers
{
    bool expected;
    t_VisibleContainersCbk predicate; // null ends the table
    std::uint32_t word0;
    std::uint32_t word1; // bit 31 cleared before use
};

// --- Controls ------------------------------------------------------------------------------

enum e_EditorControlKind : std::uint32_t
{
    CTRL_KNOB = 0,
    CTRL_LED_GROUP = 2,
    CTRL_STEP_BUTTON = 3,
    CTRL_TOGGLE_BUTTON = 4,
    CTRL_SELECTOR_BUTTON = 5,
    CTRL_COMMAND_BUTTON = 7,
    CTRL_MENU = 8,
    CTRL_FX_TYPE_MENU = 9,
    CTRL_VERTICAL_SLIDER = 11,
    CTRL_HORIZONTAL_SLIDER = 12,
    CTRL_FX_CHAIN = 13,
    CTRL_NUMBER_EDIT = 15,
    CTRL_NAME_EDIT = 16,
    CTRL_END = 17,
};

// Writes the device value's text; false (and nothing written) for no text.
using t_ValueToStrCbk = bool (*)(SynthEditor* editor, int value, char* text);
// Whether the panel now shows the part, channel or page of a parameter at an index.
using t_IsCurrentlyDisplayedCbk = bool (*)(SynthEditor* editor, std::uint32_t index);

// A menu entry: its value and text; a null text means no such entry.
struct t_MenuItem
{
    std::int32_t value;
    const char* text;
};
// Gives entry index; with select or apply set it also acts on the choice.
using t_MenuItemCbk = t_MenuItem (*)(SynthEditor* editor, std::uint32_t index, bool select, bool apply);
using t_NumEditDisplayCbk = void (*)(int value, char* text);

struct t_EditorControl
{
    e_EditorParameterID id; // EPARAM_END ends the table
    e_EditorControlKind kind;
    int x, y;
    const void* parameters; // the kind's record below
    e_EditorContainer container;
    t_ValueToStrCbk valueToStr;
    t_IsCurrentlyDisplayedCbk isDisplayed;
};

struct t_Knob_TypeStruct
{
    CAnimKnob* knob;
    CTextLabel* label;
    e_EditorResourceID picture;
};

// One LED of a group; a row whose x or y is 0 ends the table.
struct t_LedData
{
    int x, y;
    int valueIndex;
};

struct t_LedGroup_TypeStruct
{
    COnOffButton** leds;
    CTextLabel** labels;
    CMultiBitmap* valuePictures;
    e_EditorResourceID valuePicture; // RES_END: text labels instead
    const t_LedData* table;
};

// Step, toggle, selector and command buttons.
struct t_Button_TypeStruct
{
    CControl* control;
    CTextLabel* label;
    e_EditorResourceID picture;
    int font;
};

struct t_FxMenuExtra
{
    e_EditorParameterID knob1;
    e_EditorParameterID knob2;
    const char* const* knob1Names; // one per FX type
    const char* const* knob2Names;
};

struct t_Menu_TypeStruct
{
    COptionMenu* menu;
    COptionMenu** subMenus;
    CMenuSelectorKickButton* minus;
    CMenuSelectorKickButton* plus;
    int align;
    const CColor* colour;
    bool steppers;
    int width;
    t_MenuItemCbk items;
    const t_FxMenuExtra* fx;
};

struct t_VSlider_TypeStruct
{
    CVerticalSlider* slider;
    CTextLabel* label;
    e_EditorResourceID track;
    e_EditorResourceID handle;
    int labelX, labelY, labelWidth, labelHeight;
};

struct t_HSlider_TypeStruct
{
    CHorizontalSlider* slider;
    e_EditorResourceID track;
    e_EditorResourceID handle;
};

struct t_FxChainEntry
{
    e_EditorResourceID picture;
    int x, y;
    int valueIndex;
};

struct t_FxChain_TypeStruct
{
    COnOffButton** buttons;
    int count;
    const t_FxChainEntry* entries;
};

struct t_NumEdit_TypeStruct
{
    CTextEdit* edit;
    int width, height;
    int font;
    std::uint32_t colour; // 0xAARRGGBB; alpha 0 is read as opaque
    int face;
    int align;
    int minimum, maximum;
    int displayShift;
    unsigned char charLimit;
    bool steppers;
    CNumEditKickButton* minus;
    CNumEditKickButton* plus;
    t_NumEditDisplayCbk display;
};

struct t_NameEdit_TypeStruct
{
    CBitmapEdit* edit;
    int width, height;
    int font;
    std::uint32_t colour;
    int face;
    int align;
    e_EditorResourceID fontPicture;
    const int* widths;
    const char* chars;
};

// --- The tables ------------------------------------------------------------------------------

extern const t_EditorPicture c_EditorPictures[]; // number 0 ends it
extern const t_EditorResource c_EditorResources[];
extern const t_EditorContainer c_EditorContainers[];
extern const t_VisibleEditorContainers pVisibleEditorContainers[];
extern const t_EditorControl c_EditorControls[];

constexpr int kLcdFontGlyphs = 93;
constexpr int kLcdGlyphWidth = 15; // one glyph cell of the font picture
constexpr int kLcdGlyphHeight = 24;
extern const char LCD_FONT_CHARS[];
extern const int LCD_FONT_CHARS_WIDTH[];

// The knobs' travel: from the start angle, turning by the range (radians, counter-clockwise
// from three o'clock; a negative range turns clockwise). The knob strips are drawn to it.
constexpr float kKnobStartAngle = 4.189f;
constexpr float kKnobRangeAngle = -5.236f;

constexpr int kFxTypes = 16;
extern const char* const FX_EDIT1_KNOB_LABELS[];
extern const char* const FX_EDIT2_KNOB_LABELS[];

// A heap copy of a table, end row included (the first row for which isEnd holds); null when
// memory runs out.
template <typename T, typename IsEnd> T* editorTables_Copy(const T* table, IsEnd isEnd)
{
    std::size_t count = 0;
    while (!isEnd(table[count]))
        ++count;
    T* copy = new (std::nothrow) T[count + 1];
    if (copy)
        for (std::size_t i = 0; i <= count; ++i)
            copy[i] = table[i];
    return copy;
}

// Look-ups by linear walk; null when absent.
const t_EditorPicture* editorTables_FindPicture(int number);
const t_EditorResource* editorTables_FindResource(const t_EditorResource* table, e_EditorResourceID id);
const t_EditorContainer* editorTables_FindContainer(const t_EditorContainer* table, e_EditorContainer id);
// The picture's frame size (its height divided by its frames); false when unknown.
bool editorTables_FrameSize(e_EditorResourceID id, int* width, int* height);

// --- Per-row callbacks --------------------------------------------------------------------------

bool editorControlsLib_VisibleContainersCbk_IsSetupMode(SynthCommons* synth);
bool editorControlsLib_VisibleContainersCbk_IsTetherMidi(SynthCommons* synth);
bool editorControlsLib_VisibleContainersCbk_HostModeCannotDump(SynthCommons* synth);
bool editorControlsLib_VisibleContainersCbk_IsMidiTestResultMode(SynthCommons* synth);
bool editorControlsLib_VisibleContainersCbk_IsMidiTestResultMode1(SynthCommons* synth);
bool editorControlsLib_VisibleContainersCbk_IsMidiTestResultMode2(SynthCommons* synth);
bool editorControlsLib_VisibleContainersCbk_ShowSelectProgram(SynthCommons* synth);
bool editorControlsLib_VisibleContainersCbk_IsAQuestion(SynthCommons* synth);
bool editorControlsLib_VisibleContainersCbk_IsPartMode(SynthCommons* synth);
bool editorControlsLib_VisibleContainersCbk_KeyboardPart(SynthCommons* synth);
bool editorControlsLib_VisibleContainersCbk_PartButNotKeyboard(SynthCommons* synth);
bool editorControlsLib_VisibleContainersCbk_IsMixMode(SynthCommons* synth);
bool editorControlsLib_VisibleContainersCbk_IsCommonEffectsMode(SynthCommons* synth);
bool editorControlsLib_VisibleContainersCbk_DrumPart(SynthCommons* synth);
bool editorControlsLib_VisibleContainersCbk_StretchSlicePart(SynthCommons* synth);
bool editorControlsLib_VisibleContainersCbk_AudioInPart(SynthCommons* synth);
bool editorControlsLib_VisibleContainersCbk_Always(SynthCommons* synth);

bool editorControlsIsCurrentlyDisplayed_Always(SynthEditor* editor, std::uint32_t index);
bool editorControlsIsCurrentlyDisplayed_PartMode(SynthEditor* editor, std::uint32_t index);
bool editorControlsIsCurrentlyDisplayed_GlobalMode(SynthEditor* editor, std::uint32_t index);
bool editorControlsIsCurrentlyDisplayed_SetupMode(SynthEditor* editor, std::uint32_t index);
bool editorControlsIsCurrentlyDisplayed_MixMode(SynthEditor* editor, std::uint32_t index);
bool editorControlsIsCurrentlyDisplayed_KeyboardPart(SynthEditor* editor, std::uint32_t index);
bool editorControlsIsCurrentlyDisplayed_PartButNotKeyboard(SynthEditor* editor, std::uint32_t index);
bool editorControlsIsCurrentlyDisplayed_PartNotKeyboardNotAudioIn(SynthEditor* editor, std::uint32_t index);
bool editorControlsIsCurrentlyDisplayed_PartNotKeyboardNotStretchSliceAudioIn(SynthEditor* editor,
                                                                              std::uint32_t index);
bool editorControlsIsCurrentlyDisplayed_PartAudioIn(SynthEditor* editor, std::uint32_t index);

bool editorControlsValueToStr_0_127(SynthEditor* editor, int value, char* text);
bool editorControlsValueToStr_63_63(SynthEditor* editor, int value, char* text);
bool editorControlsValueToStr_Pan(SynthEditor* editor, int value, char* text);
bool editorControlsValueToStr_Swing(SynthEditor* editor, int value, char* text);
bool editorControlsValueToStr_FxPitch(SynthEditor* editor, int value, char* text);
bool editorControlsValueToStr_FxTime(SynthEditor* editor, int value, char* text);
bool editorControlsValueToStr_ModSpeedBpmSync(SynthEditor* editor, int value, char* text);
bool editorControlsValueToStr_ModSpeed(SynthEditor* editor, int value, char* text,
                                       e_EditorParameterID bpmSync);
bool editorControlsValueToStr_ModSpeed_Part(SynthEditor* editor, int value, char* text);
bool editorControlsValueToStr_ModSpeed_Keyboard(SynthEditor* editor, int value, char* text);
bool editorControlsValueToStr_FxEdit1(SynthEditor* editor, int value, char* text, e_EditorParameterID fxType);
bool editorControlsValueToStr_FxEdit2(SynthEditor* editor, int value, char* text, e_EditorParameterID fxType);
bool editorControlsValueToStr_Fx1Edit1(SynthEditor* editor, int value, char* text);
bool editorControlsValueToStr_Fx2Edit1(SynthEditor* editor, int value, char* text);
bool editorControlsValueToStr_Fx3Edit1(SynthEditor* editor, int value, char* text);
bool editorControlsValueToStr_Fx1Edit2(SynthEditor* editor, int value, char* text);
bool editorControlsValueToStr_Fx2Edit2(SynthEditor* editor, int value, char* text);
bool editorControlsValueToStr_Fx3Edit2(SynthEditor* editor, int value, char* text);
void editorControlsNumEditDisplay_Sample(int value, char* text);
void editorControlsNumEditDisplay_Slice(int value, char* text);

t_MenuItem editorControlsMenuItemCbk_MidiOutDevices(SynthEditor* editor, std::uint32_t index, bool select,
                                                    bool apply);
t_MenuItem editorControlsMenuItemCbk_MidiInDevices(SynthEditor* editor, std::uint32_t index, bool select,
                                                   bool apply);
t_MenuItem editorControlsMenuItemCbk_LibraryFiles(SynthEditor* editor, std::uint32_t index, bool select,
                                                  bool apply);
t_MenuItem editorControlsMenuItemCbk_SelectProgram(SynthEditor* editor, std::uint32_t index, bool select,
                                                   bool apply);
