#include "CControl.h"

#include "CBitmap.h"
#include "CFrame.h"
#include "vst/AEffGUIEditor.h"

#include <algorithm>
#include <cmath>

CControl::CControl(const CRect& size, CControlListener* listener, long tag, CBitmap* background)
    : CView(size), listener(listener), tag(tag)
{
    setBackground(background);
}

void CControl::setValue(float newValue)
{
    if (value.exchange(newValue, std::memory_order_relaxed) != newValue)
        setDirty();
}

float CControl::getBoundedValue() const
{
    const float v = getValue();
    if (std::isnan(v))
        return minValue;
    return std::clamp(v, std::min(minValue, maxValue), std::max(minValue, maxValue));
}

namespace
{
AEffGUIEditor* editorOf(const CControl* control)
{
    const CFrame* frame = control->getFrame();
    return frame ? frame->getEditor() : nullptr;
}
} // namespace

void CControl::beginEdit()
{
    if (editing)
        return;
    editing = true;
    if (listener)
        listener->controlBeginEdit(listenerContext(), this);
    if (AEffGUIEditor* editor = editorOf(this))
        for (long t : {tag, extraTag})
            if (t >= 0)
                editor->beginEdit(static_cast<int>(t));
}

void CControl::endEdit()
{
    if (!editing)
        return;
    editing = false;
    if (AEffGUIEditor* editor = editorOf(this))
        for (long t : {tag, extraTag})
            if (t >= 0)
                editor->endEdit(static_cast<int>(t));
}

CDrawContext* CControl::listenerContext() const
{
    const CFrame* frame = getFrame();
    return frame ? frame->getDrawContext() : nullptr;
}

void CControl::notifyValueChanged()
{
    if (listener)
        listener->valueChanged(listenerContext(), this);
}

void CControl::notifyMouseMoved()
{
    if (listener)
        listener->mouseMoved(listenerContext(), this);
}

bool CControl::modifierClickTaken(long buttons)
{
    if (!listener || !(buttons & kModifierButtons))
        return false;
    return listener->controlModifierClicked(listenerContext(), this, buttons) != 0;
}

void CControl::drawBackgroundFrame(CDrawContext* context, long index, CCoord frameHeight) const
{
    if (background)
        background->drawFrame(context, size, index, frameHeight, backOffset);
}

void CControl::setUserValue(float newValue)
{
    if (std::isnan(newValue))
        return;
    const float bounded = std::clamp(newValue, std::min(minValue, maxValue), std::max(minValue, maxValue));
    if (bounded == getValue())
        return;
    setValue(bounded);
    notifyValueChanged();
}

bool CControl::wheelValue(float distance, long buttons)
{
    constexpr float kStep = 0.01f;
    constexpr float kFineStep = 0.001f;
    beginEdit();
    setUserValue(getValue() + distance * ((buttons & kShift) ? kFineStep : kStep) * (maxValue - minValue));
    endEdit();
    return true;
}

bool CDragControl::startDrag(long buttons)
{
    if (!(buttons & kLButton) || modifierClickTaken(buttons & ~kShift))
        return false;
    beginEdit();
    return true;
}

bool CDragControl::onMouseMoved(CPoint& where, long buttons)
{
    if (isEditing())
        dragTo(where, buttons);
    notifyMouseMoved();
    return true;
}

bool CDragControl::onMouseUp(CPoint& /*where*/, long /*buttons*/)
{
    endEdit();
    return true;
}

bool CDragControl::onWheel(CPoint& /*where*/, float distance, long buttons)
{
    return wheelValue(distance, buttons);
}
