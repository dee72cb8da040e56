// Shutting the Tether MIDI layer down: with a full queue, and a hundred times in a row.
#include "DeviceSupport.h"
#include "EsxSimulator.h"
#include "core/SynthCommons.h"
#include "support/RecordingHost.h"

#include <gtest/gtest.h>

#include <filesystem>

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
} // namespace
