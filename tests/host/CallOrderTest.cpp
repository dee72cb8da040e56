// Calls in the orders and with the arguments real hosts produce: processing before resume,
// empty blocks, editor calls without a window, null pointers, unknown opcodes, closing.
#include "PluginHost.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <limits>
#include <vector>

namespace
{
constexpr float kUntouched = 0.625f;

// Two output channels of `frames` samples followed by a guard, all set to kUntouched.
struct OutputBlock
{
    explicit OutputBlock(int frames, int guard = 16)
        : left(static_cast<size_t>(frames + guard), kUntouched), right(left)
    {
    }
    float* channels[2] = {nullptr, nullptr};
    std::vector<float> left;
    std::vector<float> right;

    float** outputs()
    {
        channels[0] = left.data();
        channels[1] = right.data();
        return channels;
    }
    // True when `count` samples of both channels, from `from` on, are `value`.
    bool holds(float value, size_t from, size_t count) const
    {
        for (size_t i = from; i < from + count; ++i)
            if (left[i] != value || right[i] != value)
                return false;
        return true;
    }
};

void process(const PluginInstance& plugin, float** outputs, int frames)
{
    float* noInputs[] = {nullptr, nullptr};
    plugin.effect()->processReplacing(plugin.effect(), noInputs, outputs, frames);
}

TEST(CallOrder, ProcessingBeforeOpenAndResumeWritesSilence)
{
    PluginInstance plugin;
    OutputBlock block(256);
    process(plugin, block.outputs(), 256);
    EXPECT_TRUE(block.holds(0.0f, 0, 256));
    EXPECT_TRUE(block.holds(kUntouched, 256, 16)); // not one sample more
}

TEST(CallOrder, EmptyAndNegativeBlocksWriteNothing)
{
    PluginInstance plugin;
    for (int frames : {0, -1, -4096})
    {
        OutputBlock block(0);
        process(plugin, block.outputs(), frames);
        EXPECT_TRUE(block.holds(kUntouched, 0, 16)) << frames;
    }
    EXPECT_TRUE(plugin.log().eventLists.empty());
    // Processing goes on normally afterwards.
    OutputBlock block(32);
    process(plugin, block.outputs(), 32);
    EXPECT_TRUE(block.holds(0.0f, 0, 32));
}

TEST(CallOrder, MissingOutputBuffersAreSkipped)
{
    PluginInstance plugin;
    process(plugin, nullptr, 64);
    OutputBlock block(64);
    float* onlyRight[] = {nullptr, block.right.data()};
    process(plugin, onlyRight, 64);
    EXPECT_TRUE(
        std::all_of(block.right.begin(), block.right.begin() + 64, [](float s) { return s == 0.0f; }));
}

TEST(CallOrder, LifecycleCallsInAnyOrder)
{
    PluginInstance plugin;
    plugin.dispatch(effMainsChanged, 0, 0); // suspend before any resume
    plugin.dispatch(effSetSampleRate, 0, 0, nullptr, 0.0f);
    plugin.dispatch(effSetBlockSize, 0, 0);
    plugin.dispatch(effMainsChanged, 0, 1);
    plugin.dispatch(effMainsChanged, 0, 1); // resume twice
    plugin.process(512);
    plugin.dispatch(effOpen);
    plugin.dispatch(effSetSampleRate, 0, 0, nullptr, 96000.0f);
    plugin.dispatch(effSetBlockSize, 0, 8192);
    plugin.process(8192);
    plugin.dispatch(effMainsChanged, 0, 0);
    plugin.process(16); // some hosts keep calling while suspended
    plugin.dispatch(effOpen);
    EXPECT_EQ(plugin.program(), 0);
    EXPECT_EQ(plugin.programName(), "A.01 Pvns1.01");
}

TEST(CallOrder, EditorCallsWithoutAParentWindow)
{
    PluginInstance plugin;
    ERect* rect = nullptr;
    ASSERT_EQ(plugin.dispatch(effEditGetRect, 0, 0, &rect), 1);
    EXPECT_EQ(rect->right - rect->left, 797);
    EXPECT_EQ(rect->bottom - rect->top, 203);
    EXPECT_EQ(plugin.dispatch(effEditGetRect, 0, 0, nullptr), 0);
    EXPECT_EQ(plugin.dispatch(effEditIdle), 0);
    EXPECT_EQ(plugin.dispatch(effEditClose), 0); // close without open
    EXPECT_EQ(plugin.dispatch(effEditIdle), 0);
    EXPECT_EQ(plugin.dispatch(effEditOpen, 0, 0, nullptr), 1); // no parent window: drawn offscreen
    EXPECT_EQ(plugin.dispatch(effEditKeyDown, 'a', 0), 0);
    EXPECT_EQ(plugin.dispatch(effEditKeyUp, 'a', 0), 0);
    EXPECT_EQ(plugin.dispatch(effEditIdle), 0);
    EXPECT_EQ(plugin.dispatch(effEditClose), 0);
    // With no window open, the host's program change applies at once.
    plugin.selectProgram(12);
    EXPECT_EQ(plugin.program(), 12);
    EXPECT_EQ(plugin.programName(), "A.13 Pvns1.01");
}

TEST(CallOrder, NullPointersToPointerOpcodes)
{
    PluginInstance plugin;
    const PluginSnapshot before = snapshotOf(plugin);
    // The answer each opcode gives with a pointer too, where that answer does not depend on it.
    const std::pair<int, vst::intptr> cases[] = {
        {effSetProgramName, 0},
        {effGetProgramName, 0},
        {effGetParamLabel, 0},
        {effGetParamDisplay, 0},
        {effGetParamName, 0},
        {effGetChunk, 0},
        {effSetChunk, 0},
        {effProcessEvents, 1},
        {effGetProgramNameIndexed, 0},
        {effGetInputProperties, 0},
        {effGetOutputProperties, 0},
        {effGetEffectName, 0},
        {effGetVendorString, 0},
        {effGetProductString, 0},
        {effGetMidiProgramName, 0},
        {effGetCurrentMidiProgram, 0},
        {effGetMidiProgramCategory, 0},
        {effGetMidiKeyName, 0},
        {effCanDo, -1},
    };
    for (const auto& [opcode, answer] : cases)
        EXPECT_EQ(plugin.dispatch(opcode, 0, 8, nullptr), answer) << "opcode " << opcode;
    EXPECT_EQ(snapshotOf(plugin), before);
}

// Answers that a host's generous buffer shows: text, its zero, and nothing after.
TEST(CallOrder, TextAnswersWriteNothingBeyondTheirEnd)
{
    PluginInstance plugin;
    struct Query
    {
        int opcode;
        int index;
    };
    std::vector<Query> queries = {{effGetEffectName, 0},
                                  {effGetVendorString, 0},
                                  {effGetProductString, 0},
                                  {effGetProgramName, 0},
                                  {effGetProgramNameIndexed, 255}};
    for (int i = 0; i < 67; ++i)
        for (int opcode : {effGetParamName, effGetParamDisplay, effGetParamLabel})
            queries.push_back({opcode, i});
    for (const Query& q : queries)
    {
        char buffer[256];
        std::memset(buffer, 0x5A, sizeof buffer);
        plugin.dispatch(q.opcode, q.index, 0, buffer);
        const size_t length = strnlen(buffer, sizeof buffer);
        ASSERT_LT(length, sizeof buffer) << "opcode " << q.opcode << " left its text unterminated";
        const bool untouched =
            std::all_of(buffer + length + 1, buffer + sizeof buffer, [](char c) { return c == 0x5A; });
        EXPECT_TRUE(untouched) << "opcode " << q.opcode << " index " << q.index << " wrote past \"" << buffer
                               << "\"";
    }
}

TEST(CallOrder, MalformedEventListsFromTheHost)
{
    PluginInstance plugin;
    plugin.process(32);
    VstMidiEvent note{};
    note.type = kVstMidiType;
    note.byteSize = sizeof note;
    note.midiData[0] = static_cast<char>(0x99);
    note.midiData[1] = 36;
    note.midiData[2] = 100;
    VstMidiSysexEvent sysex{};
    sysex.type = kVstSysExType;
    sysex.byteSize = sizeof sysex;
    sysex.dumpBytes = 4096; // and no data
    VstEvent unknown{};
    unknown.type = 99;
    struct
    {
        vst::int32 numEvents;
        vst::intptr reserved;
        VstEvent* events[6];
    } list{6,
           0,
           {nullptr, reinterpret_cast<VstEvent*>(&note), reinterpret_cast<VstEvent*>(&note),
            reinterpret_cast<VstEvent*>(&sysex), &unknown, nullptr}};
    auto* events = reinterpret_cast<VstEvents*>(&list);
    EXPECT_EQ(plugin.dispatch(effProcessEvents, 0, 0, events), 1);
    list.numEvents = 0;
    EXPECT_EQ(plugin.dispatch(effProcessEvents, 0, 0, events), 1);
    list.numEvents = -5;
    EXPECT_EQ(plugin.dispatch(effProcessEvents, 0, 0, events), 1);
    plugin.process(32);
    EXPECT_TRUE(plugin.log().eventLists.empty()); // Tether mode: nothing travels through the host
}

TEST(CallOrder, OpcodesThePluginDoesNotKnow)
{
    PluginInstance plugin;
    const PluginSnapshot before = snapshotOf(plugin);
    char scratch[256] = {};
    const vst::int32 unknown[] = {effGetVu,
                                  effEditDraw,
                                  effEditMouse,
                                  effEditKey,
                                  effEditTop,
                                  effEditSleep,
                                  effIdentify,
                                  effString2Parameter,
                                  effCopyProgram,
                                  effConnectInput,
                                  effConnectOutput,
                                  effGetCurrentPosition,
                                  effOfflineNotify,
                                  effSetBypass,
                                  effGetErrorText,
                                  effVendorSpecific,
                                  effGetTailSize,
                                  effIdle,
                                  effGetIcon,
                                  effKeysRequired,
                                  effStartProcess,
                                  effStopProcess,
                                  effShellGetNextPlugin,
                                  effSetProcessPrecision,
                                  80,
                                  200,
                                  -1};
    for (vst::int32 opcode : unknown)
        plugin.dispatch(opcode, 0, 0, scratch);
    EXPECT_EQ(snapshotOf(plugin), before);
}

TEST(CallOrder, FixedAnswersOfTheProgramAndMidiNameCalls)
{
    PluginInstance plugin;
    char scratch[512] = {};
    EXPECT_EQ(plugin.dispatch(effBeginSetProgram), 1);
    EXPECT_EQ(plugin.dispatch(effEndSetProgram), 1);
    EXPECT_EQ(plugin.dispatch(effBeginLoadBank, 0, 0, scratch), 1);
    EXPECT_EQ(plugin.dispatch(effBeginLoadProgram, 0, 0, scratch), 1);
    EXPECT_EQ(plugin.dispatch(effGetMidiProgramName, 0, 0, scratch), 0);
    EXPECT_EQ(plugin.dispatch(effGetCurrentMidiProgram, 0, 0, scratch), 0);
    EXPECT_EQ(plugin.dispatch(effGetMidiProgramCategory, 0, 0, scratch), 0);
    EXPECT_EQ(plugin.dispatch(effHasMidiProgramsChanged), 0);
    EXPECT_EQ(plugin.dispatch(effGetMidiKeyName, 0, 0, scratch), 0);
}

TEST(CallOrder, CloseDeletesTheInstanceAndItNeverCallsBack)
{
    const int straysBefore = pluginHost::strayCalls();
    for (int round = 0; round < 8; ++round)
    {
        PluginInstance plugin{HostAnswers{round % 2 ? "Live" : "Cakewalk"}};
        plugin.setParameter(round, 0.5f);
        plugin.process(64);
        EXPECT_EQ(plugin.close(), 1);
    }
    PluginInstance closedAtOnce; // constructed and closed with nothing in between
    EXPECT_EQ(closedAtOnce.close(), 1);
    EXPECT_EQ(pluginHost::strayCalls(), straysBefore);
}
} // namespace
