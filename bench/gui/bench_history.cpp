// Undo on the panel (offscreen, with its own pictures): the undo of a pasted pattern from the
// click on Undo until the last byte is queued, in Host MIDI mode (every parameter into the
// host's queue) and in Tether MIDI mode with esx-sim attached (one dump into the Tether queue;
// skipped without a MIDI system); and the memory that 200 steps of each kind hold.
#include "EsxSimulator.h"
#include "PluginPorts.h"
#include "commands/EditHistory.h"
#include "core/SynthCommons.h"
#include "editor/PanelPictures.h"
#include "editor/SynthEditor.h"
#include "gui/GuiToolkit.h"
#include "params/ParameterValues.h"
#include "sysex/InitPatterns.h"

#include <benchmark/benchmark.h>

#include <array>
#include <chrono>
#include <cstring>
#include <malloc.h>
#include <memory>
#include <thread>
#include <unistd.h>

namespace
{
constexpr int kSteps = 200;
constexpr int kBlockFrames = 512;

vst::intptr quietHost(AEffect*, vst::int32 opcode, vst::int32, vst::intptr, void*, float)
{
    return opcode == audioMasterVersion ? 2400 : 0;
}

// The panel open offscreen, Drum1 on show.
struct Panel
{
    Panel()
    {
        registerPanelPictures();
        synth = std::make_unique<SynthCommons>(quietHost);
        editor = synth->getSynthEditor();
        editor->editorControlsLib_RemoveQuestion();
        synth->pluginMode = PLUGIN_MODE_PART;
        editor->open(nullptr);
        editor->idle();
    }
    ~Panel() { editor->close(); }

    void click(e_EditorParameterID id)
    {
        for (const t_EditorControl* row = c_EditorControls; row->id != EPARAM_END; ++row)
            if (row->id == id)
            {
                const t_EditorContainer* c = editorTables_FindContainer(c_EditorContainers, row->container);
                const CPoint at((c ? c->x : 0) + row->x + 12, (c ? c->y : 0) + row->y + 8);
                editor->getFrame()->windowMouseDown(at, kLButton);
                editor->getFrame()->windowMouseUp(at, 0);
                return;
            }
    }
    // The host's processing call: what the host queue holds leaves.
    void drain()
    {
        float left[kBlockFrames];
        float right[kBlockFrames];
        float* outputs[2] = {left, right};
        synth->processReplacing(nullptr, outputs, kBlockFrames);
    }
    // A pattern unlike the working one in every part, on a clipboard (the copy button's).
    void copyAnotherPattern(e_EditorParameterID copy)
    {
        std::array<std::uint8_t, kPatternDataSize> other;
        std::memcpy(other.data(), INIT_PATCH.data(), kPatternDataSize);
        for (std::size_t i = kPatternNameLength; i < kPatternDataSize; ++i) // every byte: the worst case
            other[i] = static_cast<std::uint8_t>(other[i] ^ 0x15);
        synth->patchLib_LoadPattern(other.data());
        click(copy);
        synth->patchLib_LoadPattern(INIT_PATCH.data());
    }

