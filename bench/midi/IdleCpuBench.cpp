// The CPU that one idle plug-in instance takes in Tether MIDI mode, and how often its threads
// wake: with the port list taken but no port open (its MIDI client inactive), and with both
// ports open onto the device. With the ports open the JACK server's CPU is shown too, and
// over the same time right after with the ports closed: the difference is its work for the
// instance (the device's clients keep it busy either way). The device runs as a process of
// its own (esx-sim). Needs a running JACK server.
#include "EsxSimProcess.h"
#include "PluginPorts.h"
#include "core/SynthCommons.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <unistd.h>

namespace
{
constexpr auto kMeasured = std::chrono::seconds(10);

// User and system CPU seconds of a process, from /proc/<pid>/stat.
double cpuSecondsOf(const std::string& pid)
{
    std::ifstream stat("/proc/" + pid + "/stat");
    std::string line;
    std::getline(stat, line);
    std::istringstream fields(line.substr(line.rfind(')') + 2));
    std::string field;
    double ticks = 0;
    for (int i = 3; i <= 15 && fields >> field; ++i)
        if (i == 14 || i == 15) // utime, stime
            ticks += std::stod(field);
    return ticks / double(sysconf(_SC_CLK_TCK));
}

// Context switches of every thread of this process: each one is a wake-up.
long wakeUpsOfThisProcess()
{
    long total = 0;
    for (const auto& task : std::filesystem::directory_iterator("/proc/self/task"))
    {
        std::ifstream status(task.path() / "status");
        std::string key;
        long value = 0;
        while (status >> key)
            if ((key == "voluntary_ctxt_switches:" || key == "nonvoluntary_ctxt_switches:") &&
                status >> value)
                total += value;
    }
    return total;
}

// The jackd process serving JACK_DEFAULT_SERVER (or "default"), found by its command line.
std::string jackServerPid()
{
    const char* name = std::getenv("JACK_DEFAULT_SERVER");
    const std::string server = name ? name : "default";
    for (const auto& process : std::filesystem::directory_iterator("/proc"))
    {
        std::ifstream cmdline(process.path() / "cmdline");
        std::string text((std::istreambuf_iterator<char>(cmdline)), std::istreambuf_iterator<char>());
        for (char& c : text)
            c = c == '\0' ? ' ' : c;
        if (text.rfind("jackd ", 0) == 0 && (text.find(" -n " + server + " ") != std::string::npos ||
                                             (server == "default" && text.find(" -n ") == std::string::npos)))
            return process.path().filename();
    }
    return {};
}

struct Usage
{
    double plugin = 0; // CPU seconds
    double server = 0;
    long wakeUps = 0;
};

Usage idleFor(const std::string& server)
{
    const Usage before{cpuSecondsOf("self"), cpuSecondsOf(server), wakeUpsOfThisProcess()};
    std::this_thread::sleep_for(kMeasured);
    const long wakeUps = wakeUpsOfThisProcess() - before.wakeUps;
    return {cpuSecondsOf("self") - before.plugin, cpuSecondsOf(server) - before.server, wakeUps};
}

bool detected(SynthCommons& synth)
{
    synth.TetherMidi_SendInquirySysex();
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (!synth.TetherMidiHardwareAttached() && std::chrono::steady_clock::now() < end)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    return synth.TetherMidiHardwareAttached();
}

// state.range(0): 1 with the ports open onto the device, 0 with the ports closed.
void BM_IdleInstanceCpu(benchmark::State& state)
{
    const std::string client = "esx-bench-" + std::to_string(getpid());
    esxsim::EsxSimProcess device(ESX_SIM_EXECUTABLE, client);
    SynthCommons synth(nullptr);
    const std::string server = jackServerPid();
    if (!device.ready() || synth.TetherMidiOutGetNbDevices() == 0 || server.empty())
    {
        state.SkipWithError("no JACK server: start one (see scripts/test)");
        return;
    }
    const bool portsOpen = state.range(0) == 1;
    if (portsOpen && (!esxsim::connectToDevice(synth, device.inputPortName(), device.outputPortName()) ||
                      !detected(synth)))
    {
        state.SkipWithError("the plug-in does not reach the device");
        return;
    }
    const double seconds = std::chrono::duration<double>(kMeasured).count();
    for (auto _ : state)
    {
        const Usage idle = idleFor(server);
        state.SetIterationTime(seconds);
        state.counters["plugin_cpu_percent"] = 100.0 * idle.plugin / seconds;
        state.counters["wakeups_per_second"] = double(idle.wakeUps) / seconds;
        if (!portsOpen)
            continue;
        synth.TetherMidiOutClose();
        synth.TetherMidiInClose();
        const Usage closed = idleFor(server);
        state.counters["server_cpu_percent"] = 100.0 * idle.server / seconds;
        state.counters["server_cpu_percent_ports_closed"] = 100.0 * closed.server / seconds;
    }
}
BENCHMARK(BM_IdleInstanceCpu)
    ->ArgName("ports_open")
    ->Arg(0)
    ->Arg(1)
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kSecond);
} // namespace
