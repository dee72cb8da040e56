#include "MidiPeer.h"

#include <algorithm>

namespace esxsim
{
namespace
{
// A DIN-to-USB interface hands long SysEx over in pieces of at most 1 KB. They go out one
// after the other: the back end holds what the next cycles carry (about 32 KB a cycle on
// JACK), and a dump spread over fewer cycles is less often caught by a cycle that an
// asynchronous server lets a late client miss.
constexpr std::size_t kPieceSize = 1024;
// A device does not drop what it sends: a piece that finds no room is offered again, each
// time for as long as the back end waits for room.
constexpr int kSendAttempts = 25;

constexpr std::uint8_t kSysexStart = 0xF0;
constexpr std::uint8_t kSysexEnd = 0xF7;
constexpr std::uint8_t kFirstRealTime = 0xF8;

bool startsAMessage(std::uint8_t byte)
{
    return byte >= 0x80 && byte != kSysexEnd && byte < kFirstRealTime;
}
} // namespace

// The back end hands a SysEx message over whole or in pieces, as the other end sent it; the
// peer sees it whole. A message that starts inside a SysEx message cuts it: the piece so far
// is handed on as it is, as a device's input would see it.
class MidiPeer::Assembler final : public midi::Receiver
{
public:
    explicit Assembler(MidiPeer& peer) : peer(peer) {}

    void midiReceived(const unsigned char* bytes, std::size_t length) override
    {
        if (length == 0)
            return;
        if (inSysex && startsAMessage(bytes[0]))
            handOn();
        if (!inSysex && bytes[0] != kSysexStart)
        {
            peer.arrived(Message(bytes, bytes + length));
            return;
        }
        inSysex = true;
        sysex.insert(sysex.end(), bytes, bytes + length);
        if (sysex.back() == kSysexEnd)
            handOn();
    }

    void midiSystemGone() override {}

private:
    void handOn()
    {
        peer.arrived(std::move(sysex));
        sysex.clear();
        inSysex = false;
    }

    MidiPeer& peer;
    Message sysex;
    bool inSysex = false;
};

MidiPeer::MidiPeer(const std::string& clientName, Handler messageHandler)
    : handler(std::move(messageHandler)), assembler(std::make_unique<Assembler>(*this))
{
    backend = midi::createBackend(*assembler, clientName.c_str());
    if (!backend)
        throw NoMidiSystem("its ports cannot open without a MIDI system");
    if (handler)
        server = std::thread([this] { serve(); });
}

MidiPeer::~MidiPeer()
{
    {
        std::lock_guard<std::mutex> lock(inboxLock);
        stopping = true;
    }
    inboxFilled.notify_one();
    if (server.joinable())
        server.join(); // a handler that is sending finishes first
    backend.reset();   // no more receive calls
}

std::string MidiPeer::openOwnPort(midi::Direction direction, const std::string& portName)
{
    if (!backend->openVirtualPort(direction, portName))
        throw NoMidiSystem("the port " + portName + " does not open");
    return backend->virtualPortName(direction);
}

bool MidiPeer::connect(midi::Direction direction, const std::string& otherPort)
{
    return backend->openPort(direction, otherPort);
}

std::vector<std::string> MidiPeer::otherPorts(midi::Direction direction)
{
    return backend->listPorts(direction);
}

bool MidiPeer::send(const Message& message)
{
    std::lock_guard<std::mutex> lock(sendLock);
    return sendUntilTaken(message.data(), message.size());
}

bool MidiPeer::sendInPieces(const Message& message)
{
    std::lock_guard<std::mutex> lock(sendLock);
    bool sent = true;
    for (std::size_t offset = 0; offset < message.size(); offset += kPieceSize)
        sent = sendUntilTaken(message.data() + offset, std::min(kPieceSize, message.size() - offset)) && sent;
    return sent;
}

bool MidiPeer::sendUntilTaken(const std::uint8_t* bytes, std::size_t length)
{
    for (int attempt = 0; attempt < kSendAttempts && backend->usable(); ++attempt)
        if (backend->send(bytes, length))
            return true;
    return false;
}

void MidiPeer::arrived(Message message)
{
    if (!handler || message.empty())
        return;
    {
        std::lock_guard<std::mutex> lock(inboxLock);
        inbox.push_back(std::move(message));
    }
    inboxFilled.notify_one();
}

void MidiPeer::serve()
{
    std::unique_lock<std::mutex> lock(inboxLock);
    for (;;)
    {
        inboxFilled.wait(lock, [this] { return stopping || !inbox.empty(); });
        if (stopping)
            return;
        const Message message = std::move(inbox.front());
        inbox.pop_front();
        lock.unlock();
        handler(message);
        lock.lock();
    }
}
} // namespace esxsim
