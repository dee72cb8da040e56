// Records of the parameter tables: device parameters with their kind descriptors,
// editor and host views, value lists and the pattern-image locations.
#pragma once

#include "ParameterIds.h"

#include <cstdint>

class SynthCommons;
struct t_EditorParameter;
struct t_HostParameter;
struct t_Parameter;
struct t_ParameterRawData;

enum e_ParameterType : std::uint32_t
{
    ParamType_MidiCC = 0,
    ParamType_Callback = 2,
    ParamType_MidiCCChannel = 4,
    ParamType_NRPN = 5,
    ParamType_NRPNBitMask = 6,
    ParamType_MultiNRPN = 7,
    ParamType_Virtual = 8,
    ParamType_Label = 9,
    ParamType_ValueNoMidi = 10,
    ParamType_NoValue = 11,
    ParamType_End = 12,
};

// Channel value meaning "any channel" on receive (channel index 0 on send).
constexpr std::uint32_t kAnyChannel = 255;

struct t_TypeStruct_MidiCC
{
    float value;
    std::uint32_t controller;
    std::uint32_t channel;
};

using t_ParameterCallbackSet = void (*)(SynthCommons* synth, std::uint32_t argument, float value);
using t_ParameterCallbackGet = float (*)(SynthCommons* synth, std::uint32_t argument);

struct t_TypeStruct_Callback
{
    t_ParameterCallbackSet set;
    t_ParameterCallbackGet get;
    std::uint32_t argument;
};

// Keyboard controller: one value per keyboard channel (0 = Keyboard1, 1 = Keyboard2).
struct t_TypeStruct_MidiCCChannel
{
    std::uint32_t controller;
    std::uint32_t setChannel;
    std::uint32_t getChannel;
    float value[2];
};

// One NRPN address with its value. A list of these ends with number 0;
// number 0xFFFF marks a part that has no such parameter.
struct t_TypeStruct_MidiNRPN
{
    float value;
    std::uint8_t nrpnMSB; // sent with controller 99
    std::uint8_t nrpnLSB; // sent with controller 98
    std::uint32_t channel;
    bool is14bit;
};

struct t_TypeStruct_MultiNRPN
{
    t_TypeStruct_MidiNRPN* list; // one entry per part index, then the end entry
    std::uint32_t setIndex;
    std::uint32_t getIndex;
};

struct t_TypeStruct_NRPNBitMask
{
    t_TypeStruct_MidiNRPN* list;
    std::uint32_t entryIndex; // entry holding this parameter's mask
    bool sendWholeList;
    std::uint32_t setBit; // kNoIndex: a write replaces the whole mask
    std::uint32_t getBit; // kNoIndex: a read returns the whole mask
    bool sharedList;
};

using t_VirtualSetFromEditor = void (*)(SynthCommons* synth, t_EditorParameter* e, t_Parameter* p,
                                        float value);
using t_VirtualGetFromEditor = float (*)(SynthCommons* synth, t_EditorParameter* e, t_Parameter* p);
using t_VirtualSetFromHost = void (*)(SynthCommons* synth, const t_HostParameter* h, t_Parameter* p,
                                      float value);
using t_VirtualGetFromHost = float (*)(SynthCommons* synth, const t_HostParameter* h, t_Parameter* p);

struct t_TypeStruct_Virtual
{
    t_VirtualSetFromEditor setFromEditor;
    t_VirtualGetFromEditor getFromEditor;
    t_VirtualSetFromHost setFromHost;
    t_VirtualGetFromHost getFromHost;
};

struct t_TypeStruct_ValueNoMidi
{
    float value;
};

// One row of the device parameter table. The descriptor's type follows the kind.
struct t_Parameter
{
    e_ParameterID id;
    e_ParameterType kind;
    void* descriptor;
    t_ParameterRawData* rawData;
};

// A received NRPN message as the assembler keeps it; 0xFF = byte not received.
struct t_MidiNRPNData
{
    std::uint32_t channel;
    std::uint8_t nrpnMSB;
    std::uint8_t nrpnLSB;
    std::uint8_t dataMSB;
    std::uint8_t dataLSB;
    bool numberLSBPending;
};

// Value list entry: MIDI data value and label; a null label ends the list.
struct t_ValueListEntry
{
    std::uint32_t value;
    const char* label;
};

using t_ChooserFunction = std::uint32_t (*)(SynthCommons* synth);

struct t_EditorParameter
{
    e_EditorParameterID id;
    e_ParameterID parameter;
    const char* name;
    const t_ValueListEntry* values;
    t_ChooserFunction chooser;
};

struct t_HostParameter
{
    e_HostParameterID id;
    e_ParameterID parameter;
    const char* name;
    std::uint32_t index; // part, keyboard channel or mask bit; kNoIndex = none
};

// Which device parameters a virtual parameter is made of.
struct t_VirtualParameterMatch
{
    std::uint32_t virtualParameter;
    std::uint32_t parameters[4]; // PARAM_END = none
    std::uint32_t index;         // kNoIndex = any
};

// Conversion row between a stored pattern field and its MIDI value.
struct t_RawDataValueConversionSruct
{
    std::uint32_t parameterValue;
    std::uint32_t rawValue;
};

constexpr unsigned kRawDataLocations = 16;

// Where a parameter's value lives in the working pattern image, per index.
struct t_ParameterRawData
{
    std::uint8_t* location[kRawDataLocations];
    std::uint8_t shift;
    std::uint8_t width; // 0 = the whole byte
    const t_RawDataValueConversionSruct* conversion;
};
