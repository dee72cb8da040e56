// Drawing on a cairo surface: colours, lines, rectangles, text in the standard fonts and
// pictures. Coordinates are those of the current origin (see Scope).
#pragma once

#include "GuiTypes.h"

typedef struct _cairo cairo_t;
typedef struct _cairo_surface cairo_surface_t;

class CDrawContext
{
public:
    explicit CDrawContext(cairo_surface_t* target);
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
    // Copies the surface's part at offset into dest.
    void drawSurface(cairo_surface_t* surface, const CRect& dest, const CPoint& offset);

    cairo_t* getCairo() const { return cr; }

private:
    void useColor(const CColor& color);
    void applyFont();

    cairo_t* cr;
    CColor fillColor = kWhiteCColor;
    CColor frameColor = kBlackCColor;
    CColor fontColor = kBlackCColor;
    CCoord lineWidth = 1;
    long font = kNormalFont;
    double fontSize = 12;
    long face = kNormalFace;
};
