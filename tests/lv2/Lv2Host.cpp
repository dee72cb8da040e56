#include "Lv2Host.h"

#include <lv2/atom/util.h>
#include <lv2/instance-access/instance-access.h>
#include <lv2/midi/midi.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <stdexcept>

namespace lv2test
{
namespace
{
// Room for a bank dump arriving in one block.
constexpr std::size_t kInputBytes = 512 * 1024;

struct StoredState
{
    std::vector<Instance::Property> properties;
};

LV2_State_Status store(LV2_State_Handle handle, std::uint32_t key, const void* value, std::size_t size,
                       std::uint32_t type, std::uint32_t flags)
{
    const auto* bytes = static_cast<const std::uint8_t*>(value);
    static_cast<StoredState*>(handle)->properties.push_back({key, type, flags, Bytes(bytes, bytes + size)});
    return LV2_STATE_SUCCESS;
}

const void* retrieve(LV2_State_Handle handle, std::uint32_t key, std::size_t* size, std::uint32_t* type,
                     std::uint32_t* flags)
{
    for (const Instance::Property& p : static_cast<StoredState*>(handle)->properties)
        if (p.key == key)
        {
            *size = p.value.size();
            *type = p.type;
            *flags = p.flags;
            return p.value.data();
        }
    return nullptr;
}
} // namespace

World& World::get()
{
    static World world;
    return world;
}

World::World()
{
    // Only this build's bundle and the specifications that Debian installs.
    const std::string path = std::string(PAVONIS_LV2_DIR) + ":/usr/lib/lv2";
    setenv("LV2_PATH", path.c_str(), 1);
    lilvWorld = lilv_world_new();
    lilv_world_load_all(lilvWorld);
    LilvNode* uri = lilv_new_uri(lilvWorld, kPluginUri);
    lilvPlugin = lilv_plugins_get_by_uri(lilv_world_get_all_plugins(lilvWorld), uri);
    lilv_node_free(uri);
    if (!lilvPlugin)
        throw std::runtime_error("the bundle in " PAVONIS_LV2_DIR " does not describe the plug-in");
    mapper.handle = this;
    mapper.map = mapUri;
    unmapper.handle = this;
    unmapper.unmap = unmapUri;
}

const char* World::unmapUri(LV2_URID_Unmap_Handle handle, LV2_URID urid)
{
    for (const auto& [uri, id] : static_cast<World*>(handle)->uris)
        if (id == urid)
            return uri.c_str();
    return nullptr;
}

LV2_URID World::mapUri(LV2_URID_Map_Handle handle, const char* uri)
{
    return static_cast<World*>(handle)->map(uri);
}

LV2_URID World::map(const char* uri)
{
    const auto found = uris.find(uri);
    if (found != uris.end())
        return found->second;
    const auto id = static_cast<LV2_URID>(uris.size() + 1);
    uris.emplace(uri, id);
    return id;
}

const LV2UI_Descriptor* World::uiDescriptor()
{
    if (!uiModule)
    {
        LilvUIs* uis = lilv_plugin_get_uis(lilvPlugin);
        const LilvUI* ui = lilv_uis_get(uis, lilv_uis_begin(uis));
        char* path = lilv_file_uri_parse(lilv_node_as_uri(lilv_ui_get_binary_uri(ui)), nullptr);
        uiModule = dlopen(path, RTLD_NOW);
        lilv_free(path);
        lilv_uis_free(uis);
    }
    using Entry = const LV2UI_Descriptor* (*)(std::uint32_t);
    auto entry = reinterpret_cast<Entry>(uiModule ? dlsym(uiModule, "lv2ui_descriptor") : nullptr);
    return entry ? entry(0) : nullptr;
}

Instance::Instance(bool withWorker) : input(kInputBytes / 8), output(0)
{
    World& world = World::get();
    scheduleFeature.handle = this;
    scheduleFeature.schedule_work = schedule;
    const LV2_Feature mapFeature{LV2_URID__map, world.mapFeature()};
    const LV2_Feature workerFeature{LV2_WORKER__schedule, &scheduleFeature};
    const LV2_Feature* features[] = {&mapFeature, withWorker ? &workerFeature : nullptr, nullptr};
    instance = lilv_plugin_instantiate(world.plugin(), kSampleRate, features);
    if (!instance)
        throw std::runtime_error("the plug-in refused to be instantiated");
    for (std::uint32_t port = 0; port < kPortCount; ++port)
    {
        const LilvPort* p = lilv_plugin_get_port_by_index(world.plugin(), port);
        LilvNode* value = nullptr;
        lilv_port_get_range(world.plugin(), p, &value, nullptr, nullptr);
        controls[port] = value ? lilv_node_as_float(value) : 0.0f;
        lilv_node_free(value);
        if (port != kMidiIn && port != kMidiOut)
            lilv_instance_connect_port(instance, port, &controls[port]);
    }
    lilv_instance_connect_port(instance, kMidiIn, input.data());
    lilv_instance_activate(instance);
}

Instance::~Instance()
{
    lilv_instance_deactivate(instance);
    lilv_instance_free(instance);
}

LV2_Handle Instance::handle() const
{
    return lilv_instance_get_handle(instance);
}

LV2_Worker_Status Instance::schedule(LV2_Worker_Schedule_Handle handle, std::uint32_t size, const void* data)
{
    const auto* bytes = static_cast<const std::uint8_t*>(data);
    static_cast<Instance*>(handle)->work.emplace_back(bytes, bytes + size);
    return LV2_WORKER_SUCCESS;
}

void Instance::doWork()
{
    const auto* worker = static_cast<const LV2_Worker_Interface*>(
        lilv_instance_get_extension_data(instance, LV2_WORKER__interface));
    std::vector<Bytes> pending;
    pending.swap(work);
    for (const Bytes& item : pending)
        worker->work(handle(), nullptr, nullptr, static_cast<std::uint32_t>(item.size()), item.data());
}

std::vector<Message> Instance::run(const std::vector<Message>& in, std::uint32_t frames,
                                   std::uint32_t outCapacity)
{
    World& world = World::get();
    const LV2_URID midiEvent = world.map(LV2_MIDI__MidiEvent);
    auto* sequence = reinterpret_cast<LV2_Atom_Sequence*>(input.data());
    sequence->atom.type = world.map(LV2_ATOM__Sequence);
    sequence->atom.size = sizeof(LV2_Atom_Sequence_Body);
    sequence->body.unit = 0;
    sequence->body.pad = 0;
    for (const Message& message : in)
    {
        std::vector<std::uint8_t> event(sizeof(LV2_Atom_Event) + message.size());
        auto* header = reinterpret_cast<LV2_Atom_Event*>(event.data());
        header->time.frames = 0;
        header->body.type = midiEvent;
        header->body.size = static_cast<std::uint32_t>(message.size());
        std::memcpy(event.data() + sizeof(LV2_Atom_Event), message.data(), message.size());
        if (!lv2_atom_sequence_append_event(sequence, kInputBytes - sizeof(LV2_Atom), header))
            throw std::runtime_error("the test's input sequence is full");
    }
    output.assign(outCapacity / 8 + 2, 0);
    auto* out = reinterpret_cast<LV2_Atom_Sequence*>(output.data());
    out->atom.size = outCapacity; // what the host gives: the plug-in writes the sequence
    out->atom.type = 0;
    lilv_instance_connect_port(instance, kMidiOut, out);
    lilv_instance_run(instance, frames);
    doWork();
    std::vector<Message> sent;
    sentFrames.clear();
    if (out->atom.type != world.map(LV2_ATOM__Sequence))
        return sent;
    LV2_ATOM_SEQUENCE_FOREACH(out, event)
    {
        if (event->body.type != midiEvent)
            continue;
        const auto* bytes = static_cast<const std::uint8_t*>(LV2_ATOM_BODY_CONST(&event->body));
        sent.emplace_back(bytes, bytes + event->body.size);
        sentFrames.push_back(event->time.frames);
    }
    return sent;
}

std::vector<Message> Instance::runFor(double seconds, std::uint32_t outCapacity)
{
    std::vector<Message> sent;
    const auto blocks = static_cast<long>(std::ceil(seconds * kSampleRate / kBlock));
    for (long i = 0; i < blocks; ++i)
        for (Message& message : run({}, kBlock, outCapacity))
            sent.push_back(std::move(message));
    return sent;
}

Instance::Property Instance::save()
{
    const auto* state = static_cast<const LV2_State_Interface*>(
        lilv_instance_get_extension_data(instance, LV2_STATE__interface));
    StoredState stored;
    if (!state ||
        state->save(handle(), store, &stored, LV2_STATE_IS_POD | LV2_STATE_IS_PORTABLE, nullptr) !=
            LV2_STATE_SUCCESS ||
        stored.properties.size() != 1)
        return {};
    return stored.properties.front();
}

LV2_State_Status Instance::restore(const Property& property)
{
    const auto* state = static_cast<const LV2_State_Interface*>(
        lilv_instance_get_extension_data(instance, LV2_STATE__interface));
    StoredState stored{{property}};
    return state->restore(handle(), retrieve, &stored, 0, nullptr);
}

bool Instance::restoreFile(const std::string& path)
{
    World& world = World::get();
    LilvState* state = lilv_state_new_from_file(world.world(), world.mapFeature(), nullptr, path.c_str());
    if (!state)
        return false;
    const LV2_Feature mapFeature{LV2_URID__map, world.mapFeature()};
    const LV2_Feature* features[] = {&mapFeature, nullptr};
    lilv_state_restore(state, instance, nullptr, nullptr, 0, features);
    lilv_state_free(state);
    return true;
}

bool Instance::savePreset(const std::string& folder, const std::string& uri, const std::string& label)
{
    World& world = World::get();
    LilvState* state = lilv_state_new_from_instance(world.plugin(), instance, world.mapFeature(), nullptr,
                                                    nullptr, nullptr, folder.c_str(), nullptr, nullptr,
                                                    LV2_STATE_IS_POD | LV2_STATE_IS_PORTABLE, nullptr);
    if (!state)
        return false;
    lilv_state_set_label(state, label.c_str());
    const int status = lilv_state_save(world.world(), world.mapFeature(), world.unmapFeature(), state,
                                       uri.c_str(), folder.c_str(), "preset.ttl");
    lilv_state_free(state);
    return status == 0;
}

LV2_State_Status Instance::restoreChunk(const Bytes& chunk)
{
    World& world = World::get();
    return restore({world.map("https://quillon.example/plugins/pavonis#chunk"), world.map(LV2_ATOM__Chunk),
                    LV2_STATE_IS_POD | LV2_STATE_IS_PORTABLE, chunk});
}
} // namespace lv2test
