#include "StateFile.h"

namespace standalone
{
namespace
{
constexpr const char* kFolder = "/Pavonis";
constexpr const char* kFileName = "/standalone.chunk";
constexpr const char* kLockName = "/standalone.lock";
constexpr const char* kUnusableSuffix = ".unusable";
// Far more than 256 programs take, compressed or not.
constexpr std::size_t kLargestState = 16 * 1024 * 1024;
} // namespace

StateFile::StateFile(bool wantsToSave)
{
    const std::string data = platform::userDataFolder();
    if (data.empty())
        return;
    folder = data + kFolder;
    file = folder + kFileName;
    if (!wantsToSave || !platform::makeFolders(folder))
        return;
    lock = std::make_unique<platform::FileLock>(folder + kLockName);
    saving = lock->held();
    otherSaver = !saving;
}

std::string StateFile::restore(const HostedPlugin& plugin)
{
    const std::string note =
        otherSaver ? "another pavonis is running: this one saves no programs when it ends" : "";
    std::vector<std::uint8_t> bytes;
    if (file.empty() || !platform::isRegularFile(file))
        return note;
    if (platform::readFile(file, kLargestState, bytes) && plugin.restoreState(bytes))
    {
        saved = std::move(bytes);
        return note;
    }
    const std::string aside = file + kUnusableSuffix;
    if (!saving)
        return "the saved programs in " + file + " could not be read; the programs start afresh";
    if (!platform::renameFile(file, aside))
    {
        saving = false; // neither used nor overwritten
        return "the saved programs could not be read and the file could not be moved aside: it is left "
               "untouched and no programs are saved this time";
    }
    return "the saved programs could not be read (a file of another version, or damaged); it is kept as " +
           aside + " and the programs start afresh";
}

bool StateFile::save(const HostedPlugin& plugin)
{
    if (!saving)
        return true;
    std::vector<std::uint8_t> bytes = plugin.state();
    if (bytes.empty())
        return false;
    if (bytes == saved)
        return true;
    if (!platform::writeFileAtomically(file, bytes.data(), bytes.size()))
        return false;
    saved = std::move(bytes);
    return true;
}
} // namespace standalone
