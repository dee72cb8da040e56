#include "CDrawContext.h"

namespace
{
constexpr double kStandardSizes[kNumStandardFonts] = {12, 18, 14, 12, 11, 10, 9, 12};
} // namespace

CDrawContext::Scope::Scope(CDrawContext* context) : context(context)
{
    if (context)
        context->save();
}

CDrawContext::Scope::~Scope()
{
    if (context)
        context->restore();
}

double CDrawContext::standardFontSize(long font)
{
    return font >= 0 && font < kNumStandardFonts ? kStandardSizes[font] : kStandardSizes[kNormalFont];
}

CPoint CDrawContext::textOrigin(const char* text, const CRect& rect, CHoriTxtAlign align, double ascent,
                                double descent)
{
    const CCoord width = getStringWidth(text);
    CCoord x = rect.left;
    if (align == kCenterText)
        x = rect.left + (rect.getWidth() - width) / 2;
    else if (align == kRightText)
        x = rect.right - width;
    const double baseline = rect.top + (rect.getHeight() + ascent - descent) / 2.0;
    return CPoint(x, static_cast<CCoord>(baseline + 0.5));
}

void CDrawContext::setFont(long newFont, long size, long newFace)
{
    font = newFont;
    fontSize = size > 0 ? static_cast<double>(size) : standardFontSize(newFont);
    face = newFace;
    applyFont();
}
