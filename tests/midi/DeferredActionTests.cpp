// The deferred-action queue of the editor: what replaces, what accumulates, what is
// withdrawn, and that a full queue never holds an adder up.
#include "MidiTestSupport.h"
#include "core/SynthCommons.h"
#include "editor/SynthEditor.h"
#include "support/RecordingHost.h"

#include <gtest/gtest.h>

#include <cstring>

namespace
{
using namespace miditest;

constexpr unsigned kLater = 60000; // ms: not due during a test

class DeferredActions : public PluginTest
{
protected:
    void add(e_EditorPostProcessType action, std::intptr_t first = 0, const char* text = nullptr,
             unsigned delayMs = 0)
    {
        editor->postProcessAdd(action, first, 0, text, delayMs);
    }

    int pending(e_EditorPostProcessType action) { return editor->postProcessPendingCount(action); }
};

TEST_F(DeferredActions, ANewProgramSelectionReplacesThePendingOne)
{
    add(POSTPROCESS_SELECT_PROGRAM, 3);
    add(POSTPROCESS_SELECT_PROGRAM, 7);
    EXPECT_EQ(pending(POSTPROCESS_SELECT_PROGRAM), 1);

    editor->postProcessExecute();

    EXPECT_EQ(synth.getProgram(), 7);
    EXPECT_EQ(pending(POSTPROCESS_SELECT_PROGRAM), 0);
}

TEST_F(DeferredActions, TextChangesAccumulateAndRunInOrder)
{
    add(POSTPROCESS_SYNCING_TEXT, 0, "first");
    add(POSTPROCESS_SYNCING_TEXT, 0, "second");
    EXPECT_EQ(pending(POSTPROCESS_SYNCING_TEXT), 2);

    editor->postProcessExecute();

    EXPECT_EQ(editor->syncingText(), "second");
}

TEST_F(DeferredActions, WithdrawingLeavesTheOthersReachable)
{
    add(POSTPROCESS_SYNCING_NOTIFICATION, 1, "shown");
    add(POSTPROCESS_INCOMPLETE_DUMP_CHECK, 0, nullptr, kLater);
    add(POSTPROCESS_SELECT_PROGRAM, 9);
    add(POSTPROCESS_SYNCING_TEXT, 0, "after the hole");

    editor->postProcessRemovePending(POSTPROCESS_SYNCING_NOTIFICATION);
    editor->postProcessRemovePending(POSTPROCESS_INCOMPLETE_DUMP_CHECK);
    EXPECT_EQ(pending(POSTPROCESS_INCOMPLETE_DUMP_CHECK), 0);
    editor->postProcessExecute();

    EXPECT_FALSE(editor->syncingShown());
    EXPECT_EQ(synth.getProgram(), 9);
    EXPECT_EQ(editor->syncingText(), "after the hole");
}

// A hide that replaces a pending one leaves a hole at the front of the queue; closing it must
// not let the later program selection run before the earlier apply, or the received pattern
// would be written into program 9 instead of its own.
TEST_F(DeferredActions, ClosingAHoleKeepsTheOrderOfTheQueue)
{
    editor->editorControlsLib_RemoveQuestion();
    // A received pattern with a Drum1 cutoff of its own, waiting in program 0's slot.
    synth.parameterLib_SetParameterValueFromHost(HOSTPARAM_D1_FILTER_CUTOFF, 17.0f / 127.0f);
    t_Patch received{};
    synth.patchLib_SetPatchFromParameters(&received);
    synth.patchLib_SetParametersFromPatch(&synth.programBank[0], false);
    synth.programBank[0] = received;
    const t_Patch program9 = synth.programBank[9];

    add(POSTPROCESS_SYNCING_NOTIFICATION, 0, nullptr, kLater);
    editor->postProcessAdd(POSTPROCESS_APPLY_PROGRAM, 0, 0, nullptr, 0);
    add(POSTPROCESS_SELECT_PROGRAM, 9);
    add(POSTPROCESS_SYNCING_NOTIFICATION, 0);
    editor->postProcessExecute();

    EXPECT_EQ(synth.getProgram(), 9);
    EXPECT_EQ(std::memcmp(synth.programBank[0].data, received.data, kPatternDataSize), 0)
        << "the received pattern is kept as program 0";
    synth.patchLib_SetPatchFromParameters(&synth.workingProgram);
    EXPECT_EQ(std::memcmp(synth.workingProgram.data, program9.data, kPatternDataSize), 0)
        << "program 9 is not overwritten";
}

TEST_F(DeferredActions, AnActionThatIsNotDueWaits)
{
    add(POSTPROCESS_SYNCING_TEXT, 0, "later", kLater);
    add(POSTPROCESS_SYNCING_TEXT, 0, "now");

    editor->postProcessExecute();

    EXPECT_EQ(editor->syncingText(), "now");
    EXPECT_EQ(pending(POSTPROCESS_SYNCING_TEXT), 1);
}

TEST_F(DeferredActions, UnknownActionsAreIgnored)
{
    for (int action : {0, 3, 8, -1, 1000})
        add(static_cast<e_EditorPostProcessType>(action), 5);

    for (int action : {3, 8, -1, 1000})
        EXPECT_EQ(pending(static_cast<e_EditorPostProcessType>(action)), 0) << "action " << action;
    editor->postProcessExecute();
    EXPECT_EQ(synth.getProgram(), 0);
}

TEST_F(DeferredActions, LongTextsAreCut)
{
    const std::string text(300, 'x');
    add(POSTPROCESS_SYNCING_TEXT, 0, text.c_str());

    editor->postProcessExecute();

    EXPECT_EQ(editor->syncingText(), std::string(99, 'x'));
}

TEST_F(DeferredActions, AFullQueueNeverHoldsAnAdderUpAndKeepsTheNewestText)
{
    add(POSTPROCESS_SELECT_PROGRAM, 12);
    add(POSTPROCESS_INCOMPLETE_DUMP_CHECK, 0, nullptr, kLater);

    // Nobody executes: the window is closed.
    ASSERT_TRUE(finishesWithin(
        [this]
        {
            for (int i = 0; i < 10000; ++i)
                add(POSTPROCESS_SYNCING_TEXT, 0, std::to_string(i).c_str());
        },
        10s));

    EXPECT_EQ(pending(POSTPROCESS_SYNCING_TEXT), kPostProcessEntries - 2);
    EXPECT_EQ(pending(POSTPROCESS_INCOMPLETE_DUMP_CHECK), 1) << "only text changes give way";
    editor->postProcessExecute();
    EXPECT_EQ(synth.getProgram(), 12);
    EXPECT_EQ(editor->syncingText(), "9999");
}
} // namespace
