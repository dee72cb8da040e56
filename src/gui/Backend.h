// The one interface between the toolkit and a windowing system. A back end gives the frame a
// window with an image to draw into, shows parts of that image, and delivers input to a sink.
// Back ends: X11 (x11/) on Linux, Win32 (win32/) on Windows, offscreen (offscreen/) on both.
#pragma once

#include "GuiTypes.h"
#include "Image.h"
#include "vst/AEffEditor.h"

#include <cstdint>
#include <memory>

namespace gui
{
// Receives a window's input. Frame windows report points in window coordinates, popup windows
// in screen coordinates.
class WindowEventSink
{
public:
    virtual ~WindowEventSink() = default;
    virtual void windowMouseDown(CPoint where, long buttons) = 0;
    virtual void windowMouseUp(CPoint where, long buttons) = 0;
    virtual void windowMouseMoved(CPoint where, long buttons) = 0;
    virtual void windowMouseExited() {}
    virtual bool windowWheel(CPoint /*where*/, float /*distance*/, long /*buttons*/) { return false; }
    virtual bool onKeyDown(const VstKeyCode& key) = 0;
    virtual bool onKeyUp(const VstKeyCode& key) = 0;
};

// A window of the back end: the toolkit draws into image() and then presents the parts it changed.
class Surface
{
public:
    virtual ~Surface() = default;
    // An image of the window's size.
    virtual Image& image() = 0;
    virtual void present(const CRect& area) = 0;
    // Where the window is on the screen.
    virtual CRect screenRect() = 0;
};

// The frame's window: a child of the host's window, or an image in memory.
class FrameWindow : public Surface
{
public:
    // Delivers every pending input event to the sink and repaints what the system lost.
    virtual void processEvents() = 0;
    // False while the host hides the window.
    virtual bool isVisible() = 0;
    // The screen's area, for placing popups.
    virtual CRect screenBounds() = 0;
    // An undecorated window on top of everything (a popup menu); its sink gets screen coordinates.
    virtual std::unique_ptr<Surface> createPopup(const CRect& screenRect, WindowEventSink* sink) = 0;
    // Takes the keyboard while a text edit is being edited; until then keys stay with the host.
    virtual void takeKeyboardFocus() = 0;
    // Gives the keyboard back to whoever had it.
    virtual void releaseKeyboardFocus() = 0;
    // Gives the window another size (pixels) and a new image of that size, transparent black.
    virtual void resize(const CRect& size) = 0;
    // The system's handle of the window (an X11 Window), for a host that embeds it by that
    // handle; 0 for an image in memory.
    virtual std::uintptr_t nativeHandle() const { return 0; }
    // The host gives the window an area of that size: the window keeps its own size, in the
    // middle of the area (at its top left when the area is smaller).
    virtual void centreIn(int /*width*/, int /*height*/) {}
};

// A child window of parent, the window that the host passes to effEditOpen: an X11 Window
// (on a connection of our own) on Linux, an HWND on Windows; size in pixels. Null when there is
// no window system or the window cannot be made.
std::unique_ptr<FrameWindow> createSystemWindow(void* parent, const CRect& size, const char* title,
                                                WindowEventSink* sink);
// An image in memory, for tests and pictures of the panel.
std::unique_ptr<FrameWindow> createOffscreenWindow(const CRect& size, WindowEventSink* sink);

// How much the desktop enlarges what it shows, in per cent (100 when it says nothing): on Linux
// GDK_SCALE, else the X resource Xft.dpi against 96; on Windows the DPI of the window parent
// (or of the screen) against 96.
int desktopScale(void* parent);
} // namespace gui
