// A simulated ESX on two MIDI ports of its own, on the MIDI system the plug-in chooses
// (MidiPeer). What arrives on its input is handled on a thread of its own, never on the MIDI
// system's thread.
#pragma once

#include "EsxDevice.h"
#include "MidiPeer.h"

#include <cstddef>
#include <deque>
#include <mutex>
#include <string>

namespace esxsim
{
class EsxSimulator
{
public:
    // Opens "ESX MIDI IN" and "ESX MIDI OUT" (on JACK "<client>:ESX MIDI IN"); throws
    // NoMidiSystem when no MIDI system can be reached.
    explicit EsxSimulator(const std::string& clientName, Version version = {});
    ~EsxSimulator();
    EsxSimulator(const EsxSimulator&) = delete;
    EsxSimulator& operator=(const EsxSimulator&) = delete;

    // Full names as MIDI port lists show them.
    std::string inputPortName() const;
    std::string outputPortName() const;

    // What a user does on the device.
    void turnKnob(e_ParameterID parameter, unsigned index, unsigned value);
    void sendCurrentPattern();
    // The current pattern dump up to length bytes, and nothing after.
    void sendCurrentPatternCut(std::size_t length);
    // The current pattern dump with a manufacturer byte that is not the device's.
    void sendCorruptedPattern();
    void sendBank(unsigned bank);
    void setSilent(bool silent);
    // The next count identity requests get lost on the way, as on a busy machine.
    void dropIdentityRequests(unsigned count);
    void setVersion(Version version);

    // The device's memory, for the tests.
    PatternImage currentPattern() const;
    void setPattern(unsigned memory, const PatternImage& image);
    PatternImage pattern(unsigned memory) const;

    // The latest complete messages received and answered (at most kReceivedKept), oldest first.
    std::deque<Message> received() const;
    void clearReceived();
    static constexpr std::size_t kReceivedKept = 4096;

private:
    void handle(const Message& message);
    Message currentPatternDump() const;

    mutable std::mutex deviceLock;
    EsxDevice device;
    std::deque<Message> log;
    MidiPeer ports; // last: it goes first, and with it the thread that handles what arrives
    std::string inputName;
    std::string outputName;
};
} // namespace esxsim
