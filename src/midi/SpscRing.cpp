#include "SpscRing.h"

#include <algorithm>
#include <cstring>

namespace midi
{
namespace
{
std::size_t powerOfTwoFrom(std::size_t n)
{
    std::size_t size = 1;
    while (size < n)
        size <<= 1;
    return size;
}
} // namespace

SpscRing::SpscRing(std::size_t capacity)
    : size(powerOfTwoFrom(capacity)), buffer(std::make_unique<unsigned char[]>(size))
{
}

std::size_t SpscRing::writeSpace() const
{
    return size - (written.load(std::memory_order_relaxed) - taken.load(std::memory_order_acquire));
}

bool SpscRing::write(const void* bytes, std::size_t count)
{
    if (count > writeSpace())
        return false;
    const std::size_t at = written.load(std::memory_order_relaxed);
    const std::size_t offset = at & (size - 1);
    const std::size_t first = std::min(count, size - offset);
    std::memcpy(buffer.get() + offset, bytes, first);
    std::memcpy(buffer.get(), static_cast<const unsigned char*>(bytes) + first, count - first);
    written.store(at + count, std::memory_order_release);
    return true;
}

std::size_t SpscRing::readSpace() const
{
    return written.load(std::memory_order_acquire) - taken.load(std::memory_order_relaxed);
}

void SpscRing::copyOut(std::size_t from, void* bytes, std::size_t count) const
{
    const std::size_t offset = from & (size - 1);
    const std::size_t first = std::min(count, size - offset);
    std::memcpy(bytes, buffer.get() + offset, first);
    std::memcpy(static_cast<unsigned char*>(bytes) + first, buffer.get(), count - first);
}

bool SpscRing::peek(void* bytes, std::size_t count) const
{
    if (count > readSpace())
        return false;
    copyOut(taken.load(std::memory_order_relaxed), bytes, count);
    return true;
}

bool SpscRing::read(void* bytes, std::size_t count)
{
    if (!peek(bytes, count))
        return false;
    skip(count);
    return true;
}

void SpscRing::skip(std::size_t count)
{
    const std::size_t at = taken.load(std::memory_order_relaxed);
    taken.store(at + std::min(count, readSpace()), std::memory_order_release);
}

// The writer may have put the length and not yet the bytes: both must be there, read after
// one look at the space.
bool ringHoldsWholeMessage(const SpscRing& ring, RingMessageLength* length)
{
    const std::size_t available = ring.readSpace();
    return available >= sizeof(RingMessageLength) && ring.peek(length, sizeof(RingMessageLength)) &&
           available - sizeof(RingMessageLength) >= *length;
}

bool ringPutMessage(SpscRing& ring, const void* bytes, RingMessageLength length)
{
    if (ring.writeSpace() < sizeof(RingMessageLength) + length)
        return false;
    ring.write(&length, sizeof(RingMessageLength));
    ring.write(bytes, length);
    return true;
}
} // namespace midi
