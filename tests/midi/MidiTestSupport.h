// What the MIDI tests share: waiting on a condition with a time-out, running a piece of
// work that may hang, and connecting the plug-in to a device.
#pragma once

#include "core/SynthCommons.h"

#include <chrono>
#include <functional>
#include <future>
#include <memory>
#include <string>
#include <thread>
#include <unistd.h>

namespace miditest
{
using namespace std::chrono_literals;

// Polls the condition until it holds or the time-out has passed; the condition's last answer.
template <typename Condition> bool waitUntil(Condition condition, std::chrono::milliseconds timeout = 5s)
{
    const auto end = std::chrono::steady_clock::now() + timeout;
    while (!condition())
    {
        if (std::chrono::steady_clock::now() >= end)
            return condition();
        std::this_thread::sleep_for(2ms);
    }
    return true;
}

// Does the action and waits for the condition, up to three times. A message sent in the
// first cycles of a JACK port that has just been connected is lost now and then on a busy
// machine; a user would do it again.
template <typename Action, typename Condition> bool repeatedUntil(Action action, Condition condition)
{
    for (int attempt = 0; attempt < 3; ++attempt)
    {
        action();
        if (waitUntil(condition, 2s))
            return true;
    }
    return false;
}

// Runs work on a thread of its own; false when it has not ended within the time-out (the
// thread is then left behind, and the test has failed anyway).
inline bool finishesWithin(std::function<void()> work, std::chrono::milliseconds timeout)
{
    auto done = std::make_shared<std::promise<void>>();
    std::future<void> ended = done->get_future();
    std::thread(
        [work = std::move(work), done]
        {
            work();
            done->set_value();
        })
        .detach();
    return ended.wait_for(timeout) == std::future_status::ready;
}

// A MIDI client name that no other test process uses at the same time.
inline std::string uniqueClientName(const char* role)
{
    static int counter = 0;
    return std::string(role) + "-" + std::to_string(getpid()) + "-" + std::to_string(++counter);
}
// The index of a listed port, or -1.
inline std::uint32_t indexOfPort(const char* (SynthCommons::*nameOf)(std::uint32_t), std::uint32_t count,
                                 SynthCommons& synth, const std::string& name)
{
    for (std::uint32_t i = 0; i < count; ++i)
        if (const char* listed = (synth.*nameOf)(i); listed && name == listed)
            return i;
    return static_cast<std::uint32_t>(-1);
}

// Opens the plug-in's output onto the device's input and its input onto the device's
// output, as the interface menus do. False when a port is not listed or does not open.
inline bool connectToDevice(SynthCommons& synth, const std::string& deviceInput,
                            const std::string& deviceOutput)
{
    const std::uint32_t out = indexOfPort(&SynthCommons::TetherMidiOutGetDeviceName,
                                          synth.TetherMidiOutGetNbDevices(), synth, deviceInput);
    const std::uint32_t in = indexOfPort(&SynthCommons::TetherMidiInGetDeviceName,
                                         synth.TetherMidiInGetNbDevices(), synth, deviceOutput);
    if (out == static_cast<std::uint32_t>(-1) || in == static_cast<std::uint32_t>(-1))
        return false;
    return synth.TetherMidiOutOpen(out) == out && synth.TetherMidiInOpen(in) == in;
}

// Asks who is there, as the interface menus do after opening a port, until the reply.
inline bool deviceDetected(SynthCommons& synth)
{
    return repeatedUntil([&] { synth.TetherMidi_SendInquirySysex(); },
                         [&] { return synth.TetherMidiHardwareAttached(); });
}
} // namespace miditest
