// The 256 stored programs and the working program, byte for byte, for tests that check that
// something left them alone.
#pragma once

#include "core/SynthCommons.h"

#include <cstdint>
#include <vector>

inline std::vector<std::uint8_t> bankBytes(const SynthCommons& synth)
{
    std::vector<std::uint8_t> bytes;
    const auto add = [&bytes](const t_Patch& program)
    {
        const auto* first = reinterpret_cast<const std::uint8_t*>(&program);
        bytes.insert(bytes.end(), first, first + sizeof program);
    };
    for (int i = 0; i < kNumPrograms; ++i)
        add(synth.programBank.read(i));
    add(synth.workingProgram);
    return bytes;
}
