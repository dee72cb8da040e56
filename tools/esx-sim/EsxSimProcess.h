// The esx-sim program run as a child process, for tests and benchmarks that need the
// device outside their own process.
#pragma once

#include "platform/Process.h"

#include <chrono>
#include <string>

namespace esxsim
{
class EsxSimProcess
{
public:
    // Starts the program and waits until it reports its ports open; ready() tells, and the
    // ports' full names are those it reported.
    EsxSimProcess(const std::string& executable, const std::string& clientName,
                  std::chrono::milliseconds timeout = std::chrono::seconds(10));

    bool ready() const { return isReady; }
    const std::string& inputPortName() const { return inputName; }
    const std::string& outputPortName() const { return outputName; }
    // Writes one command line to the program's input.
    bool command(const std::string& line) { return process.writeLine(line); }
    // Sends "quit" and waits for the end; true when the program ended with status 0 in time.
    bool quit(std::chrono::milliseconds timeout);

private:
    platform::ChildProcess process;
    bool isReady = false;
    std::string inputName;
    std::string outputName;
};
} // namespace esxsim
