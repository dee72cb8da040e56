#include "DeviceLayout.h"

#include <array>

namespace layout
{
namespace
{
constexpr Row kFilterTypeRows[] = {{0, 0}, {32, 1}, {64, 2}, {96, 3}};
constexpr Row kOnOffRows[] = {{0, 0}, {64, 1}};
constexpr Row kThreeWayRows[] = {{0, 0}, {43, 1}, {86, 2}};
constexpr Row kModTypeRows[] = {{0, 0}, {16, 1}, {32, 2}, {48, 3}, {64, 4}};
constexpr Row kAccentMotionSeqRows[] = {{0, 0}, {43, 1}};

constexpr std::array<Row, 16> fxTypeRows()
{
    std::array<Row, 16> rows{};
    for (unsigned k = 0; k < rows.size(); ++k)
        rows[k] = {8 * k, k};
    return rows;
}
constexpr std::array<Row, 16> kFxTypeRows = fxTypeRows();

constexpr int N = -1;
constexpr e_ParameterID NONE = PARAM_END;

// One field of a part block: x is the part parameter, y the keyboard parameter. Where a
// row has no keyboard parameter, its keyboard offset belongs to the part parameter's
// indexes 13 and 14 (wave and slice).
struct PartRow
{
    e_ParameterID part;
    e_ParameterID keyboard;
    int drum, keyboardOffset, stretch, audioIn;
    unsigned shift, width;
    Coding coding;
    Table table;
};

const PartRow kPartRows[] = {
    {PARAM_PART_WAVE, NONE, 0, 0, 0, N, 0, 8, Coding::Wave, {}},
    {PARAM_PART_SLICE, NONE, 2, 2, N, N, 0, 8, Coding::Slice, {}},
    {NONE, PARAM_KEYBOARD_GLIDE, N, 4, N, N, 0, 8, Coding::Plain, {}},
    {PARAM_PART_FILTER_TYPE, NONE, 4, N, 2, 0, 0, 8, Coding::Plain, {}},
    {NONE, PARAM_KEYBOARD_FILTER_TYPE, N, 5, N, N, 0, 8, Coding::Converted, kFilterTypeRows},
    {PARAM_PART_FILTER_CUTOFF, PARAM_KEYBOARD_FILTER_CUTOFF, 5, 6, 3, 1, 0, 8, Coding::Plain, {}},
    {PARAM_PART_FILTER_RESONANCE, PARAM_KEYBOARD_FILTER_RESONANCE, 6, 7, 4, 2, 0, 8, Coding::Plain, {}},
    {PARAM_PART_FILTER_EGINT, PARAM_KEYBOARD_FILTER_EG_INT, 7, 8, 5, 3, 0, 8, Coding::Plain, {}},
    {PARAM_PART_PITCH, NONE, 8, N, 6, N, 0, 8, Coding::Plain, {}},
    {PARAM_PART_LEVEL, PARAM_KEYBOARD_LEVEL, 9, 9, 7, 4, 0, 8, Coding::Plain, {}},
    {PARAM_PART_PAN, PARAM_KEYBOARD_PAN, 10, 10, 8, 5, 0, 8, Coding::Plain, {}},
    {PARAM_PART_EG_TIME, PARAM_KEYBOARD_EG_TIME, 11, 11, 9, 6, 0, 8, Coding::Plain, {}},
    {PARAM_PART_START, PARAM_KEYBOARD_START, 12, 12, 10, N, 0, 8, Coding::Plain, {}},
    {PARAM_PART_FX_SELECT, PARAM_KEYBOARD_FX_SELECT, 13, 13, 11, 7, 0, 2, Coding::Converted, kThreeWayRows},
    {PARAM_PART_FX_SEND, PARAM_KEYBOARD_FX_SEND, 13, 13, 11, 7, 2, 1, Coding::Converted, kOnOffRows},
    {PARAM_PART_ROLL, PARAM_KEYBOARD_ROLL, 13, 13, 11, 7, 3, 1, Coding::Converted, kOnOffRows},
    {PARAM_PART_AMP_EG, PARAM_KEYBOARD_AMP_EG, 13, 13, 11, 7, 4, 1, Coding::Converted, kOnOffRows},
    {PARAM_PART_REVERSE, PARAM_KEYBOARD_REVERSE, 13, 13, 11, N, 5, 1, Coding::Converted, kOnOffRows},
    {PARAM_PART_MOD_DEST, PARAM_KEYBOARD_MOD_DEST, 14, 14, 12, 8, 0, 3, Coding::Converted, kFilterTypeRows},
    {PARAM_PART_MOD_TYPE, PARAM_KEYBOARD_MOD_TYPE, 14, 14, 12, 8, 4, 3, Coding::Converted, kModTypeRows},
    {PARAM_PART_MOD_BPM_SYNC, PARAM_KEYBOARD_MOD_BPM_SYNC, 14, 14, 12, 8, 7, 1, Coding::Converted,
     kOnOffRows},
    {PARAM_PART_MOD_SPEED, PARAM_KEYBOARD_MOD_SPEED, 15, 15, 13, 9, 0, 8, Coding::Plain, {}},
    {PARAM_PART_MOD_DEPTH, PARAM_KEYBOARD_MOD_DEPTH, 16, 16, 14, 10, 0, 8, Coding::Plain, {}},
    {PARAM_PART_MOTION_SEQ_SW, PARAM_KEYBOARD_MOTION_SEQ_SW, 17, 17, 15, 11, 0, 8, Coding::Converted,
     kThreeWayRows},
};

// Where each part's block starts: Drum1 to Drum7B, Stretch1, Stretch2, Slice, AudioIn,
// Keyboard1, Keyboard2.
constexpr int kBlockStart[PART_COUNT] = {24,  58,  92,  126, 160, 194, 228, 262,
                                         296, 878, 910, 942, 974, 330, 604};

int columnOf(const PartRow& row, unsigned part)
{
    if (part <= PART_DRUM7B)
        return row.drum;
    if (part <= PART_SLICE)
        return row.stretch;
    if (part == PART_AUDIOIN)
        return row.audioIn;
    return row.keyboardOffset;
}

void addPartSpots(const PartRow& row, std::vector<Spot>& out)
{
    auto add = [&](e_ParameterID id, unsigned index, unsigned part)
    {
        const int column = columnOf(row, part);
        if (column != N)
            out.push_back(
                {id, index, kBlockStart[part] + column, row.shift, row.width, row.coding, row.table});
    };
    if (row.part != NONE)
    {
        const unsigned lastPart = row.keyboard == NONE ? PART_KEYBOARD2 : PART_AUDIOIN;
        for (unsigned part = 0; part <= lastPart; ++part)
            add(row.part, part, part);
    }
    if (row.keyboard != NONE)
        for (unsigned channel = 0; channel < 2; ++channel)
            add(row.keyboard, channel, PART_KEYBOARD1 + channel);
}

void addGlobalSpots(std::vector<Spot>& out)
{
    out.push_back({PARAM_GLOBAL_SWING, 0, 10, 0, 8, Coding::Swing, {}});
    out.push_back({PARAM_GLOBAL_ROLL_TYPE, 0, 11, 6, 2, Coding::Converted, kThreeWayRows});
    out.push_back({PARAM_FX_CHAIN, 0, 12, 0, 8, Coding::Converted, kFilterTypeRows});
    out.push_back({PARAM_GLOBAL_MUTE_PART1, 0, kMuteByte, 1, 6, Coding::MuteKeyboards, {}});
    out.push_back({PARAM_GLOBAL_MUTE_PART2, 0, kMuteByte, 0, 1, Coding::MuteParts, {}});
    out.push_back({PARAM_GLOBAL_MUTE_PART2, 1, kMutePartsLowByte, 0, 8, Coding::MuteParts, {}});
    out.push_back({PARAM_GLOBAL_PART_ACC_LEVEL, 0, 1130, 0, 8, Coding::Plain, {}});
    out.push_back(
        {PARAM_GLOBAL_PART_ACC_MOTION_SEQ_SW, 0, 1131, 0, 8, Coding::Converted, kAccentMotionSeqRows});
    const e_ParameterID effects[3][4] = {
        {PARAM_FX1_TYPE, PARAM_FX1_EDIT1, PARAM_FX1_EDIT2, PARAM_FX1_MOTION_SEQ_SW},
        {PARAM_FX2_TYPE, PARAM_FX2_EDIT1, PARAM_FX2_EDIT2, PARAM_FX2_MOTION_SEQ_SW},
        {PARAM_FX3_TYPE, PARAM_FX3_EDIT1, PARAM_FX3_EDIT2, PARAM_FX3_MOTION_SEQ_SW},
    };
    for (int fx = 0; fx < 3; ++fx)
    {
        const int base = 1148 + 4 * fx;
        out.push_back({effects[fx][0], 0, base, 0, 8, Coding::Converted, kFxTypeRows});
        out.push_back({effects[fx][1], 0, base + 1, 0, 8, Coding::Plain, {}});
        out.push_back({effects[fx][2], 0, base + 2, 0, 8, Coding::Plain, {}});
        out.push_back({effects[fx][3], 0, base + 3, 0, 8, Coding::Converted, kOnOffRows});
    }
}

std::vector<Spot> buildSpots()
{
    std::vector<Spot> out;
    addGlobalSpots(out);
    for (const PartRow& row : kPartRows)
        addPartSpots(row, out);
    return out;
}
} // namespace

const std::vector<Spot>& spots()
{
    static const std::vector<Spot> all = buildSpots();
    return all;
}

unsigned fieldMask(const Spot& spot)
{
    return ((1u << spot.width) - 1u) << spot.shift;
}

std::vector<std::uint8_t> ownedBits()
{
    std::vector<std::uint8_t> owned(4280, 0);
    for (int i = 0; i < 8; ++i)
        owned[i] = 0xFF;
    for (const Spot& spot : spots())
    {
        owned[spot.offset] |= static_cast<std::uint8_t>(fieldMask(spot));
        if (spot.coding == Coding::Wave)
            owned[spot.offset + 1] = 0xFF;
    }
    return owned;
}

unsigned rawOf(Table table, unsigned value)
{
    unsigned raw = 0;
    for (const Row& row : table)
        if (row.value <= value)
            raw = row.raw;
    return raw;
}

unsigned valueOf(Table table, unsigned raw)
{
    for (const Row& row : table)
        if (row.raw == raw)
            return row.value;
    return 0;
}
} // namespace layout
