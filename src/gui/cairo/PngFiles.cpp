// PNG files on Linux: decoded with libpng's simplified reader, written through cairo.
#include "CairoImage.h"

#include <png.h>

#include <cstring>

namespace gui
{
namespace
{
// libpng gives straight alpha; the image holds it premultiplied.
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

bool decodePng(const unsigned char* png, std::size_t size, Image& out)
{
    if (!png || size == 0)
        return false;
    png_image reader;
    std::memset(&reader, 0, sizeof reader);
    reader.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&reader, png, size))
        return false;
    reader.format = PNG_FORMAT_BGRA; // the image's byte order on little-endian machines
    Image decoded(static_cast<int>(reader.width), static_cast<int>(reader.height));
    if (decoded.isEmpty() ||
        !png_image_finish_read(&reader, nullptr, decoded.data(), decoded.stride(), nullptr))
    {
        png_image_free(&reader);
        return false;
    }
    for (int row = 0; row < decoded.height(); ++row)
        premultiply(decoded.data() + static_cast<std::ptrdiff_t>(row) * decoded.stride(),
                    static_cast<std::size_t>(decoded.width()));
    out = std::move(decoded);
    return true;
}

bool writePng(const Image& image, const char* path)
{
    if (image.isEmpty() || !path)
        return false;
    cairo_surface_t* surface = cairoSurfaceOf(image);
    const bool written = cairo_surface_write_to_png(surface, path) == CAIRO_STATUS_SUCCESS;
    cairo_surface_destroy(surface);
    return written;
}
} // namespace gui
