// The editor at its zoom steps as a host meets it: the built Pavonis.so loaded with dlopen and
// driven through VSTPluginMain and its dispatcher only, its panel in an X window of the host's,
// beside a peer plug-in opened the same way in the same run: Nekobi, from the same Debian
// package as Kars (dpf-plugins-vst), since Kars has no editor. Measured: opening the
// editor with its pictures already drawn (the first opening at a zoom in the process draws them,
// measured on its own, and another instance's first opening shares them), a full redraw (a
// page switch redraws the whole panel), and the private memory that the pictures of a zoom
// add, once it is used and not before.
//
// Needs an X server (DISPLAY; scripts/test's Xvfb or any other).
#include "core/VendorCalls.h"
#include "platform/Module.h"
#include "support/PrivateMemory.h"
#include "vst/VstInterface.h"

#include <X11/Xlib.h>
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdint>
#include <malloc.h>
#include <memory>
#include <string>
#include <thread>

namespace
{
constexpr const char* kPeerPath = "/usr/lib/vst/Nekobi-vst.so";

vst::intptr quietHost(AEffect*, vst::int32 opcode, vst::int32, vst::intptr, void*, float)
{
    return opcode == audioMasterVersion ? 2400 : 0;
}

// A connection of the host's own; a busy Xvfb refuses one now and then.
Display* openDisplay()
{
    for (int attempt = 0; attempt < 50; ++attempt)
        if (Display* display = XOpenDisplay(nullptr))
            return display;
        else
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
    return nullptr;
}

// One plug-in file, loaded once for the run as a host keeps it.
class PluginFile
{
public:
    // Hosts look for VSTPluginMain, then for the older name main (the DPF plug-ins have only that).
    explicit PluginFile(const char* path) : module(path)
    {
        for (const char* name : {"VSTPluginMain", "main"})
            if (!entry && module.loaded())
                entry = reinterpret_cast<AEffect* (*)(audioMasterCallback)>(module.symbol(name));
    }
    AEffect* create() const
    {
        AEffect* effect = entry ? entry(quietHost) : nullptr;
        if (effect)
            effect->dispatcher(effect, effOpen, 0, 0, nullptr, 0);
        return effect;
    }

private:
    platform::Module module;
    AEffect* (*entry)(audioMasterCallback) = nullptr;
};

const PluginFile& pavonis()
{
    static const PluginFile file(PAVONIS_PLUGIN_PATH);
    return file;
}

const PluginFile& peer()
{
    static const PluginFile file(kPeerPath);
    return file;
}

// An instance with a host window of its editor's size on a connection of the host's own.
class Instance
{
public:
    explicit Instance(const PluginFile& file, const char* zoom = nullptr) : effect(file.create())
    {
        display = openDisplay();
        if (!effect || !display)
            return;
        if (zoom)
            dispatch(effVendorSpecific, kVendorCallTag, VENDOR_CALL_ZOOM, const_cast<char*>(zoom));
        ERect* rect = nullptr;
        dispatch(effEditGetRect, 0, 0, &rect);
        const int width = rect ? rect->right - rect->left : 100;
        const int height = rect ? rect->bottom - rect->top : 100;
        parent = XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, static_cast<unsigned>(width),
                                     static_cast<unsigned>(height), 0, 0, 0);
        XMapWindow(display, parent);
        XSync(display, False);
    }
    ~Instance()
    {
        if (effect)
            dispatch(effClose);
        if (display)
        {
            if (parent)
                XDestroyWindow(display, parent);
            XCloseDisplay(display);
        }
    }
    Instance(const Instance&) = delete;
    Instance& operator=(const Instance&) = delete;

    bool usable() const { return effect && display && parent; }
    vst::intptr dispatch(vst::int32 opcode, vst::int32 index = 0, vst::intptr value = 0,
                         void* ptr = nullptr) const
    {
        return effect->dispatcher(effect, opcode, index, value, ptr, 0.0f);
    }
    // effEditOpen in the host's window and the first idle, which shows the panel.
    void open() const
    {
        dispatch(effEditOpen, 0, reinterpret_cast<vst::intptr>(display),
                 reinterpret_cast<void*>(static_cast<std::uintptr_t>(parent)));
        dispatch(effEditIdle);
        XSync(display, False);
    }
    void close() const { dispatch(effEditClose); }

    AEffect* effect;
    Display* display = nullptr;
    Window parent = 0;
};

const char* const kZooms[] = {"100", "150", "200"};

bool skipWithout(benchmark::State& state, const Instance& instance, const char* what)
{
    if (instance.usable())
        return false;
    const std::string why =
        !instance.effect ? std::string(what) + " gave no instance" : "no X server (DISPLAY)";
    state.SkipWithError(why.c_str());
    return true;
}

void BM_PavonisSoEditorOpenWithPicturesReady(benchmark::State& state)
{
    const Instance pavonisInstance(pavonis(), kZooms[state.range(0)]);
    if (skipWithout(state, pavonisInstance, "Pavonis.so"))
        return;
    pavonisInstance.open(); // the pictures of the zoom are drawn here
    pavonisInstance.close();
    for (auto _ : state)
    {
        pavonisInstance.open();
        state.PauseTiming();
        pavonisInstance.close();
        state.ResumeTiming();
    }
    state.SetLabel(std::string(kZooms[state.range(0)]) + " %");
}
BENCHMARK(BM_PavonisSoEditorOpenWithPicturesReady)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

