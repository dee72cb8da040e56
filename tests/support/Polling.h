// Waiting for what another process or thread does: the condition polled until it holds.
#pragma once

#include <chrono>
#include <thread>

// The condition's answer once it holds, or at the time-out's end.
template <typename Condition>
bool waitUntil(Condition condition, std::chrono::milliseconds timeout = std::chrono::seconds(5))
{
    const auto end = std::chrono::steady_clock::now() + timeout;
    while (!condition())
    {
        if (std::chrono::steady_clock::now() >= end)
            return condition();
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return true;
}
