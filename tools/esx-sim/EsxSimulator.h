// A simulated ESX on two virtual MIDI ports (JACK or ALSA through RtMidi, chosen as the
// plug-in chooses: PAVONIS_MIDI_API=alsa|jack, else ALSA and then JACK). What arrives on
// its input is handled on a thread of its own, never on the MIDI system's thread.
#pragma once

#include "EsxDevice.h"

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

class RtMidiIn;
class RtMidiOut;

namespace esxsim
{
class EsxSimulator
{
public:
    // Opens "<client> in:ESX MIDI IN" and "<client> out:ESX MIDI OUT"; throws RtMidiError
    // when no MIDI system can be opened.
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
    static void onInput(double timeStamp, std::vector<unsigned char>* message, void* simulator);
    void serve();
    void handle(const Message& message);
    void send(const Message& message);
    Message currentPatternDump() const;

    std::string client;
    mutable std::mutex deviceLock;
    EsxDevice device;
    std::deque<Message> log;

    std::mutex outputLock; // one message at a time, a dump's fragments together
    std::unique_ptr<RtMidiOut> output;
    std::unique_ptr<RtMidiIn> input;

    std::mutex inboxLock;
    std::condition_variable inboxFilled;
    std::deque<Message> inbox;
    bool stopping = false;
    std::thread server;
};
} // namespace esxsim
