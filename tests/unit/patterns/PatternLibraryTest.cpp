// The pattern library: the current program saved as a pattern dump file, files listed,
// pattern and bank dumps loaded, anything else refused with nothing changed.
#include "commands/PatternLibrary.h"
#include "PluginFixture.h"
#include "editor/SynthEditor.h"
#include "support/BankBytes.h"
#include "support/Environment.h"
#include "support/FileBytes.h"
#include "sysex/InitPatterns.h"
#include "sysex/SyxFiles.h"

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>

namespace
{
namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

Image patternNamed(const char* name, std::uint8_t seed)
{
    Image image = INIT_PATCH;
    for (std::size_t i = 8; i < image.size(); i += 89)
        image[i] = static_cast<std::uint8_t>(seed + i);
    std::fill_n(image.begin(), 8, 0);
    std::memcpy(image.data(), name, strnlen(name, 8));
    return image;
}

Bytes bankOfDistinctPatterns()
{
    Bytes images;
    for (int i = 0; i < 64; ++i)
    {
        char name[9];
        std::snprintf(name, sizeof name, "Bank %03d", i);
        const Image image = patternNamed(name, static_cast<std::uint8_t>(i));
        images.insert(images.end(), image.begin(), image.end());
    }
    return images;
}

} // namespace

class PatternLibrary : public PluginFixture
{
protected:
    void SetUp() override
    {
        PluginFixture::SetUp();
        data = fs::temp_directory_path() /
               ("pavonis-library-" +
                std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()));
        fs::remove_all(data);
        setUserDataFolder(data.string());
    }

    void TearDown() override { fs::remove_all(data); }

    fs::path library() const { return data / "Pavonis" / "Library"; }

    fs::path put(const std::string& name, const Bytes& bytes)
    {
        fs::create_directories(library());
        writeFile(library() / name, bytes);
        return library() / name;
    }

    std::string info() const { return synth->getSynthEditor()->infoLineText(); }

    // Every program and the working one, byte for byte.
    Bytes everything() const { return bankBytes(*synth); }

    fs::path data;
};

TEST_F(PatternLibrary, SavesTheCurrentProgramAsAPatternDumpNamedAfterIt)
{
    synth->setProgramProcess(70);
    char name[] = "Kick/Sn ";
    synth->setProgramName(name);
    store(PARAM_PART_FILTER_CUTOFF, 2, IntToFloat(33)); // not flushed yet

    const t_LibraryResult result = patternLibrary::saveCurrentProgram(*synth);

    EXPECT_EQ(result.outcome, LIBRARY_DONE);
    EXPECT_EQ(result.message, "Saved B.07 Kick_Sn.syx");
    EXPECT_EQ(info(), result.message);
    synth->patchLib_SetPatchFromParameters(&synth->workingProgram);
    EXPECT_EQ(contentOf(library() / "B.07 Kick_Sn.syx"), syxPatternDump(synth->workingProgram.data));
    EXPECT_EQ(patternLibrary::files(), std::vector<std::string>{"B.07 Kick_Sn.syx"}) << "no half file left";
}

TEST_F(PatternLibrary, SavingWhereNothingCanBeWrittenSaysSo)
{
    fs::create_directories(data);
    writeFile(data / "Pavonis", {1}); // a file where the folder should be
    const t_LibraryResult result = patternLibrary::saveCurrentProgram(*synth);
    EXPECT_EQ(result.outcome, LIBRARY_REFUSED);
    EXPECT_EQ(info(), "Could not save A.01 Pvns1.01.syx");
}

TEST_F(PatternLibrary, ListsTheDumpFilesByName)
{
    put("b.syx", {});
    put("A.SYX", {});
    put("notes.txt", {});
    fs::create_directories(library() / "folder.syx");
    EXPECT_EQ(patternLibrary::files(), (std::vector<std::string>{"A.SYX", "b.syx"}));
    fs::remove_all(data);
    EXPECT_TRUE(patternLibrary::files().empty());
}

TEST_F(PatternLibrary, APatternDumpBecomesTheCurrentProgramAndGoesToTheDevice)
{
    synth->setProgramProcess(12);
    synth->parameterLib_SetParameterValue(PARAM_MIDI_MODE, 0.0f, UPDATE_EDITOR); // Host mode
    synth->audioRunning = true;
    synth->midiQueue_ProcessVstEvents();
    host.clear();
    const Image image = patternNamed("Loaded", 3);
    put("groove.syx", syxPatternDump(image.data()));

    const t_LibraryResult result = patternLibrary::load(*synth, "groove.syx");

    EXPECT_EQ(result.outcome, LIBRARY_DONE);
    EXPECT_EQ(info(), "Loaded groove.syx");
    EXPECT_EQ(synth->currentProgram, 12);
    EXPECT_TRUE(imageIs(image));
    EXPECT_STREQ(synth->workingProgram.name, "Loaded");
    synth->midiQueue_ProcessVstEvents();
    EXPECT_FALSE(host.midiBytes().empty());
}

