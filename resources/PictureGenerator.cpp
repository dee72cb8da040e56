// Draws every picture of the panel's resource table, from the same tables the editor uses: at
// 100 % as PNG files at their listed size and frame count, at another zoom step as packed
// pictures (gui/PackedPicture.h) for a build that embeds them.
//
//     make_panel_pictures <output directory> [<zoom per cent>]
#include "ArtPictures.h"
#include "gui/Image.h"
#include "gui/PackedPicture.h"
#include "gui/Zoom.h"
#include "platform/Files.h"

#include <cairo.h>

#include <cstdio>
#include <cstdlib>
#include <string>

// Fontconfig, under cairo's text, keeps a few patterns it never frees. In the sanitizer builds
// LeakSanitizer would fail the build at this tool's exit for them.
extern "C" __attribute__((visibility("default"))) const char* __lsan_default_suppressions()
{
    return "leak:libfontconfig.so\n";
}

namespace
{
bool writePng(const t_EditorPicture& picture, const std::string& path)
{
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, picture.width, picture.height);
    cairo_t* cr = cairo_create(surface);
    const bool drawn = art::drawPicture(cr, picture);
    cairo_destroy(cr);
    const bool written = drawn && cairo_surface_write_to_png(surface, path.c_str()) == CAIRO_STATUS_SUCCESS;
    cairo_surface_destroy(surface);
    return written;
}

bool writePacked(const t_EditorPicture& picture, int zoom, const std::string& path)
{
    gui::Image image;
    if (!art::makePictureImage(picture.number, zoom, image))
        return false;
    const std::vector<unsigned char> packed =
        gui::packPicture(image, picture.frames > 0 ? picture.frames : 1);
    return !packed.empty() && platform::writeFileAtomically(path, packed.data(), packed.size());
}

bool writePicture(const t_EditorPicture& picture, const std::string& directory, int zoom)
{
    const std::string path =
        directory + "/" + std::to_string(picture.number) + (zoom == gui::kNoZoom ? ".png" : ".pz");
    if (zoom == gui::kNoZoom ? writePng(picture, path) : writePacked(picture, zoom, path))
        return true;
    std::fprintf(stderr, "make_panel_pictures: cannot draw or write %s\n", path.c_str());
    return false;
}
} // namespace

int main(int argc, char** argv)
{
    const int zoom = argc == 3 ? std::atoi(argv[2]) : gui::kNoZoom;
    if ((argc != 2 && argc != 3) || !gui::isZoomStep(zoom))
    {
        std::fprintf(stderr, "usage: make_panel_pictures <output directory> [<zoom per cent>]\n");
        return 2;
    }
    for (const t_EditorPicture* picture = c_EditorPictures; picture->number != 0; ++picture)
        if (!writePicture(*picture, argv[1], zoom))
            return 1;
    return 0;
}
