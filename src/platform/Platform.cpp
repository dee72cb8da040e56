#include "Platform.h"

#include <chrono>
#include <system_error>

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

Thread::Thread(Function function, void* argument)
{
    try
    {
        thread = std::thread(function, argument);
    }
    catch (const std::system_error&)
    {
        // started() reports the failure
    }
}

Thread::~Thread()
{
    join();
}

bool Thread::started() const
{
    return thread.joinable();
}

void Thread::join()
{
    if (thread.joinable())
        thread.join();
}
} // namespace platform
