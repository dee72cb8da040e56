#include "SyxFiles.h"

#include "../core/SynthCommons.h"
#include "SysexFormat.h"

#include <cstring>

namespace
{
constexpr std::size_t kBankByte = 5;

struct DumpShape
{
    int function;
    std::uint32_t length;
    std::uint32_t headerLength;
    int patterns;
};

constexpr DumpShape kShapes[] = {
    {SYSEX_CURRENT_PATTERN_DUMP, kPatternDumpLength, kPatternDumpHeaderLength, 1},
    {SYSEX_BANK_DUMP, kBankDumpLength, kBankDumpHeaderLength, kPatternsPerBank},
};

const DumpShape* shapeOf(int function)
{
    for (const DumpShape& shape : kShapes)
        if (shape.function == function)
            return &shape;
    return nullptr;
}

t_SyxDump refused(std::string problem)
{
    t_SyxDump dump;
    dump.problem = std::move(problem);
    return dump;
}

// The first byte between the header and the end that is not a MIDI data byte, or 0.
std::size_t firstStatusByte(const std::uint8_t* bytes, std::size_t from, std::size_t to)
{
    for (std::size_t i = from; i < to; ++i)
        if (bytes[i] & 0x80)
            return i;
    return 0;
}

bool safeInFileName(unsigned char c)
{
    return c >= 0x20 && c < 0x7F && !std::strchr("/\\:*?\"<>|", c);
}
} // namespace

int t_SyxDump::patterns() const
{
    return static_cast<int>(images.size() / kPatternDataSize);
}

const std::uint8_t* t_SyxDump::image(int pattern) const
{
    return images.data() + std::size_t(pattern) * kPatternDataSize;
}

std::size_t syxLongestDump()
{
    return kBankDumpLength;
}

t_SyxDump syxRead(const std::uint8_t* bytes, std::size_t length)
{
    if (!bytes || length < kBankDumpHeaderLength || bytes[0] != kSysexStart)
        return refused("not a SysEx message");
    if (bytes[1] != kManufacturerId || !SynthCommons::sysex_IsValidSysexMessage(bytes, length))
        return refused("not a message of the ESX");
    const DumpShape* shape = shapeOf(bytes[4]);
    if (!shape)
        return refused("not a pattern or bank dump");
    if (length != shape->length)
        return refused(std::to_string(length) + " bytes where a " +
                       (shape->patterns == 1 ? "pattern" : "bank") + " dump has " +
                       std::to_string(shape->length));
    if (bytes[length - 1] != kSysexEnd)
        return refused("no end of message (F7) at its end");
    if (const std::size_t at = firstStatusByte(bytes, 1, length - 1))
        return refused("byte " + std::to_string(at) + " is not a MIDI data byte");
    t_SyxDump dump;
    if (shape->patterns > 1)
    {
        dump.bank = bytes[kBankByte];
        if (dump.bank > 3)
            return refused("bank number " + std::to_string(dump.bank) + " is not one of A to D");
    }
    dump.images.resize(std::size_t(shape->patterns) * kPatternDataSize);
    if (!SynthCommons::sysex_MidiDataToData(
            dump.images.data(), static_cast<std::uint32_t>(dump.images.size()), bytes + shape->headerLength,
            shape->length - shape->headerLength - 1))
        return refused("its data does not unpack");
    dump.kind = shape->patterns > 1 ? SYX_BANK : SYX_PATTERN;
    return dump;
}

namespace
{
std::vector<std::uint8_t> dumpOf(const unsigned char* header, std::uint32_t headerLength,
                                 const std::uint8_t* data, std::uint32_t length)
{
    std::uint32_t total = 0;
    unsigned char* built =
        SynthCommons::sysex_ConstructSysexFromData(header, headerLength, data, length, &total);
    std::vector<std::uint8_t> dump(built, built + total);
    delete[] built;
    return dump;
}
} // namespace

std::vector<std::uint8_t> syxPatternDump(const std::uint8_t* image)
{
    return dumpOf(kPatternDumpHeader, kPatternDumpHeaderLength, image, kPatternDataSize);
}

std::vector<std::uint8_t> syxBankDump(int bank, const std::uint8_t* images)
{
    const unsigned char header[kBankDumpHeaderLength] = {
        kSysexStart, kManufacturerId, 0x30, kModelId, SYSEX_BANK_DUMP, static_cast<unsigned char>(bank & 3)};
    return dumpOf(header, kBankDumpHeaderLength, images, kBankDataSize);
}

std::string syxPatternName(const std::uint8_t* image)
{
    std::string name(reinterpret_cast<const char*>(image),
                     strnlen(reinterpret_cast<const char*>(image), kPatternNameLength));
    while (!name.empty() && name.back() == ' ')
        name.pop_back();
    return name;
}

std::string syxFileName(int program, const std::string& name)
{
    char prefix[kPatchNameLength] = {};
    SynthCommons::addProgramNamePrefix(prefix, nullptr, program, sizeof prefix);
    std::string file = prefix;
    if (!name.empty())
        file += ' ';
    for (char c : name)
        file += safeInFileName(static_cast<unsigned char>(c)) ? c : '_';
    return file + ".syx";
}
