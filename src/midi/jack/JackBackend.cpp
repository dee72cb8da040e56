// The JACK back end. One client with at most two ports, active only while a port is open.
// The process callback never locks, allocates or blocks: it moves bytes between the ports
// and two single-producer single-consumer ring buffers. Received bytes are handed on from a
// thread of the back end's own, woken by a semaphore that the callback posts.
#include "JackBackend.h"
#include "../SpscRing.h"

#include <jack/jack.h>
#include <jack/midiport.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <cstring>
#include <mutex>
#include <new>
#include <semaphore.h>
#include <thread>
#include <vector>

namespace midi
{
namespace
{
constexpr std::size_t kOutputRingSize = 64 * 1024;
constexpr std::size_t kInputRingSize = 128 * 1024;
// How long a sender waits for room in the output ring before it drops the message.
constexpr auto kSendRoomWait = std::chrono::milliseconds(200);
constexpr const char* kPortNames[] = {"MIDI out", "MIDI in"};
constexpr int kOpenAttempts = 3;
constexpr auto kOpenRetryPause = std::chrono::milliseconds(20);

using Length = RingMessageLength;

int indexOf(Direction direction)
{
    return direction == Direction::Output ? 0 : 1;
}

std::unique_ptr<SpscRing> newRing(std::size_t size)
{
    try
    {
        return std::make_unique<SpscRing>(size);
    }
    catch (const std::bad_alloc&)
    {
        return nullptr;
    }
}

// libjack prints lines of its own when no server answers ("Cannot connect to server socket",
// "JackShmReadWritePtr::~JackShmReadWritePtr - Init not done") and when a client of a server
// that has gone is closed ("Server is not running"): the caller tells the user in its own words.
// Its message functions belong to the whole process, so they are ours only during such a call,
// and what other threads say meanwhile goes on to the ones that were set.
std::mutex messageFunctionsLock;
thread_local bool quietHere = false;
void (*othersError)(const char*) = nullptr;
void (*othersInfo)(const char*) = nullptr;

void errorUnlessQuiet(const char* message)
{
    if (!quietHere && othersError)
        othersError(message);
}

void infoUnlessQuiet(const char* message)
{
    if (!quietHere && othersInfo)
        othersInfo(message);
}

template <typename Call> auto quietly(Call call)
{
    std::lock_guard<std::mutex> lock(messageFunctionsLock);
    othersError = jack_error_callback;
    othersInfo = jack_info_callback;
    jack_set_error_function(errorUnlessQuiet);
    jack_set_info_function(infoUnlessQuiet);
    quietHere = true;
    const auto result = call();
    quietHere = false;
    jack_set_error_function(othersError);
    jack_set_info_function(othersInfo);
    return result;
}

// A server that answers may still refuse a client for a moment: JACK 1.9.21 fails now and then
// to open a client under a name that a closing one has just given back ("can't connect named
// futex"), as plug-in instances of one name do when a host reloads a project.
jack_client_t* openClient(const char* clientName)
{
    for (int attempt = 1;; ++attempt)
    {
        jack_status_t status{};
        jack_client_t* client =
            quietly([&] { return jack_client_open(clientName, JackNoStartServer, &status); });
        if (client || (status & JackServerFailed) || attempt == kOpenAttempts)
            return client;
        std::this_thread::sleep_for(kOpenRetryPause);
    }
}

// libjack (1.9.21) keeps one word for the whole process about the server. When the server shuts
// out any client of the process (it does so to a late one on a starved machine), every other
// client's call fails with "Server is not running", and the next client opened in the process
// closes and deletes all clients still open there, behind their owners' backs. So the back ends
// of this module are listed, and once one of them was shut out, the others give their clients
// up before another is opened: they are gone, as after the server's death, and their owners
// make new ones.
class JackBackend;
std::mutex backendsLock; // the list, and opening and closing clients
std::vector<JackBackend*> backends;
std::atomic<bool> aClientShutOut{false};

class JackBackend final : public Backend
{
public:
    // Made, listed and destroyed under backendsLock.
    JackBackend(Receiver& receiver, jack_client_t* client) : receiver(receiver), client(client)
    {
        sem_init(&inputArrived, 0, 0);
        jack_set_process_callback(client, processCallback, this);
        jack_on_info_shutdown(client, shutdownCallback, this);
        backends.push_back(this);
    }

    ~JackBackend() override
    {
        std::lock_guard<std::mutex> listed(backendsLock);
        backends.erase(std::find(backends.begin(), backends.end(), this));
        closePort(Direction::Output);
        closePort(Direction::Input);
        closeClient();
        sem_destroy(&inputArrived);
    }

