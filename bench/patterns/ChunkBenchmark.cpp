// The state chunk of a whole project: getChunk and setChunk of 256 programs, and the size
// of the chunk, for initial programs and for programs of random bytes (nothing to compress).
#include "core/SynthCommons.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <random>
#include <vector>

namespace
{
vst::intptr quietHost(AEffect*, vst::int32 opcode, vst::int32, vst::intptr, void*, float)
{
    return opcode == audioMasterVersion ? 2400 : 0;
}

std::unique_ptr<SynthCommons> pluginWith(bool randomPrograms)
{
    auto synth = std::make_unique<SynthCommons>(quietHost);
    std::mt19937 random(3);
    for (int i = 0; randomPrograms && i < kNumPrograms; ++i)
    {
        std::uint8_t image[kPatternDataSize];
        for (std::uint8_t& byte : image)
            byte = static_cast<std::uint8_t>(random());
        SynthCommons::patchLib_StorePattern(synth->programBank[i], image);
    }
    return synth;
}

std::vector<std::uint8_t> chunkOf(SynthCommons& synth)
{
    void* data = nullptr;
    const vst::int32 size = synth.getChunk(&data, false);
    return std::vector<std::uint8_t>(static_cast<std::uint8_t*>(data),
                                     static_cast<std::uint8_t*>(data) + size);
}

void getChunk(benchmark::State& state)
{
    auto synth = pluginWith(state.range(0) != 0);
    vst::int32 size = 0;
    for (auto _ : state)
    {
        void* data = nullptr;
        size = synth->getChunk(&data, false);
        benchmark::DoNotOptimize(data);
    }
    state.counters["chunk_bytes"] = size;
}

void setChunk(benchmark::State& state)
{
    auto source = pluginWith(state.range(0) != 0);
    std::vector<std::uint8_t> chunk = chunkOf(*source);
    auto synth = std::make_unique<SynthCommons>(quietHost);
    for (auto _ : state)
        if (synth->setChunk(chunk.data(), static_cast<vst::int32>(chunk.size()), false) != 1)
            state.SkipWithError("the chunk was refused");
    state.counters["chunk_bytes"] = static_cast<double>(chunk.size());
}
} // namespace

// Argument 0: 256 initial programs; 1: 256 programs of random bytes.
BENCHMARK(getChunk)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(setChunk)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
