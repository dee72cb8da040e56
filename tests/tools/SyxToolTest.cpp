// pavonis-syx on files: what info, show and check say, a bank split into 64 files and
// joined back byte for byte, and bad files refused with one line and status 1.
#include "SyxTool.h"
#include "params/ParameterValues.h"
#include "params/PatternImage.h"
#include "support/FileBytes.h"
#include "sysex/InitPatterns.h"
#include "sysex/SyxFiles.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <sstream>
#include <unistd.h>

namespace
{
namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

struct ToolRun
{
    int status;
    std::string out;
    std::string err;
};

ToolRun run(const std::vector<std::string>& arguments)
{
    std::ostringstream out, err;
    const int status = runSyxTool(arguments, out, err);
    return {status, out.str(), err.str()};
}

void writeValue(std::uint8_t* image, e_ParameterID id, unsigned index, unsigned value)
{
    t_ParameterRawData raw;
    ASSERT_TRUE(patternImageLocate(id, image, &raw));
    patternImageWrite(id, raw, index, image, IntToFloat(value));
}

// 64 patterns, each unlike the others, named "Pat 01" to "Pat 64"; pattern 5 with a
// cutoff of 99 for Drum1, a modulation speed of 70 for Drum1 and Drum2 of which Drum1 is
// synchronised to the tempo, and a "Pat/5" name that a file system would not take.
Bytes distinctImages()
{
    Bytes images;
    for (int i = 0; i < 64; ++i)
    {
        Bytes image(INIT_PATCH.begin(), INIT_PATCH.end());
        char name[9];
        std::snprintf(name, sizeof name, i == 4 ? "Pat/%d   " : "Pat %02d  ", i + 1);
        std::memcpy(image.data(), name, 8);
        for (std::size_t at = 1200; at < image.size(); at += 61)
            image[at] = static_cast<std::uint8_t>(i * 7 + at);
        if (i == 4)
        {
            image[24 + 5] = 99; // Drum1 cutoff
            writeValue(image.data(), PARAM_PART_MOD_SPEED, 0, 70);
            writeValue(image.data(), PARAM_PART_MOD_SPEED, 1, 70);
            writeValue(image.data(), PARAM_PART_MOD_BPM_SYNC, 0, 127);
        }
        images.insert(images.end(), image.begin(), image.end());
    }
    return images;
}

class SyxTool : public ::testing::Test
{
protected:
    void SetUp() override
    {
        folder = fs::temp_directory_path() / ("pavonis-syx-" + std::to_string(::getpid()));
        fs::remove_all(folder);
        fs::create_directories(folder);
        images = distinctImages();
        writeFile(folder / "bank.syx", syxBankDump(2, images.data()));
        writeFile(folder / "pattern.syx", syxPatternDump(&images[4 * 4280]));
    }

    void TearDown() override { fs::remove_all(folder); }

    std::string path(const char* name) const { return (folder / name).string(); }

    fs::path folder;
    Bytes images;
};
} // namespace

TEST_F(SyxTool, InfoTellsTheKindTheBankAndTheNames)
{
    const ToolRun pattern = run({"info", path("pattern.syx")});
    EXPECT_EQ(pattern.status, 0);
    EXPECT_EQ(pattern.out, path("pattern.syx") + ": pattern dump \"Pat/5\"\n");

    const ToolRun bank = run({"info", path("bank.syx")});
    EXPECT_EQ(bank.status, 0);
    EXPECT_NE(bank.out.find(": bank dump, bank C\nC.01 Pat 01\nC.02 Pat 02\n"), std::string::npos);
    EXPECT_NE(bank.out.find("\nC.64 Pat 64\n"), std::string::npos);
}

TEST_F(SyxTool, ShowGivesEveryParameterInTheDevicesTerms)
{
    const ToolRun all = run({"show", path("pattern.syx")});
    EXPECT_EQ(all.status, 0);
    for (const char* line :
         {"Pattern \"Pat/5\"\n", "Global\n  FX chain      None\n  Accent        64\n",
          "  Swing         50%\n", "FX1\n  FX1 type      BPM Sync delay\n  FX1 edit1     3/16\n",
          "Drum1\n  Sample        0\n", "  Slice         129\n", "  Cutoff        99\n",
          "  Pan           CNT\n", "  Speed         3/16\n  Dest          Pitch\n  BPM sync      On\n",
          "Drum2\n", "  Speed         70\n  Dest          Pitch\n  BPM sync      Off\n",
          "  Mod type      Tri\n", "AudioIn\n", "  Dest          Cutoff\n",
          "Keyboard2\n  Sample        130\n", "  Mute mask 2   000000000\n"})
        EXPECT_NE(all.out.find(line), std::string::npos) << line;

    const ToolRun part = run({"show", path("bank.syx"), "--pattern", "5", "--part", "D1"});
    EXPECT_EQ(part.status, 0);
    EXPECT_EQ(part.out.find("Global"), std::string::npos);
    EXPECT_NE(part.out.find("Drum1\n"), std::string::npos);
    EXPECT_NE(part.out.find("  Cutoff        99\n"), std::string::npos);
    EXPECT_EQ(run({"show", path("bank.syx"), "--part", "14", "--pattern", "C.05"}).out,
              run({"show", path("pattern.syx"), "--part", "keyboard1"}).out);
}

