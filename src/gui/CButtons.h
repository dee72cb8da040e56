// Buttons drawn from a picture of two states stacked vertically (up or off on top).
#pragma once

#include "CControl.h"

// Value 1 while pressed. The listener hears the press and a release inside the button;
// a release outside cancels.
class CKickButton : public CControl
{
public:
    CKickButton(const CRect& size, CControlListener* listener, long tag, CCoord heightOfOneImage,
                CBitmap* background, const CPoint& offset = CPoint());

    void draw(CDrawContext* context) override;
    bool onMouseDown(CPoint& where, long buttons) override;
    bool onMouseMoved(CPoint& where, long buttons) override;
    bool onMouseUp(CPoint& where, long buttons) override;

private:
    CCoord heightOfOneImage;
};

// A click toggles between 0 and 1; with the latch flag a click only switches it on (a radio member).
class COnOffButton : public CControl
{
public:
    COnOffButton(const CRect& size, CControlListener* listener, long tag, CBitmap* background,
                 long style = 0);

    void setLatch(bool state) { latch = state; }
    bool getLatch() const { return latch; }
    long getStyle() const { return style; }

    void draw(CDrawContext* context) override;
    bool onMouseDown(CPoint& where, long buttons) override;
    bool onMouseMoved(CPoint& where, long buttons) override;
    bool onMouseUp(CPoint& where, long buttons) override;

private:
    long style;
    bool latch = false;
};
