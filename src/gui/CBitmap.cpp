#include "CBitmap.h"

#include "CDrawContext.h"
#include "Pictures.h"

#include <cairo.h>
#include <png.h>

#include <cstring>
#include <vector>

namespace
{
// libpng gives straight alpha; cairo wants it premultiplied.
void premultiply(unsigned char* pixels, std::size_t count)
{
    for (std::size_t i = 0; i < count; ++i, pixels += 4)
    {
        const unsigned alpha = pixels[3];
        if (alpha == 255)
            continue;
        for (int c = 0; c < 3; ++c)
            pixels[c] = static_cast<unsigned char>((pixels[c] * alpha + 127) / 255);
    }
}
} // namespace

CBitmap::CBitmap(long resourceID) : resourceID(resourceID)
{
    if (const gui::EmbeddedPicture* picture = gui::findPicture(static_cast<int>(resourceID)))
        decode(picture->data, picture->size);
}

CBitmap::CBitmap(const unsigned char* png, std::size_t size)
{
    decode(png, size);
}

CBitmap::~CBitmap()
{
    if (surface)
        cairo_surface_destroy(surface);
}

void CBitmap::decode(const unsigned char* png, std::size_t size)
{
    if (!png || size == 0)
        return;
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&image, png, size))
        return;
    image.format = PNG_FORMAT_BGRA; // the byte order of cairo's ARGB32 on little-endian machines
    const int w = static_cast<int>(image.width);
    const int h = static_cast<int>(image.height);
    cairo_surface_t* decoded = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h);
    if (cairo_surface_status(decoded) != CAIRO_STATUS_SUCCESS)
    {
        png_image_free(&image);
        cairo_surface_destroy(decoded);
        return;
    }
    cairo_surface_flush(decoded);
    const int stride = cairo_image_surface_get_stride(decoded);
    unsigned char* pixels = cairo_image_surface_get_data(decoded);
    if (!png_image_finish_read(&image, nullptr, pixels, stride, nullptr))
    {
        png_image_free(&image);
        cairo_surface_destroy(decoded);
        return;
    }
    for (int row = 0; row < h; ++row)
        premultiply(pixels + static_cast<std::ptrdiff_t>(row) * stride, static_cast<std::size_t>(w));
    cairo_surface_mark_dirty(decoded);
    surface = decoded;
    width = w;
    height = h;
}

void CBitmap::draw(CDrawContext* context, const CRect& dest, const CPoint& offset) const
{
    if (!context || !surface || dest.isEmpty())
        return;
    context->drawSurface(surface, dest, offset);
}