TEST_F(SyxTool, ABankSplitAndJoinedBackIsTheSameFile)
{
    const ToolRun split = run({"split", path("bank.syx"), path("parts")});
    ASSERT_EQ(split.status, 0) << split.err;
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder / "parts"))
        names.push_back(entry.path().filename().string());
    EXPECT_EQ(names.size(), 64u);
    EXPECT_EQ(contentOf(folder / "parts" / "C.05 Pat_5.syx"), syxPatternDump(&images[4 * 4280]));

    const ToolRun join = run({"join", path("parts"), path("joined.syx"), "--bank", "c"});
    ASSERT_EQ(join.status, 0) << join.err;
    EXPECT_EQ(contentOf(folder / "joined.syx"), contentOf(folder / "bank.syx"));
    EXPECT_EQ(run({"check", path("joined.syx")}).status, 0);
}

struct BadCase
{
    const char* what;
    std::vector<std::string> arguments; // "@" stands for the test's folder
    std::function<void(const fs::path& folder)> prepare;
    const char* error;
};

// CTest lists each case by what it tries, not by the bytes of its record.
void PrintTo(const BadCase& badCase, std::ostream* out)
{
    *out << badCase.what;
}

class SyxToolBadFile : public SyxTool, public ::testing::WithParamInterface<BadCase>
{
};

TEST_P(SyxToolBadFile, OneLineOnStandardErrorAndStatusOne)
{
    GetParam().prepare(folder);
    std::vector<std::string> arguments;
    for (std::string argument : GetParam().arguments)
        arguments.push_back(argument[0] == '@' ? folder.string() + argument.substr(1) : argument);
    const ToolRun result = run(arguments);
    EXPECT_EQ(result.status, 1);
    EXPECT_TRUE(result.out.empty());
    EXPECT_EQ(result.err, "pavonis-syx: " + folder.string() + GetParam().error + "\n");
}

void nothing(const fs::path&) {}

void cutPattern(const fs::path& folder)
{
    Bytes bytes = contentOf(folder / "pattern.syx");
    bytes.resize(100);
    writeFile(folder / "bad.syx", bytes);
}

void statusByte(const fs::path& folder)
{
    Bytes bytes = contentOf(folder / "pattern.syx");
    bytes[77] = 0xB0;
    writeFile(folder / "bad.syx", bytes);
}

void sixtyThreePatterns(const fs::path& folder)
{
    const Bytes images = distinctImages();
    fs::create_directories(folder / "parts");
    for (int i = 0; i < 63; ++i)
        writeFile(folder / "parts" / (std::to_string(i + 10) + ".syx"), syxPatternDump(&images[i * 4280u]));
}

void bankInTheFolder(const fs::path& folder)
{
    fs::create_directories(folder / "parts");
    fs::copy_file(folder / "bank.syx", folder / "parts" / "x.syx");
}

const BadCase kBadCases[] = {
    {"a missing file",
     {"info", "@/missing.syx"},
     nothing,
     "/missing.syx: not readable, or longer than any dump"},
    {"a cut dump", {"check", "@/bad.syx"}, cutPattern, "/bad.syx: 100 bytes where a pattern dump has 4898"},
    {"a status byte inside", {"show", "@/bad.syx"}, statusByte, "/bad.syx: byte 77 is not a MIDI data byte"},
    {"a folder", {"info", "@"}, nothing, ": not readable, or longer than any dump"},
    {"a pattern to split", {"split", "@/pattern.syx", "@/parts"}, nothing, "/pattern.syx: not a bank dump"},
    {"a bank without a pattern chosen",
     {"show", "@/bank.syx"},
     nothing,
     "/bank.syx: a bank dump; choose a pattern with --pattern 1 to 64"},
    {"63 patterns to join",
     {"join", "@/parts", "@/out.syx"},
     sixtyThreePatterns,
     "/parts: 63 pattern dumps, a bank takes 64"},
    {"a bank among the patterns",
     {"join", "@/parts", "@/out.syx"},
     bankInTheFolder,
     "/parts/x.syx: not a pattern dump"},
};

INSTANTIATE_TEST_SUITE_P(Files, SyxToolBadFile, ::testing::ValuesIn(kBadCases),
                         [](const ::testing::TestParamInfo<BadCase>& info)
                         {
                             std::string name = info.param.what;
                             for (char& c : name)
                                 c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
                             return name;
                         });

TEST(SyxToolUsage, CommandLinesNotUnderstoodGiveTheUsage)
{
    for (const std::vector<std::string>& arguments : std::vector<std::vector<std::string>>{
             {}, {"play"}, {"info"}, {"split", "a.syx"}, {"show", "--part", "1"}})
    {
        const ToolRun result = run(arguments);
        EXPECT_EQ(result.status, 2);
        EXPECT_EQ(result.err.rfind("usage: pavonis-syx COMMAND", 0), 0u);
    }
    EXPECT_EQ(run({"show", "x.syx", "--part", "16"}).err,
              "pavonis-syx: no part 16 (1 to 15, or Drum1 ... Keyboard2)\n");
    EXPECT_EQ(run({"join", "dir", "x.syx", "--bank", "E"}).err, "pavonis-syx: no bank E (A to D)\n");
}
