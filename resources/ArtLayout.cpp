#include "ArtLayout.h"

#include "gui/GuiTypes.h"
#include "gui/cairo/CairoDrawContext.h"
#include "params/ParameterTables.h"

#include <cmath>

namespace art
{
namespace
{
constexpr int kMenuHeight = 18;

template <typename Record> const Record& recordOf(const t_EditorControl& row)
{
    return *static_cast<const Record*>(row.parameters);
}

// A stepper pair on both sides of a control of the given width.
void addSteppers(std::vector<ControlPart>& parts, int x, int y, int width, e_EditorResourceID minus,
                 e_EditorResourceID plus)
{
    const Box m = frameOf(minus);
    const Box p = frameOf(plus);
    parts.push_back({ControlPart::Stepper, {x - m.w, y, m.w, kMenuHeight}, 0});
    parts.push_back({ControlPart::Stepper, {x + width, y, p.w, kMenuHeight}, 1});
}

void addLedGroup(std::vector<ControlPart>& parts, const t_LedGroup_TypeStruct& group, int ox, int oy)
{
    const Box led = frameOf(RES_LED);
    int i = 0;
    for (const t_LedData* d = group.table; d->x != 0 && d->y != 0; ++d, ++i)
    {
        const int x = ox + d->x;
        const int y = oy + d->y;
        parts.push_back({ControlPart::Main, {x, y, led.w, led.h}, i});
        if (group.valuePicture == RES_END)
            parts.push_back({ControlPart::Label, {x + led.w + 1, y + 1, 51, led.h - 1}, i});
        else
        {
            const Box picture = frameOf(group.valuePicture);
            parts.push_back({ControlPart::Picture, {x + led.w + 3, y + 3, picture.w, picture.h}, i});
        }
    }
}
} // namespace

Box containerBox(e_EditorContainer id)
{
    const t_EditorContainer* c = editorTables_FindContainer(c_EditorContainers, id);
    if (!c)
        return {0, 0, kFrameWidth, kFrameHeight};
    return {c->x, c->y, c->width, c->height};
}

Box frameOf(e_EditorResourceID id)
{
    int w = 0;
    int h = 0;
    editorTables_FrameSize(id, &w, &h);
    return {0, 0, w, h};
}

const t_EditorParameter* editorParameter(e_EditorParameterID id)
{
    for (const t_EditorParameter* p = c_EditorParameters; p->id != EPARAM_END; ++p)
        if (p->id == id)
            return p;
    return nullptr;
}

std::string parameterName(e_EditorParameterID id)
{
    const t_EditorParameter* p = editorParameter(id);
    return p && p->name ? p->name : "";
}

std::vector<ControlPart> controlParts(const t_EditorControl& row)
{
    std::vector<ControlPart> parts;
    const Box origin = row.container == CONT_FRAME ? Box{} : containerBox(row.container);
    const int x = origin.x + row.x;
    const int y = origin.y + row.y;
    switch (row.kind)
    {
    case CTRL_KNOB:
    {
        const Box f = frameOf(recordOf<t_Knob_TypeStruct>(row).picture);
        parts.push_back({ControlPart::Main, {x, y, f.w, f.h}, 0});
        parts.push_back({ControlPart::Label, {x - 10, y - 10, 71, 10}, 0});
        break;
    }
    case CTRL_LED_GROUP:
        addLedGroup(parts, recordOf<t_LedGroup_TypeStruct>(row), origin.x, origin.y);
        break;
    case CTRL_STEP_BUTTON:
    case CTRL_TOGGLE_BUTTON:
    case CTRL_SELECTOR_BUTTON:
    case CTRL_COMMAND_BUTTON:
    {
        const Box f = frameOf(recordOf<t_Button_TypeStruct>(row).picture);
        parts.push_back({ControlPart::Main, {x, y, f.w, f.h}, 0});
        parts.push_back({ControlPart::Label, {x, y, f.w, f.h}, 0});
        break;
    }
    case CTRL_MENU:
    case CTRL_FX_TYPE_MENU:
    {
        const auto& menu = recordOf<t_Menu_TypeStruct>(row);
        parts.push_back({ControlPart::Main, {x, y, menu.width, kMenuHeight}, 0});
        const bool dark = menu.colour && *menu.colour == kBlackCColor;
        if (menu.steppers)
            addSteppers(parts, x, y, menu.width, dark ? RES_STEPPER_MINUS_DARK : RES_STEPPER_MINUS,
                        dark ? RES_STEPPER_PLUS_DARK : RES_STEPPER_PLUS);
        break;
    }
    case CTRL_VERTICAL_SLIDER:
    {
        const auto& slider = recordOf<t_VSlider_TypeStruct>(row);
        const Box track = frameOf(slider.track);
        parts.push_back({ControlPart::Main, {x, y, track.w, track.h}, 0});
        if (!parameterName(row.id).empty())
            parts.push_back({ControlPart::Label,
                             {x + slider.labelX, y + slider.labelY, slider.labelWidth, slider.labelHeight},
                             0});
        break;
    }
    case CTRL_HORIZONTAL_SLIDER:
    {
        const Box track = frameOf(recordOf<t_HSlider_TypeStruct>(row).track);
        parts.push_back({ControlPart::Main, {x, y, track.w, track.h}, 0});
        break;
    }
    case CTRL_FX_CHAIN:
    {
        const auto& chain = recordOf<t_FxChain_TypeStruct>(row);
        for (int i = 0; i < chain.count; ++i)
        {
            const t_FxChainEntry& e = chain.entries[i];
            const Box f = frameOf(e.picture);
            parts.push_back({ControlPart::Main, {origin.x + e.x, origin.y + e.y, f.w, f.h}, i});
        }
        break;
    }
    case CTRL_NUMBER_EDIT:
    {
        const auto& edit = recordOf<t_NumEdit_TypeStruct>(row);
        parts.push_back({ControlPart::Main, {x, y, edit.width, edit.height}, 0});
        if (edit.steppers)
            addSteppers(parts, x, y, edit.width, RES_STEPPER_MINUS, RES_STEPPER_PLUS);
        break;
    }
    case CTRL_NAME_EDIT:
    {
        const auto& edit = recordOf<t_NameEdit_TypeStruct>(row);
        parts.push_back({ControlPart::Main, {x, y, edit.width, edit.height}, 0});
        break;
    }
    default:
        break;
    }
    return parts;
}

Box controlBounds(const t_EditorControl& row)
{
    Box bounds;
    for (const ControlPart& part : controlParts(row))
        bounds = bounds.united(part.box);
    return bounds;
}

Box resourceBox(const t_EditorResource& resource)
{
    const Box origin = resource.container == CONT_FRAME ? Box{} : containerBox(resource.container);
    auto spanning = [&](int x1, int y1, int x2, int y2)
    {
        return Box{origin.x + std::min(x1, x2), origin.y + std::min(y1, y2), std::abs(x2 - x1),
                   std::abs(y2 - y1)};
    };
    switch (resource.kind)
    {
    case RESKIND_PICTURE:
    {
        const auto* p = static_cast<const t_ResourcePicture*>(resource.parameters);
        const t_EditorPicture* picture = editorTables_FindPicture(resource.picture);
        return picture ? Box{origin.x + p->x, origin.y + p->y, picture->width, picture->height} : Box{};
    }
    case RESKIND_LABEL:
    {
        const auto* l = static_cast<const t_ResourceLabel*>(resource.parameters);
        return spanning(l->x1, l->y1, l->x2, l->y2);
    }
    case RESKIND_ON_OFF:
    {
        const auto* o = static_cast<const t_ResourceOnOff*>(resource.parameters);
        return spanning(o->x1, o->y1, o->x2, o->y2);
    }
    case RESKIND_BITMAP_TEXT:
    {
        const auto* t = static_cast<const t_ResourceBitmapText*>(resource.parameters);
        return spanning(t->x1, t->y1, t->x2, t->y2);
    }
    default:
        return {};
    }
}

namespace
{
constexpr Rgb kWhite{1, 1, 1};
constexpr Rgb kBlack{0, 0, 0};

Rgb colourOf(const CColor* colour)
{
    return colour ? Rgb{colour->red / 255.0, colour->green / 255.0, colour->blue / 255.0} : kWhite;
}

Rgb colourOf(std::uint32_t argb)
{
    return rgb(argb & 0xFFFFFF);
}

std::string valueText(e_EditorParameterID id, int index)
{
    const t_EditorParameter* p = editorParameter(id);
    for (const t_ValueListEntry* v = p ? p->values : nullptr; v && v->label; ++v, --index)
        if (index == 0)
            return v->label;
    return "";
}

void buttonText(std::vector<TextSpot>& texts, const t_EditorControl& row, const Box& box)
{
    const auto& button = recordOf<t_Button_TypeStruct>(row);
    const std::string name = parameterName(row.id);
    if (row.kind == CTRL_SELECTOR_BUTTON)
        texts.push_back({box, name, toolkitFont(button.font, false), kBlack, 1});
    else if (button.picture == RES_LARGE_BUTTON)
        texts.push_back({box, name, toolkitFont(2, true), kWhite, 1});
    else
        texts.push_back({box, name, toolkitFont(6, true), kBlack, 1});
}
} // namespace

std::vector<TextSpot> controlTexts(const t_EditorControl& row)
{
    std::vector<TextSpot> texts;
    for (const ControlPart& part : controlParts(row))
    {
        const bool label = part.kind == ControlPart::Label;
        switch (row.kind)
        {
        case CTRL_KNOB:
        case CTRL_VERTICAL_SLIDER:
            if (label)
                texts.push_back({part.box, parameterName(row.id), toolkitFont(6, false), kWhite, 1});
            break;
        case CTRL_LED_GROUP:
            if (label)
                texts.push_back({part.box, valueText(row.id, part.index), toolkitFont(6, false), kWhite, 0});
            break;
        case CTRL_STEP_BUTTON:
        case CTRL_TOGGLE_BUTTON:
        case CTRL_SELECTOR_BUTTON:
        case CTRL_COMMAND_BUTTON:
            if (label)
                buttonText(texts, row, part.box);
            break;
        case CTRL_MENU:
        case CTRL_FX_TYPE_MENU:
            if (part.kind == ControlPart::Main)
            {
                const auto& menu = recordOf<t_Menu_TypeStruct>(row);
                texts.push_back(
                    {part.box.inflated(-3, 0), "", toolkitFont(4, true), colourOf(menu.colour), menu.align});
            }
            break;
        case CTRL_NUMBER_EDIT:
            if (part.kind == ControlPart::Main)
            {
                const auto& edit = recordOf<t_NumEdit_TypeStruct>(row);
                texts.push_back({part.box, "", toolkitFont(edit.font, edit.face & kBoldFace),
                                 colourOf(edit.colour), edit.align});
            }
            break;
        default:
            break;
        }
    }
    return texts;
}

TextSpot resourceText(const t_EditorResource& resource)
{
    if (resource.kind != RESKIND_LABEL)
        return {};
    const auto* l = static_cast<const t_ResourceLabel*>(resource.parameters);
    return {resourceBox(resource), l->text ? l->text : "", toolkitFont(l->font, l->face & kBoldFace),
            colourOf(l->colour), l->align};
}

Box inkBounds(const t_EditorControl& row)
{
    Box bounds;
    for (const ControlPart& part : controlParts(row))
        if (part.kind != ControlPart::Label)
            bounds = bounds.united(part.box);
    for (const TextSpot& text : controlTexts(row))
        bounds = bounds.united(inkBox(text));
    return bounds;
}

Box inkBounds(const t_EditorResource& resource)
{
    if (resource.kind == RESKIND_LABEL)
        return inkBox(resourceText(resource));
    return resourceBox(resource);
}

Font toolkitFont(int index, bool bold)
{
    return {CDrawContext::standardFontSize(index), bold};
}

namespace
{
void selectFont(CDrawContext& context, const Font& font)
{
    context.setFont(kNormalFont, long(font.size), font.bold ? kBoldFace : kNormalFace);
}

CRect rectOf(const Box& box)
{
    return {box.x, box.y, box.right(), box.bottom()};
}
} // namespace

Box inkBox(const TextSpot& spot)
{
    if (spot.text.empty())
        return {};
    // The toolkit's context on a scratch image: texts are measured as the toolkit draws them. One
    // of its own each time, so that no context holds a font face for the life of the process.
    gui::Image scratch(1, 1);
    CDrawContext context(scratch);
    selectFont(context, spot.font);
    cairo_t* cr = context.getNative().cr;
    cairo_font_extents_t font;
    cairo_font_extents(cr, &font);
    cairo_text_extents_t e;
    cairo_text_extents(cr, spot.text.c_str(), &e);
    // The left end and the baseline where drawString puts them.
    const int width = context.getStringWidth(spot.text.c_str());
    int x = spot.box.x;
    if (spot.align == kCenterText)
        x = spot.box.x + (spot.box.w - width) / 2;
    else if (spot.align == kRightText)
        x = spot.box.right() - width;
    const int baseline = int(spot.box.y + (spot.box.h + font.ascent - font.descent) / 2.0 + 0.5);
    const int left = int(std::floor(x + e.x_bearing));
    const int top = int(std::floor(baseline + e.y_bearing));
    return {left, top, int(std::ceil(x + e.x_bearing + e.width)) - left,
            int(std::ceil(baseline + e.y_bearing + e.height)) - top};
}

void drawTextSpot(cairo_surface_t* target, const TextSpot& spot)
{
    cairo_surface_flush(target);
    gui::Image pixels(reinterpret_cast<std::uint32_t*>(cairo_image_surface_get_data(target)),
                      cairo_image_surface_get_width(target), cairo_image_surface_get_height(target));
    {
        CDrawContext context(pixels);
        selectFont(context, spot.font);
        context.setFontColor({std::uint8_t(spot.colour.r * 255 + 0.5),
                              std::uint8_t(spot.colour.g * 255 + 0.5),
                              std::uint8_t(spot.colour.b * 255 + 0.5), 255});
        context.drawString(spot.text.c_str(), rectOf(spot.box), static_cast<CHoriTxtAlign>(spot.align));
    }
    cairo_surface_mark_dirty(target);
}
} // namespace art
