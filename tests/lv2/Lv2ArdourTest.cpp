// Pavonis.lv2 in Ardour 7's headless Lua session (ardour7-lua, Dummy back end): on a MIDI track
// after a second instance that plays the device, with Ardour's MIDI monitor after it. A
// parameter set by the session leaves the track as its NRPN; the current pattern asked for and
// answered through the track's MIDI is applied; the session saved and opened again brings back
// all 256 programs and the parameter values. The scripts are in tests/lv2/ardour/.
#include "EsxDevice.h"
#include "Lv2Host.h"
#include "host/PluginHost.h"
#include "params/ParameterIds.h"
#include "platform/Process.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <map>
#include <unistd.h>

namespace
{
namespace fs = std::filesystem;
using namespace lv2test;

constexpr int kD1FilterCutoff = 6;

// Runs an ardour7-lua script; its output lines.
std::vector<std::string> runArdour(const std::vector<std::string>& arguments)
{
    std::vector<std::string> command = {ARDOUR_LUA};
    command.insert(command.end(), arguments.begin(), arguments.end());
    platform::ChildProcess ardour(command);
    std::vector<std::string> lines;
    std::string line;
    while (ardour.readLine(line, std::chrono::seconds(60)))
        lines.push_back(line);
    EXPECT_EQ(ardour.waitForExit(std::chrono::seconds(30)), 0) << "ardour7-lua " << arguments.front();
    return lines;
}

std::vector<std::string> linesStartingWith(const std::vector<std::string>& lines, const std::string& start)
{
    std::vector<std::string> found;
    for (const std::string& line : lines)
        if (line.rfind(start, 0) == 0)
            found.push_back(line.substr(start.size()));
    return found;
}

// The newest state Ardour wrote for each plug-in instance (plugins/<id>/state<n>/state.ttl).
std::map<fs::path, fs::path> newestStates(const fs::path& session)
{
    std::map<fs::path, fs::path> newest;
    for (const auto& entry : fs::recursive_directory_iterator(session / "plugins"))
    {
        if (entry.path().filename() != "state.ttl")
            continue;
        fs::path& kept = newest[entry.path().parent_path().parent_path()];
        if (kept.empty() || fs::last_write_time(kept) < fs::last_write_time(entry.path()))
            kept = entry.path();
    }
    return newest;
}

Bytes chunkOf(const fs::path& state)
{
    Instance lv2;
    EXPECT_TRUE(lv2.restoreFile(state.string())) << state;
    return lv2.chunk();
}

TEST(Lv2InArdour, ParametersDumpsAndTheSessionAsAHeadlessArdourHasThem)
{
    const fs::path folder = fs::temp_directory_path() / ("pavonis-ardour-" + std::to_string(getpid()));
    fs::create_directories(folder / "home");
    setenv("HOME", (folder / "home").c_str(), 1);
    // Ardour finds the device's preset beside the bundle (after the test's host took its own path).
    World::get();
    const fs::path presets = folder / "presets";
    setenv("LV2_PATH", (std::string(PAVONIS_LV2_DIR ":/usr/lib/lv2:") + presets.string()).c_str(), 1);

    // The device: an instance whose program 7 holds the pattern it answers with.
    esxsim::EsxDevice esx;
    std::memcpy(esx.currentPattern().data(), "ARDOUR01", 8);
    esx.turnKnob(PARAM_PART_FILTER_CUTOFF, 0, 33);
    {
        Instance device;
        device.run();
        device.control(kProgram) = 7.0f;
        device.run();
        device.control(kRequestPattern) = 1.0f;
        device.runFor(0.05);
        device.run({esx.currentPatternDump()});
        device.control(kProgram) = 0.0f;
        device.run();
        ASSERT_TRUE(device.savePreset((presets / "pavonis-device.lv2").string() + "/",
                                      "https://quillon.example/tests/pavonis-device", "ESX memory"));
    }

    const fs::path session = folder / "session";
    const auto created =
        runArdour({PAVONIS_ARDOUR_SCRIPTS "/create_session.lua", session.string(), "ESX memory"});
    EXPECT_EQ(linesStartingWith(created, "request "), (std::vector<std::string>{"f0 42 30"}))
        << "the current pattern request left the track";
    EXPECT_EQ(linesStartingWith(created, "program "), (std::vector<std::string>{"f0 42 30"}))
        << "program 5 left as one pattern dump";
    EXPECT_EQ(
        linesStartingWith(created, "parameter "),
        (std::vector<std::string>{"b9 63 7f", "b9 62 7f", "b9 06 7f", "b9 63 0c", "b9 62 06", "b9 06 20"}))
        << "D1's cutoff at 0.25 left the track as its NRPN";
    ASSERT_FALSE(linesStartingWith(created, "saved").empty());

    // The instance that asked: the one whose current program is 5.
    const std::map<fs::path, fs::path> saved = newestStates(session);
    ASSERT_EQ(saved.size(), 2u);
    std::map<fs::path, Bytes> chunks;
    Bytes chunk;
    for (const auto& [instance, state] : saved)
    {
        chunks[instance] = chunkOf(state);
        PluginInstance probe;
        Bytes copy = chunks[instance];
        probe.dispatch(effSetChunk, 0, static_cast<vst::intptr>(copy.size()), copy.data());
        if (probe.program() == 5)
            chunk = chunks[instance];
    }
    ASSERT_FALSE(chunk.empty()) << "no instance on program 5";
    PluginInstance vst2;
    Bytes copy = chunk;
    ASSERT_EQ(vst2.dispatch(effSetChunk, 0, static_cast<vst::intptr>(copy.size()), copy.data()), 1);
    EXPECT_FLOAT_EQ(vst2.getParameter(kD1FilterCutoff), 32 / 127.0f);
    EXPECT_EQ(vst2.programNameIndexed(0), "A.01 ARDOUR01") << "the answered dump went into the program";
    vst2.selectProgram(0);
    EXPECT_FLOAT_EQ(vst2.getParameter(kD1FilterCutoff), 33 / 127.0f);

    const auto reopened = runArdour({PAVONIS_ARDOUR_SCRIPTS "/reopen_session.lua", session.string()});
    EXPECT_EQ(linesStartingWith(reopened, "d1_filtercutoff "), (std::vector<std::string>{"0.250000"}));
    EXPECT_EQ(linesStartingWith(reopened, "program "), (std::vector<std::string>{"5"}));
    ASSERT_FALSE(linesStartingWith(reopened, "saved").empty());
    for (const auto& [instance, state] : newestStates(session))
        EXPECT_EQ(chunkOf(state), chunks[instance]) << "every program as it was saved: " << instance;
    if (!HasFailure())
        fs::remove_all(folder);
}
} // namespace
