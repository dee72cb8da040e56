#include "ValueText.h"

namespace
{
struct QualifiedName
{
    e_ParameterID parameter;
    const char* label;
};

// Filter and modulation each have a "Type" on the panel, told apart by where they sit; the
// mute masks are shown by the mix page's buttons, without a name.
constexpr QualifiedName kQualifiedNames[] = {
    {PARAM_PART_FILTER_TYPE, "Filter type"},  {PARAM_KEYBOARD_FILTER_TYPE, "Filter type"},
    {PARAM_PART_MOD_TYPE, "Mod type"},        {PARAM_KEYBOARD_MOD_TYPE, "Mod type"},
    {PARAM_GLOBAL_MUTE_PART1, "Mute mask 1"}, {PARAM_GLOBAL_MUTE_PART2, "Mute mask 2"},
};

constexpr e_ParameterID kMasks[] = {PARAM_GLOBAL_MUTE_PART1, PARAM_GLOBAL_MUTE_PART2};
constexpr unsigned kMaskBits[] = {6, 9};

std::string bits(unsigned value, unsigned count)
{
    std::string text;
    for (unsigned bit = count; bit-- > 0;)
        text += (value >> bit) & 1 ? '1' : '0';
    return text;
}
} // namespace

std::string parameterLabel(const t_EditorParameter& parameter)
{
    for (const QualifiedName& row : kQualifiedNames)
        if (row.parameter == parameter.parameter)
            return row.label;
    return parameter.name;
}

std::string valueText(const t_EditorParameter& parameter, unsigned value)
{
    for (unsigned i = 0; i < 2; ++i)
        if (parameter.parameter == kMasks[i])
            return bits(value, kMaskBits[i]);
    if (!parameter.values)
        return std::to_string(value);
    const char* label = parameter.values[0].label;
    for (const t_ValueListEntry* entry = parameter.values; entry->label; ++entry)
        if (entry->value <= value)
            label = entry->label;
    return label;
}
