// Puts the panel's screens together from the drawn pictures, for looking at the artwork:
// one PNG per screen, at 100 %.
//
//     preview_panel_screens <picture directory> <output directory>
#include "ArtScreens.h"

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 3)
    {
        std::fprintf(stderr, "usage: preview_panel_screens <picture directory> <output directory>\n");
        return 2;
    }
    const art::PictureSet pictures(argv[1]);
    for (const art::Screen& screen : art::panelScreens())
    {
        cairo_surface_t* surface =
            cairo_image_surface_create(CAIRO_FORMAT_ARGB32, art::kFrameWidth, art::kFrameHeight);
        cairo_t* cr = cairo_create(surface);
        art::composeScreen(cr, pictures, screen, true, nullptr);
        cairo_destroy(cr);
        const std::string path = std::string(argv[2]) + "/" + screen.name + ".png";
        const bool written = cairo_surface_write_to_png(surface, path.c_str()) == CAIRO_STATUS_SUCCESS;
        cairo_surface_destroy(surface);
        if (!written)
        {
            std::fprintf(stderr, "preview_panel_screens: cannot write %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}
