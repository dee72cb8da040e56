// A MIDI interface's loopback cable for the MIDI interface test: a client with an input and
// an output port that sends back what arrives, through a filter that may drop or alter a
// message, as a faulty interface does. Forwarding runs on a thread of its own.
#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

class RtMidiIn;
class RtMidiOut;

namespace miditest
{
using Bytes = std::vector<unsigned char>;
// Changes the message in place; false drops it.
using LoopbackFilter = std::function<bool(Bytes&)>;

class LoopbackPeer
{
public:
    // Throws RtMidiError when no MIDI system can be opened.
    LoopbackPeer(const std::string& clientName, LoopbackFilter filter);
    ~LoopbackPeer();
    LoopbackPeer(const LoopbackPeer&) = delete;
    LoopbackPeer& operator=(const LoopbackPeer&) = delete;

    std::string inputPortName() const;
    std::string outputPortName() const;

private:
    static void onInput(double timeStamp, std::vector<unsigned char>* message, void* peer);
    void forward();

    std::string client;
    LoopbackFilter filter;
    std::unique_ptr<RtMidiOut> output;
    std::unique_ptr<RtMidiIn> input;
    std::mutex lock;
    std::condition_variable filled;
    std::deque<Bytes> inbox;
    bool stopping = false;
    std::thread forwarder;
};

// The filters of a faulty interface.
bool passEverything(Bytes& message);
bool passNothing(Bytes& message);
bool dropNrpn(Bytes& message);   // the controllers 99, 98, 6 and 38
bool alterSysex(Bytes& message); // one byte in the middle of a SysEx message changes
bool cutSysex(Bytes& message);   // a SysEx message ends after 2048 bytes, without its F7
} // namespace miditest
