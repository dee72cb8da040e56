// The device's 7-bit packing of 8-bit data, message construction and header reading.
#include "../core/SynthCommons.h"
#include "SysexFormat.h"

#include <cstring>
#include <new>

namespace
{
constexpr std::uint32_t kGroup = 7;
constexpr std::uint32_t kPackedGroup = 8;

bool isDeviceHeader(const unsigned char* m)
{
    return m[1] == kManufacturerId && (m[2] & 0xF0) == 0x30 && m[3] == kModelId;
}

bool isUniversalHeader(const unsigned char* m)
{
    return m[1] == kUniversalNonRealTime && m[3] == kGeneralInformation;
}

bool isKnownFunction(unsigned char code)
{
    switch (code)
    {
    case SYSEX_CURRENT_PATTERN_DUMP:
    case SYSEX_BANK_DUMP:
    case SYSEX_DUMP_51:
    case SYSEX_DUMP_57:
    case SYSEX_DUMP_58:
    case SYSEX_ANSWER_A:
    case SYSEX_ANSWER_B:
    case SYSEX_IDENTITY_REPLY:
        return true;
    default:
        return false;
    }
}

// Where the packed data of a dump begins, or 0 for messages that carry none.
std::uint32_t packedDataOffset(const VstMidiSysexEvent* event)
{
    if (!event->sysexDump || event->dumpBytes <= 0)
        return 0;
    switch (SynthCommons::sysex_GetDumpType(reinterpret_cast<const unsigned char*>(event->sysexDump),
                                            static_cast<std::uint32_t>(event->dumpBytes)))
    {
    case SYSEX_CURRENT_PATTERN_DUMP:
    case SYSEX_DUMP_51:
    case SYSEX_DUMP_57:
    case SYSEX_DUMP_58:
        return kPatternDumpHeaderLength;
    case SYSEX_BANK_DUMP:
        return kBankDumpHeaderLength;
    default:
        return 0;
    }
}

// Packs one group of up to 7 bytes into count + 1 bytes: the high bits first.
void packGroup(const unsigned char* data, std::uint32_t count, unsigned char* out)
{
    unsigned char highBits = 0;
    for (std::uint32_t k = 0; k < count; ++k)
    {
        highBits |= static_cast<unsigned char>((data[k] >> 7) << k);
        out[k + 1] = data[k] & 0x7F;
    }
    out[0] = highBits;
}

void unpackGroup(const unsigned char* packed, std::uint32_t count, unsigned char* out)
{
    for (std::uint32_t k = 0; k < count; ++k)
        out[k] = static_cast<unsigned char>((packed[k + 1] & 0x7F) | (((packed[0] >> k) & 1) << 7));
}
} // namespace

std::uint32_t SynthCommons::sysex_DataLenToMidiDataLen(std::uint32_t length)
{
    return length % kGroup == 0 ? length / kGroup * kPackedGroup : length + length / kGroup + 1;
}

void SynthCommons::sysex_DataToMidiData(const unsigned char* data, std::uint32_t length,
                                        unsigned char* destination)
{
    if (!data || !destination || length == 0)
        return;
    for (std::uint32_t done = 0; done < length; done += kGroup)
    {
        const std::uint32_t count = length - done < kGroup ? length - done : kGroup;
        packGroup(data + done, count, destination);
        destination += count + 1;
    }
}

bool SynthCommons::sysex_MidiDataToData(unsigned char* destination, std::uint32_t expectedLength,
                                        const unsigned char* packed, std::uint32_t packedLength)
{
    if (!destination || !packed)
        return false;
    const std::uint64_t groups = packedLength / kPackedGroup;
    const std::uint32_t rest = packedLength % kPackedGroup;
    const bool fits =
        rest == 0 ? groups * kGroup == expectedLength : groups * kGroup + rest == expectedLength + 1ull;
    if (!fits)
        return false;
    for (std::uint64_t g = 0; g < groups; ++g)
        unpackGroup(packed + g * kPackedGroup, kGroup, destination + g * kGroup);
    if (rest >= 2)
        unpackGroup(packed + groups * kPackedGroup, rest - 1, destination + groups * kGroup);
    return true;
}

unsigned char* SynthCommons::sysex_ConstructSysexFromData(const unsigned char* header,
                                                          std::uint32_t headerLength,
                                                          const unsigned char* data, std::uint32_t length,
                                                          std::uint32_t* totalLength)
{
    if (!data || length == 0 || !totalLength)
        return nullptr;
    const std::uint32_t total = headerLength + sysex_DataLenToMidiDataLen(length) + 1;
    auto* message = new (std::nothrow) unsigned char[total];
    if (!message)
    {
        *totalLength = 0;
        return nullptr;
    }
    std::memset(message, 0, total);
    if (header)
        std::memcpy(message, header, headerLength);
    message[total - 1] = kSysexEnd;
    sysex_DataToMidiData(data, length, message + (header ? headerLength : 0));
    *totalLength = total;
    return message;
}

bool SynthCommons::sysex_IsValidSysexMessage(const unsigned char* message, std::uint32_t length)
{
    if (!message || length < 5 || message[0] != kSysexStart)
        return false;
    return isDeviceHeader(message) || isUniversalHeader(message);
}

int SynthCommons::sysex_GetDumpType(const unsigned char* message, std::uint32_t length)
{
    if (!sysex_IsValidSysexMessage(message, length) || !isKnownFunction(message[4]))
        return kNoDumpType;
    return message[4];
}

int SynthCommons::sysex_GetBankNumber(const VstMidiSysexEvent* event)
{
    if (!event || event->dumpBytes < 6 || packedDataOffset(event) != kBankDumpHeaderLength)
        return 0;
    return static_cast<unsigned char>(event->sysexDump[5]) & 0x0F;
}

unsigned char* SynthCommons::sysex_GetMidiData(const VstMidiSysexEvent* event)
{
    if (!event)
        return nullptr;
    const std::uint32_t offset = packedDataOffset(event);
    if (offset == 0 || static_cast<std::uint32_t>(event->dumpBytes) <= offset)
        return nullptr;
    return reinterpret_cast<unsigned char*>(event->sysexDump) + offset;
}

std::uint32_t SynthCommons::sysex_GetMidiDataLen(const VstMidiSysexEvent* event)
{
    if (!sysex_GetMidiData(event))
        return 0;
    return static_cast<std::uint32_t>(event->dumpBytes) - packedDataOffset(event) - 1;
}
