#include "CFrame.h"

#include "CDrawContext.h"
#include "COptionMenu.h"
#include "MenuSession.h"
#include "Zoom.h"
#include "vst/AEffGUIEditor.h"

namespace
{
constexpr size_t kMostSeparateAreas = 16;

bool touch(const CRect& a, const CRect& b)
{
    return a.left <= b.right && b.left <= a.right && a.top <= b.bottom && b.top <= a.bottom;
}

// Joins areas that touch until none do; many areas become their bounding box.
void mergeAreas(std::vector<CRect>& areas, const CRect& bounds)
{
    for (CRect& area : areas)
        area = area.intersection(bounds);
    std::erase_if(areas, [](const CRect& r) { return r.isEmpty(); });
    if (areas.size() > kMostSeparateAreas)
    {
        CRect all;
        for (const CRect& area : areas)
            all = all.unite(area);
        areas.assign(1, all);
        return;
    }
    for (size_t i = 0; i < areas.size(); ++i)
        for (size_t j = i + 1; j < areas.size(); ++j)
            if (touch(areas[i], areas[j]))
            {
                areas[i] = areas[i].unite(areas[j]);
                areas.erase(areas.begin() + static_cast<std::ptrdiff_t>(j));
                j = i; // the grown area may now touch earlier ones
            }
}
} // namespace

CFrame::CFrame(const CRect& size, const char* title, AEffGUIEditor* editor)
    : CViewContainer(CRect(0, 0, size.getWidth(), size.getHeight()), this), title(title ? title : ""),
      editor(editor)
{
}

CFrame::~CFrame()
{
    close();
    removeAll(false);
}

bool CFrame::open(void* parentWindow)
{
    close();
    if (parentWindow)
        window = gui::createSystemWindow(parentWindow, pixelSize(), title.c_str(), this);
    if (!window)
        window = gui::createOffscreenWindow(pixelSize(), this);
    context = std::make_unique<CDrawContext>(window->image(), zoom);
    setDirty();
    redrawDirty();
    return true;
}

void CFrame::setZoom(int percent)
{
    if (!gui::isZoomStep(percent) || percent == zoom)
        return;
    zoom = percent;
    if (!window)
        return;
    closeMenu();
    mouseCapture = nullptr;
    context.reset(); // it draws on the window's image, which the resize replaces
    window->resize(pixelSize());
    context = std::make_unique<CDrawContext>(window->image(), zoom);
    invalidAreas.clear();
    setDirty();
    redrawDirty();
}

CRect CFrame::pixelSize() const
{
    return CRect(0, 0, gui::toPixels(size.getWidth(), zoom), gui::toPixels(size.getHeight(), zoom));
}

CRect CFrame::toPixels(const CRect& rect) const
{
    return CRect(gui::toPixels(rect.left, zoom), gui::toPixels(rect.top, zoom),
                 gui::toPixels(rect.right, zoom), gui::toPixels(rect.bottom, zoom));
}

CPoint CFrame::toPanel(const CPoint& pixel) const
{
    return CPoint(gui::toUnits(pixel.x, zoom), gui::toUnits(pixel.y, zoom));
}

void CFrame::close()
{
    closeMenu();
    setFocusView(nullptr);
    mouseCapture = nullptr;
    hoverView = nullptr;
    invalidAreas.clear();
    context.reset();
    window.reset();
}

void CFrame::idle()
{
    if (!window)
        return;
    if (inIdle)
    {
        redrawDirty();
        return;
    }
    inIdle = true;
    window->processEvents();
    if (window && window->isVisible())
    {
        if (editor)
            editor->idleBeforeRedraw();
        redrawDirty();
    }
    inIdle = false;
}

void CFrame::invalidRect(const CRect& rect)
{
    if (!rect.isEmpty())
        invalidAreas.push_back(rect);
}

void CFrame::redrawDirty()
{
    if (!window || !context)
        return;
    std::vector<CRect> areas;
    areas.swap(invalidAreas);
    collectDirtyAreas(areas, CPoint());
    mergeAreas(areas, size);
    for (const CRect& area : areas)
        drawRect(context.get(), area);
    context->flush();
    for (const CRect& area : areas)
        window->present(toPixels(area));
}

void CFrame::setFocusView(CView* view)
{
    if (view == focusView)
        return;
    CView* previous = focusView;
    focusView = view;
    if (previous)
        previous->looseFocus();
    if (view && focusView == view)
    {
        view->takeFocus();
        if (window)
            window->takeKeyboardFocus();
    }
    else if (!focusView && window)
        window->releaseKeyboardFocus();
}

