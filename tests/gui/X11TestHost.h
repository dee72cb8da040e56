// A test host in a real X server: its own connection, a parent window for the editor, the
// pointer and keyboard driven through XTEST, pixels read back from the server; and a lock
// that keeps the tests of several processes from moving the one pointer at once.
#pragma once

// gtest goes before Xlib, whose macros (None, Bool) would break it.
#include <gtest/gtest.h>

#include "TestPanel.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include <chrono>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <fstream>
#include <string>
#include <sys/file.h>
#include <thread>
#include <unistd.h>

namespace guitest
{
namespace tp = testpictures;

constexpr int kParentX = 100;
constexpr int kParentY = 100;

// The host: its own connection and a top-level window to embed the editor in.
class Host
{
public:
    explicit Host(int width = TestPanel::kSize.right, int height = TestPanel::kSize.bottom)
    {
        for (int attempt = 0; attempt < 50 && !display; ++attempt) // Xvfb refuses now and then when busy
        {
            display = XOpenDisplay(nullptr);
            if (!display)
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        if (!display)
            return;
        const int screen = DefaultScreen(display);
        parent = XCreateSimpleWindow(display, RootWindow(display, screen), kParentX, kParentY, width, height,
                                     0, 0, 0);
        XSelectInput(display, parent, StructureNotifyMask);
        XMapWindow(display, parent);
        XEvent event;
        do
            XNextEvent(display, &event);
        while (event.type != MapNotify);
    }
    ~Host()
    {
        if (!display)
            return;
        XDestroyWindow(display, parent);
        XCloseDisplay(display);
    }
    Host(const Host&) = delete;
    Host& operator=(const Host&) = delete;

    int childCount(Window window) const
    {
        Window root = 0, up = 0;
        Window* children = nullptr;
        unsigned count = 0;
        XQueryTree(display, window, &root, &up, &children, &count);
        if (children)
            XFree(children);
        return static_cast<int>(count);
    }
    tp::Rgb screenPixel(int x, int y) const
    {
        XImage* image = XGetImage(display, DefaultRootWindow(display), x, y, 1, 1, AllPlanes, ZPixmap);
        const unsigned long p = XGetPixel(image, 0, 0);
        XDestroyImage(image);
        return {static_cast<int>((p >> 16) & 255), static_cast<int>((p >> 8) & 255),
                static_cast<int>(p & 255)};
    }
    tp::Rgb panelPixel(int x, int y) const { return screenPixel(kParentX + x, kParentY + y); }

    void moveTo(int screenX, int screenY) const
    {
        XTestFakeMotionEvent(display, DefaultScreen(display), screenX, screenY, 0);
        XFlush(display);
    }
    void movePanel(CPoint p) const { moveTo(kParentX + p.x, kParentY + p.y); }
    void button(bool down) const
    {
        XTestFakeButtonEvent(display, 1, down ? True : False, 0);
        XFlush(display);
    }
    void key(KeySym keysym) const
    {
        const KeyCode code = XKeysymToKeycode(display, keysym);
        XTestFakeKeyEvent(display, code, True, 0);
        XTestFakeKeyEvent(display, code, False, 0);
        XFlush(display);
    }

    Display* display = nullptr;
    Window parent = 0;
};

// The tests move the server's one pointer; ctest runs test processes side by side, so each
// test holds a lock per X display while it runs.
class DisplayLock
{
public:
    DisplayLock()
    {
        const char* display = std::getenv("DISPLAY");
        std::string path = "/tmp/pavonis-gui-test" + std::string(display ? display : "") + ".lock";
        fd = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
        if (fd >= 0)
            flock(fd, LOCK_EX);
    }
    ~DisplayLock()
    {
        if (fd >= 0)
            close(fd); // releases the lock
    }
    DisplayLock(const DisplayLock&) = delete;
    DisplayLock& operator=(const DisplayLock&) = delete;

private:
    int fd = -1;
};

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kResidentMemoryTellsLeaks = false; // its quarantine keeps freed memory; it checks leaks itself
#else
constexpr bool kResidentMemoryTellsLeaks = true;
#endif

inline int openFileCount()
{
    int count = 0;
    if (DIR* dir = opendir("/proc/self/fd"))
    {
        while (readdir(dir))
            ++count;
        closedir(dir);
    }
    return count;
}

inline long residentKilobytes()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stol(line.substr(6));
    return 0;
}
} // namespace guitest
