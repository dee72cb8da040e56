// The Tether MIDI layer: the plug-in drives a MIDI interface itself through RtMidi. It
// lists the ports, opens the chosen input and output, sends queued channel messages from
// a send thread of its own and routes what arrives on the input.
#include "../core/SynthCommons.h"

#include <RtMidi.h>

#include <cstdlib>
#include <cstring>
#include <string>

namespace
{
constexpr int kMessagesPerCycle[] = {1, 3, 4}; // single, short NRPN, long NRPN
constexpr unsigned kBusyCycleWaitMs = 1;
constexpr unsigned kIdleWaitMs = 100;
constexpr unsigned kClockStepMs = 100;
constexpr unsigned kReceiveDrainMs = 1000;

// The MIDI system to use: PAVONIS_MIDI_API=alsa|jack, else ALSA with JACK as fallback.
std::vector<RtMidi::Api> apisToTry()
{
    const char* forced = std::getenv("PAVONIS_MIDI_API");
    if (forced && std::strcmp(forced, "jack") == 0)
        return {RtMidi::UNIX_JACK};
    if (forced && std::strcmp(forced, "alsa") == 0)
        return {RtMidi::LINUX_ALSA};
    return {RtMidi::LINUX_ALSA, RtMidi::UNIX_JACK};
}

template <typename Port> Port* createPort(const char* clientName)
{
    for (RtMidi::Api api : apisToTry())
    {
        try
        {
            return new Port(api, clientName);
        }
        catch (const RtMidiError&)
        {
            // try the next system
        }
    }
    throw RtMidiError("no MIDI system available", RtMidiError::DRIVER_ERROR);
}

// RtMidi's JACK back end only warns when no server runs, and its output side then allocates
// anew at every query, leaking the previous buffer: an input without a server means that
// there is no MIDI system to use.
bool reachesMidiSystem(RtMidiIn& input)
{
    if (input.getCurrentApi() != RtMidi::UNIX_JACK)
        return true;
    bool refused = false;
    input.setErrorCallback([](RtMidiError::Type, const std::string&, void* flag)
                           { *static_cast<bool*>(flag) = true; },
                           &refused);
    input.getPortCount();
    input.setErrorCallback(nullptr, nullptr);
    return !refused;
}

// Copies the port names, at most kTetherMaxPorts of them, cut to fit their slots.
template <typename Port>
std::uint32_t listPorts(Port& port, char (&names)[kTetherMaxPorts][kTetherPortNameLength])
{
    std::uint32_t count = port.getPortCount();
    if (count > kTetherMaxPorts)
        count = kTetherMaxPorts;
    for (std::uint32_t i = 0; i < count; ++i)
    {
        const std::string name = port.getPortName(i);
        std::snprintf(names[i], kTetherPortNameLength, "%s", name.c_str());
    }
    return count;
}

// The index that a listed port has now: other programs' ports may have come or gone since
// the list was taken, and the system opens ports by their index of the moment.
template <typename Port> unsigned currentIndexOf(Port& port, const char* listedName)
{
    const unsigned count = port.getPortCount();
    for (unsigned i = 0; i < count; ++i)
    {
        char name[kTetherPortNameLength];
        std::snprintf(name, sizeof name, "%s", port.getPortName(i).c_str());
        if (std::strcmp(name, listedName) == 0)
            return i;
    }
    throw RtMidiError("the port has gone", RtMidiError::INVALID_DEVICE);
}

// Opens a listed port; the listed index now open, or -1. setUp runs once the port is open.
template <typename Port, typename SetUp>
std::int32_t openListedPort(Port& port, std::uint32_t index, const char* listedName, const char* portName,
                            SetUp setUp)
{
    try
    {
        port.openPort(currentIndexOf(port, listedName), portName);
        setUp();
        return static_cast<std::int32_t>(index);
    }
    catch (const RtMidiError&)
    {
        return -1;
    }
}

// Closes a port; false when the system refused, and the port stays as it was.
template <typename Port> bool closePortQuietly(Port& port)
{
    try
    {
        port.closePort();
        return true;
    }
    catch (const RtMidiError&)
    {
        return false;
    }
}

void TetherMidiReceiveCbk(double, std::vector<unsigned char>* message, void* user)
{
    if (message && user)
        static_cast<SynthCommons*>(user)->TetherMidiReceiveFromPort(*message);
}

void TetherMidi_MidiOutThread(void* argument)
{
    static_cast<SynthCommons*>(argument)->TetherMidiSendCycles();
}

void TetherMidi_MidiClockThread(void* argument)
{
    static_cast<SynthCommons*>(argument)->TetherMidiClockCycles();
}
} // namespace

