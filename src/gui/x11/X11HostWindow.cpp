// The X11 top-level window of a program that hosts a plug-in's editor. Fixed in size (the
// editor's, which the editor changes when it zooms), it asks the window manager for
// WM_DELETE_WINDOW so that its close button ends the program instead of cutting its
// connection. Keys typed while the editor does not hold the keyboard come here, as they come
// to a music host, and are handed on to the editor.

#include "X11Keys.h"
#include "gui/HostWindow.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <string>
#include <utility>

namespace gui
{
namespace
{
class X11HostWindow : public HostWindow
{
public:
    X11HostWindow(Display* display, const char* title, int width, int height) : display(display)
    {
        const int screen = DefaultScreen(display);
        window = XCreateSimpleWindow(display, RootWindow(display, screen), 0, 0, static_cast<unsigned>(width),
                                     static_cast<unsigned>(height), 0, BlackPixel(display, screen),
                                     BlackPixel(display, screen));
        XStoreName(display, window, title);
        setClass(title);
        fixSize(width, height);
        deleteWindow = XInternAtom(display, "WM_DELETE_WINDOW", False);
        XSetWMProtocols(display, window, &deleteWindow, 1);
        XSelectInput(display, window, StructureNotifyMask | KeyPressMask);
        XSync(display, False); // the editor looks the window up on a connection of its own
    }
    ~X11HostWindow() override
    {
        if (!destroyed)
            XDestroyWindow(display, window);
        XCloseDisplay(display);
    }
    X11HostWindow(const X11HostWindow&) = delete;
    X11HostWindow& operator=(const X11HostWindow&) = delete;

    void* handle() const override { return reinterpret_cast<void*>(static_cast<std::uintptr_t>(window)); }

    void show() override
    {
        XMapRaised(display, window);
        XFlush(display);
    }

    bool processEvents() override
    {
        while (!closed && XPending(display) > 0)
        {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == ClientMessage && static_cast<Atom>(event.xclient.data.l[0]) == deleteWindow)
                closed = true;
            else if (event.type == DestroyNotify && event.xdestroywindow.window == window)
                closed = destroyed = true;
            else if (event.type == KeyPress)
                keys.push_back(keyOf(event.xkey));
        }
        return !closed;
    }

    void resize(int width, int height) override
    {
        fixSize(width, height);
        XResizeWindow(display, window, static_cast<unsigned>(std::max(width, 1)),
                      static_cast<unsigned>(std::max(height, 1)));
        XSync(display, False);
    }

    std::vector<VstKeyCode> takeKeys() override { return std::exchange(keys, {}); }

private:
    static VstKeyCode keyOf(XKeyEvent& event)
    {
        char text[8] = {};
        KeySym keysym = 0;
        XLookupString(&event, text, sizeof text - 1, &keysym, nullptr);
        return vstKeyFromX11(keysym, text[0], event.state);
    }

    void setClass(const char* title)
    {
        std::string name(title);
        std::transform(name.begin(), name.end(), name.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        std::string className(title);
        XClassHint hint{name.data(), className.data()};
        XSetClassHint(display, window, &hint);
    }

    // The editor has one size: the window manager offers no resizing.
    void fixSize(int width, int height)
    {
        XSizeHints* hints = XAllocSizeHints();
        hints->flags = PMinSize | PMaxSize;
        hints->min_width = hints->max_width = width;
        hints->min_height = hints->max_height = height;
        XSetWMNormalHints(display, window, hints);
        XFree(hints);
    }

    Display* display;
    Window window = 0;
    Atom deleteWindow = 0;
    bool closed = false;
    bool destroyed = false;
    std::vector<VstKeyCode> keys;
};
} // namespace

std::unique_ptr<HostWindow> createHostWindow(const char* title, int width, int height)
{
    Display* display = XOpenDisplay(nullptr);
    if (!display)
        return nullptr;
    return std::make_unique<X11HostWindow>(display, title ? title : "", std::max(width, 1),
                                           std::max(height, 1));
}
} // namespace gui
