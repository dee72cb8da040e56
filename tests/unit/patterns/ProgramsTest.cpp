// The 256 programs: initial bank, names and prefixes, renaming, selection with the reload
// flag, and what changes under the Audio Unit wrapper.
#include "PluginFixture.h"
#include "sysex/InitPatterns.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace
{
constexpr char kUntouched = '#';

std::string expectedName(int index, const char* name)
{
    char prefix[8];
    std::snprintf(prefix, sizeof prefix, "%c.%02d", "ABCD"[index / 64], index % 64 + 1);
    return std::string(prefix) + " " + name;
}

// A program name buffer of the interface's size, with room behind it to catch overruns.
struct NameBuffer
{
    NameBuffer() { std::memset(bytes, kUntouched, sizeof bytes); }
    std::string text() const { return std::string(bytes, strnlen(bytes, kVstMaxProgNameLen)); }
    bool overrun() const { return bytes[kVstMaxProgNameLen] != kUntouched; }
    char bytes[kVstMaxProgNameLen + 8];
};
} // namespace

class Programs : public PluginFixture
{
protected:
    std::string indexedName(int index)
    {
        NameBuffer buffer;
        EXPECT_TRUE(synth->getProgramNameIndexed(0, index, buffer.bytes)) << index;
        EXPECT_FALSE(buffer.overrun()) << index;
        return buffer.text();
    }

    std::string currentName()
    {
        NameBuffer buffer;
        synth->getProgramName(buffer.bytes);
        EXPECT_FALSE(buffer.overrun());
        return buffer.text();
    }

    std::string prefixed(const char* name, int index, int maxLength)
    {
        char text[64];
        std::memset(text, kUntouched, sizeof text);
        synth->addProgramNamePrefix(text, name, index, maxLength);
        return text[0] == kUntouched ? "untouched" : std::string(text);
    }

    float cutoffOfDrum1() { return held(PARAM_PART_FILTER_CUTOFF, 0); }
    void setCutoffOfDrum1(unsigned n) { store(PARAM_PART_FILTER_CUTOFF, 0, IntToFloat(n)); }
};

TEST_F(Programs, EveryProgramStartsAsTheInitialPatternNamedPvns)
{
    Image expected(INIT_PATCH);
    std::memcpy(expected.data(), "Pvns1.01", 8);
    for (int i = 0; i < kNumPrograms; ++i)
    {
        const t_Patch& program = synth->programBank[i];
        ASSERT_STREQ(program.name, "Pvns1.01") << i;
        ASSERT_EQ(std::memcmp(program.data, expected.data(), kPatternDataSize), 0) << i;
        ASSERT_EQ(indexedName(i), expectedName(i, "Pvns1.01"));
    }
    EXPECT_EQ(std::memcmp(synth->resetTemplate.data, expected.data(), kPatternDataSize), 0);
    EXPECT_EQ(currentName(), "A.01 Pvns1.01");
    EXPECT_EQ(synth->getProgram(), 0);
}

TEST_F(Programs, PrefixesRunFromA01ToD64)
{
    const std::pair<int, const char*> cases[] = {{0, "A.01"},   {63, "A.64"},  {64, "B.01"},
                                                 {127, "B.64"}, {128, "C.01"}, {191, "C.64"},
                                                 {192, "D.01"}, {255, "D.64"}, {256, ""}};
    for (auto [index, prefix] : cases)
        EXPECT_EQ(prefixed(nullptr, index, kVstMaxProgNameLen), prefix) << index;
}

TEST_F(Programs, PrefixingCutsTheNameAndTheWhole)
{
    const char* twenty = "ABCDEFGHIJKLMNOPQRST";
    EXPECT_EQ(prefixed(twenty, 0, 24), "A.01 ABCDEFGHIJKLMNOPQR"); // 18 of the name, 23 in all
    EXPECT_EQ(prefixed(twenty, 0, 60), "A.01 ABCDEFGHIJKLMNOPQR"); // never more than 23
    EXPECT_EQ(prefixed("Kick", 255, 8), "D.64 Ki");
    EXPECT_EQ(prefixed("Kick", 256, 24), " Kick");
    EXPECT_EQ(prefixed("Kick", 0, 5), "A.01");

    EXPECT_EQ(prefixed("Kick", 257, 24), "untouched");
    EXPECT_EQ(prefixed("Kick", -1, 24), "untouched");
    EXPECT_EQ(prefixed("Kick", 0, 4), "untouched");
    synth->addProgramNamePrefix(nullptr, "Kick", 0, 24);
}

TEST_F(Programs, IndexedNamesOutsideTheBankAreRefusedWithoutWriting)
{
    for (int index : {-1, 256, 100000})
    {
        NameBuffer buffer;
        EXPECT_FALSE(synth->getProgramNameIndexed(0, index, buffer.bytes)) << index;
        EXPECT_EQ(buffer.bytes[0], kUntouched) << index;
    }
    EXPECT_FALSE(synth->getProgramNameIndexed(0, 3, nullptr));
}

