// WinMM's packed short messages: what goes out at its own length, what comes in, what is
// dropped on the way in.
#include "midi/winmm/ShortMessages.h"

#include <gtest/gtest.h>

#include <vector>

using namespace midi::winmm;

namespace
{
struct PackCase
{
    const char* what;
    std::vector<unsigned char> bytes;
    bool packs;
    std::uint32_t packed;
};

struct UnpackCase
{
    const char* what;
    std::uint32_t packed;
    std::vector<unsigned char> bytes; // empty: dropped
};
} // namespace

TEST(WinMmShortMessages, OnlyWholeShortMessagesArePacked)
{
    const PackCase cases[] = {
        {"control change", {0xB3, 0x63, 0x05}, true, 0x0563B3},
        {"program change, two bytes", {0xC0, 0x07}, true, 0x07C0},
        {"channel pressure, two bytes", {0xD5, 0x40}, true, 0x40D5},
        {"timing clock, one byte", {0xF8}, true, 0xF8},
        {"song position", {0xF2, 0x01, 0x02}, true, 0x0201F2},
        {"program change padded to three bytes", {0xC0, 0x07, 0x00}, false, 0},
        {"note on cut short", {0x90, 0x40}, false, 0},
        {"a SysEx message", {0xF0, 0x42, 0xF7}, false, 0},
        {"the end of a SysEx message", {0xF7}, false, 0},
        {"data without status", {0x40, 0x40, 0x40}, false, 0},
        {"a status byte where data belongs", {0xB0, 0x07, 0x90}, false, 0},
        {"an undefined status", {0xF4}, false, 0},
        {"nothing", {}, false, 0},
    };
    for (const PackCase& c : cases)
    {
        std::uint32_t packed = 0;
        EXPECT_EQ(packShortMessage(c.bytes.data(), c.bytes.size(), packed), c.packs) << c.what;
        if (c.packs)
        {
            EXPECT_EQ(packed, c.packed) << c.what;
        }
    }
    std::uint32_t packed = 0;
    EXPECT_FALSE(packShortMessage(nullptr, 3, packed));
}

TEST(WinMmShortMessages, ReceivedMessagesKeepTheirLengthAndTimingIsDropped)
{
    const UnpackCase cases[] = {
        {"control change", 0x0563B3, {0xB3, 0x63, 0x05}},
        {"program change: the driver's third byte is not part of it", 0x5507C0, {0xC0, 0x07}},
        {"note off", 0x004081, {0x81, 0x40, 0x00}},
        {"start", 0xFA, {0xFA}},
        {"timing clock", 0xF8, {}},
        {"active sensing", 0xFE, {}},
        {"time code quarter frame", 0x21F1, {}},
        {"a data byte alone", 0x40, {}},
    };
    for (const UnpackCase& c : cases)
    {
        unsigned char bytes[3] = {0xEE, 0xEE, 0xEE};
        const std::size_t length = unpackShortMessage(c.packed, bytes);
        EXPECT_EQ(std::vector<unsigned char>(bytes, bytes + length), c.bytes) << c.what;
    }
}
