#include "ArtScreens.h"

#include "gui/GuiTypes.h"

#include <algorithm>
#include <cstring>

namespace art
{
namespace
{
// --- Sample state: varied, so that every state of every picture is seen somewhere ----------------

int rowIndex(const t_EditorControl& row)
{
    return int(&row - c_EditorControls);
}

int knobFrame(const t_EditorControl& row)
{
    return (rowIndex(row) * 37 + 11) % 100;
}

double sliderValue(const t_EditorControl& row)
{
    return ((rowIndex(row) * 29) % 100) / 99.0;
}

bool pressed(const t_EditorControl& row)
{
    return row.id == EPARAM_PART_PASTE || row.id == EPARAM_DUMP_REQUEST_CURRENT ||
           row.id == EPARAM_MIDI_TEST_RETRY || row.id == EPARAM_MIDI_TEST_SEND_REPORT;
}

std::string valueEntry(e_EditorParameterID id, int index, bool selectable)
{
    const t_EditorParameter* p = editorParameter(id);
    std::vector<std::string> entries;
    for (const t_ValueListEntry* v = p ? p->values : nullptr; v && v->label; ++v)
        if (!selectable || v->label[0] != '-')
            entries.push_back(v->label);
    return entries.empty() ? "" : entries[std::size_t(index) % entries.size()];
}

std::string menuText(const t_EditorControl& row)
{
    switch (row.id)
    {
    case EPARAM_MIDI_OUT_DEVICE:
        return "esx-sim:midi_in";
    case EPARAM_MIDI_IN_DEVICE:
        return "(none)";
    case EPARAM_SELECT_PROGRAM:
        return "A.01";
    default:
        return valueEntry(row.id, rowIndex(row), true);
    }
}

std::string numberText(const t_EditorControl& row)
{
    const auto& edit = *static_cast<const t_NumEdit_TypeStruct*>(row.parameters);
    const int value = (rowIndex(row) * 13) % (edit.maximum + 1);
    char text[32] = {};
    if (edit.display)
        edit.display(value, text);
    return text[0] ? text : std::to_string(value + edit.displayShift);
}

std::string resourceSample(const t_EditorResource& r)
{
    switch (r.id)
    {
    case RES_INFO_LINE:
        return "Drum1 Cutoff: 64";
    case RES_QUESTION_TEXT:
        return "Sync now ?";
    case RES_DEVICE_STATUS:
        return "ESX v1.3 detected";
    case RES_MIDI_TEST_TITLE:
        return "MIDI interface test";
    case RES_MIDI_TEST_LINE1:
        return "SysEx: the device answered the identity request";
    case RES_MIDI_TEST_LINE2:
        return "NRPN: 16 of 16 messages came back unchanged";
    case RES_MIDI_TEST_LINE3:
        return "Your interface passes SysEx and NRPN";
    default:
        return "";
    }
}

// --- Drawing -----------------------------------------------------------------------------------

void blit(cairo_t* cr, cairo_surface_t* surface, const Box& box, int frame)
{
    if (!surface)
        return;
    cairo_save(cr);
    cairo_rectangle(cr, box.x, box.y, box.w, box.h);
    cairo_clip(cr);
    cairo_set_source_surface(cr, surface, box.x, box.y - frame * box.h);
    cairo_paint(cr);
    cairo_restore(cr);
}

int pictureOf(e_EditorResourceID id)
{
    const t_EditorResource* r = editorTables_FindResource(c_EditorResources, id);
    return r ? r->picture : 0;
}

void lcdText(cairo_t* cr, const PictureSet& pictures, const std::string& text, int x, int y)
{
    cairo_surface_t* font = pictures.get(pictureOf(RES_LCD_FONT));
    for (char c : text)
    {
        const char* found = std::strchr(LCD_FONT_CHARS, c);
        if (!found || !c)
            continue;
        const int index = int(found - LCD_FONT_CHARS);
        blit(cr, font, {x, y, LCD_FONT_CHARS_WIDTH[index], kLcdGlyphHeight}, index);
        x += LCD_FONT_CHARS_WIDTH[index] + 2;
    }
}

e_EditorResourceID controlPicture(const t_EditorControl& row, const ControlPart& part)
{
    switch (row.kind)
    {
    case CTRL_KNOB:
        return static_cast<const t_Knob_TypeStruct*>(row.parameters)->picture;
    case CTRL_LED_GROUP:
        return part.kind == ControlPart::Picture
                   ? static_cast<const t_LedGroup_TypeStruct*>(row.parameters)->valuePicture
                   : RES_LED;
    case CTRL_STEP_BUTTON:
    case CTRL_TOGGLE_BUTTON:
    case CTRL_SELECTOR_BUTTON:
    case CTRL_COMMAND_BUTTON:
        return static_cast<const t_Button_TypeStruct*>(row.parameters)->picture;
    case CTRL_FX_CHAIN:
        return static_cast<const t_FxChain_TypeStruct*>(row.parameters)->entries[part.index].picture;
    default:
        return RES_END;
    }
}

int partFrame(const t_EditorControl& row, const ControlPart& part, const Screen& screen)
{
    const int i = rowIndex(row);
    switch (row.kind)
    {
    case CTRL_KNOB:
        return knobFrame(row);
    case CTRL_LED_GROUP:
        return part.kind == ControlPart::Picture ? part.index : part.index == i % 3;
    case CTRL_TOGGLE_BUTTON:
        return i % 2;
    case CTRL_SELECTOR_BUTTON:
        return std::count(screen.lit.begin(), screen.lit.end(), row.id) ? 1 : 0;
    case CTRL_FX_CHAIN:
        return part.index == i % 4;
    default:
        return pressed(row) ? 1 : 0;
    }
}

void drawSlider(cairo_t* cr, const PictureSet& pictures, const t_EditorControl& row, const Box& track)
{
    const bool vertical = row.kind == CTRL_VERTICAL_SLIDER;
    const e_EditorResourceID trackId = vertical
                                           ? static_cast<const t_VSlider_TypeStruct*>(row.parameters)->track
                                           : static_cast<const t_HSlider_TypeStruct*>(row.parameters)->track;
    const e_EditorResourceID handleId =
        vertical ? static_cast<const t_VSlider_TypeStruct*>(row.parameters)->handle
                 : static_cast<const t_HSlider_TypeStruct*>(row.parameters)->handle;
    blit(cr, pictures.get(pictureOf(trackId)), track, 0);
    const Box handle = frameOf(handleId);
    const double v = sliderValue(row);
    if (vertical)
    {
        const int lowest = track.y + track.h + 1 - handle.h;
        const int top = int(lowest - v * (lowest - (track.y + 4)));
        blit(cr, pictures.get(pictureOf(handleId)), {track.x, top, handle.w, handle.h}, 0);
    }
    else
    {
        const int left = int(track.x + 1 + v * (track.w - handle.w - 1));
        blit(cr, pictures.get(pictureOf(handleId)), {left, track.y, handle.w, handle.h}, 0);
    }
}

void drawControl(cairo_t* cr, const PictureSet& pictures, const t_EditorControl& row, const Screen& screen)
{
    for (const ControlPart& part : controlParts(row))
    {
        if (part.kind == ControlPart::Label)
            continue;
        if (part.kind == ControlPart::Stepper)
        {
            const bool dark = row.kind != CTRL_NUMBER_EDIT &&
                              *static_cast<const t_Menu_TypeStruct*>(row.parameters)->colour == kBlackCColor;
            const e_EditorResourceID minus = dark ? RES_STEPPER_MINUS_DARK : RES_STEPPER_MINUS;
            const e_EditorResourceID plus = dark ? RES_STEPPER_PLUS_DARK : RES_STEPPER_PLUS;
            blit(cr, pictures.get(pictureOf(part.index == 0 ? minus : plus)), part.box, 0);
            continue;
        }
        if (row.kind == CTRL_VERTICAL_SLIDER || row.kind == CTRL_HORIZONTAL_SLIDER)
            drawSlider(cr, pictures, row, part.box);
        else if (row.kind == CTRL_NAME_EDIT)
            lcdText(cr, pictures, "BoomBap1", part.box.x, part.box.y);
        else if (const int picture = pictureOf(controlPicture(row, part)))
            blit(cr, pictures.get(picture), part.box, partFrame(row, part, screen));
    }
}

std::vector<TextSpot> textsOf(const t_EditorControl& row)
{
    std::vector<TextSpot> texts = controlTexts(row);
    for (TextSpot& t : texts)
        if (row.kind == CTRL_NUMBER_EDIT)
            t.text = numberText(row);
        else if (row.kind == CTRL_MENU || row.kind == CTRL_FX_TYPE_MENU)
            t.text = menuText(row);
    return texts;
}

void drawResource(cairo_t* cr, const PictureSet& pictures, const t_EditorResource& r,
                  std::vector<TextSpot>& texts)
{
    const Box box = resourceBox(r);
    switch (r.kind)
    {
    case RESKIND_PICTURE:
        blit(cr, pictures.get(r.picture), box, 0);
        break;
    case RESKIND_ON_OFF:
        blit(cr, pictures.get(pictureOf(static_cast<const t_ResourceOnOff*>(r.parameters)->picture)), box,
             r.id == RES_LAMP_OUT ? 1 : 0);
        break;
    case RESKIND_BITMAP_TEXT:
        lcdText(cr, pictures, "A.01", box.x, box.y);
        break;
    case RESKIND_LABEL:
    {
        TextSpot text = resourceText(r);
        if (text.text.empty())
            text.text = resourceSample(r);
        texts.push_back(text);
        break;
    }
    default:
        break;
    }
}

// The resources and then the controls of one container (or of the frame).
void drawContents(cairo_t* cr, const PictureSet& pictures, e_EditorContainer container, const Screen& screen,
                  std::vector<TextSpot>& texts)
{
    for (const t_EditorResource* r = c_EditorResources; r->id != RES_END; ++r)
        if (r->container == container)
            drawResource(cr, pictures, *r, texts);
    for (const t_EditorControl* row = c_EditorControls; row->id != EPARAM_END; ++row)
        if (row->container == container)
        {
            drawControl(cr, pictures, *row, screen);
            for (const TextSpot& t : textsOf(*row))
                texts.push_back(t);
        }
}

bool holds(const Screen& screen, t_VisibleContainersCbk predicate)
{
    return std::find(screen.holding.begin(), screen.holding.end(), predicate) != screen.holding.end();
}
} // namespace

PictureSet::PictureSet(const std::string& directory)
{
    for (const t_EditorPicture* p = c_EditorPictures; p->number != 0; ++p)
    {
        const std::string path = directory + "/" + std::to_string(p->number) + ".png";
        cairo_surface_t* s = cairo_image_surface_create_from_png(path.c_str());
        if (cairo_surface_status(s) == CAIRO_STATUS_SUCCESS)
            surfaces[p->number] = s;
        else
            cairo_surface_destroy(s);
    }
}

PictureSet::~PictureSet()
{
    for (auto& entry : surfaces)
        cairo_surface_destroy(entry.second);
}

cairo_surface_t* PictureSet::get(int number) const
{
    const auto found = surfaces.find(number);
    return found == surfaces.end() ? nullptr : found->second;
}

const std::vector<Screen>& panelScreens()
{
    using namespace std;
    static const t_VisibleContainersCbk always = editorControlsLib_VisibleContainersCbk_Always;
    static const t_VisibleContainersCbk part = editorControlsLib_VisibleContainersCbk_IsPartMode;
    static const t_VisibleContainersCbk notKeyboard =
        editorControlsLib_VisibleContainersCbk_PartButNotKeyboard;
    static const vector<Screen> screens = {
        {"part-drum",
         {always, part, notKeyboard, editorControlsLib_VisibleContainersCbk_DrumPart},
         {EPARAM_MODE_PARTS, EPARAM_PART_DRUM1},
         false},
        {"part-stretch",
         {always, part, notKeyboard, editorControlsLib_VisibleContainersCbk_StretchSlicePart},
         {EPARAM_MODE_PARTS, EPARAM_PART_STRETCH1},
         false},
        {"part-audioin",
         {always, part, notKeyboard, editorControlsLib_VisibleContainersCbk_AudioInPart},
         {EPARAM_MODE_PARTS, EPARAM_PART_AUDIOIN},
         false},
        {"part-keyboard",
         {always, part, editorControlsLib_VisibleContainersCbk_KeyboardPart},
         {EPARAM_MODE_PARTS, EPARAM_PART_KEYBOARD1},
         false},
        {"mix", {always, editorControlsLib_VisibleContainersCbk_IsMixMode}, {EPARAM_MODE_MIX}, false},
        {"global",
         {always, editorControlsLib_VisibleContainersCbk_IsCommonEffectsMode},
         {EPARAM_MODE_GLOBAL},
         false},
        {"setup-host",
         {always, editorControlsLib_VisibleContainersCbk_IsSetupMode},
         {EPARAM_MODE_SETUP},
         false},
        {"setup-tether",
         {always, editorControlsLib_VisibleContainersCbk_IsSetupMode,
          editorControlsLib_VisibleContainersCbk_IsTetherMidi},
         {EPARAM_MODE_SETUP},
         false},
        {"miditest-retry",
         {always, editorControlsLib_VisibleContainersCbk_IsMidiTestResultMode,
          editorControlsLib_VisibleContainersCbk_IsMidiTestResultMode1},
         {},
         false},
        {"miditest-report",
         {always, editorControlsLib_VisibleContainersCbk_IsMidiTestResultMode,
          editorControlsLib_VisibleContainersCbk_IsMidiTestResultMode2},
         {},
         false},
        {"question",
         {always, part, notKeyboard, editorControlsLib_VisibleContainersCbk_DrumPart,
          editorControlsLib_VisibleContainersCbk_IsAQuestion},
         {EPARAM_MODE_PARTS, EPARAM_PART_DRUM1},
         false},
        {"program-menu",
         {always, editorControlsLib_VisibleContainersCbk_IsMixMode,
          editorControlsLib_VisibleContainersCbk_ShowSelectProgram},
         {EPARAM_MODE_MIX},
         false},
        {"syncing",
         {always, part, notKeyboard, editorControlsLib_VisibleContainersCbk_DrumPart},
         {EPARAM_MODE_PARTS, EPARAM_PART_DRUM1},
         true},
    };
    return screens;
}

std::vector<e_EditorContainer> visibleContainers(const Screen& screen)
{
    std::uint32_t words[2] = {0, 0};
    for (const t_VisibleEditorContainers* rule = pVisibleEditorContainers; rule->predicate; ++rule)
        if (holds(screen, rule->predicate) == rule->expected)
        {
            words[0] |= rule->word0 & 0x7FFFFFFF;
            words[1] |= rule->word1 & 0x7FFFFFFF;
        }
    std::vector<e_EditorContainer> shown;
    for (int word = 0; word < 2; ++word)
        for (int bit = 0; bit < 31; ++bit)
            if (words[word] & (1u << bit))
                shown.push_back(static_cast<e_EditorContainer>((word ? 0x80000000u : 0u) | (1u << bit)));
    if (screen.overlay)
        shown.push_back(CONT_OVERLAY);
    return shown;
}

void composeScreen(cairo_t* cr, const PictureSet& pictures, const Screen& screen, bool drawTexts,
                   std::vector<TextSpot>* texts)
{
    std::vector<TextSpot> written;
    blit(cr, pictures.get(pictureOf(RES_MAIN_BACKGROUND)), {0, 0, kFrameWidth, kFrameHeight}, 0);
    drawContents(cr, pictures, CONT_FRAME, screen, written);
    for (e_EditorContainer id : visibleContainers(screen))
    {
        const t_EditorContainer* c = editorTables_FindContainer(c_EditorContainers, id);
        if (!c)
            continue;
        // Texts lie above the pictures of their own container, below later containers.
        if (drawTexts)
            for (const TextSpot& t : written)
                drawTextSpot(cairo_get_target(cr), t);
        if (texts)
            texts->insert(texts->end(), written.begin(), written.end());
        written.clear();
        if (c->background != RES_END)
            blit(cr, pictures.get(pictureOf(c->background)), {c->x, c->y, c->width, c->height}, 0);
        drawContents(cr, pictures, id, screen, written);
    }
    if (drawTexts)
        for (const TextSpot& t : written)
            drawTextSpot(cairo_get_target(cr), t);
    if (texts)
        texts->insert(texts->end(), written.begin(), written.end());
}

} // namespace art
