// The Tether MIDI layer: the plug-in drives a MIDI interface itself through a back end of the
// MIDI system (src/midi/<system>/). The back end and its client come into being when the port
// list is first needed, not while a host scans or loads the plug-in. The layer lists the ports,
// opens the chosen input and output by name, sends queued channel messages from a send thread
// of its own, repeats the identity request from its clock thread until the device answers, and
// routes what arrives on the input.
#include "../core/SynthCommons.h"
#include "../editor/SynthEditor.h"
#include "../sysex/SysexFormat.h"
#include "MidiBackend.h"

#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>

namespace
{
constexpr int kMessagesPerCycle[] = {1, 3, 4}; // single, short NRPN, long NRPN
constexpr unsigned kBusyCycleWaitMs = 1;
constexpr unsigned kQueueBusyWaitMs = 2;
constexpr unsigned kClockStepMs = 100;
// The first message after a port opens can be lost on a busy machine: the identity request
// goes out again this often, this far apart, until the device answers.
constexpr int kInquiryRepeats = 4;
constexpr auto kInquiryInterval = std::chrono::milliseconds(300);

// The back end's word, handed to the plug-in.
class TetherReceiver final : public midi::Receiver
{
public:
    explicit TetherReceiver(SynthCommons& synth) : synth(synth) {}
    void midiReceived(const unsigned char* bytes, std::size_t length) override
    {
        synth.TetherMidiReceive(std::vector<unsigned char>(bytes, bytes + length), false);
    }
    void midiSystemGone() override { synth.TetherMidiSystemGone(); }

private:
    SynthCommons& synth;
};

void TetherMidi_MidiOutThread(void* argument)
{
    static_cast<SynthCommons*>(argument)->TetherMidiSendCycles();
}

void TetherMidi_MidiClockThread(void* argument)
{
    static_cast<SynthCommons*>(argument)->TetherMidiClockCycles();
}

std::int32_t indexOfName(const char (&names)[kTetherMaxPorts][kTetherPortNameLength], std::uint32_t count,
                         const char* name)
{
    for (std::uint32_t i = 0; i < count; ++i)
        if (std::strcmp(names[i], name) == 0)
            return static_cast<std::int32_t>(i);
    return -1;
}
} // namespace

// One direction's members, so that both directions share their steps.
struct SynthCommons::t_TetherSide
{
    midi::Direction direction;
    std::atomic<std::int32_t>& port;
    std::uint32_t& count;
    char (&names)[kTetherMaxPorts][kTetherPortNameLength];
    char (&openName)[kTetherPortNameLength];
    std::mutex& lock;
};

SynthCommons::t_TetherSide SynthCommons::tetherSide(midi::Direction direction)
{
    if (direction == midi::Direction::Output)
        return {direction,          tetherMidiOutPort,     tetherMidiOutCount,
                tetherMidiOutNames, tetherMidiOutOpenName, tetherOutPortLock};
    return {direction,         tetherMidiInPort,     tetherMidiInCount,
            tetherMidiInNames, tetherMidiInOpenName, tetherInPortLock};
}

void SynthCommons::TetherMidiQueue_InitQueue()
{
    midiQueueInit(tetherQueueSingle);
    midiQueueInit(tetherQueueShortNRPN);
    midiQueueInit(tetherQueueLongNRPN);
    tetherQueueBusy.release();
}

