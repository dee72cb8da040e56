// How long a parameter change takes to reach the device in Tether MIDI mode when the
// plug-in has been idle: the send thread sleeps until something is queued.
#include "EsxSimulator.h"
#include "PluginPorts.h"
#include "core/SynthCommons.h"
#include "params/ParameterValues.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <thread>
#include <unistd.h>

namespace
{
constexpr int kFx1Edit1 = 49; // a host parameter sent as one control change
constexpr auto kIdle = std::chrono::milliseconds(150);

void BM_ParameterChangeReachesTheDevice(benchmark::State& state)
{
    std::unique_ptr<esxsim::EsxSimulator> device;
    try
    {
        device = std::make_unique<esxsim::EsxSimulator>("esx-latency-" + std::to_string(getpid()));
    }
    catch (const std::exception&)
    {
        state.SkipWithError("no MIDI system: start a JACK server or use ALSA");
        return;
    }
    SynthCommons synth(nullptr);
    if (!esxsim::connectToDevice(synth, device->inputPortName(), device->outputPortName()))
    {
        state.SkipWithError("the plug-in does not reach the device");
        return;
    }
    unsigned value = 0;
    double slowest = 0;
    for (auto _ : state)
    {
        device->clearReceived();
        std::this_thread::sleep_for(kIdle);
        const auto start = std::chrono::steady_clock::now();
        synth.setParameter(kFx1Edit1, IntToFloat(++value % 128));
        while (device->received().empty())
            std::this_thread::sleep_for(std::chrono::microseconds(100));
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        state.SetIterationTime(seconds);
        slowest = std::max(slowest, seconds);
    }
    state.counters["slowest_ms"] = slowest * 1000;
}
BENCHMARK(BM_ParameterChangeReachesTheDevice)->Iterations(40)->UseManualTime()->Unit(benchmark::kMillisecond);
} // namespace

BENCHMARK_MAIN();
