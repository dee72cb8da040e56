// The ESX pattern layout as the tests know it from the device's documentation, written
// down independently of the plug-in's own tables: where every parameter lives in the
// 4280-byte image and how it is coded there.
#pragma once

#include "params/ParameterIds.h"

#include <cstdint>
#include <span>
#include <vector>

namespace layout
{
// One conversion row: MIDI value and the raw value stored for it.
struct Row
{
    unsigned value;
    unsigned raw;
};
using Table = std::span<const Row>;

enum class Coding
{
    Plain,         // the MIDI value in the field
    Converted,     // through a conversion table
    Wave,          // 16 bits, high byte first
    Slice,         // the whole byte
    Swing,         // 0 to 25 for 0 to 125
    MuteKeyboards, // bits 1 to 6 of byte 16
    MuteParts,     // bit 0 of byte 16 (index 0) and byte 17 (index 1)
};

// A parameter's field for one index (part, keyboard channel or mask half).
struct Spot
{
    e_ParameterID parameter;
    unsigned index;
    int offset;
    unsigned shift;
    unsigned width; // 8 = the whole byte
    Coding coding;
    Table table; // for Converted
};

constexpr int kMuteByte = 16;
constexpr int kMutePartsLowByte = 17;

// Every (parameter, index) that has a place in the image.
const std::vector<Spot>& spots();

// The bits of each byte that some parameter owns (the name bytes 0 to 7 included).
std::vector<std::uint8_t> ownedBits();

// The raw value stored for a MIDI value, and the MIDI value read back from a raw value.
unsigned rawOf(Table table, unsigned value);
unsigned valueOf(Table table, unsigned raw);

unsigned fieldMask(const Spot& spot);
} // namespace layout