    std::unique_ptr<SynthCommons> synth;
    SynthEditor* editor;
};

double since(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void BM_UndoOfAPastedPatternFromClickToLastByteQueued_HostMode(benchmark::State& state)
{
    Panel panel;
    panel.synth->parameterLib_SetParameterValueFromEditor(EPARAM_MIDI_MODE, 0.0f);
    panel.copyAnotherPattern(EPARAM_PATTERN_COPY);
    for (auto _ : state)
    {
        panel.click(EPARAM_PATTERN_PASTE);
        panel.drain();
        const auto start = std::chrono::steady_clock::now();
        panel.click(EPARAM_UNDO);
        state.SetIterationTime(since(start));
        panel.drain();
    }
}
BENCHMARK(BM_UndoOfAPastedPatternFromClickToLastByteQueued_HostMode)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);

void BM_UndoOfAPastedPatternFromClickToLastByteQueued_TetherWithDevice(benchmark::State& state)
{
    std::unique_ptr<esxsim::EsxSimulator> device;
    try
    {
        device = std::make_unique<esxsim::EsxSimulator>("esx-undo-" + std::to_string(getpid()));
    }
    catch (const std::exception&)
    {
        state.SkipWithError("no MIDI system: start a JACK server or use ALSA");
        return;
    }
    Panel panel;
    if (!esxsim::connectToDevice(*panel.synth, device->inputPortName(), device->outputPortName()))
    {
        state.SkipWithError("the plug-in does not reach the device");
        return;
    }
    panel.copyAnotherPattern(EPARAM_PATTERN_COPY);
    const auto dumpArrived = [&]
    {
        const auto start = std::chrono::steady_clock::now();
        while (device->received().empty() && since(start) < 2.0)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
    };
    for (auto _ : state)
    {
        panel.click(EPARAM_PATTERN_PASTE);
        dumpArrived();
        device->clearReceived();
        const auto start = std::chrono::steady_clock::now();
        panel.click(EPARAM_UNDO);
        state.SetIterationTime(since(start));
        dumpArrived();
        device->clearReceived();
    }
}
BENCHMARK(BM_UndoOfAPastedPatternFromClickToLastByteQueued_TetherWithDevice)
    ->UseManualTime()
    ->Iterations(20)
    ->Unit(benchmark::kMicrosecond);

// Heap in use (allocator's count) and the history's own count, after 200 steps of a kind, in KB.
void reportMemory(benchmark::State& state, std::size_t heapBefore, const Panel& panel)
{
    state.counters["heap_kilobytes"] = static_cast<double>(mallinfo2().uordblks - heapBefore) / 1024.0;
    state.counters["history_kilobytes"] = static_cast<double>(panel.synth->history_Memory()) / 1024.0;
}

void BM_MemoryOf200Steps_KnobClicks(benchmark::State& state)
{
    for (auto _ : state)
    {
        Panel panel;
        const std::size_t heap = mallinfo2().uordblks;
        for (int i = 0; i < kSteps; ++i) // each change outside a gesture is a step of its own
            panel.synth->parameterLib_SetParameterValueFromEditor(EPARAM_PART_FILTER_CUTOFF,
                                                                  IntToFloat(static_cast<unsigned>(i % 100)));
        reportMemory(state, heap, panel);
        state.counters["steps"] = static_cast<double>(panel.synth->history_Count(HISTORY_UNDO));
    }
}
BENCHMARK(BM_MemoryOf200Steps_KnobClicks)->Iterations(1);

// Paste and reset by turns: every step changes the part (or the pattern) again.
void pasteAndReset(benchmark::State& state, e_EditorParameterID copy, e_EditorParameterID paste,
                   e_EditorParameterID reset)
{
    for (auto _ : state)
    {
        Panel panel;
        panel.synth->parameterLib_SetParameterValueFromEditor(EPARAM_MIDI_MODE, 0.0f);
        panel.copyAnotherPattern(copy);
        const std::size_t heap = mallinfo2().uordblks;
        for (int i = 0; i < kSteps / 2; ++i)
        {
            panel.click(paste);
            panel.drain();
            panel.click(reset);
            panel.click(EPARAM_QUESTION_YES);
            panel.drain();
        }
        reportMemory(state, heap, panel);
        state.counters["steps"] = static_cast<double>(panel.synth->history_Count(HISTORY_UNDO));
    }
}

void BM_MemoryOf200Steps_PartPastes(benchmark::State& state)
{
    pasteAndReset(state, EPARAM_PART_COPY, EPARAM_PART_PASTE, EPARAM_PART_RESET);
}
BENCHMARK(BM_MemoryOf200Steps_PartPastes)->Iterations(1);

void BM_MemoryOf200Steps_PatternPastes(benchmark::State& state)
{
    pasteAndReset(state, EPARAM_PATTERN_COPY, EPARAM_PATTERN_PASTE, EPARAM_PATTERN_RESET);
}
BENCHMARK(BM_MemoryOf200Steps_PatternPastes)->Iterations(1);
} // namespace
