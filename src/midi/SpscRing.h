// A ring of bytes between one writing thread and one reading thread, without locks: a MIDI
// system's callback on one side, a thread of the plug-in on the other. Each call moves all
// the bytes asked for or none; nothing allocates after construction.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>

namespace midi
{
class SpscRing
{
public:
    // Room for at least capacity bytes.
    explicit SpscRing(std::size_t capacity);

    // The writer's side.
    std::size_t writeSpace() const;
    bool write(const void* bytes, std::size_t count);

    // The reader's side.
    std::size_t readSpace() const;
    bool peek(void* bytes, std::size_t count) const;
    bool read(void* bytes, std::size_t count);
    void skip(std::size_t count);

private:
    void copyOut(std::size_t from, void* bytes, std::size_t count) const;

    std::size_t size; // a power of two
    std::unique_ptr<unsigned char[]> buffer;
    // Bytes written and read since the start; only their writer changes each.
    std::atomic<std::size_t> written{0};
    std::atomic<std::size_t> taken{0};
};

// Messages in a ring: each its length, then its bytes. The writer puts a message whole or not
// at all; the reader takes one only once all of it has arrived.
using RingMessageLength = std::uint32_t;
bool ringPutMessage(SpscRing& ring, const void* bytes, RingMessageLength length);
// True when the next message is all there; its length then in *length.
bool ringHoldsWholeMessage(const SpscRing& ring, RingMessageLength* length);
} // namespace midi
