// The working parameter tables: per-instance heap copies of the constant tables, so that
// values, indexes and bits belong to one plug-in instance.
#include "../core/SynthCommons.h"
#include "ParameterTables.h"

#include <cstring>

namespace
{
size_t descriptorSize(e_ParameterType kind)
{
    switch (kind)
    {
    case ParamType_MidiCC:
        return sizeof(t_TypeStruct_MidiCC);
    case ParamType_Callback:
        return sizeof(t_TypeStruct_Callback);
    case ParamType_MidiCCChannel:
        return sizeof(t_TypeStruct_MidiCCChannel);
    case ParamType_NRPN:
        return sizeof(t_TypeStruct_MidiNRPN);
    case ParamType_NRPNBitMask:
        return sizeof(t_TypeStruct_NRPNBitMask);
    case ParamType_MultiNRPN:
        return sizeof(t_TypeStruct_MultiNRPN);
    case ParamType_Virtual:
        return sizeof(t_TypeStruct_Virtual);
    case ParamType_ValueNoMidi:
        return sizeof(t_TypeStruct_ValueNoMidi);
    default:
        return 0;
    }
}

bool hasRawData(e_ParameterType kind)
{
    return kind == ParamType_MidiCC || kind == ParamType_MidiCCChannel || kind == ParamType_NRPN ||
           kind == ParamType_NRPNBitMask || kind == ParamType_MultiNRPN;
}

void* copyBytes(const void* source, size_t size)
{
    auto* copy = new unsigned char[size];
    std::memcpy(copy, source, size);
    return copy;
}

t_TypeStruct_MidiNRPN* copyList(const t_TypeStruct_MidiNRPN* list)
{
    const unsigned count = SynthCommons::parameterLib_GetNumberOfNRPN(list);
    auto* copy = new t_TypeStruct_MidiNRPN[count];
    std::memcpy(copy, list, sizeof(t_TypeStruct_MidiNRPN) * count);
    return copy;
}

unsigned rowCount(const t_Parameter* table)
{
    unsigned count = 0;
    while (table[count].id != PARAM_END)
        ++count;
    return count + 1;
}

unsigned editorRowCount()
{
    unsigned count = 0;
    while (c_EditorParameters[count].id != EPARAM_END)
        ++count;
    return count + 1;
}

const t_TypeStruct_NRPNBitMask* constantMask(unsigned row)
{
    return static_cast<const t_TypeStruct_NRPNBitMask*>(c_Parameters[row].descriptor);
}

// Position of the first earlier bit-mask row sharing row's constant list, or -1.
int earlierRowSharingList(unsigned row)
{
    const t_TypeStruct_NRPNBitMask* mask = constantMask(row);
    if (!mask->sharedList)
        return -1;
    for (unsigned earlier = 0; earlier < row; ++earlier)
    {
        if (c_Parameters[earlier].kind != ParamType_NRPNBitMask)
            continue;
        const t_TypeStruct_NRPNBitMask* other = constantMask(earlier);
        if (other->sharedList && other->list == mask->list)
            return static_cast<int>(earlier);
    }
    return -1;
}
} // namespace

void SynthCommons::parameterLib_AllocateAndInitParameters()
{
    const unsigned rows = rowCount(c_Parameters);
    parameters = new t_Parameter[rows];
    std::memcpy(parameters, c_Parameters, sizeof(t_Parameter) * rows);
    for (unsigned i = 0; i + 1 < rows; ++i)
    {
        t_Parameter& row = parameters[i];
        if (const size_t size = descriptorSize(row.kind))
            row.descriptor = copyBytes(c_Parameters[i].descriptor, size);
        if (row.kind == ParamType_NRPNBitMask)
        {
            auto* mask = static_cast<t_TypeStruct_NRPNBitMask*>(row.descriptor);
            t_TypeStruct_MidiNRPN* shared = parameterLib_GetNRPNBitMaskGlobalData(i);
            mask->list = shared ? shared : copyList(mask->list);
        }
        else if (row.kind == ParamType_MultiNRPN)
        {
            auto* multi = static_cast<t_TypeStruct_MultiNRPN*>(row.descriptor);
            multi->list = copyList(multi->list);
        }
        if (hasRawData(row.kind))
            row.rawData = new t_ParameterRawData{};
    }
    const unsigned editorRows = editorRowCount();
    editorParameters = new t_EditorParameter[editorRows];
    std::memcpy(editorParameters, c_EditorParameters, sizeof(t_EditorParameter) * editorRows);
    hostParameters = c_HostParameters;
    parameterLib_InitRawDataEntriesForParameters();
}

void SynthCommons::parameterLib_DeallocateParameters()
{
    if (!parameters)
        return;
    for (unsigned i = 0; parameters[i].id != PARAM_END; ++i)
    {
        t_Parameter& row = parameters[i];
        if (row.kind == ParamType_NRPNBitMask && earlierRowSharingList(i) < 0)
            delete[] static_cast<t_TypeStruct_NRPNBitMask*>(row.descriptor)->list;
        else if (row.kind == ParamType_MultiNRPN)
            delete[] static_cast<t_TypeStruct_MultiNRPN*>(row.descriptor)->list;
        delete[] static_cast<unsigned char*>(row.descriptor);
        delete row.rawData;
    }
    delete[] parameters;
    parameters = nullptr;
    delete[] editorParameters;
    editorParameters = nullptr;
}

t_Parameter* SynthCommons::parameterLib_GetParameter(e_ParameterID id)
{
    if (!parameters)
        return nullptr;
    for (t_Parameter* row = parameters; row->id != PARAM_END; ++row)
        if (row->id == id)
            return row;
    return nullptr;
}

unsigned SynthCommons::parameterLib_GetNumberOfNRPN(const t_TypeStruct_MidiNRPN* list)
{
    if (!list)
        return 0;
    unsigned count = 0;
    while (list[count].nrpnMSB != 0 || list[count].nrpnLSB != 0)
        ++count;
    return count + 1;
}

bool SynthCommons::parameterLib_NrpnIsMatching(const t_MidiNRPNData* message,
                                               const t_TypeStruct_MidiNRPN* entry)
{
    if (!message || !entry || message->dataMSB == 0xFF)
        return false;
    if (entry->nrpnMSB == 0xFF && entry->nrpnLSB == 0xFF)
        return false; // the part has no such parameter
    if (entry->is14bit && message->dataLSB == 0xFF)
        return false;
    if (message->nrpnMSB != entry->nrpnMSB || message->nrpnLSB != entry->nrpnLSB)
        return false;
    return entry->channel == message->channel || entry->channel == kAnyChannel;
}

unsigned SynthCommons::parameterLib_GetNrpnData(const t_MidiNRPNData* message,
                                                const t_TypeStruct_MidiNRPN* entry)
{
    return entry->is14bit ? message->dataMSB * 128u + message->dataLSB : message->dataMSB;
}

t_TypeStruct_MidiNRPN* SynthCommons::parameterLib_GetNRPNBitMaskGlobalData(unsigned index)
{
    if (index >= PARAM_END || index >= rowCount(c_Parameters) - 1 ||
        c_Parameters[index].kind != ParamType_NRPNBitMask)
        return nullptr;
    const int sharer = earlierRowSharingList(index);
    if (sharer < 0 || !parameters)
        return nullptr;
    return static_cast<t_TypeStruct_NRPNBitMask*>(parameters[sharer].descriptor)->list;
}
