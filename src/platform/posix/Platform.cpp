#include "../Platform.h"

#include <chrono>
#include <cstdlib>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <system_error>
#include <thread>

extern char** environ;

namespace platform
{
void sleepMs(unsigned milliseconds)
{
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

std::uint32_t tickMs()
{
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<std::uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
}

const char* reportSystemName()
{
    return "Linux";
}

bool openInBrowser(const char* address)
{
    if (!address)
        return false;
    const char* chosen = std::getenv("PAVONIS_URL_OPENER");
    std::string opener = chosen && *chosen ? chosen : "xdg-open";
    std::string argument = address;
    char* argv[] = {opener.data(), argument.data(), nullptr};
    pid_t child = 0;
    if (posix_spawnp(&child, opener.c_str(), nullptr, nullptr, argv, environ) != 0)
        return false;
    // Reaped in the background: the browser may take its time.
    try
    {
        std::thread([child] { waitpid(child, nullptr, 0); }).detach();
    }
    catch (const std::system_error&)
    {
        waitpid(child, nullptr, WNOHANG);
    }
    return true;
}

Thread::Thread(Function function, void* argument) : function(function), argument(argument)
{
    try
    {
        handle = new std::thread([this] { this->function(this->argument); });
    }
    catch (const std::exception&)
    {
        // started() reports the failure (no memory, or the system refused a thread)
    }
}

Thread::~Thread()
{
    join();
}

bool Thread::started() const
{
    return handle != nullptr;
}

void Thread::join()
{
    auto* thread = static_cast<std::thread*>(handle);
    if (!thread)
        return;
    thread->join();
    delete thread;
    handle = nullptr;
}
} // namespace platform
