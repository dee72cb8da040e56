// The plug-in in Tether MIDI mode against a simulated ESX, over real MIDI ports.
#include "DeviceSupport.h"
#include "EsxSimulator.h"
#include "core/SynthCommons.h"
#include "editor/SynthEditor.h"
#include "params/ParameterValues.h"
#include "support/RecordingHost.h"
#include "sysex/InitPatterns.h"
#include "sysex/SysexFormat.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace
{
using namespace miditest;
using esxsim::EsxSimulator;
using esxsim::Message;
using esxsim::PatternImage;

// A pattern that differs from the initial one all through its image.
PatternImage patternNamed(const char* name, std::uint8_t seed)
{
    PatternImage image = INIT_PATCH;
    for (std::size_t i = 8; i < image.size(); i += 97)
        image[i] = static_cast<std::uint8_t>(seed + i);
    std::memcpy(image.data(), name, 8);
    return image;
}

bool sameImage(const std::uint8_t* data, const PatternImage& image)
{
    return std::equal(image.begin(), image.end(), data);
}

// The first differing byte of two images, for failure messages.
std::string firstDifference(const std::uint8_t* data, const PatternImage& image)
{
    const auto at = std::mismatch(image.begin(), image.end(), data);
    if (at.first == image.end())
        return "none";
    return "byte " + std::to_string(at.first - image.begin()) + ": device " + std::to_string(*at.first) +
           ", plug-in " + std::to_string(*at.second);
}

class TetherDevice : public ::testing::Test
{
protected:
    void SetUp() override
    {
        simulator = std::make_unique<EsxSimulator>(uniqueClientName("esx"));
        synth = std::make_unique<SynthCommons>(RecordingHost::callback);
        editor = synth->getSynthEditor();
        editor->editorControlsLib_RemoveQuestion(); // the first opening's "Sync now ?"
        ASSERT_GT(synth->TetherMidiOutGetNbDevices(), 0u) << "no MIDI system or no device port";
    }

    void TearDown() override
    {
        synth.reset();
        simulator.reset();
    }

    void connect()
    {
        ASSERT_TRUE(connectToDevice(*synth, simulator->inputPortName(), simulator->outputPortName()))
            << "the simulator's ports are not listed or do not open";
    }

    void connectAndDetect()
    {
        ASSERT_NO_FATAL_FAILURE(connect());
        ASSERT_TRUE(deviceDetected(*synth))
            << "no identity reply; device status: " << editor->deviceStatusText();
    }

    // The plug-in's working pattern with every parameter written into it.
    const std::uint8_t* flushedWorkingPattern()
    {
        synth->patchLib_SetPatchFromParameters(&synth->workingProgram);
        return synth->workingProgram.data;
    }

    bool deviceHoldsWorkingPattern()
    {
        return sameImage(flushedWorkingPattern(), simulator->currentPattern());
    }

    void requestCurrentPattern()
    {
        synth->expectedDumpType = SYSEX_CURRENT_PATTERN_DUMP; // as the "Current" command does
        synth->TetherMidiSend(kCurrentPatternRequest, sizeof kCurrentPatternRequest);
    }

    bool questionAsked(int type) const { return editor->questionPending && editor->questionType == type; }

    RecordingHost host;
    std::unique_ptr<EsxSimulator> simulator;
    std::unique_ptr<SynthCommons> synth;
    SynthEditor* editor = nullptr;
};

TEST_F(TetherDevice, ListsOpensAndDetectsTheDevice)
{
    ASSERT_NO_FATAL_FAILURE(connectAndDetect());
    EXPECT_EQ(editor->deviceStatusText(), "ESX v1.3 detected");

    synth->TetherMidiInClose();
    EXPECT_FALSE(synth->TetherMidiHardwareAttached()) << "closing a port forgets the device";
}

// The first request after the ports open can be lost on a busy machine: one pick of the ports
// is enough all the same. The reply's high version bytes count.
TEST_F(TetherDevice, ALostIdentityRequestIsRepeatedUntilTheDeviceAnswers)
{
    simulator->dropIdentityRequests(2);
    simulator->setVersion({258, 300});
    ASSERT_NO_FATAL_FAILURE(connect());

    synth->TetherMidi_SendInquirySysex(); // once, as the interface menus do

    ASSERT_TRUE(waitUntil([this] { return synth->TetherMidiHardwareAttached(); }, 5s));
    EXPECT_EQ(editor->deviceStatusText(), "ESX v258.300 detected");
}

TEST_F(TetherDevice, ASilentDeviceIsNotDetected)
{
    simulator->setSilent(true);
    ASSERT_NO_FATAL_FAILURE(connect());
    ASSERT_TRUE(repeatedUntil([this] { synth->TetherMidi_SendInquirySysex(); },
                              [this] { return !simulator->received().empty(); }))
        << "no identity request";
    // Anything the device sends after the request arrives after an answer would have.
    ASSERT_TRUE(repeatedUntil([this] { simulator->turnKnob(PARAM_FX1_EDIT1, 0, 99); },
                              [this] { return synth->getParameter(49) == IntToFloat(99); }));
    EXPECT_FALSE(synth->TetherMidiHardwareAttached());
    EXPECT_EQ(editor->deviceStatusText().find("ESX v"), std::string::npos);
}

TEST_F(TetherDevice, HostParameterChangesReachThePatternMemoryByteForByte)
{
    ASSERT_NO_FATAL_FAILURE(connectAndDetect());
    ASSERT_TRUE(repeatedUntil([this]
                              { synth->patchLib_SetParametersFromPatch(&synth->workingProgram, true); },
                              [this] { return deviceHoldsWorkingPattern(); }))
        << "the program was not sent";

    struct Change
    {
        int hostParameter;
        float value;
    };
    const Change changes[] = {
        {0, 0.6f},   // D1 sample number, low half: 14-bit NRPN
        {4, 0.25f},  // D1 pitch: 7-bit NRPN of a part
        {6, 0.8f},   // D1 cutoff
        {30, 0.33f}, // K1 cutoff: control change on channel 1
        {48, 0.1f},  // FX1 type: control change with a coded field
        {61, 0.9f},  // accent level: global NRPN
        {63, 0.5f},  // swing: coded in steps of 5
        {64, 0.7f},  // roll type: two bits of a byte
        {65, 0.0f},  // Drum1 muted: 14-bit mask NRPN
        {66, 0.0f},  // Keyboard1 muted
    };
    for (const Change& change : changes)
    {
        EXPECT_TRUE(repeatedUntil([&] { synth->setParameter(change.hostParameter, change.value); },
                                  [this] { return deviceHoldsWorkingPattern(); }))
            << "host parameter " << change.hostParameter << ", first difference at "
            << firstDifference(flushedWorkingPattern(), simulator->currentPattern());
    }
}

struct Knob
{
    e_ParameterID parameter;
    unsigned index;
    unsigned value;
    int hostParameter; // -1: none shows it
};

void PrintTo(const Knob& knob, std::ostream* out)
{
    *out << "parameter " << knob.parameter << " index " << knob.index << " value " << knob.value;
}

class TetherDeviceKnob : public TetherDevice, public ::testing::WithParamInterface<Knob>
{
};

TEST_P(TetherDeviceKnob, ReachesTheParameterAndTheHostsAutomation)
{
    const Knob knob = GetParam();
    ASSERT_NO_FATAL_FAILURE(connectAndDetect());
    ASSERT_TRUE(repeatedUntil([this]
                              { synth->patchLib_SetParametersFromPatch(&synth->workingProgram, true); },
                              [this] { return deviceHoldsWorkingPattern(); }));
    host.clear();

    EXPECT_TRUE(repeatedUntil([&] { simulator->turnKnob(knob.parameter, knob.index, knob.value); },
                              [this] { return deviceHoldsWorkingPattern(); }))
        << firstDifference(flushedWorkingPattern(), simulator->currentPattern());
    if (knob.hostParameter < 0)
        return;
    ASSERT_TRUE(waitUntil([&] { return !host.automation().empty(); }));
    const std::vector<AutomationCall> calls = host.automation();
    const auto last = std::find_if(calls.rbegin(), calls.rend(),
                                   [&](const AutomationCall& c) { return c.index == knob.hostParameter; });
    ASSERT_NE(last, calls.rend()) << "the host was not told";
    EXPECT_EQ(last->value, synth->getParameter(knob.hostParameter));
}

INSTANTIATE_TEST_SUITE_P(Knobs, TetherDeviceKnob,
                         ::testing::Values(Knob{PARAM_PART_FILTER_CUTOFF, PART_DRUM1, 100, 6},
                                           Knob{PARAM_PART_FILTER_CUTOFF, 3, 77, -1}, // Drum4
                                           Knob{PARAM_PART_WAVE, PART_DRUM1, 300, 0},
                                           Knob{PARAM_KEYBOARD_FILTER_CUTOFF, 0, 33, 30},
                                           Knob{PARAM_KEYBOARD_FILTER_CUTOFF, 1, 12, -1},
                                           Knob{PARAM_FX1_TYPE, 0, 5, 48},
                                           Knob{PARAM_GLOBAL_SWING, 0, 40, 63},
                                           Knob{PARAM_GLOBAL_MUTE_PART2, 0, 5, 65},
                                           Knob{PARAM_GLOBAL_MUTE_PART1, 0, 2, 66}));

TEST_F(TetherDevice, RequestedPatternDumpBecomesTheCurrentProgramWithoutAQuestion)
{
    ASSERT_NO_FATAL_FAILURE(connectAndDetect());
    const PatternImage pattern = patternNamed("Groove01", 1);
    simulator->setPattern(0, pattern);
    const int updatesBefore = host.updateDisplayCount();

    ASSERT_TRUE(repeatedUntil([this] { requestCurrentPattern(); },
                              [&] { return host.updateDisplayCount() > updatesBefore; }))
        << "no dump taken";
    const t_Patch& slot = synth->programBank[synth->currentProgram];
    EXPECT_TRUE(sameImage(slot.data, pattern));
    EXPECT_STREQ(slot.name, "Groove01");
    EXPECT_EQ(synth->expectedDumpType, kNoDumpType);
    EXPECT_FALSE(editor->questionPending);

    editor->postProcessExecute();
    EXPECT_TRUE(sameImage(synth->workingProgram.data, pattern)) << "the program was not applied";
    EXPECT_FALSE(editor->syncingShown());
}

TEST_F(TetherDevice, UnrequestedPatternDumpAsksFirst)
{
    ASSERT_NO_FATAL_FAILURE(connectAndDetect());
    const PatternImage pattern = patternNamed("Unasked1", 2);
    simulator->setPattern(0, pattern);
    const t_Patch before = synth->programBank[synth->currentProgram];

    ASSERT_TRUE(repeatedUntil([this] { simulator->sendCurrentPattern(); },
                              [&] {
                                  return questionAsked(QUESTION_ACCEPT_PATTERN_DUMP) &&
                                         sameImage(synth->dumpReceiveData, pattern);
                              }));
    EXPECT_EQ(editor->questionText(), "Accept pattern dump ?");
    EXPECT_EQ(std::memcmp(&before, &synth->programBank[synth->currentProgram], sizeof before), 0);
}

TEST_F(TetherDevice, BankAArrivesInFragmentsAndIsUnpacked)
{
    ASSERT_NO_FATAL_FAILURE(connectAndDetect());
    std::vector<PatternImage> bank;
    for (unsigned i = 0; i < esxsim::kPatternsPerBank; ++i)
    {
        char name[9];
        std::snprintf(name, sizeof name, "BankA.%02u", i);
        bank.push_back(patternNamed(name, static_cast<std::uint8_t>(i)));
        simulator->setPattern(i, bank.back());
    }

    const auto bankReceived = [&]
    {
        for (unsigned i = 0; i < bank.size(); ++i)
            if (!sameImage(synth->dumpReceiveData + i * esxsim::kPatternSize, bank[i]))
                return false;
        return questionAsked(QUESTION_ACCEPT_BANK_A_DUMP);
    };
    // The progress as the panel shows it, read while the pieces arrive.
    std::vector<unsigned> percentages;
    std::string shown;
    ASSERT_TRUE(repeatedUntil(
        [&]
        {
            // What an attempt before left: a reception that lost its end, its texts.
            editor->postProcessRunPending(POSTPROCESS_INCOMPLETE_DUMP_CHECK);
            editor->postProcessRunPending(POSTPROCESS_SYNCING_TEXT);
            shown = editor->syncingText();
            percentages.clear();
            synth->TetherMidiSend(kBankRequest, sizeof kBankRequest);
        },
        [&]
        {
            editor->postProcessExecute();
            unsigned percent = 0;
            if (editor->syncingText() != shown)
            {
                shown = editor->syncingText();
                if (std::sscanf(shown.c_str(), "Receiving pattern bank...%u%%", &percent) == 1)
                    percentages.push_back(percent);
            }
            return bankReceived();
        },
        10s));
    EXPECT_TRUE(std::is_sorted(percentages.begin(), percentages.end()))
        << "the progress goes forward: " << ::testing::PrintToString(percentages);
    // The simulator's pieces come as fast as the MIDI system takes them (about a tenth of the
    // bank a cycle on JACK), and a busy machine reads the panel less often.
    EXPECT_GE(percentages.size(), 3u) << "the progress shows while the dump arrives";
    ASSERT_FALSE(percentages.empty());
    EXPECT_EQ(percentages.back(), 100u);
    EXPECT_EQ(editor->questionText(), "Accept pattern bank A dump ?");
    EXPECT_EQ(synth->dumpBankNumber, 0);
    EXPECT_EQ(synth->lastDumpType, SYSEX_BANK_DUMP);
}

TEST_F(TetherDevice, CorruptedHeaderGivesDumpError)
{
    ASSERT_NO_FATAL_FAILURE(connectAndDetect());
    const t_Patch before = synth->programBank[synth->currentProgram];

    ASSERT_TRUE(repeatedUntil([this] { simulator->sendCorruptedPattern(); },
                              [this] { return editor->infoLineText() == "Dump error"; }));
    EXPECT_FALSE(editor->questionPending);
    EXPECT_EQ(std::memcmp(&before, &synth->programBank[synth->currentProgram], sizeof before), 0);
}

// The F0 of the next dump ends a dump that stopped short: the cut one is completed from the
// initial pattern at once (and, requested, becomes the current program), and the next one
// arrives whole (and, unrequested, is offered).
TEST_F(TetherDevice, ADumpCutShortIsCompletedAndTheNextOneArrivesWhole)
{
    ASSERT_NO_FATAL_FAILURE(connectAndDetect());
    const PatternImage pattern = patternNamed("CutShort", 3);
    simulator->setPattern(0, pattern);
    // 3000 bytes hold the header and 374 whole groups of eight packed bytes.
    const std::size_t wholeBytes = (3000 - kPatternDumpHeaderLength) / 8 * 7;
    const std::size_t initialFrom = wholeBytes + 7;

    const std::uint8_t* current = synth->programBank[synth->currentProgram].data;
    const auto cutThenWhole = [&]
    {
        editor->editorControlsLib_RemoveQuestion();
        synth->expectedDumpType = SYSEX_CURRENT_PATTERN_DUMP;
        simulator->sendCurrentPatternCut(3000);
        waitUntil([this] { return synth->sysexReceiving; });
        simulator->sendCurrentPattern();
    };
    const auto cutCompletedAndWholeOffered = [&]
    {
        return questionAsked(QUESTION_ACCEPT_PATTERN_DUMP) && sameImage(synth->dumpReceiveData, pattern) &&
               std::equal(pattern.begin(), pattern.begin() + wholeBytes, current) &&
               std::equal(INIT_PATCH.begin() + initialFrom, INIT_PATCH.end(), current + initialFrom);
    };

    ASSERT_TRUE(repeatedUntil(cutThenWhole, cutCompletedAndWholeOffered))
        << "offered: " << firstDifference(synth->dumpReceiveData, pattern);
    EXPECT_EQ(editor->infoLineText(), "Warning incomplete dump");
}

TEST_F(TetherDevice, ApplyingAProgramSendsOneDumpAndNoChannelMessages)
{
    ASSERT_NO_FATAL_FAILURE(connectAndDetect());
    const PatternImage pattern = patternNamed("Prog0005", 5);
    std::memcpy(synth->programBank[5].data, pattern.data(), pattern.size());
    std::memcpy(synth->programBank[6].data, pattern.data(), pattern.size());

    // Markers through every Tether queue: when all three have arrived, whatever was queued
    // before them has been sent.
    const Message single = {0xBF, 0x77, 0x01};
    const Message shortGroupEnd = {0xBF, 0x06, 0x02};
    const Message longGroupEnd = {0xBF, 0x26, 0x03};
    int program = 5;
    const auto applyAndMark = [&]
    {
        simulator->clearReceived();
        synth->setProgram(program);
        program = program == 5 ? 6 : 5;
        synth->TetherMidiSendQueue(makeMidiEvent(single[0], single[1], single[2]));
        synth->SendMidiShortNRPNEvent(0x7E, 0x7D, 0x02, 15);
        synth->SendMidiLongNRPNEvent(0x7E, 0x7C, 0x01, 0x03, 15);
    };
    const auto dumpAndMarkersArrived = [&]
    {
        const std::deque<Message> received = simulator->received();
        return std::find(received.begin(), received.end(), single) != received.end() &&
               std::find(received.begin(), received.end(), shortGroupEnd) != received.end() &&
               std::find(received.begin(), received.end(), longGroupEnd) != received.end() &&
               std::any_of(received.begin(), received.end(),
                           [](const Message& m) { return m[0] == kSysexStart; });
    };
    ASSERT_TRUE(repeatedUntil(applyAndMark, dumpAndMarkersArrived));

    int dumps = 0;
    for (const Message& message : simulator->received())
    {
        if (message[0] == kSysexStart)
        {
            ++dumps;
            EXPECT_EQ(message.size(), kPatternDumpLength);
            continue;
        }
        EXPECT_EQ(message[0], 0xBF) << "a channel message other than the markers was sent";
    }
    EXPECT_EQ(dumps, 1);
    EXPECT_TRUE(sameImage(simulator->currentPattern().data(), pattern));
}
TEST_F(TetherDevice, AReopenedProjectTalksToTheDeviceWithoutAVisitToTheSetupPage)
{
    ASSERT_NO_FATAL_FAILURE(connectAndDetect());
    void* data = nullptr;
    const vst::int32 size = synth->getChunk(&data, false);
    const std::vector<std::uint8_t> chunk(static_cast<std::uint8_t*>(data),
                                          static_cast<std::uint8_t*>(data) + size);
    char outName[kTetherPortNameLength], inName[kTetherPortNameLength];
    synth->TetherMidiChosenPortNames(outName, inName);
    synth.reset(); // the project is closed
    simulator->clearReceived();

    synth = std::make_unique<SynthCommons>(RecordingHost::callback);
    ASSERT_EQ(synth->setChunk(const_cast<std::uint8_t*>(chunk.data()), size, false), 1);

    char reopenedOut[kTetherPortNameLength], reopenedIn[kTetherPortNameLength];
    synth->TetherMidiChosenPortNames(reopenedOut, reopenedIn);
    EXPECT_STREQ(reopenedOut, outName);
    EXPECT_STREQ(reopenedIn, inName);
    EXPECT_TRUE(deviceDetected(*synth));
    const auto received = simulator->received(); // a copy: begin and end of one list
    for (const Message& message : received)
        EXPECT_NE(message[0] & 0xF0, 0xB0) << "a restore sends no parameter";
    EXPECT_TRUE(std::none_of(received.begin(), received.end(),
                             [](const Message& m) { return m.size() == kPatternDumpLength; }))
        << "a restore sends no pattern";
}

// A project saved with the ports of a device that is not there now: the ports open now stay
// open, their lamps lit and the device detected.
TEST_F(TetherDevice, AProjectWhosePortsAreGoneKeepsTheOpenPortsAndTheirLamps)
{
    const std::string goneName = uniqueClientName("gone");
    auto gone = std::make_unique<EsxSimulator>(goneName);
    auto saving = std::make_unique<SynthCommons>(RecordingHost::callback);
    ASSERT_TRUE(saving->TetherMidiConnectByName(goneName.c_str()));
    void* data = nullptr;
    const vst::int32 size = saving->getChunk(&data, false);
    const std::vector<std::uint8_t> chunk(static_cast<std::uint8_t*>(data),
                                          static_cast<std::uint8_t*>(data) + size);
    saving.reset();
    gone.reset();

    const std::string here = simulator->inputPortName();
    ASSERT_TRUE(synth->TetherMidiConnectByName(here.substr(0, here.find(' ')).c_str()));
    ASSERT_TRUE(deviceDetected(*synth));
    ASSERT_EQ(synth->setChunk(const_cast<std::uint8_t*>(chunk.data()), size, false), 1);

    char out[kTetherPortNameLength], in[kTetherPortNameLength];
    synth->TetherMidiChosenPortNames(out, in);
    EXPECT_EQ(out, simulator->inputPortName());
    EXPECT_EQ(in, simulator->outputPortName());
    EXPECT_TRUE(editor->lampLit(RES_LAMP_OUT));
    EXPECT_TRUE(editor->lampLit(RES_LAMP_IN));
    EXPECT_TRUE(synth->TetherMidiHardwareAttached());
    EXPECT_EQ(editor->deviceStatusText(), "ESX v1.3 detected");
}

// JACK, as the midi tests run it: its port names may be far longer than a list slot.
TEST(TetherPortList, HoldsTwentyPortsAndCutsLongNames)
{
    const std::string longClient = uniqueClientName("long");
    std::vector<std::unique_ptr<esxsim::MidiPeer>> peers;
    std::string longName;
    for (int i = 0; i < 24; ++i)
    {
        peers.push_back(std::make_unique<esxsim::MidiPeer>(i == 0 ? longClient : uniqueClientName("port")));
        const std::string name =
            peers.back()->openOwnPort(midi::Direction::Input, i == 0 ? std::string(200, 'p') : "in");
        if (i == 0)
            longName = name;
    }
    RecordingHost host;
    auto synth = std::make_unique<SynthCommons>(RecordingHost::callback);

    // A JACK server busy with other tests may refuse a client for a moment; the menus ask again.
    EXPECT_TRUE(waitUntil([&] { return synth->TetherMidiOutGetNbDevices() == 20u; }))
        << synth->TetherMidiOutGetNbDevices() << " ports listed";
    ASSERT_EQ(synth->TetherMidiOutGetNbDevices(), 20u);
    EXPECT_EQ(synth->TetherMidiOutGetDeviceName(20), nullptr);
    bool longNameListed = false;
    for (std::uint32_t i = 0; i < 20; ++i)
    {
        const std::string listed = synth->TetherMidiOutGetDeviceName(i);
        EXPECT_LE(listed.size(), 127u);
        longNameListed = longNameListed || (listed.size() == 127 && longName.rfind(listed, 0) == 0);
    }
    EXPECT_TRUE(longNameListed) << "the first port, its name cut to 127 characters";
}
// The lists are taken when the plug-in is created; other programs' ports come and go after.
TEST(TetherPortList, OpensTheListedPortAfterOtherPortsHaveGone)
{
    auto leaving = std::make_unique<esxsim::MidiPeer>(uniqueClientName("leaving"));
    leaving->openOwnPort(midi::Direction::Input, "in");
    auto returning = std::make_unique<esxsim::MidiPeer>(uniqueClientName("leaving"));
    returning->openOwnPort(midi::Direction::Output, "out");
    EsxSimulator simulator(uniqueClientName("esx"));
    RecordingHost host;
    auto synth = std::make_unique<SynthCommons>(RecordingHost::callback);

    leaving.reset(); // listed before the device's ports
    returning.reset();

    ASSERT_TRUE(connectToDevice(*synth, simulator.inputPortName(), simulator.outputPortName()));
    EXPECT_TRUE(deviceDetected(*synth));
}
TEST(TetherPortList, APortThatHasGoneDoesNotOpen)
{
    auto simulator = std::make_unique<EsxSimulator>(uniqueClientName("esx"));
    const std::string input = simulator->inputPortName();
    const std::string output = simulator->outputPortName();
    RecordingHost host;
    auto synth = std::make_unique<SynthCommons>(RecordingHost::callback);

    simulator.reset();

    EXPECT_FALSE(connectToDevice(*synth, input, output));
    EXPECT_EQ(synth->tetherMidiOutPort, -1);
    EXPECT_EQ(synth->tetherMidiInPort, -1);
}
} // namespace
