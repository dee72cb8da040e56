// The running program itself: the signals that ask it to stop, where its file lies, and
// programs run as its children. For programs (tools/, tests) on POSIX systems; the plug-in
// never touches its host's process this way.
#pragma once

#include <chrono>
#include <string>
#include <sys/types.h>
#include <vector>

namespace platform
{
// From now on SIGINT, SIGTERM and SIGHUP only raise a flag that stopRequested() reads. A
// second such signal ends the program the ordinary way, for a program that does not stop.
void catchStopSignals();
bool stopRequested();

// The folder of the running program's file; empty when the system does not tell.
std::string programFolder();

// A program run as a child, with this program's environment: its standard input written to
// line by line, its standard output read line by line.
class ChildProcess
{
public:
    // Starts the program; arguments[0] is its path. started() tells whether it did.
    explicit ChildProcess(const std::vector<std::string>& arguments);
    // Asks a child that still runs to stop (SIGTERM), and kills it after five seconds.
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    bool started() const { return child > 0; }
    // The next line of its output, without the end of line; false at the end of the output
    // or after the time-out.
    bool readLine(std::string& line, std::chrono::milliseconds timeout);
    // False when the child no longer reads (it has ended).
    bool writeLine(const std::string& line);
    void signal(int number) const;
    // The exit status once it has ended; -1 when it has not ended in time, -2 when a signal
    // ended it.
    int waitForExit(std::chrono::milliseconds timeout);

private:
    pid_t child = -1;
    int toChild = -1;
    int fromChild = -1;
    std::string pending; // read, not yet a whole line
    int status = -1;
};
} // namespace platform
