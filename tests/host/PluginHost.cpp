#include "PluginHost.h"
#include "platform/Module.h"

#include <cmath>
#include <cstddef>
#include <cstdio>
#include <cstring>
#include <map>
#include <mutex>
#include <stdexcept>

// The numbers this host relies on, as the published interface gives them: a plug-in that
// disagreed would work with this host and fail with every real one.
static_assert(effGetParamDisplay == 7 && effEditGetRect == 13 && effEditIdle == 19 && effGetChunk == 23);
static_assert(effProcessEvents == 25 && effGetProgramNameIndexed == 29 && effGetOutputProperties == 34);
static_assert(effGetEffectName == 45 && effGetVendorVersion == 49 && effCanDo == 51 &&
              effGetVstVersion == 58);
static_assert(effBeginSetProgram == 67 && effGetNumMidiInputChannels == 78 &&
              effGetNumMidiOutputChannels == 79);
static_assert(audioMasterAutomate == 0 && audioMasterVersion == 1 && audioMasterProcessEvents == 8);
static_assert(audioMasterGetProductString == 33 && audioMasterUpdateDisplay == 42 &&
              audioMasterSizeWindow == 15);
static_assert(effFlagsCanReplacing == 16 && effFlagsProgramChunks == 32 && effFlagsIsSynth == 256);
static_assert(offsetof(AEffect, numPrograms) == 40 && offsetof(AEffect, flags) == 56);
static_assert(offsetof(AEffect, object) == 96 && offsetof(AEffect, uniqueID) == 112);
static_assert(offsetof(AEffect, processReplacing) == 120 && sizeof(AEffect) == 192);

namespace
{
constexpr int kTextBufferSize = 512;
constexpr int kHostProductLength = 64;

struct InstanceState
{
    HostAnswers answers;
    HostLog log;
};

std::mutex stateLock;
std::map<AEffect*, InstanceState> instances;
bool constructing = false; // a create() is running: unknown records are the new instance's
InstanceState pending;
InstanceState refused;
int strays = 0;

// The state a host call belongs to; null for a stray call. Called with stateLock held.
InstanceState* stateOf(AEffect* effect)
{
    if (const auto found = instances.find(effect); found != instances.end())
        return &found->second;
    return constructing ? &pending : nullptr;
}

std::vector<MidiBytes> midiOf(const VstEvents* events)
{
    std::vector<MidiBytes> list;
    for (int i = 0; events && i < events->numEvents; ++i)
    {
        const VstEvent* event = events->events[i];
        if (!event || event->type != kVstMidiType)
            continue;
        const auto* midi = reinterpret_cast<const VstMidiEvent*>(event);
        list.push_back({static_cast<std::uint8_t>(midi->midiData[0]),
                        static_cast<std::uint8_t>(midi->midiData[1]),
                        static_cast<std::uint8_t>(midi->midiData[2])});
    }
    return list;
}

vst::intptr answer(InstanceState& state, vst::int32 opcode, vst::int32 index, vst::intptr value, void* ptr,
                   float opt)
{
    state.log.opcodes.push_back(opcode);
    switch (opcode)
    {
    case audioMasterSizeWindow:
        state.log.sizeRequests.emplace_back(index, static_cast<int>(value));
        return state.answers.resizesEditor ? 1 : 0;
    case audioMasterVersion:
        return state.answers.version;
    case audioMasterGetProductString:
        if (!ptr)
            return 0;
        std::snprintf(static_cast<char*>(ptr), kHostProductLength, "%s", state.answers.product.c_str());
        return 1;
    case audioMasterAutomate:
        state.log.automation.push_back({index, opt});
        return 1;
    case audioMasterProcessEvents:
        state.log.eventLists.push_back(midiOf(static_cast<const VstEvents*>(ptr)));
        return 1;
    default:
        return 0;
    }
}

vst::intptr hostCallback(AEffect* effect, vst::int32 opcode, vst::int32 index, vst::intptr value, void* ptr,
                         float opt)
{
    std::lock_guard<std::mutex> guard(stateLock);
    InstanceState* state = stateOf(effect);
    if (!state)
    {
        ++strays;
        return 0;
    }
    return answer(*state, opcode, index, value, ptr, opt);
}
} // namespace

