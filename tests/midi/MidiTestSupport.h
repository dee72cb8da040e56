// What the MIDI tests share: a plug-in under test, waiting on a condition with a time-out,
// and running a piece of work that may hang.
#pragma once

#include "core/SynthCommons.h"
#include "editor/SynthEditor.h"
#include "support/Polling.h"
#include "support/RecordingHost.h"

#include <gtest/gtest.h>

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

// One plug-in instance and its host, for the tests that feed the plug-in directly.
class PluginTest : public ::testing::Test
{
protected:
    RecordingHost host;
    // On the heap: the object is large enough to upset the sanitizers' view of a fixture.
    std::unique_ptr<SynthCommons> owned = std::make_unique<SynthCommons>(RecordingHost::callback);
    SynthCommons& synth = *owned;
    SynthEditor* editor = synth.getSynthEditor();
};

// Does the action and waits for the condition, up to three times. A JACK server in its
// asynchronous mode drops what a client sends in a cycle that its receiver misses, which a
// busy machine makes happen now and then; a user would do it again.
template <typename Action, typename Condition>
bool repeatedUntil(Action action, Condition condition, std::chrono::milliseconds each = 2s)
{
    for (int attempt = 0; attempt < 3; ++attempt)
    {
        action();
        if (waitUntil(condition, each))
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
} // namespace miditest
