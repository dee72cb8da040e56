#include "Options.h"

#include "PavonisVersion.h"
#include "core/VendorCalls.h"
#include "gui/Zoom.h"

#include <cstring>

namespace standalone
{
namespace
{
struct ValueOption
{
    const char* name;
    std::string Options::*value;
};

constexpr ValueOption c_ValueOptions[] = {
    {"--connect", &Options::connect}, {"--screenshot", &Options::screenshot},
    {"--page", &Options::page},       {"--plugin", &Options::plugin},
    {"--zoom", &Options::zoom},
};

const ValueOption* valueOptionNamed(const char* name)
{
    for (const ValueOption& option : c_ValueOptions)
        if (std::strcmp(option.name, name) == 0)
            return &option;
    return nullptr;
}

bool knownPage(const std::string& page)
{
    for (const char* name : kVendorPageNames)
        if (page == name)
            return true;
    return false;
}

std::string pageList()
{
    std::string list;
    for (const char* name : kVendorPageNames)
    {
        if (!list.empty())
            list += '|';
        list += name;
    }
    return list;
}

bool knownZoom(const std::string& zoom)
{
    for (int step : gui::kZoomSteps)
        if (zoom == std::to_string(step))
            return true;
    return false;
}

std::string zoomList()
{
    std::string list;
    for (int step : gui::kZoomSteps)
    {
        if (!list.empty())
            list += '|';
        list += std::to_string(step);
    }
    return list;
}
} // namespace

bool parseOptions(int argc, const char* const* argv, Options& options, std::string& error)
{
    for (int i = 1; i < argc; ++i)
    {
        const char* argument = argv[i];
        if (std::strcmp(argument, "--help") == 0 || std::strcmp(argument, "-h") == 0)
        {
            options.help = true;
            continue;
        }
        if (std::strcmp(argument, "--version") == 0)
        {
            options.version = true;
            continue;
        }
        const ValueOption* option = valueOptionNamed(argument);
        if (!option)
        {
            error = std::string("unknown option ") + argument;
            return false;
        }
        if (i + 1 >= argc || argv[i + 1][0] == 0)
        {
            error = std::string(argument) + " needs a value";
            return false;
        }
        options.*(option->value) = argv[++i];
    }
    if (!options.page.empty() && !knownPage(options.page))
    {
        error = "--page takes " + pageList() + ", not " + options.page;
        return false;
    }
    if (!options.zoom.empty() && !knownZoom(options.zoom))
    {
        error = "--zoom takes " + zoomList() + ", not " + options.zoom;
        return false;
    }
    return true;
}

std::string usageText()
{
    return "usage: pavonis [--connect NAME] [--page " + pageList() + "] [--zoom " + zoomList() +
           "] [--screenshot FILE.png] [--plugin PATH]\n"
           "\n"
           "Edits the ESX's patterns without a music host: hosts the Pavonis plug-in and opens its\n"
           "panel in a window of its own. Closing the window, Ctrl+C or SIGTERM end it.\n"
           "\n"
           "  --connect NAME         open the Tether MIDI ports whose names contain NAME\n"
           "                         (\"esx-sim\" for the simulator, \"ESX\" for a device)\n"
           "  --page PAGE            the page to show first\n"
           "  --zoom PERCENT         the panel's size for this run; otherwise the one chosen on\n"
           "                         the panel (Setup page, Ctrl + plus, minus, 0), kept in\n"
           "                         $XDG_CONFIG_HOME/Pavonis/settings.ini (~/.config when not set)\n"
           "  --screenshot FILE.png  draw the panel offscreen into FILE.png and end (no X server\n"
           "                         needed); with --connect, once the device answered\n"
           "  --plugin PATH          the plug-in file; else $PAVONIS_PLUGIN, else Pavonis.so\n"
           "                         beside this program, else where its installation puts\n"
           "                         it seen from this program, else the one of its own build\n"
           "                         (run from the build tree), else in the install folder\n"
           "                         (" PAVONIS_INSTALL_FOLDER "), else in ~/.vst\n"
           "  --version              the version of pavonis\n"
           "  --help                 this text\n"
           "\n"
           "The programs are kept between runs in $XDG_DATA_HOME/Pavonis/standalone.chunk\n"
           "(~/.local/share when XDG_DATA_HOME is not set).\n";
}

std::string versionText()
{
    return std::string("pavonis ") + kPavonisVersion + "\n";
}
} // namespace standalone
