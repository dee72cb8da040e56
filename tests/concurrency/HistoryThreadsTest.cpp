// The device's knob changes arrive on the processing thread (Host MIDI mode) while the panel's
// thread takes them into the history, undoes and redoes: no race (ThreadSanitizer watches), the
// history stays bounded, and afterwards a step still goes back and forth exactly.
#include "commands/EditHistory.h"
#include "unit/model/ModelHarness.h"

#include "params/ParameterValues.h"

#include <atomic>
#include <chrono>
#include <thread>

namespace
{
constexpr auto kRunTime = std::chrono::milliseconds(600);

TEST(HistoryThreads, DeviceChangesWhileThePanelUndoesAndRedoes)
{
    RecordingHost host;
    SynthCommons synth(RecordingHost::callback);
    synth.parameterLib_SetParameterValueFromEditor(EPARAM_MIDI_MODE, 0.0f);
    const t_TypeStruct_MidiNRPN& cutoff = nrpnList(synth, PARAM_PART_FILTER_CUTOFF)[0];
    std::atomic<bool> stop{false};
    std::thread processing(
        [&]
        {
            float left[kBlockFrames];
            float right[kBlockFrames];
            float* outputs[2] = {left, right};
            for (int i = 0; !stop; ++i)
            {
                HostEventList turned(
                    shortNrpn(9, cutoff.nrpnMSB, cutoff.nrpnLSB, static_cast<std::uint8_t>(i % 128)));
                synth.processEvents(turned.get());
                synth.processReplacing(nullptr, outputs, kBlockFrames);
                host.clear();
            }
        });
    const auto end = std::chrono::steady_clock::now() + kRunTime;
    for (int i = 0; std::chrono::steady_clock::now() < end; ++i)
    {
        synth.history_TakeDeviceChanges();
        t_HistoryStep step;
        synth.history_Apply(i % 3 == 2 ? HISTORY_REDO : HISTORY_UNDO, step);
    }
    stop = true;
    processing.join();

    synth.history_TakeDeviceChanges();
    EXPECT_LE(synth.history_Count(HISTORY_UNDO) + synth.history_Count(HISTORY_REDO), 2 * kHistoryStepsKept);
    // Quiet again: a panel change goes back and forth exactly.
    const float before = partValue(synth, PARAM_PART_FILTER_CUTOFF, 0);
    const float after = IntToFloat((floatToInt(before) + 64) % 128);
    synth.parameterLib_SetParameterValueFromEditor(EPARAM_PART_FILTER_CUTOFF, after);
    t_HistoryStep step;
    ASSERT_TRUE(synth.history_Apply(HISTORY_UNDO, step));
    EXPECT_EQ(partValue(synth, PARAM_PART_FILTER_CUTOFF, 0), before);
    ASSERT_TRUE(synth.history_Apply(HISTORY_REDO, step));
    EXPECT_EQ(partValue(synth, PARAM_PART_FILTER_CUTOFF, 0), after);
}
} // namespace
