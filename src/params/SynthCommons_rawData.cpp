// Reading parameter values out of the working pattern image and flushing them into it.
#include "../core/SynthCommons.h"
#include "ParameterValues.h"
#include "PatternImage.h"

#include <cstring>

namespace
{
// A conversion table ends at the first row after the first one whose two fields are both 0.
bool isEndRow(const t_RawDataValueConversionSruct* table, const t_RawDataValueConversionSruct* row)
{
    return row != table && row->parameterValue == 0 && row->rawValue == 0;
}
} // namespace

void SynthCommons::parameterLib_InitRawDataEntriesForParameters()
{
    for (t_Parameter* p = parameters; p && p->id != PARAM_END; ++p)
        if (p->rawData)
            patternImageLocate(p->id, workingProgram.data, p->rawData);
}

float SynthCommons::parameterLib_RetreiveParameterRawDataValue(t_Parameter* p, unsigned index)
{
    if (!p || !p->rawData || index >= kRawDataLocations || !p->rawData->location[index])
        return 0.0f;
    return IntToFloat(patternImageRead(p->id, *p->rawData, index, workingProgram.data));
}

void SynthCommons::parameterLib_FlushParametersToRawData()
{
    parameterLib_FlushParametersToRawData(workingProgram);
}

// The locations point into the working program; the same offsets into the copy.
void SynthCommons::parameterLib_FlushParametersToRawData(t_Patch& copy)
{
    std::memcpy(copy.data, copy.name, kPatternNameLength);
    for (t_Parameter* p = parameters; p && p->id != PARAM_END; ++p)
    {
        if (!p->rawData)
            continue;
        t_ParameterRawData raw = *p->rawData;
        for (std::uint8_t*& location : raw.location)
            if (location)
                location = copy.data + (location - workingProgram.data);
        for (unsigned i = 0; i < kRawDataLocations; ++i)
            if (raw.location[i])
                patternImageWrite(p->id, raw, i, copy.data,
                                  getParameterValueAt(p, p->kind == ParamType_NRPNBitMask ? kNoIndex : i));
    }
}

unsigned SynthCommons::parameterLib_ConvertRawDataToParameterValue(const t_RawDataValueConversionSruct* table,
                                                                   unsigned raw)
{
    if (!table)
        return 0;
    for (const t_RawDataValueConversionSruct* row = table; !isEndRow(table, row); ++row)
        if (row->rawValue == raw)
            return row->parameterValue;
    return 0;
}

unsigned SynthCommons::parameterLib_ConvertParameterValueToRawData(const t_RawDataValueConversionSruct* table,
                                                                   unsigned value)
{
    unsigned raw = 0;
    if (!table)
        return raw;
    for (const t_RawDataValueConversionSruct* row = table; !isEndRow(table, row); ++row)
        if (row->parameterValue <= value)
            raw = row->rawValue;
    return raw;
}
