// What arrives from the Tether MIDI input, fed straight into the receive path as the port
// layer's callback does: broken, interleaved and oversized input gets a clear reaction.
#include "MidiTestSupport.h"
#include "core/SynthCommons.h"
#include "editor/SynthEditor.h"
#include "support/RecordingHost.h"
#include "sysex/InitPatterns.h"
#include "sysex/SysexFormat.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace
{
using namespace miditest;
using Bytes = std::vector<unsigned char>;

constexpr std::size_t kMaxReception = 4 * kBankDumpLength;

std::array<std::uint8_t, kPatternDataSize> patternNamed(const char* name)
{
    std::array<std::uint8_t, kPatternDataSize> image = INIT_PATCH;
    for (std::size_t i = 8; i < image.size(); i += 13)
        image[i] = static_cast<std::uint8_t>(i * 7);
    std::copy(name, name + 8, image.begin());
    return image;
}

Bytes patternDumpOf(const std::array<std::uint8_t, kPatternDataSize>& image)
{
    std::uint32_t length = 0;
    std::unique_ptr<unsigned char[]> dump(SynthCommons::sysex_ConstructSysexFromData(
        kPatternDumpHeader, kPatternDumpHeaderLength, image.data(), kPatternDataSize, &length));
    return Bytes(dump.get(), dump.get() + length);
}

std::vector<Bytes> fragmentsOf(const Bytes& message, std::size_t size)
{
    std::vector<Bytes> fragments;
    for (std::size_t at = 0; at < message.size(); at += size)
        fragments.emplace_back(message.begin() + at, message.begin() + std::min(message.size(), at + size));
    return fragments;
}

class TetherReceive : public PluginTest
{
protected:
    TetherReceive() { editor->editorControlsLib_RemoveQuestion(); }

    void deliver(const Bytes& message) { synth.TetherMidiReceive(message, false); }

    void deliverAll(const std::vector<Bytes>& messages)
    {
        for (const Bytes& message : messages)
            deliver(message);
    }

    bool patternDumpAsked() const
    {
        return editor->questionPending && editor->questionType == QUESTION_ACCEPT_PATTERN_DUMP;
    }

    bool received(const std::array<std::uint8_t, kPatternDataSize>& image) const
    {
        return std::equal(image.begin(), image.end(), synth.dumpReceiveData);
    }

    // Nothing reached the parameters, the host or the dump exchange.
    void expectNothingHappened()
    {
        EXPECT_TRUE(host.automation().empty());
        EXPECT_TRUE(host.eventLists().empty());
        EXPECT_FALSE(synth.sysexReceiving);
        EXPECT_FALSE(editor->questionPending);
    }

    const std::array<std::uint8_t, kPatternDataSize> pattern = patternNamed("Received");
};

// Bytes that the receive path treats specially come more often than by chance.
Bytes randomMessage(std::mt19937& random)
{
    static const unsigned char kTelling[] = {0xF0, 0xF7, 0xF8, 0xFE, 0xB0, 0xB9, 0x90, 0x42, 0x30, 0x71, 0x40,
                                             0x4C, 0x7E, 0x06, 0x02, 0x63, 0x62, 0x06, 0x26, 0x7F, 0x00};
    Bytes message(std::uniform_int_distribution<std::size_t>(0, 40)(random));
    for (unsigned char& byte : message)
        byte = random() % 3 ? kTelling[random() % sizeof kTelling] : static_cast<unsigned char>(random());
    return message;
}

TEST_F(TetherReceive, RandomBytesLeaveTheReceivePathWorking)
{
    std::mt19937 random(20240611);
    for (int i = 0; i < 20000; ++i)
        deliver(randomMessage(random));

    synth.sysex_IncompleteDumpCheck(); // what 3 s of silence bring
    deliver({kSysexEnd});              // ends a reception already longer than a dump
    editor->editorControlsLib_RemoveQuestion();
    ASSERT_FALSE(synth.sysexReceiving);

    deliver(patternDumpOf(pattern));
    EXPECT_TRUE(patternDumpAsked());
    EXPECT_TRUE(received(pattern));
}

TEST_F(TetherReceive, RealTimeBytesInsideSysexAreRemovedBeforeJoining)
{
    Bytes dump = patternDumpOf(pattern);
    const unsigned char realTime[] = {0xF8, 0xFA, 0xFB, 0xFC, 0xFE, 0xFF};
    for (std::size_t at = 100, k = 0; at < dump.size() - 1; at += 101, ++k)
        dump.insert(dump.begin() + static_cast<long>(at), realTime[k % sizeof realTime]);

    deliverAll(fragmentsOf(dump, 1024));

    EXPECT_TRUE(patternDumpAsked());
    EXPECT_TRUE(received(pattern));
}

// A status byte inside a reception ends it: the piece before it is completed from the initial
// pattern (and, requested, becomes the current program); what follows is a message of its own.
TEST_F(TetherReceive, AStatusByteInsideASysexReceptionEndsIt)
{
    const Bytes dump = patternDumpOf(pattern);
    const Bytes cut(dump.begin(), dump.begin() + 2000);
    const Bytes controlChange = {0xB0, 0x4A, 0x10}; // Keyboard1 cutoff
    Bytes glued = cut;
    glued.insert(glued.end(), dump.begin(), dump.end());
    struct Case
    {
        const char* name;
        std::vector<Bytes> messages;
        bool nextDumpOffered;
    };
    const Case cases[] = {
        {"a control change between two pieces",
         {cut, controlChange, Bytes(dump.begin() + 2000, dump.end())},
         false},
        {"the next dump", {cut, dump}, true},
        {"the next dump glued to the cut one", {glued}, true},
        {"a control change glued to the cut one",
         {Bytes{0xF0, 0x42, 0x30, 0x71, 0x40, 0x01, 0xB0, 0x4A, 0x10}},
         false},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        host.clear();
        auto fresh = std::make_unique<SynthCommons>(RecordingHost::callback);
        SynthEditor* freshEditor = fresh->getSynthEditor();
        freshEditor->editorControlsLib_RemoveQuestion();
        fresh->expectedDumpType = SYSEX_CURRENT_PATTERN_DUMP;
        for (const Bytes& message : c.messages)
            fresh->TetherMidiReceive(message, false);

        EXPECT_FALSE(fresh->sysexReceiving);
        EXPECT_EQ(freshEditor->infoLineText(), "Warning incomplete dump");
        EXPECT_EQ(fresh->expectedDumpType, kNoDumpType) << "the cut dump was taken as the requested one";
        EXPECT_EQ(freshEditor->questionPending, c.nextDumpOffered);
        if (c.nextDumpOffered)
        {
            EXPECT_TRUE(std::equal(pattern.begin(), pattern.end(), fresh->dumpReceiveData));
        }
        else
        {
            EXPECT_FALSE(host.automation().empty()) << "the control change reached the parameter";
        }
    }
}

TEST_F(TetherReceive, SysexGrowingBeyondFourBankDumpsIsDroppedWithDumpError)
{
    Bytes piece(1024, 0x11);
    const unsigned char header[] = {0xF0, 0x42, 0x30, 0x71, 0x4C, 0x00};
    std::copy(std::begin(header), std::end(header), piece.begin());
    deliver(piece);
    std::fill(piece.begin(), piece.begin() + 6, 0x11);
    for (std::size_t sent = piece.size(); sent <= kMaxReception + piece.size(); sent += piece.size())
        deliver(piece);

    EXPECT_EQ(editor->infoLineText(), "Dump error");
    EXPECT_LE(synth.sysexReceiveCapacity, kMaxReception);
    expectNothingHappened();

    deliver(patternDumpOf(pattern));
    EXPECT_TRUE(patternDumpAsked()) << "the next dump is received as usual";
}

TEST_F(TetherReceive, SysexLongerThanABankDumpIsADumpError)
{
    Bytes message = INIT_BANK_SYSEX;
    message.insert(message.end() - 1, 5000, 0x22);

    deliverAll(fragmentsOf(message, 1024));

    EXPECT_EQ(editor->infoLineText(), "Dump error");
    expectNothingHappened();
}

TEST_F(TetherReceive, OneHugeMessageIsDroppedAtOnce)
{
    Bytes message(kMaxReception, 0x33);
    message[0] = kSysexStart;
    message.back() = kSysexEnd;

    deliver(message);

    EXPECT_EQ(editor->infoLineText(), "Dump error");
    EXPECT_EQ(synth.sysexReceiveCapacity, 0u) << "nothing was allocated for it";
    expectNothingHappened();
}

TEST_F(TetherReceive, ThousandsOfTinyFragmentsJoinIntoOneDump)
{
    const Bytes dump = patternDumpOf(pattern);
    deliver(Bytes(dump.begin(), dump.begin() + 5)); // a reception starts only with more than 4 bytes
    for (std::size_t at = 5; at < dump.size(); ++at)
        deliver({dump[at]});

    EXPECT_TRUE(patternDumpAsked());
    EXPECT_TRUE(received(pattern));
    EXPECT_EQ(editor->postProcessPendingCount(POSTPROCESS_INCOMPLETE_DUMP_CHECK), 0)
        << "the end of the message withdraws the check";
    editor->postProcessExecute();
    EXPECT_EQ(editor->syncingText().rfind("Receiving current pattern...", 0), 0u);
    EXPECT_FALSE(editor->syncingShown()) << "hidden at the end";
}

TEST_F(TetherReceive, ShortAndOddMessagesAreIgnored)
{
    const Bytes messages[] = {
        {},
        {0xB0},
        {0xB0, 0x4A},
        {0xC0, 0x05},             // program change
        {0xB0, 0x4A, 0x10, 0x00}, // four bytes
        {0xF0, 0x42, 0x30, 0xF7}, // too short to start a reception
        {0xF0, 0x42, 0x30, 0x71},
        {0xF8, 0xFE},       // real time only
        {0x4A, 0x10, 0x20}, // no status byte
        {0xB0, 0xCA, 0x10}, // a data byte out of range
        {kSysexEnd},
    };
    for (const Bytes& message : messages)
        deliver(message);

    expectNothingHappened();
    deliver({0xB0, 0x4A, 0x10});
    EXPECT_FALSE(host.automation().empty()) << "a control change after them is taken";
}

TEST_F(TetherReceive, WhatIsPlayedOnTheDeviceReachesTheHost)
{
    const std::vector<std::vector<std::uint8_t>> played = {
        {0x99, 36, 100}, {0xA9, 36, 20}, {0xE1, 0x00, 0x40}, {0xF2, 0x10, 0x20}};
    for (const auto& message : played)
        deliver(Bytes(message.begin(), message.end()));

    EXPECT_EQ(host.midiBytes(), played);
    EXPECT_TRUE(host.automation().empty());
}

TEST_F(TetherReceive, DumpCutShortIsCompletedFromTheInitialPatternAfterThreeSeconds)
{
    const Bytes dump = patternDumpOf(pattern);
    deliverAll(fragmentsOf(Bytes(dump.begin(), dump.begin() + 3000), 1024));

    editor->postProcessExecute();
    EXPECT_TRUE(synth.sysexReceiving) << "the check waits 3 s after the last piece";
    ASSERT_TRUE(waitUntil(
        [this]
        {
            editor->postProcessExecute();
            return !synth.sysexReceiving;
        },
        5s));

    EXPECT_EQ(editor->infoLineText(), "Warning incomplete dump");
    EXPECT_TRUE(patternDumpAsked());
    // 2995 packed bytes carry the first 2620 bytes of the pattern; the rest is the initial one.
    EXPECT_TRUE(std::equal(pattern.begin(), pattern.begin() + 2620, synth.dumpReceiveData));
    EXPECT_TRUE(std::equal(INIT_PATCH.begin() + 2627, INIT_PATCH.end(), synth.dumpReceiveData + 2627));
}

TEST_F(TetherReceive, AWholeDumpWithoutItsEndIsCompletedByTheCheck)
{
    const Bytes dump = patternDumpOf(pattern);
    deliverAll(fragmentsOf(Bytes(dump.begin(), dump.end() - 1), 1024));
    ASSERT_TRUE(synth.sysexReceiving);

    editor->postProcessRunPending(POSTPROCESS_INCOMPLETE_DUMP_CHECK);

    EXPECT_FALSE(synth.sysexReceiving);
    EXPECT_EQ(editor->infoLineText(), "Warning incomplete dump");
    EXPECT_TRUE(patternDumpAsked());
    EXPECT_TRUE(received(pattern)) << "only the F7 came from the initial pattern";
}

// The MIDI interface test through an interface that cuts long SysEx messages, delivering what
// it passes in pieces of 1024 bytes as WinMM does: the initial pattern that completes a cut
// dump is the very message the test sent, and must not make the test pass.
TEST_F(TetherReceive, TheMidiTestFindsACutSysexMessagePartiallyCompatible)
{
    const struct
    {
        std::size_t passed;
        bool timeOutFirst; // the test's 5 s time-out before the 3 s check after the last piece
        const char* verdict;
    } cases[] = {
        {2048, false, "PARTIALLY COMPATIBLE"},
        {4000, false, "PARTIALLY COMPATIBLE"},
        {4897, false, "PARTIALLY COMPATIBLE"},
        {4000, true, "PARTIALLY COMPATIBLE"},
        {INIT_PATCH_SYSEX.size(), false, "FULLY COMPATIBLE"},
    };
    const Bytes nrpnOnChannel2[] = {{0xB1, 99, 10}, {0xB1, 98, 20}, {0xB1, 6, 99}, {0xB1, 38, 101}};
    for (const auto& c : cases)
    {
        SCOPED_TRACE(std::to_string(c.passed) + (c.timeOutFirst ? " bytes, time-out first" : " bytes"));
        auto fresh = std::make_unique<SynthCommons>(RecordingHost::callback);
        SynthEditor* panel = fresh->getSynthEditor();
        panel->editorControlsLib_RemoveQuestion();
        fresh->midiTest_Start();
        for (const Bytes& stage : {Bytes{0xBB, 0x0B, 0x6F}, Bytes{0xB0, 0x21, 0x37}})
            fresh->TetherMidiReceive(stage, false);
        for (const Bytes& controller : nrpnOnChannel2)
            fresh->TetherMidiReceive(controller, false);
        ASSERT_EQ(fresh->midiTestStep, 3u) << "the SysEx stage is reached";

        const Bytes passed(INIT_PATCH_SYSEX.begin(), INIT_PATCH_SYSEX.begin() + c.passed);
        for (const Bytes& piece : fragmentsOf(passed, 1024))
            fresh->TetherMidiReceive(piece, false);
        e_EditorPostProcessType due[] = {POSTPROCESS_INCOMPLETE_DUMP_CHECK, POSTPROCESS_MIDI_TEST_TIMEOUT};
        if (c.timeOutFirst)
            std::swap(due[0], due[1]);
        for (const e_EditorPostProcessType action : due)
            panel->postProcessRunPending(action);

        EXPECT_EQ(panel->midiTestResultLine(0), c.verdict);
        EXPECT_EQ(fresh->pluginMode, PLUGIN_MODE_MIDI_TEST);
        EXPECT_FALSE(fresh->sysexReceiving);
        EXPECT_FALSE(panel->questionPending) << "the test's message became a dump";
        EXPECT_NE(panel->infoLineText(), "Warning incomplete dump");
    }
}

struct Abandoned
{
    const char* name;
    std::vector<Bytes> snapshots;
    Bytes fragment;
};

class TetherReceiveAbandoned : public TetherReceive, public ::testing::WithParamInterface<Abandoned>
{
};

TEST_P(TetherReceiveAbandoned, AfterTheCheckWithDumpError)
{
    for (const Bytes& snapshot : GetParam().snapshots)
        synth.TetherMidiReceive(snapshot, true);
    if (!GetParam().fragment.empty())
        deliver(GetParam().fragment);
    ASSERT_TRUE(synth.sysexReceiving);

    synth.sysex_IncompleteDumpCheck();

    EXPECT_EQ(editor->infoLineText(), "Dump error");
    expectNothingHappened();
}

const Bytes kDumpStart = {0xF0, 0x42, 0x30, 0x71, 0x40, 0x00, 0x00};

INSTANTIATE_TEST_SUITE_P(Receptions, TetherReceiveAbandoned,
                         ::testing::Values(Abandoned{"OnlySnapshots", {kDumpStart, kDumpStart}, {}},
                                           Abandoned{
                                               "AnotherMakersMessage", {}, {0xF0, 0x43, 0x10, 0x00, 0x01}}),
                         [](const auto& info) { return std::string(info.param.name); });
} // namespace
