// The ALSA sequencer through RtMidi: an input and an output object, each a client of its own.
// RtMidi hands a SysEx message over whole; the receive path takes that as well as pieces.
#include "RtMidiBackend.h"

#include <RtMidi.h>

#include <atomic>
#include <chrono>
#include <string>
#include <thread>

namespace midi
{
namespace
{
constexpr auto kReceiveDrainLimit = std::chrono::seconds(1);

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
        : receiver(receiver), input(RtMidi::LINUX_ALSA, clientName + " Input"),
          output(RtMidi::LINUX_ALSA, clientName + " Output")
    {
    }

    ~AlsaBackend() override { closePort(Direction::Input); }

    std::vector<std::string> listPorts(Direction direction) override
    {
        try
        {
            return direction == Direction::Output ? namesOf(output) : namesOf(input);
        }
        catch (const RtMidiError&)
        {
            return {};
        }
    }

    bool openPort(Direction direction, const std::string& name) override
    {
        closePort(direction);
        try
        {
            if (direction == Direction::Output)
                return openNamed(output, name, "Output");
            if (!openNamed(input, name, "Input"))
                return false;
            input.setCallback(receiveCallback, this);
            input.ignoreTypes(false, true, true); // SysEx passed; time code, clock, sensing dropped
            gateOpen = true;
            return true;
        }
        catch (const RtMidiError&)
        {
            return false;
        }
    }

    void closePort(Direction direction) override
    {
        try
        {
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
        catch (const RtMidiError&)
        {
            // the port stays as the system left it
        }
    }

    bool send(const unsigned char* bytes, std::size_t length) override
    {
        try
        {
            output.sendMessage(bytes, length);
            return true;
        }
        catch (const RtMidiError&)
        {
            return false;
        }
    }

    bool usable() const override { return true; }

private:
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
    RtMidiIn input;
    RtMidiOut output;
    std::atomic<bool> gateOpen{false};
    std::atomic<int> inFlight{0};
};
} // namespace

std::unique_ptr<Backend> createAlsaBackend(Receiver& receiver, const char* clientName)
{
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
