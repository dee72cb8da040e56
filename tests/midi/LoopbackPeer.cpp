#include "LoopbackPeer.h"

namespace miditest
{
namespace
{
const char* const kInputPort = "loop in";
const char* const kOutputPort = "loop out";
} // namespace

LoopbackPeer::LoopbackPeer(const std::string& clientName, LoopbackFilter messageFilter)
    : filter(std::move(messageFilter)), ports(clientName, [this](const Bytes& message) { forward(message); })
{
    inputName = ports.openOwnPort(midi::Direction::Input, kInputPort);
    outputName = ports.openOwnPort(midi::Direction::Output, kOutputPort);
}

void LoopbackPeer::forward(Bytes message)
{
    if (filter(message))
        ports.send(message);
}

bool passEverything(Bytes&)
{
    return true;
}

bool passNothing(Bytes&)
{
    return false;
}

bool dropNrpn(Bytes& message)
{
    const bool controlChange = message.size() == 3 && (message[0] & 0xF0) == 0xB0;
    return !(controlChange && (message[1] == 99 || message[1] == 98 || message[1] == 6 || message[1] == 38));
}

bool alterSysex(Bytes& message)
{
    if (message.size() > 16 && message.front() == 0xF0)
        message[message.size() / 2] ^= 0x01;
    return true;
}

bool cutSysex(Bytes& message)
{
    if (message.size() > 2048 && message.front() == 0xF0)
        message.resize(2048);
    return true;
}
} // namespace miditest