TEST_F(Programs, RenamingKeepsEightCharactersZeroPadded)
{
    char longName[] = "Breakbeat 12";
    synth->setProgramName(longName);
    EXPECT_EQ(currentName(), "A.01 Breakbea");
    char shortName[] = "Kick";
    synth->setProgramName(shortName);
    EXPECT_EQ(currentName(), "A.01 Kick");
    for (int i = 4; i < kPatchNameLength; ++i)
        ASSERT_EQ(synth->workingProgram.name[i], 0) << i;
    EXPECT_EQ(indexedName(0), "A.01 Kick");
    EXPECT_EQ(indexedName(1), expectedName(1, "Pvns1.01"));

    synth->setProgramName(nullptr);
    EXPECT_EQ(currentName(), "A.01 Kick");

    flush();
    EXPECT_EQ(std::memcmp(synth->workingProgram.data, "Kick\0\0\0\0", 8), 0);
}

TEST_F(Programs, FirstSelectionAppliesEvenTheCurrentProgramThenOnlyOthersDo)
{
    EXPECT_TRUE(synth->programReload);
    host.clear();
    synth->setProgramProcess(0);
    EXPECT_FALSE(host.automation().empty()) << "the first selection applies program 0";
    EXPECT_FALSE(synth->programReload);

    setCutoffOfDrum1(10);
    host.clear();
    synth->setProgramProcess(0);
    EXPECT_TRUE(host.automation().empty());
    EXPECT_EQ(cutoffOfDrum1(), IntToFloat(10)) << "selecting the current program again changes nothing";
}

TEST_F(Programs, EditsAndNameSurviveSwitchingAwayAndBack)
{
    synth->setProgramProcess(5);
    setCutoffOfDrum1(10);
    char name[] = "Mine";
    synth->setProgramName(name);

    synth->setProgramProcess(9);
    EXPECT_EQ(cutoffOfDrum1(), 1.0f) << "program 9 is still the initial pattern";
    EXPECT_EQ(indexedName(5), "A.06 Mine");
    EXPECT_EQ(synth->programBank[5].data[24 + 5], 10) << "the edit was saved into the bank slot";

    synth->setProgramProcess(5);
    EXPECT_EQ(cutoffOfDrum1(), IntToFloat(10));
    EXPECT_EQ(currentName(), "A.06 Mine");
    EXPECT_EQ(synth->getProgram(), 5);
}

TEST_F(Programs, SelectionOutsideTheBankChangesNothing)
{
    synth->setProgramProcess(3);
    setCutoffOfDrum1(10);
    host.clear();
    for (int index : {-1, 256, 1 << 30})
        synth->setProgramProcess(index);
    EXPECT_EQ(synth->getProgram(), 3);
    EXPECT_EQ(cutoffOfDrum1(), IntToFloat(10));
    EXPECT_TRUE(host.automation().empty());
}

TEST_F(Programs, OtherHostsLeaveTheProgramChooserAlone)
{
    synth->setProgramProcess(7);
    EXPECT_EQ(synth->parameterLib_GetParameterValue(PARAM_SELECT_PROGRAM), 0.0f);
    EXPECT_EQ(synth->getAeffect()->numPrograms, kNumPrograms);
}

class AudioUnitPrograms : public Programs
{
protected:
    void SetUp() override
    {
        host.productString = "AudioUnit";
        Programs::SetUp();
    }
};

TEST_F(AudioUnitPrograms, ShowOneProgramNamedWithoutPrefix)
{
    ASSERT_EQ(synth->getHostKind(), HOST_AUDIO_UNIT);
    EXPECT_EQ(synth->getAeffect()->numPrograms, 1);
    EXPECT_EQ(currentName(), "Pvns1.01");
    EXPECT_EQ(indexedName(200), "D.09 Pvns1.01") << "the indexed names keep their prefix";
}

TEST_F(AudioUnitPrograms, MenuTextsListEveryProgramAndFollowRenaming)
{
    for (int i = 0; i < kNumPrograms; ++i)
        ASSERT_STREQ(synth->programMenuTexts[i], expectedName(i, "Pvns1.01").c_str());

    synth->setProgramProcess(70);
    char name[] = "Groove";
    synth->setProgramName(name);
    EXPECT_STREQ(synth->programMenuTexts[70], "B.07 Groove");
    synth->setProgramProcess(71);
    EXPECT_STREQ(synth->programMenuTexts[70], "B.07 Groove");
    EXPECT_STREQ(synth->programMenuTexts[71], "B.08 Pvns1.01");
}

TEST_F(AudioUnitPrograms, SelectionSetsTheChooserToTheIndex)
{
    synth->setProgramProcess(7);
    EXPECT_EQ(synth->parameterLib_GetParameterValue(PARAM_SELECT_PROGRAM), IntToFloat(7));
    synth->setProgramProcess(200);
    EXPECT_EQ(synth->parameterLib_GetParameterValue(PARAM_SELECT_PROGRAM), IntToFloat(200));
}
