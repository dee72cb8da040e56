// pavonis as a user runs it, against a simulated ESX over a running JACK server and in a real
// X server: the device is detected, a knob dragged on screen reaches the device's memory, a
// knob turned on the device moves the one on screen, the programs are there at the next run,
// and every way of ending leaves no process and no MIDI port behind.
//
// gtest goes before Xlib, whose macros (None, Bool) would break it.
#include <gtest/gtest.h>

#include "EsxSimulator.h"
#include "ReferencePanel.h"
#include "StandaloneProcess.h"
#include "editor/SynthEditor.h"
#include "params/ParameterValues.h"
#include "support/FileBytes.h"
#include "support/Polling.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <thread>
#include <unistd.h>

namespace
{
namespace fs = std::filesystem;
using namespace standalonetest;
using esxsim::EsxSimulator;
using esxsim::PatternImage;
using Bytes = std::vector<std::uint8_t>;

constexpr int kKnobWidth = 52;
constexpr int kKnobHeight = 50;

// Every MIDI port of the other programs, sorted.
std::vector<std::string> jackPorts()
{
    esxsim::MidiPeer lister("pavonis-test-ports");
    std::vector<std::string> names = lister.otherPorts(midi::Direction::Input);
    const std::vector<std::string> outputs = lister.otherPorts(midi::Direction::Output);
    names.insert(names.end(), outputs.begin(), outputs.end());
    std::sort(names.begin(), names.end());
    return names;
}

class Session : public ::testing::Test
{
protected:
    void SetUp() override
    {
        display = XOpenDisplay(nullptr);
        if (!display)
            GTEST_SKIP() << "no X server (scripts/test starts Xvfb)";
        try
        {
            // Listed before the simulator: pavonis must open the ports it is asked for, not the first ones.
            decoy = std::make_unique<EsxSimulator>("decoy-" + std::to_string(getpid()) + "-" +
                                                   std::to_string(testNumber));
            simulator = std::make_unique<EsxSimulator>(simulatorName);
        }
        catch (const esxsim::NoMidiSystem&)
        {
            GTEST_SKIP() << "no JACK server (scripts/test starts one)";
        }
        fs::create_directories(folder);
        setenv("XDG_DATA_HOME", folder.c_str(), 1);
        portsBefore = jackPorts();
    }
    void TearDown() override
    {
        simulator.reset();
        decoy.reset();
        fs::remove_all(folder);
        if (display)
            XCloseDisplay(display);
    }

    // The top-level window titled "Pavonis"; 0 when none appears in time.
    Window pavonisWindow()
    {
        Window found = 0;
        waitUntil(
            [&]
            {
                Window root = 0, parent = 0;
                Window* children = nullptr;
                unsigned count = 0;
                XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count);
                for (unsigned i = 0; i < count && !found; ++i)
                {
                    char* name = nullptr;
                    if (XFetchName(display, children[i], &name) && name && std::string(name) == "Pavonis")
                        found = children[i];
                    if (name)
                        XFree(name);
                }
                if (children)
                    XFree(children);
                return found != 0;
            },
            10s);
        if (found)
        {
            Window child = 0;
            XTranslateCoordinates(display, found, DefaultRootWindow(display), 0, 0, &origin.x, &origin.y,
                                  &child);
        }
        return found;
    }

    void moveTo(CPoint panel) const
    {
        XTestFakeMotionEvent(display, DefaultScreen(display), origin.x + panel.x, origin.y + panel.y, 0);
        XFlush(display);
        std::this_thread::sleep_for(60ms);
    }
    void button(bool down) const
    {
        XTestFakeButtonEvent(display, 1, down ? True : False, 0);
        XFlush(display);
        std::this_thread::sleep_for(60ms);
    }
    void click(CPoint panel) const
    {
        moveTo(panel);
        button(true);
        button(false);
    }
    void closeButton(Window window) const
    {
        XEvent event{};
        event.xclient.type = ClientMessage;
        event.xclient.window = window;
        event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
        event.xclient.format = 32;
        event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
        event.xclient.data.l[1] = CurrentTime;
        XSendEvent(display, window, False, NoEventMask, &event);
        XFlush(display);
    }

