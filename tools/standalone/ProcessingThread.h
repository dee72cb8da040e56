// The audio side of a host without audio: the plug-in's processing call at a steady block
// rate on a thread of its own, as a sound card would drive it. The plug-in hands its queued
// MIDI to the host there and learns that audio runs.
#pragma once

#include "HostedPlugin.h"
#include "platform/Platform.h"

#include <atomic>
#include <memory>
#include <vector>

namespace standalone
{
class ProcessingThread
{
public:
    static constexpr int kSampleRate = 48000;
    static constexpr int kBlockFrames = 256;

    // Sets the rate and block size, switches the plug-in on and starts the calls.
    explicit ProcessingThread(const HostedPlugin& plugin);
    // Stops the calls and switches the plug-in off.
    ~ProcessingThread();
    ProcessingThread(const ProcessingThread&) = delete;
    ProcessingThread& operator=(const ProcessingThread&) = delete;

private:
    static void run(void* self);
    void loop();

    const HostedPlugin& plugin;
    std::vector<float> buffers[4]; // two inputs, two outputs
    std::atomic<bool> stopping{false};
    std::unique_ptr<platform::Thread> thread;
};
} // namespace standalone
