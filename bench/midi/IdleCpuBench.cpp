// The CPU that one idle plug-in instance takes in Tether MIDI mode: its send and clock
// threads, and with ports open also the MIDI system's threads of its two port clients.
// The device runs as a process of its own (esx-sim), so that only the plug-in is measured.
// Needs a running JACK server (see scripts/test) or the ALSA sequencer.
#include "EsxSimProcess.h"
#include "PluginPorts.h"
#include "core/SynthCommons.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <string>
#include <sys/resource.h>
#include <thread>
#include <unistd.h>

namespace
{
constexpr auto kMeasured = std::chrono::seconds(10);

double processCpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

bool detected(SynthCommons& synth)
{
    synth.TetherMidi_SendInquirySysex();
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (!synth.TetherMidiHardwareAttached() && std::chrono::steady_clock::now() < end)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    return synth.TetherMidiHardwareAttached();
}

// state.range(0): 1 with the ports open onto the device, 0 with the ports closed.
void BM_IdleInstanceCpu(benchmark::State& state)
{
    const std::string client = "esx-bench-" + std::to_string(getpid());
    esxsim::EsxSimProcess device(ESX_SIM_EXECUTABLE, client);
    SynthCommons synth(nullptr);
    if (!device.ready() || !synth.tetherMidiInitialized)
    {
        state.SkipWithError("no MIDI system: start a JACK server or use ALSA");
        return;
    }
    const bool portsOpen = state.range(0) == 1;
    if (portsOpen &&
        (!esxsim::connectToDevice(synth, client + " in:ESX MIDI IN", client + " out:ESX MIDI OUT") ||
         !detected(synth)))
    {
        state.SkipWithError("the plug-in does not reach the device");
        return;
    }
    double cpu = 0;
    double wall = 0;
    for (auto _ : state)
    {
        const double cpuBefore = processCpuSeconds();
        const auto start = std::chrono::steady_clock::now();
        std::this_thread::sleep_for(kMeasured);
        wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        cpu = processCpuSeconds() - cpuBefore;
        state.SetIterationTime(wall);
    }
    state.counters["cpu_percent_of_one_core"] = 100.0 * cpu / wall;
}
BENCHMARK(BM_IdleInstanceCpu)
    ->ArgName("ports_open")
    ->Arg(0)
    ->Arg(1)
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kSecond);
} // namespace