    // Under backendsLock: the client is closed and the back end is gone, its owner told so.
    void giveUpClient()
    {
        {
            std::lock_guard<std::mutex> lock(stateLock);
            gone = true;
            releaseSide(Direction::Output);
            releaseSide(Direction::Input);
            closeClient();
        }
        receiver.midiSystemGone();
    }

    std::vector<std::string> listPorts(Direction direction) override
    {
        std::lock_guard<std::mutex> lock(stateLock);
        std::vector<std::string> names;
        if (gone)
            return names;
        // We send to the others' inputs and receive from their outputs.
        const unsigned long flags = direction == Direction::Output ? JackPortIsInput : JackPortIsOutput;
        const char** ports = jack_get_ports(client, nullptr, JACK_DEFAULT_MIDI_TYPE, flags);
        const std::string own = std::string(jack_get_client_name(client)) + ":";
        for (const char** port = ports; port && *port; ++port)
            if (std::strncmp(*port, own.c_str(), own.size()) != 0)
                names.emplace_back(*port);
        jack_free(ports);
        return names;
    }

    bool openPort(Direction direction, const std::string& name) override
    {
        closePort(direction);
        std::lock_guard<std::mutex> lock(stateLock);
        if (!registerSide(direction, kPortNames[indexOf(direction)]))
            return false;
        const char* own = jack_port_name(sides[indexOf(direction)].port);
        const bool output = direction == Direction::Output;
        if ((output ? jack_connect(client, own, name.c_str()) : jack_connect(client, name.c_str(), own)) == 0)
            return true;
        releaseSide(direction);
        return false;
    }

    bool openVirtualPort(Direction direction, const std::string& portName) override
    {
        closePort(direction);
        std::lock_guard<std::mutex> lock(stateLock);
        return registerSide(direction, portName.c_str());
    }

    std::string virtualPortName(Direction direction) override
    {
        std::lock_guard<std::mutex> lock(stateLock);
        const Side& side = sides[indexOf(direction)];
        return side.port ? jack_port_name(side.port) : "";
    }

    void closePort(Direction direction) override
    {
        std::lock_guard<std::mutex> lock(stateLock);
        releaseSide(direction);
    }

