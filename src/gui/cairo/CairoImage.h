// cairo's view of a gui::Image: an image surface on the image's own pixels.
#pragma once

#include "gui/Image.h"

#include <cairo.h>

namespace gui
{
// A new surface on the pixels (no copy); destroy it before the image changes size or goes.
inline cairo_surface_t* cairoSurfaceOf(const Image& image)
{
    return cairo_image_surface_create_for_data(const_cast<unsigned char*>(image.data()), CAIRO_FORMAT_ARGB32,
                                               image.width(), image.height(), image.stride());
}
} // namespace gui
