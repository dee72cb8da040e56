// The control inputs as the plug-in last saw them. A host hands the plug-in every control port
// at every block, so a port counts only when its value changed since the last look. A change
// that is the echo of a value the panel wrote for the plug-in (which has that value already, or
// a newer one) does not count either: applying it would undo what the device or the panel did
// since.
#pragma once

#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>

namespace lv2
{
class ControlPortWatch
{
public:
    explicit ControlPortWatch(std::size_t ports);

    // Processing thread: the port's value as seen from now on, without being a change.
    void see(std::size_t port, float value);
    // Processing thread: true when the value differs from the one last seen and is no echo.
    bool changed(std::size_t port, float value);

    // Any thread: the values that the ports have at the next look are taken as seen (the
    // plug-in's state was just restored: the ports may still show the state before).
    void seeAllAtNextLook() { rebase.store(true, std::memory_order_release); }
    // Processing thread: true once after seeAllAtNextLook.
    bool takeSeeAll() { return rebase.exchange(false, std::memory_order_acq_rel); }

    // User-interface thread: the panel is about to write the value into the port.
    void expectEcho(std::size_t port, float value);

private:
    static constexpr std::uint32_t kEchoes = 16; // the writes of one port that may be under way

    struct Port
    {
        float seen = 0.0f;
        std::array<std::atomic<float>, kEchoes> echoes{};
        std::atomic<std::uint32_t> written{0}; // echoes written, ever
        std::uint32_t looked = 0;              // echoes looked at by the processing thread
    };

    bool takeEcho(Port& port, float value);

    std::size_t count;
    std::unique_ptr<Port[]> ports;
    std::atomic<bool> rebase{false};
};
} // namespace lv2
