// The running program itself: the signals that ask it to stop, where its file lies, and
// modules loaded at run time. For programs (tools/); the plug-in never touches its host's
// process this way.
#pragma once

#include <string>

namespace platform
{
// From now on SIGINT, SIGTERM and SIGHUP only raise a flag that stopRequested() reads. A
// second such signal ends the program the ordinary way, for a program that does not stop.
void catchStopSignals();
bool stopRequested();

// The folder of the running program's file; empty when the system does not tell.
std::string programFolder();

// A shared library loaded at run time; unloaded on destruction.
class Module
{
public:
    // Loads the library; loaded() tells whether it did, error() why not.
    explicit Module(const std::string& path);
    ~Module();
    Module(const Module&) = delete;
    Module& operator=(const Module&) = delete;

    bool loaded() const { return handle != nullptr; }
    const std::string& error() const { return why; }
    // The address of an exported symbol, or null.
    void* symbol(const char* name) const;

private:
    void* handle = nullptr;
    std::string why;
};
} // namespace platform
