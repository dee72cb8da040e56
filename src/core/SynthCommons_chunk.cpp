// The state chunk: what the host keeps in its project (every program, the current one,
// the MIDI and knob modes and the chosen Tether ports) or in a preset (the current
// program). The layout is described in ChunkFormat.h.
#include "../editor/SynthEditor.h"
#include "../params/ParameterValues.h"
#include "ChunkFormat.h"
#include "SynthCommons.h"

#include <zlib.h>

#include <algorithm>
#include <cstring>
#include <new>

enum e_ChunkKind : int
{
    CHUNK_BARE,    // the product name alone, from before the state was kept
    CHUNK_PRESET,  // one program
    CHUNK_PROJECT, // everything
};

// Everything a chunk carries, on its way out of or into a plug-in.
struct t_ChunkState
{
    e_ChunkKind kind = CHUNK_BARE;
    t_Patch programs[kNumPrograms]{};
    bool present[kNumPrograms]{};
    int programCount = 0;
    int currentProgram = 0;
    int midiMode = MIDI_MODE_TETHER;
    int knobMode = 0;
    char outPort[kTetherPortNameLength]{};
    char inPort[kTetherPortNameLength]{};
};

namespace
{
using Bytes = std::vector<std::uint8_t>;

constexpr std::uint32_t kProgramSectionLength = 2 + kPatchNameLength + kPatternDataSize;

// The info line's texts, by e_ChunkRefusal.
constexpr const char* kRefusalTexts[] = {
    "",
    "Saved state of another plug-in: not loaded",
    "Saved state damaged: not loaded",
    "Saved state of a newer Pavonis: not loaded",
    "Saved state empty: not loaded",
};

void put16(Bytes& out, unsigned value)
{
    out.push_back(static_cast<std::uint8_t>(value));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void put32(Bytes& out, std::uint32_t value)
{
    put16(out, value & 0xFFFF);
    put16(out, value >> 16);
}

unsigned get16(const std::uint8_t* bytes)
{
    return bytes[0] | unsigned(bytes[1]) << 8;
}

std::uint32_t get32(const std::uint8_t* bytes)
{
    return get16(bytes) | std::uint32_t(get16(bytes + 2)) << 16;
}

void putBytes(Bytes& out, const void* bytes, std::size_t length)
{
    const auto* begin = static_cast<const std::uint8_t*>(bytes);
    out.insert(out.end(), begin, begin + length);
}

void putSectionHead(Bytes& out, std::uint32_t tag, std::uint32_t length)
{
    put32(out, tag);
    put32(out, length);
}

// A name field keeps the pattern name, at most 8 characters, and zeros after it.
void keepPatternName(char (&name)[kPatchNameLength])
{
    const std::size_t length = strnlen(name, kPatternNameLength);
    std::memset(name + length, 0, sizeof name - length);
}

// A text field of fixed size, always zero-terminated.
template <std::size_t N> void readText(char (&text)[N], const std::uint8_t* bytes)
{
    std::memcpy(text, bytes, N);
    text[N - 1] = 0;
}

// --- Sections: each writer appends its whole sections, each reader takes one -------------

void writeCurrentProgram(const t_ChunkState& state, Bytes& out)
{
    putSectionHead(out, kChunkTagCurrentProgram, 2);
    put16(out, static_cast<unsigned>(state.currentProgram));
}

bool readCurrentProgram(t_ChunkState& state, const std::uint8_t* bytes)
{
    state.currentProgram = static_cast<int>(get16(bytes));
    state.kind = CHUNK_PROJECT;
    return state.currentProgram < kNumPrograms;
}

void writeModes(const t_ChunkState& state, Bytes& out)
{
    putSectionHead(out, kChunkTagModes, 2);
    out.push_back(static_cast<std::uint8_t>(state.midiMode));
    out.push_back(static_cast<std::uint8_t>(state.knobMode));
}

bool readModes(t_ChunkState& state, const std::uint8_t* bytes)
{
    state.midiMode = bytes[0];
    state.knobMode = bytes[1];
    return state.midiMode <= MIDI_MODE_TETHER && state.knobMode <= 1;
}

void writePorts(const t_ChunkState& state, Bytes& out)
{
    putSectionHead(out, kChunkTagPorts, 2 * kTetherPortNameLength);
    putBytes(out, state.outPort, kTetherPortNameLength);
    putBytes(out, state.inPort, kTetherPortNameLength);
}

bool readPorts(t_ChunkState& state, const std::uint8_t* bytes)
{
    readText(state.outPort, bytes);
    readText(state.inPort, bytes + kTetherPortNameLength);
    return true;
}

void writePrograms(const t_ChunkState& state, Bytes& out)
{
    for (int i = 0; i < kNumPrograms; ++i)
    {
        if (!state.present[i])
            continue;
        putSectionHead(out, kChunkTagProgram, kProgramSectionLength);
        put16(out, static_cast<unsigned>(i));
        putBytes(out, state.programs[i].name, kPatchNameLength);
        putBytes(out, state.programs[i].data, kPatternDataSize);
    }
}

bool readProgram(t_ChunkState& state, const std::uint8_t* bytes)
{
    const unsigned index = get16(bytes);
    if (index >= kNumPrograms || state.present[index])
        return false;
    t_Patch& program = state.programs[index];
    std::memcpy(program.name, bytes + 2, kPatchNameLength);
    keepPatternName(program.name);
    std::memcpy(program.data, bytes + 2 + kPatchNameLength, kPatternDataSize);
    state.present[index] = true;
    ++state.programCount;
    return true;
}

struct ChunkSection
{
    std::uint32_t tag;
    std::uint32_t length;
    bool inPreset;
    void (*write)(const t_ChunkState& state, Bytes& out);
    bool (*read)(t_ChunkState& state, const std::uint8_t* bytes);
};

constexpr ChunkSection kSections[] = {
    {kChunkTagCurrentProgram, 2, false, writeCurrentProgram, readCurrentProgram},
    {kChunkTagModes, 2, false, writeModes, readModes},
    {kChunkTagPorts, 2 * kTetherPortNameLength, false, writePorts, readPorts},
    {kChunkTagProgram, kProgramSectionLength, true, writePrograms, readProgram},
};

const ChunkSection* sectionOf(std::uint32_t tag)
{
    for (const ChunkSection& section : kSections)
        if (section.tag == tag)
            return &section;
    return nullptr;
}

// --- Payload -------------------------------------------------------------------------------

Bytes payloadOf(const t_ChunkState& state)
{
    Bytes payload;
    payload.reserve(kNumPrograms * (kChunkSectionHeadLength + kProgramSectionLength) + 1024);
    for (const ChunkSection& section : kSections)
        if (section.inPreset || state.kind == CHUNK_PROJECT)
            section.write(state, payload);
    return payload;
}

// Sections of other tags are passed over: they may carry what a later version adds
// without changing what this one reads.
bool readPayload(const Bytes& payload, t_ChunkState& state)
{
    state.kind = CHUNK_PRESET;
    std::size_t at = 0;
    while (at < payload.size())
    {
        if (payload.size() - at < kChunkSectionHeadLength)
            return false;
        const std::uint32_t tag = get32(&payload[at]);
        const std::uint32_t length = get32(&payload[at + 4]);
        at += kChunkSectionHeadLength;
        if (payload.size() - at < length)
            return false;
        const ChunkSection* section = sectionOf(tag);
        if (section && (section->length != length || !section->read(state, &payload[at])))
            return false;
        at += length;
    }
    if (state.kind == CHUNK_PROJECT)
        return state.programCount == kNumPrograms;
    return state.programCount == 1;
}

// Bytes that look random (every value about as frequent as the others) are stored as they
// are: deflate spends most of its time on bytes that it cannot shrink.
bool looksRandom(const std::uint8_t* bytes, std::size_t length)
{
    unsigned counts[256] = {};
    for (std::size_t i = 0; i < length; ++i)
        ++counts[bytes[i]];
    unsigned most = 0, distinct = 0;
    for (unsigned count : counts)
    {
        most = std::max(most, count);
        distinct += count != 0;
    }
    return distinct > 192 && most < length / 64;
}

// One zlib stream, deflated block by block at the level that suits the block.
bool deflateInto(const Bytes& payload, Bytes& chunk)
{
    constexpr std::size_t kBlock = 4096;
    z_stream stream{};
    if (deflateInit(&stream, Z_BEST_SPEED) != Z_OK)
        return false;
    chunk.assign(kChunkHeadLength + payload.size() + payload.size() / 64 + 4096, 0);
    stream.next_out = &chunk[kChunkHeadLength];
    stream.avail_out = static_cast<uInt>(chunk.size() - kChunkHeadLength);
    int level = Z_BEST_SPEED;
    bool ok = true;
    for (std::size_t at = 0; ok && at < payload.size(); at += kBlock)
    {
        const std::size_t length = std::min(kBlock, payload.size() - at);
        const int wanted = looksRandom(&payload[at], length) ? Z_NO_COMPRESSION : Z_BEST_SPEED;
        if (wanted != level)
            ok = deflateParams(&stream, wanted, Z_DEFAULT_STRATEGY) == Z_OK;
        level = wanted;
        stream.next_in = const_cast<Bytef*>(&payload[at]);
        stream.avail_in = static_cast<uInt>(length);
        ok = ok && deflate(&stream, Z_NO_FLUSH) == Z_OK && stream.avail_in == 0;
    }
    ok = ok && deflate(&stream, Z_FINISH) == Z_STREAM_END;
    chunk.resize(kChunkHeadLength + stream.total_out);
    deflateEnd(&stream);
    return ok;
}

bool pack(const Bytes& payload, Bytes& chunk)
{
    if (!deflateInto(payload, chunk))
        return false;
    Bytes head;
    putBytes(head, kChunkMagic, kChunkMagicLength);
    put32(head, kChunkVersion);
    put32(head, static_cast<std::uint32_t>(payload.size()));
    put32(head, static_cast<std::uint32_t>(crc32(0, payload.data(), static_cast<uInt>(payload.size()))));
    put32(head, static_cast<std::uint32_t>(chunk.size() - kChunkHeadLength));
    std::copy(head.begin(), head.end(), chunk.begin());
    return true;
}

// A newer version may lay out the rest of its head and its body as it likes: only the version
// is read before it is known to be ours.
e_ChunkRefusal unpack(const std::uint8_t* chunk, std::size_t size, Bytes& payload)
{
    if (size < kChunkVersionOffset + 4)
        return CHUNK_DAMAGED;
    const std::uint32_t version = get32(chunk + kChunkVersionOffset);
    if (version > kChunkVersion)
        return CHUNK_NEWER;
    if (size < kChunkHeadLength)
        return CHUNK_DAMAGED;
    const std::uint32_t payloadLength = get32(chunk + kChunkPayloadLengthOffset);
    uLong packedLength = get32(chunk + kChunkPackedLengthOffset);
    if (version == 0 || packedLength != size - kChunkHeadLength || payloadLength > kChunkMaxPayloadLength)
        return CHUNK_DAMAGED;
    payload.assign(payloadLength, 0);
    uLongf inflated = payloadLength;
    const int status = uncompress2(payload.data(), &inflated, chunk + kChunkHeadLength, &packedLength);
    if (status != Z_OK || inflated != payloadLength || packedLength != size - kChunkHeadLength ||
        crc32(0, payload.data(), static_cast<uInt>(payload.size())) != get32(chunk + kChunkPayloadCrcOffset))
        return CHUNK_DAMAGED;
    return CHUNK_ACCEPTED;
}

e_ChunkRefusal readChunk(const std::uint8_t* chunk, std::size_t size, t_ChunkState& state)
{
    if (!chunk || size < kChunkMagicLength || std::memcmp(chunk, kChunkMagic, kChunkMagicLength) != 0)
        return CHUNK_FOREIGN;
    if (size == kChunkMagicLength)
        return CHUNK_ACCEPTED; // bare
    Bytes payload;
    const e_ChunkRefusal refusal = unpack(chunk, size, payload);
    if (refusal != CHUNK_ACCEPTED)
        return refusal;
    return readPayload(payload, state) ? CHUNK_ACCEPTED : CHUNK_DAMAGED;
}
} // namespace

vst::int32 SynthCommons::getChunk(void** data, bool isPreset)
{
    try
    {
        auto state = std::make_unique<t_ChunkState>();
        takeChunkState(*state, isPreset ? CHUNK_PRESET : CHUNK_PROJECT);
        const Bytes payload = payloadOf(*state);
        std::lock_guard<std::mutex> lock(chunkLock);
        // The host reads the chunk after the call; the one before stays valid meanwhile.
        Bytes& chunk = chunkBuffers[nextChunkBuffer];
        nextChunkBuffer = 1 - nextChunkBuffer;
        if (!pack(payload, chunk))
            return 0;
        *data = chunk.data();
        return static_cast<vst::int32>(chunk.size());
    }
    catch (const std::bad_alloc&)
    {
        return 0;
    }
}

vst::int32 SynthCommons::setChunk(void* data, vst::int32 byteSize, bool)
{
    try
    {
        auto state = std::make_unique<t_ChunkState>();
        const e_ChunkRefusal refusal = data && byteSize > 0
                                           ? readChunk(static_cast<const std::uint8_t*>(data),
                                                       static_cast<std::size_t>(byteSize), *state)
                                           : CHUNK_EMPTY;
        if (refusal != CHUNK_ACCEPTED)
        {
            showInfo(kRefusalTexts[refusal]);
            return 0;
        }
        if (state->kind != CHUNK_BARE)
            restoreChunkState(*state);
        return 1;
    }
    catch (const std::bad_alloc&)
    {
        return 0;
    }
}

// Programs are copied under the program lock, so that no switch, dump or restore is seen
// half done; the working program's values are written into the copy, not into the
// working program, which other threads may be reading.
void SynthCommons::takeChunkState(t_ChunkState& state, int kind)
{
    state.kind = static_cast<e_ChunkKind>(kind);
    {
        std::lock_guard<std::recursive_mutex> lock(programLock);
        if (state.kind == CHUNK_PROJECT)
            std::copy(std::begin(programBank), std::end(programBank), state.programs);
        if (const t_Patch* edited = compare_EditedProgram())
            state.programs[currentProgram] = *edited; // compare plays the stored one meanwhile
        else
        {
            state.programs[currentProgram] = workingProgram;
            parameterLib_FlushParametersToRawData(state.programs[currentProgram]);
        }
        state.currentProgram = currentProgram;
    }
    for (int i = 0; i < kNumPrograms; ++i)
        state.present[i] = state.kind == CHUNK_PROJECT || i == state.currentProgram;
    state.midiMode =
        parameterLib_GetParameterValue(PARAM_MIDI_MODE) != 0.0f ? MIDI_MODE_TETHER : MIDI_MODE_HOST;
    state.knobMode = parameterLib_GetParameterValue(PARAM_KNOB_MODE) != 0.0f ? 1 : 0;
    TetherMidiChosenPortNames(state.outPort, state.inPort);
}

// Nothing goes to the device: the "Sync now ?" question offers that. A project starts the
// histories afresh; a preset is a step of the current program's.
void SynthCommons::restoreChunkState(const t_ChunkState& state)
{
    {
        std::lock_guard<std::recursive_mutex> lock(programLock);
        if (state.kind == CHUNK_PROJECT)
        {
            history_Forget();
            std::copy(std::begin(state.programs), std::end(state.programs), programBank);
            patchLib_ShowProgram(state.currentProgram, false);
        }
        else
        {
            HistoryCommand command(*this, "Preset loaded");
            for (int i = 0; i < kNumPrograms; ++i)
                if (state.present[i])
                    programBank[currentProgram] = state.programs[i];
            patchLib_ShowProgram(currentProgram, false);
        }
    }
    if (state.kind == CHUNK_PROJECT)
    {
        parameterLib_SetParameterValue(PARAM_MIDI_MODE, state.midiMode == MIDI_MODE_TETHER ? 1.0f : 0.0f,
                                       UPDATE_EDITOR);
        parameterLib_SetParameterValue(PARAM_KNOB_MODE, state.knobMode ? 1.0f : 0.0f, UPDATE_EDITOR);
        if (midiMode == MIDI_MODE_TETHER)
            TetherMidiReopenPortsByName(state.outPort, state.inPort);
    }
    if (synthEditor && !synthEditor->questionPending)
        synthEditor->editorControlsLib_AskQuestion(QUESTION_SYNC_NOW);
    updateDisplay();
}

// --- Tether ports by name ------------------------------------------------------------------

void SynthCommons::TetherMidiChosenPortNames(char* outName, char* inName)
{
    const char* out = TetherMidiOutGetOpenName();
    const char* in = TetherMidiInGetOpenName();
    std::snprintf(outName, kTetherPortNameLength, "%s", out ? out : "");
    std::snprintf(inName, kTetherPortNameLength, "%s", in ? in : "");
}

// Opens the named ports that are listed now; an empty name, or one not listed, leaves that
// direction as it is. What opened is shown as after a choice in the interface menus: the menu's
// entry (which the panel would otherwise open again when it shows the menu), the lamps; and the
// device is asked who it is. A port that closed because its other end went away, or because
// the named one did not open, puts its lamp out.
void SynthCommons::TetherMidiReopenPortsByName(const char* outName, const char* inName)
{
    const bool outWasOpen = tetherMidiOutPort >= 0;
    const bool inWasOpen = tetherMidiInPort >= 0;
    const std::uint32_t out = *outName ? TetherMidiOutOpenByName(outName) : kNoTetherPort;
    const std::uint32_t in = *inName ? TetherMidiInOpenByName(inName) : kNoTetherPort;
    if (out == kNoTetherPort && in == kNoTetherPort)
    {
        if ((tetherMidiOutPort >= 0) != outWasOpen || (tetherMidiInPort >= 0) != inWasOpen)
            TetherMidiShowPortState();
        return;
    }
    if (out != kNoTetherPort)
        parameterLib_SetParameterValue(PARAM_MIDI_OUT_DEVICE, IntToFloat(out), UPDATE_EDITOR);
    if (in != kNoTetherPort)
        parameterLib_SetParameterValue(PARAM_MIDI_IN_DEVICE, IntToFloat(in), UPDATE_EDITOR);
    TetherMidiShowPortState();
    TetherMidi_SendInquirySysex();
}
