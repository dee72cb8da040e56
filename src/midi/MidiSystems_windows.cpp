#include "MidiSystems.h"
#include "winmm/WinMmBackend.h"

namespace midi
{
const t_MidiSystem c_MidiSystems[] = {
    {"winmm", "WinMM", createWinMmBackend},
    {nullptr, nullptr, nullptr},
};
} // namespace midi
