// An LV2 host for tests, on lilv as Linux hosts are: it loads the built bundle
// (build/lv2/Pavonis.lv2) and creates instances with the features a host gives (urid:map, a
// worker that does the work after the block, as a host's worker thread would), runs blocks with
// MIDI in and out and control ports, and saves and restores the state through the plug-in's
// state interface. The panel is reached through lv2ui_descriptor of the same module.
#pragma once

#include <lilv/lilv.h>
#include <lv2/atom/atom.h>
#include <lv2/state/state.h>
#include <lv2/ui/ui.h>
#include <lv2/urid/urid.h>
#include <lv2/worker/worker.h>

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace lv2test
{
using Message = std::vector<std::uint8_t>;
using Bytes = std::vector<std::uint8_t>;

// Port indices of the plug-in (src/lv2/Lv2Ports.h), as a host reads them from Pavonis.ttl.
constexpr std::uint32_t kMidiIn = 0;
constexpr std::uint32_t kMidiOut = 1;
constexpr std::uint32_t kFirstParameter = 2;
constexpr std::uint32_t kProgram = 69;
constexpr std::uint32_t kMidiPace = 70;
constexpr std::uint32_t kRequestPattern = 71;
constexpr std::uint32_t kRequestBank = 72;
constexpr std::uint32_t kPortCount = 73;
constexpr const char* kPluginUri = "https://quillon.example/plugins/pavonis";
constexpr double kSampleRate = 48000.0;
constexpr std::uint32_t kBlock = 256;

// The lilv world with the bundle loaded, for the whole test program.
class World
{
public:
    static World& get();
    LilvWorld* world() const { return lilvWorld; }
    const LilvPlugin* plugin() const { return lilvPlugin; }
    LV2_URID map(const char* uri);
    LV2_URID_Map* mapFeature() { return &mapper; }
    LV2_URID_Unmap* unmapFeature() { return &unmapper; }
    // The module's UI entry point, from the UI's binary as the bundle names it.
    const LV2UI_Descriptor* uiDescriptor();

private:
    World();
    static LV2_URID mapUri(LV2_URID_Map_Handle handle, const char* uri);
    static const char* unmapUri(LV2_URID_Unmap_Handle handle, LV2_URID urid);

    LilvWorld* lilvWorld = nullptr;
    const LilvPlugin* lilvPlugin = nullptr;
    std::map<std::string, LV2_URID> uris;
    LV2_URID_Map mapper{};
    LV2_URID_Unmap unmapper{};
    void* uiModule = nullptr;
};

class Instance
{
public:
    explicit Instance(bool withWorker = true);
    ~Instance();
    Instance(const Instance&) = delete;
    Instance& operator=(const Instance&) = delete;

    LV2_Handle handle() const;
    float& control(std::uint32_t port) { return controls[port]; }
    float& parameter(int index) { return controls[kFirstParameter + static_cast<std::uint32_t>(index)]; }

    // One block: the messages in at its start; what the plug-in sent out. outCapacity: the
    // room the host gives the output sequence.
    std::vector<Message> run(const std::vector<Message>& in = {}, std::uint32_t frames = kBlock,
                             std::uint32_t outCapacity = 8192);
    // Blocks for the given time; every message sent out, in order.
    std::vector<Message> runFor(double seconds, std::uint32_t outCapacity = 8192);
    // The frame in its block of each message that the last run sent.
    const std::vector<std::int64_t>& lastFrames() const { return sentFrames; }

    // The state as the plug-in saves it: its one property (key, type and bytes).
    struct Property
    {
        LV2_URID key = 0;
        LV2_URID type = 0;
        std::uint32_t flags = 0;
        Bytes value;
    };
    Property save();
    LV2_State_Status restore(const Property& property);
    // The chunk, saved.
    Bytes chunk() { return save().value; }
    LV2_State_Status restoreChunk(const Bytes& chunk);
    // A state that a host saved to a file (state.ttl), restored as that host restores it.
    bool restoreFile(const std::string& path);
    // The state as an LV2 preset bundle in folder (manifest.ttl, preset.ttl).
    bool savePreset(const std::string& folder, const std::string& uri, const std::string& label);

private:
    static LV2_Worker_Status schedule(LV2_Worker_Schedule_Handle handle, std::uint32_t size,
                                      const void* data);
    void doWork();

    LilvInstance* instance = nullptr;
    float controls[kPortCount]{};
    std::vector<std::uint64_t> input; // 64-bit aligned atom buffers
    std::vector<std::uint64_t> output;
    std::vector<Bytes> work;
    std::vector<std::int64_t> sentFrames;
    LV2_Worker_Schedule scheduleFeature{};
};
} // namespace lv2test