pluginHost::EntryPoint pluginHost::entryPoint()
{
    static const EntryPoint entry = []
    {
        // Loaded for the whole run, as a host keeps a plug-in it uses.
        static platform::Module module(PAVONIS_PLUGIN_PATH);
        if (!module.loaded())
            throw std::runtime_error(PAVONIS_PLUGIN_PATH ": " + module.error());
        auto* symbol = reinterpret_cast<EntryPoint>(module.symbol("VSTPluginMain"));
        if (!symbol)
            throw std::runtime_error(PAVONIS_PLUGIN_PATH " has no VSTPluginMain");
        return symbol;
    }();
    return entry;
}

AEffect* pluginHost::create(const HostAnswers& answers)
{
    return create(answers, entryPoint());
}

AEffect* pluginHost::create(const HostAnswers& answers, EntryPoint entry)
{
    static std::mutex createLock; // one construction at a time, as hosts do
    std::lock_guard<std::mutex> serialised(createLock);
    {
        std::lock_guard<std::mutex> guard(stateLock);
        pending = {answers, {}};
        constructing = true;
    }
    AEffect* effect = entry(hostCallback);
    std::lock_guard<std::mutex> guard(stateLock);
    constructing = false;
    if (effect)
        instances[effect] = pending;
    else
        refused = pending;
    return effect;
}

HostLog pluginHost::logOf(AEffect* effect)
{
    std::lock_guard<std::mutex> guard(stateLock);
    const auto found = instances.find(effect);
    return found == instances.end() ? HostLog{} : found->second.log;
}

HostLog pluginHost::lastRefusedLog()
{
    std::lock_guard<std::mutex> guard(stateLock);
    return refused.log;
}

void pluginHost::clearLog(AEffect* effect)
{
    std::lock_guard<std::mutex> guard(stateLock);
    if (const auto found = instances.find(effect); found != instances.end())
        found->second.log = {};
}

void pluginHost::forget(AEffect* effect)
{
    std::lock_guard<std::mutex> guard(stateLock);
    instances.erase(effect);
}

int pluginHost::strayCalls()
{
    std::lock_guard<std::mutex> guard(stateLock);
    return strays;
}

PluginInstance::PluginInstance(const HostAnswers& answers) : record(pluginHost::create(answers))
{
    if (!record)
        throw std::runtime_error("the plug-in gave no effect");
}

PluginInstance::~PluginInstance()
{
    close();
}

vst::intptr PluginInstance::close()
{
    if (!record)
        return 0;
    const vst::intptr answer = record->dispatcher(record, effClose, 0, 0, nullptr, 0.0f);
    pluginHost::forget(record);
    record = nullptr;
    return answer;
}

vst::intptr PluginInstance::dispatch(vst::int32 opcode, vst::int32 index, vst::intptr value, void* ptr,
                                     float opt) const
{
    return record->dispatcher(record, opcode, index, value, ptr, opt);
}

std::string PluginInstance::text(vst::int32 opcode, vst::int32 index, vst::intptr value) const
{
    char buffer[kTextBufferSize] = {};
    dispatch(opcode, index, value, buffer);
    buffer[kTextBufferSize - 1] = 0;
    return buffer;
}

void PluginInstance::setParameter(int index, float value) const
{
    record->setParameter(record, index, value);
}

float PluginInstance::getParameter(int index) const
{
    return record->getParameter(record, index);
}

void PluginInstance::renameProgram(const std::string& name) const
{
    std::vector<char> text(name.begin(), name.end());
    text.push_back(0);
    dispatch(effSetProgramName, 0, 0, text.data());
}

void PluginInstance::process(int frames) const
{
    std::vector<float> left(static_cast<size_t>(frames > 0 ? frames : 0));
    std::vector<float> right(left.size());
    float* outputs[] = {left.data(), right.data()};
    float* inputs[] = {left.data(), right.data()};
    record->processReplacing(record, inputs, outputs, frames);
}

PluginSnapshot snapshotOf(const PluginInstance& instance)
{
    PluginSnapshot snapshot;
    for (int i = 0; i < instance.effect()->numParams; ++i)
        snapshot.parameters.push_back(instance.getParameter(i));
    for (int i = 0; i < 256; ++i)
        snapshot.programNames.push_back(instance.programNameIndexed(i));
    snapshot.programName = instance.programName();
    snapshot.program = instance.program();
    return snapshot;
}

int sevenBit(float value)
{
    return static_cast<int>(std::floor(static_cast<double>(value) * 127.0 + 0.5));
}
