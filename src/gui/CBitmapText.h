// Text drawn glyph by glyph from a bitmap font: a picture of glyphs of one height stacked
// vertically in the order of a character string, each with its own advance width.
#pragma once

#include "CTextEdit.h"

class CBitmapText : public CControl
{
public:
    static constexpr std::size_t kMaxTextLength = 255;

    // chars: the font's characters in glyph order; widths: one advance per character (pixels);
    // spacing: pixels added after each glyph.
    CBitmapText(const CRect& size, CControlListener* listener, long tag, const char* text, const char* chars,
                const int* widths, CBitmap* font, int spacing);

    // Copies the text unless it is null or longer than 255 characters.
    virtual void setText(const char* newText);
    const char* getText() const { return text; }
    // The character's place in the font, or -1.
    int getCharIndex(char c) const;
    // From the left edge to the end of the last spacing; missing characters take no room.
    CCoord getTextWidth() const;
    int getGlyphHeight() const { return glyphHeight; }
    int getNbChars() const { return charCount; }

    void draw(CDrawContext* context) override;
    // The text is not clipped to the view.
    void drawRect(CDrawContext* context, const CRect& updateRect) override;

private:
    char text[kMaxTextLength + 1] = {};
    const char* chars;
    const int* widths;
    int glyphHeight = 0;
    int charCount = 0;
    int spacing;
};

// A text edit whose text, while not being edited, is drawn by an inner bitmap text.
class CBitmapEdit : public CTextEdit
{
public:
    CBitmapEdit(const CRect& size, CControlListener* listener, long tag, const char* text, const char* chars,
                const int* widths, CBitmap* font, int spacing, unsigned char charLimit);
    ~CBitmapEdit() override;

    void setText(const char* newText) override;
    void setDirty(bool state = true) override;
    bool isDirty() const override;
    bool takeDirty() override;
    CBitmapText* getBitmapText() const { return bitmapText; }

    void draw(CDrawContext* context) override;

private:
    CBitmapText* bitmapText;
};
