// What each kind of control row does: building its views from the row's record, placing them,
// pushing a parameter value into them, tagging, finding them and letting them go. One table
// of free functions per kind (c_EditorControlKinds), looked up by the row's kind.
#include "EditorControlKinds.h"

#include "../core/SynthCommons.h"
#include "../gui/GuiToolkit.h"
#include "../params/ParameterValues.h"
#include "SynthEditor.h"

#include <algorithm>
#include <cstring>

namespace
{
constexpr int kKnobFrames = 100;
constexpr CCoord kMenuHeight = 18;
constexpr long kMenuItemsPerColumn = 28;
constexpr int kNameEditLimit = 9;
constexpr int kGlyphSpacing = 2;
// Wide enough for "Tether MIDI" in the panel's smallest font.
constexpr int kLedLabelWidth = 62;

template <typename T> T* recordOf(const t_EditorControl* row)
{
    return static_cast<T*>(const_cast<void*>(row->parameters));
}

template <typename T> void copyRecord(t_EditorControl* row)
{
    row->parameters = new T(*static_cast<const T*>(row->parameters));
}

void forgetView(CView* view)
{
    if (view)
        view->forget();
}

CColor colourOf(std::uint32_t argb)
{
    const auto alpha = static_cast<unsigned char>(argb >> 24);
    return CColor{static_cast<unsigned char>(argb >> 16), static_cast<unsigned char>(argb >> 8),
                  static_cast<unsigned char>(argb), alpha ? alpha : static_cast<unsigned char>(255)};
}

CTextLabel* makeLabel(const CRect& size, const char* text, long font, const CColor& colour, long face,
                      long align)
{
    auto* label = new CTextLabel(size, text, nullptr, kNoFrame);
    label->setTransparency(true);
    label->setFont(font);
    label->setFontColor(colour);
    label->setTxtFace(face);
    label->setHoriAlign(align);
    label->setMouseEnabled(false);
    return label;
}

void tagControl(CControl* control, long tag, long extraTag)
{
    if (!control)
        return;
    control->setTag(tag);
    control->setExtraTag(extraTag);
}

// The minus stepper left of a control of the given width and the plus stepper right of it.
template <typename Stepper, typename Target>
void makeSteppers(SynthEditor* editor, const t_EditorControl* row, int width, e_EditorResourceID minusPicture,
                  e_EditorResourceID plusPicture, Target* target, Stepper** minus, Stepper** plus)
{
    CBitmap* pictures[2] = {editor->editorControlsLib_GetBitmapResourceObj(minusPicture),
                            editor->editorControlsLib_GetBitmapResourceObj(plusPicture)};
    const CCoord widths[2] = {pictures[0] ? pictures[0]->getWidth() : 0,
                              pictures[1] ? pictures[1]->getWidth() : 0};
    const CRect places[2] = {CRect(row->x - widths[0], row->y, row->x, row->y + kMenuHeight),
                             CRect(row->x + width, row->y, row->x + width + widths[1], row->y + kMenuHeight)};
    Stepper** made[2] = {minus, plus};
    for (int i = 0; i < 2; ++i)
        *made[i] = new Stepper(places[i], editor, -1, pictures[i] ? pictures[i]->getHeight() / 2 : 0,
                               pictures[i], CPoint(), target, i == 0 ? -1 : +1);
}

// --- Rows of one control: with a name label (knobs, buttons) or alone (horizontal slider, name
// editor) ------------------------------------------------------------------------------------------

template <typename Record, auto Control> CControl* mainOf(const t_EditorControl* row)
{
    return recordOf<Record>(row)->*Control;
}

template <typename Record, auto Control>
void placeLabelled(const t_EditorControl* row, CViewContainer* target)
{
    auto* r = recordOf<Record>(row);
    target->addView(r->*Control);
    target->addView(r->label);
}

template <typename Record, auto Control> void releaseLabelled(t_EditorControl* row)
{
    auto* r = recordOf<Record>(row);
    forgetView(r->*Control);
    forgetView(r->label);
    delete r;
}

template <typename Record, auto Control> void placeSingle(const t_EditorControl* row, CViewContainer* target)
{
    target->addView(recordOf<Record>(row)->*Control);
}

template <typename Record, auto Control> void releaseSingle(t_EditorControl* row)
{
    auto* r = recordOf<Record>(row);
    forgetView(r->*Control);
    delete r;
}

constexpr auto mainKnob = mainOf<t_Knob_TypeStruct, &t_Knob_TypeStruct::knob>;
constexpr auto placeKnob = placeLabelled<t_Knob_TypeStruct, &t_Knob_TypeStruct::knob>;
constexpr auto releaseKnob = releaseLabelled<t_Knob_TypeStruct, &t_Knob_TypeStruct::knob>;
constexpr auto mainButton = mainOf<t_Button_TypeStruct, &t_Button_TypeStruct::control>;
constexpr auto placeButton = placeLabelled<t_Button_TypeStruct, &t_Button_TypeStruct::control>;
constexpr auto releaseButton = releaseLabelled<t_Button_TypeStruct, &t_Button_TypeStruct::control>;
constexpr auto mainHorizontalSlider = mainOf<t_HSlider_TypeStruct, &t_HSlider_TypeStruct::slider>;
constexpr auto placeHorizontalSlider = placeSingle<t_HSlider_TypeStruct, &t_HSlider_TypeStruct::slider>;
constexpr auto releaseHorizontalSlider = releaseSingle<t_HSlider_TypeStruct, &t_HSlider_TypeStruct::slider>;
constexpr auto mainNameEdit = mainOf<t_NameEdit_TypeStruct, &t_NameEdit_TypeStruct::edit>;
constexpr auto placeNameEdit = placeSingle<t_NameEdit_TypeStruct, &t_NameEdit_TypeStruct::edit>;
constexpr auto releaseNameEdit = releaseSingle<t_NameEdit_TypeStruct, &t_NameEdit_TypeStruct::edit>;

// --- Knob ------------------------------------------------------------------------------------

void buildKnob(SynthEditor* editor, t_EditorControl* row, const t_EditorParameter* e)
{
    copyRecord<t_Knob_TypeStruct>(row);
    auto* k = recordOf<t_Knob_TypeStruct>(row);
    CBitmap* strip = editor->editorControlsLib_GetBitmapResourceObj(k->picture);
    const CCoord width = strip ? strip->getWidth() : 0;
    const CCoord frameHeight = strip ? strip->getHeight() / kKnobFrames : 0;
    k->knob = new CAnimKnob(CRect(row->x, row->y, row->x + width, row->y + frameHeight), editor, -1,
                            kKnobFrames, frameHeight, strip, CPoint(10, 10));
    k->knob->setRangeAngle(kKnobRangeAngle);
    k->knob->setStartAngle(kKnobStartAngle);
    k->knob->setValue(editor->getSynth()->parameterLib_GetParameterValueFromEditor(e->id));
    k->label = makeLabel(CRect(row->x - 10, row->y - 10, row->x + 61, row->y), e->name, kNormalFontVerySmall,
                         kWhiteCColor, kNormalFace, kCenterText);
}

// --- LED group ------------------------------------------------------------------------------------

int ledCount(const t_LedData* table)
{
    int count = 0;
    while (table[count].x != 0 && table[count].y != 0)
        ++count;
    return count;
}

void buildLedGroup(SynthEditor* editor, t_EditorControl* row, const t_EditorParameter* e)
{
    copyRecord<t_LedGroup_TypeStruct>(row);
    auto* g = recordOf<t_LedGroup_TypeStruct>(row);
    const int count = ledCount(g->table);
    CBitmap* led = editor->editorControlsLib_GetBitmapResourceObj(RES_LED);
    const CCoord ledWidth = led ? led->getWidth() : 0;
    const CCoord ledHeight = led ? led->getHeight() / 2 : 0;
    g->leds = new COnOffButton*[count + 1]();
    if (g->valuePicture == RES_END)
        g->labels = new CTextLabel*[count + 1]();
    CPoint points[CMultiBitmap::kMaxImages];
    CRect span(1 << 20, 1 << 20, -(1 << 20), -(1 << 20));
    for (int i = 0; i < count; ++i)
    {
        const t_LedData& d = g->table[i];
        g->leds[i] = new COnOffButton(CRect(d.x, d.y, d.x + ledWidth, d.y + ledHeight), editor, -1, led, 0);
        g->leds[i]->setLatch(true);
        if (g->labels)
        {
            const t_ValueListEntry* entry = e->values ? &e->values[d.valueIndex] : nullptr;
            g->labels[i] = makeLabel(
                CRect(d.x + ledWidth + 1, d.y + 1, d.x + ledWidth + kLedLabelWidth, d.y + ledHeight),
                entry ? entry->label : "", kNormalFontVerySmall, kWhiteCColor, kNormalFace, kLeftText);
        }
        if (i < CMultiBitmap::kMaxImages)
            points[i] = CPoint(d.x + ledWidth + 3, d.y + 3);
        span = CRect(std::min(span.left, CCoord(d.x)), std::min(span.top, CCoord(d.y)),
                     std::max(span.right, CCoord(d.x)), std::max(span.bottom, CCoord(d.y)));
    }
    CBitmap* values = g->valuePicture == RES_END
                          ? nullptr
                          : editor->editorControlsLib_GetBitmapResourceObj(g->valuePicture);
    if (values && count > 0)
    {
        const CCoord w = values->getWidth();
        const CCoord h = values->getHeight() / count;
        g->valuePictures =
            new CMultiBitmap(CRect(span.left + ledWidth + 3, span.top + 2, span.right + ledWidth + w + 4,
                                   span.bottom + ledHeight + 2),
                             values, w, h, points, std::min(count, int(CMultiBitmap::kMaxImages)));
        g->valuePictures->setTransparency(true);
        g->valuePictures->setMouseEnabled(false);
    }
}

void placeLedGroup(const t_EditorControl* row, CViewContainer* target)
{
    auto* g = recordOf<t_LedGroup_TypeStruct>(row);
    for (int i = 0; g->leds[i]; ++i)
    {
        target->addView(g->leds[i]);
        if (g->labels)
            target->addView(g->labels[i]);
    }
    if (g->valuePictures)
        target->addView(g->valuePictures);
}

void releaseLedGroup(t_EditorControl* row)
{
    auto* g = recordOf<t_LedGroup_TypeStruct>(row);
    for (int i = 0; g->leds && g->leds[i]; ++i)
    {
        forgetView(g->leds[i]);
        if (g->labels)
            forgetView(g->labels[i]);
    }
    forgetView(g->valuePictures);
    delete[] g->leds;
    delete[] g->labels;
    delete g;
}

void pushLedGroup(SynthEditor* editor, t_EditorControl* row, const t_EditorParameter* e, float value,
                  CControl* leaveAlone)
{
    auto* g = recordOf<t_LedGroup_TypeStruct>(row);
    const int index = editor->getSynth()->parameterLib_GetParameterMatchingValueListIndex(e, value);
    for (int i = 0; g->leds[i]; ++i)
        if (g->leds[i] != leaveAlone)
            g->leds[i]->setValue(g->table[i].valueIndex == index ? 1.0f : 0.0f);
}

void tagLedGroup(t_EditorControl* row, long tag, long extraTag)
{
    auto* g = recordOf<t_LedGroup_TypeStruct>(row);
    for (int i = 0; g->leds[i]; ++i)
        tagControl(g->leds[i], tag, extraTag);
}

bool ledGroupOwns(const t_EditorControl* row, const CControl* control)
{
    auto* g = recordOf<t_LedGroup_TypeStruct>(row);
    for (int i = 0; g->leds[i]; ++i)
        if (g->leds[i] == control)
            return true;
    return false;
}

// --- Buttons (step, toggle, selector, command) ----------------------------------------------------

void buildButton(SynthEditor* editor, t_EditorControl* row, const t_EditorParameter* e)
{
    copyRecord<t_Button_TypeStruct>(row);
    auto* b = recordOf<t_Button_TypeStruct>(row);
    CBitmap* picture = editor->editorControlsLib_GetBitmapResourceObj(b->picture);
    const CCoord width = picture ? picture->getWidth() : 0;
    const CCoord frameHeight = picture ? picture->getHeight() / 2 : 0;
    const CRect size(row->x, row->y, row->x + width, row->y + frameHeight);
    const float value = editor->getSynth()->parameterLib_GetParameterValueFromEditor(e->id);
    switch (row->kind)
    {
    case CTRL_TOGGLE_BUTTON:
        b->control = new COnOffButton(size, editor, -1, picture, 0);
        break;
    case CTRL_SELECTOR_BUTTON:
    {
        auto* selector = new COnOffButton(size, editor, -1, picture, 0);
        selector->setLatch(true);
        selector->setValue(value);
        b->control = selector;
        break;
    }
    default:
        b->control = new CKickButton(size, editor, -1, frameHeight, picture, CPoint(0, 0));
        break;
    }
    if (row->kind == CTRL_SELECTOR_BUTTON)
        b->label = makeLabel(size, e->name, b->font, kBlackCColor, kNormalFace, kCenterText);
    else if (b->picture == RES_LARGE_BUTTON)
        b->label = makeLabel(size, e->name, kNormalFontBig, kWhiteCColor, kBoldFace, kCenterText);
    else
        b->label = makeLabel(size, e->name, kNormalFontVerySmall, kBlackCColor, kBoldFace, kCenterText);
}

void pushToggle(SynthEditor* editor, t_EditorControl* row, const t_EditorParameter* e, float value,
                CControl* leaveAlone)
{
    CControl* control = mainButton(row);
    if (control != leaveAlone)
        control->setValue(
            editor->getSynth()->parameterLib_GetParameterMatchingValueListIndex(e, value) != 0 ? 1.0f : 0.0f);
}

// --- Menus ---------------------------------------------------------------------------------------

void buildMenu(SynthEditor* editor, t_EditorControl* row, const t_EditorParameter* e)
{
    copyRecord<t_Menu_TypeStruct>(row);
    auto* m = recordOf<t_Menu_TypeStruct>(row);
    const CRect size(row->x, row->y, row->x + m->width, row->y + kMenuHeight);
    m->menu = new COptionMenu(size, editor, -1, nullptr, nullptr, kCheckStyle);
    m->menu->setFont(kNormalFontVerySmall);
    m->menu->setTxtFace(kBoldFace);
    m->menu->setTransparency(true);
    m->menu->setFontColor(*m->colour);
    m->menu->setNbItemsPerColumn(kMenuItemsPerColumn);
    m->menu->setHoriAlign(m->align);
    auto* parameter = const_cast<t_EditorParameter*>(e);
    editor->editorControlsLib_AllocateSubMenuObjs(parameter, m, size, -1);
    editor->editorControlsLib_SubMenusAddEntries(parameter, m);
    if (!m->steppers)
        return;
    const bool dark = *m->colour == kBlackCColor;
    makeSteppers(editor, row, m->width, dark ? RES_STEPPER_MINUS_DARK : RES_STEPPER_MINUS,
                 dark ? RES_STEPPER_PLUS_DARK : RES_STEPPER_PLUS, m->menu, &m->minus, &m->plus);
}

void placeMenu(const t_EditorControl* row, CViewContainer* target)
{
    auto* m = recordOf<t_Menu_TypeStruct>(row);
    target->addView(m->menu);
    if (m->minus)
        target->addView(m->minus);
    if (m->plus)
        target->addView(m->plus);
}

void releaseMenu(t_EditorControl* row)
{
    auto* m = recordOf<t_Menu_TypeStruct>(row);
    forgetView(m->menu);
    for (int i = 0; m->subMenus && m->subMenus[i]; ++i)
        forgetView(m->subMenus[i]);
    delete[] m->subMenus;
    forgetView(m->minus);
    forgetView(m->plus);
    delete m;
}

CControl* mainMenu(const t_EditorControl* row)
{
    return recordOf<t_Menu_TypeStruct>(row)->menu;
}

void tagMenu(t_EditorControl* row, long tag, long extraTag)
{
    auto* m = recordOf<t_Menu_TypeStruct>(row);
    tagControl(m->menu, tag, extraTag);
    tagControl(m->minus, tag, extraTag);
    tagControl(m->plus, tag, extraTag);
}

// The entry with the largest value not above the parameter's, the later one on a tie;
// separators, titles and submenu headers are never chosen.
int bestMenuEntry(SynthEditor* editor, t_EditorParameter* e, const t_Menu_TypeStruct* m, int value)
{
    int best = -1;
    std::int32_t bestValue = 0;
    for (std::uint32_t i = 0;; ++i)
    {
        const t_MenuItem item = editor->editorControlsLib_GetMenuItemDisplayStr(e, m, i);
        if (!item.text)
            break;
        if (item.text[0] == '-' || item.value > value || (best >= 0 && item.value < bestValue))
            continue;
        best = static_cast<int>(i);
        bestValue = item.value;
    }
    return best;
}

void renameFxKnobs(SynthEditor* editor, const t_EditorControl* row, const t_FxMenuExtra* fx, int index)
{
    if (!fx || index < 0 || index >= kFxTypes)
        return;
    SynthCommons* synth = editor->getSynth();
    const e_EditorParameterID knobs[2] = {fx->knob1, fx->knob2};
    const char* names[2] = {fx->knob1Names[index], fx->knob2Names[index]};
    for (int k = 0; k < 2; ++k)
    {
        if (t_EditorParameter* knob = synth->parameterLib_GetEditorParameter(knobs[k]))
            knob->name = names[k];
        if (t_EditorControl* knobRow = editor->firstControlRow(knobs[k]);
            knobRow && knobRow->kind == CTRL_KNOB)
            recordOf<t_Knob_TypeStruct>(knobRow)->label->setText(names[k]);
    }
    if (CViewContainer* container = editor->editorControlsLib_GetContainerObj(row->container))
    {
        container->setMode(kNormalUpdate);
        container->setDirty();
    }
}

void pushMenu(SynthEditor* editor, t_EditorControl* row, const t_EditorParameter* e, float value,
              CControl* leaveAlone)
{
    auto* m = recordOf<t_Menu_TypeStruct>(row);
    auto* parameter = const_cast<t_EditorParameter*>(e);
    const int best = bestMenuEntry(editor, parameter, m, static_cast<int>(floatToInt(value)));
    const std::uint32_t chosen = best >= 0 ? static_cast<std::uint32_t>(best) : 0;
    if (m->menu != leaveAlone)
    {
        if (m->items)
            m->items(editor, chosen, true, false);
        editor->selectMenuListEntry(parameter, m, chosen);
        m->menu->setDirty();
    }
    if (row->kind == CTRL_FX_TYPE_MENU)
        renameFxKnobs(editor, row, m->fx,
                      editor->getSynth()->parameterLib_GetParameterMatchingValueListIndex(e, value));
}

// --- Sliders -------------------------------------------------------------------------------------

void buildVerticalSlider(SynthEditor* editor, t_EditorControl* row, const t_EditorParameter* e)
{
    copyRecord<t_VSlider_TypeStruct>(row);
    auto* s = recordOf<t_VSlider_TypeStruct>(row);
    CBitmap* track = editor->editorControlsLib_GetBitmapResourceObj(s->track);
    CBitmap* handle = editor->editorControlsLib_GetBitmapResourceObj(s->handle);
    const CCoord w = track ? track->getWidth() : 0;
    const CCoord h = track ? track->getHeight() : 0;
    const CCoord handleHeight = handle ? handle->getHeight() : 0;
    s->slider = new CVerticalSlider(CRect(row->x, row->y, row->x + w, row->y + h), editor, -1, row->y + 4,
                                    row->y + h + 1 - handleHeight, handle, track, CPoint(0, 0), kBottom);
    s->slider->setValue(editor->getSynth()->parameterLib_GetParameterValueFromEditor(e->id));
    s->slider->setTransparency(true);
    if (e->name && e->name[0])
        s->label = makeLabel(CRect(row->x + s->labelX, row->y + s->labelY, row->x + s->labelX + s->labelWidth,
                                   row->y + s->labelY + s->labelHeight),
                             e->name, kNormalFontVerySmall, kWhiteCColor, kNormalFace, kCenterText);
}

void placeVerticalSlider(const t_EditorControl* row, CViewContainer* target)
{
    auto* s = recordOf<t_VSlider_TypeStruct>(row);
    target->addView(s->slider);
    if (s->label)
        target->addView(s->label);
}

void releaseVerticalSlider(t_EditorControl* row)
{
    auto* s = recordOf<t_VSlider_TypeStruct>(row);
    forgetView(s->slider);
    forgetView(s->label);
    delete s;
}

CControl* mainVerticalSlider(const t_EditorControl* row)
{
    return recordOf<t_VSlider_TypeStruct>(row)->slider;
}

void buildHorizontalSlider(SynthEditor* editor, t_EditorControl* row, const t_EditorParameter* e)
{
    copyRecord<t_HSlider_TypeStruct>(row);
    auto* s = recordOf<t_HSlider_TypeStruct>(row);
    CBitmap* track = editor->editorControlsLib_GetBitmapResourceObj(s->track);
    CBitmap* handle = editor->editorControlsLib_GetBitmapResourceObj(s->handle);
    const CCoord w = track ? track->getWidth() : 0;
    const CCoord h = track ? track->getHeight() : 0;
    const CCoord handleWidth = handle ? handle->getWidth() : 0;
    s->slider = new CHorizontalSlider(CRect(row->x, row->y, row->x + w, row->y + h), editor, -1, row->x + 1,
                                      row->x + w - handleWidth, handle, track, CPoint(0, 0), kLeft);
    s->slider->setValue(editor->getSynth()->parameterLib_GetParameterValueFromEditor(e->id));
    s->slider->setTransparency(true);
}

// --- FX chain ------------------------------------------------------------------------------------

void buildFxChain(SynthEditor* editor, t_EditorControl* row, const t_EditorParameter*)
{
    copyRecord<t_FxChain_TypeStruct>(row);
    auto* c = recordOf<t_FxChain_TypeStruct>(row);
    c->buttons = new COnOffButton*[c->count]();
    for (int i = 0; i < c->count; ++i)
    {
        const t_FxChainEntry& entry = c->entries[i];
        CBitmap* picture = editor->editorControlsLib_GetBitmapResourceObj(entry.picture);
        const CCoord w = picture ? picture->getWidth() : 0;
        const CCoord h = picture ? picture->getHeight() / 2 : 0;
        c->buttons[i] =
            new COnOffButton(CRect(entry.x, entry.y, entry.x + w, entry.y + h), editor, -1, picture, 0);
        c->buttons[i]->setLatch(true);
    }
}

void placeFxChain(const t_EditorControl* row, CViewContainer* target)
{
    auto* c = recordOf<t_FxChain_TypeStruct>(row);
    for (int i = 0; i < c->count; ++i)
        target->addView(c->buttons[i]);
}

void releaseFxChain(t_EditorControl* row)
{
    auto* c = recordOf<t_FxChain_TypeStruct>(row);
    for (int i = 0; i < c->count; ++i)
        forgetView(c->buttons[i]);
    delete[] c->buttons;
    delete c;
}

void pushFxChain(SynthEditor* editor, t_EditorControl* row, const t_EditorParameter* e, float value,
                 CControl* leaveAlone)
{
    auto* c = recordOf<t_FxChain_TypeStruct>(row);
    const int index = editor->getSynth()->parameterLib_GetParameterMatchingValueListIndex(e, value);
    for (int i = 0; i < c->count; ++i)
        if (c->buttons[i] != leaveAlone)
            c->buttons[i]->setValue(c->entries[i].valueIndex == index ? 1.0f : 0.0f);
}

void tagFxChain(t_EditorControl* row, long tag, long extraTag)
{
    auto* c = recordOf<t_FxChain_TypeStruct>(row);
    for (int i = 0; i < c->count; ++i)
        tagControl(c->buttons[i], tag, extraTag);
}

bool fxChainOwns(const t_EditorControl* row, const CControl* control)
{
    auto* c = recordOf<t_FxChain_TypeStruct>(row);
    return std::find(c->buttons, c->buttons + c->count, control) != c->buttons + c->count;
}

// --- Number and name editors ---------------------------------------------------------------------

// A text editor without ground or frame, in the row's font, colour, face and alignment.
void styleTextEdit(CTextEdit* edit, int font, std::uint32_t colour, int face, int align)
{
    edit->setTransparency(true);
    edit->setFont(font);
    edit->setFontColor(colourOf(colour));
    edit->setTxtFace(face);
    edit->setBackColor(kTransparentCColor);
    edit->setFrameColor(kTransparentCColor);
    edit->setHoriAlign(align);
}

void buildNumberEdit(SynthEditor* editor, t_EditorControl* row, const t_EditorParameter*)
{
    copyRecord<t_NumEdit_TypeStruct>(row);
    auto* n = recordOf<t_NumEdit_TypeStruct>(row);
    n->edit = new CTextEdit(CRect(row->x, row->y, row->x + n->width, row->y + n->height), editor, -1,
                            n->charLimit, nullptr, nullptr, kNoFrame);
    styleTextEdit(n->edit, n->font, n->colour, n->face, n->align);
    n->edit->setNumericalOnly(true);
    n->edit->setNumericalMinMax(n->minimum, n->maximum);
    n->edit->setNumericalDisplayShift(n->displayShift);
    n->edit->setNumericalDisplayCallback(n->display);
    if (!n->steppers)
        return;
    makeSteppers(editor, row, n->width, RES_STEPPER_MINUS, RES_STEPPER_PLUS, n->edit, &n->minus, &n->plus);
}

void placeNumberEdit(const t_EditorControl* row, CViewContainer* target)
{
    auto* n = recordOf<t_NumEdit_TypeStruct>(row);
    target->addView(n->edit);
    if (n->minus)
        target->addView(n->minus);
    if (n->plus)
        target->addView(n->plus);
}

void releaseNumberEdit(t_EditorControl* row)
{
    auto* n = recordOf<t_NumEdit_TypeStruct>(row);
    forgetView(n->edit);
    forgetView(n->minus);
    forgetView(n->plus);
    delete n;
}

CControl* mainNumberEdit(const t_EditorControl* row)
{
    return recordOf<t_NumEdit_TypeStruct>(row)->edit;
}

void pushNumberEdit(SynthEditor*, t_EditorControl* row, const t_EditorParameter*, float value,
                    CControl* leaveAlone)
{
    auto* n = recordOf<t_NumEdit_TypeStruct>(row);
    if (n->edit != leaveAlone && !n->edit->isBeingEdited())
        n->edit->setNumericalValue(static_cast<int>(floatToInt(value)));
}

void tagNumberEdit(t_EditorControl* row, long tag, long extraTag)
{
    auto* n = recordOf<t_NumEdit_TypeStruct>(row);
    tagControl(n->edit, tag, extraTag);
    tagControl(n->minus, tag, extraTag);
    tagControl(n->plus, tag, extraTag);
}

void buildNameEdit(SynthEditor* editor, t_EditorControl* row, const t_EditorParameter*)
{
    copyRecord<t_NameEdit_TypeStruct>(row);
    auto* n = recordOf<t_NameEdit_TypeStruct>(row);
    n->edit =
        new CBitmapEdit(CRect(row->x, row->y, row->x + n->width, row->y + n->height), editor, -1, nullptr,
                        n->chars, n->widths, editor->editorControlsLib_GetBitmapResourceObj(n->fontPicture),
                        kGlyphSpacing, kNameEditLimit);
    styleTextEdit(n->edit, n->font, n->colour, n->face, n->align);
}

void pushNameEdit(SynthEditor* editor, t_EditorControl* row, const t_EditorParameter* e, float, CControl*)
{
    auto* n = recordOf<t_NameEdit_TypeStruct>(row);
    if (e->id != EPARAM_PATCH_NAME || n->edit->isBeingEdited())
        return;
    char name[kPatchNameLength + 1] = {};
    std::memcpy(name, editor->getSynth()->workingProgram.name, kPatchNameLength);
    n->edit->setText(name);
}

// --- Shared steps --------------------------------------------------------------------------------

template <CControl* (*Main)(const t_EditorControl*)>
void pushValue(SynthEditor*, t_EditorControl* row, const t_EditorParameter*, float value,
               CControl* leaveAlone)
{
    if (CControl* control = Main(row); control != leaveAlone)
        control->setValue(value);
}

void pushNothing(SynthEditor*, t_EditorControl*, const t_EditorParameter*, float, CControl*) {}

template <CControl* (*Main)(const t_EditorControl*)>
void tagMain(t_EditorControl* row, long tag, long extraTag)
{
    tagControl(Main(row), tag, extraTag);
}

template <CControl* (*Main)(const t_EditorControl*)>
bool ownsMain(const t_EditorControl* row, const CControl* control)
{
    return Main(row) == control;
}

void tagNone(t_EditorControl* row, long, long)
{
    tagControl(mainButton(row), -1, -1);
}

void tagNameEdit(t_EditorControl* row, long, long)
{
    tagControl(mainNameEdit(row), -1, -1);
}
} // namespace

