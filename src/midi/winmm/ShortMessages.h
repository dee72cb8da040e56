// MIDI messages in the packed form of WinMM's short messages (status in the low byte), and
// which of them the Tether MIDI layer takes.
#pragma once

#include <cstddef>
#include <cstdint>

namespace midi::winmm
{
// The length of a message that begins with this status byte; 0 for SysEx (0xF0) and for the
// bytes that begin no message (data bytes, 0xF7, undefined statuses).
std::size_t shortMessageLength(std::uint8_t status);

// Packs a whole short message; false when the bytes are not one (wrong length, no status).
bool packShortMessage(const unsigned char* bytes, std::size_t length, std::uint32_t& packed);

// Unpacks a received short message into bytes (at most 3); 0 for what the layer drops: time
// code, timing clock and active sensing, and what is no message.
std::size_t unpackShortMessage(std::uint32_t packed, unsigned char bytes[3]);
} // namespace midi::winmm
