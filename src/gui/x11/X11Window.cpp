// The X11 back end: a child window of the host's window on a Display connection of our own.
// Drawing goes to an image (the back buffer) that is copied to the window where it changed or
// was exposed. Every call happens on the thread that opens the frame and runs its idle.

#include "X11Keys.h"
#include "gui/Backend.h"
#include "gui/cairo/CairoImage.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <cairo-xlib.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <mutex>
#include <thread>
#include <vector>

namespace gui
{
namespace
{
// Key events are selected only while we hold the keyboard: otherwise they reach the host's
// window, whose shortcuts keep working over the panel.
constexpr long kWindowEvents = ExposureMask | ButtonPressMask | ButtonReleaseMask | PointerMotionMask |
                               StructureNotifyMask | LeaveWindowMask;
constexpr long kKeyEvents = KeyPressMask | KeyReleaseMask;
constexpr unsigned kGrabEvents = ButtonPressMask | ButtonReleaseMask | PointerMotionMask;
constexpr float kWheelNotch = 1.0f;
constexpr int kConnectAttempts = 5;
constexpr auto kConnectRetryDelay = std::chrono::milliseconds(2);

// A server that is busy accepting other clients can refuse a connection for a moment.
Display* openDisplay()
{
    for (int attempt = 1;; ++attempt)
    {
        if (Display* display = XOpenDisplay(nullptr))
            return display;
        if (attempt == kConnectAttempts)
            return nullptr;
        std::this_thread::sleep_for(kConnectRetryDelay);
    }
}

// X errors on our own connections (a window that the host destroyed first, a refused focus)
// are ignored; errors on the host's connections go to the handler that was there before.
struct ErrorFilter
{
    std::mutex mutex;
    std::vector<Display*> displays;
    XErrorHandler previous = nullptr;
    bool installed = false;
};

ErrorFilter& errorFilter()
{
    static ErrorFilter filter;
    return filter;
}

int filterError(Display* display, XErrorEvent* event)
{
    ErrorFilter& filter = errorFilter();
    XErrorHandler previous = nullptr;
    {
        std::lock_guard lock(filter.mutex);
        if (std::find(filter.displays.begin(), filter.displays.end(), display) != filter.displays.end())
            return 0;
        previous = filter.previous;
    }
    return previous ? previous(display, event) : 0;
}

void watchDisplay(Display* display)
{
    ErrorFilter& filter = errorFilter();
    std::lock_guard lock(filter.mutex);
    filter.displays.push_back(display);
    if (!filter.installed)
    {
        filter.previous = XSetErrorHandler(filterError);
        filter.installed = true;
    }
}

void unwatchDisplay(Display* display)
{
    ErrorFilter& filter = errorFilter();
    std::lock_guard lock(filter.mutex);
    std::erase(filter.displays, display);
}

// An X window with an image of its size that is copied onto it.
class X11Canvas
{
public:
    X11Canvas(Display* display, Window window, Visual* visual, CCoord width, CCoord height)
        : display(display), window(window), image(std::max(width, 1), std::max(height, 1)),
          target(cairo_xlib_surface_create(display, window, visual, std::max(width, 1), std::max(height, 1)))
    {
    }
    ~X11Canvas()
    {
        cairo_surface_finish(target);
        cairo_surface_destroy(target);
    }
    X11Canvas(const X11Canvas&) = delete;
    X11Canvas& operator=(const X11Canvas&) = delete;

    void resize(CCoord width, CCoord height)
    {
        image = Image(std::max(width, 1), std::max(height, 1));
        cairo_xlib_surface_set_size(target, image.width(), image.height());
    }

    void present(const CRect& area)
    {
        if (area.isEmpty())
            return;
        cairo_surface_t* source = cairoSurfaceOf(image);
        cairo_t* cr = cairo_create(target);
        cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
        cairo_set_source_surface(cr, source, 0, 0);
        cairo_rectangle(cr, area.left, area.top, area.getWidth(), area.getHeight());
        cairo_fill(cr);
        cairo_destroy(cr);
        cairo_surface_destroy(source);
        cairo_surface_flush(target);
        XFlush(display);
    }

