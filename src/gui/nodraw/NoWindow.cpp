// Window back ends for a build without a drawing back end: no frame window can be made.
#include "gui/Backend.h"

#include "cairo.h"

cairo_surface_t* cairo_image_surface_create(cairo_format_t, int, int)
{
    return nullptr;
}

namespace gui
{
std::unique_ptr<FrameWindow> createX11Window(void*, const CRect&, const char*, WindowEventSink*)
{
    return nullptr;
}
} // namespace gui
