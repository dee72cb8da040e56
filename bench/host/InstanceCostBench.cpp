// What an instance costs a host, measured as a host meets it: the built Pavonis.so loaded once
// with dlopen, every instance made through VSTPluginMain and driven through its dispatcher
// (open, sample rate, block size, resume; suspend, close), beside the peer plug-in Kars
// (Debian's dpf-plugins-vst) in the same run. Kars has no editor: the editor's openings are
// measured beside Nekobi, from the same package. At the end, Pavonis' figures over the peers'.
//
//   BM_FirstInstanceWithLoad  dlopen and the first instance of the process
//   BM_EditorOpen             effEditOpen and the first effEditIdle in a host's window (X
//                             display needed): the first opening in the process, reopenings
//                             of that panel, and first openings of other instances' panels;
//                             then, after every page was shown, what the panel's pictures
//                             hold, openings once the instance that decoded them is closed
//                             and once every instance is, and what the last one gives back
//   BM_OneMoreInstance        one more instance made and closed in a warm process
//   BM_PrivateMemoryPerInstance  20 more instances held (private pages of /proc/self/smaps_rollup);
//                             for Pavonis also what one edited program adds to each
//
// PAVONIS_BENCH_PLUGIN names another Pavonis.so to measure (a build of an older version).
#include "../support/PrivateMemory.h"
#include "core/VendorCalls.h"
#include "gui/HostWindow.h"
#include "platform/Module.h"
#include "vst/VstInterface.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <malloc.h>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace
{
constexpr int kInstancesMeasured = 20;
constexpr int kLaterOpenings = 10;
constexpr float kSampleRate = 48000.0f;
constexpr vst::intptr kBlockSize = 512;
constexpr vst::int32 kD1Cutoff = 6; // a host parameter of program 0

using EntryPoint = AEffect* (*)(audioMasterCallback);

struct Peer
{
    const char* name;
    std::string path;
};

Peer own()
{
    const char* path = std::getenv("PAVONIS_BENCH_PLUGIN");
    return {"Pavonis", path ? path : PAVONIS_PLUGIN_PATH};
}

std::vector<Peer> peers()
{
    return {own(), {"Kars", PEER_PLUGIN_PATH}};
}

std::vector<Peer> editorPeers()
{
    return {own(), {"Nekobi", PEER_EDITOR_PLUGIN_PATH}};
}

// Figures of each plug-in, for the comparison printed at the end.
std::map<std::string, std::map<std::string, double>> figures;

vst::intptr hostCallback(AEffect*, vst::int32 opcode, vst::int32, vst::intptr, void* ptr, float)
{
    switch (opcode)
    {
    case audioMasterVersion:
        return 2400;
    case audioMasterGetSampleRate:
        return static_cast<vst::intptr>(kSampleRate);
    case audioMasterGetBlockSize:
        return kBlockSize;
    case audioMasterGetProductString:
        if (ptr)
            std::snprintf(static_cast<char*>(ptr), 64, "Instance Bench");
        return ptr ? 1 : 0;
    default:
        return 0;
    }
}

double millisecondsSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

// The module of a plug-in, loaded on first use and kept for the process's life.
platform::Module* moduleOf(const Peer& peer)
{
    static std::map<std::string, std::unique_ptr<platform::Module>> loaded;
    auto& module = loaded[peer.path];
    if (!module)
        module = std::make_unique<platform::Module>(peer.path);
    return module->loaded() ? module.get() : nullptr;
}

vst::intptr dispatch(AEffect* effect, vst::int32 opcode, vst::int32 index = 0, vst::intptr value = 0,
                     void* ptr = nullptr, float opt = 0.0f)
{
    return effect->dispatcher(effect, opcode, index, value, ptr, opt);
}

// An instance as a host makes one: created, opened, told the rate and block size, resumed.
AEffect* createInstance(EntryPoint entry)
{
    AEffect* effect = entry(hostCallback);
    if (!effect)
        return nullptr;
    dispatch(effect, effOpen);
    dispatch(effect, effSetSampleRate, 0, 0, nullptr, kSampleRate);
    dispatch(effect, effSetBlockSize, 0, kBlockSize);
    dispatch(effect, effMainsChanged, 0, 1);
    return effect;
}

void closeInstance(AEffect* effect)
{
    dispatch(effect, effMainsChanged, 0, 0);
    dispatch(effect, effClose);
}

EntryPoint entryOf(benchmark::State& state, const Peer& peer)
{
    platform::Module* module = moduleOf(peer);
    if (!module)
    {
        state.SkipWithError((peer.path + " does not load").c_str());
        return nullptr;
    }
    // As hosts look for it: Kars exports only the older name.
    void* symbol = module->symbol("VSTPluginMain");
    if (!symbol)
        symbol = module->symbol("main");
    if (!symbol)
        state.SkipWithError("no entry point");
    return reinterpret_cast<EntryPoint>(symbol);
}

double median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void record(benchmark::State& state, const Peer& peer, const std::string& figure, double value)
{
    state.counters[figure] = value;
    figures[peer.name][figure] = value;
}

void BM_FirstInstanceWithLoad(benchmark::State& state, const Peer& peer)
{
    for (auto _ : state)
    {
        const auto start = std::chrono::steady_clock::now();
        const EntryPoint entry = entryOf(state, peer);
        if (!entry)
            return;
        AEffect* effect = createInstance(entry);
        if (effect)
            closeInstance(effect);
        record(state, peer, "first_instance_ms", millisecondsSince(start));
    }
}

double threadCpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) * 1e-6;
}