    Display* display;
    Window window;
    Image image;
    cairo_surface_t* target;
};

// The panel has one size: a host that embeds the window by its handle and reads its size hints
// keeps it at that size (and centres it in a larger area) instead of stretching it.
void keepSize(Display* display, Window window, const CRect& size)
{
    XSizeHints* hints = XAllocSizeHints();
    if (!hints)
        return;
    hints->flags = PMinSize | PMaxSize | PBaseSize;
    hints->min_width = hints->max_width = hints->base_width = std::max(size.getWidth(), 1);
    hints->min_height = hints->max_height = hints->base_height = std::max(size.getHeight(), 1);
    XSetWMNormalHints(display, window, hints);
    XFree(hints);
}

CRect exposedArea(const XExposeEvent& event)
{
    return CRect(event.x, event.y, event.x + event.width, event.y + event.height);
}

class X11FrameWindow;

class X11Popup : public Surface
{
public:
    X11Popup(X11FrameWindow& owner, const CRect& rect, WindowEventSink* sink);
    ~X11Popup() override;

    Image& image() override { return canvas->image; }
    void present(const CRect& area) override { canvas->present(area); }
    CRect screenRect() override { return rect; }
    Window id() const { return canvas->window; }
    void handle(const XEvent& event);

private:
    X11FrameWindow& owner;
    CRect rect;
    WindowEventSink* sink;
    std::unique_ptr<X11Canvas> canvas;
};

class X11FrameWindow : public FrameWindow
{
public:
    static std::unique_ptr<X11FrameWindow> create(Window parent, const CRect& size, const char* title,
                                                  WindowEventSink* sink);
    X11FrameWindow(Display* display, Window window, Visual* visual, const CRect& size, WindowEventSink* sink);
    ~X11FrameWindow() override;

    Image& image() override { return canvas.image; }
    void present(const CRect& area) override { canvas.present(area); }
    CRect screenRect() override;
    void processEvents() override;
    bool isVisible() override { return mapped; }
    CRect screenBounds() override;
    std::unique_ptr<Surface> createPopup(const CRect& screenRect, WindowEventSink* sink) override;
    void takeKeyboardFocus() override;
    void releaseKeyboardFocus() override;
    void resize(const CRect& newSize) override;
    std::uintptr_t nativeHandle() const override { return canvas.window; }
    void centreIn(int width, int height) override
    {
        area = CRect(0, 0, width, height);
        XMoveWindow(display, canvas.window, std::max((width - size.getWidth()) / 2, 0),
                    std::max((height - size.getHeight()) / 2, 0));
        XFlush(display);
    }

    Display* getDisplay() const { return display; }
    void popupOpened(X11Popup* popup);
    void popupClosed(X11Popup* popup);

private:
    void dispatch(XEvent& event);
    void handleOwn(XEvent& event);

