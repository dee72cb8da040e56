// CDrawContext on GDI+. Pixel centres lie on half coordinates as in cairo, so the same
// rectangles and lines cover the same pixels. The text is Tahoma, which every Windows (and
// wine) has, in pixel sizes: a little narrower than DejaVu Sans, of about the same height.
#include "GdiplusDrawContext.h"
#include "gui/win32/WideText.h"

#include <cmath>
#include <string>

namespace
{
// The first that the system has; Tahoma is on every Windows (and in fonts-wine).
constexpr const wchar_t* kFontFamilies[] = {L"Tahoma", L"Arial", L"Microsoft Sans Serif", L"DejaVu Sans"};
constexpr INT kTextFlags = Gdiplus::StringFormatFlagsMeasureTrailingSpaces |
                           Gdiplus::StringFormatFlagsNoWrap | Gdiplus::StringFormatFlagsNoClip;

Gdiplus::Color colorOf(const CColor& c)
{
    return Gdiplus::Color(c.alpha, c.red, c.green, c.blue);
}

Gdiplus::RectF rectOf(const CRect& r)
{
    return Gdiplus::RectF(static_cast<Gdiplus::REAL>(r.left), static_cast<Gdiplus::REAL>(r.top),
                          static_cast<Gdiplus::REAL>(r.getWidth()),
                          static_cast<Gdiplus::REAL>(r.getHeight()));
}

// Typographic layout: no padding around the text, trailing spaces counted.
std::unique_ptr<Gdiplus::StringFormat> textFormat()
{
    const Gdiplus::StringFormat* typographic = Gdiplus::StringFormat::GenericTypographic();
    std::unique_ptr<Gdiplus::StringFormat> format(typographic ? typographic->Clone()
                                                              : new Gdiplus::StringFormat(kTextFlags));
    format->SetFormatFlags(format->GetFormatFlags() | kTextFlags);
    return format;
}

// Null when the system has none of them: texts are then not drawn.
std::unique_ptr<Gdiplus::FontFamily> fontFamily()
{
    for (const wchar_t* name : kFontFamilies)
    {
        auto family = std::make_unique<Gdiplus::FontFamily>(name);
        if (family->GetLastStatus() == Gdiplus::Ok && family->IsAvailable())
            return family;
    }
    return nullptr;
}
} // namespace

CDrawContext::Native::Native(gui::Image& target)
    : bitmap(target.width(), target.height(), target.stride(), PixelFormat32bppPARGB, target.data()),
      graphics(&bitmap), format(textFormat()), family(fontFamily())
{
    graphics.SetPixelOffsetMode(Gdiplus::PixelOffsetModeHalf);
    graphics.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
    graphics.SetInterpolationMode(Gdiplus::InterpolationModeNearestNeighbor);
    graphics.SetTextRenderingHint(Gdiplus::TextRenderingHintAntiAliasGridFit);
    graphics.SetCompositingMode(Gdiplus::CompositingModeSourceOver);
}

CDrawContext::CDrawContext(gui::Image& target) : native(std::make_unique<Native>(target))
{
    applyFont();
}

CDrawContext::~CDrawContext() = default;

void CDrawContext::save()
{
    native->saved.push_back(native->graphics.Save());
}

void CDrawContext::restore()
{
    if (native->saved.empty())
        return;
    native->graphics.Restore(native->saved.back());
    native->saved.pop_back();
}

void CDrawContext::flush()
{
    native->graphics.Flush(Gdiplus::FlushIntentionSync);
}

void CDrawContext::translate(const CPoint& delta)
{
    native->graphics.TranslateTransform(static_cast<Gdiplus::REAL>(delta.x),
                                        static_cast<Gdiplus::REAL>(delta.y));
}

void CDrawContext::clipRect(const CRect& rect)
{
    native->graphics.IntersectClip(rectOf(rect));
}

void CDrawContext::applyFont()
{
    int style = Gdiplus::FontStyleRegular;
    if (face & kBoldFace)
        style |= Gdiplus::FontStyleBold;
    if (face & kItalicFace)
        style |= Gdiplus::FontStyleItalic;
    native->font.reset();
    if (!native->family)
        return;
    Gdiplus::FontFamily& family = *native->family;
    auto font = std::make_unique<Gdiplus::Font>(&family, static_cast<Gdiplus::REAL>(fontSize), style,
                                                Gdiplus::UnitPixel);
    if (font->GetLastStatus() != Gdiplus::Ok)
        return;
    native->font = std::move(font);
    const double em = family.GetEmHeight(style);
    native->ascent = em > 0 ? fontSize * family.GetCellAscent(style) / em : fontSize;
    native->descent = em > 0 ? fontSize * family.GetCellDescent(style) / em : 0;
}

