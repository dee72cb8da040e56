// The state chunk: a project's programs and modes saved and restored byte for byte, a
// preset of one program, and every damaged, foreign or newer chunk refused with nothing
// changed and the reason in the info line.
#include "PluginFixture.h"
#include "editor/SynthEditor.h"
#include "sysex/InitPatterns.h"

#include <zlib.h>

#include <cstring>
#include <functional>
#include <random>
#include <vector>

namespace
{
using Bytes = std::vector<std::uint8_t>;

constexpr const char* kDamaged = "Saved state damaged: not loaded";
constexpr const char* kForeign = "Saved state of another plug-in: not loaded";
constexpr const char* kNewer = "Saved state of a newer Pavonis: not loaded";
constexpr const char* kEmpty = "Saved state empty: not loaded";
constexpr std::size_t kHead = 24;

std::uint32_t get32(const Bytes& bytes, std::size_t at)
{
    return bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 | std::uint32_t(bytes[at + 3]) << 24;
}

void put32(Bytes& bytes, std::size_t at, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        bytes[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

// A chunk made around a payload, as the plug-in packs it.
Bytes chunkOf(const Bytes& payload, std::uint32_t version = 1)
{
    uLongf packed = compressBound(static_cast<uLong>(payload.size()));
    Bytes chunk(kHead + packed);
    compress(&chunk[kHead], &packed, payload.data(), static_cast<uLong>(payload.size()));
    chunk.resize(kHead + packed);
    std::memcpy(chunk.data(), "Pavonis", 8);
    put32(chunk, 8, version);
    put32(chunk, 12, static_cast<std::uint32_t>(payload.size()));
    put32(chunk, 16, static_cast<std::uint32_t>(crc32(0, payload.data(), static_cast<uInt>(payload.size()))));
    put32(chunk, 20, static_cast<std::uint32_t>(packed));
    return chunk;
}

Bytes section(const char* tag, const Bytes& body)
{
    Bytes bytes(8 + body.size());
    std::copy(tag, tag + 4, bytes.begin());
    put32(bytes, 4, static_cast<std::uint32_t>(body.size()));
    std::copy(body.begin(), body.end(), bytes.begin() + 8);
    return bytes;
}

Bytes programSection(unsigned index, std::size_t length = 2 + 24 + kPatternDataSize)
{
    Bytes body(length, 0);
    body[0] = static_cast<std::uint8_t>(index);
    body[1] = static_cast<std::uint8_t>(index >> 8);
    std::memcpy(&body[2], "Piece", 5);
    return section("PROG", body);
}

Bytes operator+(Bytes a, const Bytes& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

Bytes projectPayload(int programs, Bytes current = {5, 0}, Bytes modes = {1, 0})
{
    Bytes payload = section("CURR", current) + section("MODE", modes) + section("PORT", Bytes(256, 0));
    for (int i = 0; i < programs; ++i)
        payload = payload + programSection(static_cast<unsigned>(i));
    return payload;
}

Image randomImage(std::mt19937& random, const char* name)
{
    Image image;
    for (std::uint8_t& byte : image)
        byte = static_cast<std::uint8_t>(random());
    std::memcpy(image.data(), name, 8);
    return image;
}
} // namespace

class Chunk : public PluginFixture
{
protected:
    void SetUp() override
    {
        PluginFixture::SetUp();
        editor()->editorControlsLib_RemoveQuestion();
    }

    void TearDown() override { editor()->setKnobMode(kKnobModeCircular); } // shared by every editor

    SynthEditor* editor() const { return synth->getSynthEditor(); }

    static Bytes chunkOfInstance(SynthCommons& instance, bool preset)
    {
        void* data = nullptr;
        const vst::int32 size = instance.getChunk(&data, preset);
        const auto* bytes = static_cast<const std::uint8_t*>(data);
        return Bytes(bytes, bytes + size);
    }

    Bytes chunk(bool preset = false) { return chunkOfInstance(*synth, preset); }

    static vst::int32 load(SynthCommons& instance, Bytes bytes)
    {
        return instance.setChunk(bytes.data(), static_cast<vst::int32>(bytes.size()), false);
    }

    // Several programs unlike the initial one, a current one with edits not yet flushed,
    // and modes other than the initial ones.
    void editSeveralPrograms()
    {
        std::mt19937 random(12);
        for (int program : {0, 63, 64, 130, 255})
            SynthCommons::patchLib_StorePattern(synth->programBank[program],
                                                randomImage(random, "Random  ").data());
        synth->setProgramProcess(9);
        store(PARAM_PART_FILTER_CUTOFF, 3, IntToFloat(17));
        store(PARAM_KEYBOARD_LEVEL, 1, IntToFloat(90));
        store(PARAM_GLOBAL_SWING, 0, IntToFloat(55));
        char name[] = "Groove";
        synth->setProgramName(name);
        synth->parameterLib_SetParameterValue(PARAM_MIDI_MODE, 0.0f, UPDATE_EDITOR);
        synth->parameterLib_SetParameterValue(PARAM_KNOB_MODE, 1.0f, UPDATE_EDITOR);
    }

    // Every program as it stands, the working one flushed.
    static std::vector<t_Patch> programsOf(SynthCommons& instance)
    {
        instance.patchLib_SetPatchFromParameters(&instance.workingProgram);
        std::vector<t_Patch> programs;
        for (int i = 0; i < kNumPrograms; ++i)
            programs.push_back(instance.programOf(i));
        return programs;
    }

    // Everything a refused chunk must leave alone, byte for byte.
    Bytes everything() const
    {
        Bytes bytes(reinterpret_cast<const std::uint8_t*>(synth->programBank),
                    reinterpret_cast<const std::uint8_t*>(synth->programBank + kNumPrograms));
        const auto* working = reinterpret_cast<const std::uint8_t*>(&synth->workingProgram);
        bytes.insert(bytes.end(), working, working + sizeof(t_Patch));
        bytes.push_back(static_cast<std::uint8_t>(synth->currentProgram));
        bytes.push_back(static_cast<std::uint8_t>(synth->midiMode));
        for (int i = 0; i < kNumHostParameters; ++i)
        {
            const float value = synth->getParameter(i);
            const auto* raw = reinterpret_cast<const std::uint8_t*>(&value);
            bytes.insert(bytes.end(), raw, raw + sizeof value);
        }
        return bytes;
    }
};

TEST_F(Chunk, AProjectComesBackByteForByteInAFreshInstance)
{
    editSeveralPrograms();
    const Bytes saved = chunk();
    const std::vector<t_Patch> expected = programsOf(*synth);

    RecordingHost otherHost;
    auto fresh = std::make_unique<SynthCommons>(RecordingHost::callback);
    fresh->getSynthEditor()->editorControlsLib_RemoveQuestion();
    fresh->getSynthEditor()->setKnobMode(kKnobModeCircular);
    fresh->parameterLib_SetParameterValue(PARAM_MIDI_MODE, 0.0f,
                                          UPDATE_EDITOR); // what is sent reaches the host
    fresh->audioRunning = true;
    ASSERT_EQ(load(*fresh, saved), 1);

    EXPECT_EQ(fresh->currentProgram, 9);
    for (int i = 0; i < kNumPrograms; ++i)
        EXPECT_EQ(std::memcmp(&fresh->programOf(i), &expected[i], sizeof(t_Patch)), 0) << "program " << i;
    EXPECT_EQ(fresh->midiMode, MIDI_MODE_HOST);
    EXPECT_EQ(SynthEditor::getKnobMode(), kKnobModeLinear);
    EXPECT_EQ(chunkOfInstance(*fresh, false), saved) << "saved again, the state is the same";

    // Nothing went to the device; the panel offers to send the pattern.
    fresh->midiQueue_ProcessVstEvents();
    EXPECT_TRUE(otherHost.midiBytes().empty());
    EXPECT_TRUE(fresh->getSynthEditor()->questionPending);
    EXPECT_EQ(fresh->getSynthEditor()->questionText(), "Sync now ?");
}

TEST_F(Chunk, APresetReplacesTheCurrentProgramOnly)
{
    editSeveralPrograms();
    const Bytes preset = chunk(true);
    const std::vector<t_Patch> source = programsOf(*synth);

    auto other = std::make_unique<SynthCommons>(RecordingHost::callback);
    other->setProgramProcess(200);
    const std::vector<t_Patch> before = programsOf(*other);
    ASSERT_EQ(load(*other, preset), 1);

    const std::vector<t_Patch> after = programsOf(*other);
    EXPECT_EQ(other->currentProgram, 200);
    EXPECT_EQ(std::memcmp(&after[200], &source[9], sizeof(t_Patch)), 0);
    EXPECT_STREQ(after[200].name, "Groove");
    for (int i = 0; i < kNumPrograms; ++i)
        EXPECT_TRUE(i == 200 || std::memcmp(&after[i], &before[i], sizeof(t_Patch)) == 0) << "program " << i;
    EXPECT_EQ(other->midiMode, MIDI_MODE_TETHER) << "a preset carries no modes";
}

TEST_F(Chunk, TheBareChunkOfEarlierProjectsIsAcceptedAndChangesNothing)
{
    editSeveralPrograms();
    const Bytes before = everything();
    EXPECT_EQ(load(*synth, Bytes{'P', 'a', 'v', 'o', 'n', 'i', 's', 0}), 1);
    EXPECT_EQ(everything(), before);
    EXPECT_FALSE(editor()->questionPending);
}

TEST_F(Chunk, SectionsOfALaterAdditionArePassedOver)
{
    Bytes payload = projectPayload(kNumPrograms) + section("XTRA", Bytes(40, 7));
    EXPECT_EQ(load(*synth, chunkOf(payload)), 1);
    EXPECT_EQ(synth->currentProgram, 5);
    EXPECT_STREQ(synth->programOf(200).name, "Piece");
}

struct Refusal
{
    const char* what;
    std::function<Bytes(const Bytes& valid)> make;
    const char* text;
};

class ChunkRefusal : public Chunk, public ::testing::WithParamInterface<Refusal>
{
};

TEST_P(ChunkRefusal, ChangesNothingAndSaysWhy)
{
    editSeveralPrograms();
    const Bytes valid = chunk();
    const Bytes refused = GetParam().make(valid);
    const Bytes before = everything();
    editor()->editorControlsLib_DisplayCurrentParameterInfo("untouched");

    EXPECT_EQ(load(*synth, refused), 0);
    EXPECT_EQ(synth->setChunk(const_cast<std::uint8_t*>(refused.data()),
                              static_cast<vst::int32>(refused.size()), true),
              0)
        << "as a preset";

    EXPECT_EQ(everything(), before);
    EXPECT_EQ(editor()->infoLineText(), GetParam().text);
    EXPECT_FALSE(editor()->questionPending);
}

Bytes cut(const Bytes& bytes, std::size_t length)
{
    return Bytes(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(length));
}

Bytes withByte(Bytes bytes, std::size_t at, std::uint8_t value)
{
    bytes[at] = value;
    return bytes;
}

Bytes with32(Bytes bytes, std::size_t at, std::uint32_t value)
{
    put32(bytes, at, value);
    return bytes;
}

// A later version chooses its own head after the version number.
Bytes newer(const Bytes& valid)
{
    return with32(valid, 8, 2);
}

const Refusal kRefusals[] = {
    {"nothing at all", [](const Bytes&) { return Bytes{}; }, kEmpty},
    {"another plug-in's chunk", [](const Bytes&) { return Bytes(300, 'C'); }, kForeign},
    {"a name without its zero", [](const Bytes& v) { return withByte(v, 7, '!'); }, kForeign},
    {"four bytes", [](const Bytes& v) { return cut(v, 4); }, kForeign},
    {"cut after the name", [](const Bytes& v) { return cut(v, 9); }, kDamaged},
    {"cut inside the head", [](const Bytes& v) { return cut(v, 23); }, kDamaged},
    {"the head alone", [](const Bytes& v) { return cut(v, kHead); }, kDamaged},
    {"cut in the middle", [](const Bytes& v) { return cut(v, v.size() / 2); }, kDamaged},
    {"one byte short", [](const Bytes& v) { return cut(v, v.size() - 1); }, kDamaged},
    {"one byte too many", [](const Bytes& v) { return v + Bytes{0}; }, kDamaged},
    {"a byte of the stream changed",
     [](const Bytes& v) { return withByte(v, v.size() / 2, v[v.size() / 2] ^ 0x10); }, kDamaged},
    {"a wrong checksum", [](const Bytes& v) { return with32(v, 16, get32(v, 16) ^ 1); }, kDamaged},
    {"a payload length too long", [](const Bytes& v) { return with32(v, 12, get32(v, 12) + 1); }, kDamaged},
    {"a huge payload length", [](const Bytes& v) { return with32(v, 12, 0xFFFFFFF0u); }, kDamaged},
    {"version 0", [](const Bytes& v) { return with32(v, 8, 0); }, kDamaged},
    {"version 2", [](const Bytes& v) { return with32(v, 8, 2); }, kNewer},
    {"the last version there can be", [](const Bytes& v) { return with32(v, 8, 0xFFFFFFFFu); }, kNewer},
    {"a newer version with a shorter head", [](const Bytes& v) { return cut(newer(v), 12); }, kNewer},
    {"a newer version with a longer stream", [](const Bytes& v) { return newer(v) + Bytes(40, 1); }, kNewer},
    {"a newer version with another checksum", [](const Bytes& v) { return with32(newer(v), 16, 5); }, kNewer},
    {"a newer version with a larger payload",
     [](const Bytes& v) { return with32(newer(v), 12, 0xFFFFFFF0u); }, kNewer},
    {"a newer version with another stream", [](const Bytes& v) { return withByte(newer(v), 30, 0x55); },
     kNewer},
    {"a project without one program", [](const Bytes&) { return chunkOf(projectPayload(kNumPrograms - 1)); },
     kDamaged},
    {"a program twice",
     [](const Bytes&) { return chunkOf(projectPayload(kNumPrograms) + programSection(3)); }, kDamaged},
    {"program 256",
     [](const Bytes&) { return chunkOf(projectPayload(kNumPrograms - 1) + programSection(256)); }, kDamaged},
    {"current program 256",
     [](const Bytes&) {
         return chunkOf(projectPayload(kNumPrograms, {0, 1}));
     },
     kDamaged},
    {"MIDI mode 2",
     [](const Bytes&) {
         return chunkOf(projectPayload(kNumPrograms, {5, 0}, {2, 0}));
     },
     kDamaged},
    {"a short program section", [](const Bytes&) { return chunkOf(programSection(0, 100)); }, kDamaged},
    {"a section longer than the payload",
     [](const Bytes&) { return chunkOf(programSection(0) + Bytes{'P'}); }, kDamaged},
    {"a preset of two programs", [](const Bytes&) { return chunkOf(programSection(0) + programSection(1)); },
     kDamaged},
    {"no section at all", [](const Bytes&) { return chunkOf(Bytes{}); }, kDamaged},
};

INSTANTIATE_TEST_SUITE_P(Chunks, ChunkRefusal, ::testing::ValuesIn(kRefusals),
                         [](const ::testing::TestParamInfo<Refusal>& info)
                         { return testNameOf(info.param.what); });
