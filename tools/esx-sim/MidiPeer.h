// Another program on the MIDI system, as the simulator and the tests' cables are: a client of
// its own on the system the plug-in chooses (PAVONIS_MIDI_API, else the ALSA sequencer, then
// JACK), through the plug-in's own back ends (src/midi). Its ports are either its own, for
// others to connect to as a device's ports appear, or connected to another program's. What
// arrives is put together into whole messages and handed to a handler on a thread of the
// peer's own, never on the MIDI system's.
#pragma once

#include "EsxDevice.h"
#include "midi/MidiBackend.h"

#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

namespace esxsim
{
class NoMidiSystem : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

class MidiPeer
{
public:
    using Handler = std::function<void(const Message&)>;

    // Without a handler, what arrives is dropped. Throws NoMidiSystem when no MIDI system can
    // be reached.
    explicit MidiPeer(const std::string& clientName, Handler handler = nullptr);
    ~MidiPeer();
    MidiPeer(const MidiPeer&) = delete;
    MidiPeer& operator=(const MidiPeer&) = delete;

    // A port of the peer's own (Input: others send to it); throws NoMidiSystem when it does
    // not open. Its full name as other programs list it.
    std::string openOwnPort(midi::Direction direction, const std::string& portName);
    // The peer's port connected to another program's; false when it does not open.
    bool connect(midi::Direction direction, const std::string& otherPort);
    // Other programs' ports, as connect takes them.
    std::vector<std::string> otherPorts(midi::Direction direction);

    // One message as it is; false when it could not be sent (no port, no room for seconds).
    bool send(const Message& message);
    // A long SysEx message in pieces of 1 KB, as a DIN-to-USB interface hands it over; a
    // short message whole. Messages from several threads do not interleave.
    bool sendInPieces(const Message& message);

private:
    class Assembler;
    bool sendUntilTaken(const std::uint8_t* bytes, std::size_t length);
    void serve();
    void arrived(Message message);

    Handler handler;
    std::unique_ptr<Assembler> assembler;
    std::unique_ptr<midi::Backend> backend;
    std::mutex sendLock;

    std::mutex inboxLock;
    std::condition_variable inboxFilled;
    std::deque<Message> inbox;
    bool stopping = false;
    std::thread server;
};
} // namespace esxsim
