// Draws the standalone editor's icon as a PNG file of the given size:
//
//     make_app_icon <size> <file.png>
#include "ArtPictures.h"

#include <cairo.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    const int size = argc == 3 ? std::atoi(argv[1]) : 0;
    if (size < 16 || size > 1024)
    {
        std::fprintf(stderr, "usage: make_app_icon <size 16 to 1024> <file.png>\n");
        return 2;
    }
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, size, size);
    cairo_t* cr = cairo_create(surface);
    art::drawAppIcon(cr, size);
    cairo_destroy(cr);
    const bool written = cairo_surface_write_to_png(surface, argv[2]) == CAIRO_STATUS_SUCCESS;
    cairo_surface_destroy(surface);
    if (!written)
        std::fprintf(stderr, "make_app_icon: cannot write %s\n", argv[2]);
    return written ? 0 : 1;
}
