// The 7-bit packing, message construction, header reading and the two constant dumps.
#include "PluginFixture.h"
#include "sysex/InitPatterns.h"
#include "sysex/SysexFormat.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>
#include <vector>

namespace
{
using Bytes = std::vector<unsigned char>;

constexpr unsigned char kGuard = 0xA5;
constexpr std::size_t kGuardBytes = 16;

Bytes pack(const Bytes& data)
{
    Bytes packed(SynthCommons::sysex_DataLenToMidiDataLen(static_cast<std::uint32_t>(data.size())));
    SynthCommons::sysex_DataToMidiData(data.data(), static_cast<std::uint32_t>(data.size()), packed.data());
    return packed;
}

VstMidiSysexEvent sysexEvent(Bytes& message)
{
    VstMidiSysexEvent event{};
    event.type = kVstSysExType;
    event.byteSize = sizeof event;
    event.dumpBytes = static_cast<vst::int32>(message.size());
    event.sysexDump = reinterpret_cast<char*>(message.data());
    return event;
}

bool endsWithGuard(const Bytes& buffer, std::size_t used)
{
    return std::all_of(buffer.begin() + static_cast<std::ptrdiff_t>(used), buffer.end(),
                       [](unsigned char b) { return b == kGuard; });
}
} // namespace

TEST(SysexPacking, PackedLengthFollowsTheGroupRule)
{
    const std::pair<std::uint32_t, std::uint32_t> examples[] = {
        {0, 0}, {6, 7}, {7, 8}, {8, 10}, {4280, 4892}};
    for (auto [data, packed] : examples)
        EXPECT_EQ(SynthCommons::sysex_DataLenToMidiDataLen(data), packed) << data << " data bytes";
    EXPECT_EQ(SynthCommons::sysex_DataLenToMidiDataLen(kBankDataSize), 313052u);
}

TEST(SysexPacking, PacksTheExamplesHighBitsFirst)
{
    EXPECT_EQ(pack({0x80, 0x01, 0x02, 0x03, 0x04, 0x05, 0xFF}),
              (Bytes{0x41, 0x00, 0x01, 0x02, 0x03, 0x04, 0x05, 0x7F}));
    EXPECT_EQ(pack({0x81, 0x02, 0x83}), (Bytes{0x05, 0x01, 0x02, 0x03}));
}

// Every length from 0 to 10000: the packed form has exactly the announced length, holds
// only 7-bit bytes and unpacks to the original without writing past the data.
TEST(SysexPacking, RandomBytesOfEveryLengthRoundTrip)
{
    constexpr std::uint32_t kLongest = 10000;
    std::mt19937 random(20240611);
    Bytes pool(2 * kLongest);
    std::generate(pool.begin(), pool.end(), [&] { return static_cast<unsigned char>(random()); });

    Bytes packed, unpacked;
    for (std::uint32_t length = 0; length <= kLongest; ++length)
    {
        const auto start = pool.begin() + random() % kLongest;
        const Bytes data(start, start + length);
        const std::uint32_t packedLength = SynthCommons::sysex_DataLenToMidiDataLen(length);
        packed.assign(packedLength + kGuardBytes, kGuard);
        SynthCommons::sysex_DataToMidiData(data.data(), length, packed.data());
        ASSERT_TRUE(endsWithGuard(packed, packedLength)) << "packing " << length << " bytes overran";
        ASSERT_TRUE(std::all_of(packed.begin(), packed.begin() + packedLength,
                                [](unsigned char b) { return b < 0x80; }))
            << length;

        unpacked.assign(length + kGuardBytes, kGuard);
        ASSERT_TRUE(SynthCommons::sysex_MidiDataToData(unpacked.data(), length, packed.data(), packedLength))
            << length;
        ASSERT_TRUE(std::equal(data.begin(), data.end(), unpacked.begin())) << length;
        ASSERT_TRUE(endsWithGuard(unpacked, length)) << "unpacking " << length << " bytes overran";
    }
}

