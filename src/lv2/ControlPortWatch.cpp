#include "ControlPortWatch.h"

#include <cmath>

namespace lv2
{
ControlPortWatch::ControlPortWatch(std::size_t ports) : count(ports), ports(std::make_unique<Port[]>(ports))
{
}

void ControlPortWatch::see(std::size_t port, float value)
{
    if (port < count)
        ports[port].seen = value;
}

bool ControlPortWatch::changed(std::size_t port, float value)
{
    if (port >= count || std::isnan(value) || value == ports[port].seen)
        return false;
    ports[port].seen = value;
    return !takeEcho(ports[port], value);
}

void ControlPortWatch::expectEcho(std::size_t port, float value)
{
    if (port >= count)
        return;
    Port& p = ports[port];
    const std::uint32_t at = p.written.load(std::memory_order_relaxed);
    p.echoes[at % kEchoes].store(value, std::memory_order_relaxed);
    p.written.store(at + 1, std::memory_order_release);
}

// Echoes are taken in the order written: one that matches also ends those written before it,
// which the host has passed over.
bool ControlPortWatch::takeEcho(Port& port, float value)
{
    const std::uint32_t written = port.written.load(std::memory_order_acquire);
    std::uint32_t from = port.looked;
    if (written - from > kEchoes)
        from = written - kEchoes;
    for (std::uint32_t i = from; i != written; ++i)
        if (port.echoes[i % kEchoes].load(std::memory_order_relaxed) == value)
        {
            port.looked = i + 1;
            return true;
        }
    port.looked = from;
    return false;
}
} // namespace lv2
