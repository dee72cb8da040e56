#include "CParamDisplay.h"

#include "CBitmap.h"
#include "CDrawContext.h"

#include <cstdio>
#include <cstring>

CParamDisplay::CParamDisplay(const CRect& size, CBitmap* background, long style)
    : CControl(size, nullptr, -1, background), style(style)
{
}

namespace
{
template <typename T> void assignAndDirty(CView* view, T& field, const T& value)
{
    if (field == value)
        return;
    field = value;
    view->setDirty();
}
} // namespace

void CParamDisplay::setFont(long newFont)
{
    assignAndDirty(this, font, newFont);
}

void CParamDisplay::setFontColor(const CColor& color)
{
    assignAndDirty(this, fontColor, color);
}

void CParamDisplay::setBackColor(const CColor& color)
{
    assignAndDirty(this, backColor, color);
}

void CParamDisplay::setFrameColor(const CColor& color)
{
    assignAndDirty(this, frameColor, color);
}

void CParamDisplay::setShadowColor(const CColor& color)
{
    assignAndDirty(this, shadowColor, color);
}

void CParamDisplay::setHoriAlign(long align)
{
    assignAndDirty(this, horiAlign, align);
}

void CParamDisplay::setTxtFace(long face)
{
    assignAndDirty(this, txtFace, face);
}

void CParamDisplay::setStyle(long newStyle)
{
    assignAndDirty(this, style, newStyle);
}

void CParamDisplay::drawBackgroundAndFrame(CDrawContext* context)
{
    if (!transparent)
    {
        context->setFillColor(backColor);
        context->fillRect(size);
        if (!(style & kNoFrame))
        {
            context->setFrameColor(frameColor);
            context->drawRect(size);
        }
    }
    if (background)
        background->draw(context, size, backOffset);
}

void CParamDisplay::applyTextSettings(CDrawContext* context) const
{
    context->setFont(font, 0, txtFace);
    context->setFontColor(fontColor);
}

void CParamDisplay::drawText(CDrawContext* context, const char* text)
{
    applyTextSettings(context);
    // A text a little too wide for its view is drawn a size or two smaller rather than cut.
    const auto standard = static_cast<long>(CDrawContext::standardFontSize(font));
    for (long smaller = standard - 1;
         smaller >= standard - 2 && context->getStringWidth(text) > size.getWidth(); --smaller)
        context->setFont(font, smaller, txtFace);
    const auto align = static_cast<CHoriTxtAlign>(horiAlign);
    if (style & kShadowText)
    {
        context->setFontColor(shadowColor);
        context->drawString(text, size.offsetBy(1, 1), align);
        context->setFontColor(fontColor);
    }
    context->drawString(text, size, align);
}

void CParamDisplay::draw(CDrawContext* context)
{
    drawBackgroundAndFrame(context);
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", static_cast<double>(getValue()));
    drawText(context, text);
}

CTextLabel::CTextLabel(const CRect& size, const char* text, CBitmap* background, long style)
    : CParamDisplay(size, background, style)
{
    storeText(text);
}

void CTextLabel::storeText(const char* newText)
{
    const std::size_t length = newText ? std::min(std::strlen(newText), kMaxTextLength) : 0;
    if (length)
        std::memmove(text, newText, length);
    text[length] = 0;
}

void CTextLabel::setText(const char* newText)
{
    storeText(newText);
    setDirty();
}

void CTextLabel::draw(CDrawContext* context)
{
    drawBackgroundAndFrame(context);
    drawText(context, text);
}
