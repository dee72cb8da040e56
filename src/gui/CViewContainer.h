// A view holding other views, drawn in the order they were added (later ones on top), in
// coordinates relative to the container's top left corner. It does not own them: removing a
// view (or deleting the container) releases it only when asked to.
#pragma once

#include "CView.h"

#include <vector>

// Update modes: redraw the whole container when anything in it is dirty, or only the dirty views.
enum
{
    kNormalUpdate = 0,
    kOnlyDirtyUpdate
};

class CViewContainer : public CView
{
public:
    // frame: the frame the container is meant for, known before the container is added to it.
    CViewContainer(const CRect& size, CFrame* frame, CBitmap* background = nullptr);
    // Lets go of every view without releasing it.
    ~CViewContainer() override;

    // Appends the view (drawn above the others). A view already in a container is moved here.
    virtual void addView(CView* view);
    // withForget: also give back the caller's reference (which deletes a view held nowhere else).
    virtual void removeView(CView* view, bool withForget = false);
    virtual void removeAll(bool withForget = false);
    bool isChild(const CView* view) const;
    long getNbViews() const { return static_cast<long>(views.size()); }
    // The view at that place in drawing order, or null.
    CView* getView(long index) const;

    void setMode(long newMode) { mode = newMode; }
    long getMode() const { return mode; }
    void setBackgroundColor(const CColor& color);
    CColor getBackgroundColor() const { return backgroundColor; }

    CFrame* getFrame() const override;
    bool isContainer() const override { return true; }
    void draw(CDrawContext* context) override;
    void drawRect(CDrawContext* context, const CRect& updateRect) override;
    bool takeDirty() override;

    // The topmost mouse-enabled view under where (parent coordinates), searching inside
    // containers; null when there is none.
    CView* findViewAt(const CPoint& where) const;
    // Appends, in frame coordinates, the areas that need drawing, and clears their dirty flags.
    void collectDirtyAreas(std::vector<CRect>& areas, const CPoint& parentOrigin);

protected:
    void onDetached() override;
    void drawBackground(CDrawContext* context, const CRect& localArea);
    bool hasDirtyView() const;

    std::vector<CView*> views;
    CFrame* intendedFrame;
    long mode = kOnlyDirtyUpdate;
    CColor backgroundColor = kBlackCColor;
};
