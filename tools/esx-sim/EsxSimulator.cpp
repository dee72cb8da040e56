#include "EsxSimulator.h"

#include <RtMidi.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>

namespace esxsim
{
namespace
{
// Each port object is a client of its own; JACK would rename a second client of one name.
constexpr const char* kInputClient = " in";
constexpr const char* kOutputClient = " out";
constexpr const char* kInputPort = "ESX MIDI IN";
constexpr const char* kOutputPort = "ESX MIDI OUT";
// A DIN-to-USB interface hands long SysEx over in pieces of at most 1 KB. The pause lets
// JACK carry each piece out before the next: its output buffer takes about 32 KB per cycle.
constexpr std::size_t kFragmentSize = 1024;
constexpr auto kFragmentPause = std::chrono::milliseconds(3);

std::vector<RtMidi::Api> midiSystems()
{
    const char* forced = std::getenv("PAVONIS_MIDI_API");
    const RtMidi::Api api = forced ? RtMidi::getCompiledApiByName(forced) : RtMidi::UNSPECIFIED;
    if (api != RtMidi::UNSPECIFIED)
        return {api};
    return {RtMidi::LINUX_ALSA, RtMidi::UNIX_JACK};
}
} // namespace

EsxSimulator::EsxSimulator(const std::string& clientName, Version version)
    : client(clientName), device(version)
{
    const std::vector<RtMidi::Api> systems = midiSystems();
    for (std::size_t i = 0; i < systems.size() && !input; ++i)
    {
        try
        {
            auto out = std::make_unique<RtMidiOut>(systems[i], client + kOutputClient);
            out->openVirtualPort(kOutputPort);
            auto in = std::make_unique<RtMidiIn>(systems[i], client + kInputClient);
            in->ignoreTypes(false, true, true);
            in->setCallback(onInput, this);
            in->openVirtualPort(kInputPort);
            output = std::move(out);
            input = std::move(in);
        }
        catch (const RtMidiError&)
        {
            if (i + 1 == systems.size())
                throw;
        }
    }
    server = std::thread([this] { serve(); });
}

EsxSimulator::~EsxSimulator()
{
    input.reset(); // no more input callbacks
    {
        std::lock_guard<std::mutex> lock(inboxLock);
        stopping = true;
    }
    inboxFilled.notify_one();
    server.join();
}

std::string EsxSimulator::inputPortName() const
{
    return client + kInputClient + ":" + kInputPort;
}

std::string EsxSimulator::outputPortName() const
{
    return client + kOutputClient + ":" + kOutputPort;
}

void EsxSimulator::onInput(double, std::vector<unsigned char>* message, void* simulator)
{
    auto* self = static_cast<EsxSimulator*>(simulator);
    {
        std::lock_guard<std::mutex> lock(self->inboxLock);
        self->inbox.emplace_back(message->begin(), message->end());
    }
    self->inboxFilled.notify_one();
}

void EsxSimulator::serve()
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
        handle(message);
        lock.lock();
    }
}

// Answers first and records after: a message in the record has been answered.
void EsxSimulator::handle(const Message& message)
{
    std::unique_lock<std::mutex> lock(deviceLock);
    const Message answer = device.receive(message);
    lock.unlock();
    send(answer);
    lock.lock();
    log.push_back(message);
    if (log.size() > kReceivedKept)
        log.pop_front();
}

void EsxSimulator::send(const Message& message)
{
    std::lock_guard<std::mutex> lock(outputLock);
    for (std::size_t offset = 0; offset < message.size(); offset += kFragmentSize)
    {
        if (offset > 0)
            std::this_thread::sleep_for(kFragmentPause);
        const std::size_t length = std::min(kFragmentSize, message.size() - offset);
        output->sendMessage(message.data() + offset, length);
    }
}

void EsxSimulator::turnKnob(e_ParameterID parameter, unsigned index, unsigned value)
{
    std::vector<Message> messages;
    {
        std::lock_guard<std::mutex> lock(deviceLock);
        messages = device.turnKnob(parameter, index, value);
    }
    for (const Message& message : messages)
        send(message);
}

Message EsxSimulator::currentPatternDump() const
{
    std::lock_guard<std::mutex> lock(deviceLock);
    return device.currentPatternDump();
}

void EsxSimulator::sendCurrentPattern()
{
    send(currentPatternDump());
}

void EsxSimulator::sendCurrentPatternCut(std::size_t length)
{
    Message dump = currentPatternDump();
    dump.resize(std::min(length, dump.size()));
    send(dump);
}

void EsxSimulator::sendCorruptedPattern()
{
    Message dump = currentPatternDump();
    dump[1] = 0x43; // another manufacturer
    send(dump);
}

void EsxSimulator::sendBank(unsigned bank)
{
    std::unique_lock<std::mutex> lock(deviceLock);
    const Message dump = device.bankDump(bank);
    lock.unlock();
    send(dump);
}

void EsxSimulator::setSilent(bool silent)
{
    std::lock_guard<std::mutex> lock(deviceLock);
    device.silent = silent;
}

void EsxSimulator::dropIdentityRequests(unsigned count)
{
    std::lock_guard<std::mutex> lock(deviceLock);
    device.identityRequestsToDrop = count;
}

void EsxSimulator::setVersion(Version version)
{
    std::lock_guard<std::mutex> lock(deviceLock);
    device.version = version;
}

PatternImage EsxSimulator::currentPattern() const
{
    std::lock_guard<std::mutex> lock(deviceLock);
    return device.currentPattern();
}

void EsxSimulator::setPattern(unsigned memory, const PatternImage& image)
{
    std::lock_guard<std::mutex> lock(deviceLock);
    device.memory(memory) = image;
}

PatternImage EsxSimulator::pattern(unsigned memory) const
{
    std::lock_guard<std::mutex> lock(deviceLock);
    return device.memory(memory);
}

std::deque<Message> EsxSimulator::received() const
{
    std::lock_guard<std::mutex> lock(deviceLock);
    return log;
}

void EsxSimulator::clearReceived()
{
    std::lock_guard<std::mutex> lock(deviceLock);
    log.clear();
}
} // namespace esxsim