TEST(SysexPacking, UnpackAcceptsOnlyMatchingLengths)
{
    struct Case
    {
        std::uint32_t packed;
        std::uint32_t expected;
        bool fits;
    };
    const Case cases[] = {
        {4892, 4280, true},    {4892, 4279, false}, {4892, 4281, false}, {313052, 273920, true},
        {313052, 4280, false}, {0, 0, true},        {0, 1, false},       {8, 7, true},
        {8, 8, false},         {9, 7, true}, // a final single byte carries no data
        {10, 8, true},         {10, 9, false},      {1, 0, true},        {2, 1, true},
        {7, 7, false},
    };
    for (const Case& c : cases)
    {
        Bytes packed(c.packed + 1, 0x7F); // never empty: an empty vector may hold no buffer
        Bytes destination(c.expected + kGuardBytes, kGuard);
        EXPECT_EQ(SynthCommons::sysex_MidiDataToData(destination.data(), c.expected, packed.data(), c.packed),
                  c.fits)
            << c.packed << " packed into " << c.expected;
        EXPECT_TRUE(endsWithGuard(destination, c.fits ? c.expected : 0)) << "wrote beyond what it may";
    }
}

TEST(SysexPacking, NullArgumentsAreRefused)
{
    Bytes buffer(16, kGuard);
    EXPECT_FALSE(SynthCommons::sysex_MidiDataToData(nullptr, 7, buffer.data(), 8));
    EXPECT_FALSE(SynthCommons::sysex_MidiDataToData(buffer.data(), 7, nullptr, 8));
    SynthCommons::sysex_DataToMidiData(nullptr, 7, buffer.data());
    SynthCommons::sysex_DataToMidiData(buffer.data(), 0, buffer.data() + 8);
    EXPECT_TRUE(endsWithGuard(buffer, 0));
    SynthCommons::sysex_DataToMidiData(buffer.data(), 7, nullptr);

    std::uint32_t total = 99;
    EXPECT_EQ(SynthCommons::sysex_ConstructSysexFromData(kPatternDumpHeader, 5, nullptr, 7, &total), nullptr);
    EXPECT_EQ(SynthCommons::sysex_ConstructSysexFromData(kPatternDumpHeader, 5, buffer.data(), 0, &total),
              nullptr);
    EXPECT_EQ(SynthCommons::sysex_ConstructSysexFromData(kPatternDumpHeader, 5, buffer.data(), 7, nullptr),
              nullptr);
}

TEST(SysexMessage, ConstructionFramesThePackedData)
{
    const Bytes data(kPatternDataSize, 0x9C);
    std::uint32_t total = 0;
    unsigned char* message = SynthCommons::sysex_ConstructSysexFromData(
        kPatternDumpHeader, kPatternDumpHeaderLength, data.data(), kPatternDataSize, &total);
    ASSERT_NE(message, nullptr);
    const Bytes built(message, message + total);
    delete[] message;

    ASSERT_EQ(total, kPatternDumpLength);
    EXPECT_TRUE(std::equal(kPatternDumpHeader, kPatternDumpHeader + kPatternDumpHeaderLength, built.begin()));
    EXPECT_EQ(built.back(), kSysexEnd);
    EXPECT_EQ(Bytes(built.begin() + kPatternDumpHeaderLength, built.end() - 1), pack(data));
}

TEST(SysexConstants, InitPatchSysexIsTheInitialPatternPacked)
{
    ASSERT_EQ(INIT_PATCH_SYSEX.size(), kPatternDumpLength);
    EXPECT_EQ(Bytes(INIT_PATCH_SYSEX.begin(), INIT_PATCH_SYSEX.begin() + 5),
              (Bytes{0xF0, 0x42, 0x30, 0x71, 0x40}));
    EXPECT_EQ(INIT_PATCH_SYSEX.back(), 0xF7);

    const Bytes packed(INIT_PATCH_SYSEX.begin() + 5, INIT_PATCH_SYSEX.end() - 1);
    Bytes data(kPatternDataSize);
    ASSERT_TRUE(SynthCommons::sysex_MidiDataToData(data.data(), kPatternDataSize, packed.data(),
                                                   static_cast<std::uint32_t>(packed.size())));
    EXPECT_EQ(std::string(data.begin(), data.begin() + 8), "Init    ");
    EXPECT_TRUE(std::equal(data.begin(), data.end(), INIT_PATCH.begin()));
    EXPECT_EQ(pack(data), packed);
}