void SynthCommons::TetherMidiQueue_InitQueue()
{
    midiQueueInit(tetherQueueSingle);
    midiQueueInit(tetherQueueShortNRPN);
    midiQueueInit(tetherQueueLongNRPN);
    tetherQueueBusy.release();
}

void SynthCommons::TetherMidiInitialize()
{
    try
    {
        tetherMidiIn = createPort<RtMidiIn>("RtMidi Input Client");
        if (!reachesMidiSystem(*tetherMidiIn))
            throw RtMidiError("no MIDI server running", RtMidiError::DRIVER_ERROR);
        tetherMidiOut = createPort<RtMidiOut>("RtMidi Output Client");
        tetherMidiOutCount = listPorts(*tetherMidiOut, tetherMidiOutNames);
        tetherMidiInCount = listPorts(*tetherMidiIn, tetherMidiInNames);
    }
    catch (const RtMidiError&)
    {
        delete tetherMidiIn;
        delete tetherMidiOut;
        tetherMidiIn = nullptr;
        tetherMidiOut = nullptr;
        tetherMidiOutCount = tetherMidiInCount = 0;
        return;
    }
    tetherMidiOutPort = -1;
    tetherMidiInPort = -1;
    tetherMidiThreadsRunning = true;
    tetherMidiOutThread = std::make_unique<platform::Thread>(TetherMidi_MidiOutThread, this);
    if (tetherMidiOutThread->started())
        tetherMidiClockThread = std::make_unique<platform::Thread>(TetherMidi_MidiClockThread, this);
    tetherMidiInitialized = tetherMidiClockThread && tetherMidiClockThread->started();
    if (!tetherMidiInitialized)
        stopTetherThreads();
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
    if (tetherMidiInitialized)
    {
        stopTetherThreads();
        tetherMidiInitialized = false;
    }
    {
        std::lock_guard<std::mutex> lock(tetherInPortLock);
        closeReceiveGate();
        delete tetherMidiIn;
        tetherMidiIn = nullptr;
        tetherMidiInPort = -1;
    }
    {
        std::lock_guard<std::mutex> lock(tetherOutPortLock);
        delete tetherMidiOut;
        tetherMidiOut = nullptr;
        tetherMidiOutPort = -1;
    }
    tetherMidiDeviceAttached = false;
}

std::uint32_t SynthCommons::TetherMidiOutGetNbDevices()
{
    return tetherMidiInitialized ? tetherMidiOutCount : 0;
}

std::uint32_t SynthCommons::TetherMidiInGetNbDevices()
{
    return tetherMidiInitialized ? tetherMidiInCount : 0;
}

const char* SynthCommons::TetherMidiOutGetDeviceName(std::uint32_t index)
{
    return tetherMidiInitialized && index < tetherMidiOutCount ? tetherMidiOutNames[index] : nullptr;
}

const char* SynthCommons::TetherMidiInGetDeviceName(std::uint32_t index)
{
    return tetherMidiInitialized && index < tetherMidiInCount ? tetherMidiInNames[index] : nullptr;
}

std::uint32_t SynthCommons::TetherMidiOutOpen(std::uint32_t index)
{
    if (!tetherMidiInitialized)
        return static_cast<std::uint32_t>(-1);
    if (static_cast<std::int32_t>(index) == tetherMidiOutPort)
        return index;
    TetherMidiOutClose();
    if (index >= tetherMidiOutCount)
        return static_cast<std::uint32_t>(-1);
    std::lock_guard<std::mutex> lock(tetherOutPortLock);
    tetherMidiOutPort =
        openListedPort(*tetherMidiOut, index, tetherMidiOutNames[index], "RtMidi Output", [] {});
    return static_cast<std::uint32_t>(tetherMidiOutPort.load());
}

