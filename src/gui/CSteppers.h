// Stepper buttons: a press moves a target control by one step (once, no repeat) and reports
// the target, not the button, to the listener.
#pragma once

#include "CControl.h"

class COptionMenu;
class CTextEdit;

class CStepperKickButton : public CControl
{
public:
    CStepperKickButton(const CRect& size, CControlListener* listener, long tag, CCoord heightOfOneImage,
                       CBitmap* background, const CPoint& offset, int step);

    int getStep() const { return step; }
    void draw(CDrawContext* context) override;
    bool onMouseDown(CPoint& where, long buttons) override;
    bool onMouseUp(CPoint& where, long buttons) override;

protected:
    // Moves the target and returns the control to report, or null.
    virtual CControl* stepTarget() = 0;

    int step;

private:
    CCoord heightOfOneImage;
};

// Steps a numerical text edit (wrapping at its ends).
class CNumEditKickButton : public CStepperKickButton
{
public:
    CNumEditKickButton(const CRect& size, CControlListener* listener, long tag, CCoord heightOfOneImage,
                       CBitmap* background, const CPoint& offset, CTextEdit* edit, int step);

protected:
    CControl* stepTarget() override;

private:
    CTextEdit* edit;
};

// Steps the current entry of a menu, or of its submenu last used, stopping at the ends.
class CMenuSelectorKickButton : public CStepperKickButton
{
public:
    CMenuSelectorKickButton(const CRect& size, CControlListener* listener, long tag, CCoord heightOfOneImage,
                            CBitmap* background, const CPoint& offset, COptionMenu* menu, int step);

protected:
    CControl* stepTarget() override;

private:
    COptionMenu* menu;
};
