#include "CBitmapText.h"

#include "CBitmap.h"

#include <cstring>

CBitmapText::CBitmapText(const CRect& size, CControlListener* listener, long tag, const char* text,
                         const char* chars, const int* widths, CBitmap* font, int spacing)
    : CControl(size, listener, tag, font), chars(chars), widths(widths), spacing(spacing)
{
    if (font && chars && widths)
    {
        charCount = static_cast<int>(std::strlen(chars));
        glyphHeight = charCount > 0 ? font->getHeight() / charCount : 0;
    }
    setText(text);
}

void CBitmapText::setText(const char* newText)
{
    if (!newText)
        return;
    const std::size_t length = std::strlen(newText);
    if (length > kMaxTextLength)
        return;
    std::memmove(text, newText, length + 1);
    setDirty();
}

int CBitmapText::getCharIndex(char c) const
{
    if (!chars || c == 0)
        return -1;
    const char* found = std::strchr(chars, c);
    return found ? static_cast<int>(found - chars) : -1;
}

CCoord CBitmapText::getTextWidth() const
{
    if (charCount == 0)
        return 0;
    CCoord width = 0;
    for (const char* c = text; *c; ++c)
    {
        const int index = getCharIndex(*c);
        if (index >= 0 && index < charCount)
            width += widths[index] + spacing;
    }
    return width;
}

void CBitmapText::draw(CDrawContext* context)
{
    if (!background || charCount == 0 || glyphHeight <= 0)
        return;
    CCoord x = size.left;
    for (const char* c = text; *c; ++c)
    {
        const int index = getCharIndex(*c);
        if (index < 0 || index >= charCount)
            continue;
        const CRect glyph(x, size.top, x + widths[index], size.top + glyphHeight);
        background->drawFrame(context, glyph, index, glyphHeight);
        x += widths[index] + spacing;
    }
}

void CBitmapText::drawRect(CDrawContext* context, const CRect& /*updateRect*/)
{
    draw(context);
}

CBitmapEdit::CBitmapEdit(const CRect& size, CControlListener* listener, long tag, const char* text,
                         const char* chars, const int* widths, CBitmap* font, int spacing,
                         unsigned char charLimit)
    : CTextEdit(size, listener, tag, charLimit, text),
      bitmapText(new CBitmapText(size, listener, tag, nullptr, chars, widths, font, spacing))
{
    bitmapText->setText(text);
}

CBitmapEdit::~CBitmapEdit()
{
    bitmapText->forget();
}

void CBitmapEdit::setText(const char* newText)
{
    bitmapText->setText(newText);
    CTextEdit::setText(newText);
}

void CBitmapEdit::setDirty(bool state)
{
    CTextEdit::setDirty(state);
    if (bitmapText)
        bitmapText->setDirty(state);
}

bool CBitmapEdit::isDirty() const
{
    return CTextEdit::isDirty() || bitmapText->isDirty();
}

bool CBitmapEdit::takeDirty()
{
    const bool own = CTextEdit::takeDirty();
    return bitmapText->takeDirty() || own;
}

void CBitmapEdit::draw(CDrawContext* context)
{
    if (isBeingEdited())
    {
        CTextEdit::draw(context);
        return;
    }
    bitmapText->setText(getText());
    bitmapText->draw(context);
    bitmapText->setDirty(false);
}
