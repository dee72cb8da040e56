// What a host sees of the plug-in right after loading it, under the host product strings
// that change the answers.
#include "PluginHost.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstring>
#include <ostream>

namespace
{
struct HostCase
{
    const char* product;
    int inputs;
    bool instrument;
    int programs;
};

// Only "Live" exactly is Live, and only "AudioUnit" exactly is the Audio Unit wrapper;
// any product that begins with "Cakewalk" is Cakewalk, which answers like any other host.
const HostCase kHostCases[] = {
    {"Live", 1, false, 256},          {"Live 11", 2, true, 256},           {"Live ", 2, true, 256},
    {"Cakewalk SONAR", 2, true, 256}, {"Cakewalk", 2, true, 256},          {"AudioUnit", 2, true, 1},
    {"AudioUnit 2", 2, true, 256},    {"Pavonis Test Host", 2, true, 256}, {"", 2, true, 256},
};

void PrintTo(const HostCase& c, std::ostream* out)
{
    *out << '"' << c.product << '"';
}

class IdentityUnderHost : public testing::TestWithParam<HostCase>
{
protected:
    PluginInstance plugin{HostAnswers{GetParam().product}};
};

std::string caseName(const testing::TestParamInfo<HostCase>& info)
{
    std::string name = "host_" + std::to_string(info.index) + "_";
    for (const char* c = info.param.product; *c; ++c)
        name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
    return name;
}

TEST_P(IdentityUnderHost, RecordShowsChannelsProgramsAndFlags)
{
    const AEffect& record = *plugin.effect();
    EXPECT_EQ(record.magic, kEffectMagic);
    EXPECT_EQ(record.numParams, 67);
    EXPECT_EQ(record.numPrograms, GetParam().programs);
    EXPECT_EQ(record.numInputs, GetParam().inputs);
    EXPECT_EQ(record.numOutputs, 2);
    EXPECT_EQ((record.flags & effFlagsIsSynth) != 0, GetParam().instrument);
    EXPECT_NE(record.flags & effFlagsCanReplacing, 0);
    EXPECT_NE(record.flags & effFlagsProgramChunks, 0);
    EXPECT_NE(record.flags & effFlagsHasEditor, 0);
    EXPECT_EQ(record.version, plugin.dispatch(effGetVendorVersion)); // one version, 1001 below
    char id[4];
    std::memcpy(id, &record.uniqueID, sizeof id);
    EXPECT_EQ(std::string(id, 4), "QRNV"); // first character in the least significant byte
}

TEST_P(IdentityUnderHost, NamesVendorAndVersions)
{
    EXPECT_EQ(plugin.text(effGetEffectName), "Pavonis");
    EXPECT_EQ(plugin.text(effGetVendorString), "Quillon");
    EXPECT_EQ(plugin.text(effGetProductString), "Pavonis VST Editor for Electribe SX");
    EXPECT_EQ(plugin.dispatch(effGetVendorVersion), 1001);
    EXPECT_EQ(plugin.dispatch(effGetVstVersion), 2400);
    EXPECT_EQ(plugin.dispatch(effGetNumMidiInputChannels), 10);
    EXPECT_EQ(plugin.dispatch(effGetNumMidiOutputChannels), 10);
}

TEST_P(IdentityUnderHost, TwoStereoOutputsNamedAfterTheDevice)
{
    for (int index : {0, 1})
    {
        VstPinProperties pin{};
        EXPECT_EQ(plugin.dispatch(effGetOutputProperties, index, 0, &pin), 1);
        EXPECT_STREQ(pin.label, index == 0 ? "ESX 1" : "ESX 2");
        EXPECT_EQ(pin.flags, kVstPinIsActive | kVstPinIsStereo);
    }
}

INSTANTIATE_TEST_SUITE_P(HostProducts, IdentityUnderHost, testing::ValuesIn(kHostCases), caseName);

TEST(Identity, OutputPropertiesBeyondTheTwoOutputsAnswerFalseAndWriteNothing)
{
    PluginInstance plugin;
    for (int index : {2, 3, 100, -1})
    {
        VstPinProperties pin;
        std::memset(&pin, 0x5A, sizeof pin);
        const VstPinProperties before = pin;
        EXPECT_EQ(plugin.dispatch(effGetOutputProperties, index, 0, &pin), 0) << index;
        EXPECT_EQ(std::memcmp(&pin, &before, sizeof pin), 0) << index;
    }
    EXPECT_EQ(plugin.dispatch(effGetOutputProperties, 0, 0, nullptr), 0);
}

TEST(Identity, CanDoMatchesWholeCapabilityNamesOnly)
{
    const struct
    {
        const char* capability;
        int answer;
    } cases[] = {
        {"receiveVstEvents", 1},
        {"receiveVstMidiEvent", 1},
        {"sendVstEvents", 1},
        {"sendVstMidiEvent", 1},
        {"receiveVstEvent", -1},
        {"receiveVstMidiEvents", -1},
        {"sendVstEvents ", -1},
        {"SendVstEvents", -1},
        {"receiveVstTimeInfo", -1},
        {"offline", -1},
        {"", -1},
        {"sendVstMidiEventFlagIsRealtime", -1},
    };
    PluginInstance plugin;
    for (const auto& c : cases)
    {
        std::string capability = c.capability;
        EXPECT_EQ(plugin.dispatch(effCanDo, 0, 0, capability.data()), c.answer) << '"' << c.capability << '"';
    }
    EXPECT_EQ(plugin.dispatch(effCanDo, 0, 0, nullptr), -1);
}

TEST(Identity, HostOfVersionZeroGetsNoEffect)
{
    HostAnswers oldHost;
    oldHost.version = 0;
    EXPECT_EQ(pluginHost::create(oldHost), nullptr);
    // The version question is the only call such a host sees.
    EXPECT_EQ(pluginHost::lastRefusedLog().opcodes, std::vector<int>{audioMasterVersion});
}

TEST(Identity, NoHostCallbackGetsNoEffect)
{
    EXPECT_EQ(pluginHost::entryPoint()(nullptr), nullptr);
}

} // namespace