TEST(SysexConstants, InitBankSysexIsBankDOfInitialPatterns)
{
    Bytes bank(INIT_BANK_SYSEX.begin(), INIT_BANK_SYSEX.end());
    ASSERT_EQ(bank.size(), kBankDumpLength);
    EXPECT_EQ(Bytes(bank.begin(), bank.begin() + 6), (Bytes{0xF0, 0x42, 0x30, 0x71, 0x4C, 0x03}));
    EXPECT_EQ(bank.back(), 0xF7);

    VstMidiSysexEvent event = sysexEvent(bank);
    EXPECT_EQ(SynthCommons::sysex_GetDumpType(bank.data(), kBankDumpLength), 0x4C);
    EXPECT_EQ(SynthCommons::sysex_GetBankNumber(&event), 3);
    ASSERT_EQ(SynthCommons::sysex_GetMidiData(&event), bank.data() + 6);
    ASSERT_EQ(SynthCommons::sysex_GetMidiDataLen(&event), 313052u);

    Bytes data(kBankDataSize);
    ASSERT_TRUE(SynthCommons::sysex_MidiDataToData(data.data(), kBankDataSize, bank.data() + 6, 313052));
    for (int pattern = 0; pattern < kPatternsPerBank; ++pattern)
        EXPECT_TRUE(
            std::equal(INIT_PATCH.begin(), INIT_PATCH.end(), data.begin() + pattern * kPatternDataSize))
            << "pattern " << pattern;
}

// What the header reader makes of a message: dump type, bank, where the packed data starts.
struct HeaderCase
{
    const char* what;
    Bytes message;
    bool validHeader;
    int dumpType;
    int bank;
    int dataOffset; // -1: no data

    friend void PrintTo(const HeaderCase& c, std::ostream* os) { *os << c.what; }
};

class SysexHeader : public ::testing::TestWithParam<HeaderCase>
{
};

