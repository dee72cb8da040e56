// The esx-sim program run as a child process, for tests and benchmarks that need the
// device outside their own process.
#pragma once

#include <chrono>
#include <string>
#include <sys/types.h>

namespace esxsim
{
class EsxSimProcess
{
public:
    // Starts the program and waits until it reports its ports open; ready() tells.
    EsxSimProcess(const std::string& executable, const std::string& clientName,
                  std::chrono::milliseconds timeout = std::chrono::seconds(10));
    // Ends the program if it still runs.
    ~EsxSimProcess();
    EsxSimProcess(const EsxSimProcess&) = delete;
    EsxSimProcess& operator=(const EsxSimProcess&) = delete;

    bool ready() const { return isReady; }
    // Writes one command line to the program's input.
    bool command(const std::string& line);
    // Sends "quit" and waits for the end; true when the program ended with status 0 in time.
    bool quit(std::chrono::milliseconds timeout);

private:
    bool readReadyLine(std::chrono::milliseconds timeout);
    bool waitForExit(std::chrono::milliseconds timeout, int* status);

    pid_t child = -1;
    int toChild = -1;
    int fromChild = -1;
    bool isReady = false;
};
} // namespace esxsim
