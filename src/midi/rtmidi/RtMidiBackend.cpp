// The ALSA sequencer through RtMidi: an input and an output object, each a client of its own.
// RtMidi hands a SysEx message over whole; the receive path takes that as well as pieces.
//
// Both libraries print their own errors: ALSA's library through its error handler, RtMidi
// unless it is given an error callback. Where no sequencer exists they would fill a host's
// console each time the port list is asked for. So the sequencer is tried quietly before
// RtMidi is asked, ALSA's handler is quiet on the calling thread while the back end calls in,
// and what RtMidi reports during a call fails that call. What RtMidi reports on its own input
// thread is a fault the user should know of: it is written, in a line of ours.
#include "RtMidiBackend.h"
#include "AlsaQuiet.h"

#include <RtMidi.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <string>
#include <thread>

namespace midi
{
namespace
{
constexpr auto kReceiveDrainLimit = std::chrono::seconds(1);
constexpr const char* kInputSuffix = " Input";
constexpr const char* kOutputSuffix = " Output";

// Set while one of the back end's calls runs on this thread: RtMidi's reports land there.
thread_local bool* callFailed = nullptr;

// ALSA's library says nothing on this thread while it lives, and RtMidi's reports fail the call.
class QuietCall
{
public:
    QuietCall() : previous(alsaQuietOnThisThread()), outer(callFailed) { callFailed = &failed; }
    ~QuietCall()
    {
        callFailed = outer;
        alsaRestore(previous);
    }
    QuietCall(const QuietCall&) = delete;
    QuietCall& operator=(const QuietCall&) = delete;

    bool succeeded() const { return !failed; }

private:
    AlsaErrorHandler previous;
    bool* outer;
    bool failed = false;
};

// The index that a named port has now; RtMidi opens ports by their index of the moment.
template <typename Port> bool indexOfPort(Port& port, const std::string& name, unsigned* index)
{
    const unsigned count = port.getPortCount();
    for (unsigned i = 0; i < count; ++i)
        if (port.getPortName(i) == name)
        {
            *index = i;
            return true;
        }
    return false;
}

template <typename Port> std::vector<std::string> namesOf(Port& port)
{
    std::vector<std::string> names;
    const unsigned count = port.getPortCount();
    for (unsigned i = 0; i < count; ++i)
        names.push_back(port.getPortName(i));
    return names;
}

template <typename Port> bool openNamed(Port& port, const std::string& name, const char* portName)
{
    unsigned index = 0;
    if (!indexOfPort(port, name, &index))
        return false;
    port.openPort(index, portName);
    return true;
}

class AlsaBackend final : public Backend
{
public:
    AlsaBackend(Receiver& receiver, const std::string& clientName)
        : receiver(receiver), clientName(clientName), input(RtMidi::LINUX_ALSA, clientName + kInputSuffix),
          output(RtMidi::LINUX_ALSA, clientName + kOutputSuffix)
    {
        input.setErrorCallback(noteError, this);
        output.setErrorCallback(noteError, this);
    }

    ~AlsaBackend() override { closePort(Direction::Input); }

    std::vector<std::string> listPorts(Direction direction) override
    {
        QuietCall quiet;
        return direction == Direction::Output ? namesOf(output) : namesOf(input);
    }

    bool openPort(Direction direction, const std::string& name) override
    {
        closePort(direction);
        QuietCall quiet;
        if (direction == Direction::Output)
            return openNamed(output, name, "Output") && quiet.succeeded();
        if (!openNamed(input, name, "Input") || !quiet.succeeded())
            return false;
        startReceiving();
        return true;
    }

    bool openVirtualPort(Direction direction, const std::string& portName) override
    {
        closePort(direction);
        QuietCall quiet;
        std::string& opened = virtualNames[direction == Direction::Output ? 0 : 1];
        opened.clear();
        if (direction == Direction::Output)
            output.openVirtualPort(portName);
        else
            input.openVirtualPort(portName);
        if (!quiet.succeeded())
            return false;
        if (direction == Direction::Input)
            startReceiving();
        opened = portName;
        return true;
    }

    // Another client's list shows the port as "client:port client-number:port-number".
    std::string virtualPortName(Direction direction) override
    {
        const bool outward = direction == Direction::Output;
        const std::string& portName = virtualNames[outward ? 0 : 1];
        if (portName.empty())
            return {};
        const std::string prefix =
            clientName + (outward ? kOutputSuffix : kInputSuffix) + ":" + portName + " ";
        QuietCall quiet;
        for (const std::string& listed : outward ? namesOf(input) : namesOf(output))
            if (listed.rfind(prefix, 0) == 0)
                return listed;
        return {};
    }

    void closePort(Direction direction) override
    {
        QuietCall quiet;
        if (direction == Direction::Output)
        {
            output.closePort();
            return;
        }
        closeGate();
        if (input.isPortOpen())
            input.cancelCallback();
        input.closePort();
    }

    bool send(const unsigned char* bytes, std::size_t length) override
    {
        QuietCall quiet;
        output.sendMessage(bytes, length);
        return quiet.succeeded();
    }

    bool usable() const override { return true; }

private:
    static void noteError(RtMidiError::Type, const std::string& text, void* self)
    {
        if (callFailed)
            *callFailed = true;
        else
            std::fprintf(stderr, "%s: ALSA sequencer: %s\n",
                         static_cast<AlsaBackend*>(self)->clientName.c_str(), text.c_str());
    }

    void startReceiving()
    {
        input.setCallback(receiveCallback, this);
        input.ignoreTypes(false, true, true); // SysEx passed; time code, clock, sensing dropped
        gateOpen = true;
    }

    static void receiveCallback(double, std::vector<unsigned char>* message, void* self)
    {
        auto* backend = static_cast<AlsaBackend*>(self);
        ++backend->inFlight;
        if (message && !message->empty() && backend->gateOpen)
            backend->receiver.midiReceived(message->data(), message->size());
        --backend->inFlight;
    }

    // Lets a message being handled finish before the input goes: the sequencer's thread may be
    // cut short when the port closes, which must not happen inside the receiver.
    void closeGate()
    {
        gateOpen = false;
        const auto end = std::chrono::steady_clock::now() + kReceiveDrainLimit;
        while (inFlight > 0 && std::chrono::steady_clock::now() < end)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }

    Receiver& receiver;
    std::string clientName;
    RtMidiIn input;
    RtMidiOut output;
    std::string virtualNames[2]; // output, input: the port names given to openVirtualPort
    std::atomic<bool> gateOpen{false};
    std::atomic<int> inFlight{0};
};
} // namespace

std::unique_ptr<Backend> createAlsaBackend(Receiver& receiver, const char* clientName)
{
    if (!alsaSequencerOpens())
        return nullptr;
    QuietCall quiet;
    try
    {
        return std::make_unique<AlsaBackend>(receiver, clientName);
    }
    catch (const RtMidiError&)
    {
        return nullptr;
    }
}
} // namespace midi
