// Where every parameter lives in the pattern image: a value written and flushed lands in
// exactly its byte and bits, and reads back as the device's coding gives it.
#include "DeviceLayout.h"
#include "PluginFixture.h"
#include "params/RawDataTables.h"

#include <algorithm>
#include <map>
#include <random>

using layout::Coding;
using layout::Spot;

namespace
{
Image randomImage(unsigned seed)
{
    std::mt19937 random(seed);
    Image bytes;
    std::generate(bytes.begin(), bytes.end(), [&] { return static_cast<std::uint8_t>(random()); });
    return bytes;
}

// The image after a flush of value n (the MIDI value) into one field.
Image withValueWritten(Image image, const Spot& spot, unsigned n)
{
    std::uint8_t& byte = image[spot.offset];
    const unsigned c = n & 0xFF; // what a byte-wide field gets of the value
    switch (spot.coding)
    {
    case Coding::Wave:
        byte = static_cast<std::uint8_t>((n >> 8) & 0xFF);
        image[spot.offset + 1] = static_cast<std::uint8_t>(n & 0xFF);
        break;
    case Coding::Slice:
        byte = static_cast<std::uint8_t>(c);
        break;
    case Coding::Swing:
        byte = static_cast<std::uint8_t>(std::min(c, 127u) / 5);
        break;
    default:
    {
        const unsigned raw = spot.coding == Coding::Converted ? layout::rawOf(spot.table, c) : c;
        const unsigned mask = layout::fieldMask(spot);
        byte = static_cast<std::uint8_t>((byte & ~mask) | ((raw << spot.shift) & mask));
    }
    }
    return image;
}

// The MIDI value read back after value n was flushed.
unsigned readBack(const Spot& spot, unsigned n)
{
    const unsigned c = n & 0xFF;
    switch (spot.coding)
    {
    case Coding::Wave:
        return n & 0xFFFF;
    case Coding::Swing:
        return std::min(c, 127u) / 5 * 5;
    case Coding::Converted:
        return layout::valueOf(spot.table, layout::rawOf(spot.table, c));
    default:
        return c & ((1u << spot.width) - 1u);
    }
}

// Both ends of the range, the wrap at 256, and each side of every conversion row.
std::vector<unsigned> valuesToTry(const Spot& spot)
{
    switch (spot.coding)
    {
    case Coding::Wave:
        return {0, 1, 127, 128, 255, 256, 300, 999, 4095, 0x7FFF, 0xFFFF};
    case Coding::Swing:
        return {0, 4, 5, 9, 13, 64, 124, 125, 126, 127, 128, 200, 255, 256, 300};
    case Coding::Converted:
    {
        std::vector<unsigned> values = {127, 128, 255, 256};
        for (const layout::Row& row : spot.table)
            for (unsigned n : {row.value, row.value + 1, row.value == 0 ? 0 : row.value - 1})
                values.push_back(n);
        return values;
    }
    default:
        return {0, 1, 2, 63, 64, 100, 126, 127, 128, 200, 254, 255, 256, 300};
    }
}

bool isMute(const Spot& spot)
{
    return spot.coding == Coding::MuteKeyboards || spot.coding == Coding::MuteParts;
}
} // namespace

class PatternImage : public PluginFixture
{
protected:
    // A random image, applied and flushed once so that every field holds what its
    // parameter will write back.
    Image loadNormalisedRandomImage(unsigned seed)
    {
        loadImage(randomImage(seed));
        flush();
        return image();
    }
};

TEST_F(PatternImage, LocationsAreExactlyTheDeviceFields)
{
    std::map<e_ParameterID, std::map<unsigned, int>> expected;
    for (const Spot& spot : layout::spots())
        expected[spot.parameter][spot.index] = spot.offset;

    for (t_Parameter* p = synth->parameters; p->id != PARAM_END; ++p)
    {
        if (!p->rawData)
            continue;
        std::map<unsigned, int> actual;
        for (unsigned i = 0; i < kRawDataLocations; ++i)
            if (std::uint8_t* at = p->rawData->location[i])
                actual[i] = static_cast<int>(at - synth->workingProgram.data);
        EXPECT_EQ(actual, expected[p->id]) << "parameter " << p->id;
        expected.erase(p->id);
    }
    EXPECT_TRUE(expected.empty()) << "a field without a parameter: " << expected.begin()->first;
}

