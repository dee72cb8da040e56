#include "ParameterReports.h"

namespace lv2
{
ParameterReports::ParameterReports(std::size_t ports) : count(ports), ports(std::make_unique<Port[]>(ports))
{
}

void ParameterReports::value(std::size_t port, float value)
{
    if (port >= count)
        return;
    ports[port].value.store(value, std::memory_order_relaxed);
    ports[port].written.store(true, std::memory_order_release);
}

void ParameterReports::grab(std::size_t port)
{
    if (port < count)
        ports[port].grabs.fetch_add(1, std::memory_order_release);
}

void ParameterReports::release(std::size_t port)
{
    if (port < count)
        ports[port].releases.fetch_add(1, std::memory_order_release);
}

ParameterReports::Step ParameterReports::take(std::size_t port)
{
    Step step{false, false, 0.0f, false};
    if (port >= count)
        return step;
    Port& p = ports[port];
    const std::uint32_t grabs = p.grabs.load(std::memory_order_acquire);
    step.grab = grabs != p.grabsTaken;
    p.grabsTaken = grabs;
    step.write = p.written.exchange(false, std::memory_order_acq_rel);
    step.value = p.value.load(std::memory_order_relaxed);
    const std::uint32_t releases = p.releases.load(std::memory_order_acquire);
    step.release = releases != p.releasesTaken;
    p.releasesTaken = releases;
    return step;
}
} // namespace lv2
