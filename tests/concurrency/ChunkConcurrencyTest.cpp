// The host saves its project (getChunk on a thread of its own) while the plug-in switches
// programs: every program in every chunk is whole, never one caught half switched.
#include "core/SynthCommons.h"
#include "support/RecordingHost.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstring>
#include <memory>
#include <random>
#include <thread>
#include <vector>

namespace
{
constexpr int kSwitched = 8;

std::vector<std::uint8_t> chunkOf(SynthCommons& synth)
{
    void* data = nullptr;
    const vst::int32 size = synth.getChunk(&data, false);
    const auto* bytes = static_cast<const std::uint8_t*>(data);
    return std::vector<std::uint8_t>(bytes, bytes + size);
}
} // namespace

TEST(ChunkConcurrency, ProgramsSavedWhileSwitchingAreWhole)
{
    RecordingHost host;
    auto synth = std::make_unique<SynthCommons>(RecordingHost::callback);
    auto restored = std::make_unique<SynthCommons>(RecordingHost::callback);
    std::mt19937 random(5);
    for (int i = 0; i < kSwitched; ++i)
    {
        std::uint8_t image[kPatternDataSize];
        for (std::uint8_t& byte : image)
            byte = static_cast<std::uint8_t>(random());
        std::memcpy(image, "Whole   ", 8);
        SynthCommons::patchLib_StorePattern(synth->programBank[i], image);
    }
    // Once applied and saved by a switch, a program no longer changes by switching.
    for (int i = kSwitched; i >= 0; --i)
        synth->setProgramProcess(i % kSwitched);
    synth->setProgramProcess(1);
    std::vector<t_Patch> expected;
    for (int i = 0; i < kSwitched; ++i)
        expected.push_back(synth->programBank.read(i));

    std::atomic<bool> saving{true};
    std::thread switcher(
        [&]
        {
            // A host switches between its own calls: without the yield the switcher keeps the
            // program lock nearly always under ThreadSanitizer and the saving side starves.
            for (int i = 0; saving; ++i)
            {
                synth->setProgramProcess(i % kSwitched);
                std::this_thread::yield();
            }
        });
    int torn = 0;
    for (int round = 0; round < 40; ++round)
    {
        std::vector<std::uint8_t> chunk = chunkOf(*synth);
        ASSERT_EQ(restored->setChunk(chunk.data(), static_cast<vst::int32>(chunk.size()), false), 1);
        for (int i = 0; i < kSwitched; ++i)
            torn += std::memcmp(&restored->programOf(i), &expected[i], sizeof(t_Patch)) != 0;
    }
    saving = false;
    switcher.join();
    EXPECT_EQ(torn, 0);
}