TEST_P(SysexHeader, ReadsTypeBankAndData)
{
    const HeaderCase& c = GetParam();
    Bytes message = c.message;
    const auto length = static_cast<std::uint32_t>(message.size());
    VstMidiSysexEvent event = sysexEvent(message);

    EXPECT_EQ(SynthCommons::sysex_IsValidSysexMessage(message.data(), length), c.validHeader);
    EXPECT_EQ(SynthCommons::sysex_GetDumpType(message.data(), length), c.dumpType);
    EXPECT_EQ(SynthCommons::sysex_GetBankNumber(&event), c.bank);
    if (c.dataOffset < 0)
    {
        EXPECT_EQ(SynthCommons::sysex_GetMidiData(&event), nullptr);
        EXPECT_EQ(SynthCommons::sysex_GetMidiDataLen(&event), 0u);
        return;
    }
    EXPECT_EQ(SynthCommons::sysex_GetMidiData(&event), message.data() + c.dataOffset);
    EXPECT_EQ(SynthCommons::sysex_GetMidiDataLen(&event), length - c.dataOffset - 1);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SysexHeader,
    ::testing::Values(
        HeaderCase{"pattern dump", {0xF0, 0x42, 0x30, 0x71, 0x40, 1, 2, 3, 0xF7}, true, 0x40, 0, 5},
        HeaderCase{"bank dump, global channel 16",
                   {0xF0, 0x42, 0x3F, 0x71, 0x4C, 0x02, 1, 2, 0xF7},
                   true,
                   0x4C,
                   2,
                   6},
        HeaderCase{"bank number in the low nibble",
                   {0xF0, 0x42, 0x30, 0x71, 0x4C, 0x13, 1, 2, 0xF7},
                   true,
                   0x4C,
                   3,
                   6},
        HeaderCase{"dump 51", {0xF0, 0x42, 0x30, 0x71, 0x51, 1, 0xF7}, true, 0x51, 0, 5},
        HeaderCase{"dump 57", {0xF0, 0x42, 0x35, 0x71, 0x57, 1, 2, 0xF7}, true, 0x57, 0, 5},
        HeaderCase{"dump 58", {0xF0, 0x42, 0x30, 0x71, 0x58, 1, 0xF7}, true, 0x58, 0, 5},
        HeaderCase{"answer 23", {0xF0, 0x42, 0x30, 0x71, 0x23, 0xF7}, true, 0x23, 0, -1},
        HeaderCase{"answer 24", {0xF0, 0x42, 0x30, 0x71, 0x24, 0xF7}, true, 0x24, 0, -1},
        HeaderCase{"identity reply",
                   {0xF0, 0x7E, 0x05, 0x06, 0x02, 0x42, 0x71, 0x00, 0, 0, 3, 0, 1, 0, 0xF7},
                   true,
                   0x02,
                   0,
                   -1},
        HeaderCase{"our own identity request", {0xF0, 0x7E, 0x00, 0x06, 0x01, 0xF7}, true, 255, 0, -1},
        HeaderCase{"our own pattern request", {0xF0, 0x42, 0x30, 0x71, 0x10, 0xF7}, true, 255, 0, -1},
        HeaderCase{"another model", {0xF0, 0x42, 0x30, 0x72, 0x40, 1, 0xF7}, false, 255, 0, -1},
        HeaderCase{"another maker", {0xF0, 0x43, 0x30, 0x71, 0x40, 1, 0xF7}, false, 255, 0, -1},
        HeaderCase{
            "channel byte without the 3 nibble", {0xF0, 0x42, 0x40, 0x71, 0x40, 1, 0xF7}, false, 255, 0, -1},
        HeaderCase{
            "universal, not general information", {0xF0, 0x7E, 0x00, 0x07, 0x02, 0xF7}, false, 255, 0, -1},
        HeaderCase{"not a SysEx", {0xB0, 0x42, 0x30, 0x71, 0x40, 1, 0xF7}, false, 255, 0, -1},
        HeaderCase{"cut inside the header", {0xF0, 0x42, 0x30, 0x71}, false, 255, 0, -1},
        HeaderCase{"pattern dump without data", {0xF0, 0x42, 0x30, 0x71, 0x40}, true, 0x40, 0, -1},
        HeaderCase{"bank dump without data", {0xF0, 0x42, 0x30, 0x71, 0x4C, 0x01}, true, 0x4C, 1, -1}),
    [](const ::testing::TestParamInfo<HeaderCase>& info) { return testNameOf(info.param.what); });

TEST(SysexHeader, MissingMessagesHaveNoType)
{
    EXPECT_FALSE(SynthCommons::sysex_IsValidSysexMessage(nullptr, 100));
    EXPECT_EQ(SynthCommons::sysex_GetDumpType(nullptr, 100), 255);
    EXPECT_EQ(SynthCommons::sysex_GetBankNumber(nullptr), 0);
    EXPECT_EQ(SynthCommons::sysex_GetMidiData(nullptr), nullptr);
    EXPECT_EQ(SynthCommons::sysex_GetMidiDataLen(nullptr), 0u);

    VstMidiSysexEvent empty{};
    empty.dumpBytes = 313059;
    EXPECT_EQ(SynthCommons::sysex_GetBankNumber(&empty), 0);
    EXPECT_EQ(SynthCommons::sysex_GetMidiData(&empty), nullptr);
    EXPECT_EQ(SynthCommons::sysex_GetMidiDataLen(&empty), 0u);
}
