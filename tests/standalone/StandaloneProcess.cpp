#include "StandaloneProcess.h"

namespace standalonetest
{
namespace
{
std::vector<std::string> commandLine(const std::vector<std::string>& arguments)
{
    std::vector<std::string> words = {PAVONIS_STANDALONE, "--plugin", PAVONIS_PLUGIN_PATH};
    words.insert(words.end(), arguments.begin(), arguments.end());
    return words;
}
} // namespace

StandaloneProcess::StandaloneProcess(const std::vector<std::string>& arguments)
    : process(commandLine(arguments))
{
}

bool StandaloneProcess::waitForLine(const std::string& text, std::chrono::milliseconds timeout)
{
    const auto end = std::chrono::steady_clock::now() + timeout;
    std::string line;
    while (process.readLine(
        line, std::chrono::duration_cast<std::chrono::milliseconds>(end - std::chrono::steady_clock::now())))
    {
        lines += line + "\n";
        if (line.find(text) != std::string::npos)
            return true;
    }
    return false;
}
} // namespace standalonetest
