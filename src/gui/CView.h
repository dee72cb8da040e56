// The base of everything on the panel: a rectangle in its parent's coordinates that draws
// itself and may answer the mouse and the keyboard.
#pragma once

#include "CReferenceCounter.h"
#include "GuiTypes.h"
#include "vst/AEffEditor.h"

#include <atomic>
#include <vector>

class CBitmap;
class CDrawContext;
class CFrame;
class CViewContainer;

class CView : public CReferenceCounter
{
public:
    explicit CView(const CRect& size);
    // Leaves its container (without being released) and gives back its background.
    ~CView() override;

    virtual void draw(CDrawContext* context);
    // Draws the part of the view inside updateRect (parent coordinates); a plain view clips
    // itself to its rectangle.
    virtual void drawRect(CDrawContext* context, const CRect& updateRect);

    // Dirty views are redrawn by the frame's idle. Callable from any thread.
    virtual void setDirty(bool state = true) { dirty.store(state, std::memory_order_relaxed); }
    virtual bool isDirty() const { return dirty.load(std::memory_order_relaxed); }
    // Clears the dirty state and tells whether it was set.
    virtual bool takeDirty();

    void setTransparency(bool state);
    bool getTransparency() const { return transparent; }
    void setMouseEnabled(bool state) { mouseEnabled = state; }
    bool getMouseEnabled() const { return mouseEnabled; }

    // Remembers the new bitmap and forgets the old one.
    virtual void setBackground(CBitmap* bitmap);
    CBitmap* getBackground() const { return background; }

    const CRect& getViewSize() const { return size; }
    void getViewSize(CRect& rect) const { rect = size; }
    virtual void setViewSize(const CRect& rect);
    CCoord getWidth() const { return size.getWidth(); }
    CCoord getHeight() const { return size.getHeight(); }

    CViewContainer* getParentView() const { return parent; }
    virtual CFrame* getFrame() const;
    bool isDescendantOf(const CView* ancestor) const;
    // The frame coordinates of the parent's origin, and of the view's rectangle.
    CPoint getParentOrigin() const;
    CRect getFrameRect() const { return size.offsetBy(getParentOrigin().x, getParentOrigin().y); }

    virtual bool isContainer() const { return false; }

    // Mouse: where is in parent coordinates, like the view's rectangle. A view that handles the
    // button press gets the moves and the release until the button goes up.
    virtual bool onMouseDown(CPoint& where, long buttons);
    virtual bool onMouseUp(CPoint& where, long buttons);
    virtual bool onMouseMoved(CPoint& where, long buttons);
    virtual void onMouseExited() {}
    virtual bool onWheel(CPoint& where, float distance, long buttons);
    // Keys reach the view that has the focus.
    virtual bool onKeyDown(const VstKeyCode& key);
    virtual bool onKeyUp(const VstKeyCode& key);
    virtual void takeFocus() {}
    virtual void looseFocus() {}

protected:
    friend class CViewContainer;
    // Called when the view leaves its container or the container leaves the frame.
    virtual void onDetached() {}

    CRect size;
    CViewContainer* parent = nullptr;
    CBitmap* background = nullptr;
    bool transparent = false;
    bool mouseEnabled = true;

private:
    std::atomic<bool> dirty{true};
};