void CFrame::openMenu(COptionMenu* menu)
{
    closeMenu();
    if (!window || !menu)
        return;
    menuSession = std::make_unique<gui::MenuSession>(*this, *window);
    const CRect inWindow = toPixels(menu->getFrameRect());
    const CPoint topLeft = toScreen(inWindow.getTopLeft());
    menuSession->open(menu, inWindow.offsetBy(topLeft.x - inWindow.left, topLeft.y - inWindow.top));
}

void CFrame::closeMenu()
{
    // Moved out first: closing may run code that asks whether a menu is up.
    std::unique_ptr<gui::MenuSession> session = std::move(menuSession);
}

bool CFrame::saveImage(const char* path) const
{
    if (!window || !path)
        return false;
    return gui::writePng(window->image(), path);
}

void CFrame::viewLeaving(CView* view)
{
    invalidRect(view->getFrameRect());
    if (mouseCapture && mouseCapture->isDescendantOf(view))
        mouseCapture = nullptr;
    if (hoverView && hoverView->isDescendantOf(view))
        hoverView = nullptr;
    if (focusView && focusView->isDescendantOf(view))
        setFocusView(nullptr);
    if (menuSession && menuSession->involves(view))
        closeMenu();
}

CPoint CFrame::toParentCoordinates(const CView* view, const CPoint& where) const
{
    const CPoint origin = view->getParentOrigin();
    return where.offsetBy(-origin.x, -origin.y);
}

CPoint CFrame::toScreen(const CPoint& pixel) const
{
    const CPoint origin = window ? window->screenRect().getTopLeft() : CPoint();
    return pixel.offsetBy(origin.x, origin.y);
}

void CFrame::setHoverView(CView* view)
{
    if (view == hoverView)
        return;
    CView* previous = hoverView;
    hoverView = view;
    if (previous)
        previous->onMouseExited();
}

void CFrame::windowMouseDown(CPoint pixel, long buttons)
{
    if (menuSession)
    {
        menuSession->windowMouseDown(toScreen(pixel), buttons);
        return;
    }
    const CPoint where = toPanel(pixel);
    CView* target = findViewAt(where);
    if (focusView && target != focusView)
        setFocusView(nullptr);
    if (!target)
        return;
    CPoint local = toParentCoordinates(target, where);
    mouseCapture = target;
    const bool handled = target->onMouseDown(local, buttons);
    if (!handled && mouseCapture == target)
        mouseCapture = nullptr;
}

void CFrame::windowMouseUp(CPoint pixel, long buttons)
{
    if (menuSession)
    {
        menuSession->windowMouseUp(toScreen(pixel), buttons);
        return;
    }
    CView* target = mouseCapture;
    mouseCapture = nullptr;
    if (!target)
        return;
    CPoint local = toParentCoordinates(target, toPanel(pixel));
    target->onMouseUp(local, buttons);
}

void CFrame::windowMouseMoved(CPoint pixel, long buttons)
{
    if (menuSession)
    {
        menuSession->windowMouseMoved(toScreen(pixel), buttons);
        return;
    }
    const CPoint where = toPanel(pixel);
    CView* target = mouseCapture;
    if (!target)
    {
        setHoverView(findViewAt(where));
        target = hoverView;
    }
    if (!target)
        return;
    CPoint local = toParentCoordinates(target, where);
    target->onMouseMoved(local, buttons);
}

void CFrame::windowMouseExited()
{
    setHoverView(nullptr);
}

bool CFrame::windowWheel(CPoint pixel, float distance, long buttons)
{
    if (menuSession)
        return false;
    const CPoint where = toPanel(pixel);
    CView* target = findViewAt(where);
    if (!target)
        return false;
    CPoint local = toParentCoordinates(target, where);
    return target->onWheel(local, distance, buttons);
}

bool CFrame::onKeyDown(const VstKeyCode& key)
{
    if (menuSession)
        return menuSession->onKeyDown(key);
    if (focusView && focusView->onKeyDown(key))
        return true;
    return editor && editor->onShortcut(key);
}

bool CFrame::onKeyUp(const VstKeyCode& key)
{
    if (menuSession)
        return menuSession->onKeyUp(key);
    return focusView && focusView->onKeyUp(key);
}
