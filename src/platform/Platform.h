// Threads and time: the only place where the plug-in reaches the operating system for them.
#pragma once

#include <cstdint>

namespace platform
{
// Suspends the calling thread for the given number of milliseconds.
void sleepMs(unsigned milliseconds);

// Milliseconds of a monotonic clock; wraps around after about 49 days.
std::uint32_t tickMs();

// Opens a web address in the user's browser and does not wait for it. Linux: runs the opener
// (xdg-open, or the program that PAVONIS_URL_OPENER names) with the address as its one
// argument, without a shell. Windows: the shell's "open" operation. False when it could not
// be started.
bool openInBrowser(const char* address);

// How the maker's MIDI test report names this system: "Linux", "PC" on Windows.
const char* reportSystemName();

class Thread
{
public:
    using Function = void (*)(void* argument);

    // Starts a joinable thread (on Windows with a 128 KB stack); started() is false when the
    // system refused.
    Thread(Function function, void* argument);
    ~Thread(); // joins
    Thread(const Thread&) = delete;
    Thread& operator=(const Thread&) = delete;

    bool started() const;
    void join();

private:
    Function function;
    void* argument;
    void* handle = nullptr; // the system's thread while it can be joined
};
} // namespace platform
