// The 256 programs as a host uses them: names, selection, renaming,
// edits kept across switches.
#include "PluginHost.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <limits>

namespace
{
constexpr int kPrograms = 256;
constexpr int kD1Cutoff = 6, kD1Level = 10, kK1Level = 34, kFx1Edit1 = 49, kSwing = 63, kMuteDrum1 = 65;
constexpr int kD1SampleLow = 0, kD1SampleHigh = 1;

float midi(int n)
{
    return static_cast<float>(n) / 127.0f;
}

// "A.01" to "D.64": bank letter and pattern number of a program.
std::string placeOf(int program)
{
    char text[8];
    std::snprintf(text, sizeof text, "%c.%02d", 'A' + program / 64, program % 64 + 1);
    return text;
}

// Edits of several kinds: plain values, a keyboard channel slot, an effect, the swing
// coding, a mute bit, and a sample number made of its two halves (200).
struct Edit
{
    int parameter;
    float value;
    float readBack;
};
const Edit kEdits[] = {
    {kD1Cutoff, midi(100), midi(100)},   {kD1Level, midi(17), midi(17)},     {kK1Level, midi(90), midi(90)},
    {kFx1Edit1, midi(33), midi(33)},     {kSwing, midi(55), midi(55)},       {kMuteDrum1, 0.0f, 0.0f},
    {kD1SampleHigh, midi(64), midi(64)}, {kD1SampleLow, midi(72), midi(72)},
};

void applyEdits(const PluginInstance& plugin)
{
    for (const Edit& edit : kEdits)
        plugin.setParameter(edit.parameter, edit.value);
}

// The last value the host was told for a parameter, or -1 when it was told nothing.
float lastReported(const HostLog& log, int parameter)
{
    float value = -1.0f;
    for (const AutomationCall& call : log.automation)
        if (call.index == parameter)
            value = call.value;
    return value;
}

TEST(Programs, EveryProgramStartsAsTheInitPatternNamedAfterItsPlace)
{
    PluginInstance plugin;
    EXPECT_EQ(plugin.program(), 0);
    EXPECT_EQ(plugin.programName(), "A.01 Pvns1.01");
    for (int i = 0; i < kPrograms; ++i)
    {
        EXPECT_EQ(plugin.programNameIndexed(i), placeOf(i) + " Pvns1.01") << i;
        EXPECT_EQ(plugin.text(effGetProgramNameIndexed, i, 7), placeOf(i) + " Pvns1.01")
            << "category ignored";
    }
    EXPECT_EQ(plugin.programNameIndexed(63), "A.64 Pvns1.01");
    EXPECT_EQ(plugin.programNameIndexed(64), "B.01 Pvns1.01");
    EXPECT_EQ(plugin.programNameIndexed(255), "D.64 Pvns1.01");
}

TEST(Programs, IndexedNamesOutsideTheBankAnswerFalseAndWriteNothing)
{
    PluginInstance plugin;
    for (int index : {kPrograms, kPrograms + 1, 1000, -1, std::numeric_limits<int>::min()})
    {
        char buffer[64];
        std::memset(buffer, 'x', sizeof buffer);
        EXPECT_EQ(plugin.dispatch(effGetProgramNameIndexed, index, 0, buffer), 0) << index;
        EXPECT_TRUE(std::all_of(buffer, buffer + sizeof buffer, [](char c) { return c == 'x'; })) << index;
    }
}

TEST(Programs, TheSelectedProgramGivesItsName)
{
    PluginInstance plugin;
    for (int i = kPrograms - 1; i >= 0; --i)
    {
        plugin.selectProgram(i);
        ASSERT_EQ(plugin.program(), i);
        EXPECT_EQ(plugin.programName(), placeOf(i) + " Pvns1.01");
    }
}

TEST(Programs, SelectionOutsideTheBankChangesNothing)
{
    PluginInstance plugin;
    plugin.selectProgram(5);
    applyEdits(plugin);
    const PluginSnapshot before = snapshotOf(plugin);
    plugin.clearLog();
    for (vst::intptr index :
         {vst::intptr{kPrograms}, vst::intptr{-1}, vst::intptr{1} << 40, vst::intptr{5} - 4096})
        plugin.dispatch(effSetProgram, 0, index);
    EXPECT_EQ(snapshotOf(plugin), before);
    EXPECT_TRUE(plugin.log().automation.empty());
}

TEST(Programs, RenamingKeepsTheFirstEightCharactersAndSurvivesSwitching)
{
    PluginInstance plugin;
    plugin.selectProgram(5);
    plugin.renameProgram("Kick&Bass Groove");
    EXPECT_EQ(plugin.programName(), "A.06 Kick&Bas");
    EXPECT_EQ(plugin.programNameIndexed(5), "A.06 Kick&Bas");
    EXPECT_EQ(plugin.programNameIndexed(4), "A.05 Pvns1.01");
    plugin.selectProgram(9);
    EXPECT_EQ(plugin.programName(), "A.10 Pvns1.01");
    EXPECT_EQ(plugin.programNameIndexed(5), "A.06 Kick&Bas");
    plugin.selectProgram(5);
    EXPECT_EQ(plugin.programName(), "A.06 Kick&Bas");

    for (const char* name : {"Hat", "12345678", "123456789"})
    {
        plugin.renameProgram(name);
        EXPECT_EQ(plugin.programName(), "A.06 " + std::string(name).substr(0, 8));
    }
}

TEST(Programs, SwitchingAwayAndBackKeepsTheEdits)
{
    PluginInstance plugin;
    const PluginSnapshot initial = snapshotOf(plugin);
    plugin.selectProgram(5);
    applyEdits(plugin);
    for (const Edit& edit : kEdits)
        ASSERT_FLOAT_EQ(plugin.getParameter(edit.parameter), edit.readBack) << edit.parameter;

    plugin.clearLog();
    plugin.selectProgram(9);
    EXPECT_EQ(snapshotOf(plugin).parameters, initial.parameters); // program 9 is untouched
    for (const Edit& edit : kEdits)
        EXPECT_FLOAT_EQ(lastReported(plugin.log(), edit.parameter), initial.parameters[edit.parameter])
            << "the host hears program 9's value of " << edit.parameter;

    plugin.clearLog();
    plugin.selectProgram(5);
    std::vector<float> expected = initial.parameters;
    for (const Edit& edit : kEdits)
        expected[edit.parameter] = edit.readBack;
    EXPECT_EQ(snapshotOf(plugin).parameters, expected);
    for (const Edit& edit : kEdits)
        EXPECT_FLOAT_EQ(lastReported(plugin.log(), edit.parameter), edit.readBack) << edit.parameter;
}

// Instances of one module start from the same programs; however one of them edits its program
// 5, the program 5 of every other instance, made before or after the edit, stays as it was.
TEST(Programs, AnEditInOneInstanceLeavesTheSameProgramOfOthersAlone)
{
    const struct
    {
        const char* how;
        void (*edit)(const PluginInstance& plugin);
    } kWays[] = {
        {"host parameters, saved by a switch", [](const PluginInstance& p) { applyEdits(p); }},
        {"a new name, saved by a switch", [](const PluginInstance& p) { p.renameProgram("Edited"); }},
    };
    const auto programFive = [](const PluginInstance& plugin)
    {
        plugin.selectProgram(5);
        return snapshotOf(plugin);
    };
    for (const auto& way : kWays)
    {
        PluginInstance before;
        const PluginSnapshot untouched = programFive(before);
        PluginInstance editing;
        editing.selectProgram(5);
        way.edit(editing);
        editing.selectProgram(9);
        ASSERT_NE(programFive(editing), untouched) << way.how << ": the edit is kept";

        PluginInstance after;
        EXPECT_EQ(programFive(before), untouched) << way.how << ": an instance made before";
        EXPECT_EQ(programFive(after), untouched) << way.how << ": an instance made after";
    }
}

TEST(Programs, ASwitchTellsTheHostEachParameterOnceAsItNowReads)
{
    PluginInstance plugin;
    plugin.selectProgram(3);
    for (int i = 0; i < 67; ++i)
        plugin.setParameter(i, static_cast<float>(i % 5) / 4.0f);
    plugin.selectProgram(4);
    plugin.clearLog();
    plugin.selectProgram(3);
    std::vector<int> told(67, 0);
    for (const AutomationCall& call : plugin.log().automation)
    {
        ASSERT_TRUE(call.index >= 0 && call.index < 67) << call.index;
        ++told[call.index];
        EXPECT_FLOAT_EQ(call.value, plugin.getParameter(call.index)) << call.index;
    }
    for (int i = 0; i < 67; ++i)
        EXPECT_EQ(told[i], 1) << i;
}

TEST(Programs, SelectingTheCurrentProgramAgainDoesNothingButTheFirstTime)
{
    PluginInstance plugin;
    const float between = 0.3f; // no 7-bit number: a reload from the pattern would round it
    plugin.setParameter(kD1Cutoff, between);
    plugin.clearLog();
    plugin.selectProgram(0); // the first selection applies, even of the current program
    EXPECT_FALSE(plugin.log().automation.empty());
    EXPECT_FLOAT_EQ(plugin.getParameter(kD1Cutoff), midi(sevenBit(between)));

    for (int program : {0, 5})
    {
        plugin.selectProgram(program);
        plugin.setParameter(kD1Cutoff, between);
        plugin.clearLog();
        plugin.selectProgram(program);
        EXPECT_TRUE(plugin.log().automation.empty()) << program;
        EXPECT_EQ(plugin.getParameter(kD1Cutoff), between) << program;
    }
}

TEST(Programs, UnderTheAudioUnitWrapperOneProgramWithItsPlainName)
{
    PluginInstance plugin{HostAnswers{"AudioUnit"}};
    EXPECT_EQ(plugin.effect()->numPrograms, 1);
    EXPECT_EQ(plugin.programName(), "Pvns1.01");
    plugin.renameProgram("Kick&Bass Groove");
    EXPECT_EQ(plugin.programName(), "Kick&Bas");
    EXPECT_EQ(plugin.programNameIndexed(0), "A.01 Kick&Bas");
    EXPECT_EQ(plugin.programNameIndexed(200), "D.09 Pvns1.01");
    plugin.selectProgram(5); // the host knows one program only
    EXPECT_EQ(plugin.program(), 0);
}
} // namespace
