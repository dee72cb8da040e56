// The processing call with empty queues and after a knob sweep, and one host parameter
// change up to its queued message, in Host MIDI mode. Targets: an empty processing call
// under 1 us, a queued parameter change under 2 us.
#include "core/SynthCommons.h"
#include "params/ParameterValues.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace
{
constexpr int kBlockFrames = 512;
constexpr int kSweepChanges = 50;

// Host parameters: one knob reached by an NRPN and one by a control change.
constexpr vst::int32 kD1FilterCutoff = 6;
constexpr vst::int32 kK1FilterCutoff = 30;

// A host that answers the version query and takes the plug-in's MIDI without looking at it.
vst::intptr quietHost(AEffect*, vst::int32 opcode, vst::int32, vst::intptr, void* ptr, float)
{
    if (opcode == audioMasterProcessEvents)
        benchmark::DoNotOptimize(ptr);
    return opcode == audioMasterVersion ? 2400 : 0;
}

class HostModePlugin
{
public:
    HostModePlugin()
    {
        synth.parameterLib_SetParameterValueFromEditor(EPARAM_MIDI_MODE, 0.0f);
        process();
    }

    void process() { synth.processReplacing(nullptr, outputs, kBlockFrames); }

    void sweep(vst::int32 knob)
    {
        for (unsigned n = 0; n < kSweepChanges; ++n)
            synth.setParameter(knob, IntToFloat(n));
    }

    SynthCommons synth{quietHost};

private:
    std::vector<float> left = std::vector<float>(kBlockFrames);
    std::vector<float> right = std::vector<float>(kBlockFrames);
    float* outputs[2] = {left.data(), right.data()};
};

vst::int32 knobOf(const benchmark::State& state)
{
    return state.range(0) ? kD1FilterCutoff : kK1FilterCutoff;
}

void ProcessReplacingEmptyQueues(benchmark::State& state)
{
    HostModePlugin plugin;
    for (auto _ : state)
        plugin.process();
}
BENCHMARK(ProcessReplacingEmptyQueues);

// Only the processing call is timed; the sweep before it is not.
void ProcessReplacingAfterKnobSweep(benchmark::State& state)
{
    HostModePlugin plugin;
    for (auto _ : state)
    {
        state.PauseTiming();
        plugin.sweep(knobOf(state));
        state.ResumeTiming();
        plugin.process();
    }
}
BENCHMARK(ProcessReplacingAfterKnobSweep)->ArgName("nrpn")->Arg(0)->Arg(1);

// The sweep and the processing call together, free of the timer's pause and resume.
void KnobSweepAndProcessReplacing(benchmark::State& state)
{
    HostModePlugin plugin;
    for (auto _ : state)
    {
        plugin.sweep(knobOf(state));
        plugin.process();
    }
}
BENCHMARK(KnobSweepAndProcessReplacing)->ArgName("nrpn")->Arg(0)->Arg(1);

// One host change up to the queued message; it merges into the one queued before.
void SetParameterToQueuedMessage(benchmark::State& state)
{
    HostModePlugin plugin;
    const vst::int32 knob = knobOf(state);
    unsigned n = 0;
    for (auto _ : state)
        plugin.synth.setParameter(knob, IntToFloat(++n & 0x7F));
    plugin.process();
}
BENCHMARK(SetParameterToQueuedMessage)->ArgName("nrpn")->Arg(0)->Arg(1);
} // namespace
