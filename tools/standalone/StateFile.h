// The programs between runs: the plug-in's state, as a host keeps it in a project, in a file
// of the user's data folder ($XDG_DATA_HOME/Pavonis/standalone.chunk), written atomically.
#pragma once

#include "HostedPlugin.h"

#include <cstdint>
#include <string>
#include <vector>

namespace standalone
{
class StateFile
{
public:
    // The file in the user's data folder; an empty path when there is none (no HOME).
    StateFile();

    const std::string& path() const { return file; }
    // Gives the saved state to the plug-in. A file that the plug-in refuses is moved aside
    // (".unusable"), never overwritten. The message for the user, empty when all went well
    // or there was nothing saved yet.
    std::string restore(const HostedPlugin& plugin);
    // Writes the plug-in's state when it differs from what the file holds; false when it
    // could not be written.
    bool save(const HostedPlugin& plugin);

private:
    std::string folder;
    std::string file;
    std::vector<std::uint8_t> saved;
};
} // namespace standalone
