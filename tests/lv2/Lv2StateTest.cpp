// The state: the chunk that the VST 2 plug-in saves, in both directions, with the same refusals,
// and a restored state that stale control ports do not undo and that sends nothing.
#include "Lv2Host.h"
#include "core/ChunkFormat.h"
#include "host/PluginHost.h"

#include <gtest/gtest.h>
#include <lv2/atom/atom.h>

namespace
{
using namespace lv2test;

constexpr int kD1FilterCutoff = 6;

Bytes vst2Chunk(PluginInstance& vst2)
{
    void* data = nullptr;
    const auto size = vst2.dispatch(effGetChunk, 0, 0, &data);
    const auto* bytes = static_cast<const std::uint8_t*>(data);
    return Bytes(bytes, bytes + size);
}

bool loadIntoVst2(PluginInstance& vst2, Bytes chunk)
{
    return vst2.dispatch(effSetChunk, 0, static_cast<vst::intptr>(chunk.size()), chunk.data()) == 1;
}

TEST(Lv2State, IsTheChunkThatTheVst2PluginSavesBothWays)
{
    Instance lv2;
    lv2.run();
    lv2.control(kProgram) = 3.0f;
    lv2.run();
    lv2.parameter(kD1FilterCutoff) = 40 / 127.0f;
    lv2.run();
    const Instance::Property saved = lv2.save();
    World& world = World::get();
    EXPECT_EQ(saved.type, world.map(LV2_ATOM__Chunk));
    EXPECT_EQ(saved.flags & (LV2_STATE_IS_POD | LV2_STATE_IS_PORTABLE),
              LV2_STATE_IS_POD | LV2_STATE_IS_PORTABLE);
    PluginInstance vst2;
    ASSERT_TRUE(loadIntoVst2(vst2, saved.value));
    EXPECT_EQ(vst2.program(), 3);
    EXPECT_FLOAT_EQ(vst2.getParameter(kD1FilterCutoff), 40 / 127.0f);
    EXPECT_EQ(vst2Chunk(vst2), saved.value);

    PluginInstance other;
    other.selectProgram(200);
    other.renameProgram("VSTNAME");
    other.setParameter(kD1FilterCutoff, 77 / 127.0f);
    const Bytes fromVst2 = vst2Chunk(other);
    Instance restored;
    ASSERT_EQ(restored.restoreChunk(fromVst2), LV2_STATE_SUCCESS);
    EXPECT_EQ(restored.chunk(), fromVst2);
}

TEST(Lv2State, ADamagedOrForeignStateIsRefusedAndChangesNothing)
{
    Instance lv2;
    lv2.parameter(kD1FilterCutoff) = 50 / 127.0f;
    lv2.run();
    const Bytes before = lv2.chunk();
    Bytes damaged = before;
    damaged[damaged.size() / 2] ^= 0x55;
    Bytes newer = before;
    newer[kChunkVersionOffset] = kChunkVersion + 1;
    Bytes foreign = before;
    foreign[0] = 'K';
    struct Case
    {
        const char* what;
        Instance::Property property;
    };
    World& world = World::get();
    const LV2_URID key = world.map("https://quillon.example/plugins/pavonis#chunk");
    const LV2_URID chunkType = world.map(LV2_ATOM__Chunk);
    const Case cases[] = {
        {"damaged", {key, chunkType, 0, damaged}},
        {"newer", {key, chunkType, 0, newer}},
        {"foreign", {key, chunkType, 0, foreign}},
        {"of another type", {key, world.map(LV2_ATOM__String), 0, before}},
        {"empty", {key, chunkType, 0, {}}},
    };
    for (const Case& c : cases)
    {
        EXPECT_NE(lv2.restore(c.property), LV2_STATE_SUCCESS) << c.what;
        EXPECT_EQ(lv2.chunk(), before) << c.what;
    }
}

TEST(Lv2State, ARestoredStateSendsNothingAndStalePortsDoNotUndoIt)
{
    PluginInstance vst2;
    vst2.setParameter(kD1FilterCutoff, 38 / 127.0f);
    vst2.dispatch(effMainsChanged, 0, 1);
    const Bytes chunk = vst2Chunk(vst2);
    Instance lv2;
    lv2.run();
    ASSERT_EQ(lv2.restoreChunk(chunk), LV2_STATE_SUCCESS);
    EXPECT_TRUE(lv2.runFor(0.5).empty());
    PluginInstance check;
    ASSERT_TRUE(loadIntoVst2(check, lv2.chunk()));
    EXPECT_FLOAT_EQ(check.getParameter(kD1FilterCutoff), 38 / 127.0f);
}
} // namespace