void CDrawContext::fillRect(const CRect& rect)
{
    if (rect.isEmpty() || !fillColor.isVisible())
        return;
    Gdiplus::SolidBrush brush(colorOf(fillColor));
    native->graphics.FillRectangle(&brush, rectOf(rect));
}

// Outlines and lines are filled as the shapes their strokes cover: GDI+ puts fills on the
// same pixels as cairo, while strokes land half a pixel off under wine.
void CDrawContext::drawRect(const CRect& rect)
{
    if (rect.isEmpty() || !frameColor.isVisible() || lineWidth <= 0)
        return;
    Gdiplus::SolidBrush brush(colorOf(frameColor));
    const CCoord w = lineWidth;
    if (2 * w >= rect.getWidth() || 2 * w >= rect.getHeight())
    {
        native->graphics.FillRectangle(&brush, rectOf(rect));
        return;
    }
    const CRect sides[] = {
        CRect(rect.left, rect.top, rect.right, rect.top + w),
        CRect(rect.left, rect.bottom - w, rect.right, rect.bottom),
        CRect(rect.left, rect.top + w, rect.left + w, rect.bottom - w),
        CRect(rect.right - w, rect.top + w, rect.right, rect.bottom - w),
    };
    for (const CRect& side : sides)
        native->graphics.FillRectangle(&brush, rectOf(side));
}

void CDrawContext::drawLine(const CPoint& from, const CPoint& to)
{
    if (!frameColor.isVisible() || lineWidth <= 0 || from == to)
        return;
    const double half = lineWidth % 2 ? 0.5 : 0.0; // keeps odd widths on whole pixels
    const double dx = to.x - from.x;
    const double dy = to.y - from.y;
    const double scale = lineWidth / 2.0 / std::sqrt(dx * dx + dy * dy);
    const double nx = -dy * scale; // half the width, across the line
    const double ny = dx * scale;
    auto corner = [half](const CPoint& end, double ox, double oy)
    {
        return Gdiplus::PointF(static_cast<Gdiplus::REAL>(end.x + half + ox),
                               static_cast<Gdiplus::REAL>(end.y + half + oy));
    };
    const Gdiplus::PointF band[] = {corner(from, nx, ny), corner(to, nx, ny), corner(to, -nx, -ny),
                                    corner(from, -nx, -ny)};
    Gdiplus::SolidBrush brush(colorOf(frameColor));
    native->graphics.FillPolygon(&brush, band, 4);
}

CCoord CDrawContext::getStringWidth(const char* text)
{
    if (!text || !*text || !native->font)
        return 0;
    const std::wstring wide = gui::wideText(text);
    Gdiplus::RectF box;
    native->graphics.MeasureString(wide.c_str(), static_cast<INT>(wide.size()), native->font.get(),
                                   Gdiplus::PointF(0, 0), native->format.get(), &box);
    return static_cast<CCoord>(box.Width + 0.5f);
}

void CDrawContext::drawString(const char* text, const CRect& rect, CHoriTxtAlign align)
{
    if (!text || !*text || !fontColor.isVisible() || !native->font)
        return;
    const std::wstring wide = gui::wideText(text);
    const CPoint origin = textOrigin(text, rect, align, native->ascent, native->descent);
    Gdiplus::SolidBrush brush(colorOf(fontColor));
    native->graphics.DrawString(wide.c_str(), static_cast<INT>(wide.size()), native->font.get(),
                                Gdiplus::PointF(static_cast<Gdiplus::REAL>(origin.x),
                                                static_cast<Gdiplus::REAL>(origin.y - native->ascent)),
                                native->format.get(), &brush);
}

void CDrawContext::drawImage(const gui::Image& image, const CRect& dest, const CPoint& offset)
{
    if (image.isEmpty() || dest.isEmpty())
        return;
    // Only the part the image covers: GDI+ would stretch its edges over the rest.
    const CPoint origin(dest.left - offset.x, dest.top - offset.y);
    const CRect covered =
        dest.intersection(CRect(0, 0, image.width(), image.height()).offsetBy(origin.x, origin.y));
    if (covered.isEmpty())
        return;
    Gdiplus::Bitmap source(image.width(), image.height(), image.stride(), PixelFormat32bppPARGB,
                           const_cast<BYTE*>(image.data()));
    native->graphics.DrawImage(&source, rectOf(covered), static_cast<Gdiplus::REAL>(covered.left - origin.x),
                               static_cast<Gdiplus::REAL>(covered.top - origin.y),
                               static_cast<Gdiplus::REAL>(covered.getWidth()),
                               static_cast<Gdiplus::REAL>(covered.getHeight()), Gdiplus::UnitPixel);
}