    Picture screen() const
    {
        Picture picture{kPanelWidth, kPanelHeight, {}};
        XImage* image = XGetImage(display, DefaultRootWindow(display), origin.x, origin.y, kPanelWidth,
                                  kPanelHeight, AllPlanes, ZPixmap);
        for (int y = 0; y < kPanelHeight; ++y)
            for (int x = 0; x < kPanelWidth; ++x)
                picture.pixels.push_back(static_cast<std::uint32_t>(XGetPixel(image, x, y) & 0xFFFFFF));
        XDestroyImage(image);
        return picture;
    }
    // Differing pixels of the area once the screen shows the expected picture there, or after
    // three seconds.
    int screenDiffersFrom(const Picture& expected, const CRect& area) const
    {
        int differing = 0;
        waitUntil([&] { return (differing = differingPixels(screen(), expected, area)) == 0; }, 3s);
        return differing;
    }

    Display* display = nullptr;
    // Names of each test's own: a JACK client's name is taken a moment after it has gone.
    inline static int testCount = 0;
    int testNumber = ++testCount;
    std::string simulatorName = "esx-sim-test-" + std::to_string(getpid()) + "-" + std::to_string(testNumber);
    std::unique_ptr<EsxSimulator> decoy;
    std::unique_ptr<EsxSimulator> simulator;
    fs::path folder = fs::temp_directory_path() / ("pavonis-session-" + std::to_string(getpid()));
    std::vector<std::string> portsBefore;
    CPoint origin;
};

TEST_F(Session, TheDeviceIsDetectedKnobsTravelBothWaysAndTheProgramsStay)
{
    StandaloneProcess pavonis({"--connect", simulatorName, "--page", "part"});
    ASSERT_TRUE(pavonis.waitForLine("ESX v1.3 detected")) << pavonis.output();
    const Window window = pavonisWindow();
    ASSERT_NE(window, 0u) << "no window titled Pavonis";
    click(panelPlaceOf(EPARAM_QUESTION_NO, CTRL_COMMAND_BUTTON).offsetBy(8, 6)); // "Sync now ?": no

    const CPoint knob = panelPlaceOf(EPARAM_PART_FILTER_CUTOFF, CTRL_KNOB);
    const CRect knobArea(knob.x, knob.y, knob.x + kKnobWidth, knob.y + kKnobHeight);
    const PatternImage initial = simulator->currentPattern();
    moveTo(knob.offsetBy(kKnobWidth / 2, kKnobHeight / 2));
    button(true);
    for (int step = 1; step <= 4; ++step)
        moveTo(knob.offsetBy(kKnobWidth / 2 + 3 * step, kKnobHeight / 2 - 6 * step));
    button(false);
    moveTo(CPoint(kPanelWidth + 40, kPanelHeight + 40));
    ASSERT_TRUE(waitUntil([&] { return simulator->currentPattern() != initial; }, 5s))
        << "the drag did not reach the device";

    ReferencePanel reference;
    const Picture dragged = reference.render("part", simulator->currentPattern().data());
    EXPECT_EQ(screenDiffersFrom(dragged, knobArea), 0) << "the device holds the value the knob shows";

    simulator->turnKnob(PARAM_PART_FILTER_CUTOFF, 0, 5);
    const Picture turned = reference.render("part", simulator->currentPattern().data());
    ASSERT_GT(differingPixels(dragged, turned, knobArea), 0);
    EXPECT_EQ(screenDiffersFrom(turned, knobArea), 0) << "the device's knob moves the one on screen";

    closeButton(window);
    EXPECT_EQ(pavonis.exitStatus(5s), 0);
    EXPECT_EQ(jackPorts(), portsBefore);

    const std::string picture = (folder / "next-run.png").string();
    StandaloneProcess nextRun({"--screenshot", picture, "--page", "part"});
    EXPECT_EQ(nextRun.exitStatus(), 0);
    EXPECT_EQ(differingPixels(readPng(picture), turned, knobArea), 0) << "the next run has the program";
}

