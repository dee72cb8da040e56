// The 67 host parameters as a host automates them: names, displays, labels, read-back,
// and instances that keep their values to themselves.
#include "PluginHost.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace
{
constexpr int kParameters = 67;

const char* const kNames[kParameters] = {
    "D1 | SampleLSB",   "D1 | SampleMSB",  "D1 | SliceLSB",     "D1 | SliceMSB",
    "D1 | Pitch",       "D1 | FilterType", "D1 | FilterCutoff", "D1 | FilterRes",
    "D1 | FilterEgInt", "D1 | Start",      "D1 | Level",        "D1 | Pan",
    "D1 | EgTime",      "D1 | AmpEg",      "D1 | Roll",         "D1 | Reverse",
    "D1 | FxSend",      "D1 | FxSelect",   "D1 | ModType",      "D1 | ModDepth",
    "D1 | ModSpeed",    "D1 | ModDest",    "D1 | BpmSync",      "D1 | SeqType",
    "K1 | SampleLSB",   "K1 | SampleMSB",  "K1 | SliceLSB",     "K1 | SliceMSB",
    "K1 | Pitch",       "K1 | FilterType", "K1 | FilterCutoff", "K1 | FilterRes",
    "K1 | FilterEgInt", "K1 | Start",      "K1 | Level",        "K1 | Pan",
    "K1 | EgTime",      "K1 | AmpEg",      "K1 | Roll",         "K1 | Reverse",
    "K1 | FxSend",      "K1 | FxSelect",   "K1 | ModType",      "K1 | ModDepth",
    "K1 | ModSpeed",    "K1 | ModDest",    "K1 | BpmSync",      "K1 | SeqType",
    "FX1 | Type",       "FX1 | Edit1",     "FX1 | Edit2",       "FX1 | MotionSeq",
    "FX2 | Type",       "FX2 | Edit1",     "FX2 | Edit2",       "FX2 | MotionSseq",
    "FX3 | Type",       "FX3 | Edit1",     "FX3 | Edit2",       "FX3 | MotionSeq",
    "FX | Chain",       "AccentLevel",     "AccentMotion",      "Swing",
    "RollType",         "Mute Drum1",      "Mute Keyboard1",
};

constexpr int kD1SampleLow = 0, kD1SampleHigh = 1, kK1SampleLow = 24, kK1SampleHigh = 25;
constexpr int kD1Level = 10;

// How a host value comes back: as stored, as a 7-bit half of an 8-bit number, or as one
// bit of a mute mask (on below 64).
enum class Coding
{
    Plain,
    LowHalf,
    HighHalf,
    MuteBit,
};

Coding codingOf(int index)
{
    switch (index)
    {
    case 0:
    case 2:
    case 24:
    case 26:
        return Coding::LowHalf;
    case 1:
    case 3:
    case 25:
    case 27:
        return Coding::HighHalf;
    case 65:
    case 66:
        return Coding::MuteBit;
    default:
        return Coding::Plain;
    }
}

float expectedReadBack(int index, float written)
{
    const int n = sevenBit(written);
    switch (codingOf(index))
    {
    case Coding::LowHalf:
        return static_cast<float>(n) / 127.0f;
    case Coding::HighHalf: // 127 stands for "Off"
        return n == 127 ? 1.0f : n > 63 ? 64.0f / 127.0f : 0.0f;
    case Coding::MuteBit:
        return n < 64 ? 0.0f : 1.0f;
    default:
        return written;
    }
}

float midi(int n)
{
    return static_cast<float>(n) / 127.0f;
}

TEST(HostParameters, NamesAndAutomatability)
{
    PluginInstance plugin;
    for (int i = 0; i < kParameters; ++i)
    {
        EXPECT_EQ(plugin.parameterName(i), kNames[i]) << i;
        EXPECT_EQ(plugin.dispatch(effCanBeAutomated, i), 1) << i;
        EXPECT_EQ(plugin.parameterLabel(i), "") << i;
    }
}

TEST(HostParameters, DisplayIsTheValueTimes127Rounded)
{
    const struct
    {
        float value;
        const char* shown;
    } cases[] = {{0.5f, "64"}, {1.0f, "127"}, {0.0f, "0"}, {0.25f, "32"}, {0.996f, "126"}, {0.003f, "0"}};
    PluginInstance plugin;
    for (int i = 0; i < kParameters; ++i)
    {
        if (codingOf(i) != Coding::Plain)
            continue;
        for (const auto& c : cases)
        {
            plugin.setParameter(i, c.value);
            EXPECT_EQ(plugin.parameterDisplay(i), c.shown) << kNames[i] << " = " << c.value;
        }
    }
}

TEST(HostParameters, EveryParameterReadsBackWhatItHolds)
{
    PluginInstance plugin;
    for (int i = 0; i < kParameters; ++i)
        for (float value : {0.0f, 1.0f, 0.5f, 0.3f, midi(63), midi(64), midi(100), 0.0f})
        {
            plugin.setParameter(i, value);
            const float held = plugin.getParameter(i);
            EXPECT_FLOAT_EQ(held, expectedReadBack(i, value)) << kNames[i] << " = " << value;
            EXPECT_EQ(plugin.parameterDisplay(i), std::to_string(sevenBit(held))) << kNames[i];
        }
}

TEST(HostParameters, AutomationIsNeitherEchoedToTheHostNorSentThroughItInTetherMode)
{
    PluginInstance plugin;
    plugin.process(64);
    plugin.clearLog();
    for (int i = 0; i < kParameters; ++i)
        plugin.setParameter(i, i % 2 ? 0.25f : 0.75f);
    plugin.process(64);
    plugin.process(0);
    const HostLog log = plugin.log();
    EXPECT_TRUE(log.automation.empty());
    EXPECT_TRUE(log.eventLists.empty()); // the device's MIDI goes to the Tether port
}

// Sample number 200 of Drum1 is high half 64/127 and low half 72/127; the halves write
// through to the one number, and Keyboard1's number is a different one.
TEST(HostParameters, SampleHalvesComposeOneNumberPerPart)
{
    PluginInstance plugin;
    plugin.setParameter(kK1SampleHigh, 0.0f);
    plugin.setParameter(kK1SampleLow, midi(37));
    plugin.setParameter(kD1SampleHigh, midi(64));
    plugin.setParameter(kD1SampleLow, midi(72));
    EXPECT_FLOAT_EQ(plugin.getParameter(kD1SampleHigh), midi(64));
    EXPECT_FLOAT_EQ(plugin.getParameter(kD1SampleLow), midi(72));

    plugin.setParameter(kD1SampleHigh, 0.0f); // 72
    EXPECT_FLOAT_EQ(plugin.getParameter(kD1SampleLow), midi(72));
    EXPECT_FLOAT_EQ(plugin.getParameter(kD1SampleHigh), 0.0f);
    plugin.setParameter(kD1SampleLow, midi(100));  // 100
    plugin.setParameter(kD1SampleHigh, midi(100)); // 228
    EXPECT_FLOAT_EQ(plugin.getParameter(kD1SampleLow), midi(100));
    EXPECT_FLOAT_EQ(plugin.getParameter(kD1SampleHigh), midi(64));

    EXPECT_FLOAT_EQ(plugin.getParameter(kK1SampleLow), midi(37));
    EXPECT_FLOAT_EQ(plugin.getParameter(kK1SampleHigh), 0.0f);
}

// Host values lie between 0 and 1; anything else must not reach the device or the
// pattern as a number above 127.
TEST(HostParameters, ValuesOutsideTheUnitRangeNeverReadBackOutsideIt)
{
    const float odd[] = {1.5f,
                         2.0f,
                         -0.5f,
                         1e9f,
                         -1e9f,
                         std::numeric_limits<float>::infinity(),
                         -std::numeric_limits<float>::infinity(),
                         std::numeric_limits<float>::quiet_NaN()};
    PluginInstance plugin;
    for (int i = 0; i < kParameters; ++i)
        for (float value : odd)
        {
            plugin.setParameter(i, 0.5f);
            plugin.setParameter(i, value);
            const float held = plugin.getParameter(i);
            EXPECT_TRUE(held >= 0.0f && held <= 1.0f) << kNames[i] << " = " << value << " reads " << held;
            const int shown = std::stoi(plugin.parameterDisplay(i));
            EXPECT_TRUE(shown >= 0 && shown <= 127) << kNames[i] << " = " << value << " shows " << shown;
        }
}

TEST(HostParameters, IndicesOutsideTheTableChangeAndAnswerNothing)
{
    PluginInstance plugin;
    const PluginSnapshot before = snapshotOf(plugin);
    for (int index : {kParameters, kParameters + 1, 1000, -1, std::numeric_limits<int>::min()})
    {
        plugin.setParameter(index, 1.0f);
        EXPECT_EQ(plugin.getParameter(index), 0.0f) << index;
        EXPECT_EQ(plugin.parameterName(index), "") << index;
        EXPECT_EQ(plugin.parameterDisplay(index), "") << index;
        EXPECT_EQ(plugin.parameterLabel(index), "") << index;
        EXPECT_EQ(plugin.dispatch(effCanBeAutomated, index), 0) << index;
    }
    for (int opcode : {effGetParamName, effGetParamDisplay, effGetParamLabel})
        EXPECT_EQ(plugin.dispatch(opcode, 0, 0, nullptr), 0) << opcode;
    EXPECT_EQ(snapshotOf(plugin), before);
    EXPECT_TRUE(plugin.log().automation.empty());
}

TEST(Instances, KeepTheirValuesProgramsAndHostsToThemselves)
{
    PluginInstance first{HostAnswers{"Live"}};
    PluginInstance second{HostAnswers{"Cakewalk SONAR"}};
    PluginInstance third;
    first.selectProgram(3);
    for (int i = 0; i < kParameters; ++i)
    {
        first.setParameter(i, midi(100));
        second.setParameter(i, midi(20));
    }
    second.renameProgram("Second");
    third.clearLog();
    for (int i = 0; i < kParameters; ++i)
    {
        EXPECT_FLOAT_EQ(first.getParameter(i), expectedReadBack(i, midi(100))) << kNames[i];
        EXPECT_FLOAT_EQ(second.getParameter(i), expectedReadBack(i, midi(20))) << kNames[i];
    }
    EXPECT_EQ(first.programName(), "A.04 Pvns1.01");
    EXPECT_EQ(second.programName(), "A.01 Second");
    EXPECT_EQ(third.programName(), "A.01 Pvns1.01");
    EXPECT_EQ(first.effect()->numInputs, 1);
    EXPECT_EQ(second.effect()->numInputs, 2);
    EXPECT_FALSE(first.log().automation.empty()); // its program change told its own host
    EXPECT_TRUE(second.log().automation.empty());
    EXPECT_TRUE(third.log().automation.empty());
}

TEST(Instances, ClosingOneLeavesTheOthersWorking)
{
    const int straysBefore = pluginHost::strayCalls();
    PluginInstance survivor;
    survivor.setParameter(kD1Level, midi(90));
    {
        PluginInstance closing;
        closing.setParameter(kD1Level, midi(10));
        closing.selectProgram(7);
        closing.process(32);
        EXPECT_EQ(closing.close(), 1);
    }
    survivor.process(32);
    survivor.selectProgram(2);
    survivor.selectProgram(0);
    EXPECT_FLOAT_EQ(survivor.getParameter(kD1Level), midi(90));
    EXPECT_EQ(pluginHost::strayCalls(), straysBefore);
}
} // namespace
