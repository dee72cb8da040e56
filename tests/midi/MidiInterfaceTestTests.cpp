// The MIDI interface test over a real MIDI system: the plug-in's ports looped back through
// an interface that passes everything, nothing, no NRPN, or damaged or cut SysEx. Each ends on its
// verdict, its result page and its answer buttons, the failures after their time-outs.
#include "LoopbackPeer.h"
#include "MidiTestSupport.h"
#include "PluginPorts.h"

#include <chrono>

namespace
{
using namespace miditest;

struct VerdictCase
{
    const char* name;
    LoopbackFilter filter;
    const char* verdict;
    bool retryForm; // "Continue" and "Retry", else "Continue" and "Send report"
    std::chrono::milliseconds atLeast;
};

constexpr std::uint32_t kFirstForm = 0x04000000;
constexpr std::uint32_t kSecondForm = 0x08000000;
} // namespace

TEST(MidiInterfaceTest, EachKindOfInterfaceGetsItsVerdict)
{
    const VerdictCase cases[] = {
        {"clean loopback", passEverything, "FULLY COMPATIBLE", false, std::chrono::milliseconds(0)},
        {"no connection", passNothing, "FAILURE", true, std::chrono::milliseconds(2000)},
        {"drops NRPN", dropNrpn, "POOR COMPATIBILITY", false, std::chrono::milliseconds(2000)},
        {"alters SysEx", alterSysex, "PARTIALLY COMPATIBLE", false, std::chrono::milliseconds(5000)},
        {"cuts SysEx", cutSysex, "PARTIALLY COMPATIBLE", false, std::chrono::milliseconds(5000)},
    };
    RecordingHost host;
    // One run of the test on a fresh instance and interface; a busy JACK server may lose what
    // the plug-in sent, and the user then runs the test again.
    struct Run
    {
        std::string verdict;
        std::chrono::steady_clock::duration took;
        std::uint32_t forms;
        bool syncing;
    };
    const auto runTest = [](const VerdictCase& c)
    {
        LoopbackPeer peer(uniqueClientName("loop"), c.filter); // listed when the plug-in starts
        auto owner = std::make_unique<SynthCommons>(RecordingHost::callback);
        SynthCommons& plugin = *owner;
        EXPECT_TRUE(esxsim::connectToDevice(plugin, peer.inputPortName(), peer.outputPortName())) << c.name;
        SynthEditor* panel = plugin.getSynthEditor();
        panel->open(nullptr);
        panel->editorControlsLib_RemoveQuestion();
        plugin.pluginMode = PLUGIN_MODE_SETUP;
        const auto start = std::chrono::steady_clock::now();
        panel->editorControlsLib_OnControlValueChangedSpecific(EPARAM_MIDI_TEST, nullptr);
        EXPECT_TRUE(waitUntil(
            [&]
            {
                panel->idle();
                return plugin.pluginMode == PLUGIN_MODE_MIDI_TEST;
            },
            std::chrono::seconds(15)))
            << c.name;
        const Run run{panel->midiTestResultLine(0), std::chrono::steady_clock::now() - start,
                      panel->visibleWord(0) & (kFirstForm | kSecondForm), panel->syncingShown()};
        panel->close();
        return run;
    };
    for (const VerdictCase& c : cases)
    {
        Run run = runTest(c);
        for (int again = 0; again < 2 && run.verdict != c.verdict; ++again)
            run = runTest(c);
        EXPECT_EQ(run.verdict, c.verdict) << c.name;
        // The panel's clock counts whole milliseconds: a time-out may end up to one early.
        EXPECT_GE(run.took, c.atLeast - std::chrono::milliseconds(2)) << c.name;
        if (c.atLeast.count() == 0)
        {
            EXPECT_LT(run.took, std::chrono::seconds(4)) << c.name << ": no waiting for the SysEx time-out";
        }
        EXPECT_EQ(run.forms, c.retryForm ? kFirstForm : kSecondForm) << c.name;
        EXPECT_FALSE(run.syncing) << c.name;
    }
}