// The ports as a user picks them in the Setup page's interface menus: the menu's value, then
// its entry's action.
void chooseInMenus(SynthEditor* editor, const EsxSimulator& simulator)
{
    SynthCommons* synth = editor->getSynth();
    for (std::uint32_t i = 0; i < synth->TetherMidiOutGetNbDevices(); ++i)
        if (synth->TetherMidiOutGetDeviceName(i) == simulator.inputPortName())
        {
            synth->parameterLib_SetParameterValueFromEditor(EPARAM_MIDI_OUT_DEVICE, IntToFloat(i));
            editorControlsMenuItemCbk_MidiOutDevices(editor, i, true, true);
        }
    for (std::uint32_t i = 0; i < synth->TetherMidiInGetNbDevices(); ++i)
        if (synth->TetherMidiInGetDeviceName(i) == simulator.outputPortName())
        {
            synth->parameterLib_SetParameterValueFromEditor(EPARAM_MIDI_IN_DEVICE, IntToFloat(i));
            editorControlsMenuItemCbk_MidiInDevices(editor, i, true, true);
        }
}

TEST_F(Session, ConnectingByNameShowsWhatAChoiceInTheMenusShows)
{
    const std::string picture = (folder / "connected.png").string();
    StandaloneProcess pavonis({"--connect", "ESX-SIM-TEST", "--page", "setup", "--screenshot", picture});
    EXPECT_EQ(pavonis.exitStatus(), 0);

    ReferencePanel reference;
    SynthEditor* editor = reference.plugin().getSynthEditor();
    chooseInMenus(editor, *simulator);
    ASSERT_TRUE(waitUntil([&] { return editor->deviceStatusText() == "ESX v1.3 detected"; }, 5s));
    EXPECT_EQ(
        differingPixels(readPng(picture), reference.render("setup"), CRect(0, 0, kPanelWidth, kPanelHeight)),
        0)
        << "lamps, port names and device status";
}

TEST_F(Session, EveryWayOfEndingExitsWithZeroAndLeavesNoPortBehind)
{
    const struct
    {
        const char* how;
        int signal; // 0: the window's close button
    } endings[] = {{"close button", 0}, {"SIGTERM", SIGTERM}, {"Ctrl+C", SIGINT}};
    for (const auto& ending : endings)
    {
        StandaloneProcess pavonis({"--connect", simulatorName});
        ASSERT_TRUE(pavonis.waitForLine("ESX v1.3 detected")) << ending.how << "\n" << pavonis.output();
        const Window window = pavonisWindow();
        ASSERT_NE(window, 0u) << ending.how;
        EXPECT_NE(jackPorts(), portsBefore) << ending.how << ": the ports are open";
        if (ending.signal)
            pavonis.signal(ending.signal);
        else
            closeButton(window);
        EXPECT_EQ(pavonis.exitStatus(5s), 0) << ending.how;
        EXPECT_EQ(jackPorts(), portsBefore) << ending.how;
        EXPECT_TRUE(fs::is_regular_file(folder / "Pavonis" / "standalone.chunk")) << ending.how;
        fs::remove_all(folder / "Pavonis");
    }
}
TEST_F(Session, AnUnreadableSaveIsKeptAsideAndASecondPavonisSavesNothing)
{
    const fs::path saved = folder / "Pavonis" / "standalone.chunk";
    fs::create_directories(saved.parent_path());
    std::ofstream(saved) << "Pavonis\1 of a later version";
    const Bytes unreadable = contentOf(saved);

    StandaloneProcess first({});
    ASSERT_TRUE(first.waitForLine("pavonis: ESX")) << first.output();
    EXPECT_FALSE(fs::exists(saved));
    EXPECT_EQ(contentOf(saved.string() + ".unusable"), unreadable);

    StandaloneProcess second({});
    ASSERT_TRUE(second.waitForLine("pavonis: ESX")) << second.output();
    second.signal(SIGTERM);
    EXPECT_EQ(second.exitStatus(5s), 0);
    EXPECT_FALSE(fs::exists(saved)) << "only the first one saves";

    first.signal(SIGTERM);
    EXPECT_EQ(first.exitStatus(5s), 0);
    EXPECT_TRUE(fs::is_regular_file(saved));
}
} // namespace
