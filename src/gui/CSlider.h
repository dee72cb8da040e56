// Sliders: a handle picture moving over a track picture between two positions. The style
// gives the direction (kHorizontal or kVertical) and the end of the minimum (kLeft, kRight,
// kTop or kBottom; by default the bottom or the left). Knob-like mouseMoved to the listener.
#pragma once

#include "CControl.h"

class CSlider : public CDragControl
{
public:
    // iMinPos and iMaxPos: the handle's first and last position (its top or left edge) in
    // parent coordinates, like size.
    CSlider(const CRect& size, CControlListener* listener, long tag, CCoord iMinPos, CCoord iMaxPos,
            CBitmap* handle, CBitmap* background, const CPoint& offset, long style);
    ~CSlider() override;

    long getStyle() const { return style; }
    // Where the handle is drawn across the slider's direction, from the slider's edge.
    void setOffsetHandle(const CPoint& offset);
    // The handle's rectangle for the current value (parent coordinates).
    CRect handleRect() const;
    // The value that puts the handle's middle under a point.
    float valueFromPoint(const CPoint& where) const;

    void draw(CDrawContext* context) override;
    bool onMouseDown(CPoint& where, long buttons) override;

protected:
    void dragTo(const CPoint& where, long buttons) override;

private:
    bool isVertical() const { return (style & kVertical) != 0; }
    // True when the minimum is at the top or left end.
    bool minimumFirst() const;
    CCoord along(const CPoint& p) const { return isVertical() ? p.y : p.x; }
    CCoord handleLength() const;
    CCoord handlePosition() const;
    float valueFromHandlePosition(CCoord position) const;

    CBitmap* handle;
    CCoord minPos;
    CCoord rangeHandle;
    CPoint offsetHandle;
    long style;
    CCoord grabOffset = 0;
    CCoord lastAlong = 0;
};

class CVerticalSlider : public CSlider
{
public:
    CVerticalSlider(const CRect& size, CControlListener* listener, long tag, CCoord iMinPos, CCoord iMaxPos,
                    CBitmap* handle, CBitmap* background, const CPoint& offset = CPoint(),
                    long style = kBottom);
};

class CHorizontalSlider : public CSlider
{
public:
    CHorizontalSlider(const CRect& size, CControlListener* listener, long tag, CCoord iMinPos, CCoord iMaxPos,
                      CBitmap* handle, CBitmap* background, const CPoint& offset = CPoint(),
                      long style = kLeft);
};
