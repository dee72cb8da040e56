// Arbitrary bytes through the 7-bit unpacking and the header getters. Every buffer is an
// exact-size heap copy, so that ASan sees any read or write beyond it.
#include "core/SynthCommons.h"

#include <cstdlib>
#include <cstring>
#include <limits>
#include <memory>
#include <vector>

namespace
{
using Bytes = std::vector<unsigned char>;

void require(bool condition)
{
    if (!condition)
        std::abort();
}

Bytes pack(const Bytes& data)
{
    Bytes packed(SynthCommons::sysex_DataLenToMidiDataLen(static_cast<std::uint32_t>(data.size())));
    SynthCommons::sysex_DataToMidiData(data.data(), static_cast<std::uint32_t>(data.size()), packed.data());
    return packed;
}

// Unpacks into exactly the expected length; a refusal writes nothing, an acceptance
// happens only for a length that fits and gives data that packs and unpacks to itself.
void unpackInto(std::uint32_t expected, const unsigned char* packed, std::uint32_t packedLength)
{
    constexpr unsigned char kUnwritten = 0xA5;
    Bytes data(expected, kUnwritten);
    const bool unpacked = SynthCommons::sysex_MidiDataToData(data.data(), expected, packed, packedLength);
    if (!unpacked)
    {
        for (unsigned char b : data)
            require(b == kUnwritten);
        return;
    }
    const bool exactFit = packedLength == SynthCommons::sysex_DataLenToMidiDataLen(expected);
    const bool spareByte = packedLength % 8 == 1 && expected == packedLength / 8 * 7;
    require(exactFit || spareByte);
    Bytes again(expected);
    const Bytes repacked = pack(data);
    require(SynthCommons::sysex_MidiDataToData(again.data(), expected, repacked.data(),
                                               static_cast<std::uint32_t>(repacked.size())) ||
            expected == 0);
    require(again == data);
}

void roundTrip(const Bytes& data)
{
    const Bytes packed = pack(data);
    for (unsigned char b : packed)
        require(b < 0x80);
    Bytes unpacked(data.size());
    require(SynthCommons::sysex_MidiDataToData(unpacked.data(), static_cast<std::uint32_t>(data.size()),
                                               packed.data(), static_cast<std::uint32_t>(packed.size())) ||
            data.empty());
    require(unpacked == data);
}

// The input as one complete message, as the dispatcher would get it.
void readHeader(const Bytes& input)
{
    const auto length = static_cast<std::uint32_t>(input.size());
    std::unique_ptr<unsigned char[]> message(new unsigned char[length]);
    if (length)
        std::memcpy(message.get(), input.data(), length);
    SynthCommons::sysex_IsValidSysexMessage(message.get(), length);
    const int type = SynthCommons::sysex_GetDumpType(message.get(), length);
    require(type == kNoDumpType || (length >= 5 && type == message[4]));

    VstMidiSysexEvent event{};
    event.type = kVstSysExType;
    event.byteSize = sizeof event;
    event.dumpBytes = static_cast<vst::int32>(length);
    event.sysexDump = reinterpret_cast<char*>(message.get());
    const int bank = SynthCommons::sysex_GetBankNumber(&event);
    require(bank >= 0 && bank <= 15);
    const unsigned char* data = SynthCommons::sysex_GetMidiData(&event);
    const std::uint32_t dataLength = SynthCommons::sysex_GetMidiDataLen(&event);
    if (!data)
    {
        require(dataLength == 0);
        return;
    }
    require(data > message.get() && data + dataLength < message.get() + length);
    const std::uint32_t patterns = type == 0x4C ? kPatternsPerBank : 1;
    unpackInto(patterns * kPatternDataSize, data, dataLength);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* input, std::size_t size)
{
    if (size > std::numeric_limits<std::int32_t>::max())
        return 0;
    const Bytes bytes(input, input + size);
    readHeader(bytes);
    roundTrip(bytes);
    if (size >= 2)
    {
        // Two bytes choose the expected length, the rest is the packed data.
        const Bytes packed(bytes.begin() + 2, bytes.end());
        unpackInto(bytes[0] | bytes[1] << 8u, packed.data(), static_cast<std::uint32_t>(packed.size()));
    }
    return 0;
}
