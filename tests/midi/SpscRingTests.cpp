// The ring between a MIDI system's callback and the plug-in's threads: messages of every
// length, written by one thread and read by another through a ring far smaller than their
// sum, arrive whole and in order.
#include "midi/SpscRing.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <thread>
#include <vector>

namespace
{
using midi::SpscRing;

std::vector<std::uint8_t> messageNumbered(unsigned n)
{
    std::vector<std::uint8_t> message(1 + n % 97);
    for (std::size_t i = 0; i < message.size(); ++i)
        message[i] = static_cast<std::uint8_t>(n + i);
    return message;
}

TEST(SpscRing, MessagesCrossBetweenTwoThreadsWholeAndInOrder)
{
    constexpr unsigned kMessages = 20000;
    SpscRing ring(100); // 128 bytes: every message wraps around now and then
    std::thread writer(
        [&ring]
        {
            for (unsigned n = 0; n < kMessages;)
            {
                const std::vector<std::uint8_t> message = messageNumbered(n);
                const auto length = static_cast<std::uint8_t>(message.size());
                if (ring.writeSpace() < 1u + length)
                {
                    std::this_thread::yield();
                    continue;
                }
                ring.write(&length, 1);
                ring.write(message.data(), length);
                ++n;
            }
        });
    unsigned wrong = 0;
    for (unsigned n = 0; n < kMessages;)
    {
        std::uint8_t length = 0;
        if (!ring.peek(&length, 1) || ring.readSpace() < 1u + length)
        {
            std::this_thread::yield();
            continue;
        }
        std::vector<std::uint8_t> message(length);
        ring.skip(1);
        ASSERT_TRUE(ring.read(message.data(), length));
        wrong += message == messageNumbered(n++) ? 0 : 1;
    }
    writer.join();
    EXPECT_EQ(wrong, 0u);
    EXPECT_EQ(ring.readSpace(), 0u);
}

// The writer puts a message's length and then its bytes: a reader that looks in between sees
// a length without its message, which it must leave for later. Taken early, stale bytes would
// go out as the message and every length after it would be read from the wrong place.
TEST(SpscRing, AMessageIsTakenOnlyOnceItsBytesFollowItsLength)
{
    SpscRing ring(64);
    const unsigned char controlChange[] = {0xB0, 0x4A, 0x10};
    const midi::RingMessageLength length = sizeof controlChange;
    midi::RingMessageLength seen = 0;

    EXPECT_FALSE(midi::ringHoldsWholeMessage(ring, &seen)) << "an empty ring";
    ASSERT_TRUE(ring.write(&length, sizeof length));
    EXPECT_FALSE(midi::ringHoldsWholeMessage(ring, &seen)) << "the length alone";
    ASSERT_TRUE(ring.write(controlChange, 2));
    EXPECT_FALSE(midi::ringHoldsWholeMessage(ring, &seen)) << "two of its three bytes";
    ASSERT_TRUE(ring.write(controlChange + 2, 1));
    ASSERT_TRUE(midi::ringHoldsWholeMessage(ring, &seen));
    EXPECT_EQ(seen, length);

    const unsigned char next[] = {0x90, 0x3C, 0x40};
    ASSERT_TRUE(midi::ringPutMessage(ring, next, sizeof next));
    for (const auto& expected : {controlChange, next})
    {
        ASSERT_TRUE(midi::ringHoldsWholeMessage(ring, &seen));
        ASSERT_EQ(seen, 3u);
        unsigned char taken[3] = {};
        ring.skip(sizeof seen);
        ASSERT_TRUE(ring.read(taken, seen));
        EXPECT_EQ(std::vector<unsigned char>(taken, taken + 3),
                  std::vector<unsigned char>(expected, expected + 3));
    }
    EXPECT_FALSE(midi::ringPutMessage(ring, std::vector<unsigned char>(61).data(), 61))
        << "a message and its length that do not fit are not put at all";
    EXPECT_EQ(ring.readSpace(), 0u);
}

TEST(SpscRing, MovesAllTheBytesAskedForOrNone)
{
    SpscRing ring(8);
    const std::uint8_t bytes[9] = {1, 2, 3, 4, 5, 6, 7, 8, 9};
    EXPECT_FALSE(ring.write(bytes, 9));
    EXPECT_TRUE(ring.write(bytes, 6));
    EXPECT_FALSE(ring.write(bytes, 3));
    std::uint8_t out[9] = {};
    EXPECT_FALSE(ring.read(out, 7));
    EXPECT_TRUE(ring.read(out, 6));
    EXPECT_EQ(out[5], 6);
    EXPECT_EQ(ring.writeSpace(), 8u);
}
} // namespace
