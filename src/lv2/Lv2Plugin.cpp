#include "Lv2Plugin.h"

#include "Lv2Ui.h"
#include "core/SynthCommons.h"
#include "core/VendorCalls.h"
#include "editor/PanelPictures.h"
#include "editor/SynthEditor.h"

#include <lv2/atom/atom.h>
#include <lv2/midi/midi.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <new>

namespace lv2
{
namespace
{
constexpr vst::int32 kHostVersion = 2400;
constexpr const char* kHostProduct = "LV2 host";

// The instance whose core is being constructed on this thread: the core asks its host before
// the instance knows the core's AEffect record.
thread_local Lv2Plugin* constructing = nullptr;

// The ports that press a button of the setup page.
struct TriggerPort
{
    std::uint32_t port;
    e_EditorParameterID button;
};

constexpr TriggerPort c_TriggerPorts[] = {
    {PORT_REQUEST_PATTERN, EPARAM_DUMP_REQUEST_CURRENT},
    {PORT_REQUEST_BANK, EPARAM_DUMP_REQUEST_BANK_A},
};

} // namespace

Lv2Plugin* Lv2Plugin::create(double sampleRate, const LV2_Feature* const* features)
{
    auto* map = static_cast<LV2_URID_Map*>(const_cast<void*>(featureData(features, LV2_URID__map)));
    auto* worker =
        static_cast<LV2_Worker_Schedule*>(const_cast<void*>(featureData(features, LV2_WORKER__schedule)));
    if (!map)
        return nullptr;
    try
    {
        return new Lv2Plugin(sampleRate, map, worker);
    }
    catch (const std::bad_alloc&)
    {
        return nullptr;
    }
}

Lv2Plugin::Lv2Plugin(double rate, LV2_URID_Map* map, LV2_Worker_Schedule* worker)
    : sampleRate(rate), workerSchedule(worker)
{
    uris.midiEvent = map->map(map->handle, LV2_MIDI__MidiEvent);
    uris.sequence = map->map(map->handle, LV2_ATOM__Sequence);
    uris.chunk = map->map(map->handle, LV2_ATOM__Chunk);
    uris.stateChunk = map->map(map->handle, kStateChunkUri);
    link.carriesSysex = true;
    link.eventOverhead = AtomMidiOutput::kEventOverhead;
    link.bytesPerCycle = kMidiBytesPerBlock;
    link.bytesPerSecond = kMidiCableBytesPerSecond;
    registerPanelPictures();
    constructing = this;
    try
    {
        core = std::make_unique<SynthCommons>(hostCallback);
    }
    catch (...)
    {
        constructing = nullptr;
        throw;
    }
    constructing = nullptr;
    core->getAeffect()->user = this;
    core->setSampleRate(static_cast<float>(sampleRate));
    for (std::uint32_t i = 0; i < kParameterCount; ++i)
        portWatch.see(PORT_FIRST_PARAMETER + i, core->getParameter(static_cast<vst::int32>(i)));
    portWatch.see(PORT_PROGRAM, static_cast<float>(core->getProgram()));
}

Lv2Plugin::~Lv2Plugin() = default;

vst::intptr Lv2Plugin::hostCallback(AEffect* effect, vst::int32 opcode, vst::int32 index, vst::intptr value,
                                    void* ptr, float opt)
{
    auto* self = effect && effect->user ? static_cast<Lv2Plugin*>(effect->user) : constructing;
    return self ? self->answer(opcode, index, value, ptr, opt) : 0;
}

vst::intptr Lv2Plugin::answer(vst::int32 opcode, vst::int32 index, vst::intptr value, void* ptr, float opt)
{
    const std::uint32_t port = PORT_FIRST_PARAMETER + static_cast<std::uint32_t>(index);
    const bool parameter = index >= 0 && static_cast<std::uint32_t>(index) < kParameterCount;
    switch (opcode)
    {
    case audioMasterVersion:
        return kHostVersion;
    case audioMasterGetProductString:
        vst::copyString(static_cast<char*>(ptr), kHostProduct, kVstMaxProductStrLen);
        return ptr ? 1 : 0;
    case audioMasterAutomate:
        if (parameter)
            parameterReports.value(port, opt);
        return 0;
    case audioMasterBeginEdit:
        if (parameter)
            parameterReports.grab(port);
        return parameter ? 1 : 0;
    case audioMasterEndEdit:
        if (parameter)
            parameterReports.release(port);
        return parameter ? 1 : 0;
    case audioMasterProcessEvents:
        return writeEvents(static_cast<const VstEvents*>(ptr)) ? 1 : 0;
    case audioMasterUpdateDisplay:
        displayChanged = true;
        return 1;
    case audioMasterGetSampleRate:
        return static_cast<vst::intptr>(sampleRate);
    case audioMasterSizeWindow:
        return panelOwner && panelOwner->sizeWindow(index, static_cast<int>(value)) ? 1 : 0;
    case audioMasterVendorSpecific:
        if (index == kVendorCallTag && value == HOST_CALL_MIDI_LINK)
            return reinterpret_cast<vst::intptr>(&link);
        return 0;
    default:
        return 0;
    }
}

// Only inside run, on its thread: the output sequence is the host's for the rest of the time.
bool Lv2Plugin::writeEvents(const VstEvents* events)
{
    if (processingThread.load() != std::this_thread::get_id())
        return false;
    return output.write(events);
}

void Lv2Plugin::connect(std::uint32_t port, void* data)
{
    if (port == PORT_MIDI_IN)
        midiIn = static_cast<const LV2_Atom_Sequence*>(data);
    else if (port == PORT_MIDI_OUT)
        midiOut = static_cast<LV2_Atom_Sequence*>(data);
    else if (port < PORT_COUNT)
        controls[port] = static_cast<const float*>(data);
}

void Lv2Plugin::activate()
{
    core->dispatcher(effMainsChanged, 0, 1, nullptr, 0.0f);
}

void Lv2Plugin::run(std::uint32_t frames)
{
    processingThread = std::this_thread::get_id();
    const float* pace = controls[PORT_MIDI_PACE];
    link.bytesPerSecond = pace && *pace >= 0.5f ? 0 : kMidiCableBytesPerSecond;
    applyControlPorts();
    VstEvents* events = input.read(midiIn, uris.midiEvent);
    if (events->numEvents > 0)
        core->processEvents(events);
    output.begin(midiOut, uris.sequence, uris.midiEvent);
    // Nothing goes while the host gives no room: the queues keep it.
    link.cycleCapacity = std::max<std::uint32_t>(output.room(), 1);
    core->processReplacing(nullptr, nullptr, static_cast<vst::int32>(frames));
    output.end();
    processingThread = std::thread::id();
}

void Lv2Plugin::applyControlPorts()
{
    if (portWatch.takeSeeAll())
    {
        for (std::uint32_t port = PORT_FIRST_PARAMETER; port < PORT_COUNT; ++port)
            if (controls[port])
                portWatch.see(port, *controls[port]);
        return;
    }
    if (controls[PORT_PROGRAM] && portWatch.changed(PORT_PROGRAM, *controls[PORT_PROGRAM]))
        schedule({PORT_PROGRAM, static_cast<std::int32_t>(std::clamp(std::lround(*controls[PORT_PROGRAM]), 0L,
                                                                     long(kNumPrograms - 1)))});
    applyTriggerPorts();
    for (std::uint32_t i = 0; i < kParameterCount; ++i)
    {
        const float* port = controls[PORT_FIRST_PARAMETER + i];
        const auto index = static_cast<vst::int32>(i);
        if (port && portWatch.changed(PORT_FIRST_PARAMETER + i, *port) && *port != core->getParameter(index))
            core->setParameter(index, *port);
    }
}

void Lv2Plugin::applyTriggerPorts()
{
    for (const TriggerPort& trigger : c_TriggerPorts)
        if (const float* port = controls[trigger.port];
            port && portWatch.changed(trigger.port, *port) && *port >= 0.5f)
            schedule({trigger.port, 1});
}

// A program switch applies a whole pattern and a request waits for the queue: on the host's
// worker thread where it has one, as a VST 2 host switches programs on a thread of its own
// rather than in the processing call.
void Lv2Plugin::schedule(const Work& item)
{
    if (!workerSchedule ||
        workerSchedule->schedule_work(workerSchedule->handle, sizeof item, &item) != LV2_WORKER_SUCCESS)
        doWork(item);
}

void Lv2Plugin::doWork(const Work& item)
{
    if (item.port == PORT_PROGRAM)
    {
        core->setProgram(item.value);
        return;
    }
    for (const TriggerPort& trigger : c_TriggerPorts)
        if (trigger.port == item.port && core->getSynthEditor())
            core->getSynthEditor()->editorControlsLib_OnControlValueChangedSpecific(trigger.button, nullptr);
}

LV2_Worker_Status Lv2Plugin::work(std::uint32_t size, const void* data)
{
    Work item{};
    if (size != sizeof item || !data)
        return LV2_WORKER_ERR_UNKNOWN;
    std::memcpy(&item, data, sizeof item);
    doWork(item);
    return LV2_WORKER_SUCCESS;
}

LV2_State_Status Lv2Plugin::save(LV2_State_Store_Function store, LV2_State_Handle handle)
{
    void* chunk = nullptr;
    const vst::int32 size = core->getChunk(&chunk, false);
    if (size <= 0 || !chunk)
        return LV2_STATE_ERR_UNKNOWN;
    return store(handle, uris.stateChunk, chunk, static_cast<std::size_t>(size), uris.chunk,
                 LV2_STATE_IS_POD | LV2_STATE_IS_PORTABLE);
}

// A state of another type is refused as a foreign chunk is, with the panel's message.
LV2_State_Status Lv2Plugin::restore(LV2_State_Retrieve_Function retrieve, LV2_State_Handle handle)
{
    std::size_t size = 0;
    std::uint32_t type = 0;
    std::uint32_t flags = 0;
    const void* chunk = retrieve(handle, uris.stateChunk, &size, &type, &flags);
    if (!chunk)
        return LV2_STATE_ERR_NO_PROPERTY;
    if (type != uris.chunk || size > std::size_t(INT32_MAX))
    {
        core->setChunk(nullptr, 0, false);
        return LV2_STATE_ERR_BAD_TYPE;
    }
    if (!core->setChunk(const_cast<void*>(chunk), static_cast<vst::int32>(size), false))
        return LV2_STATE_ERR_UNKNOWN;
    portWatch.seeAllAtNextLook();
    return LV2_STATE_SUCCESS;
}
} // namespace lv2
