// The command line of pavonis.
#pragma once

#include <string>

namespace standalone
{
struct Options
{
    std::string connect;    // --connect NAME: the Tether ports whose names contain it
    std::string screenshot; // --screenshot FILE.png: draw the panel offscreen and end
    std::string page;       // --page part|mix|global|setup
    std::string plugin;     // --plugin PATH: the plug-in file to host
    std::string zoom;       // --zoom 100|150|200: the panel's zoom for this run
    bool help = false;
    bool version = false;
};

// Reads the arguments; false with a message for the user when they cannot be used.
bool parseOptions(int argc, const char* const* argv, Options& options, std::string& error);

// What --help prints.
std::string usageText();

// What --version prints.
std::string versionText();
} // namespace standalone
