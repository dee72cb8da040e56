// A plug-in instance under a recording host, with direct access to its working pattern.
#pragma once

#include "core/SynthCommons.h"
#include "params/ParameterValues.h"
#include "support/RecordingHost.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <memory>

using Image = std::array<std::uint8_t, kPatternDataSize>;

class PluginFixture : public ::testing::Test
{
protected:
    void SetUp() override { synth = std::make_unique<SynthCommons>(RecordingHost::callback); }

    ::testing::AssertionResult imageIs(const Image& expected) const
    {
        const Image actual = image();
        const auto at =
            std::mismatch(expected.begin(), expected.end(), actual.begin()).first - expected.begin();
        if (at == kPatternDataSize)
            return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure()
               << "byte " << at << " is " << int(actual[at]) << ", expected " << int(expected[at]);
    }

    Image image() const
    {
        Image copy;
        std::copy(std::begin(synth->workingProgram.data), std::end(synth->workingProgram.data), copy.begin());
        return copy;
    }

    void loadImage(const Image& bytes)
    {
        std::copy(bytes.begin(), bytes.end(), synth->workingProgram.data);
        synth->parameterLib_SetAllParametersValueFromPatch(false);
    }

    t_Parameter* parameter(e_ParameterID id)
    {
        t_Parameter* p = synth->parameterLib_GetParameter(id);
        EXPECT_NE(p, nullptr) << "parameter " << id;
        return p;
    }

    // Stores a value for one index through the central setter, telling no one.
    void store(e_ParameterID id, unsigned index, float value)
    {
        t_Parameter* p = parameter(id);
        switch (p->kind)
        {
        case ParamType_MultiNRPN:
            static_cast<t_TypeStruct_MultiNRPN*>(p->descriptor)->setIndex = index;
            break;
        case ParamType_MidiCCChannel:
            static_cast<t_TypeStruct_MidiCCChannel*>(p->descriptor)->setChannel = index;
            break;
        case ParamType_NRPNBitMask:
            static_cast<t_TypeStruct_NRPNBitMask*>(p->descriptor)->setBit = kNoIndex;
            break;
        default:
            break;
        }
        synth->parameterLib_SetParameterValue(id, value, 0);
    }

    void flush() { synth->parameterLib_FlushParametersToRawData(); }

    // The value that the mapping reads from the working image for an index.
    float read(e_ParameterID id, unsigned index)
    {
        return synth->parameterLib_RetreiveParameterRawDataValue(parameter(id), index);
    }

    // The value a parameter holds for an index.
    float held(e_ParameterID id, unsigned index)
    {
        t_Parameter* p = parameter(id);
        switch (p->kind)
        {
        case ParamType_MultiNRPN:
            return static_cast<t_TypeStruct_MultiNRPN*>(p->descriptor)->list[index].value;
        case ParamType_MidiCCChannel:
            return static_cast<t_TypeStruct_MidiCCChannel*>(p->descriptor)->value[index];
        case ParamType_NRPNBitMask:
        {
            auto* mask = static_cast<t_TypeStruct_NRPNBitMask*>(p->descriptor);
            return mask->list[mask->entryIndex].value;
        }
        case ParamType_MidiCC:
            return static_cast<t_TypeStruct_MidiCC*>(p->descriptor)->value;
        case ParamType_NRPN:
            return static_cast<t_TypeStruct_MidiNRPN*>(p->descriptor)->value;
        default:
            return -1.0f;
        }
    }

    RecordingHost host;
    std::unique_ptr<SynthCommons> synth;
};

// A test name made of the description of a case.
inline std::string testNameOf(std::string what)
{
    std::replace_if(
        what.begin(), what.end(), [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); }, '_');
    return what;
}