std::uint32_t SynthCommons::TetherMidiInOpen(std::uint32_t index)
{
    if (!tetherMidiInitialized)
        return static_cast<std::uint32_t>(-1);
    if (static_cast<std::int32_t>(index) == tetherMidiInPort)
        return index;
    TetherMidiInClose();
    if (index >= tetherMidiInCount)
        return static_cast<std::uint32_t>(-1);
    std::lock_guard<std::mutex> lock(tetherInPortLock);
    tetherMidiInPort = openListedPort(
        *tetherMidiIn, index, tetherMidiInNames[index], "RtMidi Input",
        [this]
        {
            tetherMidiIn->setCallback(TetherMidiReceiveCbk, this);
            tetherMidiIn->ignoreTypes(false, true, true); // SysEx passed; time code, clock, sensing dropped
            tetherReceiveGateOpen = true;
        });
    return static_cast<std::uint32_t>(tetherMidiInPort.load());
}

void SynthCommons::TetherMidiOutClose()
{
    tetherMidiDeviceAttached = false;
    std::lock_guard<std::mutex> lock(tetherOutPortLock);
    if (!tetherMidiInitialized || tetherMidiOutPort < 0)
        return;
    if (closePortQuietly(*tetherMidiOut))
        tetherMidiOutPort = -1;
}

void SynthCommons::TetherMidiInClose()
{
    tetherMidiDeviceAttached = false;
    std::lock_guard<std::mutex> lock(tetherInPortLock);
    if (!tetherMidiInitialized || tetherMidiInPort < 0)
        return;
    closeReceiveGate();
    tetherMidiIn->cancelCallback();
    if (closePortQuietly(*tetherMidiIn))
        tetherMidiInPort = -1;
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
    if (tetherMidiOutPort < 0 || !tetherMidiOut)
        return;
    try
    {
        tetherMidiOut->sendMessage(bytes, length);
    }
    catch (const RtMidiError&)
    {
        // a message the port refused is dropped
    }
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
            TetherMidiSend(reinterpret_cast<const unsigned char*>(taken[i].midiData), 3);
        if (count > 0)
        {
            platform::sleepMs(kBusyCycleWaitMs);
            continue;
        }
        // Idle: sleep until something is queued (or the queues were busy a moment ago).
        std::unique_lock<std::mutex> lock(tetherWakeLock);
        tetherWake.wait_for(lock, std::chrono::milliseconds(count < 0 ? 2 : kIdleWaitMs),
                            [this] { return tetherWakePending || !tetherMidiThreadsRunning; });
        tetherWakePending = false;
    }
}

void SynthCommons::TetherMidiClockCycles()
{
    std::unique_lock<std::mutex> lock(tetherWakeLock);
    while (tetherMidiThreadsRunning)
        tetherClockWake.wait_for(lock, std::chrono::milliseconds(kClockStepMs));
}

void SynthCommons::TetherMidiReceiveFromPort(const std::vector<unsigned char>& message)
{
    ++tetherReceiveInFlight;
    if (tetherReceiveGateOpen)
        TetherMidiReceive(message, false);
    --tetherReceiveInFlight;
}

// Lets a message being handled finish before the input goes: a MIDI system may cut its
// receive thread short when the port closes, which must not happen inside our handling.
void SynthCommons::closeReceiveGate()
{
    tetherReceiveGateOpen = false;
    for (unsigned waited = 0; tetherReceiveInFlight > 0 && waited < kReceiveDrainMs; ++waited)
        platform::sleepMs(1);
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
        TetherMidiFilterRealTime(&message);
    if (message.empty() || processEvent_CheckForSysex(message, snapshot))
        return;
    const unsigned char* bytes = message.data();
    if (message.size() != 3 || bytes[0] < 0x80 || bytes[0] >= 0xF0 || bytes[1] > 0x7F || bytes[2] > 0x7F)
        return; // program changes, pressure, system messages and anything malformed
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
        return;
    // A control change that no parameter claims goes back to the interface.
    SendMidiSize3Event(static_cast<char>(bytes[0]), static_cast<char>(bytes[1]), static_cast<char>(bytes[2]),
                       true, false);
}
