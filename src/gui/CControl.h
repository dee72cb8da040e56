// Controls: views with a value that the user changes, reported to a listener.
#pragma once

#include "CView.h"

class CControl;

class CControlListener
{
public:
    virtual ~CControlListener() = default;
    // The user changed the control's value.
    virtual void valueChanged(CDrawContext* context, CControl* control) = 0;
    // The mouse moves over a control.
    virtual void mouseMoved(CDrawContext* /*context*/, CControl* /*control*/) {}
    // The user grabs a control: a press, a drag, a wheel turn or typing begins.
    virtual void controlBeginEdit(CDrawContext* /*context*/, CControl* /*control*/) {}
    // A click with a modifier key or another button; non-zero takes the click away from the control.
    virtual long controlModifierClicked(CDrawContext* /*context*/, CControl* /*control*/, long /*button*/)
    {
        return 0;
    }
};

class CControl : public CView
{
public:
    CControl(const CRect& size, CControlListener* listener = nullptr, long tag = -1,
             CBitmap* background = nullptr);

    // The value is 0..1 unless a control sets another range; it is stored as given.
    virtual void setValue(float newValue);
    float getValue() const { return value.load(std::memory_order_relaxed); }
    void setMin(float newMin) { minValue = newMin; }
    float getMin() const { return minValue; }
    void setMax(float newMax) { maxValue = newMax; }
    float getMax() const { return maxValue; }
    // The value limited to min..max.
    float getBoundedValue() const;

    // Tags name what the control edits (the host parameter numbers; -1 for none).
    void setTag(long newTag) { tag = newTag; }
    long getTag() const { return tag; }
    void setExtraTag(long newTag) { extraTag = newTag; }
    long getExtraTag() const { return extraTag; }

    void setListener(CControlListener* newListener) { listener = newListener; }
    CControlListener* getListener() const { return listener; }
    void setBackOffset(const CPoint& offset) { backOffset = offset; }
    const CPoint& getBackOffset() const { return backOffset; }

    // Tell the host that the user grabs or lets go of the parameters of both tags.
    void beginEdit();
    void endEdit();
    bool isEditing() const { return editing; }

protected:
    // Draws picture index of the background's vertical strip (pictures of frameHeight) from the offset.
    void drawBackgroundFrame(CDrawContext* context, long index, CCoord frameHeight) const;
    CDrawContext* listenerContext() const;
    // Sets a value the user chose, limited to min..max, and tells the listener when it changed.
    void setUserValue(float newValue);
    // Moves the value by one wheel turn of distance notches (finer with shift), as one edit.
    bool wheelValue(float distance, long buttons);
    void notifyValueChanged();
    void notifyMouseMoved();
    // Offers a click with modifiers to the listener; true when the listener took it.
    bool modifierClickTaken(long buttons);

    CControlListener* listener;
    long tag;
    long extraTag = -1;
    CPoint backOffset;
    float minValue = 0.0f;
    float maxValue = 1.0f;

private:
    std::atomic<float> value{0.0f};
    bool editing = false;
};

// A control whose value the mouse drags (knobs, sliders): one host edit from press to release,
// the listener's mouseMoved while the mouse moves over it, and the wheel.
class CDragControl : public CControl
{
public:
    using CControl::CControl;

    bool onMouseMoved(CPoint& where, long buttons) override;
    bool onMouseUp(CPoint& where, long buttons) override;
    bool onWheel(CPoint& where, float distance, long buttons) override;

protected:
    // Begins the edit for a left press that the listener does not take; false otherwise.
    bool startDrag(long buttons);
    // Follows the mouse while the button is held.
    virtual void dragTo(const CPoint& where, long buttons) = 0;
};
