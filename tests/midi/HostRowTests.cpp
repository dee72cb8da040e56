// Every host parameter row reaches its own device parameter: what the plug-in sends for a
// host change, played into a simulated device, changes the device's pattern exactly as that
// parameter turned on the device itself does.
#include "EsxDevice.h"
#include "core/SynthCommons.h"
#include "params/ParameterValues.h"
#include "support/RecordingHost.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
using esxsim::EsxDevice;

struct HostWrite
{
    int row;
    unsigned value; // MIDI value of the host value
};

struct RowCase
{
    std::vector<HostWrite> writes;
    e_ParameterID parameter;
    unsigned index; // part or keyboard channel
    unsigned deviceValue;
};

// Rows that show one device parameter each, in the order of both tables.
struct RowRun
{
    int firstRow;
    int firstParameter;
    int count;
};
const RowRun kRuns[] = {
    {4, PARAM_PART_PITCH, 20},            // D1 | Pitch .. D1 | SeqType
    {28, PARAM_KEYBOARD_GLIDE, 20},       // K1 | Pitch .. K1 | SeqType
    {48, PARAM_FX1_TYPE, 13},             // FX1 | Type .. FX | Chain
    {61, PARAM_GLOBAL_PART_ACC_LEVEL, 4}, // AccentLevel .. RollType
};

// A value that changes the parameter's place in the initial pattern: switches and value
// lists store many values alike.
unsigned changingValue(e_ParameterID parameter)
{
    for (unsigned value : {37u, 100u, 127u, 64u, 0u})
    {
        EsxDevice turned;
        turned.turnKnob(parameter, 0, value);
        if (turned.currentPattern() != EsxDevice().currentPattern())
            return value;
    }
    return 37;
}

std::vector<RowCase> rowCases()
{
    std::vector<RowCase> cases;
    for (const RowRun& run : kRuns)
        for (int k = 0; k < run.count; ++k)
        {
            const auto parameter = static_cast<e_ParameterID>(run.firstParameter + k);
            const unsigned value = changingValue(parameter);
            cases.push_back({{{run.firstRow + k, value}}, parameter, 0, value});
        }
    // The halves of a sample or slice number: low 5, then high, make 133.
    const struct
    {
        int lowRow;
        e_ParameterID parameter;
        unsigned part;
    } halves[] = {{0, PARAM_PART_WAVE, 0},
                  {2, PARAM_PART_SLICE, 0},
                  {24, PARAM_PART_WAVE, 13},
                  {26, PARAM_PART_SLICE, 13}};
    for (const auto& h : halves)
        cases.push_back({{{h.lowRow, 5}, {h.lowRow + 1, 64}}, h.parameter, h.part, 133});
    return cases;
}

TEST(HostRows, EveryRowChangesItsOwnDeviceParameter)
{
    RecordingHost host;
    float silence[64]{};
    float* outputs[2] = {silence, silence};
    for (const RowCase& c : rowCases())
    {
        SCOPED_TRACE("row " + std::to_string(c.writes.back().row));
        SynthCommons synth(RecordingHost::callback);
        synth.midiMode = MIDI_MODE_HOST;
        synth.processReplacing(nullptr, outputs, 64);
        host.clear();
        for (const HostWrite& write : c.writes)
            synth.setParameter(write.row, IntToFloat(write.value));
        synth.processReplacing(nullptr, outputs, 64);

        EsxDevice played;
        for (const std::vector<std::uint8_t>& message : host.midiBytes())
            played.receive(message);
        EsxDevice turned;
        turned.turnKnob(c.parameter, c.index, c.deviceValue);
        EXPECT_TRUE(played.currentPattern() == turned.currentPattern());
        EXPECT_FALSE(played.currentPattern() == EsxDevice().currentPattern()) << "the pattern changed";
    }
}
} // namespace