// A part parameter is stored exactly for the parts that it can address by NRPN.
TEST_F(PatternImage, PartFieldsExistExactlyWhereTheNrpnListHasAnAddress)
{
    for (t_Parameter* p = synth->parameters; p->id != PARAM_END; ++p)
    {
        if (p->kind != ParamType_MultiNRPN)
            continue;
        const t_TypeStruct_MidiNRPN* list = static_cast<t_TypeStruct_MultiNRPN*>(p->descriptor)->list;
        const unsigned entries = SynthCommons::parameterLib_GetNumberOfNRPN(list) - 1;
        for (unsigned part = 0; part < kRawDataLocations; ++part)
        {
            const bool addressed =
                part < entries && !(list[part].nrpnMSB == 0xFF && list[part].nrpnLSB == 0xFF);
            EXPECT_EQ(p->rawData->location[part] != nullptr, addressed)
                << "parameter " << p->id << ", part " << part;
        }
    }
}

TEST_F(PatternImage, EveryFieldTakesOnlyItsBitsAndReadsBackThroughItsCoding)
{
    const Image baseline = loadNormalisedRandomImage(7);
    for (const Spot& spot : layout::spots())
    {
        if (isMute(spot))
            continue;
        SCOPED_TRACE(::testing::Message() << "parameter " << spot.parameter << ", index " << spot.index);
        for (unsigned n : valuesToTry(spot))
        {
            store(spot.parameter, spot.index, IntToFloat(n));
            flush();
            ASSERT_TRUE(imageIs(withValueWritten(baseline, spot, n))) << "value " << n;
            ASSERT_EQ(read(spot.parameter, spot.index), IntToFloat(readBack(spot, n))) << "value " << n;
        }
        loadImage(baseline);
    }
}

TEST_F(PatternImage, MuteMasksShareByte16WithoutTouchingEachOther)
{
    const Image baseline = loadNormalisedRandomImage(11);
    ASSERT_EQ(baseline[layout::kMuteByte] & 0x80, 0) << "a flush clears bit 7 of byte 16";

    for (unsigned m = 0; m < 128; ++m)
    {
        store(PARAM_GLOBAL_MUTE_PART1, 0, IntToFloat(m));
        flush();
        Image expected = baseline;
        expected[layout::kMuteByte] =
            static_cast<std::uint8_t>(((m * 2) & 0x7E) | (baseline[layout::kMuteByte] & 1));
        ASSERT_TRUE(imageIs(expected)) << "keyboard mutes " << m;
        ASSERT_EQ(read(PARAM_GLOBAL_MUTE_PART1, 0), IntToFloat(m & 63));
    }
    loadImage(baseline);
    for (unsigned m = 0; m < 1024; ++m)
    {
        store(PARAM_GLOBAL_MUTE_PART2, 0, IntToFloat(m));
        flush();
        Image expected = baseline;
        expected[layout::kMuteByte] =
            static_cast<std::uint8_t>((baseline[layout::kMuteByte] & 0x7E) | ((m >> 8) & 1));
        expected[layout::kMutePartsLowByte] = static_cast<std::uint8_t>(m & 0xFF);
        ASSERT_TRUE(imageIs(expected)) << "part mutes " << m;
        ASSERT_EQ(read(PARAM_GLOBAL_MUTE_PART2, 0), IntToFloat(m & 0x1FF));
        ASSERT_EQ(read(PARAM_GLOBAL_MUTE_PART2, 1), IntToFloat(m & 0x1FF));
    }
}

