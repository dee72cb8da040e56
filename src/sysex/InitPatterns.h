// The initial pattern of the device and the two constant dumps built from it.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

constexpr int kInitPatternSize = 4280;

// The empty pattern "Init    " with every mapped field at its initial value.
extern const std::array<std::uint8_t, kInitPatternSize> INIT_PATCH;
// INIT_PATCH as a current-pattern dump: F0 42 30 71 40, packed data, F7 (4898 bytes).
extern const std::vector<std::uint8_t> INIT_PATCH_SYSEX;
// 64 copies of INIT_PATCH as a dump of bank D: F0 42 30 71 4C 03, packed data, F7 (313059 bytes).
extern const std::vector<std::uint8_t> INIT_BANK_SYSEX;
