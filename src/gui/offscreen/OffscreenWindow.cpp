#include "OffscreenWindow.h"

namespace gui
{
OffscreenSurface::OffscreenSurface(const CRect& screenRect)
    : surface(std::max(screenRect.getWidth(), 1), std::max(screenRect.getHeight(), 1)), rect(screenRect)
{
}

OffscreenWindow::OffscreenWindow(const CRect& size)
    : surface(CRect(0, 0, size.getWidth(), size.getHeight()).offset(kScreen.left, kScreen.top))
{
}

void OffscreenWindow::resize(const CRect& size)
{
    surface =
        OffscreenSurface(CRect(0, 0, size.getWidth(), size.getHeight()).offset(kScreen.left, kScreen.top));
}

std::unique_ptr<Surface> OffscreenWindow::createPopup(const CRect& screenRect, WindowEventSink* /*sink*/)
{
    return std::make_unique<OffscreenSurface>(screenRect);
}

std::unique_ptr<FrameWindow> createOffscreenWindow(const CRect& size, WindowEventSink* /*sink*/)
{
    return std::make_unique<OffscreenWindow>(size);
}
} // namespace gui
