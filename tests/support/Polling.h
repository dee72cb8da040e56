// Waiting for what another process or thread does: the condition polled until it holds.
#pragma once

#include <chrono>
#include <thread>

// True once the condition holds; false when the time-out passed first.
template <typename Condition> bool waitUntil(Condition condition, std::chrono::milliseconds timeout)
{
    const auto end = std::chrono::steady_clock::now() + timeout;
    while (!condition())
    {
        if (std::chrono::steady_clock::now() >= end)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
}
