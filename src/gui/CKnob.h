// Knobs: the value follows the mouse in the editor's knob mode (circular, relative circular or
// linear). While the mouse is over a knob its listener hears mouseMoved.
#pragma once

#include "CControl.h"

class CKnob : public CDragControl
{
public:
    // Knob modes, as the host sets them.
    enum KnobMode
    {
        kCircularMode = 0,
        kRelativCircularMode,
        kLinearMode
    };

    CKnob(const CRect& size, CControlListener* listener, long tag, CBitmap* background,
          const CPoint& offset = CPoint());

    // Angles in radians, counter-clockwise from three o'clock; a negative range turns clockwise.
    void setStartAngle(float angle);
    float getStartAngle() const { return startAngle; }
    void setRangeAngle(float angle);
    float getRangeAngle() const { return rangeAngle; }
    void setHandleColor(const CColor& color) { handleColor = color; }

    // The value that circular mode gives for a point (parent coordinates).
    float valueFromPoint(const CPoint& where) const;

    void draw(CDrawContext* context) override;
    bool onMouseDown(CPoint& where, long buttons) override;

protected:
    void dragTo(const CPoint& where, long buttons) override;
    // The bounded value as 0..1 of the range.
    float normalizedValue() const;

private:
    float angleOf(const CPoint& where) const;
    float dragValue(const CPoint& where, long buttons);

    float startAngle;
    float rangeAngle;
    CColor handleColor = kWhiteCColor;
    long dragMode = kCircularMode;
    CPoint lastPoint;
    float lastAngle = 0.0f;
};

// A knob drawn from a vertical strip of pictures of one height, the first for the minimum.
class CAnimKnob : public CKnob
{
public:
    CAnimKnob(const CRect& size, CControlListener* listener, long tag, long subPixmaps,
              CCoord heightOfOneImage, CBitmap* background, const CPoint& offset = CPoint());

    long getNumSubPixmaps() const { return subPixmaps; }
    // The strip picture that the current value shows.
    long currentPixmap() const;
    void draw(CDrawContext* context) override;

private:
    long subPixmaps;
    CCoord heightOfOneImage;
};