// Each iteration times a new instance's first opening at the zoom; false when the plug-in or
// the X server is missing.
bool timeFirstOpenings(benchmark::State& state)
{
    for (auto _ : state)
    {
        state.PauseTiming();
        auto instance = std::make_unique<Instance>(pavonis(), kZooms[state.range(0)]);
        if (skipWithout(state, *instance, "Pavonis.so"))
            return false;
        state.ResumeTiming();
        instance->open();
        state.PauseTiming();
        instance->close();
        instance.reset();
        state.ResumeTiming();
    }
    state.SetLabel(std::string(kZooms[state.range(0)]) + " %");
    return true;
}

// A new instance's first opening at the zoom with no other instance there: the pictures are
// drawn (or unpacked) then.
void BM_PavonisSoFirstEditorOpenDrawingThePictures(benchmark::State& state)
{
    timeFirstOpenings(state);
}
BENCHMARK(BM_PavonisSoFirstEditorOpenDrawingThePictures)
    ->DenseRange(0, 2)
    ->Iterations(5)
    ->Unit(benchmark::kMillisecond);

// Another instance's first opening at the zoom while one instance showed it: the pictures
// are the process's, made by the first and shared.
void BM_PavonisSoOtherInstanceFirstEditorOpen(benchmark::State& state)
{
    const Instance first(pavonis(), kZooms[state.range(0)]);
    if (skipWithout(state, first, "Pavonis.so"))
        return;
    first.open();
    first.close();
    timeFirstOpenings(state);
}
BENCHMARK(BM_PavonisSoOtherInstanceFirstEditorOpen)
    ->DenseRange(0, 2)
    ->Iterations(10)
    ->Unit(benchmark::kMillisecond);

void BM_NekobiSoEditorOpen(benchmark::State& state)
{
    const Instance peerInstance(peer());
    if (skipWithout(state, peerInstance, kPeerPath))
        return;
    peerInstance.open();
    peerInstance.close();
    for (auto _ : state)
    {
        peerInstance.open();
        state.PauseTiming();
        peerInstance.close();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_NekobiSoEditorOpen)->Unit(benchmark::kMillisecond);

// The whole panel drawn anew and shown: the page changes, and the next idle draws every view.
void BM_PavonisSoFullRedrawByPageSwitch(benchmark::State& state)
{
    const Instance pavonisInstance(pavonis(), kZooms[state.range(0)]);
    if (skipWithout(state, pavonisInstance, "Pavonis.so"))
        return;
    pavonisInstance.open();
    const char* pages[] = {"mix", "global"};
    int page = 0;
    for (auto _ : state)
    {
        pavonisInstance.dispatch(effVendorSpecific, kVendorCallTag, VENDOR_CALL_SHOW_PAGE,
                                 const_cast<char*>(pages[page ^= 1]));
        pavonisInstance.dispatch(effEditIdle);
        XSync(pavonisInstance.display, False);
    }
    pavonisInstance.close();
    state.SetLabel(std::string(kZooms[state.range(0)]) + " %");
}
BENCHMARK(BM_PavonisSoFullRedrawByPageSwitch)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

// Private memory after the editor was opened and closed once at 100 %, then once at the zoom,
// on the part page (its knobs are the largest pictures): what the zoom's pictures add, kept for
// the next openings. At 100 % the other zooms' pictures are never made. Nekobi's open editor
// beside it.
void BM_PavonisSoMemoryOfAZoomsPictures(benchmark::State& state)
{
    for (auto _ : state)
    {
        const Instance pavonisInstance(pavonis(), "100");
        if (skipWithout(state, pavonisInstance, "Pavonis.so"))
            return;
        pavonisInstance.dispatch(effVendorSpecific, kVendorCallTag, VENDOR_CALL_SHOW_PAGE,
                                 const_cast<char*>("part"));
        pavonisInstance.open();
        pavonisInstance.close();
        for (int i = 0; i < 2; ++i)
        {
            const char* zoom = i == 0 ? "100" : kZooms[state.range(0)];
            malloc_trim(0);
            const long before = bench::privateKilobytes();
            pavonisInstance.dispatch(effVendorSpecific, kVendorCallTag, VENDOR_CALL_ZOOM,
                                     const_cast<char*>(zoom));
            pavonisInstance.open();
            pavonisInstance.close();
            malloc_trim(0);
            state.counters[i == 0 ? "kb_again_at_100" : "kb_added_by_zoom"] =
                static_cast<double>(bench::privateKilobytes() - before);
        }
    }
    state.SetLabel(std::string(kZooms[state.range(0)]) + " %");
}
BENCHMARK(BM_PavonisSoMemoryOfAZoomsPictures)->DenseRange(1, 2)->Iterations(1);

void BM_NekobiSoMemoryOfAnOpenEditor(benchmark::State& state)
{
    for (auto _ : state)
    {
        const Instance peerInstance(peer());
        if (skipWithout(state, peerInstance, kPeerPath))
            return;
        malloc_trim(0);
        const long before = bench::privateKilobytes();
        peerInstance.open();
        state.counters["kb_open_editor"] = static_cast<double>(bench::privateKilobytes() - before);
        peerInstance.close();
    }
}
BENCHMARK(BM_NekobiSoMemoryOfAnOpenEditor)->Iterations(1);
} // namespace