TEST_F(PatternImage, FlushKeepsEveryBitThatNoParameterOwns)
{
    const Image original = randomImage(3);
    loadImage(original);
    flush();
    const Image flushed = image();
    const std::vector<std::uint8_t> owned = layout::ownedBits();
    for (std::size_t i = 0; i < original.size(); ++i)
    {
        const unsigned keep = i == layout::kMuteByte ? 0x7Fu & ~owned[i] : 0xFFu & ~owned[i];
        ASSERT_EQ(flushed[i] & keep, original[i] & keep) << "byte " << i;
    }
    EXPECT_EQ(flushed[layout::kMuteByte] & 0x80, 0);
    EXPECT_TRUE(std::equal(flushed.begin(), flushed.begin() + 8, synth->workingProgram.name));
}

// An image whose every field holds a value the device can store comes out of applying
// and flushing byte for byte: what the device sends is understood, and sent back intact.
TEST_F(PatternImage, AValidImageSurvivesApplyAndFlush)
{
    std::mt19937 random(5);
    Image valid = randomImage(5);
    for (const Spot& spot : layout::spots())
    {
        std::uint8_t& byte = valid[spot.offset];
        if (spot.coding == Coding::Swing)
            byte = static_cast<std::uint8_t>(random() % 26);
        if (spot.coding != Coding::Converted)
            continue;
        const unsigned raw = spot.table[random() % spot.table.size()].raw;
        byte = static_cast<std::uint8_t>((byte & ~layout::fieldMask(spot)) | (raw << spot.shift));
    }
    valid[layout::kMuteByte] &= 0x7F;
    std::copy(valid.begin(), valid.begin() + 8, synth->workingProgram.name);

    loadImage(valid);
    flush();
    EXPECT_TRUE(imageIs(valid));
}

struct EdgeCase
{
    const char* what;
    e_ParameterID parameter;
    unsigned index;
    int offset;
    std::uint8_t storedBefore; // the byte in the image before the value is written
    unsigned value;
    std::uint8_t storedAfter;
    unsigned readsAs;

    friend void PrintTo(const EdgeCase& c, std::ostream* os) { *os << c.what; }
};

class PatternImageEdgeCases : public PatternImage, public ::testing::WithParamInterface<EdgeCase>
{
};

TEST_P(PatternImageEdgeCases, WritesAndReadsTheDeviceCoding)
{
    const EdgeCase& c = GetParam();
    Image bytes = image();
    bytes[c.offset] = c.storedBefore;
    loadImage(bytes);
    store(c.parameter, c.index, IntToFloat(c.value));
    flush();
    EXPECT_EQ(int(image()[c.offset]), int(c.storedAfter));
    EXPECT_EQ(read(c.parameter, c.index), IntToFloat(c.readsAs));
}

INSTANTIATE_TEST_SUITE_P(
    Device, PatternImageEdgeCases,
    ::testing::Values(
        EdgeCase{"swing 64 is stored as 12", PARAM_GLOBAL_SWING, 0, 10, 0, 64, 12, 60},
        EdgeCase{"swing above 127 counts as 127", PARAM_GLOBAL_SWING, 0, 10, 0, 200, 25, 125},
        EdgeCase{"modulation type 50 is the row of 48", PARAM_PART_MOD_TYPE, 0, 38, 0x89, 50, 0xB9, 48},
        EdgeCase{"effect type 13 is the row of 8", PARAM_FX2_TYPE, 0, 1152, 0, 13, 1, 8},
        EdgeCase{"roll type keeps bits 0 to 5", PARAM_GLOBAL_ROLL_TYPE, 0, 11, 0x3F, 86, 0xBF, 86},
        EdgeCase{"roll type clears only its own bits", PARAM_GLOBAL_ROLL_TYPE, 0, 11, 0xD5, 0, 0x15, 0}),
    [](const ::testing::TestParamInfo<EdgeCase>& info) { return testNameOf(info.param.what); });