// The time an opening takes, and the share of it that the opening thread itself computed (on
// a loaded machine the rest is mostly waiting for a core, or for the X server).
struct Opening
{
    double wallMs;
    double cpuMs;
};

// The editor of one instance, opened in a host window and drawn once.
Opening openEditor(AEffect* effect, gui::HostWindow& window)
{
    const auto start = std::chrono::steady_clock::now();
    const double cpuStart = threadCpuMs();
    dispatch(effect, effEditOpen, 0, 0, window.handle());
    dispatch(effect, effEditIdle);
    const Opening took{millisecondsSince(start), threadCpuMs() - cpuStart};
    window.processEvents();
    return took;
}

// The largest of some openings, and their median.
void recordOpenings(benchmark::State& state, const Peer& peer, const std::string& name,
                    const std::vector<Opening>& openings)
{
    std::vector<double> wall;
    std::vector<double> cpu;
    for (const Opening& opening : openings)
    {
        wall.push_back(opening.wallMs);
        cpu.push_back(opening.cpuMs);
    }
    record(state, peer, name + "_max_ms", *std::max_element(wall.begin(), wall.end()));
    record(state, peer, name + "_median_ms", median(wall));
    record(state, peer, name + "_max_cpu_ms", *std::max_element(cpu.begin(), cpu.end()));
}

std::unique_ptr<gui::HostWindow> hostWindow(AEffect* effect)
{
    ERect* rect = nullptr;
    dispatch(effect, effEditGetRect, 0, 0, &rect);
    const int width = rect ? rect->right - rect->left : 800;
    const int height = rect ? rect->bottom - rect->top : 200;
    auto window = gui::createHostWindow("Instance Bench", width, height);
    if (window)
        window->show();
    return window;
}

// Pavonis' own vendor call: the panel shows a page as its mode button would.
void showEveryPage(AEffect* effect)
{
    for (const char* page : kVendorPageNames)
    {
        dispatch(effect, effVendorSpecific, kVendorCallTag, VENDOR_CALL_SHOW_PAGE, const_cast<char*>(page));
        dispatch(effect, effEditIdle);
    }
}

// The panel's pictures, all decoded by showing every page of the first instance's panel: what
// the process holds more than before any panel opened, once that panel is closed; what an
// opening of another instance's panel costs once the first instance is closed; what closing
// the last instance gives back (its own memory included); and what the next instance's first
// opening costs then.
void measurePictureRetention(benchmark::State& state, const Peer& peer, AEffect* first, AEffect* next,
                             gui::HostWindow& window, EntryPoint entry, long beforeAnyPanel)
{
    dispatch(first, effEditOpen, 0, 0, window.handle());
    showEveryPage(first);
    dispatch(first, effEditClose);
    malloc_trim(0);
    record(state, peer, "panels_closed_kb_held", double(bench::privateKilobytes() - beforeAnyPanel));
    closeInstance(first);
    const auto recordOpening = [&](AEffect* effect, const std::string& name)
    {
        const Opening opening = openEditor(effect, window);
        record(state, peer, name + "_ms", opening.wallMs);
        record(state, peer, name + "_cpu_ms", opening.cpuMs);
        dispatch(effect, effEditClose);
    };
    recordOpening(next, "open_after_first_closed");
    malloc_trim(0);
    const long held = bench::privateKilobytes();
    closeInstance(next);
    malloc_trim(0);
    record(state, peer, "last_instance_closed_kb_given_back", double(held - bench::privateKilobytes()));
    AEffect* later = createInstance(entry);
    recordOpening(later, "open_after_every_instance_closed");
    closeInstance(later);
}

void BM_EditorOpen(benchmark::State& state, const Peer& peer)
{
    const EntryPoint entry = entryOf(state, peer);
    if (!entry)
        return;
    AEffect* first = createInstance(entry);
    if (!first || !(first->flags & effFlagsHasEditor))
    {
        if (first)
            closeInstance(first);
        state.SkipWithError("no editor");
        return;
    }
    std::unique_ptr<gui::HostWindow> window = hostWindow(first);
    if (!window)
    {
        closeInstance(first);
        state.SkipWithError("no X display");
        return;
    }
    AEffect* next = createInstance(entry); // opened only at the end
    malloc_trim(0);
    const long beforeAnyPanel = bench::privateKilobytes();
    for (auto _ : state)
    {
        const Opening firstOpening = openEditor(first, *window);
        record(state, peer, "first_open_ms", firstOpening.wallMs);
        record(state, peer, "first_open_cpu_ms", firstOpening.cpuMs);
        dispatch(first, effEditClose);
        std::vector<Opening> reopenings;
        for (int i = 0; i < kLaterOpenings; ++i)
        {
            reopenings.push_back(openEditor(first, *window));
            dispatch(first, effEditClose);
        }
        recordOpenings(state, peer, "reopen", reopenings);
        // Other instances open their panels, each in its own window, the first one's open.
        dispatch(first, effEditOpen, 0, 0, window->handle());
        std::vector<Opening> others;
        for (int i = 0; i < kLaterOpenings; ++i)
        {
            AEffect* other = createInstance(entry);
            std::unique_ptr<gui::HostWindow> otherWindow = hostWindow(other);
            others.push_back(openEditor(other, *otherWindow));
            dispatch(other, effEditClose);
            closeInstance(other);
        }
        dispatch(first, effEditClose);
        recordOpenings(state, peer, "other_instance_open", others);
    }
    if (std::string(peer.name) == "Pavonis")
        return measurePictureRetention(state, peer, first, next, *window, entry, beforeAnyPanel);
    closeInstance(first);
    closeInstance(next);
}

