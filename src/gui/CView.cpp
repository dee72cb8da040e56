#include "CView.h"

#include "CBitmap.h"
#include "CDrawContext.h"
#include "CFrame.h"
#include "CViewContainer.h"

CView::CView(const CRect& size) : size(size)
{
    this->size.normalize();
}

CView::~CView()
{
    if (parent)
        parent->removeView(this, false);
    if (background)
        background->forget();
}

void CView::draw(CDrawContext* context)
{
    if (background)
        background->draw(context, size);
}

void CView::drawRect(CDrawContext* context, const CRect& /*updateRect*/)
{
    CDrawContext::Scope scope(context);
    context->clipRect(size);
    draw(context);
}

bool CView::takeDirty()
{
    return dirty.load(std::memory_order_relaxed) && dirty.exchange(false, std::memory_order_relaxed);
}

void CView::setTransparency(bool state)
{
    if (transparent != state)
        setDirty();
    transparent = state;
}

void CView::setBackground(CBitmap* bitmap)
{
    if (bitmap == background)
        return;
    if (bitmap)
        bitmap->remember();
    if (background)
        background->forget();
    background = bitmap;
    setDirty();
}

void CView::setViewSize(const CRect& rect)
{
    if (CFrame* frame = getFrame())
        frame->invalidRect(getFrameRect());
    size = rect;
    size.normalize();
    setDirty();
}

CFrame* CView::getFrame() const
{
    return parent ? parent->getFrame() : nullptr;
}

bool CView::isDescendantOf(const CView* ancestor) const
{
    for (const CView* view = this; view; view = view->parent)
        if (view == ancestor)
            return true;
    return false;
}

CPoint CView::getParentOrigin() const
{
    CPoint origin;
    for (const CViewContainer* p = parent; p; p = p->parent)
        origin = origin.offsetBy(p->size.left, p->size.top);
    return origin;
}

bool CView::onMouseDown(CPoint& /*where*/, long /*buttons*/)
{
    return false;
}

bool CView::onMouseUp(CPoint& /*where*/, long /*buttons*/)
{
    return false;
}

bool CView::onMouseMoved(CPoint& /*where*/, long /*buttons*/)
{
    return false;
}

bool CView::onWheel(CPoint& /*where*/, float /*distance*/, long /*buttons*/)
{
    return false;
}

bool CView::onKeyDown(const VstKeyCode& /*key*/)
{
    return false;
}

bool CView::onKeyUp(const VstKeyCode& /*key*/)
{
    return false;
}
