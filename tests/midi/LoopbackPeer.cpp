#include "LoopbackPeer.h"

#include <rtmidi/RtMidi.h>

#include <cstdlib>

namespace miditest
{
namespace
{
const char* const kInputPort = "loop in";
const char* const kOutputPort = "loop out";

RtMidi::Api midiSystem()
{
    const char* forced = std::getenv("PAVONIS_MIDI_API");
    return forced ? RtMidi::getCompiledApiByName(forced) : RtMidi::UNSPECIFIED;
}
} // namespace

LoopbackPeer::LoopbackPeer(const std::string& clientName, LoopbackFilter messageFilter)
    : client(clientName), filter(std::move(messageFilter))
{
    output = std::make_unique<RtMidiOut>(midiSystem(), client + " out");
    output->openVirtualPort(kOutputPort);
    input = std::make_unique<RtMidiIn>(midiSystem(), client + " in");
    input->ignoreTypes(false, true, true);
    input->setCallback(onInput, this);
    input->openVirtualPort(kInputPort);
    forwarder = std::thread([this] { forward(); });
}

LoopbackPeer::~LoopbackPeer()
{
    input.reset();
    {
        std::lock_guard<std::mutex> guard(lock);
        stopping = true;
    }
    filled.notify_one();
    forwarder.join();
}

std::string LoopbackPeer::inputPortName() const
{
    return client + " in:" + kInputPort;
}

std::string LoopbackPeer::outputPortName() const
{
    return client + " out:" + kOutputPort;
}

void LoopbackPeer::onInput(double, std::vector<unsigned char>* message, void* peer)
{
    auto* self = static_cast<LoopbackPeer*>(peer);
    {
        std::lock_guard<std::mutex> guard(self->lock);
        self->inbox.push_back(*message);
    }
    self->filled.notify_one();
}

void LoopbackPeer::forward()
{
    std::unique_lock<std::mutex> guard(lock);
    for (;;)
    {
        filled.wait(guard, [this] { return stopping || !inbox.empty(); });
        if (stopping)
            return;
        Bytes message = std::move(inbox.front());
        inbox.pop_front();
        guard.unlock();
        if (filter(message))
            output->sendMessage(&message);
        guard.lock();
    }
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
