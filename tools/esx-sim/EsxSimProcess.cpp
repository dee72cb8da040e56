#include "EsxSimProcess.h"

namespace esxsim
{
EsxSimProcess::EsxSimProcess(const std::string& executable, const std::string& clientName,
                             std::chrono::milliseconds timeout)
    : process({executable, "--name", clientName})
{
    // "ready: <input port>, <output port>"
    std::string line;
    isReady = process.started() && process.readLine(line, timeout) && line.rfind("ready", 0) == 0;
    const std::size_t names = line.find(": ");
    const std::size_t comma = line.rfind(", ");
    if (isReady && names != std::string::npos && comma != std::string::npos && comma > names)
    {
        inputName = line.substr(names + 2, comma - names - 2);
        outputName = line.substr(comma + 2);
    }
}

bool EsxSimProcess::quit(std::chrono::milliseconds timeout)
{
    return command("quit") && process.waitForExit(timeout) == 0;
}
} // namespace esxsim
