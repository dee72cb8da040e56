#include "HostSysexQueue.h"

#include <new>

bool HostSysexQueue::put(const unsigned char* message, std::uint32_t length, int kind)
{
    if (!message || length == 0)
        return false;
    busy.take();
    bool stored = false;
    try
    {
        messages.erase(messages.begin(), messages.begin() + static_cast<std::ptrdiff_t>(sent));
        sent = 0;
        Waiting* same = nullptr;
        for (Waiting& waiting : messages)
            if (kind != kNoKind && waiting.kind == kind)
                same = &waiting;
        const std::uint32_t freed = same ? static_cast<std::uint32_t>(same->bytes.size()) : 0;
        if (waitingBytes() - freed + length <= kCapacity)
        {
            if (same)
                same->bytes.assign(message, message + length);
            else
                messages.push_back({kind, std::vector<unsigned char>(message, message + length)});
            stored = true;
        }
    }
    catch (const std::bad_alloc&)
    {
        stored = false;
    }
    busy.release();
    return stored;
}

const std::vector<unsigned char>* HostSysexQueue::oldest() const
{
    return sent < messages.size() ? &messages[sent].bytes : nullptr;
}

std::uint32_t HostSysexQueue::waitingBytes() const
{
    std::uint32_t total = 0;
    for (std::size_t i = sent; i < messages.size(); ++i)
        total += static_cast<std::uint32_t>(messages[i].bytes.size());
    return total;
}
