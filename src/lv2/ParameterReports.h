// What the plug-in tells its host about its parameters (automation values, the user's grab and
// release of a control, a new current program), kept for the panel's next idle, which hands it
// to the host through port writes framed by touch. Reported from any thread without a lock;
// only the latest value of each port is kept.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>

namespace lv2
{
class ParameterReports
{
public:
    explicit ParameterReports(std::size_t ports);

    void value(std::size_t port, float value);
    void grab(std::size_t port);
    void release(std::size_t port);

    // What the idle does for one port, in this order.
    struct Step
    {
        bool grab;
        bool write;
        float value;
        bool release;
    };
    // User-interface thread: takes what was reported for the port since the last call.
    Step take(std::size_t port);

private:
    struct Port
    {
        std::atomic<float> value{0.0f};
        std::atomic<bool> written{false};
        std::atomic<std::uint32_t> grabs{0};
        std::atomic<std::uint32_t> releases{0};
        std::uint32_t grabsTaken = 0;
        std::uint32_t releasesTaken = 0;
    };

    std::size_t count;
    std::unique_ptr<Port[]> ports;
};
} // namespace lv2
