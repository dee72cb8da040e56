// setChunk under arbitrary chunks, on one plug-in instance made without a host. A chunk
// that is refused must leave every program as it was.
//
// The first byte chooses how the rest is handed over: even, as the whole chunk; odd, as
// the payload of a chunk whose head, compression and checksum are right, so that the
// sections themselves are reached.
#include "core/SynthCommons.h"
#include "support/BankBytes.h"

#include <zlib.h>

#include <cstdlib>
#include <cstring>
#include <vector>

namespace
{
using Bytes = std::vector<std::uint8_t>;

SynthCommons& plugin()
{
    static SynthCommons* synth = new SynthCommons(nullptr); // lives as long as the process
    return *synth;
}

void put32(Bytes& bytes, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        bytes.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

Bytes wrapped(const std::uint8_t* payload, std::size_t length)
{
    uLongf packedLength = compressBound(static_cast<uLong>(length));
    Bytes packed(packedLength);
    compress(packed.data(), &packedLength, payload, static_cast<uLong>(length));
    Bytes chunk = {'P', 'a', 'v', 'o', 'n', 'i', 's', 0};
    put32(chunk, 1);
    put32(chunk, static_cast<std::uint32_t>(length));
    put32(chunk, static_cast<std::uint32_t>(crc32(0, payload, static_cast<uInt>(length))));
    put32(chunk, static_cast<std::uint32_t>(packedLength));
    chunk.insert(chunk.end(), packed.begin(), packed.begin() + static_cast<std::ptrdiff_t>(packedLength));
    return chunk;
}

Bytes programsOf(const SynthCommons& synth)
{
    Bytes bytes = bankBytes(synth);
    bytes.push_back(static_cast<std::uint8_t>(synth.currentProgram));
    return bytes;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* input, std::size_t size)
{
    if (size == 0)
        return 0;
    SynthCommons& synth = plugin();
    Bytes chunk = input[0] & 1 ? wrapped(input + 1, size - 1) : Bytes(input + 1, input + size);
    const Bytes before = programsOf(synth);
    const vst::int32 answer = synth.setChunk(chunk.empty() ? nullptr : chunk.data(),
                                             static_cast<vst::int32>(chunk.size()), input[0] & 2);
    if (answer == 0 && programsOf(synth) != before)
        std::abort(); // a refused chunk changed a program
    return 0;
}
