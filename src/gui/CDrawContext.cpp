#include "CDrawContext.h"

#include <cairo.h>

namespace
{
constexpr const char* kFontFamily = "DejaVu Sans";
constexpr double kStandardSizes[kNumStandardFonts] = {12, 18, 14, 12, 11, 10, 9, 12};

cairo_font_options_t* sharedFontOptions()
{
    static cairo_font_options_t* options = []
    {
        cairo_font_options_t* o = cairo_font_options_create();
        cairo_font_options_set_antialias(o, CAIRO_ANTIALIAS_GRAY);
        cairo_font_options_set_hint_style(o, CAIRO_HINT_STYLE_SLIGHT);
        cairo_font_options_set_hint_metrics(o, CAIRO_HINT_METRICS_ON);
        return o;
    }();
    return options;
}
} // namespace

CDrawContext::CDrawContext(cairo_surface_t* target) : cr(cairo_create(target))
{
    cairo_set_font_options(cr, sharedFontOptions());
    applyFont();
}

CDrawContext::~CDrawContext()
{
    cairo_destroy(cr);
}

CDrawContext::Scope::Scope(CDrawContext* context) : context(context)
{
    if (context)
        cairo_save(context->cr);
}

CDrawContext::Scope::~Scope()
{
    if (context)
        cairo_restore(context->cr);
}

void CDrawContext::translate(const CPoint& delta)
{
    cairo_translate(cr, delta.x, delta.y);
}

void CDrawContext::clipRect(const CRect& rect)
{
    cairo_rectangle(cr, rect.left, rect.top, rect.getWidth(), rect.getHeight());
    cairo_clip(cr);
}

double CDrawContext::standardFontSize(long font)
{
    return font >= 0 && font < kNumStandardFonts ? kStandardSizes[font] : kStandardSizes[kNormalFont];
}

void CDrawContext::setFont(long newFont, long size, long newFace)
{
    font = newFont;
    fontSize = size > 0 ? static_cast<double>(size) : standardFontSize(newFont);
    face = newFace;
    applyFont();
}

void CDrawContext::applyFont()
{
    cairo_select_font_face(cr, kFontFamily,
                           (face & kItalicFace) ? CAIRO_FONT_SLANT_OBLIQUE : CAIRO_FONT_SLANT_NORMAL,
                           (face & kBoldFace) ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr, fontSize);
}

void CDrawContext::useColor(const CColor& color)
{
    cairo_set_source_rgba(cr, color.red / 255.0, color.green / 255.0, color.blue / 255.0,
                          color.alpha / 255.0);
}

void CDrawContext::fillRect(const CRect& rect)
{
    if (rect.isEmpty() || !fillColor.isVisible())
        return;
    useColor(fillColor);
    cairo_rectangle(cr, rect.left, rect.top, rect.getWidth(), rect.getHeight());
    cairo_fill(cr);
}

void CDrawContext::drawRect(const CRect& rect)
{
    if (rect.isEmpty() || !frameColor.isVisible() || lineWidth <= 0)
        return;
    useColor(frameColor);
    const double inset = lineWidth / 2.0;
    cairo_set_line_width(cr, lineWidth);
    cairo_rectangle(cr, rect.left + inset, rect.top + inset, rect.getWidth() - lineWidth,
                    rect.getHeight() - lineWidth);
    cairo_stroke(cr);
}

void CDrawContext::drawLine(const CPoint& from, const CPoint& to)
{
    if (!frameColor.isVisible() || lineWidth <= 0)
        return;
    useColor(frameColor);
    const double half = lineWidth % 2 ? 0.5 : 0.0; // keeps odd widths on whole pixels
    cairo_set_line_width(cr, lineWidth);
    cairo_move_to(cr, from.x + half, from.y + half);
    cairo_line_to(cr, to.x + half, to.y + half);
    cairo_stroke(cr);
}

CCoord CDrawContext::getStringWidth(const char* text)
{
    if (!text || !*text)
        return 0;
    cairo_text_extents_t extents;
    cairo_text_extents(cr, text, &extents);
    return static_cast<CCoord>(extents.x_advance + 0.5);
}

void CDrawContext::drawString(const char* text, const CRect& rect, CHoriTxtAlign align)
{
    if (!text || !*text || !fontColor.isVisible())
        return;
    cairo_font_extents_t fontExtents;
    cairo_font_extents(cr, &fontExtents);
    const CCoord width = getStringWidth(text);
    CCoord x = rect.left;
    if (align == kCenterText)
        x = rect.left + (rect.getWidth() - width) / 2;
    else if (align == kRightText)
        x = rect.right - width;
    const double baseline = rect.top + (rect.getHeight() + fontExtents.ascent - fontExtents.descent) / 2.0;
    useColor(fontColor);
    cairo_move_to(cr, x, static_cast<int>(baseline + 0.5));
    cairo_show_text(cr, text);
}

void CDrawContext::drawSurface(cairo_surface_t* surface, const CRect& dest, const CPoint& offset)
{
    if (!surface || dest.isEmpty())
        return;
    cairo_set_source_surface(cr, surface, dest.left - offset.x, dest.top - offset.y);
    cairo_rectangle(cr, dest.left, dest.top, dest.getWidth(), dest.getHeight());
    cairo_fill(cr);
}
