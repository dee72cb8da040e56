// What one more instance costs a host, LV2 beside VST 2: the time to create and destroy it and
// the private memory it holds, measured on the built binaries through their entry points as a
// host calls them (lv2_descriptor, the VST 2 entry point), next to the peer plug-in Kars in both formats
// (Debian's dpf-plugins-lv2 and dpf-plugins-vst; left out where not installed).
#include "../ProcessMemory.h"
#include "vst/VstInterface.h"

#include <benchmark/benchmark.h>
#include <lv2/buf-size/buf-size.h>
#include <lv2/core/lv2.h>
#include <lv2/options/options.h>
#include <lv2/parameters/parameters.h>
#include <lv2/urid/urid.h>

#include <dlfcn.h>
#include <fstream>
#include <malloc.h>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace
{
constexpr int kInstancesMeasured = 20;
constexpr double kSampleRate = 48000.0;

// --- LV2, as a host without lilv calls it --------------------------------------------------------

struct UridMap
{
    std::map<std::string, LV2_URID> ids;
    LV2_URID_Map feature{this,
                         [](LV2_URID_Map_Handle h, const char* uri) -> LV2_URID
                         {
                             auto& ids = static_cast<UridMap*>(h)->ids;
                             return ids.emplace(uri, LV2_URID(ids.size() + 1)).first->second;
                         }};
};

class Lv2Module
{
public:
    Lv2Module(const std::string& bundle, const std::string& binary, const char* uri) : bundle(bundle)
    {
        module = dlopen((bundle + binary).c_str(), RTLD_NOW | RTLD_LOCAL);
        auto entry =
            module ? reinterpret_cast<LV2_Descriptor_Function>(dlsym(module, "lv2_descriptor")) : nullptr;
        for (std::uint32_t i = 0; entry && entry(i); ++i)
            if (std::string(entry(i)->URI) == uri)
                descriptor = entry(i);
        const LV2_URID intType = map.feature.map(map.feature.handle, "http://lv2plug.in/ns/ext/atom#Int");
        const LV2_URID floatType = map.feature.map(map.feature.handle, "http://lv2plug.in/ns/ext/atom#Float");
        options = {
            {LV2_OPTIONS_INSTANCE, 0, map.feature.map(map.feature.handle, LV2_BUF_SIZE__maxBlockLength),
             sizeof(int), intType, &blockLength},
            {LV2_OPTIONS_INSTANCE, 0, map.feature.map(map.feature.handle, LV2_BUF_SIZE__nominalBlockLength),
             sizeof(int), intType, &blockLength},
            {LV2_OPTIONS_INSTANCE, 0, map.feature.map(map.feature.handle, LV2_PARAMETERS__sampleRate),
             sizeof(float), floatType, &rate},
            {LV2_OPTIONS_INSTANCE, 0, 0, 0, 0, nullptr},
        };
    }
    bool usable() const { return descriptor != nullptr; }

    LV2_Handle create()
    {
        const LV2_Feature* features[] = {&mapFeature, &optionsFeature, nullptr};
        LV2_Handle instance = descriptor->instantiate(descriptor, kSampleRate, bundle.c_str(), features);
        if (instance && descriptor->activate)
            descriptor->activate(instance);
        return instance;
    }
    void destroy(LV2_Handle instance)
    {
        if (descriptor->deactivate)
            descriptor->deactivate(instance);
        descriptor->cleanup(instance);
    }

private:
    std::string bundle;
    void* module = nullptr;
    const LV2_Descriptor* descriptor = nullptr;
    UridMap map;
    int blockLength = 512;
    float rate = float(kSampleRate);
    std::vector<LV2_Options_Option> options;
    LV2_Feature mapFeature{LV2_URID__map, &map.feature};
    LV2_Feature optionsFeature{LV2_OPTIONS__options, nullptr};

public:
    void bindOptions() { optionsFeature.data = options.data(); }
};

// --- VST 2 ---------------------------------------------------------------------------------------

vst::intptr vst2Host(AEffect*, vst::int32 opcode, vst::int32, vst::intptr, void*, float)
{
    return opcode == audioMasterVersion ? 2400 : 0;
}

class Vst2Module
{
public:
    explicit Vst2Module(const std::string& path)
    {
        module = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
        // Older plug-ins (Kars) name the entry point "main", as hosts still accept.
        for (const char* name : {"VSTPluginMain", "main"})
            if (!entry && module)
                entry = reinterpret_cast<AEffect* (*)(audioMasterCallback)>(dlsym(module, name));
    }
    bool usable() const { return entry != nullptr; }
    AEffect* create()
    {
        AEffect* effect = entry(vst2Host);
        if (effect)
        {
            effect->dispatcher(effect, effOpen, 0, 0, nullptr, 0.0f);
            effect->dispatcher(effect, effSetSampleRate, 0, 0, nullptr, float(kSampleRate));
            effect->dispatcher(effect, effMainsChanged, 0, 1, nullptr, 0.0f);
        }
        return effect;
    }
    static void destroy(AEffect* effect)
    {
        effect->dispatcher(effect, effMainsChanged, 0, 0, nullptr, 0.0f);
        effect->dispatcher(effect, effClose, 0, 0, nullptr, 0.0f);
    }

private:
    void* module = nullptr;
    AEffect* (*entry)(audioMasterCallback) = nullptr;
};

// --- The plug-ins measured -----------------------------------------------------------------------

Lv2Module& pavonisLv2()
{
    static Lv2Module module(PAVONIS_LV2_BUNDLE "/", "Pavonis.so", "https://quillon.example/plugins/pavonis");
    module.bindOptions();
    return module;
}

Lv2Module& karsLv2()
{
    static Lv2Module module("/usr/lib/lv2/Kars.lv2/", "Kars_dsp.so", "http://distrho.sf.net/plugins/Kars");
    module.bindOptions();
    return module;
}

Vst2Module& pavonisVst2()
{
    static Vst2Module module(PAVONIS_VST2_PLUGIN);
    return module;
}

Vst2Module& karsVst2()
{
    static Vst2Module module("/usr/lib/vst/Kars-vst.so");
    return module;
}

template <typename Module> void createAndDestroy(benchmark::State& state, Module& module)
{
    if (!module.usable())
        return state.SkipWithError("not installed");
    for (auto _ : state)
    {
        auto instance = module.create();
        benchmark::DoNotOptimize(instance);
        module.destroy(instance);
    }
}

template <typename Module> void privateMemory(benchmark::State& state, Module& module)
{
    if (!module.usable())
        return state.SkipWithError("not installed");
    module.destroy(module.create()); // what every instance shares comes into being with the first
    double perInstance = 0;
    for (auto _ : state)
    {
        malloc_trim(0);
        const long before = privateKilobytes();
        std::vector<decltype(module.create())> instances;
        for (int i = 0; i < kInstancesMeasured; ++i)
            instances.push_back(module.create());
        perInstance = double(privateKilobytes() - before) / kInstancesMeasured;
        for (auto instance : instances)
            module.destroy(instance);
    }
    state.counters["private_kb_per_instance"] = perInstance;
}

void BM_InstanceCreateAndDestroy_PavonisLv2(benchmark::State& s)
{
    createAndDestroy(s, pavonisLv2());
}
void BM_InstanceCreateAndDestroy_PavonisVst2(benchmark::State& s)
{
    createAndDestroy(s, pavonisVst2());
}
void BM_InstanceCreateAndDestroy_KarsLv2(benchmark::State& s)
{
    createAndDestroy(s, karsLv2());
}
void BM_InstanceCreateAndDestroy_KarsVst2(benchmark::State& s)
{
    createAndDestroy(s, karsVst2());
}
BENCHMARK(BM_InstanceCreateAndDestroy_PavonisLv2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_InstanceCreateAndDestroy_PavonisVst2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_InstanceCreateAndDestroy_KarsLv2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_InstanceCreateAndDestroy_KarsVst2)->Unit(benchmark::kMillisecond);

void BM_PrivateMemoryPerInstance_PavonisLv2(benchmark::State& s)
{
    privateMemory(s, pavonisLv2());
}
void BM_PrivateMemoryPerInstance_PavonisVst2(benchmark::State& s)
{
    privateMemory(s, pavonisVst2());
}
void BM_PrivateMemoryPerInstance_KarsLv2(benchmark::State& s)
{
    privateMemory(s, karsLv2());
}
void BM_PrivateMemoryPerInstance_KarsVst2(benchmark::State& s)
{
    privateMemory(s, karsVst2());
}
BENCHMARK(BM_PrivateMemoryPerInstance_PavonisLv2)->Iterations(1);
BENCHMARK(BM_PrivateMemoryPerInstance_PavonisVst2)->Iterations(1);
BENCHMARK(BM_PrivateMemoryPerInstance_KarsLv2)->Iterations(1);
BENCHMARK(BM_PrivateMemoryPerInstance_KarsVst2)->Iterations(1);
} // namespace
