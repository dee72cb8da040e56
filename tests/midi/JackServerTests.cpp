// A JACK server that goes away under a running instance, and comes back.
#include "DeviceSupport.h"
#include "EsxSimProcess.h"
#include "core/SynthCommons.h"
#include "editor/SynthEditor.h"
#include "params/ParameterValues.h"
#include "support/RecordingHost.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

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
        pid = spawnQuietly(
            {"jackd", "--no-realtime", "-n", name.c_str(), "-d", "dummy", "-r", "48000", "-p", "256"});
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
    static pid_t spawnQuietly(std::vector<const char*> argv)
    {
        argv.push_back(nullptr);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
        posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
        pid_t child = -1;
        const int failed =
            posix_spawnp(&child, argv[0], &actions, nullptr, const_cast<char* const*>(argv.data()), environ);
        posix_spawn_file_actions_destroy(&actions);
        return failed ? -1 : child;
    }

    // Asked from another process: a client opened in this one after the server died would make
    // libjack close and delete the instance's client behind its back.
    bool answers() const
    {
        const pid_t probe = spawnQuietly({"jack_lsp", "-s", name.c_str()});
        int status = 0;
        return probe > 0 && waitpid(probe, &status, 0) == probe && WIFEXITED(status) &&
               WEXITSTATUS(status) == 0;
    }

    std::string name;
    pid_t pid = -1;
};

class JackServerGoes : public ::testing::Test
{
protected:
    void SetUp() override
    {
        // JACK when it is forced, or when the plug-in falls back to it: no ALSA sequencer.
        const char* api = std::getenv("PAVONIS_MIDI_API");
        const bool onJack = api ? std::string(api) == "jack" : access("/dev/snd/seq", F_OK) != 0;
        if (!onJack)
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
            [&] { return connectToDevice(synth, device->inputPortName(), device->outputPortName()); }));
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
    // The status is written last, after the ports and the lamps.
    EXPECT_TRUE(waitUntil([&] { return editor->deviceStatusText() == "ESX Not detected"; }))
        << editor->deviceStatusText();
    EXPECT_TRUE(synth.tetherMidiOutPort < 0 && synth.tetherMidiInPort < 0);
    EXPECT_FALSE(editor->lampLit(RES_LAMP_OUT) || editor->lampLit(RES_LAMP_IN)) << "both lamps go dark";
    EXPECT_FALSE(synth.TetherMidiHardwareAttached());
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
