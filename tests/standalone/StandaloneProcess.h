// The built pavonis run as a user runs it, as a child process: its standard output read line
// by line, signals sent to it, its exit status.
#pragma once

#include <chrono>
#include <string>
#include <sys/types.h>
#include <vector>

namespace standalonetest
{
using namespace std::chrono_literals;

class StandaloneProcess
{
public:
    // Starts pavonis with the built plug-in and the given arguments; started() tells.
    explicit StandaloneProcess(const std::vector<std::string>& arguments);
    // Kills the program if it still runs.
    ~StandaloneProcess();
    StandaloneProcess(const StandaloneProcess&) = delete;
    StandaloneProcess& operator=(const StandaloneProcess&) = delete;

    bool started() const { return child > 0; }
    // Reads the output until a line contains the text; false at the end of the output or
    // after the time-out. Every line read is kept in output().
    bool waitForLine(const std::string& text, std::chrono::milliseconds timeout = 10s);
    const std::string& output() const { return lines; }
    void signal(int number) const;
    // The exit status; -1 when the program has not ended in time (it is then killed), -2
    // when it ended by a signal.
    int exitStatus(std::chrono::milliseconds timeout = 10s);

private:
    pid_t child = -1;
    int fromChild = -1;
    std::string lines;
    std::string partial;
};
} // namespace standalonetest
