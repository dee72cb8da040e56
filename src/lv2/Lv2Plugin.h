// One LV2 instance: the core's plug-in object with a host callback of this room's own, which
// turns the core's host calls into LV2. MIDI events go into the output sequence, as much as the
// host's MIDI link says; automation values and the user's grab and release of a control wait
// for the panel, which writes them into the control ports; the state is the chunk.
#pragma once

#include "AtomMidi.h"
#include "ControlPortWatch.h"
#include "Lv2Ports.h"
#include "ParameterReports.h"
#include "midi/HostMidiLink.h"

#include <lv2/core/lv2.h>
#include <lv2/state/state.h>
#include <lv2/urid/urid.h>
#include <lv2/worker/worker.h>

#include <array>
#include <atomic>
#include <memory>
#include <thread>

class SynthCommons;

namespace lv2
{
class Lv2Ui;

class Lv2Plugin
{
public:
    // Null when the host lacks a required feature (urid:map) or memory ran out.
    static Lv2Plugin* create(double sampleRate, const LV2_Feature* const* features);
    ~Lv2Plugin();
    Lv2Plugin(const Lv2Plugin&) = delete;
    Lv2Plugin& operator=(const Lv2Plugin&) = delete;

    void connect(std::uint32_t port, void* data);
    void activate();
    void run(std::uint32_t frames);

    LV2_State_Status save(LV2_State_Store_Function store, LV2_State_Handle handle);
    LV2_State_Status restore(LV2_State_Retrieve_Function retrieve, LV2_State_Handle handle);
    // Work that does not belong in the processing call: a program switch, a dump request.
    LV2_Worker_Status work(std::uint32_t size, const void* data);

    SynthCommons& synth() { return *core; }
    ParameterReports& reports() { return parameterReports; }
    ControlPortWatch& watch() { return portWatch; }
    // True once after the core told the host to look again (a new current program, a state).
    bool takeDisplayChanged() { return displayChanged.exchange(false); }
    // The panel belongs to one UI at a time: the one that opened it last. It sizes the panel's
    // window when the zoom changes.
    Lv2Ui* panelOwner = nullptr;

private:
    struct Uris
    {
        LV2_URID midiEvent;
        LV2_URID sequence;
        LV2_URID chunk;
        LV2_URID stateChunk;
    };

    Lv2Plugin(double sampleRate, LV2_URID_Map* map, LV2_Worker_Schedule* worker);
    static vst::intptr hostCallback(AEffect* effect, vst::int32 opcode, vst::int32 index, vst::intptr value,
                                    void* ptr, float opt);
    vst::intptr answer(vst::int32 opcode, vst::int32 index, vst::intptr value, void* ptr, float opt);
    bool writeEvents(const VstEvents* events);
    struct Work
    {
        std::uint32_t port; // PORT_PROGRAM or a request's port
        std::int32_t value;
    };

    void applyControlPorts();
    void applyTriggerPorts();
    void schedule(const Work& item);
    void doWork(const Work& item);

    double sampleRate;
    Uris uris;
    LV2_Worker_Schedule* workerSchedule;
    t_HostMidiLink link;
    ControlPortWatch portWatch{PORT_COUNT};
    ParameterReports parameterReports{PORT_COUNT};
    AtomMidiInput input;
    AtomMidiOutput output;
    const LV2_Atom_Sequence* midiIn = nullptr;
    LV2_Atom_Sequence* midiOut = nullptr;
    std::array<const float*, PORT_COUNT> controls{};
    std::atomic<std::thread::id> processingThread{};
    std::atomic<bool> displayChanged{false};
    std::unique_ptr<SynthCommons> core;
};
} // namespace lv2
