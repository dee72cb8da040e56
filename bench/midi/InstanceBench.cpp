// What one more plug-in instance costs while a JACK server runs: the time to create and
// destroy it, and the private memory it holds, idle and with a dump arriving.
#include "../ProcessMemory.h"
#include "core/SynthCommons.h"
#include "sysex/InitPatterns.h"

#include <benchmark/benchmark.h>

#include <fstream>
#include <malloc.h>
#include <memory>
#include <string>
#include <vector>

namespace
{
constexpr int kInstancesMeasured = 20;

// A host scans the plug-in or loads a project: no MIDI client may come into being.
void BM_CreateAndDestroyInstance(benchmark::State& state)
{
    for (auto _ : state)
    {
        auto synth = std::make_unique<SynthCommons>(nullptr);
        benchmark::DoNotOptimize(synth.get());
    }
}
BENCHMARK(BM_CreateAndDestroyInstance)->Unit(benchmark::kMillisecond);

// state.range(0): 0 idle, 1 with the port list taken (a MIDI client), 2 after a bank dump
// was received (the reception buffers grown).
void BM_PrivateMemoryPerInstance(benchmark::State& state)
{
    const auto use = [&state](SynthCommons& synth)
    {
        if (state.range(0) >= 1)
            synth.TetherMidiOutGetNbDevices();
        if (state.range(0) == 2)
            synth.TetherMidiReceive(INIT_BANK_SYSEX, false);
    };
    { // what every instance shares comes into being with the first
        SynthCommons first(nullptr);
        use(first);
    }
    double perInstance = 0;
    for (auto _ : state)
    {
        std::vector<std::unique_ptr<SynthCommons>> instances;
        malloc_trim(0); // freed pages that new instances would reuse without counting
        const long before = privateKilobytes();
        for (int i = 0; i < kInstancesMeasured; ++i)
        {
            instances.push_back(std::make_unique<SynthCommons>(nullptr));
            use(*instances.back());
        }
        perInstance = double(privateKilobytes() - before) / kInstancesMeasured;
    }
    state.counters["private_kb_per_instance"] = perInstance;
}
BENCHMARK(BM_PrivateMemoryPerInstance)->ArgName("use")->Arg(0)->Arg(1)->Arg(2)->Iterations(1);
} // namespace
