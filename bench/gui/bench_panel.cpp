// The panel's speed and weight on the offscreen back end, with the panel's own pictures:
// opening the editor (pictures already decoded with the editor), a full redraw, the
// user-interface thread's share of one core while the host automates one knob at 1 kHz, the
// memory one open editor adds, and a knob drag of 127 steps from mouse events to the bytes
// at the device (esx-sim over the MIDI system; skipped without one).
#include "EsxSimulator.h"
#include "PluginPorts.h"
#include "core/SynthCommons.h"
#include "editor/PanelPictures.h"
#include "editor/SynthEditor.h"
#include "gui/GuiToolkit.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cmath>
#include <ctime>
#include <malloc.h>
#include <memory>
#include <thread>
#include <unistd.h>

namespace
{
constexpr int kFx1Edit1 = 49; // a host parameter sent as one control change
constexpr int kD1Cutoff = 6;

vst::intptr quietHost(AEffect*, vst::int32 opcode, vst::int32, vst::intptr, void*, float)
{
    return opcode == audioMasterVersion ? 2400 : 0;
}

struct Plugin
{
    Plugin()
    {
        registerPanelPictures();
        synth = std::make_unique<SynthCommons>(quietHost);
        editor = synth->getSynthEditor();
        editor->editorControlsLib_RemoveQuestion();
        synth->pluginMode = PLUGIN_MODE_PART;
    }
    std::unique_ptr<SynthCommons> synth;
    SynthEditor* editor;
};

double threadCpuSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

void BM_PanelOpen(benchmark::State& state)
{
    Plugin plugin;
    for (auto _ : state)
    {
        plugin.editor->open(nullptr);
        state.PauseTiming();
        plugin.editor->close();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_PanelOpen)->Unit(benchmark::kMillisecond);

void BM_PanelFullRedraw(benchmark::State& state)
{
    Plugin plugin;
    plugin.editor->open(nullptr);
    plugin.editor->idle();
    CFrame* frame = plugin.editor->getFrame();
    for (auto _ : state)
    {
        frame->invalidRect(CRect(0, 0, 797, 203));
        frame->setDirty();
        frame->redrawDirty();
    }
    plugin.editor->close();
}
BENCHMARK(BM_PanelFullRedraw)->Unit(benchmark::kMillisecond);

// The host automates Drum1's cutoff 1000 times a second on its own thread while the
// user-interface thread idles every 20 ms, as hosts do; the counter is that thread's CPU time
// as a share of one core.
void BM_AutomationSweepAt1kHz(benchmark::State& state)
{
    Plugin plugin;
    plugin.editor->open(nullptr);
    plugin.editor->idle();
    for (auto _ : state)
    {
        std::atomic<bool> stop{false};
        std::thread host(
            [&]
            {
                auto next = std::chrono::steady_clock::now();
                for (int i = 0; !stop; ++i)
                {
                    plugin.synth->setParameter(kD1Cutoff, static_cast<float>(i % 128) / 127.0f);
                    next += std::chrono::milliseconds(1);
                    std::this_thread::sleep_until(next);
                }
            });
        const auto start = std::chrono::steady_clock::now();
        const double cpuStart = threadCpuSeconds();
        while (std::chrono::steady_clock::now() - start < std::chrono::seconds(1))
        {
            plugin.editor->idle();
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        const double cpu = threadCpuSeconds() - cpuStart;
        const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        stop = true;
        host.join();
        state.counters["ui_thread_cpu_percent"] = 100.0 * cpu / wall;
    }
    plugin.editor->close();
}
BENCHMARK(BM_AutomationSweepAt1kHz)->Iterations(3)->Unit(benchmark::kMillisecond);

// Heap in use with the window open, less with it closed (the pictures stay with the editor).
void BM_MemoryOfAnOpenEditor(benchmark::State& state)
{
    Plugin plugin;
    plugin.editor->open(nullptr); // the font caches fill up once
    plugin.editor->idle();
    plugin.editor->close();
    for (auto _ : state)
    {
        const std::size_t closed = mallinfo2().uordblks;
        plugin.editor->open(nullptr);
        plugin.editor->idle();
        const std::size_t open = mallinfo2().uordblks;
        plugin.editor->close();
        state.counters["open_editor_kilobytes"] = static_cast<double>(open - closed) / 1024.0;
    }
    state.counters["pictures_kilobytes"] = 0;
    long pictures = 0;
    for (const t_EditorPicture* p = c_EditorPictures; p->number != 0; ++p)
        pictures += 4L * p->width * p->height;
    state.counters["pictures_kilobytes"] = static_cast<double>(pictures) / 1024.0;
}
BENCHMARK(BM_MemoryOfAnOpenEditor)->Iterations(5);

// A drag of FX1's first edit knob over its 127 steps in circular mode, from the first mouse
// event until the device has received the last value.
void BM_KnobDragOf127StepsReachesTheDevice(benchmark::State& state)
{
    std::unique_ptr<esxsim::EsxSimulator> device;
    try
    {
        device = std::make_unique<esxsim::EsxSimulator>("esx-drag-" + std::to_string(getpid()));
    }
    catch (const std::exception&)
    {
        state.SkipWithError("no MIDI system: start a JACK server or use ALSA");
        return;
    }
    Plugin plugin;
    if (!esxsim::connectToDevice(*plugin.synth, device->inputPortName(), device->outputPortName()))
    {
        state.SkipWithError("the plug-in does not reach the device");
        return;
    }
    plugin.synth->pluginMode = PLUGIN_MODE_GLOBAL;
    plugin.editor->setKnobMode(kKnobModeCircular);
    plugin.editor->open(nullptr);
    plugin.editor->idle();
    CFrame* frame = plugin.editor->getFrame();
    const t_EditorContainer* fx1 = editorTables_FindContainer(c_EditorContainers, CONT_FX1);
    const CPoint centre(fx1->x + 4 + 26, fx1->y + 43 + 25);
    const auto pointFor = [&](float value)
    {
        const double angle = 4.189 - 5.236 * value;
        return CPoint(centre.x + static_cast<int>(std::lround(22 * std::cos(angle))),
                      centre.y - static_cast<int>(std::lround(22 * std::sin(angle))));
    };
    for (auto _ : state)
    {
        plugin.synth->setParameter(kFx1Edit1, 0.0f);
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        device->clearReceived();
        const auto start = std::chrono::steady_clock::now();
        frame->windowMouseDown(pointFor(0.0f), kLButton);
        for (int step = 1; step <= 127; ++step)
            frame->windowMouseMoved(pointFor(static_cast<float>(step) / 127.0f), kLButton);
        frame->windowMouseUp(pointFor(1.0f), kLButton);
        const auto reachedTop = [&]
        {
            for (const auto& message : device->received())
                if (message.size() == 3 && message[2] == 127)
                    return true;
            return false;
        };
        while (!reachedTop() && std::chrono::steady_clock::now() - start < std::chrono::seconds(2))
            std::this_thread::sleep_for(std::chrono::microseconds(200));
        state.SetIterationTime(
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        state.counters["messages_at_device"] = static_cast<double>(device->received().size());
    }
    plugin.editor->close();
}
BENCHMARK(BM_KnobDragOf127StepsReachesTheDevice)
    ->UseManualTime()
    ->Iterations(5)
    ->Unit(benchmark::kMillisecond);
} // namespace
