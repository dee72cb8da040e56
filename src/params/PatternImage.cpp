#include "PatternImage.h"

#include "../core/SynthCommons.h"
#include "ParameterValues.h"
#include "RawDataTables.h"

#include <algorithm>

namespace
{
constexpr unsigned kSwingSteps = 25;
constexpr int kMuteByte = 16;
constexpr int kMutePartsLowByte = 17;
constexpr unsigned kMuteKeyboardsMask = 0x7E; // bits 1 to 6 of byte 16
constexpr unsigned kMutePartsHighBit = 0x01;  // bit 0 of byte 16

bool isKeyboardController(e_ParameterID id)
{
    return id >= PARAM_KEYBOARD_GLIDE && id <= PARAM_KEYBOARD_MOTION_SEQ_SW;
}

int partFieldOffset(const t_PartFieldLocation& field, unsigned part)
{
    int offset = kNoOffset;
    if (part <= PART_DRUM7B)
        offset = field.drum;
    else if (part <= PART_SLICE)
        offset = field.stretch;
    else if (part == PART_AUDIOIN)
        offset = field.audioIn;
    else if (part <= PART_KEYBOARD2)
        offset = field.keyboard;
    return offset == kNoOffset ? kNoOffset : partBlockOffset(part) + offset;
}

void setCoding(t_ParameterRawData* raw, std::uint8_t shift, std::uint8_t width,
               const t_RawDataValueConversionSruct* conversion)
{
    raw->shift = shift;
    raw->width = width;
    raw->conversion = conversion;
}

bool locateGlobal(e_ParameterID id, std::uint8_t* image, t_ParameterRawData* raw)
{
    for (const t_GlobalFieldLocation* g = c_GlobalFieldLocations; g->parameter != PARAM_END; ++g)
    {
        if (g->parameter != id)
            continue;
        for (unsigned i = 0; i < 2; ++i)
            raw->location[i] = g->offset[i] == kNoOffset ? nullptr : image + g->offset[i];
        setCoding(raw, g->shift, g->width, g->conversion);
        return true;
    }
    return false;
}

bool locatePart(e_ParameterID id, std::uint8_t* image, t_ParameterRawData* raw)
{
    for (const t_PartFieldLocation* f = c_PartFieldLocations; f->parameter != PARAM_END; ++f)
    {
        if (f->parameter != id)
            continue;
        const bool byChannel = isKeyboardController(id);
        const unsigned count = byChannel ? 2 : unsigned(PART_COUNT);
        for (unsigned i = 0; i < count; ++i)
        {
            const int offset = partFieldOffset(*f, byChannel ? PART_KEYBOARD1 + i : i);
            raw->location[i] = offset == kNoOffset ? nullptr : image + offset;
        }
        setCoding(raw, f->shift, f->width, f->conversion);
        return true;
    }
    return false;
}

unsigned bitsMask(std::uint8_t width)
{
    return (1u << width) - 1u;
}

unsigned readField(const t_ParameterRawData& raw, std::uint8_t byte)
{
    unsigned r = byte;
    if (raw.width)
        r = (r >> raw.shift) & bitsMask(raw.width);
    if (raw.conversion)
        r = SynthCommons::parameterLib_ConvertRawDataToParameterValue(raw.conversion, r);
    return r & 0xFF;
}

void writeField(const t_ParameterRawData& raw, std::uint8_t* b, float value)
{
    unsigned r = floatToUnsignedChar(value);
    if (raw.conversion)
        r = SynthCommons::parameterLib_ConvertParameterValueToRawData(raw.conversion, r);
    if (raw.width)
    {
        const unsigned mask = bitsMask(raw.width) << raw.shift;
        r = (*b & ~mask) | ((r << raw.shift) & mask);
    }
    *b = static_cast<std::uint8_t>(r);
}
} // namespace

bool patternImageLocate(e_ParameterID id, std::uint8_t* image, t_ParameterRawData* raw)
{
    *raw = {};
    return locateGlobal(id, image, raw) || locatePart(id, image, raw);
}

unsigned patternImageRead(e_ParameterID id, const t_ParameterRawData& raw, unsigned index,
                          const std::uint8_t* image)
{
    switch (id)
    {
    case PARAM_GLOBAL_MUTE_PART1:
        return (image[kMuteByte] >> 1) & 63;
    case PARAM_GLOBAL_MUTE_PART2:
        return (image[kMuteByte] & kMutePartsHighBit) * 256u + image[kMutePartsLowByte];
    default:
        break;
    }
    const std::uint8_t* b = raw.location[index];
    switch (id)
    {
    case PARAM_PART_WAVE:
        return b[0] * 256u + b[1];
    case PARAM_PART_SLICE:
        return *b;
    case PARAM_GLOBAL_SWING:
        return std::min<unsigned>(*b, kSwingSteps) * 5;
    default:
        return readField(raw, *b);
    }
}

void patternImageWrite(e_ParameterID id, const t_ParameterRawData& raw, unsigned index, std::uint8_t* image,
                       float value)
{
    std::uint8_t* b = raw.location[index];
    const unsigned n = floatToInt(value);
    switch (id)
    {
    case PARAM_PART_WAVE:
        b[0] = static_cast<std::uint8_t>((n >> 8) & 0xFF);
        b[1] = static_cast<std::uint8_t>(n & 0xFF);
        break;
    case PARAM_PART_SLICE:
        *b = floatToUnsignedChar(value);
        break;
    case PARAM_GLOBAL_SWING:
        // value / 5 rounded down
        *b = static_cast<std::uint8_t>((std::min<unsigned>(floatToUnsignedChar(value), 127) * 205) >> 10);
        break;
    case PARAM_GLOBAL_MUTE_PART1:
        if (index == 0)
            image[kMuteByte] = static_cast<std::uint8_t>(((n * 2) & kMuteKeyboardsMask) |
                                                         (image[kMuteByte] & kMutePartsHighBit));
        break;
    case PARAM_GLOBAL_MUTE_PART2:
        if (index == 0)
            image[kMuteByte] = static_cast<std::uint8_t>(((n >> 8) & kMutePartsHighBit) |
                                                         (image[kMuteByte] & kMuteKeyboardsMask));
        else
            image[kMutePartsLowByte] = static_cast<std::uint8_t>(n & 0xFF);
        break;
    default:
        writeField(raw, b, value);
        break;
    }
}
