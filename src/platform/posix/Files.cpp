#include "../Files.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstdlib>

namespace platform
{
namespace
{
bool isFolder(const std::string& path)
{
    struct stat status;
    return stat(path.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

bool writeAll(int descriptor, const std::uint8_t* bytes, std::size_t length)
{
    while (length > 0)
    {
        const ssize_t written = write(descriptor, bytes, length);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        bytes += written;
        length -= static_cast<std::size_t>(written);
    }
    return true;
}

std::string folderOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
}

// So that the new name itself survives a crash.
void flushFolder(const std::string& folder)
{
    const int descriptor = open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (descriptor < 0)
        return;
    fsync(descriptor);
    close(descriptor);
}

// An XDG folder: the variable when it holds an absolute path, else the folder in the home.
std::string xdgFolder(const char* variable, const char* inHome)
{
    const char* folder = std::getenv(variable);
    if (folder && folder[0] == '/')
        return folder;
    const char* home = std::getenv("HOME");
    return home && home[0] ? std::string(home) + inHome : std::string();
}
} // namespace

bool isRegularFile(const std::string& path)
{
    struct stat status;
    return stat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode);
}

std::string userDataFolder()
{
    return xdgFolder("XDG_DATA_HOME", "/.local/share");
}

std::string userConfigFolder()
{
    return xdgFolder("XDG_CONFIG_HOME", "/.config");
}

bool makeFolders(const std::string& path)
{
    if (path.empty() || isFolder(path))
        return !path.empty();
    const std::size_t slash = path.find_last_of('/');
    if (slash != std::string::npos && slash > 0 && !makeFolders(path.substr(0, slash)))
        return false;
    return mkdir(path.c_str(), 0755) == 0 || (errno == EEXIST && isFolder(path));
}

bool writeFileAtomically(const std::string& path, const std::uint8_t* bytes, std::size_t length)
{
    static std::atomic<unsigned> counter{0};
    const std::string temporary =
        path + ".part-" + std::to_string(getpid()) + "-" + std::to_string(counter.fetch_add(1));
    const int descriptor = open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (descriptor < 0)
        return false;
    const bool written = writeAll(descriptor, bytes, length) && fsync(descriptor) == 0;
    const bool closed = close(descriptor) == 0;
    if (!written || !closed || rename(temporary.c_str(), path.c_str()) != 0)
    {
        unlink(temporary.c_str());
        return false;
    }
    flushFolder(folderOf(path));
    return true;
}

bool renameFile(const std::string& from, const std::string& to)
{
    return rename(from.c_str(), to.c_str()) == 0;
}

bool readFile(const std::string& path, std::size_t maxLength, std::vector<std::uint8_t>& bytes)
{
    bytes.clear();
    if (!isRegularFile(path))
        return false;
    const int descriptor = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0)
        return false;
    std::uint8_t block[65536];
    bool ok = true;
    for (;;)
    {
        const ssize_t got = read(descriptor, block, sizeof block);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0 || bytes.size() + static_cast<std::size_t>(got) > maxLength)
        {
            ok = got == 0;
            break;
        }
        bytes.insert(bytes.end(), block, block + got);
    }
    close(descriptor);
    return ok;
}

std::vector<std::string> listFiles(const std::string& folder)
{
    std::vector<std::string> names;
    DIR* directory = opendir(folder.c_str());
    if (!directory)
        return names;
    while (const dirent* entry = readdir(directory))
        if (entry->d_name[0] != '.' && isRegularFile(folder + "/" + entry->d_name))
            names.push_back(entry->d_name);
    closedir(directory);
    std::sort(names.begin(), names.end());
    return names;
}

FileLock::FileLock(const std::string& path)
{
    const int descriptor = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (descriptor >= 0 && flock(descriptor, LOCK_EX | LOCK_NB) != 0)
        close(descriptor);
    else
        lock = descriptor;
}

FileLock::~FileLock()
{
    if (held())
        close(static_cast<int>(lock)); // lets go of the lock
}
} // namespace platform
