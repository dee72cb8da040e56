// The plug-in's LV2 identity and ports. The host parameters keep their VST 2 indices, two
// places further on.
#pragma once

#include <lv2/core/lv2.h>

#include <cstdint>
#include <string>

namespace lv2
{
constexpr const char* kPluginUri = "https://quillon.example/plugins/pavonis";
constexpr const char* kUiUri = "https://quillon.example/plugins/pavonis#ui";
// The state: one property holding the chunk that the VST 2 plug-in saves (core/ChunkFormat.h).
constexpr const char* kStateChunkUri = "https://quillon.example/plugins/pavonis#chunk";

constexpr std::uint32_t kParameterCount = 67;

enum e_Port : std::uint32_t
{
    PORT_MIDI_IN = 0,
    PORT_MIDI_OUT = 1,
    PORT_FIRST_PARAMETER = 2,
    PORT_PROGRAM = PORT_FIRST_PARAMETER + kParameterCount, // 0 to 255
    PORT_MIDI_PACE = PORT_PROGRAM + 1,                     // 0 a MIDI cable's pace, 1 the host's
    // The setup page's dump requests, for hosts that show no panel: a rise to 1 presses.
    PORT_REQUEST_PATTERN = PORT_MIDI_PACE + 1,
    PORT_REQUEST_BANK = PORT_REQUEST_PATTERN + 1,
    PORT_COUNT,
};

// Room that the MIDI ports ask the host for (rsz:minimumSize). Out: one pattern dump (4898
// bytes) with its event header, and more. In: what a JACK MIDI port carries in one cycle (up
// to 32 KB), since a fast interface may hand over many pieces of a bank at once and a host
// drops the events beyond the room it gave.
constexpr std::uint32_t kMidiOutBufferBytes = 8192;
constexpr std::uint32_t kMidiInBufferBytes = 65536;
// What one block hands the host's MIDI at most (but one larger message alone).
constexpr std::uint32_t kMidiBytesPerBlock = 4096;

inline bool isParameterPort(std::uint32_t port)
{
    return port >= PORT_FIRST_PARAMETER && port < PORT_PROGRAM;
}

// The data of the host's feature with that URI; null when the host does not offer it.
const void* featureData(const LV2_Feature* const* features, const char* uri);

// A port symbol for a parameter name: lower case letters, digits and single underscores
// ("D1 | FilterCutoff" gives "d1_filtercutoff").
std::string portSymbolOf(const char* name);
} // namespace lv2
