// A VST 2.4 host for tests: loads the built Pavonis.so with dlopen, creates instances
// through VSTPluginMain with its own host callback, and records what each instance tells
// the host. Several instances live side by side; each has its own answers and log.
#pragma once

#include "vst/VstInterface.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// How the host presents itself to one instance.
struct HostAnswers
{
    std::string product = "Pavonis Test Host";
    vst::intptr version = 2400;
    bool resizesEditor = false; // answers audioMasterSizeWindow with yes
};

struct AutomationCall
{
    int index;
    float value;
};

using MidiBytes = std::array<std::uint8_t, 3>;

// What one instance told the host, in order.
struct HostLog
{
    std::vector<int> opcodes; // every call, construction included
    std::vector<AutomationCall> automation;
    std::vector<std::vector<MidiBytes>> eventLists;
    std::vector<std::pair<int, int>> sizeRequests; // audioMasterSizeWindow: width, height
};

namespace pluginHost
{
using EntryPoint = AEffect* (*)(audioMasterCallback);

// The module's VSTPluginMain; the module is loaded on first use and stays loaded.
EntryPoint entryPoint();
// Creates an instance the way a host does; null when the plug-in gives no effect.
AEffect* create(const HostAnswers& answers);
// The same through the entry point of another copy of the module.
AEffect* create(const HostAnswers& answers, EntryPoint entry);
// What the host recorded for an instance (or, after a refused create(), for that attempt).
HostLog logOf(AEffect* effect);
HostLog lastRefusedLog();
void clearLog(AEffect* effect);
// Drops an instance's record once the plug-in has deleted it (effClose).
void forget(AEffect* effect);
// Host calls that named no instance the host knows: a closed one, or a made-up pointer.
int strayCalls();
} // namespace pluginHost

// One plug-in instance, driven only through its AEffect record; closed on destruction.
class PluginInstance
{
public:
    explicit PluginInstance(const HostAnswers& answers = {});
    ~PluginInstance();
    PluginInstance(const PluginInstance&) = delete;
    PluginInstance& operator=(const PluginInstance&) = delete;

    AEffect* effect() const { return record; }
    vst::intptr dispatch(vst::int32 opcode, vst::int32 index = 0, vst::intptr value = 0, void* ptr = nullptr,
                         float opt = 0.0f) const;
    // A text answer read from a generous buffer; empty when nothing was written.
    std::string text(vst::int32 opcode, vst::int32 index = 0, vst::intptr value = 0) const;

    void setParameter(int index, float value) const;
    float getParameter(int index) const;
    std::string parameterName(int index) const { return text(effGetParamName, index); }
    std::string parameterDisplay(int index) const { return text(effGetParamDisplay, index); }
    std::string parameterLabel(int index) const { return text(effGetParamLabel, index); }

    int program() const { return static_cast<int>(dispatch(effGetProgram)); }
    void selectProgram(int index) const { dispatch(effSetProgram, 0, index); }
    std::string programName() const { return text(effGetProgramName); }
    std::string programNameIndexed(int index) const { return text(effGetProgramNameIndexed, index); }
    void renameProgram(const std::string& name) const;

    // One processing call with two output channels of the given length.
    void process(int frames) const;

    HostLog log() const { return pluginHost::logOf(record); }
    void clearLog() const { pluginHost::clearLog(record); }
    // effClose: the plug-in deletes itself.
    vst::intptr close();

private:
    AEffect* record = nullptr;
};

// Everything a host can read back about an instance's programs and parameters.
struct PluginSnapshot
{
    std::vector<float> parameters;
    std::vector<std::string> programNames;
    std::string programName;
    int program = 0;

    bool operator==(const PluginSnapshot&) const = default;
};

PluginSnapshot snapshotOf(const PluginInstance& instance);

// A host value as the device's 7-bit number: v x 127 rounded, halves up.
int sevenBit(float value);
