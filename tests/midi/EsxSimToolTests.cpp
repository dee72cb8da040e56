// The esx-sim program as a user runs it: a process of its own, driven by its commands.
#include "DeviceSupport.h"
#include "EsxSimProcess.h"
#include "core/SynthCommons.h"
#include "editor/SynthEditor.h"
#include "params/ParameterValues.h"
#include "support/RecordingHost.h"

#include <gtest/gtest.h>

namespace
{
using namespace miditest;

TEST(EsxSimTool, ServesThePluginAndObeysItsCommands)
{
    const std::string client = uniqueClientName("esx-sim");
    esxsim::EsxSimProcess device(ESX_SIM_EXECUTABLE, client);
    ASSERT_TRUE(device.ready()) << "esx-sim did not open its ports";

    ASSERT_TRUE(device.command("version 258 3"));
    ASSERT_TRUE(device.command("drop-identity 1"));
    RecordingHost host;
    SynthCommons synth(RecordingHost::callback);
    SynthEditor* editor = synth.getSynthEditor();
    ASSERT_TRUE(connectToDevice(synth, device.inputPortName(), device.outputPortName()));
    synth.TetherMidi_SendInquirySysex();
    ASSERT_TRUE(waitUntil([&] { return synth.TetherMidiHardwareAttached(); }));
    EXPECT_EQ(editor->deviceStatusText(), "ESX v258.3 detected");

    EXPECT_TRUE(repeatedUntil([&] { device.command("knob 49 0 90"); }, // Drum1 cutoff
                              [&] { return synth.getParameter(6) == IntToFloat(90); }));

    editor->editorControlsLib_RemoveQuestion();
    EXPECT_TRUE(
        repeatedUntil([&] { device.command("dump"); }, [&] { return editor->questionPending.load(); }));
    EXPECT_EQ(editor->questionText(), "Accept pattern dump ?");

    EXPECT_TRUE(repeatedUntil([&] { device.command("corrupt"); },
                              [&] { return editor->infoLineText() == "Dump error"; }));

    EXPECT_TRUE(device.quit(5s));
}
} // namespace
