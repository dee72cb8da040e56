#include "CButtons.h"

#include "CBitmap.h"

namespace
{
long stateOf(const CControl& control)
{
    return control.getValue() > 0.5f * (control.getMin() + control.getMax()) ? 1 : 0;
}
} // namespace

CKickButton::CKickButton(const CRect& size, CControlListener* listener, long tag, CCoord heightOfOneImage,
                         CBitmap* background, const CPoint& offset)
    : CControl(size, listener, tag, background), heightOfOneImage(heightOfOneImage)
{
    setBackOffset(offset);
}

void CKickButton::draw(CDrawContext* context)
{
    drawBackgroundFrame(context, stateOf(*this), heightOfOneImage);
}

bool CKickButton::onMouseDown(CPoint& /*where*/, long buttons)
{
    if (!(buttons & kLButton) || modifierClickTaken(buttons))
        return false;
    beginEdit();
    setValue(getMax());
    notifyValueChanged();
    return true;
}

bool CKickButton::onMouseMoved(CPoint& where, long /*buttons*/)
{
    if (isEditing())
        setValue(size.pointInside(where) ? getMax() : getMin());
    notifyMouseMoved();
    return true;
}

bool CKickButton::onMouseUp(CPoint& where, long /*buttons*/)
{
    if (!isEditing())
        return true;
    setValue(getMin());
    if (size.pointInside(where))
        notifyValueChanged();
    endEdit();
    return true;
}

COnOffButton::COnOffButton(const CRect& size, CControlListener* listener, long tag, CBitmap* background,
                           long style)
    : CControl(size, listener, tag, background), style(style)
{
}

void COnOffButton::draw(CDrawContext* context)
{
    const CCoord frameHeight = background ? background->getHeight() / 2 : 0;
    drawBackgroundFrame(context, stateOf(*this), frameHeight);
}

bool COnOffButton::onMouseDown(CPoint& /*where*/, long buttons)
{
    if (!(buttons & kLButton) || modifierClickTaken(buttons))
        return false;
    beginEdit();
    setValue(latch || stateOf(*this) == 0 ? getMax() : getMin());
    notifyValueChanged();
    return true;
}

bool COnOffButton::onMouseMoved(CPoint& /*where*/, long /*buttons*/)
{
    notifyMouseMoved();
    return true;
}

bool COnOffButton::onMouseUp(CPoint& /*where*/, long /*buttons*/)
{
    endEdit();
    return true;
}
