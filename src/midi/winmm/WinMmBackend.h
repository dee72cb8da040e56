// Tether MIDI on Windows' multimedia MIDI services (WinMM).
#pragma once

#include "../MidiBackend.h"

namespace midi
{
// WinMM is always there; its ports are the system's MIDI devices, listed by name.
std::unique_ptr<Backend> createWinMmBackend(Receiver& receiver, const char* clientName);
} // namespace midi
