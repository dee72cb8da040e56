#include "ShortMessages.h"

namespace midi::winmm
{
namespace
{
constexpr std::uint8_t kMidiTimeCode = 0xF1;
constexpr std::uint8_t kTimingClock = 0xF8;
constexpr std::uint8_t kActiveSensing = 0xFE;

bool droppedOnInput(std::uint8_t status)
{
    return status == kMidiTimeCode || status == kTimingClock || status == kActiveSensing;
}
} // namespace

std::size_t shortMessageLength(std::uint8_t status)
{
    if (status < 0x80)
        return 0;
    if (status < 0xF0)
        return (status & 0xF0) == 0xC0 || (status & 0xF0) == 0xD0 ? 2 : 3;
    switch (status)
    {
    case 0xF1:
    case 0xF3:
        return 2;
    case 0xF2:
        return 3;
    case 0xF6:
    case 0xF8:
    case 0xFA:
    case 0xFB:
    case 0xFC:
    case 0xFE:
    case 0xFF:
        return 1;
    default:
        return 0; // 0xF0 begins SysEx, 0xF7 ends it, 0xF4, 0xF5, 0xF9 and 0xFD are undefined
    }
}

bool packShortMessage(const unsigned char* bytes, std::size_t length, std::uint32_t& packed)
{
    if (!bytes || length == 0 || shortMessageLength(bytes[0]) != length)
        return false;
    packed = 0;
    for (std::size_t i = 0; i < length; ++i)
    {
        if (i > 0 && bytes[i] >= 0x80)
            return false;
        packed |= std::uint32_t(bytes[i]) << (8 * i);
    }
    return true;
}

std::size_t unpackShortMessage(std::uint32_t packed, unsigned char bytes[3])
{
    const auto status = static_cast<std::uint8_t>(packed & 0xFF);
    const std::size_t length = shortMessageLength(status);
    if (droppedOnInput(status))
        return 0;
    for (std::size_t i = 0; i < length; ++i)
        bytes[i] = static_cast<unsigned char>((packed >> (8 * i)) & 0xFF);
    return length;
}
} // namespace midi::winmm
