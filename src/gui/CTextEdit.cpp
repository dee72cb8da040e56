#include "CTextEdit.h"

#include "CDrawContext.h"
#include "CFrame.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace
{
constexpr float kValueScale = 127.0f;
constexpr CCoord kTextInset = 2;

// The whole number at the start of text; false when there is none.
bool parseNumber(const char* text, int& number)
{
    char* end = nullptr;
    const long parsed = std::strtol(text, &end, 10);
    if (end == text)
        return false;
    number = static_cast<int>(std::clamp<long>(parsed, -1000000, 1000000));
    return true;
}
} // namespace

CTextEdit::CTextEdit(const CRect& size, CControlListener* listener, long tag, unsigned char charLimit,
                     const char* text, CBitmap* background, long style)
    : CTextLabel(size, text, background, style), charLimit(charLimit)
{
    setListener(listener);
    setTag(tag);
}

std::size_t CTextEdit::typedLimit() const
{
    return charLimit == 255 ? kMaxTextLength : std::max<std::size_t>(charLimit, 1) - 1;
}

void CTextEdit::showNumber(int shown)
{
    char number[kMaxTextLength + 1];
    std::snprintf(number, sizeof number, "%d", shown);
    storeText(number);
    if (displayCallback)
    {
        displayCallback(numericalValue, text);
        text[kMaxTextLength] = 0;
    }
    setDirty();
}

void CTextEdit::applyNumericalValue(int value, int shown)
{
    numericalValue = value;
    setValue(static_cast<float>(value) / kValueScale);
    showNumber(shown);
}

void CTextEdit::setNumericalValue(int value)
{
    if (value == numericalMax + 1)
        value = numericalMin;
    else if (value == numericalMin - 1)
        value = numericalMax;
    value = std::clamp(value, numericalMin, numericalMax);
    applyNumericalValue(value, value + displayShift);
}

void CTextEdit::setNumericalMinMax(int minimum, int maximum)
{
    if (maximum < minimum)
        minimum = maximum = 0;
    numericalMin = minimum;
    numericalMax = maximum;
    setNumericalValue(numericalValue);
}

void CTextEdit::setText(const char* newText)
{
    if (!numericalOnly)
    {
        CTextLabel::setText(newText);
        return;
    }
    if (!newText)
    {
        if (text[0])
            applyNumericalValue(0, 0);
        return;
    }
    int number = 0;
    if (std::strcmp(newText, text) == 0 || !parseNumber(newText, number))
        return;
    if (number < numericalMin || number > numericalMax)
        return;
    applyNumericalValue(number - displayShift, number - displayShift);
}

void CTextEdit::commitTyped()
{
    if (!numericalOnly)
    {
        storeText(editText);
        return;
    }
    int number = 0;
    if (!parseNumber(editText, number) || number - displayShift < numericalMin || number > numericalMax)
        return; // rejected: the previous text stays
    applyNumericalValue(number - displayShift, number);
}

void CTextEdit::takeFocus()
{
    if (beingEdited)
        return;
    beingEdited = true;
    keepTyped = true;
    std::memcpy(editText, text, sizeof editText);
    editText[std::min(std::strlen(editText), typedLimit())] = 0;
    cursor = std::strlen(editText);
    beginEdit();
    setDirty();
}

void CTextEdit::looseFocus()
{
    if (!beingEdited)
        return;
    beingEdited = false;
    char before[sizeof text];
    std::memcpy(before, text, sizeof before);
    if (keepTyped)
        commitTyped();
    setDirty();
    if (std::strcmp(before, text) != 0)
        notifyValueChanged();
    endEdit();
}

void CTextEdit::finishEditing(bool keep)
{
    keepTyped = keep;
    CFrame* frame = getFrame();
    if (frame && frame->getFocusView() == this)
        frame->setFocusView(nullptr);
    else
        looseFocus();
}

bool CTextEdit::acceptsCharacter(char c) const
{
    if (c < ' ' || c > '~')
        return false;
    return !numericalOnly || (c >= '0' && c <= '9') || (c == '-' && cursor == 0);
}

void CTextEdit::insertCharacter(char c)
{
    const std::size_t length = std::strlen(editText);
    if (length >= typedLimit())
        return;
    std::memmove(editText + cursor + 1, editText + cursor, length - cursor + 1);
    editText[cursor++] = c;
}

void CTextEdit::eraseCharacter(std::size_t at)
{
    const std::size_t length = std::strlen(editText);
    if (at >= length)
        return;
    std::memmove(editText + at, editText + at + 1, length - at);
}

bool CTextEdit::onKeyDown(const VstKeyCode& key)
{
    if (!beingEdited || (key.modifier & (MODIFIER_CONTROL | MODIFIER_COMMAND)))
        return false; // shortcuts belong to the panel
    const std::size_t length = std::strlen(editText);
    switch (key.virt)
    {
    case VKEY_RETURN:
    case VKEY_ENTER:
        finishEditing(true);
        return true;
    case VKEY_ESCAPE:
        finishEditing(false);
        return true;
    case VKEY_BACK:
        if (cursor > 0)
            eraseCharacter(--cursor);
        break;
    case VKEY_DELETE:
        eraseCharacter(cursor);
        break;
    case VKEY_LEFT:
        cursor = cursor > 0 ? cursor - 1 : 0;
        break;
    case VKEY_RIGHT:
        cursor = std::min(cursor + 1, length);
        break;
    case VKEY_HOME:
        cursor = 0;
        break;
    case VKEY_END:
        cursor = length;
        break;
    case VKEY_SPACE:
        if (acceptsCharacter(' '))
            insertCharacter(' ');
        break;
    default:
        if (key.virt != 0 || !acceptsCharacter(static_cast<char>(key.character)))
            return key.virt == 0 && key.character != 0; // printable keys belong to the field
        insertCharacter(static_cast<char>(key.character));
        break;
    }
    setDirty();
    return true;
}

bool CTextEdit::onMouseDown(CPoint& /*where*/, long buttons)
{
    if (!(buttons & kLButton) || modifierClickTaken(buttons))
        return false;
    if (CFrame* frame = getFrame())
        frame->setFocusView(this);
    return false;
}

void CTextEdit::draw(CDrawContext* context)
{
    if (!beingEdited)
    {
        CTextLabel::draw(context);
        return;
    }
    context->setFillColor(kWhiteCColor);
    context->fillRect(size);
    context->setFrameColor(kBlackCColor);
    context->drawRect(size);
    context->setFont(font, 0, txtFace);
    context->setFontColor(kBlackCColor);
    const CRect inner(size.left + kTextInset, size.top, size.right - kTextInset, size.bottom);
    context->drawString(editText, inner, kLeftText);
    char before[sizeof editText];
    std::memcpy(before, editText, cursor);
    before[cursor] = 0;
    const CCoord x = inner.left + context->getStringWidth(before);
    context->drawLine(CPoint(x, size.top + 2), CPoint(x, size.bottom - 3));
}
