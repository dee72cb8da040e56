#include "CKnob.h"

#include "CBitmap.h"
#include "CDrawContext.h"
#include "vst/AEffGUIEditor.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace
{
constexpr float kPi = std::numbers::pi_v<float>;
constexpr float kLinearPixelsForRange = 150.0f;
constexpr float kFineFactor = 0.1f;

// Angle difference in (-pi, pi].
float wrapAngle(float angle)
{
    while (angle > kPi)
        angle -= 2 * kPi;
    while (angle <= -kPi)
        angle += 2 * kPi;
    return angle;
}
} // namespace

CKnob::CKnob(const CRect& size, CControlListener* listener, long tag, CBitmap* background,
             const CPoint& offset)
    : CDragControl(size, listener, tag, background), startAngle(5 * kPi / 4), rangeAngle(-3 * kPi / 2)
{
    setBackOffset(offset);
}

void CKnob::setStartAngle(float angle)
{
    startAngle = angle;
    setDirty();
}

void CKnob::setRangeAngle(float angle)
{
    rangeAngle = angle;
    setDirty();
}

float CKnob::normalizedValue() const
{
    const float span = maxValue - minValue;
    return span != 0.0f ? (getBoundedValue() - minValue) / span : 0.0f;
}

float CKnob::angleOf(const CPoint& where) const
{
    const float cx = size.left + size.getWidth() / 2.0f;
    const float cy = size.top + size.getHeight() / 2.0f;
    return std::atan2(cy - static_cast<float>(where.y), static_cast<float>(where.x) - cx);
}

float CKnob::valueFromPoint(const CPoint& where) const
{
    const float span = std::fabs(rangeAngle);
    if (span <= 0.0f)
        return getValue();
    float turned = (angleOf(where) - startAngle) * (rangeAngle < 0 ? -1.0f : 1.0f);
    turned = std::fmod(turned, 2 * kPi);
    if (turned < 0)
        turned += 2 * kPi;
    float t = turned / span;
    if (t > 1.0f) // in the gap between the ends: the nearer end
        t = (turned - span) < (2 * kPi - turned) ? 1.0f : 0.0f;
    return minValue + t * (maxValue - minValue);
}

float CKnob::dragValue(const CPoint& where, long buttons)
{
    const float fine = (buttons & kShift) ? kFineFactor : 1.0f;
    const float span = maxValue - minValue;
    switch (dragMode)
    {
    case kRelativCircularMode:
    {
        const float angle = angleOf(where);
        const float turned = wrapAngle(angle - lastAngle);
        lastAngle = angle;
        return rangeAngle != 0.0f ? getValue() + turned / rangeAngle * span * fine : getValue();
    }
    case kLinearMode:
    {
        const float moved = static_cast<float>((where.x - lastPoint.x) - (where.y - lastPoint.y));
        return getValue() + moved / kLinearPixelsForRange * span * fine;
    }
    default:
        return valueFromPoint(where);
    }
}

bool CKnob::onMouseDown(CPoint& where, long buttons)
{
    if (!startDrag(buttons))
        return false;
    dragMode = AEffGUIEditor::getKnobMode();
    lastPoint = where;
    lastAngle = angleOf(where);
    if (dragMode == kCircularMode)
        setUserValue(valueFromPoint(where));
    notifyMouseMoved();
    return true;
}

void CKnob::dragTo(const CPoint& where, long buttons)
{
    setUserValue(dragValue(where, buttons));
    lastPoint = where;
}

void CKnob::draw(CDrawContext* context)
{
    if (background)
        background->draw(context, size, backOffset);
    const float angle = startAngle + normalizedValue() * rangeAngle;
    const float radius = std::min(size.getWidth(), size.getHeight()) / 2.0f - 2;
    const CPoint centre(size.left + size.getWidth() / 2, size.top + size.getHeight() / 2);
    const CPoint tip(centre.x + static_cast<CCoord>(std::lround(radius * std::cos(angle))),
                     centre.y - static_cast<CCoord>(std::lround(radius * std::sin(angle))));
    context->setFrameColor(handleColor);
    context->setLineWidth(2);
    context->drawLine(centre, tip);
    context->setLineWidth(1);
}

CAnimKnob::CAnimKnob(const CRect& size, CControlListener* listener, long tag, long subPixmaps,
                     CCoord heightOfOneImage, CBitmap* background, const CPoint& offset)
    : CKnob(size, listener, tag, background, offset), subPixmaps(subPixmaps),
      heightOfOneImage(heightOfOneImage)
{
}

long CAnimKnob::currentPixmap() const
{
    if (subPixmaps <= 1)
        return 0;
    return std::lround(normalizedValue() * static_cast<float>(subPixmaps - 1));
}

void CAnimKnob::draw(CDrawContext* context)
{
    if (!background || heightOfOneImage <= 0)
        return;
    background->drawFrame(context, size, currentPixmap(), heightOfOneImage);
}
