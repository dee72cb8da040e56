// Drawing on an image: colours, lines, rectangles, text in the standard fonts and pictures.
// Coordinates are panel units from the current origin (see Scope); the context's zoom turns
// them into the image's pixels (gui/Zoom.h). Rectangles, clips and pictures land on whole
// pixels, texts are laid out at the zoomed size. The drawing itself is the back end's, in
// pixels: cairo (cairo/) on Linux, GDI+ (gdiplus/) on Windows.
#pragma once

#include "GuiTypes.h"

#include <memory>
#include <vector>

namespace gui
{
class Image;
}

class CDrawContext
{
public:
    // zoomPercent: one of the zoom steps (gui/Zoom.h); pixels per hundred panel units.
    explicit CDrawContext(gui::Image& target, int zoomPercent = 100);
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

    int getZoom() const { return zoom; }
    // The pixels of the image that a rectangle (panel units from the origin) covers.
    CRect toPixels(const CRect& rect) const;

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
    // Blends the image's pixels, one to one, into dest's pixels: the pixel at offset (in the
    // image) lands on dest's top left corner; only pixels inside within (the whole image when
    // empty) are drawn.
    void drawImage(const gui::Image& image, const CRect& dest, const CPoint& offset,
                   const CRect& within = CRect());
    // Completes the drawing so far in the target image.
    void flush();

    // The drawing library's state, for code of the same back end (cairo/CairoDrawContext.h).
    struct Native;
    Native& getNative() const { return *native; }

private:
    // Where drawString puts a text in its pixels: the left end of its line and its baseline,
    // for a text of that width and a font of that ascent and descent (all pixels).
    static CPoint textOrigin(const CRect& pixels, CHoriTxtAlign align, CCoord width, double ascent,
                             double descent);
    CPoint toPixels(const CPoint& point) const;
    // The centre line and pixel width of a line of lineWidth units from a point, on whole pixels.
    double linePixelWidth() const;
    double lineCentre(CCoord units, double pixelWidth) const;
    // The font's size in pixels.
    double pixelFontSize() const;
    void save();
    void restore();
    void applyFont();
    // The back end's work, all in pixels of the image.
    void fillPixels(const CRect& pixels, const CColor& color);
    void clipPixels(const CRect& pixels);
    void drawLinePixels(double x0, double y0, double x1, double y1, double width);
    double stringPixelWidth(const char* text);
    void drawStringPixels(const char* text, const CRect& pixels, CHoriTxtAlign align);
    // Copies the image's pixels from source onwards onto covered.
    void drawImagePixels(const gui::Image& image, const CRect& covered, const CPoint& source);

    std::unique_ptr<Native> native;
    int zoom = 100;
    CPoint origin;
    std::vector<CPoint> savedOrigins;
    CColor fillColor = kWhiteCColor;
    CColor frameColor = kBlackCColor;
    CColor fontColor = kBlackCColor;
    CCoord lineWidth = 1;
    long font = kNormalFont;
    double fontSize = 12;
    long face = kNormalFace;
};
