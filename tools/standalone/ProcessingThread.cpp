#include "ProcessingThread.h"

#include <chrono>
#include <thread>

namespace standalone
{
namespace
{
using Clock = std::chrono::steady_clock;
constexpr auto kBlockPeriod = std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(
    static_cast<double>(ProcessingThread::kBlockFrames) / ProcessingThread::kSampleRate));
// Further behind than this (a stopped process), the clock starts afresh rather than rush.
constexpr int kMostBlocksBehind = 8;
} // namespace

ProcessingThread::ProcessingThread(const HostedPlugin& plugin) : plugin(plugin)
{
    for (std::vector<float>& buffer : buffers)
        buffer.assign(kBlockFrames, 0.0f);
    plugin.dispatch(effSetSampleRate, 0, 0, nullptr, static_cast<float>(kSampleRate));
    plugin.dispatch(effSetBlockSize, 0, kBlockFrames);
    plugin.dispatch(effMainsChanged, 0, 1);
    plugin.dispatch(effStartProcess);
    thread = std::make_unique<platform::Thread>(run, this);
}

ProcessingThread::~ProcessingThread()
{
    stopping = true;
    thread.reset();
    plugin.dispatch(effStopProcess);
    plugin.dispatch(effMainsChanged, 0, 0);
}

void ProcessingThread::run(void* self)
{
    static_cast<ProcessingThread*>(self)->loop();
}

// Each block is due one period after the one before: a late block does not shift the ones
// after it, as a sound card's clock would not.
void ProcessingThread::loop()
{
    float* inputs[] = {buffers[0].data(), buffers[1].data()};
    float* outputs[] = {buffers[2].data(), buffers[3].data()};
    auto due = Clock::now();
    while (!stopping)
    {
        plugin.process(inputs, outputs, kBlockFrames);
        due += kBlockPeriod;
        if (Clock::now() > due + kMostBlocksBehind * kBlockPeriod)
            due = Clock::now();
        std::this_thread::sleep_until(due);
    }
}
} // namespace standalone
