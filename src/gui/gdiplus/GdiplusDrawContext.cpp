// CDrawContext on GDI+, in pixels. Pixel centres lie on half coordinates as in cairo, so the
// same rectangles and lines cover the same pixels. The text is Tahoma, which every Windows (and
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

CDrawContext::CDrawContext(gui::Image& target, int zoomPercent)
    : native(std::make_unique<Native>(target)), zoom(zoomPercent > 0 ? zoomPercent : 100)
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

void CDrawContext::clipPixels(const CRect& pixels)
{
    native->graphics.IntersectClip(rectOf(pixels));
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
    const double size = pixelFontSize();
    auto font =
        std::make_unique<Gdiplus::Font>(&family, static_cast<Gdiplus::REAL>(size), style, Gdiplus::UnitPixel);
    if (font->GetLastStatus() != Gdiplus::Ok)
        return;
    native->font = std::move(font);
    const double em = family.GetEmHeight(style);
    native->ascent = em > 0 ? size * family.GetCellAscent(style) / em : size;
    native->descent = em > 0 ? size * family.GetCellDescent(style) / em : 0;
}

void CDrawContext::fillPixels(const CRect& pixels, const CColor& color)
{
    Gdiplus::SolidBrush brush(colorOf(color));
    native->graphics.FillRectangle(&brush, rectOf(pixels));
}

// Lines are filled as the band their stroke covers: GDI+ puts fills on the same pixels as
// cairo, while strokes land half a pixel off under wine.
void CDrawContext::drawLinePixels(double x0, double y0, double x1, double y1, double width)
{
    const double dx = x1 - x0;
    const double dy = y1 - y0;
    if (dx == 0 && dy == 0)
        return;
    const double scale = width / 2.0 / std::sqrt(dx * dx + dy * dy);
    const double nx = -dy * scale; // half the width, across the line
    const double ny = dx * scale;
    auto corner = [](double x, double y)
    { return Gdiplus::PointF(static_cast<Gdiplus::REAL>(x), static_cast<Gdiplus::REAL>(y)); };
    const Gdiplus::PointF band[] = {corner(x0 + nx, y0 + ny), corner(x1 + nx, y1 + ny),
                                    corner(x1 - nx, y1 - ny), corner(x0 - nx, y0 - ny)};
    Gdiplus::SolidBrush brush(colorOf(frameColor));
    native->graphics.FillPolygon(&brush, band, 4);
}

double CDrawContext::stringPixelWidth(const char* text)
{
    if (!native->font)
        return 0;
    const std::wstring wide = gui::wideText(text);
    Gdiplus::RectF box;
    native->graphics.MeasureString(wide.c_str(), static_cast<INT>(wide.size()), native->font.get(),
                                   Gdiplus::PointF(0, 0), native->format.get(), &box);
    return box.Width;
}

void CDrawContext::drawStringPixels(const char* text, const CRect& pixels, CHoriTxtAlign align)
{
    if (!native->font)
        return;
    const std::wstring wide = gui::wideText(text);
    const auto width = static_cast<CCoord>(std::floor(stringPixelWidth(text) + 0.5));
    const CPoint at = textOrigin(pixels, align, width, native->ascent, native->descent);
    Gdiplus::SolidBrush brush(colorOf(fontColor));
    native->graphics.DrawString(
        wide.c_str(), static_cast<INT>(wide.size()), native->font.get(),
        Gdiplus::PointF(static_cast<Gdiplus::REAL>(at.x), static_cast<Gdiplus::REAL>(at.y - native->ascent)),
        native->format.get(), &brush);
}

// Only the part the image covers: GDI+ would stretch its edges over the rest.
void CDrawContext::drawImagePixels(const gui::Image& image, const CRect& covered, const CPoint& source)
{
    Gdiplus::Bitmap picture(image.width(), image.height(), image.stride(), PixelFormat32bppPARGB,
                            const_cast<BYTE*>(image.data()));
    native->graphics.DrawImage(&picture, rectOf(covered), static_cast<Gdiplus::REAL>(source.x),
                               static_cast<Gdiplus::REAL>(source.y),
                               static_cast<Gdiplus::REAL>(covered.getWidth()),
                               static_cast<Gdiplus::REAL>(covered.getHeight()), Gdiplus::UnitPixel);
}
