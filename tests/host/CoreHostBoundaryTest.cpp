// The host boundary on the core itself, for what the AEffect record cannot reach while
// there is no panel: the Host MIDI mode, and the deferred-action queue of an open window.
#include "core/SynthCommons.h"
#include "editor/SynthEditor.h"
#include "support/RecordingHost.h"

#include <gtest/gtest.h>

namespace
{
constexpr int kK1Level = 34;

using Messages = std::vector<std::vector<std::uint8_t>>;

void processBlock(SynthCommons& synth, int frames)
{
    float* noOutputs[] = {nullptr, nullptr};
    synth.processReplacing(nullptr, noOutputs, frames);
}

// An empty block is still the heartbeat that hands queued MIDI to the host.
TEST(CoreHostBoundary, EmptyBlockStillHandsTheQueuedMidiToTheHost)
{
    RecordingHost host;
    SynthCommons synth(RecordingHost::callback);
    synth.parameterLib_SetParameterValue(PARAM_MIDI_MODE, 0.0f, UPDATE_EDITOR); // as the panel does
    ASSERT_EQ(synth.midiMode, MIDI_MODE_HOST);
    processBlock(synth, 64); // audio runs: from now on messages wait for the next block
    host.clear();

    synth.setParameter(kK1Level, 0.5f);
    EXPECT_TRUE(host.midiBytes().empty());
    processBlock(synth, 0);
    EXPECT_EQ(host.midiBytes(), (Messages{{0xB0, 7, 64}})); // controller 7, value 64, channel 1
    processBlock(synth, 0);
    EXPECT_EQ(host.midiBytes().size(), 1u);
}

// With the window open the host's program change waits for the window's idle; with the
// window closed it applies at once, and a change still queued from an earlier open window
// is outdated by it.
TEST(CoreHostBoundary, ProgramChangeWithTheWindowClosedSupersedesOneQueuedBefore)
{
    RecordingHost host;
    SynthCommons synth(RecordingHost::callback);
    SynthEditor* editor = synth.getSynthEditor();
    ASSERT_FALSE(synth.editorWindowOpen());
    // What the host's change to program 9 left behind when the window closed before its idle.
    editor->postProcessAdd(POSTPROCESS_SELECT_PROGRAM, 9, 0, nullptr, 0);

    synth.setProgram(7);
    EXPECT_EQ(synth.getProgram(), 7);
    editor->postProcessExecute(); // the window's first idle after it opens again
    EXPECT_EQ(synth.getProgram(), 7);
    EXPECT_EQ(editor->postProcessPendingCount(POSTPROCESS_SELECT_PROGRAM), 0);
}
} // namespace
