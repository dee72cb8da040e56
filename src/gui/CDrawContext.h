// Drawing on an image: colours, lines, rectangles, text in the standard fonts and pictures.
// Coordinates are those of the current origin (see Scope). The drawing itself is the back end's:
// cairo (cairo/) on Linux, GDI+ (gdiplus/) on Windows.
#pragma once

#include "GuiTypes.h"

#include <memory>

namespace gui
{
class Image;
}

class CDrawContext
{
public:
    explicit CDrawContext(gui::Image& target);
    ~CDrawContext();
    CDrawContext(const CDrawContext&) = delete;
    CDrawContext& operator=(const CDrawContext&) = delete;

    // Saves origin and clip on construction, restores them when it ends.
    class Scope
    {
    public:
        explicit Scope(CDrawContext* context);
        ~Scope();
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;

    private:
        CDrawContext* context;
    };

    // Moves the origin by delta (within the current Scope).
    void translate(const CPoint& delta);
    // Narrows drawing to rect (within the current Scope).
    void clipRect(const CRect& rect);

    void setFillColor(const CColor& color) { fillColor = color; }
    CColor getFillColor() const { return fillColor; }
    void setFrameColor(const CColor& color) { frameColor = color; }
    CColor getFrameColor() const { return frameColor; }
    void setFontColor(const CColor& color) { fontColor = color; }
    CColor getFontColor() const { return fontColor; }
    void setLineWidth(CCoord width) { lineWidth = width; }

    // A standard font (CFont) in its standard size, or in size points when size > 0; face is CTxtFace bits.
    void setFont(long font, long size = 0, long face = kNormalFace);
    static double standardFontSize(long font);

    void fillRect(const CRect& rect);
    // The outline just inside rect, in the frame colour.
    void drawRect(const CRect& rect);
    void drawLine(const CPoint& from, const CPoint& to);
    // One line of text in the font colour, vertically centred in rect, not clipped to it.
    void drawString(const char* text, const CRect& rect, CHoriTxtAlign align = kCenterText);
    CCoord getStringWidth(const char* text);
    // Blends the image's part at offset into dest.
    void drawImage(const gui::Image& image, const CRect& dest, const CPoint& offset);
    // Completes the drawing so far in the target image.
    void flush();

    // The drawing library's state, for code of the same back end (cairo/CairoDrawContext.h).
    struct Native;
    Native& getNative() const { return *native; }

private:
    // Where drawString puts a text in rect: the left end of its line and its baseline, for a
    // font of that ascent and descent (pixels).
    CPoint textOrigin(const char* text, const CRect& rect, CHoriTxtAlign align, double ascent,
                      double descent);
    void save();
    void restore();
    void applyFont();

    std::unique_ptr<Native> native;
    CColor fillColor = kWhiteCColor;
    CColor frameColor = kBlackCColor;
    CColor fontColor = kBlackCColor;
    CCoord lineWidth = 1;
    long font = kNormalFont;
    double fontSize = 12;
    long face = kNormalFace;
};
