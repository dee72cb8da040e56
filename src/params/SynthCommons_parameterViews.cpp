// The editor's and the host's views of the device parameters: which of their rows show a
// device parameter, and their names.
#include "../core/SynthCommons.h"
#include "ParameterTables.h"

#include <array>

namespace
{
constexpr unsigned kMaxHostMatches = 8;

bool matchMakesUpOf(const t_VirtualParameterMatch& match, e_ParameterID id)
{
    for (std::uint32_t part : match.parameters)
        if (part == id)
            return true;
    return false;
}

// True when the virtual parameter virtualId, for the given index, is made of device parameter id.
bool virtualRowIsMadeOf(std::uint32_t virtualId, unsigned index, e_ParameterID id)
{
    for (const t_VirtualParameterMatch* m = c_VirtualParametersMatchTable; m->virtualParameter != PARAM_END;
         ++m)
        if (m->virtualParameter == virtualId && m->index == index && matchMakesUpOf(*m, id))
            return true;
    return false;
}

// The host rows that can show a device parameter, directly or through a virtual parameter,
// in table order: found once, since every change asks for them.
struct HostRowsOfParameter
{
    const t_HostParameter* rows[kMaxHostMatches];
    unsigned count;
};

const HostRowsOfParameter& hostRowsThatCanShow(e_ParameterID id)
{
    static const std::array<HostRowsOfParameter, PARAM_END + 1> byParameter = []
    {
        std::array<HostRowsOfParameter, PARAM_END + 1> found{};
        for (unsigned p = 0; p < PARAM_END; ++p)
            for (const t_HostParameter* row = c_HostParameters; row->id != HOSTPARAM_END; ++row)
            {
                HostRowsOfParameter& entry = found[p];
                const auto device = static_cast<e_ParameterID>(p);
                if ((row->parameter == device || virtualRowIsMadeOf(row->parameter, row->index, device)) &&
                    entry.count < kMaxHostMatches)
                    entry.rows[entry.count++] = row;
            }
        return found;
    }();
    return byParameter[id < PARAM_END ? id : PARAM_END];
}
} // namespace

t_EditorParameter* SynthCommons::parameterLib_GetEditorParameter(e_EditorParameterID id)
{
    if (!editorParameters)
        return nullptr;
    for (t_EditorParameter* row = editorParameters; row->id != EPARAM_END; ++row)
        if (row->id == id)
            return row;
    return nullptr;
}

t_EditorParameter* SynthCommons::parameterLib_GetEditorParameter(unsigned* cursor, e_ParameterID id,
                                                                 unsigned index)
{
    if (!editorParameters)
        return nullptr;
    for (unsigned position = cursor ? *cursor : 0; editorParameters[position].id != EPARAM_END; ++position)
    {
        t_EditorParameter* row = &editorParameters[position];
        bool matches = row->parameter == id;
        for (const t_VirtualParameterMatch* m = c_VirtualParametersMatchTable;
             !matches && m->virtualParameter != PARAM_END; ++m)
        {
            if (m->virtualParameter != row->parameter)
                continue;
            if (index != kNoIndex && row->chooser && row->chooser(this) != index)
                continue;
            matches = matchMakesUpOf(*m, id);
        }
        if (matches)
        {
            if (cursor)
                *cursor = position + 1;
            return row;
        }
    }
    return nullptr;
}

const t_HostParameter* SynthCommons::parameterLib_GetHostParameter(e_HostParameterID id)
{
    if (!hostParameters || id >= HOSTPARAM_END)
        return nullptr;
    for (const t_HostParameter* row = hostParameters; row->id != HOSTPARAM_END; ++row)
        if (row->id == id)
            return row;
    return nullptr;
}

unsigned SynthCommons::parameterLib_GetHostParameter(e_ParameterID id, unsigned index,
                                                     const t_HostParameter** out)
{
    if (!out)
        return 0;
    for (unsigned slot = 0; slot < kMaxHostMatches; ++slot)
        out[slot] = nullptr;
    if (!hostParameters)
        return 0;
    const HostRowsOfParameter& rows = hostRowsThatCanShow(id);
    unsigned count = 0;
    for (unsigned i = 0; i < rows.count; ++i)
    {
        const t_HostParameter* row = rows.rows[i];
        if (row->index == kNoIndex || row->index == index || index == kNoIndex)
            out[count++] = row;
    }
    return count;
}

unsigned SynthCommons::parameterLib_GetHostParameter(t_EditorParameter* e, const t_HostParameter** out)
{
    if (!e || !out)
        return 0;
    return parameterLib_GetHostParameter(e->parameter, e->chooser ? e->chooser(this) : 0, out);
}

const char* SynthCommons::parameterLib_GetParameterNameStringFromEditor(e_EditorParameterID id)
{
    const t_EditorParameter* row = parameterLib_GetEditorParameter(id);
    return row ? row->name : nullptr;
}

const char* SynthCommons::parameterLib_GetParameterNameStringFromHost(e_HostParameterID id)
{
    const t_HostParameter* row = parameterLib_GetHostParameter(id);
    return row ? row->name : nullptr;
}

unsigned& SynthCommons::hostLowHalfKept(e_ParameterID real, unsigned index)
{
    for (unsigned i = 0; i < hostLowHalvesUsed; ++i)
        if (hostLowHalves[i].parameter == real && hostLowHalves[i].index == index)
            return hostLowHalves[i].low;
    if (hostLowHalvesUsed == std::size(hostLowHalves)) // more numbers than the host rows reach
        return hostLowHalves[hostLowHalvesUsed - 1].low;
    hostLowHalves[hostLowHalvesUsed] = {real, index, 0};
    return hostLowHalves[hostLowHalvesUsed++].low;
}