void BM_OneMoreInstance(benchmark::State& state, const Peer& peer)
{
    const EntryPoint entry = entryOf(state, peer);
    if (!entry)
        return;
    AEffect* resident = createInstance(entry); // the process is warm: one instance lives
    std::vector<double> times;
    for (auto _ : state)
    {
        const auto start = std::chrono::steady_clock::now();
        AEffect* effect = createInstance(entry);
        if (effect)
            closeInstance(effect);
        times.push_back(millisecondsSince(start));
    }
    if (resident)
        closeInstance(resident);
    record(state, peer, "instance_median_ms", median(times));
    record(state, peer, "instance_max_ms", *std::max_element(times.begin(), times.end()));
}

// What each of 20 more instances holds; for Pavonis also one program edited in each (a
// parameter changed, then another program selected, which stores the edited one).
void BM_PrivateMemoryPerInstance(benchmark::State& state, const Peer& peer)
{
    const EntryPoint entry = entryOf(state, peer);
    if (!entry)
        return;
    AEffect* resident = createInstance(entry);
    for (auto _ : state)
    {
        std::vector<AEffect*> instances;
        malloc_trim(0); // freed pages that new instances would reuse without counting
        const long before = bench::privateKilobytes();
        for (int i = 0; i < kInstancesMeasured; ++i)
            instances.push_back(createInstance(entry));
        const long held = bench::privateKilobytes();
        record(state, peer, "private_kb_per_instance", double(held - before) / kInstancesMeasured);
        if (std::string(peer.name) == "Pavonis")
        {
            for (AEffect* effect : instances)
            {
                effect->setParameter(effect, kD1Cutoff, 0.25f);
                dispatch(effect, effSetProgram, 0, 1);
            }
            record(state, peer, "edited_program_kb",
                   double(bench::privateKilobytes() - held) / kInstancesMeasured);
        }
        for (AEffect* effect : instances)
            if (effect)
                closeInstance(effect);
    }
    if (resident)
        closeInstance(resident);
}

void registerAll()
{
    for (const Peer& peer : peers())
        benchmark::RegisterBenchmark(("BM_FirstInstanceWithLoad/" + std::string(peer.name)).c_str(),
                                     BM_FirstInstanceWithLoad, peer)
            ->Iterations(1)
            ->Unit(benchmark::kMillisecond);
    for (const Peer& peer : editorPeers())
        benchmark::RegisterBenchmark(("BM_EditorOpen/" + std::string(peer.name)).c_str(), BM_EditorOpen, peer)
            ->Iterations(1)
            ->Unit(benchmark::kMillisecond);
    for (const Peer& peer : peers())
        benchmark::RegisterBenchmark(("BM_OneMoreInstance/" + std::string(peer.name)).c_str(),
                                     BM_OneMoreInstance, peer)
            ->MinTime(2.0)
            ->Unit(benchmark::kMillisecond);
    for (const Peer& peer : peers())
        benchmark::RegisterBenchmark(("BM_PrivateMemoryPerInstance/" + std::string(peer.name)).c_str(),
                                     BM_PrivateMemoryPerInstance, peer)
            ->Iterations(1);
}

struct PeerFigure
{
    const char* peer;
    double value;
};

// The figure as a peer measured it: Kars, else the editor's peer; no peer when neither did.
PeerFigure peerFigure(const std::string& figure)
{
    for (const char* peer : {"Kars", "Nekobi"})
    {
        const auto& measured = figures[peer];
        const auto found = measured.find(figure);
        if (found != measured.end() && found->second != 0)
            return {peer, found->second};
    }
    return {nullptr, 0};
}

void printComparison()
{
    std::printf("\nPavonis beside Kars (editor openings beside Nekobi):\n");
    for (const auto& [figure, value] : figures["Pavonis"])
    {
        const PeerFigure peer = peerFigure(figure);
        if (!peer.peer)
            std::printf("  %-40s %10.3f\n", figure.c_str(), value);
        else
            std::printf("  %-40s %10.3f  %-6s %10.3f  ratio %6.2f\n", figure.c_str(), value, peer.peer,
                        peer.value, value / peer.value);
    }
}
} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    registerAll();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    printComparison();
    return 0;
}
