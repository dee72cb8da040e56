#include "CDrawContext.h"

#include "Image.h"
#include "Zoom.h"

#include <algorithm>
#include <cmath>

namespace
{
constexpr double kStandardSizes[kNumStandardFonts] = {12, 18, 14, 12, 11, 10, 9, 12};
} // namespace

CDrawContext::Scope::Scope(CDrawContext* context) : context(context)
{
    if (!context)
        return;
    context->savedOrigins.push_back(context->origin);
    context->save();
}

CDrawContext::Scope::~Scope()
{
    if (!context)
        return;
    context->restore();
    context->origin = context->savedOrigins.back();
    context->savedOrigins.pop_back();
}

double CDrawContext::standardFontSize(long font)
{
    return font >= 0 && font < kNumStandardFonts ? kStandardSizes[font] : kStandardSizes[kNormalFont];
}

CRect CDrawContext::toPixels(const CRect& rect) const
{
    return CRect(gui::toPixels(origin.x + rect.left, zoom), gui::toPixels(origin.y + rect.top, zoom),
                 gui::toPixels(origin.x + rect.right, zoom), gui::toPixels(origin.y + rect.bottom, zoom));
}

CPoint CDrawContext::toPixels(const CPoint& point) const
{
    return CPoint(gui::toPixels(origin.x + point.x, zoom), gui::toPixels(origin.y + point.y, zoom));
}

double CDrawContext::pixelFontSize() const
{
    return fontSize * zoom / 100.0;
}

void CDrawContext::translate(const CPoint& delta)
{
    origin = origin.offsetBy(delta.x, delta.y);
}

void CDrawContext::clipRect(const CRect& rect)
{
    clipPixels(toPixels(rect));
}

CPoint CDrawContext::textOrigin(const CRect& pixels, CHoriTxtAlign align, CCoord width, double ascent,
                                double descent)
{
    CCoord x = pixels.left;
    if (align == kCenterText)
        x = pixels.left + (pixels.getWidth() - width) / 2;
    else if (align == kRightText)
        x = pixels.right - width;
    const double baseline = pixels.top + (pixels.getHeight() + ascent - descent) / 2.0;
    return CPoint(x, static_cast<CCoord>(std::floor(baseline + 0.5)));
}

void CDrawContext::setFont(long newFont, long size, long newFace)
{
    font = newFont;
    fontSize = size > 0 ? static_cast<double>(size) : standardFontSize(newFont);
    face = newFace;
    applyFont();
}

void CDrawContext::fillRect(const CRect& rect)
{
    if (rect.isEmpty() || !fillColor.isVisible())
        return;
    fillPixels(toPixels(rect), fillColor);
}

void CDrawContext::drawRect(const CRect& rect)
{
    if (rect.isEmpty() || !frameColor.isVisible() || lineWidth <= 0)
        return;
    const CRect outer = toPixels(rect);
    const auto w = static_cast<CCoord>(linePixelWidth());
    if (2 * w >= outer.getWidth() || 2 * w >= outer.getHeight())
    {
        fillPixels(outer, frameColor);
        return;
    }
    fillPixels(CRect(outer.left, outer.top, outer.right, outer.top + w), frameColor);
    fillPixels(CRect(outer.left, outer.bottom - w, outer.right, outer.bottom), frameColor);
    fillPixels(CRect(outer.left, outer.top + w, outer.left + w, outer.bottom - w), frameColor);
    fillPixels(CRect(outer.right - w, outer.top + w, outer.right, outer.bottom - w), frameColor);
}

// Widths of 1.5 pixels and the like go down to whole pixels: lines stay crisp.
double CDrawContext::linePixelWidth() const
{
    return std::max(1, gui::floorDivide(static_cast<long long>(lineWidth) * zoom + 49, 100));
}

// A line of odd width is centred on the middle of its unit, an even one on its edge (as at
// 100 %); its pixels then start on a whole pixel.
double CDrawContext::lineCentre(CCoord units, double pixelWidth) const
{
    const double centre = (units + (lineWidth % 2 ? 0.5 : 0.0)) * zoom / 100.0;
    return std::floor(centre - pixelWidth / 2 + 0.5) + pixelWidth / 2;
}

void CDrawContext::drawLine(const CPoint& from, const CPoint& to)
{
    if (!frameColor.isVisible() || lineWidth <= 0)
        return;
    const double width = linePixelWidth();
    drawLinePixels(lineCentre(origin.x + from.x, width), lineCentre(origin.y + from.y, width),
                   lineCentre(origin.x + to.x, width), lineCentre(origin.y + to.y, width), width);
}

CCoord CDrawContext::getStringWidth(const char* text)
{
    if (!text || !*text)
        return 0;
    return static_cast<CCoord>(std::floor(stringPixelWidth(text) * 100.0 / zoom + 0.5));
}

void CDrawContext::drawString(const char* text, const CRect& rect, CHoriTxtAlign align)
{
    if (!text || !*text || !fontColor.isVisible())
        return;
    drawStringPixels(text, toPixels(rect), align);
}

void CDrawContext::drawImage(const gui::Image& image, const CRect& dest, const CPoint& offset,
                             const CRect& within)
{
    if (image.isEmpty() || dest.isEmpty())
        return;
    const CRect whole(0, 0, image.width(), image.height());
    const CRect source = within.isEmpty() ? whole : within.intersection(whole);
    const CRect target = toPixels(dest);
    const CPoint shift(target.left - offset.x, target.top - offset.y);
    const CRect covered = target.intersection(source.offsetBy(shift.x, shift.y));
    if (covered.isEmpty())
        return;
    drawImagePixels(image, covered, CPoint(covered.left - shift.x, covered.top - shift.y));
}