void SynthCommons::TetherMidiInitialize()
{
    if (tetherMidiInitialized)
        return;
    if (!tetherMidiReceiver)
        tetherMidiReceiver = std::make_unique<TetherReceiver>(*this);
    std::unique_ptr<midi::Backend> backend = midi::createBackend(*tetherMidiReceiver);
    if (!backend)
        return;
    {
        std::scoped_lock lock(tetherOutPortLock, tetherInPortLock);
        tetherMidiBackend = std::move(backend);
        tetherMidiOutPort = -1;
        tetherMidiInPort = -1;
    }
    tetherMidiThreadsRunning = true;
    tetherMidiOutThread = std::make_unique<platform::Thread>(TetherMidi_MidiOutThread, this);
    if (tetherMidiOutThread->started())
        tetherMidiClockThread = std::make_unique<platform::Thread>(TetherMidi_MidiClockThread, this);
    if (tetherMidiClockThread && tetherMidiClockThread->started())
    {
        tetherMidiInitialized = true;
        listTetherPorts(tetherSide(midi::Direction::Output));
        listTetherPorts(tetherSide(midi::Direction::Input));
        return;
    }
    stopTetherThreads();
    std::scoped_lock lock(tetherOutPortLock, tetherInPortLock);
    tetherMidiBackend.reset();
}

void SynthCommons::stopTetherThreads()
{
    {
        std::lock_guard<std::mutex> lock(tetherWakeLock);
        tetherMidiThreadsRunning = false;
    }
    tetherWake.notify_all();
    tetherClockWake.notify_all();
    tetherMidiOutThread.reset();
    tetherMidiClockThread.reset();
}

void SynthCommons::TetherMidiDeInitialize()
{
    TetherMidiInClose();
    TetherMidiOutClose();
    if (tetherMidiInitialized)
    {
        stopTetherThreads();
        tetherMidiInitialized = false;
    }
    std::scoped_lock lock(tetherOutPortLock, tetherInPortLock);
    tetherMidiBackend.reset();
    tetherMidiOutCount = tetherMidiInCount = 0;
    tetherMidiOutPort = -1;
    tetherMidiInPort = -1;
    tetherMidiDeviceAttached = false;
}

// The layer as the port menus need it: created on first use, and created anew when the MIDI
// system went away since (a JACK server that was restarted).
bool SynthCommons::ensureTetherMidi()
{
    if (tetherMidiInitialized && tetherMidiBackend->usable())
        return true;
    TetherMidiDeInitialize();
    TetherMidiInitialize();
    return tetherMidiInitialized;
}

void SynthCommons::TetherMidiSystemGone()
{
    tetherMidiOutPort = -1;
    tetherMidiInPort = -1;
    tetherMidiDeviceAttached = false;
    tetherInquiryRepeats = 0;
    TetherMidiShowPortState();
}

// The panel's lamps follow the open ports; the device is unknown until it answers again.
void SynthCommons::TetherMidiShowPortState()
{
    if (!synthEditor)
        return;
    synthEditor->setLamp(RES_LAMP_OUT, tetherMidiOutPort >= 0);
    synthEditor->setLamp(RES_LAMP_IN, tetherMidiInPort >= 0);
    synthEditor->setDeviceStatus("ESX Not detected");
}

// Takes the system's port list anew; an open port whose other end has gone is closed.
std::uint32_t SynthCommons::listTetherPorts(const t_TetherSide& side)
{
    const std::vector<std::string> names = tetherMidiBackend->listPorts(side.direction);
    std::lock_guard<std::mutex> lock(side.lock);
    side.count = static_cast<std::uint32_t>(names.size() < kTetherMaxPorts ? names.size() : kTetherMaxPorts);
    for (std::uint32_t i = 0; i < side.count; ++i)
        std::snprintf(side.names[i], kTetherPortNameLength, "%s", names[i].c_str());
    if (side.port < 0)
        return side.count;
    side.port = indexOfName(side.names, side.count, side.openName);
    if (side.port < 0)
    {
        tetherMidiDeviceAttached = false;
        tetherMidiBackend->closePort(side.direction);
        TetherMidiShowPortState();
    }
    return side.count;
}

std::uint32_t SynthCommons::TetherMidiOutGetNbDevices()
{
    return ensureTetherMidi() ? listTetherPorts(tetherSide(midi::Direction::Output)) : 0;
}

std::uint32_t SynthCommons::TetherMidiInGetNbDevices()
{
    return ensureTetherMidi() ? listTetherPorts(tetherSide(midi::Direction::Input)) : 0;
}

