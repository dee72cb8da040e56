#include "EsxSimulator.h"

#include <algorithm>

namespace esxsim
{
namespace
{
constexpr const char* kInputPort = "ESX MIDI IN";
constexpr const char* kOutputPort = "ESX MIDI OUT";
} // namespace

EsxSimulator::EsxSimulator(const std::string& clientName, Version version)
    : device(version), ports(clientName, [this](const Message& message) { handle(message); })
{
    inputName = ports.openOwnPort(midi::Direction::Input, kInputPort);
    outputName = ports.openOwnPort(midi::Direction::Output, kOutputPort);
}

EsxSimulator::~EsxSimulator() = default;

std::string EsxSimulator::inputPortName() const
{
    return inputName;
}

std::string EsxSimulator::outputPortName() const
{
    return outputName;
}

// Answers first and records after: a message in the record has been answered.
void EsxSimulator::handle(const Message& message)
{
    std::unique_lock<std::mutex> lock(deviceLock);
    const Message answer = device.receive(message);
    lock.unlock();
    ports.sendInPieces(answer);
    lock.lock();
    log.push_back(message);
    if (log.size() > kReceivedKept)
        log.pop_front();
}

void EsxSimulator::turnKnob(e_ParameterID parameter, unsigned index, unsigned value)
{
    std::vector<Message> messages;
    {
        std::lock_guard<std::mutex> lock(deviceLock);
        messages = device.turnKnob(parameter, index, value);
    }
    for (const Message& message : messages)
        ports.sendInPieces(message);
}

Message EsxSimulator::currentPatternDump() const
{
    std::lock_guard<std::mutex> lock(deviceLock);
    return device.currentPatternDump();
}

void EsxSimulator::sendCurrentPattern()
{
    ports.sendInPieces(currentPatternDump());
}

void EsxSimulator::sendCurrentPatternCut(std::size_t length)
{
    Message dump = currentPatternDump();
    dump.resize(std::min(length, dump.size()));
    ports.sendInPieces(dump);
}

void EsxSimulator::sendCorruptedPattern()
{
    Message dump = currentPatternDump();
    dump[1] = 0x43; // another manufacturer
    ports.sendInPieces(dump);
}

void EsxSimulator::sendBank(unsigned bank)
{
    std::unique_lock<std::mutex> lock(deviceLock);
    const Message dump = device.bankDump(bank);
    lock.unlock();
    ports.sendInPieces(dump);
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
