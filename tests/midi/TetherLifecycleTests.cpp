// Shutting the Tether MIDI layer down: with a full queue, and a hundred times in a row.
#include "DeviceSupport.h"
#include "EsxSimulator.h"
#include "core/SynthCommons.h"
#include "support/RecordingHost.h"
#include "sysex/SysexFormat.h"

#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <thread>
#include <vector>

namespace
{
using namespace miditest;
using esxsim::EsxSimulator;

std::size_t entriesOf(const char* directory)
{
    std::size_t count = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(directory))
        ++count;
    return count;
}

std::size_t threadCount()
{
    return entriesOf("/proc/self/task");
}

std::size_t openFileCount()
{
    return entriesOf("/proc/self/fd");
}

// Ports as a new instance lists them.
std::pair<std::uint32_t, std::uint32_t> listedPorts()
{
    SynthCommons synth(RecordingHost::callback);
    return {synth.TetherMidiOutGetNbDevices(), synth.TetherMidiInGetNbDevices()};
}

// Queues distinct single messages (no two merge) until the single queue is full.
int fillSingleQueue(SynthCommons& synth)
{
    int queued = 0;
    for (unsigned status = 0x80; status < 0xF0 && queued < kMidiQueueCapacity; ++status)
        for (unsigned data1 = 0; data1 < 128 && queued < kMidiQueueCapacity; ++data1, ++queued)
            synth.TetherMidiSendQueue(
                makeMidiEvent(static_cast<unsigned char>(status), static_cast<unsigned char>(data1), 1));
    return queued;
}

class TetherLifecycle : public ::testing::Test
{
protected:
    RecordingHost host;
    EsxSimulator simulator{uniqueClientName("esx")};
};

TEST_F(TetherLifecycle, ShutDownWithAFullQueueEndsBothThreadsPromptly)
{
    auto synth = std::make_unique<SynthCommons>(RecordingHost::callback);
    ASSERT_TRUE(connectToDevice(*synth, simulator.inputPortName(), simulator.outputPortName()));
    const std::size_t threadsWithPlugin = threadCount();
    const int queued = fillSingleQueue(*synth);

    const auto start = std::chrono::steady_clock::now();
    ASSERT_TRUE(finishesWithin([&] { synth.reset(); }, 2s)) << "the shut-down hangs";
    const auto took = std::chrono::steady_clock::now() - start;
    std::cout << "shut-down with a full queue took "
              << std::chrono::duration_cast<std::chrono::milliseconds>(took).count() << " ms" << std::endl;

    EXPECT_LE(threadCount() + 2, threadsWithPlugin) << "the send and clock threads are gone";
    EXPECT_LT(simulator.received().size(), static_cast<std::size_t>(queued))
        << "queued messages are not sent";
}

TEST_F(TetherLifecycle, AHundredInstancesInARowLeaveNoThreadPortOrFileBehind)
{
    const auto portsBefore = listedPorts(); // also loads what the MIDI system keeps loaded
    const std::size_t threadsBefore = threadCount();
    const std::size_t filesBefore = openFileCount();

    for (int i = 0; i < 100; ++i)
    {
        SynthCommons synth(RecordingHost::callback);
        ASSERT_TRUE(connectToDevice(synth, simulator.inputPortName(), simulator.outputPortName()))
            << "instance " << i;
        synth.TetherMidi_SendInquirySysex(); // the reply may arrive during the shut-down
        if (i % 2 == 0)
        {
            EXPECT_TRUE(deviceDetected(synth)) << "instance " << i;
        }
    }

    EXPECT_EQ(threadCount(), threadsBefore);
    EXPECT_EQ(openFileCount(), filesBefore);
    EXPECT_EQ(listedPorts(), portsBefore);
}
// Instances come and go with both ports open while MIDI flows both ways and two busy threads
// load the machine: the MIDI system's threads must never touch what an instance has freed, and
// nothing stays behind. A port may fail to open when the server does not answer in time on so
// busy a machine; the user picks it again, and an instance that still has none goes too.
TEST_F(TetherLifecycle, ThreeHundredInstancesWithTrafficOnABusyMachine)
{
    const auto portsBefore = listedPorts();
    const std::size_t threadsBefore = threadCount();
    const std::size_t filesBefore = openFileCount();
    std::atomic<bool> stop{false};
    std::vector<std::thread> load;
    for (int i = 0; i < 2; ++i)
        load.emplace_back(
            [&stop]
            {
                std::atomic<unsigned> spin{0};
                while (!stop)
                    spin.fetch_add(1, std::memory_order_relaxed);
            });
    std::thread knobs(
        [&]
        {
            for (unsigned value = 0; !stop; ++value)
            {
                simulator.turnKnob(PARAM_PART_FILTER_CUTOFF, value % 9, value % 128);
                std::this_thread::sleep_for(1ms);
            }
        });

    int connected = 0;
    for (int i = 0; i < 300; ++i)
    {
        SynthCommons synth(RecordingHost::callback);
        bool open = false;
        for (int attempt = 0; attempt < 3 && !open; ++attempt)
            open = connectToDevice(synth, simulator.inputPortName(), simulator.outputPortName());
        if (!open)
            continue;
        ++connected;
        synth.TetherMidi_SendInquirySysex();
        for (int change = 0; change < 20; ++change)
            synth.setParameter(6, static_cast<float>((i + change) % 128) / 127.0f);
        if (i % 10 == 0)
            synth.TetherMidiSend(kCurrentPatternRequest, sizeof kCurrentPatternRequest);
    }

    stop = true;
    knobs.join();
    for (std::thread& thread : load)
        thread.join();
    std::cout << connected << " of 300 instances had their ports open" << std::endl;
    EXPECT_GT(connected, 0);
    EXPECT_EQ(threadCount(), threadsBefore);
    EXPECT_LE(openFileCount(), filesBefore) << "libjack may give back a descriptor it kept";
    EXPECT_EQ(listedPorts(), portsBefore);
}
} // namespace
