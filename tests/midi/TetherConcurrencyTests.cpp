// The receive path and the deferred actions under several threads at once, as the MIDI
// receive thread, the user-interface thread and the host's threads meet them.
#include "MidiTestSupport.h"
#include "core/SynthCommons.h"
#include "editor/SynthEditor.h"
#include "support/RecordingHost.h"
#include "sysex/InitPatterns.h"

#include <gtest/gtest.h>

#include <atomic>

namespace
{
using namespace miditest;
using Bytes = std::vector<unsigned char>;

using TetherConcurrency = PluginTest;

// The receive thread joins dumps while the user-interface thread runs the incomplete-dump
// check and the other deferred actions.
TEST_F(TetherConcurrency, JoiningAndTheIncompleteDumpCheckShareTheReceiveState)
{
    std::atomic<bool> receiving{true};
    std::thread receiveThread(
        [&]
        {
            const Bytes& dump = INIT_PATCH_SYSEX;
            for (int round = 0; round < 200; ++round)
                for (std::size_t at = 0; at < dump.size(); at += 700)
                    synth.TetherMidiReceive(
                        Bytes(dump.begin() + at, dump.begin() + std::min(dump.size(), at + 700)), false);
            receiving = false;
        });
    while (receiving)
    {
        synth.sysex_IncompleteDumpCheck();
        editor->postProcessExecute();
    }
    receiveThread.join();

    synth.sysex_IncompleteDumpCheck();
    EXPECT_FALSE(synth.sysexReceiving);
    editor->editorControlsLib_RemoveQuestion();
    synth.TetherMidiReceive(INIT_PATCH_SYSEX, false);
    EXPECT_TRUE(editor->questionPending) << "the receive path still works";
}

TEST_F(TetherConcurrency, AddersOnSeveralThreadsAndTheExecutorNeverWaitOnEachOther)
{
    std::atomic<int> running{4};
    std::vector<std::thread> adders;
    for (int t = 0; t < 4; ++t)
        adders.emplace_back(
            [&, t]
            {
                for (int i = 0; i < 5000; ++i)
                {
                    editor->postProcessAdd(POSTPROCESS_SYNCING_TEXT, 0, 0, "progress", 0);
                    editor->postProcessAdd(POSTPROCESS_INCOMPLETE_DUMP_CHECK, 0, 0, nullptr, 60000);
                    if (i % 100 == t)
                        editor->postProcessRemovePending(POSTPROCESS_INCOMPLETE_DUMP_CHECK);
                }
                --running;
            });
    EXPECT_TRUE(waitUntil(
        [&]
        {
            editor->postProcessExecute();
            return running == 0;
        },
        30s));
    for (std::thread& adder : adders)
        adder.join();
    EXPECT_LE(editor->postProcessPendingCount(POSTPROCESS_INCOMPLETE_DUMP_CHECK), 1);
}
} // namespace
