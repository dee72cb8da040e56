// The state that the host keeps in its project.
//
// A chunk is the product name "Pavonis" with its zero byte, then a head of four 32-bit
// numbers (little-endian) and a zlib stream:
//
//   offset  8  format version (kChunkVersion)
//   offset 12  length of the payload once inflated
//   offset 16  CRC-32 of the inflated payload
//   offset 20  length of the zlib stream that follows (the rest of the chunk)
//
// The payload is a run of sections: a 4-character tag, a 32-bit length, the bytes. A
// project's state holds every section; a preset holds one program and nothing else.
// Projects saved before the state was kept hold the product name alone.
#pragma once

#include <cstdint>

constexpr char kChunkMagic[] = "Pavonis"; // compared with its zero byte
constexpr std::uint32_t kChunkMagicLength = sizeof kChunkMagic;
constexpr std::uint32_t kChunkVersion = 1;

constexpr std::uint32_t kChunkVersionOffset = 8;
constexpr std::uint32_t kChunkPayloadLengthOffset = 12;
constexpr std::uint32_t kChunkPayloadCrcOffset = 16;
constexpr std::uint32_t kChunkPackedLengthOffset = 20;
constexpr std::uint32_t kChunkHeadLength = 24;

constexpr std::uint32_t kChunkSectionHeadLength = 8;
// No state comes near it: 256 programs are about 1.1 MB.
constexpr std::uint32_t kChunkMaxPayloadLength = 4u << 20;

constexpr std::uint32_t chunkTag(const char (&text)[5])
{
    return std::uint32_t(std::uint8_t(text[0])) | std::uint32_t(std::uint8_t(text[1])) << 8 |
           std::uint32_t(std::uint8_t(text[2])) << 16 | std::uint32_t(std::uint8_t(text[3])) << 24;
}

// Sections and their fixed lengths.
//   PROG  program index (16 bits), name (24 bytes), pattern image (4280 bytes)
//   CURR  current program (16 bits)
//   MODE  MIDI mode (0 Host, 1 Tether MIDI), knob mode (0 circular, 1 linear)
//   PORT  chosen Tether output and input port names, 128 bytes each, zero-padded
constexpr std::uint32_t kChunkTagProgram = chunkTag("PROG");
constexpr std::uint32_t kChunkTagCurrentProgram = chunkTag("CURR");
constexpr std::uint32_t kChunkTagModes = chunkTag("MODE");
constexpr std::uint32_t kChunkTagPorts = chunkTag("PORT");

// Why a chunk was refused; the texts go to the panel's info line.
enum e_ChunkRefusal : int
{
    CHUNK_ACCEPTED = 0,
    CHUNK_FOREIGN,
    CHUNK_DAMAGED,
    CHUNK_NEWER,
    CHUNK_EMPTY,
};
