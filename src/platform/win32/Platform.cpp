#include "../Platform.h"
#include "WideText.h"

#include <windows.h>

#include <mmsystem.h>
#include <process.h>
#include <shellapi.h>

namespace platform
{
namespace
{
constexpr unsigned kThreadStackBytes = 128 * 1024;
} // namespace

// Windows' clock ticks every 15.6 ms unless asked for 1 ms: a 1 ms wait of the Tether send
// thread would otherwise take a whole tick and halve what it sends.
void sleepMs(unsigned milliseconds)
{
    timeBeginPeriod(1);
    Sleep(milliseconds);
    timeEndPeriod(1);
}

std::uint32_t tickMs()
{
    return static_cast<std::uint32_t>(GetTickCount64());
}

const char* reportSystemName()
{
    return "PC";
}

bool openInBrowser(const char* address)
{
    if (!address)
        return false;
    const std::wstring wide = toWide(address);
    // Above 32 on success; the shell starts the browser and does not wait for it.
    const auto result = reinterpret_cast<INT_PTR>(
        ShellExecuteW(nullptr, L"open", wide.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
    return result > 32;
}

Thread::Thread(Function function, void* argument) : function(function), argument(argument)
{
    // x86-64 has one calling convention: the lambda is the __stdcall function it asks for.
    const auto body = [](void* self) -> unsigned
    {
        auto* thread = static_cast<Thread*>(self);
        thread->function(thread->argument);
        return 0;
    };
    const std::uintptr_t started =
        _beginthreadex(nullptr, kThreadStackBytes, body, this, STACK_SIZE_PARAM_IS_A_RESERVATION, nullptr);
    handle = reinterpret_cast<void*>(started);
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
    if (!handle)
        return;
    WaitForSingleObject(handle, INFINITE);
    CloseHandle(handle);
    handle = nullptr;
}
} // namespace platform
