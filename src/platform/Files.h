// Files and folders: the only place where the plug-in and its tools reach the file system.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace platform
{
// Where the user's data goes: on Linux $XDG_DATA_HOME when it is an absolute path, else
// ~/.local/share; on Windows %APPDATA%. Empty when none is known. Paths are UTF-8; '/'
// separates folders on every system.
std::string userDataFolder();

// Where the user's settings go: on Linux $XDG_CONFIG_HOME when it is an absolute path, else
// ~/.config; on Windows %APPDATA%. Empty when none is known.
std::string userConfigFolder();

// True when the path names a regular file (or a link to one).
bool isRegularFile(const std::string& path);

// Creates a folder and the folders above it that are missing; true when it exists.
bool makeFolders(const std::string& path);

// Writes a file whole or not at all: the bytes go to a new file beside it, are flushed to
// the disk, and the new file then takes the name. False when any step failed.
bool writeFileAtomically(const std::string& path, const std::uint8_t* bytes, std::size_t length);

// Gives a file another name (in the same file system); false when it could not.
bool renameFile(const std::string& from, const std::string& to);

// The whole file, when it can be read and holds at most maxLength bytes.
bool readFile(const std::string& path, std::size_t maxLength, std::vector<std::uint8_t>& bytes);

// A lock that one process at a time holds on a file (created when missing), for as long as
// the object lives; held() tells whether this one got it.
class FileLock
{
public:
    explicit FileLock(const std::string& path);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    bool held() const { return lock != kNoLock; }

private:
    static constexpr std::intptr_t kNoLock = -1; // no descriptor, no handle
    std::intptr_t lock = kNoLock;
};

// Names of the regular files in a folder, sorted; none when it cannot be read.
std::vector<std::string> listFiles(const std::string& folder);
} // namespace platform
