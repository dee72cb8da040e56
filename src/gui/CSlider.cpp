#include "CSlider.h"

#include "CBitmap.h"

#include <algorithm>

namespace
{
constexpr float kFineFactor = 0.1f;
}

CSlider::CSlider(const CRect& size, CControlListener* listener, long tag, CCoord iMinPos, CCoord iMaxPos,
                 CBitmap* handle, CBitmap* background, const CPoint& offset, long style)
    : CDragControl(size, listener, tag, background), handle(handle), style(style)
{
    setBackOffset(offset);
    if (handle)
        handle->remember();
    minPos = iMinPos - (isVertical() ? this->size.top : this->size.left);
    rangeHandle = iMaxPos - iMinPos;
}

CSlider::~CSlider()
{
    if (handle)
        handle->forget();
}

void CSlider::setOffsetHandle(const CPoint& offset)
{
    offsetHandle = offset;
    setDirty();
}

bool CSlider::minimumFirst() const
{
    return isVertical() ? (style & kTop) != 0 : (style & kRight) == 0;
}

CCoord CSlider::handleLength() const
{
    if (!handle)
        return 0;
    return isVertical() ? handle->getHeight() : handle->getWidth();
}

CCoord CSlider::handlePosition() const
{
    const float span = maxValue - minValue;
    float t = span != 0.0f ? (getBoundedValue() - minValue) / span : 0.0f;
    if (!minimumFirst())
        t = 1.0f - t;
    return minPos + static_cast<CCoord>(t * static_cast<float>(rangeHandle) + 0.5f);
}

CRect CSlider::handleRect() const
{
    const CCoord w = handle ? handle->getWidth() : 0;
    const CCoord h = handle ? handle->getHeight() : 0;
    const CCoord position = handlePosition();
    if (isVertical())
        return CRect(0, 0, w, h).offset(size.left + offsetHandle.x, size.top + position);
    return CRect(0, 0, w, h).offset(size.left + position, size.top + offsetHandle.y);
}

float CSlider::valueFromHandlePosition(CCoord position) const
{
    if (rangeHandle == 0)
        return getValue();
    float t = std::clamp(static_cast<float>(position - minPos) / static_cast<float>(rangeHandle), 0.0f, 1.0f);
    if (!minimumFirst())
        t = 1.0f - t;
    return minValue + t * (maxValue - minValue);
}

float CSlider::valueFromPoint(const CPoint& where) const
{
    const CCoord origin = isVertical() ? size.top : size.left;
    return valueFromHandlePosition(along(where) - origin - handleLength() / 2);
}

void CSlider::draw(CDrawContext* context)
{
    if (background)
        background->draw(context, size, backOffset);
    if (handle)
        handle->draw(context, handleRect());
}

bool CSlider::onMouseDown(CPoint& where, long buttons)
{
    if (!startDrag(buttons))
        return false;
    const CRect grip = handleRect();
    if (grip.pointInside(where))
        grabOffset = along(where) - along(grip.getTopLeft());
    else
    {
        grabOffset = handleLength() / 2;
        setUserValue(valueFromPoint(where));
    }
    lastAlong = along(where);
    notifyMouseMoved();
    return true;
}

void CSlider::dragTo(const CPoint& where, long buttons)
{
    if (buttons & kShift)
    {
        const float step = rangeHandle ? (maxValue - minValue) / static_cast<float>(rangeHandle) : 0.0f;
        const float direction = minimumFirst() ? 1.0f : -1.0f;
        setUserValue(getValue() +
                     static_cast<float>(along(where) - lastAlong) * step * kFineFactor * direction);
    }
    else
    {
        const CCoord origin = isVertical() ? size.top : size.left;
        setUserValue(valueFromHandlePosition(along(where) - origin - grabOffset));
    }
    lastAlong = along(where);
}

CVerticalSlider::CVerticalSlider(const CRect& size, CControlListener* listener, long tag, CCoord iMinPos,
                                 CCoord iMaxPos, CBitmap* handle, CBitmap* background, const CPoint& offset,
                                 long style)
    : CSlider(size, listener, tag, iMinPos, iMaxPos, handle, background, offset,
              (style & ~kHorizontal) | kVertical)
{
}

CHorizontalSlider::CHorizontalSlider(const CRect& size, CControlListener* listener, long tag, CCoord iMinPos,
                                     CCoord iMaxPos, CBitmap* handle, CBitmap* background,
                                     const CPoint& offset, long style)
    : CSlider(size, listener, tag, iMinPos, iMaxPos, handle, background, offset,
              (style & ~kVertical) | kHorizontal)
{
}