    bool send(const unsigned char* bytes, std::size_t length) override
    {
        std::lock_guard<std::mutex> lock(sendLock);
        const Side& side = sides[indexOf(Direction::Output)];
        if (!side.live.load() || length == 0 || length > kOutputRingSize / 2)
            return false;
        // The callback empties the ring every cycle; a message waits for room only behind a burst.
        const auto end = std::chrono::steady_clock::now() + kSendRoomWait;
        while (!ringPutMessage(*side.ring, bytes, static_cast<Length>(length)))
        {
            if (gone || !active || std::chrono::steady_clock::now() >= end)
                return false;
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        return true;
    }

    bool usable() const override { return !gone; }

private:
    struct Side
    {
        jack_port_t* port = nullptr;
        std::unique_ptr<SpscRing> ring;
        std::atomic<jack_port_t*> live{nullptr}; // what the process callback may touch
    };

    static int processCallback(jack_nframes_t frames, void* self)
    {
        static_cast<JackBackend*>(self)->process(frames);
        return 0;
    }

    static void shutdownCallback(jack_status_t, const char*, void* self)
    {
        auto* backend = static_cast<JackBackend*>(self);
        backend->gone = true;
        aClientShutOut = true;
        backend->receiver.midiSystemGone();
    }

    // Also when the server has gone (it died, or shut this client out for being late): only
    // closing stops libjack's threads and gives back what the client holds.
    void closeClient()
    {
        if (!client)
            return;
        if (gone)
            quietly([this] { return jack_client_close(client); });
        else
            jack_client_close(client);
        client = nullptr;
    }

    void process(jack_nframes_t frames)
    {
        inCycle.store(true);
        if (jack_port_t* port = sides[0].live.load())
            writeOutput(jack_port_get_buffer(port, frames), *sides[0].ring);
        if (jack_port_t* port = sides[1].live.load())
            readInput(jack_port_get_buffer(port, frames), *sides[1].ring);
        inCycle.store(false);
    }

    // Whole messages from the ring into the cycle's buffer, as many as fit; the rest waits.
    static void writeOutput(void* buffer, SpscRing& ring)
    {
        jack_midi_clear_buffer(buffer);
        const std::size_t largest = jack_midi_max_event_size(buffer);
        Length length = 0;
        while (ringHoldsWholeMessage(ring, &length))
        {
            if (length > largest) // never fits: dropped
            {
                ring.skip(sizeof(Length) + length);
                continue;
            }
            jack_midi_data_t* event = jack_midi_event_reserve(buffer, 0, length);
            if (!event)
                return;
            ring.skip(sizeof(Length));
            ring.read(event, length);
        }
    }

    // Every event of the cycle into the ring (dropped when the receiver lags far behind).
    void readInput(void* buffer, SpscRing& ring)
    {
        const jack_nframes_t count = jack_midi_get_event_count(buffer);
        bool put = false;
        for (jack_nframes_t i = 0; i < count; ++i)
        {
            jack_midi_event_t event;
            if (jack_midi_event_get(&event, buffer, i) == 0 && event.size > 0)
                put = ringPutMessage(ring, event.buffer, static_cast<Length>(event.size)) || put;
        }
        if (put)
            sem_post(&inputArrived);
    }

    void startReceiving()
    {
        receiving = true;
        receiveThread = std::thread([this] { receiveCycles(); });
    }

    void receiveCycles()
    {
        SpscRing& ring = *sides[1].ring;
        std::vector<unsigned char> message;
        while (receiving)
        {
            while (sem_wait(&inputArrived) != 0)
                ; // interrupted: wait again
            Length length = 0;
            while (receiving && ringHoldsWholeMessage(ring, &length))
            {
                message.resize(length);
                ring.skip(sizeof(Length));
                ring.read(message.data(), length);
                receiver.midiReceived(message.data(), length);
            }
        }
    }

    void stopReceiving()
    {
        if (!receiveThread.joinable())
            return;
        receiving = false;
        sem_post(&inputArrived);
        receiveThread.join();
    }

    // The side's port and ring, made and live in the active client; false, with nothing left
    // behind, when one of them cannot be had.
    bool registerSide(Direction direction, const char* portName)
    {
        if (gone)
            return false;
        Side& side = sides[indexOf(direction)];
        const bool output = direction == Direction::Output;
        side.port = jack_port_register(client, portName, JACK_DEFAULT_MIDI_TYPE,
                                       output ? JackPortIsOutput : JackPortIsInput, 0);
        side.ring = newRing(output ? kOutputRingSize : kInputRingSize);
        if (side.port && side.ring && !output)
            startReceiving();
        if (side.port && side.ring && activate())
        {
            std::lock_guard<std::mutex> sending(sendLock);
            side.live = side.port;
            return true;
        }
        releaseSide(direction);
        return false;
    }

    bool activate()
    {
        if (!active && jack_activate(client) == 0)
            active = true;
        return active;
    }

    // Waits until the process callback has let go of a side it may have been using.
    // A server that has shut the client out may let a late cycle finish all the same.
    void waitForCycleEnd()
    {
        const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(1);
        while (inCycle.load() && std::chrono::steady_clock::now() < end)
            std::this_thread::yield();
    }

    // The callback stops touching the side (the client goes inactive when no port is left)
    // before its port and ring are freed.
    void releaseSide(Direction direction)
    {
        std::unique_lock<std::mutex> sending(sendLock, std::defer_lock);
        if (direction == Direction::Output)
            sending.lock();
        Side& side = sides[indexOf(direction)];
        Side& other = sides[1 - indexOf(direction)];
        // Unconnected first: an output buffer that the callback no longer clears would be
        // read again by the other end in the cycles before the port goes.
        if (side.port && active && !gone)
            jack_port_disconnect(client, side.port);
        side.live.store(nullptr);
        const bool lastPort = !other.port;
        if (active && lastPort && !gone)
            jack_deactivate(client); // returns once the callback no longer runs
        else
            waitForCycleEnd();
        if (lastPort)
            active = false;
        if (direction == Direction::Input)
            stopReceiving();
        if (side.port && !gone)
            jack_port_unregister(client, side.port);
        side.port = nullptr;
        side.ring.reset();
    }

    Receiver& receiver;
    jack_client_t* client;
    std::mutex stateLock; // listing, opening and closing
    std::mutex sendLock;  // a send and the output's ring going away
    Side sides[2];
    std::atomic<bool> active{false};
    std::atomic<bool> inCycle{false};
    std::atomic<bool> gone{false};
    std::atomic<bool> receiving{false};
    sem_t inputArrived;
    std::thread receiveThread;
};
} // namespace

std::unique_ptr<Backend> createJackBackend(Receiver& receiver, const char* clientName)
{
    std::lock_guard<std::mutex> listed(backendsLock);
    if (aClientShutOut.exchange(false))
        for (JackBackend* backend : backends)
            backend->giveUpClient();
    jack_client_t* client = openClient(clientName);
    if (!client)
        return nullptr;
    return std::make_unique<JackBackend>(receiver, client);
}
} // namespace midi
