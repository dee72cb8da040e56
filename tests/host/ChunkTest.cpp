// The state chunk as a host uses it: a project saved after editing several programs and
// opened in a fresh instance, a preset, and projects saved by earlier versions.
#include "PluginHost.h"

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <vector>

namespace
{
using Bytes = std::vector<std::uint8_t>;

constexpr int kD1Cutoff = 6, kD1Level = 10, kK1Level = 34, kFx1Edit1 = 49, kSwing = 63;

float midi(int n)
{
    return static_cast<float>(n) / 127.0f;
}

Bytes chunkOf(const PluginInstance& plugin, bool preset = false)
{
    void* data = nullptr;
    const auto size = plugin.dispatch(effGetChunk, preset ? 1 : 0, 0, &data);
    const auto* bytes = static_cast<const std::uint8_t*>(data);
    return size > 0 && bytes ? Bytes(bytes, bytes + size) : Bytes{};
}

vst::intptr load(const PluginInstance& plugin, Bytes chunk, bool preset = false)
{
    return plugin.dispatch(effSetChunk, preset ? 1 : 0, static_cast<vst::intptr>(chunk.size()), chunk.data());
}

void edit(const PluginInstance& plugin, int program, const char* name, int cutoff, int level)
{
    plugin.selectProgram(program);
    plugin.renameProgram(name);
    plugin.setParameter(kD1Cutoff, midi(cutoff));
    plugin.setParameter(kD1Level, midi(level));
    plugin.setParameter(kK1Level, midi(level / 2));
    plugin.setParameter(kFx1Edit1, midi(cutoff / 3));
    plugin.setParameter(kSwing, midi(level / 5 * 5));
}

// A project as a musician leaves it: several programs edited, the last one still being
// edited (not yet saved into its slot by a switch).
void editSeveralPrograms(const PluginInstance& plugin)
{
    edit(plugin, 5, "Intro", 100, 17);
    edit(plugin, 64, "Verse", 30, 120);
    edit(plugin, 255, "Outro", 77, 50);
    edit(plugin, 9, "Chorus", 5, 90);
}

Bytes fileBytes(const char* path)
{
    std::ifstream file(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(file), {});
}
} // namespace

TEST(StateChunk, ASavedProjectReopensWithEveryProgramInAFreshInstance)
{
    PluginInstance saved;
    editSeveralPrograms(saved);
    const Bytes chunk = chunkOf(saved);
    ASSERT_GT(chunk.size(), 8u);

    PluginInstance reopened;
    reopened.clearLog();
    EXPECT_EQ(load(reopened, chunk), 1);
    EXPECT_EQ(snapshotOf(reopened), snapshotOf(saved));
    EXPECT_EQ(chunkOf(reopened), chunkOf(saved)) << "every program byte for byte";
    EXPECT_TRUE(reopened.log().eventLists.empty()) << "nothing is sent by a restore";

    for (int program : {5, 64, 255, 0, 9})
    {
        saved.selectProgram(program);
        reopened.selectProgram(program);
        EXPECT_EQ(snapshotOf(reopened), snapshotOf(saved)) << "program " << program;
    }
}

TEST(StateChunk, APresetCarriesTheCurrentProgramIntoTheCurrentSlot)
{
    PluginInstance source;
    editSeveralPrograms(source);
    PluginInstance target;
    target.selectProgram(130);
    EXPECT_EQ(load(target, chunkOf(source, true), true), 1);
    EXPECT_EQ(target.program(), 130);
    EXPECT_EQ(target.programName(), "C.03 Chorus");
    EXPECT_EQ(target.programNameIndexed(9), "A.10 Pvns1.01");
    EXPECT_EQ(sevenBit(target.getParameter(kD1Cutoff)), 5);
}

TEST(StateChunk, ProjectsOfEarlierVersionsLoad)
{
    PluginInstance plugin;
    const PluginSnapshot initial = snapshotOf(plugin);
    EXPECT_EQ(load(plugin, Bytes{'P', 'a', 'v', 'o', 'n', 'i', 's', 0}), 1)
        << "saved before the state was kept";
    EXPECT_EQ(snapshotOf(plugin), initial);

    // Saved by the first version that kept the state: program 5 ("Saved v1") current and
    // edited, everything else initial.
    const Bytes first = fileBytes(PAVONIS_TEST_DATA "/state-version1.chunk");
    ASSERT_FALSE(first.empty());
    EXPECT_EQ(load(plugin, first), 1);
    EXPECT_EQ(plugin.program(), 5);
    EXPECT_EQ(plugin.programName(), "A.06 Saved v1");
    EXPECT_EQ(sevenBit(plugin.getParameter(kD1Cutoff)), 100);
    EXPECT_EQ(sevenBit(plugin.getParameter(kD1Level)), 17);
    EXPECT_EQ(plugin.programNameIndexed(6), "A.07 Pvns1.01");
}
