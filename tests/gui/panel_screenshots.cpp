// Renders every screen of the panel offscreen and writes one PNG per screen into the given
// directory: for a person to look at (scripts/test, build/screenshots), and as the golden
// pictures that the tests compare the panel with (scripts/refresh-goldens). The panel at 100 %
// goes into the directory, at the other zoom steps into its folders zoom-150 and zoom-200.
//
//     panel_screenshots <output directory> [zoom step...]    (default: every step)
#include "PanelScreens.h"
#include "gui/Zoom.h"
#include "platform/Files.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <string>
#include <vector>

namespace
{
bool shootAll(const std::string& directory, int zoom)
{
    platform::makeFolders(directory);
    for (std::size_t i = 0; i < panelscreens::kScreenCount; ++i)
    {
        const panelscreens::t_Screen& screen = panelscreens::c_Screens[i];
        const std::string path = directory + "/" + screen.name + ".png";
        if (!gui::writePng(panelscreens::render(screen, zoom), path.c_str()))
        {
            std::fprintf(stderr, "panel_screenshots: cannot write %s\n", path.c_str());
            return false;
        }
    }
    return true;
}
} // namespace

int main(int argc, char** argv)
{
    std::vector<int> zooms(std::begin(gui::kZoomSteps), std::end(gui::kZoomSteps));
    if (argc > 2)
        zooms.clear();
    for (int i = 2; i < argc; ++i)
        zooms.push_back(std::atoi(argv[i]));
    if (argc < 2 || zooms.empty() || !std::all_of(zooms.begin(), zooms.end(), gui::isZoomStep))
    {
        std::fprintf(stderr, "usage: panel_screenshots <output directory> [100|150|200...]\n");
        return 2;
    }
    for (int zoom : zooms)
    {
        const std::string directory = zoom == gui::kNoZoom
                                          ? std::string(argv[1])
                                          : std::string(argv[1]) + "/zoom-" + std::to_string(zoom);
        if (!shootAll(directory, zoom))
            return 1;
    }
    return 0;
}
