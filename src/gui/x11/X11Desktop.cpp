#include "X11Desktop.h"

#include "gui/Backend.h"

#include <X11/Xlib.h>

#include <cstdlib>
#include <cstring>

namespace gui
{
namespace
{
constexpr int kStandardDpi = 96;
constexpr int kMostScale = 400;
constexpr char kDpiResource[] = "Xft.dpi:";

// GDK_SCALE, the whole-number scale that GTK programs follow: 2 is 200 %.
int gdkScale()
{
    const char* scale = std::getenv("GDK_SCALE");
    const int factor = scale ? std::atoi(scale) : 0;
    return factor >= 1 && factor * 100 <= kMostScale ? factor * 100 : 0;
}

// Asked of the X server once per process: hosts ask for the editor's size often.
int serverScale()
{
    static const int scale = []
    {
        Display* display = XOpenDisplay(nullptr);
        if (!display)
            return 0;
        const int found = scaleFromXResources(XResourceManagerString(display));
        XCloseDisplay(display);
        return found;
    }();
    return scale;
}
} // namespace

int scaleFromXResources(const char* resources)
{
    for (const char* line = resources; line && *line;)
    {
        if (std::strncmp(line, kDpiResource, sizeof kDpiResource - 1) == 0)
        {
            const double dpi = std::strtod(line + sizeof kDpiResource - 1, nullptr);
            const int scale = static_cast<int>(dpi * 100 / kStandardDpi + 0.5);
            return scale >= 50 && scale <= kMostScale ? scale : 0;
        }
        const char* end = std::strchr(line, '\n');
        line = end ? end + 1 : nullptr;
    }
    return 0;
}

int desktopScale(void* /*parent*/)
{
    if (const int scale = gdkScale())
        return scale;
    if (const int scale = serverScale())
        return scale;
    return 100;
}
} // namespace gui
