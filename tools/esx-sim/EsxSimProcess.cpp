#include "EsxSimProcess.h"

namespace esxsim
{
EsxSimProcess::EsxSimProcess(const std::string& executable, const std::string& clientName,
                             std::chrono::milliseconds timeout)
    : process({executable, "--name", clientName})
{
    std::string line;
    isReady = process.started() && process.readLine(line, timeout) && line.rfind("ready", 0) == 0;
}

bool EsxSimProcess::quit(std::chrono::milliseconds timeout)
{
    return command("quit") && process.waitForExit(timeout) == 0;
}
} // namespace esxsim
