// The programs between runs: the plug-in's state, as a host keeps it in a project, in a file
// of the user's data folder ($XDG_DATA_HOME/Pavonis/standalone.chunk), written atomically.
// One pavonis at a time saves there; another one only reads.
#pragma once

#include "HostedPlugin.h"
#include "platform/Files.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace standalone
{
class StateFile
{
public:
    // The file in the user's data folder (none without HOME); when saving, this program
    // becomes the one that saves, unless another one is.
    explicit StateFile(bool saving);

    const std::string& path() const { return file; }
    // Gives the saved state to the plug-in. A file that the plug-in refuses is moved aside
    // (".unusable") by the program that saves, never overwritten. The message for the user,
    // empty when all went well or there was nothing saved yet.
    std::string restore(const HostedPlugin& plugin);
    // Writes the plug-in's state when it differs from what the file holds; false when it
    // could not be written. Nothing for a program that does not save.
    bool save(const HostedPlugin& plugin);

private:
    std::string folder;
    std::string file;
    std::unique_ptr<platform::FileLock> lock;
    bool saving = false;
    bool otherSaver = false;
    std::vector<std::uint8_t> saved;
};
} // namespace standalone
