// The offscreen back end: windows are images in memory on a pretend screen. Input is given to
// the frame (and to popups through the frame's menu session) by calling them directly.
#pragma once

#include "gui/Backend.h"

namespace gui
{
class OffscreenSurface : public Surface
{
public:
    explicit OffscreenSurface(const CRect& screenRect);

    Image& image() override { return surface; }
    // The image is the window: nothing to show it on.
    void present(const CRect& /*area*/) override {}
    CRect screenRect() override { return rect; }

private:
    Image surface;
    CRect rect;
};

class OffscreenWindow : public FrameWindow
{
public:
    // The pretend screen is 1280 x 800 with the frame at its top left corner.
    static constexpr CRect kScreen{0, 0, 1280, 800};

    explicit OffscreenWindow(const CRect& size);

    Image& image() override { return surface.image(); }
    void present(const CRect& area) override { surface.present(area); }
    CRect screenRect() override { return surface.screenRect(); }
    void processEvents() override {}
    bool isVisible() override { return true; }
    CRect screenBounds() override { return kScreen; }
    std::unique_ptr<Surface> createPopup(const CRect& screenRect, WindowEventSink* sink) override;
    void takeKeyboardFocus() override {}
    void releaseKeyboardFocus() override {}
    void resize(const CRect& size) override;

private:
    OffscreenSurface surface;
};
} // namespace gui