const char* SynthCommons::TetherMidiOutGetDeviceName(std::uint32_t index)
{
    return tetherMidiInitialized && index < tetherMidiOutCount ? tetherMidiOutNames[index] : nullptr;
}

const char* SynthCommons::TetherMidiInGetDeviceName(std::uint32_t index)
{
    return tetherMidiInitialized && index < tetherMidiInCount ? tetherMidiInNames[index] : nullptr;
}

const char* SynthCommons::TetherMidiOutGetOpenName()
{
    return tetherMidiOutPort >= 0 ? tetherMidiOutOpenName : nullptr;
}

const char* SynthCommons::TetherMidiInGetOpenName()
{
    return tetherMidiInPort >= 0 ? tetherMidiInOpenName : nullptr;
}

std::uint32_t SynthCommons::openListedTetherPort(const t_TetherSide& side, std::uint32_t index)
{
    if (!ensureTetherMidi())
        return kNoTetherPort;
    if (static_cast<std::int32_t>(index) == side.port)
        return index;
    closeTetherPort(side);
    if (index >= side.count)
        return kNoTetherPort;
    char name[kTetherPortNameLength];
    std::memcpy(name, side.names[index], sizeof name);
    return openTetherPort(side, name, index);
}

// A name that is not listed leaves the open port as it is.
std::uint32_t SynthCommons::openNamedTetherPort(const t_TetherSide& side, const char* name)
{
    if (!name || !ensureTetherMidi())
        return kNoTetherPort;
    listTetherPorts(side);
    if (side.port >= 0 && std::strcmp(side.openName, name) == 0)
        return static_cast<std::uint32_t>(side.port.load());
    const std::int32_t index = indexOfName(side.names, side.count, name);
    if (index < 0)
        return kNoTetherPort;
    closeTetherPort(side);
    return openTetherPort(side, side.names[index], static_cast<std::uint32_t>(index));
}

std::uint32_t SynthCommons::openTetherPort(const t_TetherSide& side, const char* name, std::uint32_t index)
{
    std::lock_guard<std::mutex> lock(side.lock);
    if (!tetherMidiBackend->openPort(side.direction, name))
        return kNoTetherPort;
    std::snprintf(side.openName, kTetherPortNameLength, "%s", name);
    side.port = static_cast<std::int32_t>(index);
    if (!tetherMidiBackend->usable()) // the system went away while the port opened
        side.port = -1;
    return side.port < 0 ? kNoTetherPort : index;
}

void SynthCommons::closeTetherPort(const t_TetherSide& side)
{
    tetherMidiDeviceAttached = false;
    std::lock_guard<std::mutex> lock(side.lock);
    if (!tetherMidiInitialized || side.port < 0)
        return;
    tetherMidiBackend->closePort(side.direction);
    side.port = -1;
}

std::uint32_t SynthCommons::TetherMidiOutOpen(std::uint32_t index)
{
    return openListedTetherPort(tetherSide(midi::Direction::Output), index);
}

std::uint32_t SynthCommons::TetherMidiInOpen(std::uint32_t index)
{
    return openListedTetherPort(tetherSide(midi::Direction::Input), index);
}

std::uint32_t SynthCommons::TetherMidiOutOpenByName(const char* name)
{
    return openNamedTetherPort(tetherSide(midi::Direction::Output), name);
}

std::uint32_t SynthCommons::TetherMidiInOpenByName(const char* name)
{
    return openNamedTetherPort(tetherSide(midi::Direction::Input), name);
}

void SynthCommons::TetherMidiOutClose()
{
    closeTetherPort(tetherSide(midi::Direction::Output));
}

void SynthCommons::TetherMidiInClose()
{
    closeTetherPort(tetherSide(midi::Direction::Input));
}

bool SynthCommons::TetherMidiHardwareAttached()
{
    return tetherMidiInitialized && tetherMidiOutPort >= 0 && tetherMidiInPort >= 0 &&
           tetherMidiDeviceAttached;
}

bool SynthCommons::TetherMidiHostAvailable()
{
    return hostKind != HOST_AUDIO_UNIT;
}

