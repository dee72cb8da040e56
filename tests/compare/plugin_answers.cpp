// Prints what a plug-in module answers a host, one fact a line, so that two builds of it
// (Linux and Windows) can be compared line by line:
//   plugin_answers <module> <state chunk file>
// Identity, every host parameter's name, label and display across values, every program
// name, the state after a fixed chunk is loaded, and the MIDI that Host mode hands the host.
#include "platform/Module.h"
#include "vst/VstInterface.h"

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace
{
using Bytes = std::vector<std::uint8_t>;

std::vector<std::string> hostMidi; // what the plug-in handed the host, one event a line

vst::intptr hostCallback(AEffect*, vst::int32 opcode, vst::int32, vst::intptr, void* ptr, float)
{
    switch (opcode)
    {
    case audioMasterVersion:
        return 2400;
    case audioMasterProcessEvents:
        if (const auto* events = static_cast<const VstEvents*>(ptr))
            for (vst::int32 i = 0; i < events->numEvents; ++i)
            {
                const auto* event = reinterpret_cast<const VstMidiEvent*>(events->events[i]);
                char line[64];
                std::snprintf(line, sizeof line, "type %d delta %d bytes %02x %02x %02x", event->type,
                              event->deltaFrames, std::uint8_t(event->midiData[0]),
                              std::uint8_t(event->midiData[1]), std::uint8_t(event->midiData[2]));
                hostMidi.push_back(line);
            }
        return 1;
    default:
        return 0;
    }
}

std::string text(AEffect* effect, vst::int32 opcode, vst::int32 index = 0)
{
    char buffer[256] = {};
    effect->dispatcher(effect, opcode, index, 0, buffer, 0.0f);
    return buffer;
}

// FNV-1a, enough to tell two byte strings apart.
std::uint64_t hashOf(const std::uint8_t* bytes, std::size_t length)
{
    std::uint64_t hash = 14695981039346656037ull;
    for (std::size_t i = 0; i < length; ++i)
        hash = (hash ^ bytes[i]) * 1099511628211ull;
    return hash;
}

void printIdentity(AEffect* effect)
{
    std::printf("name %s\n", text(effect, effGetEffectName).c_str());
    std::printf("vendor %s\n", text(effect, effGetVendorString).c_str());
    std::printf("product %s\n", text(effect, effGetProductString).c_str());
    std::printf("vendor version %ld\n",
                long(effect->dispatcher(effect, effGetVendorVersion, 0, 0, nullptr, 0)));
    std::printf("vst version %ld\n", long(effect->dispatcher(effect, effGetVstVersion, 0, 0, nullptr, 0)));
    std::printf("unique id %08x version %d flags %08x\n", unsigned(effect->uniqueID), effect->version,
                unsigned(effect->flags));
    std::printf("params %d programs %d inputs %d outputs %d\n", effect->numParams, effect->numPrograms,
                effect->numInputs, effect->numOutputs);
    ERect* rect = nullptr;
    if (effect->dispatcher(effect, effEditGetRect, 0, 0, &rect, 0.0f) && rect)
        std::printf("editor %d %d %d %d\n", rect->top, rect->left, rect->bottom, rect->right);
}

void printParameters(AEffect* effect)
{
    const float values[] = {0.0f, 1.0f, 0.5f, 0.3f, 0.77f};
    for (vst::int32 i = 0; i < effect->numParams; ++i)
    {
        std::printf("param %d name '%s' label '%s'", i, text(effect, effGetParamName, i).c_str(),
                    text(effect, effGetParamLabel, i).c_str());
        for (float value : values)
        {
            effect->setParameter(effect, i, value);
            std::printf(" | %.6f '%s'", double(effect->getParameter(effect, i)),
                        text(effect, effGetParamDisplay, i).c_str());
        }
        std::printf("\n");
    }
}

void printPrograms(AEffect* effect)
{
    for (vst::int32 i = 0; i < effect->numPrograms; ++i)
        std::printf("program %d '%s'\n", i, text(effect, effGetProgramNameIndexed, i).c_str());
}

Bytes chunkOf(AEffect* effect)
{
    void* data = nullptr;
    const vst::intptr length = effect->dispatcher(effect, effGetChunk, 0, 0, &data, 0.0f);
    return length > 0 && data ? Bytes(static_cast<const std::uint8_t*>(data),
                                      static_cast<const std::uint8_t*>(data) + length)
                              : Bytes();
}

void printChunkRoundTrip(AEffect* effect, Bytes chunk)
{
    const vst::intptr accepted =
        effect->dispatcher(effect, effSetChunk, 0, vst::intptr(chunk.size()), chunk.data(), 0.0f);
    const Bytes saved = chunkOf(effect);
    std::printf("chunk in %zu bytes accepted %ld; out %zu bytes hash %016llx\n", chunk.size(), long(accepted),
                saved.size(), static_cast<unsigned long long>(hashOf(saved.data(), saved.size())));
    std::printf("chunk program %ld '%s'\n", long(effect->dispatcher(effect, effGetProgram, 0, 0, nullptr, 0)),
                text(effect, effGetProgramName).c_str());
}

void processBlock(AEffect* effect)
{
    float left[64] = {};
    float right[64] = {};
    float* outputs[] = {left, right};
    effect->processReplacing(effect, nullptr, outputs, 64);
}

// Host mode hands the host the device's messages in the next processing block.
void printHostModeMidi(AEffect* effect)
{
    effect->dispatcher(effect, effMainsChanged, 0, 1, nullptr, 0.0f);
    processBlock(effect);
    hostMidi.clear();
    const vst::int32 parameters[] = {0, 1, 5, 17, 33, 50, 66};
    const float values[] = {0.0f, 0.25f, 1.0f};
    for (vst::int32 parameter : parameters)
        for (float value : values)
        {
            effect->setParameter(effect, parameter, value);
            processBlock(effect);
        }
    effect->dispatcher(effect, effSetProgram, 0, 3, nullptr, 0.0f);
    processBlock(effect);
    processBlock(effect);
    for (const std::string& line : hostMidi)
        std::printf("host midi %s\n", line.c_str());
    std::printf("host midi events %zu\n", hostMidi.size());
}

Bytes fileBytes(const char* path)
{
    std::ifstream file(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

AEffect* createEffect(platform::Module& module)
{
    const auto entry = reinterpret_cast<AEffect* (*)(audioMasterCallback)>(module.symbol("VSTPluginMain"));
    AEffect* effect = entry ? entry(hostCallback) : nullptr;
    if (effect)
        effect->dispatcher(effect, effOpen, 0, 0, nullptr, 0.0f);
    return effect;
}

void closeEffect(AEffect* effect)
{
    effect->dispatcher(effect, effClose, 0, 0, nullptr, 0.0f);
}
} // namespace

int main(int argc, char** argv)
{
    if (argc != 3)
    {
        std::fprintf(stderr, "usage: plugin_answers <module> <state chunk file>\n");
        return 2;
    }
    platform::Module module(argv[1]);
    if (!module.loaded())
    {
        std::fprintf(stderr, "plugin_answers: %s: %s\n", argv[1], module.error().c_str());
        return 1;
    }
    const Bytes chunk = fileBytes(argv[2]);
    AEffect* effect = createEffect(module);
    if (!effect || chunk.empty())
    {
        std::fprintf(stderr, "plugin_answers: no effect, or no chunk in %s\n", argv[2]);
        return 1;
    }
    printIdentity(effect);
    printParameters(effect);
    printPrograms(effect);
    closeEffect(effect);

    effect = createEffect(module);
    printChunkRoundTrip(effect, chunk);
    printHostModeMidi(effect);
    closeEffect(effect);
    return 0;
}
