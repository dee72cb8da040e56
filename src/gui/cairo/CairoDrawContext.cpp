// CDrawContext on cairo: the text in DejaVu Sans, hinted slightly and grey-antialiased.
#include "CairoDrawContext.h"

#include "CairoFonts.h"

#include <cmath>

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

CDrawContext::CDrawContext(gui::Image& target, int zoomPercent)
    : native(std::make_unique<Native>(target)), zoom(zoomPercent > 0 ? zoomPercent : 100)
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

void CDrawContext::clipPixels(const CRect& pixels)
{
    cairo_rectangle(native->cr, pixels.left, pixels.top, pixels.getWidth(), pixels.getHeight());
    cairo_clip(native->cr);
}

void CDrawContext::applyFont()
{
    cairo_set_font_face(native->cr, gui::panelFontFace(face & kBoldFace, face & kItalicFace));
    cairo_set_font_size(native->cr, pixelFontSize());
}

void CDrawContext::fillPixels(const CRect& pixels, const CColor& color)
{
    native->useColor(color);
    cairo_rectangle(native->cr, pixels.left, pixels.top, pixels.getWidth(), pixels.getHeight());
    cairo_fill(native->cr);
}

void CDrawContext::drawLinePixels(double x0, double y0, double x1, double y1, double width)
{
    native->useColor(frameColor);
    cairo_set_line_width(native->cr, width);
    cairo_move_to(native->cr, x0, y0);
    cairo_line_to(native->cr, x1, y1);
    cairo_stroke(native->cr);
}

double CDrawContext::stringPixelWidth(const char* text)
{
    cairo_text_extents_t extents;
    cairo_text_extents(native->cr, text, &extents);
    return extents.x_advance;
}

void CDrawContext::drawStringPixels(const char* text, const CRect& pixels, CHoriTxtAlign align)
{
    cairo_font_extents_t fontExtents;
    cairo_font_extents(native->cr, &fontExtents);
    const auto width = static_cast<CCoord>(std::floor(stringPixelWidth(text) + 0.5));
    const CPoint at = textOrigin(pixels, align, width, fontExtents.ascent, fontExtents.descent);
    native->useColor(fontColor);
    cairo_move_to(native->cr, at.x, at.y);
    cairo_show_text(native->cr, text);
}

void CDrawContext::drawImagePixels(const gui::Image& image, const CRect& covered, const CPoint& source)
{
    cairo_surface_t* picture = gui::cairoSurfaceOf(image);
    cairo_set_source_surface(native->cr, picture, covered.left - source.x, covered.top - source.y);
    cairo_rectangle(native->cr, covered.left, covered.top, covered.getWidth(), covered.getHeight());
    cairo_fill(native->cr);
    cairo_set_source_rgb(native->cr, 0, 0, 0); // lets go of the source before it is destroyed
    cairo_surface_destroy(picture);
}