void SynthCommons::TetherMidiSend(const unsigned char* bytes, std::uint32_t length)
{
    if (!bytes || length == 0 || midiMode != MIDI_MODE_TETHER || !tetherMidiInitialized)
        return;
    std::lock_guard<std::mutex> lock(tetherOutPortLock);
    if (tetherMidiOutPort >= 0 && tetherMidiBackend)
        tetherMidiBackend->send(bytes, length); // a message the port refused is dropped
}

void SynthCommons::TetherMidiSend(VstEvents* events)
{
    if (!events || !tetherMidiInitialized || tetherMidiOutPort < 0)
        return;
    for (int i = 0; i < events->numEvents; ++i)
    {
        const VstEvent* event = events->events[i];
        if (!event)
            continue;
        if (event->type == kVstMidiType)
            TetherMidiSendQueue(*reinterpret_cast<const VstMidiEvent*>(event));
        else if (event->type == kVstSysExType)
        {
            const auto* sysex = reinterpret_cast<const VstMidiSysexEvent*>(event);
            if (sysex->dumpBytes > 0)
                TetherMidiSend(reinterpret_cast<const unsigned char*>(sysex->sysexDump),
                               static_cast<std::uint32_t>(sysex->dumpBytes));
        }
    }
}

void SynthCommons::TetherMidiSendQueue(VstEvents* events)
{
    if (!events || events->numEvents <= 0 || midiMode == MIDI_MODE_HOST || !tetherMidiInitialized ||
        tetherMidiOutPort < 0)
        return;
    tetherQueueBusy.take();
    midiQueueEnqueueList(tetherQueueSingle, tetherQueueShortNRPN, tetherQueueLongNRPN, events);
    tetherQueueBusy.release();
    {
        std::lock_guard<std::mutex> lock(tetherWakeLock);
        tetherWakePending = true;
    }
    tetherWake.notify_one();
}

void SynthCommons::TetherMidiSendQueue(const VstMidiEvent& event)
{
    struct
    {
        vst::int32 numEvents;
        vst::intptr reserved;
        VstEvent* events[2];
    } list{1, 0, {reinterpret_cast<VstEvent*>(const_cast<VstMidiEvent*>(&event)), nullptr}};
    TetherMidiSendQueue(reinterpret_cast<VstEvents*>(&list));
}

// One cycle takes one single message and one part (preamble or group) of each NRPN form.
int SynthCommons::takeTetherCycle(VstMidiEvent* taken)
{
    if (!tetherQueueBusy.tryTake())
        return -1;
    int count = 0;
    t_MidiEventQueue* queues[] = {&tetherQueueSingle, &tetherQueueShortNRPN, &tetherQueueLongNRPN};
    for (int q = 0; q < 3; ++q)
    {
        t_MidiEventQueue& queue = *queues[q];
        const int n = queue.numEvents < kMessagesPerCycle[q] ? queue.numEvents : kMessagesPerCycle[q];
        std::memcpy(taken + count, queue.records, sizeof(VstMidiEvent) * n);
        midiQueueRemoveFront(queue, n);
        count += n;
    }
    tetherQueueBusy.release();
    return count;
}

void SynthCommons::TetherMidiSendCycles()
{
    VstMidiEvent taken[8];
    while (tetherMidiThreadsRunning)
    {
        const int count = takeTetherCycle(taken);
        for (int i = 0; i < count; ++i)
        {
            const auto* bytes = reinterpret_cast<const unsigned char*>(taken[i].midiData);
            TetherMidiSend(bytes, midiMessageLength(bytes[0]));
        }
        if (count > 0)
        {
            platform::sleepMs(kBusyCycleWaitMs);
            continue;
        }
        // Idle: sleep until something is queued (or the queues were busy a moment ago).
        std::unique_lock<std::mutex> lock(tetherWakeLock);
        const auto woken = [this] { return tetherWakePending || !tetherMidiThreadsRunning; };
        if (count < 0)
            tetherWake.wait_for(lock, std::chrono::milliseconds(kQueueBusyWaitMs), woken);
        else
            tetherWake.wait(lock, woken);
        tetherWakePending = false;
    }
}

