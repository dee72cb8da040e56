// The WinMM back end on what the system offers (under wine, usually no MIDI device): calls
// that cannot be done are refused and leave nothing behind.
#include "midi/winmm/WinMmBackend.h"

#include <gtest/gtest.h>

namespace
{
struct CountingReceiver : midi::Receiver
{
    void midiReceived(const unsigned char*, std::size_t) override { ++received; }
    void midiSystemGone() override { ++gone; }
    int received = 0;
    int gone = 0;
};
} // namespace

TEST(WinMmBackend, RefusesWhatCannotBeDoneAndOpensWhatItLists)
{
    CountingReceiver receiver;
    auto backend = midi::createWinMmBackend(receiver, "Pavonis");
    ASSERT_NE(backend, nullptr);
    EXPECT_TRUE(backend->usable());
    const unsigned char controlChange[] = {0xB0, 0x07, 0x40};
    const unsigned char sysex[] = {0xF0, 0x42, 0x30, 0x71, 0xF7};
    EXPECT_FALSE(backend->send(controlChange, sizeof controlChange)) << "no output open";
    EXPECT_FALSE(backend->send(sysex, sizeof sysex)) << "no output open";
    EXPECT_FALSE(backend->openPort(midi::Direction::Output, "No such interface"));
    EXPECT_FALSE(backend->openPort(midi::Direction::Input, "No such interface"));
    backend->closePort(midi::Direction::Output);
    backend->closePort(midi::Direction::Input);

    for (const midi::Direction direction : {midi::Direction::Output, midi::Direction::Input})
        for (const std::string& name : backend->listPorts(direction))
        {
            SCOPED_TRACE(name);
            EXPECT_TRUE(backend->openPort(direction, name));
            if (direction == midi::Direction::Output)
            {
                EXPECT_TRUE(backend->send(controlChange, sizeof controlChange));
            }
            backend->closePort(direction);
        }
    EXPECT_EQ(receiver.gone, 0);
}
