// Draws every picture of the panel's resource table as a PNG file, at its listed size and
// frame count, from the same tables the editor uses.
//
//     make_panel_pictures <output directory>
#include "ArtPictures.h"

#include <cairo.h>

#include <cstdio>
#include <string>

// Fontconfig, under cairo's text, keeps a few patterns it never frees. In the sanitizer builds
// LeakSanitizer would fail the build at this tool's exit for them.
extern "C" __attribute__((visibility("default"))) const char* __lsan_default_suppressions()
{
    return "leak:libfontconfig.so\n";
}

namespace
{
bool writePicture(const t_EditorPicture& picture, const std::string& directory)
{
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, picture.width, picture.height);
    cairo_t* cr = cairo_create(surface);
    const bool drawn = art::drawPicture(cr, picture);
    cairo_destroy(cr);
    const std::string path = directory + "/" + std::to_string(picture.number) + ".png";
    const bool written = drawn && cairo_surface_write_to_png(surface, path.c_str()) == CAIRO_STATUS_SUCCESS;
    cairo_surface_destroy(surface);
    if (!drawn)
        std::fprintf(stderr, "make_panel_pictures: no drawing for picture %d\n", picture.number);
    else if (!written)
        std::fprintf(stderr, "make_panel_pictures: cannot write %s\n", path.c_str());
    return written;
}
} // namespace

int main(int argc, char** argv)
{
    if (argc != 2)
    {
        std::fprintf(stderr, "usage: make_panel_pictures <output directory>\n");
        return 2;
    }
    for (const t_EditorPicture* picture = c_EditorPictures; picture->number != 0; ++picture)
        if (!writePicture(*picture, argv[1]))
            return 1;
    return 0;
}
