#include "GdiplusSession.h"

#include <mutex>

namespace gui
{
namespace
{
struct Library
{
    std::mutex mutex;
    int sessions = 0;
    ULONG_PTR token = 0;
};

Library& library()
{
    static Library instance;
    return instance;
}
} // namespace

GdiplusSession::GdiplusSession()
{
    Library& l = library();
    std::lock_guard lock(l.mutex);
    if (l.sessions == 0)
    {
        Gdiplus::GdiplusStartupInput input;
        if (Gdiplus::GdiplusStartup(&l.token, &input, nullptr) != Gdiplus::Ok)
        {
            running = false;
            return;
        }
    }
    ++l.sessions;
    running = true;
}

GdiplusSession::~GdiplusSession()
{
    if (!running)
        return;
    Library& l = library();
    std::lock_guard lock(l.mutex);
    if (--l.sessions == 0)
        Gdiplus::GdiplusShutdown(l.token);
}
} // namespace gui
