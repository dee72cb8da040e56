// Text views: CParamDisplay shows its value, CTextLabel a text of its own. Not transparent,
// they fill their background colour and draw a frame (unless the style has kNoFrame).
#pragma once

#include "CControl.h"

#include <cstddef>

class CParamDisplay : public CControl
{
public:
    CParamDisplay(const CRect& size, CBitmap* background = nullptr, long style = 0);

    void setFont(long newFont);
    long getFont() const { return font; }
    void setFontColor(const CColor& color);
    CColor getFontColor() const { return fontColor; }
    void setBackColor(const CColor& color);
    CColor getBackColor() const { return backColor; }
    void setFrameColor(const CColor& color);
    CColor getFrameColor() const { return frameColor; }
    void setShadowColor(const CColor& color);
    void setHoriAlign(long align);
    long getHoriAlign() const { return horiAlign; }
    void setTxtFace(long face);
    long getTxtFace() const { return txtFace; }
    void setStyle(long newStyle);
    long getStyle() const { return style; }

    void draw(CDrawContext* context) override;

protected:
    void drawBackgroundAndFrame(CDrawContext* context);
    void drawText(CDrawContext* context, const char* text);
    void applyTextSettings(CDrawContext* context) const;

    long font = kNormalFontSmall;
    CColor fontColor = kWhiteCColor;
    CColor backColor = kBlackCColor;
    CColor frameColor = kBlackCColor;
    CColor shadowColor = kBlackCColor;
    long horiAlign = kCenterText;
    long txtFace = kNormalFace;
    long style;
};

class CTextLabel : public CParamDisplay
{
public:
    static constexpr std::size_t kMaxTextLength = 255;

    CTextLabel(const CRect& size, const char* text = nullptr, CBitmap* background = nullptr, long style = 0);

    // Copies the text (cut to 255 characters); null empties it. Marks the view dirty.
    virtual void setText(const char* newText);
    const char* getText() const { return text; }

    void draw(CDrawContext* context) override;

protected:
    void storeText(const char* newText);

    char text[kMaxTextLength + 1] = {};
};