TEST_F(PatternLibrary, ABankDumpAsksForABankAndFillsTheOneChosen)
{
    synth->setProgramProcess(130);
    const Bytes images = bankOfDistinctPatterns();
    put("set.syx", syxBankDump(0, images.data()));
    const Bytes before = everything();

    const t_LibraryResult asked = patternLibrary::load(*synth, "set.syx");
    EXPECT_EQ(asked.outcome, LIBRARY_ASK_BANK);
    EXPECT_EQ(everything(), before);

    EXPECT_EQ(patternLibrary::loadBank(*synth, "set.syx", 2).outcome, LIBRARY_DONE);
    EXPECT_EQ(info(), "Loaded set.syx into bank C");
    for (int i = 0; i < 64; ++i)
    {
        EXPECT_EQ(std::memcmp(synth->programOf(128 + i).data, &images[i * 4280u], 4280), 0) << i;
        EXPECT_EQ(syxPatternName(synth->programOf(128 + i).data), synth->programOf(128 + i).name);
    }
    EXPECT_STREQ(synth->programOf(130).name, "Bank 002");
    EXPECT_STREQ(synth->programOf(127).name, "Pvns1.01");
    EXPECT_STREQ(synth->programOf(192).name, "Pvns1.01");
}

struct RefusedFile
{
    const char* what;
    std::function<Bytes()> bytes;
    const char* problem;
};

class PatternLibraryRefusal : public PatternLibrary, public ::testing::WithParamInterface<RefusedFile>
{
};

TEST_P(PatternLibraryRefusal, ChangesNothingAndSaysWhy)
{
    put("bad.syx", GetParam().bytes());
    const Bytes before = everything();
    for (int bank = 0; bank < 2; ++bank)
    {
        const t_LibraryResult result =
            bank ? patternLibrary::loadBank(*synth, "bad.syx", 1) : patternLibrary::load(*synth, "bad.syx");
        EXPECT_EQ(result.outcome, LIBRARY_REFUSED);
        EXPECT_EQ(info(), std::string("bad.syx: ") + GetParam().problem);
    }
    EXPECT_EQ(everything(), before);
}

Bytes initialDump()
{
    return Bytes(INIT_PATCH_SYSEX.begin(), INIT_PATCH_SYSEX.end());
}

Bytes operator+(Bytes a, const Bytes& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

Bytes changed(Bytes bytes, std::size_t at, std::uint8_t value)
{
    bytes.at(at) = value;
    return bytes;
}

const RefusedFile kRefusedFiles[] = {
    {"an empty file", [] { return Bytes{}; }, "not a SysEx message"},
    {"text", [] { return Bytes(300, 'x'); }, "not a SysEx message"},
    {"another maker's dump", [] { return changed(initialDump(), 1, 0x43); }, "not a message of the ESX"},
    {"an identity reply", [] { return Bytes{0xF0, 0x7E, 0, 6, 2, 0x42, 0x71, 0, 0, 0, 3, 0, 1, 0, 0xF7}; },
     "not a message of the ESX"},
    {"another dump of the device", [] { return changed(initialDump(), 4, 0x51); },
     "not a pattern or bank dump"},
    {"a cut pattern dump", [] { return Bytes(INIT_PATCH_SYSEX.begin(), INIT_PATCH_SYSEX.begin() + 3000); },
     "3000 bytes where a pattern dump has 4898"},
    {"a pattern dump with a byte too many", [] { return changed(initialDump() + Bytes{0}, 0, 0xF0); },
     "4899 bytes where a pattern dump has 4898"},
    {"a status byte in the data", [] { return changed(initialDump(), 2000, 0x90); },
     "byte 2000 is not a MIDI data byte"},
    {"no end of message", [] { return changed(initialDump(), 4897, 0x00); },
     "no end of message (F7) at its end"},
    {"bank E", [] { return changed(Bytes(INIT_BANK_SYSEX.begin(), INIT_BANK_SYSEX.end()), 5, 4); },
     "bank number 4 is not one of A to D"},
    {"a file longer than any dump", [] { return Bytes(313060, 0xF0); }, "not readable"},
};

INSTANTIATE_TEST_SUITE_P(Files, PatternLibraryRefusal, ::testing::ValuesIn(kRefusedFiles),
                         [](const ::testing::TestParamInfo<RefusedFile>& info)
                         { return testNameOf(info.param.what); });

TEST_F(PatternLibrary, OnlyFilesOfTheLibraryAreRead)
{
    fs::create_directories(data / "Pavonis");
    writeFile(data / "Pavonis" / "outside.syx", initialDump());
    for (const char* name : {"../outside.syx", "..\\outside.syx", "missing.syx", ""})
    {
        EXPECT_EQ(patternLibrary::load(*synth, name).outcome, LIBRARY_REFUSED) << name;
        EXPECT_EQ(info(), std::string(name) + ": not readable");
    }
    put("pattern.syx", initialDump());
    EXPECT_EQ(patternLibrary::loadBank(*synth, "pattern.syx", 0).message, "pattern.syx: not a bank dump");
}
