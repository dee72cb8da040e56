// The host's program change on the core itself: with the editor window open it waits in
// the deferred-action queue for the window's idle; with the window closed it applies at
// once, and then a change still queued from an earlier open window is outdated.
#include "core/SynthCommons.h"
#include "editor/SynthEditor.h"
#include "support/RecordingHost.h"

#include <gtest/gtest.h>

namespace
{
TEST(HostProgramChange, ChangeWithTheWindowClosedSupersedesOneQueuedBefore)
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