// Asks again for the device's identity until it answers: the clock thread sends the repeats.
void SynthCommons::repeatInquiryUntilAnswered()
{
    {
        std::lock_guard<std::mutex> lock(tetherWakeLock);
        tetherInquiryRepeats = kInquiryRepeats;
        tetherNextInquiry = std::chrono::steady_clock::now() + kInquiryInterval;
    }
    tetherClockWake.notify_all();
}

// Waits in 100 ms steps while an identity request is outstanding, otherwise until woken.
void SynthCommons::TetherMidiClockCycles()
{
    std::unique_lock<std::mutex> lock(tetherWakeLock);
    while (tetherMidiThreadsRunning)
    {
        if (tetherInquiryRepeats > 0)
            tetherClockWake.wait_for(lock, std::chrono::milliseconds(kClockStepMs));
        else
            tetherClockWake.wait(lock);
        if (tetherInquiryRepeats <= 0 || std::chrono::steady_clock::now() < tetherNextInquiry)
            continue;
        if (tetherMidiDeviceAttached || tetherMidiOutPort < 0 || tetherMidiInPort < 0)
        {
            tetherInquiryRepeats = 0;
            continue;
        }
        --tetherInquiryRepeats;
        tetherNextInquiry += kInquiryInterval;
        lock.unlock();
        TetherMidiSend(kIdentityRequest, sizeof kIdentityRequest);
        lock.lock();
    }
}

void SynthCommons::TetherMidiFilterRealTime(std::vector<unsigned char>* message)
{
    if (!message)
        return;
    std::erase_if(*message, [](unsigned char byte) { return byte > 0xF7; });
}

void SynthCommons::TetherMidiReceive(std::vector<unsigned char> message, bool snapshot)
{
    if (message.empty())
        return;
    if (!snapshot)
    {
        TetherMidiFilterRealTime(&message);
        // A status byte inside a SysEx reception ends it; what follows is a message of its own.
        const std::size_t cut = sysexCutPoint(message);
        if (cut < message.size())
        {
            std::vector<unsigned char> rest(message.begin() + static_cast<std::ptrdiff_t>(cut),
                                            message.end());
            message.resize(cut);
            if (!message.empty())
                processEvent_CheckForSysex(message, false);
            endSysexReceptionEarly(true);
            TetherMidiReceive(std::move(rest), false);
            return;
        }
    }
    if (message.empty() || processEvent_CheckForSysex(message, snapshot))
        return;
    const unsigned char* bytes = message.data();
    // Channel messages of three bytes, and the song position; program changes, pressure and
    // anything malformed stay here.
    const bool channelMessage = bytes[0] >= 0x80 && bytes[0] < 0xF0;
    if (message.size() != 3 || !(channelMessage || bytes[0] == 0xF2) || bytes[1] > 0x7F || bytes[2] > 0x7F)
        return;
    if ((bytes[0] & 0xF0) != 0xB0)
    {
        // What is played on the device goes to the host.
        SendMidiSize3Event(static_cast<char>(bytes[0]), static_cast<char>(bytes[1]),
                           static_cast<char>(bytes[2]), false, true);
        return;
    }
    if (snapshot)
        return;
    if (midiTestRunning)
    {
        midiTest_OnControlChange(bytes);
        return;
    }
    VstMidiEvent event = makeMidiEvent(bytes[0], bytes[1], bytes[2]);
    if (processEvent_CheckForProgramChange(&event) || processEvent_CheckForNRPN(&event) ||
        parameterLib_SetParameterValueFromHW(&event))
    {
        history_TakeDeviceChanges(false);
        return;
    }
    // A control change that no parameter claims goes back to the interface.
    SendMidiSize3Event(static_cast<char>(bytes[0]), static_cast<char>(bytes[1]), static_cast<char>(bytes[2]),
                       true, false);
}
