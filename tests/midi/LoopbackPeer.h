// A MIDI interface's loopback cable for the MIDI interface test: a client with an input and
// an output port that sends back what arrives, through a filter that may drop or alter a
// message, as a faulty interface does. Forwarding runs on a thread of its own.
#pragma once

#include "MidiPeer.h"

#include <functional>
#include <string>
#include <vector>

namespace miditest
{
using Bytes = std::vector<unsigned char>;
// Changes the message in place; false drops it.
using LoopbackFilter = std::function<bool(Bytes&)>;

class LoopbackPeer
{
public:
    // Throws esxsim::NoMidiSystem when no MIDI system can be reached.
    LoopbackPeer(const std::string& clientName, LoopbackFilter filter);

    const std::string& inputPortName() const { return inputName; }
    const std::string& outputPortName() const { return outputName; }

private:
    void forward(Bytes message);

    LoopbackFilter filter;
    esxsim::MidiPeer ports;
    std::string inputName;
    std::string outputName;
};

// The filters of a faulty interface.
bool passEverything(Bytes& message);
bool passNothing(Bytes& message);
bool dropNrpn(Bytes& message);   // the controllers 99, 98, 6 and 38
bool alterSysex(Bytes& message); // one byte in the middle of a SysEx message changes
bool cutSysex(Bytes& message);   // a SysEx message ends after 2048 bytes, without its F7
} // namespace miditest
