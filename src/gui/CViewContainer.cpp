#include "CViewContainer.h"

#include "CBitmap.h"
#include "CDrawContext.h"
#include "CFrame.h"

#include <algorithm>

CViewContainer::CViewContainer(const CRect& size, CFrame* frame, CBitmap* background)
    : CView(size), intendedFrame(frame)
{
    setBackground(background);
}

CViewContainer::~CViewContainer()
{
    removeAll(false);
}

void CViewContainer::addView(CView* view)
{
    if (!view || view == this || isDescendantOf(view))
        return;
    if (view->parent)
        view->parent->removeView(view, false);
    views.push_back(view);
    view->parent = this;
    view->setDirty();
}

void CViewContainer::removeView(CView* view, bool withForget)
{
    const auto it = std::find(views.begin(), views.end(), view);
    if (it == views.end())
        return;
    if (CFrame* frame = getFrame())
        frame->viewLeaving(view);
    views.erase(it);
    view->parent = nullptr;
    view->onDetached();
    if (withForget)
        view->forget();
}

void CViewContainer::removeAll(bool withForget)
{
    while (!views.empty())
        removeView(views.back(), withForget);
}

bool CViewContainer::isChild(const CView* view) const
{
    return std::find(views.begin(), views.end(), view) != views.end();
}

CView* CViewContainer::getView(long index) const
{
    return index >= 0 && index < getNbViews() ? views[static_cast<size_t>(index)] : nullptr;
}

void CViewContainer::setBackgroundColor(const CColor& color)
{
    backgroundColor = color;
    setDirty();
}

CFrame* CViewContainer::getFrame() const
{
    return parent ? parent->getFrame() : intendedFrame;
}

void CViewContainer::onDetached()
{
    for (CView* view : views)
        view->onDetached();
}

void CViewContainer::drawBackground(CDrawContext* context, const CRect& localArea)
{
    if (!transparent)
    {
        context->setFillColor(backgroundColor);
        context->fillRect(localArea);
    }
    if (background)
        background->draw(context, CRect(0, 0, size.getWidth(), size.getHeight()));
}

void CViewContainer::draw(CDrawContext* context)
{
    drawRect(context, size);
}

void CViewContainer::drawRect(CDrawContext* context, const CRect& updateRect)
{
    const CRect area = updateRect.intersection(size);
    if (area.isEmpty())
        return;
    CDrawContext::Scope scope(context);
    context->clipRect(area);
    context->translate(size.getTopLeft());
    const CRect localArea = area.offsetBy(-size.left, -size.top);
    drawBackground(context, localArea);
    for (CView* view : views)
        if (view->getViewSize().rectOverlap(localArea))
            view->drawRect(context, localArea);
}

bool CViewContainer::hasDirtyView() const
{
    for (const CView* view : views)
    {
        if (view->isDirty())
            return true;
        if (view->isContainer() && static_cast<const CViewContainer*>(view)->hasDirtyView())
            return true;
    }
    return false;
}

bool CViewContainer::takeDirty()
{
    bool was = CView::takeDirty();
    for (CView* view : views)
        was = view->takeDirty() || was;
    return was;
}

void CViewContainer::collectDirtyAreas(std::vector<CRect>& areas, const CPoint& parentOrigin)
{
    const CRect inFrame = size.offsetBy(parentOrigin.x, parentOrigin.y);
    if (CView::takeDirty() || (mode == kNormalUpdate && hasDirtyView()))
    {
        takeDirty();
        areas.push_back(inFrame);
        return;
    }
    const CPoint origin = inFrame.getTopLeft();
    for (CView* view : views)
    {
        if (view->isContainer())
            static_cast<CViewContainer*>(view)->collectDirtyAreas(areas, origin);
        else if (view->takeDirty())
            areas.push_back(view->getViewSize().offsetBy(origin.x, origin.y));
    }
}

CView* CViewContainer::findViewAt(const CPoint& where) const
{
    if (!mouseEnabled || !size.pointInside(where))
        return nullptr;
    const CPoint local = where.offsetBy(-size.left, -size.top);
    for (auto it = views.rbegin(); it != views.rend(); ++it)
    {
        CView* view = *it;
        if (view->isContainer())
        {
            if (CView* found = static_cast<CViewContainer*>(view)->findViewAt(local))
                return found;
        }
        else if (view->getMouseEnabled() && view->getViewSize().pointInside(local))
            return view;
    }
    return nullptr;
}
