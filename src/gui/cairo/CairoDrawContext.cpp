// CDrawContext on cairo: the text in DejaVu Sans, hinted slightly and grey-antialiased.
#include "CairoDrawContext.h"

#include "CairoFonts.h"

namespace
{
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

CDrawContext::CDrawContext(gui::Image& target) : native(std::make_unique<Native>(target))
{
    cairo_set_font_options(native->cr, sharedFontOptions());
    applyFont();
}

CDrawContext::~CDrawContext() = default;

void CDrawContext::save()
{
    cairo_save(native->cr);
}

void CDrawContext::restore()
{
    cairo_restore(native->cr);
}

void CDrawContext::flush()
{
    cairo_surface_flush(native->surface);
}

void CDrawContext::translate(const CPoint& delta)
{
    cairo_translate(native->cr, delta.x, delta.y);
}

void CDrawContext::clipRect(const CRect& rect)
{
    cairo_rectangle(native->cr, rect.left, rect.top, rect.getWidth(), rect.getHeight());
    cairo_clip(native->cr);
}

void CDrawContext::applyFont()
{
    cairo_set_font_face(native->cr, gui::panelFontFace(face & kBoldFace, face & kItalicFace));
    cairo_set_font_size(native->cr, fontSize);
}

void CDrawContext::fillRect(const CRect& rect)
{
    if (rect.isEmpty() || !fillColor.isVisible())
        return;
    native->useColor(fillColor);
    cairo_rectangle(native->cr, rect.left, rect.top, rect.getWidth(), rect.getHeight());
    cairo_fill(native->cr);
}

void CDrawContext::drawRect(const CRect& rect)
{
    if (rect.isEmpty() || !frameColor.isVisible() || lineWidth <= 0)
        return;
    native->useColor(frameColor);
    const double inset = lineWidth / 2.0;
    cairo_set_line_width(native->cr, lineWidth);
    cairo_rectangle(native->cr, rect.left + inset, rect.top + inset, rect.getWidth() - lineWidth,
                    rect.getHeight() - lineWidth);
    cairo_stroke(native->cr);
}

void CDrawContext::drawLine(const CPoint& from, const CPoint& to)
{
    if (!frameColor.isVisible() || lineWidth <= 0)
        return;
    native->useColor(frameColor);
    const double half = lineWidth % 2 ? 0.5 : 0.0; // keeps odd widths on whole pixels
    cairo_set_line_width(native->cr, lineWidth);
    cairo_move_to(native->cr, from.x + half, from.y + half);
    cairo_line_to(native->cr, to.x + half, to.y + half);
    cairo_stroke(native->cr);
}

CCoord CDrawContext::getStringWidth(const char* text)
{
    if (!text || !*text)
        return 0;
    cairo_text_extents_t extents;
    cairo_text_extents(native->cr, text, &extents);
    return static_cast<CCoord>(extents.x_advance + 0.5);
}

void CDrawContext::drawString(const char* text, const CRect& rect, CHoriTxtAlign align)
{
    if (!text || !*text || !fontColor.isVisible())
        return;
    cairo_font_extents_t fontExtents;
    cairo_font_extents(native->cr, &fontExtents);
    const CPoint origin = textOrigin(text, rect, align, fontExtents.ascent, fontExtents.descent);
    native->useColor(fontColor);
    cairo_move_to(native->cr, origin.x, origin.y);
    cairo_show_text(native->cr, text);
}

void CDrawContext::drawImage(const gui::Image& image, const CRect& dest, const CPoint& offset)
{
    if (image.isEmpty() || dest.isEmpty())
        return;
    cairo_surface_t* source = gui::cairoSurfaceOf(image);
    cairo_set_source_surface(native->cr, source, dest.left - offset.x, dest.top - offset.y);
    cairo_rectangle(native->cr, dest.left, dest.top, dest.getWidth(), dest.getHeight());
    cairo_fill(native->cr);
    cairo_set_source_rgb(native->cr, 0, 0, 0); // lets go of the source before it is destroyed
    cairo_surface_destroy(source);
}
