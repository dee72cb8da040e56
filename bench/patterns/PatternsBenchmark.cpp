// Speed of the pattern paths: applying a whole program from its image, flushing the
// parameters back into it, and receiving a bank dump as a MIDI interface delivers it.
#include "core/SynthCommons.h"
#include "editor/SynthEditor.h"
#include "sysex/InitPatterns.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>
#include <vector>

namespace
{
// A host that answers the version query and nothing else.
vst::intptr quietHost(AEffect*, vst::int32 opcode, vst::int32, vst::intptr, void*, float)
{
    return opcode == audioMasterVersion ? 2400 : 0;
}

std::vector<std::vector<unsigned char>> fragmentsOf(const std::vector<std::uint8_t>& message,
                                                    std::size_t size)
{
    std::vector<std::vector<unsigned char>> fragments;
    for (std::size_t start = 0; start < message.size(); start += size)
        fragments.emplace_back(message.begin() + start,
                               message.begin() + std::min(message.size(), start + size));
    return fragments;
}

void applyProgram(benchmark::State& state)
{
    auto synth = std::make_unique<SynthCommons>(quietHost);
    for (auto _ : state)
        synth->parameterLib_SetAllParametersValueFromPatch(false);
}

void flushProgram(benchmark::State& state)
{
    auto synth = std::make_unique<SynthCommons>(quietHost);
    for (auto _ : state)
    {
        synth->parameterLib_FlushParametersToRawData();
        benchmark::DoNotOptimize(synth->workingProgram.data);
    }
}

// 313059 bytes in 1 KB pieces through the receive path: joining, progress texts,
// the incomplete-dump check re-armed per piece, dispatch and unpacking.
void receiveBankDumpIn1KBFragments(benchmark::State& state)
{
    auto synth = std::make_unique<SynthCommons>(quietHost);
    const auto fragments = fragmentsOf(INIT_BANK_SYSEX, 1024);
    for (auto _ : state)
    {
        for (const auto& fragment : fragments)
            synth->TetherMidiReceive(fragment, false);
        state.PauseTiming();
        synth->getSynthEditor()->postProcessInit(); // what the user-interface thread takes away
        state.ResumeTiming();
    }
    if (synth->lastDumpType != 0x4C || synth->dumpBankNumber != 3)
        state.SkipWithError("the bank dump was not received");
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * INIT_BANK_SYSEX.size()));
}
} // namespace

BENCHMARK(applyProgram)->Unit(benchmark::kMicrosecond);
BENCHMARK(flushProgram)->Unit(benchmark::kMicrosecond);
BENCHMARK(receiveBankDumpIn1KBFragments)->Unit(benchmark::kMillisecond);