const t_ControlKindOps c_EditorControlKinds[] = {
    {CTRL_KNOB, buildKnob, placeKnob, releaseKnob, pushValue<mainKnob>, tagMain<mainKnob>,
     ownsMain<mainKnob>},
    {CTRL_LED_GROUP, buildLedGroup, placeLedGroup, releaseLedGroup, pushLedGroup, tagLedGroup, ledGroupOwns},
    {CTRL_STEP_BUTTON, buildButton, placeButton, releaseButton, pushNothing, tagMain<mainButton>,
     ownsMain<mainButton>},
    {CTRL_TOGGLE_BUTTON, buildButton, placeButton, releaseButton, pushToggle, tagMain<mainButton>,
     ownsMain<mainButton>},
    {CTRL_SELECTOR_BUTTON, buildButton, placeButton, releaseButton, pushValue<mainButton>, tagNone,
     ownsMain<mainButton>},
    {CTRL_COMMAND_BUTTON, buildButton, placeButton, releaseButton, pushNothing, tagMain<mainButton>,
     ownsMain<mainButton>},
    {CTRL_MENU, buildMenu, placeMenu, releaseMenu, pushMenu, tagMenu, ownsMain<mainMenu>},
    {CTRL_FX_TYPE_MENU, buildMenu, placeMenu, releaseMenu, pushMenu, tagMenu, ownsMain<mainMenu>},
    {CTRL_VERTICAL_SLIDER, buildVerticalSlider, placeVerticalSlider, releaseVerticalSlider,
     pushValue<mainVerticalSlider>, tagMain<mainVerticalSlider>, ownsMain<mainVerticalSlider>},
    {CTRL_HORIZONTAL_SLIDER, buildHorizontalSlider, placeHorizontalSlider, releaseHorizontalSlider,
     pushValue<mainHorizontalSlider>, tagMain<mainHorizontalSlider>, ownsMain<mainHorizontalSlider>},
    {CTRL_FX_CHAIN, buildFxChain, placeFxChain, releaseFxChain, pushFxChain, tagFxChain, fxChainOwns},
    {CTRL_NUMBER_EDIT, buildNumberEdit, placeNumberEdit, releaseNumberEdit, pushNumberEdit, tagNumberEdit,
     ownsMain<mainNumberEdit>},
    {CTRL_NAME_EDIT, buildNameEdit, placeNameEdit, releaseNameEdit, pushNameEdit, tagNameEdit,
     ownsMain<mainNameEdit>},
    {CTRL_END, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
};

const t_ControlKindOps* editorControlKind(e_EditorControlKind kind)
{
    for (const t_ControlKindOps* ops = c_EditorControlKinds; ops->kind != CTRL_END; ++ops)
        if (ops->kind == kind)
            return ops;
    return nullptr;
}