    Display* display;
    X11Canvas canvas;
    CRect size;
    CRect area; // the area a host gave, where the window stays in the middle; empty when none
    WindowEventSink* sink;
    std::vector<X11Popup*> popups;
    bool mapped = false;
    Window focusBefore = None;
    std::shared_ptr<bool> alive = std::make_shared<bool>(true);
};

// Drops motion events that a later one of the same window overtakes.
bool laterMotionQueued(Display* display, const XEvent& event)
{
    if (event.type != MotionNotify || !XEventsQueued(display, QueuedAlready))
        return false;
    XEvent next;
    XPeekEvent(display, &next);
    return next.type == MotionNotify && next.xmotion.window == event.xmotion.window;
}

// Sends a pointer or key event to a sink; point: the coordinates the sink expects.
void deliver(WindowEventSink* sink, const XEvent& event, CPoint point)
{
    switch (event.type)
    {
    case ButtonPress:
        if (event.xbutton.button == Button4 || event.xbutton.button == Button5)
            sink->windowWheel(point, event.xbutton.button == Button4 ? kWheelNotch : -kWheelNotch,
                              buttonsFromX11State(event.xbutton.state));
        else if (event.xbutton.button <= Button3)
            sink->windowMouseDown(point, buttonsFromX11State(event.xbutton.state) |
                                             buttonsFromX11State(Button1Mask << (event.xbutton.button - 1)));
        break;
    case ButtonRelease:
        if (event.xbutton.button <= Button3)
            sink->windowMouseUp(point, buttonsFromX11State(event.xbutton.state));
        break;
    case MotionNotify:
        sink->windowMouseMoved(point, buttonsFromX11State(event.xmotion.state));
        break;
    case LeaveNotify:
        sink->windowMouseExited();
        break;
    case KeyPress:
    case KeyRelease:
    {
        XKeyEvent keyEvent = event.xkey;
        char text[8] = {};
        KeySym keysym = 0;
        XLookupString(&keyEvent, text, sizeof text - 1, &keysym, nullptr);
        const VstKeyCode key = vstKeyFromX11(keysym, text[0], keyEvent.state);
        if (event.type == KeyPress)
            sink->onKeyDown(key);
        else
            sink->onKeyUp(key);
        break;
    }
    default:
        break;
    }
}

// Where a pointer event happened: in its window, or on the screen.
CPoint eventPoint(const XEvent& event, bool onScreen)
{
    switch (event.type)
    {
    case ButtonPress:
    case ButtonRelease:
        return onScreen ? CPoint(event.xbutton.x_root, event.xbutton.y_root)
                        : CPoint(event.xbutton.x, event.xbutton.y);
    case MotionNotify:
        return onScreen ? CPoint(event.xmotion.x_root, event.xmotion.y_root)
                        : CPoint(event.xmotion.x, event.xmotion.y);
    default:
        return CPoint();
    }
}

X11Popup::X11Popup(X11FrameWindow& owner, const CRect& rect, WindowEventSink* sink)
    : owner(owner), rect(rect), sink(sink)
{
    Display* display = owner.getDisplay();
    const int screen = DefaultScreen(display);
    XSetWindowAttributes attributes{};
    attributes.override_redirect = True;
    attributes.save_under = True;
    attributes.event_mask = kWindowEvents;
    attributes.border_pixel = 0;
    attributes.background_pixmap = None;
    const Window window = XCreateWindow(
        display, RootWindow(display, screen), rect.left, rect.top,
        static_cast<unsigned>(std::max(rect.getWidth(), 1)),
        static_cast<unsigned>(std::max(rect.getHeight(), 1)), 0, CopyFromParent, InputOutput, CopyFromParent,
        CWOverrideRedirect | CWSaveUnder | CWEventMask | CWBorderPixel | CWBackPixmap, &attributes);
    XMapRaised(display, window);
    canvas = std::make_unique<X11Canvas>(display, window, DefaultVisual(display, screen), rect.getWidth(),
                                         rect.getHeight());
    owner.popupOpened(this);
}

X11Popup::~X11Popup()
{
    owner.popupClosed(this);
    const Window window = canvas->window;
    Display* display = canvas->display;
    canvas.reset();
    XDestroyWindow(display, window);
    XFlush(display);
}

void X11Popup::handle(const XEvent& event)
{
    if (event.type == Expose)
        present(exposedArea(event.xexpose));
    else if (sink)
        deliver(sink, event, eventPoint(event, true));
}

std::unique_ptr<X11FrameWindow> X11FrameWindow::create(Window parent, const CRect& size, const char* title,
                                                       WindowEventSink* sink)
{
    Display* display = openDisplay();
    if (!display)
        return nullptr;
    watchDisplay(display);
    XWindowAttributes parentAttributes{};
    if (!parent || !XGetWindowAttributes(display, parent, &parentAttributes))
    {
        unwatchDisplay(display);
        XCloseDisplay(display);
        return nullptr;
    }
    XSetWindowAttributes attributes{};
    attributes.event_mask = kWindowEvents;
    attributes.border_pixel = 0;
    attributes.background_pixmap = None;
    const Window window =
        XCreateWindow(display, parent, 0, 0, static_cast<unsigned>(std::max(size.getWidth(), 1)),
                      static_cast<unsigned>(std::max(size.getHeight(), 1)), 0, CopyFromParent, InputOutput,
                      CopyFromParent, CWEventMask | CWBorderPixel | CWBackPixmap, &attributes);
    XStoreName(display, window, title ? title : "");
    keepSize(display, window, size);
    XMapWindow(display, window);
    XSync(display, False);
    return std::make_unique<X11FrameWindow>(display, window, parentAttributes.visual, size, sink);
}

X11FrameWindow::X11FrameWindow(Display* display, Window window, Visual* visual, const CRect& size,
                               WindowEventSink* sink)
    : display(display), canvas(display, window, visual, size.getWidth(), size.getHeight()), size(size),
      sink(sink)
{
    XWindowAttributes attributes{};
    mapped = XGetWindowAttributes(display, window, &attributes) && attributes.map_state != IsUnmapped;
}

X11FrameWindow::~X11FrameWindow()
{
    *alive = false;
    const Window window = canvas.window;
    XDestroyWindow(display, window);
    XSync(display, False);
    cairo_surface_finish(canvas.target); // before the connection goes
    unwatchDisplay(display);
    XCloseDisplay(display);
}

CRect X11FrameWindow::screenRect()
{
    int x = 0;
    int y = 0;
    Window child = 0;
    XTranslateCoordinates(display, canvas.window, DefaultRootWindow(display), 0, 0, &x, &y, &child);
    return CRect(x, y, x + size.getWidth(), y + size.getHeight());
}

CRect X11FrameWindow::screenBounds()
{
    const int screen = DefaultScreen(display);
    return CRect(0, 0, DisplayWidth(display, screen), DisplayHeight(display, screen));
}

std::unique_ptr<Surface> X11FrameWindow::createPopup(const CRect& screenRect, WindowEventSink* popupSink)
{
    return std::make_unique<X11Popup>(*this, screenRect, popupSink);
}

void X11FrameWindow::takeKeyboardFocus()
{
    if (!mapped)
        return;
    int revert = 0;
    XGetInputFocus(display, &focusBefore, &revert);
    XSelectInput(display, canvas.window, kWindowEvents | kKeyEvents);
    XSetInputFocus(display, canvas.window, RevertToParent, CurrentTime);
    XFlush(display);
}

void X11FrameWindow::releaseKeyboardFocus()
{
    XSelectInput(display, canvas.window, kWindowEvents);
    Window focus = None;
    int revert = 0;
    XGetInputFocus(display, &focus, &revert);
    if (focus == canvas.window && focusBefore != None && focusBefore != canvas.window)
        XSetInputFocus(display, focusBefore, RevertToParent, CurrentTime); // refused when it is gone: ignored
    focusBefore = None;
    XFlush(display);
}

void X11FrameWindow::resize(const CRect& newSize)
{
    size = CRect(0, 0, std::max(newSize.getWidth(), 1), std::max(newSize.getHeight(), 1));
    keepSize(display, canvas.window, size);
    XResizeWindow(display, canvas.window, static_cast<unsigned>(size.getWidth()),
                  static_cast<unsigned>(size.getHeight()));
    canvas.resize(size.getWidth(), size.getHeight());
    if (!area.isEmpty())
        centreIn(area.getWidth(), area.getHeight());
    XFlush(display);
}

void X11FrameWindow::popupOpened(X11Popup* popup)
{
    popups.push_back(popup);
    if (popups.size() > 1)
        return;
    XGrabPointer(display, popup->id(), True, kGrabEvents, GrabModeAsync, GrabModeAsync, None, None,
                 CurrentTime);
    XGrabKeyboard(display, popup->id(), True, GrabModeAsync, GrabModeAsync, CurrentTime);
}

void X11FrameWindow::popupClosed(X11Popup* popup)
{
    std::erase(popups, popup);
    if (!popups.empty())
        return;
    XUngrabPointer(display, CurrentTime);
    XUngrabKeyboard(display, CurrentTime);
}

void X11FrameWindow::handleOwn(XEvent& event)
{
    switch (event.type)
    {
    case Expose:
        present(exposedArea(event.xexpose));
        break;
    case MapNotify:
        mapped = true;
        break;
    case UnmapNotify:
        mapped = false;
        break;
    default:
        deliver(sink, event, eventPoint(event, false));
        break;
    }
}

void X11FrameWindow::dispatch(XEvent& event)
{
    if (laterMotionQueued(display, event))
        return;
    if (event.xany.window == canvas.window)
    {
        handleOwn(event);
        return;
    }
    for (X11Popup* popup : popups)
        if (popup->id() == event.xany.window)
        {
            popup->handle(event);
            return;
        }
}

void X11FrameWindow::processEvents()
{
    const std::shared_ptr<bool> stillAlive = alive;
    while (*stillAlive && XPending(display) > 0)
    {
        XEvent event;
        XNextEvent(display, &event);
        dispatch(event);
    }
}
} // namespace

std::unique_ptr<FrameWindow> createSystemWindow(void* parent, const CRect& size, const char* title,
                                                WindowEventSink* sink)
{
    return X11FrameWindow::create(static_cast<Window>(reinterpret_cast<std::uintptr_t>(parent)), size, title,
                                  sink);
}
} // namespace gui
