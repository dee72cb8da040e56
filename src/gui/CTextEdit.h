// A text field edited in place: a click gives it the focus and the keyboard, Return keeps the
// typed text, Escape drops it. In numerical mode it holds a whole number in a range, shown
// with a display shift and an optional display function.
#pragma once

#include "CParamDisplay.h"

// Rewrites the text (a buffer of 256 characters) shown for a numerical value, or leaves it.
using CTextEditDisplayCallback = void (*)(int value, char* text);

class CTextEdit : public CTextLabel
{
public:
    // charLimit: typed text keeps at most charLimit - 1 characters (255 when it is 255).
    CTextEdit(const CRect& size, CControlListener* listener, long tag, unsigned char charLimit = 255,
              const char* text = nullptr, CBitmap* background = nullptr, long style = 0);

    void setText(const char* newText) override;
    unsigned char getCharLimit() const { return charLimit; }

    void setNumericalOnly(bool state) { numericalOnly = state; }
    bool isNumericalOnly() const { return numericalOnly; }
    // A maximum below the minimum sets both and the value to 0.
    void setNumericalMinMax(int minimum, int maximum);
    int getNumericalMin() const { return numericalMin; }
    int getNumericalMax() const { return numericalMax; }
    // One past either end wraps to the other end; anything else is limited to the range.
    void setNumericalValue(int value);
    int getNumericalValue() const { return numericalValue; }
    void setNumericalDisplayShift(int shift) { displayShift = shift; }
    int getNumericalDisplayShift() const { return displayShift; }
    void setNumericalDisplayCallback(CTextEditDisplayCallback callback) { displayCallback = callback; }

    bool isBeingEdited() const { return beingEdited; }
    // The text as typed so far (while being edited).
    const char* getEditText() const { return editText; }

    void draw(CDrawContext* context) override;
    bool onMouseDown(CPoint& where, long buttons) override;
    bool onKeyDown(const VstKeyCode& key) override;
    // Editing starts with the focus and ends when the focus goes: the typed text is kept unless
    // Escape ended the edit.
    void takeFocus() override;
    void looseFocus() override;

private:
    std::size_t typedLimit() const;
    void showNumber(int shown);
    void applyNumericalValue(int value, int shown);
    void commitTyped();
    bool acceptsCharacter(char c) const;
    void insertCharacter(char c);
    void eraseCharacter(std::size_t at);
    void finishEditing(bool keep);

    unsigned char charLimit;
    bool numericalOnly = false;
    int numericalMin = 0;
    int numericalMax = 0;
    int numericalValue = 0;
    int displayShift = 0;
    CTextEditDisplayCallback displayCallback = nullptr;

    bool beingEdited = false;
    bool keepTyped = true;
    char editText[kMaxTextLength + 1] = {};
    std::size_t cursor = 0;
};
