// Renders every screen of the panel offscreen and writes one PNG per screen into the given
// directory: for a person to look at (scripts/test, build/screenshots), and as the golden
// pictures that the tests compare the panel with (scripts/refresh-goldens).
//
//     panel_screenshots <output directory>
#include "PanelScreens.h"

#include <cstdio>
#include <string>

int main(int argc, char** argv)
{
    if (argc != 2)
    {
        std::fprintf(stderr, "usage: panel_screenshots <output directory>\n");
        return 2;
    }
    for (std::size_t i = 0; i < panelscreens::kScreenCount; ++i)
    {
        const panelscreens::t_Screen& screen = panelscreens::c_Screens[i];
        const std::string path = std::string(argv[1]) + "/" + screen.name + ".png";
        if (!gui::writePng(panelscreens::render(screen), path.c_str()))
        {
            std::fprintf(stderr, "panel_screenshots: cannot write %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}
