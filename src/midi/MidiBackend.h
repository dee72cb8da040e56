// What the Tether MIDI layer needs of a MIDI system: its ports listed by name, one input and
// one output opened by name, messages sent, bytes received as they arrive, and word when the
// system goes away. One class per MIDI system implements it (src/midi/<system>/).
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

namespace midi
{
// Output: a port the plug-in sends to (the interface's MIDI OUT socket). Input: a port it
// receives from.
enum class Direction
{
    Output,
    Input,
};

// Told by a back end, from threads of its own.
class Receiver
{
public:
    virtual ~Receiver() = default;
    // Bytes from the open input as the system delivers them: a channel message whole, a
    // SysEx message whole or in pieces, in order. One call at a time, on one thread.
    virtual void midiReceived(const unsigned char* bytes, std::size_t length) = 0;
    // The system has gone: both ports are closed and nothing more arrives. May come on any
    // thread, also during a call into the back end; it must not call back into the back end.
    virtual void midiSystemGone() = 0;
};

class Backend
{
public:
    virtual ~Backend() = default;
    // Full port names as the system shows them, the plug-in's own ports left out.
    virtual std::vector<std::string> listPorts(Direction direction) = 0;
    // Closes the open port of that direction first; false when the port does not open.
    virtual bool openPort(Direction direction, const std::string& name) = 0;
    // A port of the client's own that other programs connect to, as a device's ports appear
    // (a simulator, a test's cable); closes the open port of that direction first. False where
    // the system has no such ports.
    virtual bool openVirtualPort(Direction, const std::string& /*portName*/) { return false; }
    // The full name under which other programs list the port of that direction opened by
    // openVirtualPort; empty when none is open.
    virtual std::string virtualPortName(Direction) { return {}; }
    // Returns once no receive call runs any more. Closing a closed port does nothing.
    virtual void closePort(Direction direction) = 0;
    // One whole message, or a piece of a SysEx message, from one thread at a time; false when
    // it was dropped (no output open, no room).
    virtual bool send(const unsigned char* bytes, std::size_t length) = 0;
    // False once the system has gone: a new back end must be created to go on.
    virtual bool usable() const = 0;
};

// The back end of the system chosen by PAVONIS_MIDI_API (alsa, jack or winmm), else the
// first that can be reached: the ALSA sequencer, then JACK on Linux; WinMM on Windows. Null
// when none can. The client takes the given name. A system that cannot be reached is said
// once on standard error, in a line of our own; the libraries' own messages about it are
// kept quiet.
std::unique_ptr<Backend> createBackend(Receiver& receiver, const char* clientName = "Pavonis");
} // namespace midi
