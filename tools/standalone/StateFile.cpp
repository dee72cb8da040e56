#include "StateFile.h"

#include "platform/Files.h"

namespace standalone
{
namespace
{
constexpr const char* kFolder = "/Pavonis";
constexpr const char* kFileName = "/standalone.chunk";
constexpr const char* kUnusableSuffix = ".unusable";
// Far more than 256 programs take, compressed or not.
constexpr std::size_t kLargestState = 16 * 1024 * 1024;
} // namespace

StateFile::StateFile()
{
    const std::string data = platform::userDataFolder();
    if (data.empty())
        return;
    folder = data + kFolder;
    file = folder + kFileName;
}

std::string StateFile::restore(const HostedPlugin& plugin)
{
    std::vector<std::uint8_t> bytes;
    if (file.empty() || !platform::isRegularFile(file))
        return {};
    if (platform::readFile(file, kLargestState, bytes) && plugin.restoreState(bytes))
    {
        saved = std::move(bytes);
        return {};
    }
    const std::string aside = file + kUnusableSuffix;
    if (!platform::renameFile(file, aside))
    {
        file.clear(); // neither used nor overwritten
        return "the saved programs could not be read and the file could not be moved aside: they are left "
               "untouched and nothing is saved this time";
    }
    return "the saved programs could not be read (a file of another version, or damaged); it is kept as " +
           aside + " and the programs start afresh";
}

bool StateFile::save(const HostedPlugin& plugin)
{
    std::vector<std::uint8_t> bytes = plugin.state();
    if (file.empty() || bytes.empty())
        return false;
    if (bytes == saved)
        return true;
    if (!platform::makeFolders(folder) || !platform::writeFileAtomically(file, bytes.data(), bytes.size()))
        return false;
    saved = std::move(bytes);
    return true;
}
} // namespace standalone
