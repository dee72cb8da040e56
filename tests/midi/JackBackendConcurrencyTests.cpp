// The JACK back end used from several threads at once, over a running JACK server: a sender
// that keeps sending while another thread closes and reopens the output port. Run under
// ThreadSanitizer by scripts/test --tsan.
#include "MidiTestSupport.h"
#include "midi/jack/JackBackend.h"

#include <jack/jack.h>
#include <jack/midiport.h>

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace
{
using namespace miditest;

class NoReceiver final : public midi::Receiver
{
public:
    void midiReceived(const unsigned char*, std::size_t) override {}
    void midiSystemGone() override {}
};

// A client of the server with one MIDI input, counting the events that reach it.
class CountingInput
{
public:
    explicit CountingInput(const std::string& name)
    {
        client = jack_client_open(name.c_str(), JackNoStartServer, nullptr);
        if (!client)
            return;
        port = jack_port_register(client, "in", JACK_DEFAULT_MIDI_TYPE, JackPortIsInput, 0);
        jack_set_process_callback(client, process, this);
        jack_activate(client);
    }

    ~CountingInput()
    {
        if (client)
            jack_client_close(client);
    }

    CountingInput(const CountingInput&) = delete;
    CountingInput& operator=(const CountingInput&) = delete;

    bool ready() const { return client && port; }
    std::string portName() const { return jack_port_name(port); }
    int events() const { return counted; }

private:
    static int process(jack_nframes_t frames, void* self)
    {
        auto* input = static_cast<CountingInput*>(self);
        input->counted +=
            static_cast<int>(jack_midi_get_event_count(jack_port_get_buffer(input->port, frames)));
        return 0;
    }

    jack_client_t* client = nullptr;
    jack_port_t* port = nullptr;
    std::atomic<int> counted{0};
};
} // namespace

TEST(JackBackendConcurrency, SendsWhileTheOutputClosesAndReopensTouchNoFreedRing)
{
    CountingInput input(uniqueClientName("count"));
    ASSERT_TRUE(input.ready()) << "no JACK server";
    NoReceiver receiver;
    std::unique_ptr<midi::Backend> backend =
        midi::createJackBackend(receiver, uniqueClientName("sender").c_str());
    ASSERT_TRUE(backend);
    ASSERT_TRUE(backend->openPort(midi::Direction::Output, input.portName()));

    std::atomic<bool> sending{true};
    std::thread sender(
        [&]
        {
            // Bursts that one cycle's buffer takes.
            const unsigned char controlChange[] = {0xB0, 0x4A, 0x10};
            while (sending)
            {
                for (int i = 0; i < 16; ++i)
                    backend->send(controlChange, sizeof controlChange);
                std::this_thread::sleep_for(std::chrono::microseconds(500));
            }
        });
    for (int i = 0; i < 30; ++i)
    {
        backend->closePort(midi::Direction::Output);
        EXPECT_TRUE(backend->openPort(midi::Direction::Output, input.portName()));
    }
    sending = false;
    sender.join();

    const int before = input.events();
    const unsigned char note[] = {0x90, 0x3C, 0x40};
    EXPECT_TRUE(waitUntil(
        [&]
        {
            backend->send(note, sizeof note);
            return input.events() > before;
        },
        5s))
        << "the output still works";
}
