#include "UserSettings.h"

#include "platform/Files.h"

#include <cstdint>
#include <vector>

namespace
{
constexpr std::size_t kMostFileSize = 64 * 1024;
constexpr const char* kFolder = "/Pavonis";
constexpr const char* kFile = "/settings.ini";

std::vector<std::string> settingLines()
{
    std::vector<std::uint8_t> bytes;
    std::vector<std::string> lines;
    const std::string path = userSettingsPath();
    if (path.empty() || !platform::readFile(path, kMostFileSize, bytes))
        return lines;
    std::string line;
    for (std::uint8_t byte : bytes)
    {
        if (byte == '\n')
        {
            lines.push_back(line);
            line.clear();
        }
        else if (byte != '\r')
            line += static_cast<char>(byte);
    }
    if (!line.empty())
        lines.push_back(line);
    return lines;
}

bool isSetting(const std::string& line, const std::string& name)
{
    return line.size() > name.size() && line.compare(0, name.size(), name) == 0 && line[name.size()] == '=';
}
} // namespace

std::string userSettingsPath()
{
    const std::string folder = platform::userConfigFolder();
    return folder.empty() ? std::string() : folder + kFolder + kFile;
}

std::string readUserSetting(const std::string& name)
{
    for (const std::string& line : settingLines())
        if (isSetting(line, name))
            return line.substr(name.size() + 1);
    return {};
}

bool writeUserSetting(const std::string& name, const std::string& value)
{
    const std::string folder = platform::userConfigFolder();
    if (folder.empty() || name.empty() || !platform::makeFolders(folder + kFolder))
        return false;
    std::string text;
    bool written = false;
    for (const std::string& line : settingLines())
    {
        const bool replaced = isSetting(line, name);
        if (replaced && written)
            continue;
        text += (replaced ? name + "=" + value : line) + "\n";
        written = written || replaced;
    }
    if (!written)
        text += name + "=" + value + "\n";
    return platform::writeFileAtomically(userSettingsPath(),
                                         reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
}
