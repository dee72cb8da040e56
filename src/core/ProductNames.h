// The names that hosts, the panel and the standalone editor give Pavonis and its maker.
#pragma once

constexpr const char* kEffectName = "Pavonis";
constexpr const char* kVendorName = "Quillon";
constexpr const char* kProductName = "Pavonis VST Editor for Electribe SX";
