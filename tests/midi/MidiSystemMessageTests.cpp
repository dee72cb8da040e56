// What a user reads on standard error where the ALSA sequencer does not exist (build machines,
// containers): one line of ours, however often the port menus ask for the list, and nothing of
// the ALSA library, RtMidi or libjack. Each line is said once in a process: no other test
// shares this program.
#include "core/SynthCommons.h"
#include "support/RecordingHost.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <unistd.h>

namespace
{
// The environment variable as the test needs it, and back as it was at the end.
class EnvironmentSetting
{
public:
    EnvironmentSetting(const char* name, const char* value) : name(name)
    {
        if (const char* was = std::getenv(name))
            before = was;
        value ? setenv(name, value, 1) : unsetenv(name);
    }
    ~EnvironmentSetting() { before.empty() ? unsetenv(name) : setenv(name, before.c_str(), 1); }

private:
    const char* name;
    std::string before;
};

// What instances that look for ports three times, as the setup page does, write there.
std::string standardErrorOfThreePortLists()
{
    ::testing::internal::CaptureStderr();
    RecordingHost host;
    for (int i = 0; i < 3; ++i)
    {
        SynthCommons synth(RecordingHost::callback);
        synth.TetherMidiOutGetNbDevices();
    }
    return ::testing::internal::GetCapturedStderr();
}

class WithoutSequencer : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (access("/dev/snd/seq", F_OK) == 0)
            GTEST_SKIP() << "this machine has an ALSA sequencer";
    }
    EnvironmentSetting chosenByThePlugin{"PAVONIS_MIDI_API", nullptr};
};

TEST_F(WithoutSequencer, OneLineSaysThatJackIsUsed)
{
    EXPECT_EQ(standardErrorOfThreePortLists(),
              "Pavonis: the ALSA sequencer is unavailable; MIDI goes through JACK\n");
}

TEST_F(WithoutSequencer, OneLineSaysThatNoSystemAnswersWithoutAJackServer)
{
    const EnvironmentSetting noServer("JACK_DEFAULT_SERVER", "pavonis-no-such-server");
    EXPECT_EQ(standardErrorOfThreePortLists(),
              "Pavonis: no MIDI system: the ALSA sequencer and JACK are unavailable\n");
}
} // namespace
