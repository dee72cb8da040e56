// The built pavonis run as a user runs it, as a child process: its standard output read line
// by line, signals sent to it, its exit status.
#pragma once

#include "platform/Process.h"

#include <chrono>
#include <string>
#include <vector>

namespace standalonetest
{
using namespace std::chrono_literals;

class StandaloneProcess
{
public:
    // Starts pavonis with the built plug-in and the given arguments.
    explicit StandaloneProcess(const std::vector<std::string>& arguments);

    // Reads the output until a line contains the text; false at the end of the output or
    // after the time-out. Every line read is kept in output().
    bool waitForLine(const std::string& text, std::chrono::milliseconds timeout = 10s);
    const std::string& output() const { return lines; }
    void signal(int number) const { process.signal(number); }
    // The exit status; -1 when the program has not ended in time, -2 when a signal ended it.
    int exitStatus(std::chrono::milliseconds timeout = 10s) { return process.waitForExit(timeout); }

private:
    platform::ChildProcess process;
    std::string lines;
};
} // namespace standalonetest
