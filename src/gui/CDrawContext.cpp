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

void CDrawContext::setFont(long newFont, long size, long newFace)
{
    font = newFont;
    fontSize = size > 0 ? static_cast<double>(size) : standardFontSize(newFont);
    face = newFace;
    applyFont();
}