TEST_F(PatternImage, Drum2Wave300IsStoredHighByteFirst)
{
    store(PARAM_PART_WAVE, 1, IntToFloat(300));
    flush();
    EXPECT_EQ(image()[58], 0x01);
    EXPECT_EQ(image()[59], 0x2C);
    EXPECT_EQ(read(PARAM_PART_WAVE, 1), IntToFloat(300));
}

TEST_F(PatternImage, StoredFieldsReadAsTheDeviceMeansThem)
{
    struct Stored
    {
        e_ParameterID parameter;
        int offset;
        std::uint8_t byte;
        unsigned readsAs;
    };
    const Stored cases[] = {
        {PARAM_GLOBAL_SWING, 10, 13, 65}, {PARAM_GLOBAL_SWING, 10, 30, 125}, // beyond 25 counts as 25
        {PARAM_FX2_TYPE, 1152, 5, 40},    {PARAM_FX2_TYPE, 1152, 17, 0},     // no row names it
        {PARAM_FX_CHAIN, 12, 9, 0},
    };
    for (const Stored& c : cases)
    {
        synth->workingProgram.data[c.offset] = c.byte;
        EXPECT_EQ(read(c.parameter, 0), IntToFloat(c.readsAs))
            << "parameter " << c.parameter << " stored " << int(c.byte);
    }
}

TEST_F(PatternImage, AllPartsMutedSetsBit8AndKeepsTheKeyboardBits)
{
    Image bytes = image();
    bytes[16] = 0xAA; // bit 7 set, keyboard mask 0x15, part bit 8 clear
    loadImage(bytes);
    store(PARAM_GLOBAL_MUTE_PART2, 0, IntToFloat(0x1FF));
    flush();
    EXPECT_EQ(image()[17], 0xFF);
    EXPECT_EQ(image()[16], 0x2B);
    EXPECT_EQ(read(PARAM_GLOBAL_MUTE_PART1, 0), IntToFloat(0x15));
}

TEST(PatternImageConversion, WalksRowsUpToTheEndRow)
{
    EXPECT_EQ(SynthCommons::parameterLib_ConvertParameterValueToRawData(RAW_DATA_CONV_FX_TYPE, 13), 1u);
    EXPECT_EQ(SynthCommons::parameterLib_ConvertParameterValueToRawData(RAW_DATA_CONV_FX_TYPE, 255), 15u);
    EXPECT_EQ(SynthCommons::parameterLib_ConvertRawDataToParameterValue(RAW_DATA_CONV_FX_TYPE, 5), 40u);
    EXPECT_EQ(SynthCommons::parameterLib_ConvertRawDataToParameterValue(RAW_DATA_CONV_FX_TYPE, 17), 0u);
    EXPECT_EQ(SynthCommons::parameterLib_ConvertParameterValueToRawData(nullptr, 64), 0u);
    EXPECT_EQ(SynthCommons::parameterLib_ConvertRawDataToParameterValue(nullptr, 1), 0u);

    // The first row may be 0 -> 0; the next such row ends the table.
    const t_RawDataValueConversionSruct table[] = {{0, 0}, {10, 3}, {0, 0}, {20, 4}};
    EXPECT_EQ(SynthCommons::parameterLib_ConvertParameterValueToRawData(table, 25), 3u);
    EXPECT_EQ(SynthCommons::parameterLib_ConvertRawDataToParameterValue(table, 4), 0u);
    EXPECT_EQ(SynthCommons::parameterLib_ConvertRawDataToParameterValue(table, 3), 10u);
}

TEST_F(PatternImage, ReadingAnIndexWithoutAPlaceGivesZero)
{
    EXPECT_EQ(read(PARAM_PART_PITCH, PART_AUDIOIN), 0.0f);
    EXPECT_EQ(read(PARAM_PART_WAVE, kRawDataLocations), 0.0f);
    EXPECT_EQ(synth->parameterLib_RetreiveParameterRawDataValue(nullptr, 0), 0.0f);
    EXPECT_EQ(read(PARAM_MIDI_MODE, 0), 0.0f);
}
