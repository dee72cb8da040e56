// GDI+ is started while something of the toolkit needs it: the first session starts it, the
// last one ends it, so the library's own thread never outlives the plug-in's code. Sessions are
// made on the host's calls, never in DllMain, where GDI+ must not start.
#pragma once

#include "Gdiplus.h"

namespace gui
{
class GdiplusSession
{
public:
    GdiplusSession();
    ~GdiplusSession();
    GdiplusSession(const GdiplusSession&) = delete;
    GdiplusSession& operator=(const GdiplusSession&) = delete;

    // False when GDI+ could not start: nothing can be drawn or decoded.
    bool isRunning() const { return running; }

private:
    bool running;
};
} // namespace gui
