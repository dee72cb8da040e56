// Value conversions and the shared access to stored values.
//
// Values are written from the host's threads, the user-interface thread and the MIDI
// receive thread at once; every stored value and index is therefore read and written
// as a relaxed atomic, without a lock, so that no thread ever waits on another here.
#pragma once

#include <atomic>
#include <cstdint>

// n / 127: the value of MIDI data n.
float IntToFloat(unsigned n);
// f x 127 rounded to nearest with halves up; negatives give 0.
unsigned floatToInt(float f);
// floatToInt(f) & 0xFF.
unsigned char floatToUnsignedChar(float f);

template <typename T> T loadShared(const T& field)
{
    return std::atomic_ref<T>(const_cast<T&>(field)).load(std::memory_order_relaxed);
}

template <typename T> void storeShared(T& field, T value)
{
    std::atomic_ref<T>(field).store(value, std::memory_order_relaxed);
}

// Replaces field by update(field) atomically; returns the new value.
template <typename T, typename Update> T updateShared(T& field, Update update)
{
    std::atomic_ref<T> ref(field);
    T expected = ref.load(std::memory_order_relaxed);
    T desired = update(expected);
    while (!ref.compare_exchange_weak(expected, desired, std::memory_order_relaxed))
        desired = update(expected);
    return desired;
}
