// A JACK server that goes away under a running instance, and comes back.
#include "DeviceSupport.h"
#include "EsxSimProcess.h"
#include "core/SynthCommons.h"
#include "editor/SynthEditor.h"
#include "params/ParameterValues.h"
#include "support/RecordingHost.h"

#include <gtest/gtest.h>
#include <jack/jack.h>

#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

namespace
{
using namespace miditest;

// A JACK server of the test's own (dummy driver), which the test may kill.
class JackServer
{
public:
    explicit JackServer(std::string serverName) : name(std::move(serverName)) {}
    ~JackServer() { kill(SIGTERM); }

    bool start()
    {
        const char* argv[] = {"jackd", "--no-realtime", "-n", name.c_str(), "-d",   "dummy",
                              "-r",    "48000",         "-p", "256",        nullptr};
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
        posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
        const int failed =
            posix_spawnp(&pid, "jackd", &actions, nullptr, const_cast<char* const*>(argv), environ);
        posix_spawn_file_actions_destroy(&actions);
        if (failed)
            pid = -1;
        return pid > 0 && waitUntil([this] { return answers(); }, 10s);
    }

    void kill(int signal)
    {
        if (pid <= 0)
            return;
        ::kill(pid, signal);
        waitpid(pid, nullptr, 0);
        pid = -1;
    }

private:
    bool answers() const
    {
        jack_status_t status;
        jack_client_t* client = jack_client_open("probe", JackNoStartServer, &status, name.c_str());
        if (client)
            jack_client_close(client);
        return client != nullptr;
    }

    std::string name;
    pid_t pid = -1;
};

class JackServerGoes : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const char* api = std::getenv("PAVONIS_MIDI_API");
        if (!api || std::string(api) != "jack")
            GTEST_SKIP() << "runs on JACK only (PAVONIS_MIDI_API=jack)";
        // Every client of this process and of the simulator meets the test's own server.
        setenv("JACK_DEFAULT_SERVER", serverName.c_str(), 1);
        ASSERT_TRUE(server.start()) << "jackd did not start";
    }

    // A simulator on the server as it is now, connected to the instance and detected.
    std::unique_ptr<esxsim::EsxSimProcess> attachDevice(SynthCommons& synth)
    {
        const std::string client = uniqueClientName("esx");
        auto device = std::make_unique<esxsim::EsxSimProcess>(ESX_SIM_EXECUTABLE, client);
        EXPECT_TRUE(device->ready());
        // A MIDI system that was not there is tried again at most once a second.
        EXPECT_TRUE(waitUntil(
            [&]
            { return connectToDevice(synth, client + " in:ESX MIDI IN", client + " out:ESX MIDI OUT"); }));
        EXPECT_TRUE(deviceDetected(synth));
        return device;
    }

    const std::string serverName = uniqueClientName("pavonis-killed");
    JackServer server{serverName};
    RecordingHost host;
};

TEST_F(JackServerGoes, PortsCloseAndReopenAfterTheServerIsBack)
{
    SynthCommons synth(RecordingHost::callback);
    SynthEditor* editor = synth.getSynthEditor();
    auto device = attachDevice(synth);
    ASSERT_TRUE(synth.TetherMidiHardwareAttached());

    server.kill(SIGKILL);
    EXPECT_TRUE(waitUntil([&] { return synth.tetherMidiOutPort < 0 && synth.tetherMidiInPort < 0; }))
        << "both lamps go dark";
    EXPECT_FALSE(synth.TetherMidiHardwareAttached());
    EXPECT_EQ(editor->deviceStatusText(), "ESX Not detected");
    // The instance goes on being used while the server is away.
    synth.setParameter(6, IntToFloat(20));
    synth.TetherMidi_SendInquirySysex();
    EXPECT_EQ(synth.TetherMidiOutGetNbDevices(), 0u);
    EXPECT_EQ(synth.TetherMidiOutOpen(0), static_cast<std::uint32_t>(-1));
    device.reset();

    ASSERT_TRUE(server.start());
    device = attachDevice(synth);
    EXPECT_TRUE(synth.TetherMidiHardwareAttached()) << "picking the ports again works";
}
} // namespace
