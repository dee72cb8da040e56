// The edit history on its own: which changes make one step, the bound of 200 steps, redo
// cleared by a new edit, and what a step of image bytes costs.
#include "commands/EditHistory.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace
{
constexpr int kPrograms = 4;
constexpr std::uint32_t kCutoff = 100; // keys of two device knobs
constexpr std::uint32_t kLevel = 101;

struct Touch
{
    e_HistorySource source;
    std::uint32_t key;
    std::uint32_t gesture;
    bool continuous;
    std::uint32_t at; // ms
    float before, after;
};

struct Run
{
    const char* what;
    std::vector<Touch> touches;
    std::size_t steps;
    float firstBefore, firstAfter; // of the oldest step
};

void PrintTo(const Run& run, std::ostream* out)
{
    *out << run.what;
}

class Joining : public ::testing::TestWithParam<Run>
{
};

TEST_P(Joining, MakesTheStepsAUserExpects)
{
    EditHistory history(kPrograms);
    for (const Touch& t : GetParam().touches)
        history.recordValue(
            1, {t.source, t.key, t.gesture, t.continuous, t.at, t.at},
            {static_cast<e_ParameterID>(t.source == HISTORY_DEVICE ? t.key : 49), 0, t.before, t.after});
    ASSERT_EQ(history.count(1, HISTORY_UNDO), GetParam().steps);
    if (GetParam().steps == 0)
        return;
    t_HistoryStep oldest;
    for (std::size_t i = 0; i < GetParam().steps; ++i)
        ASSERT_TRUE(history.take(1, HISTORY_UNDO, oldest));
    ASSERT_FALSE(oldest.values.empty());
    EXPECT_EQ(oldest.values.front().before, GetParam().firstBefore);
    EXPECT_EQ(oldest.values.front().after, GetParam().firstAfter);
}

// Values as n / 127 would be; plain numbers keep the table readable.
INSTANTIATE_TEST_SUITE_P(
    PanelAndDevice, Joining,
    ::testing::Values(Run{"a drag, however slow, is one step",
                          {{HISTORY_PANEL, 47, 1, true, 0, 64, 70},
                           {HISTORY_PANEL, 47, 1, true, 40, 70, 75},
                           {HISTORY_PANEL, 47, 1, true, 2500, 75, 80}},
                          1,
                          64,
                          80},
                      Run{"two drags of a knob that rested between them are two steps",
                          {{HISTORY_PANEL, 47, 1, true, 0, 64, 80},
                           {HISTORY_PANEL, 47, 2, true, 1500, 80, 90}},
                          2,
                          64,
                          80},
                      Run{"wheel turns before the knob rests are one step",
                          {{HISTORY_PANEL, 47, 1, true, 0, 64, 65},
                           {HISTORY_PANEL, 47, 2, true, 300, 65, 66},
                           {HISTORY_PANEL, 47, 3, true, 900, 66, 67}},
                          1,
                          64,
                          67},
                      Run{"two clicks are two steps",
                          {{HISTORY_PANEL, 46, 1, false, 0, 0, 1}, {HISTORY_PANEL, 46, 2, false, 100, 1, 2}},
                          2,
                          0,
                          1},
                      Run{"a knob turned back to where it began leaves no step",
                          {{HISTORY_PANEL, 47, 1, true, 0, 64, 80}, {HISTORY_PANEL, 47, 1, true, 50, 80, 64}},
                          0,
                          0,
                          0},
                      Run{"a device knob's run is one step until it rests a second",
                          {{HISTORY_DEVICE, kCutoff, 0, false, 0, 10, 20},
                           {HISTORY_DEVICE, kCutoff, 0, false, 400, 20, 30},
                           {HISTORY_DEVICE, kCutoff, 0, false, 1300, 30, 40},
                           {HISTORY_DEVICE, kCutoff, 0, false, 2400, 40, 50}},
                          2,
                          10,
                          40},
                      Run{"two device knobs turned together are a step each",
                          {{HISTORY_DEVICE, kCutoff, 0, false, 0, 10, 20},
                           {HISTORY_DEVICE, kLevel, 0, false, 100, 50, 60},
                           {HISTORY_DEVICE, kCutoff, 0, false, 200, 20, 30},
                           {HISTORY_DEVICE, kLevel, 0, false, 300, 60, 70}},
                          2,
                          10,
                          30},
                      Run{"a panel knob and a device knob are apart",
                          {{HISTORY_PANEL, 47, 1, true, 0, 64, 70},
                           {HISTORY_DEVICE, 49, 0, false, 100, 70, 75},
                           {HISTORY_PANEL, 47, 1, true, 200, 75, 80}},
                          3,
                          64,
                          70}),
    [](const ::testing::TestParamInfo<Run>& info)
    {
        std::string name = info.param.what;
        for (char& c : name)
            if (!std::isalnum(static_cast<unsigned char>(c)))
                c = '_';
        return name;
    });

using Image = std::array<std::uint8_t, 4304>;

Image imageWith(std::uint8_t fill, std::size_t from, std::size_t count)
{
    Image image{};
    for (std::size_t i = from; i < from + count; ++i)
        image[i] = fill;
    return image;
}

TEST(EditHistorySteps, KeepTheNewest200AndUndoThemInOrder)
{
    EditHistory history(kPrograms);
    Image image{};
    for (int n = 1; n <= 250; ++n)
    {
        const Image before = image;
        image[100] = static_cast<std::uint8_t>(n);
        history.recordImage(0, before.data(), image.data(), image.size(), "step " + std::to_string(n));
    }
    EXPECT_EQ(history.count(0, HISTORY_UNDO), kHistoryStepsKept);
    t_HistoryStep step;
    while (history.take(0, HISTORY_UNDO, step))
    {
        EditHistory::swapRuns(step.runs, image.data(), image.size());
        history.putBack(0, HISTORY_UNDO, std::move(step));
    }
    EXPECT_EQ(image[100], 50) << "back to where the oldest step kept began";
    EXPECT_EQ(history.count(0, HISTORY_REDO), kHistoryStepsKept);
}

TEST(EditHistorySteps, ANewEditClearsRedoAndOtherProgramsKeepTheirs)
{
    EditHistory history(kPrograms);
    const Image a{};
    const Image b = imageWith(7, 30, 4);
    history.recordImage(0, a.data(), b.data(), a.size(), "paste");
    history.recordImage(2, a.data(), b.data(), a.size(), "paste");
    t_HistoryStep step;
    ASSERT_TRUE(history.take(0, HISTORY_UNDO, step));
    history.putBack(0, HISTORY_UNDO, std::move(step));
    ASSERT_EQ(history.count(0, HISTORY_REDO), 1u);
    history.recordValue(0, {HISTORY_PANEL, 47, 1, true, 0, 0}, {PARAM_PART_FILTER_CUTOFF, 0, 0.5f, 0.6f});
    EXPECT_EQ(history.count(0, HISTORY_REDO), 0u);
    EXPECT_EQ(history.count(0, HISTORY_UNDO), 1u);
    EXPECT_EQ(history.count(2, HISTORY_UNDO), 1u);
}

// A step costs what it changed: a few bytes of a part, not the pattern.
TEST(EditHistorySteps, HoldOnlyTheBytesThatChanged)
{
    EditHistory history(kPrograms);
    const Image before{};
    const Image part = imageWith(9, 1000, 34);
    const std::size_t empty = history.memory();
    history.recordImage(1, before.data(), part.data(), before.size(), "part");
    const std::size_t onePart = history.memory() - empty;
    EXPECT_LT(onePart, 512u) << "the step and the program's list of steps";
    const Image whole = imageWith(3, 0, before.size());
    history.recordImage(1, part.data(), whole.data(), before.size(), "pattern");
    EXPECT_GT(history.memory() - empty - onePart, before.size());
}

TEST(EditHistorySteps, StayWithinTheirMemoryBudget)
{
    EditHistory history(256);
    Image a{};
    Image b = imageWith(1, 0, a.size());
    for (int program = 0; program < 256; ++program)
        for (int n = 0; n < 10; ++n)
        {
            history.recordImage(program, a.data(), b.data(), a.size(), "pattern");
            std::swap(a, b);
        }
    EXPECT_LE(history.memory(), kHistoryMemoryBudget + 64 * 1024);
    EXPECT_EQ(history.count(255, HISTORY_UNDO), 10u) << "the program edited last keeps its steps";
    EXPECT_LT(history.count(0, HISTORY_UNDO), 10u) << "the program edited first gave some up";
}

TEST(DeviceChangesWaiting, JoinARunAndKeepTheFirstValue)
{
    DeviceChanges waiting;
    waiting.add(0, {PARAM_PART_FILTER_CUTOFF, 0, 0.1f, 0.2f}, 0);
    waiting.add(0, {PARAM_PART_FILTER_CUTOFF, 0, 0.2f, 0.3f}, 500);
    waiting.add(0, {PARAM_PART_FILTER_CUTOFF, 1, 0.4f, 0.5f}, 600);
    DeviceChanges::t_Waiting taken[DeviceChanges::kCapacity];
    ASSERT_EQ(waiting.take(taken), 2u);
    EXPECT_EQ(taken[0].change.before, 0.1f);
    EXPECT_EQ(taken[0].change.after, 0.3f);
    EXPECT_EQ(taken[0].last, 500u);
    EXPECT_TRUE(waiting.empty());
    for (std::size_t i = 0; i < DeviceChanges::kCapacity; ++i)
        EXPECT_TRUE(waiting.add(0, {PARAM_PART_FILTER_CUTOFF, static_cast<std::uint32_t>(i), 0, 1}, 0));
    EXPECT_FALSE(waiting.add(0, {PARAM_PART_LEVEL, 0, 0, 1}, 0)) << "full: refused, not written past the end";
}
} // namespace
