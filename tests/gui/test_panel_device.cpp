// The panel of the built plug-in editing a simulated ESX end to end, in the X server and over
// the MIDI system: the interfaces chosen in the Setup page's menus, then knobs, LEDs, the
// clipboards, the questions, the dump requests and the pattern name, all clicked or typed
// with XTEST. What the panel shows is compared with the panel rendered offscreen; what the
// device holds is read from the simulator's memory.
#include "EsxSimulator.h"
#include "PanelTestSupport.h"

#include <cmath>
#include <cstring>
#include <unistd.h>

using namespace guitest;

namespace
{
constexpr int kD1FilterType = 5; // host parameters
constexpr int kD1Cutoff = 6;
constexpr unsigned kDrum1CutoffByte = 24 + 5;
constexpr unsigned kDrumRegion = 24;
constexpr unsigned kDrumLength = 34;

class PanelWithDevice : public PanelInX
{
protected:
    void SetUp() override
    {
        PanelInX::SetUp();
        if (IsSkipped() || HasFatalFailure())
            return;
        click(centreOf(EPARAM_MODE_SETUP, CTRL_SELECTOR_BUTTON, 16, 26));
        ASSERT_EQ(portsShown(), 0) << "the interface menus list the ports";
        chooseInterface(EPARAM_MIDI_OUT_DEVICE, device.inputPortName(),
                        &SynthCommons::TetherMidiOutGetNbDevices, &SynthCommons::TetherMidiOutGetDeviceName);
        chooseInterface(EPARAM_MIDI_IN_DEVICE, device.outputPortName(),
                        &SynthCommons::TetherMidiInGetNbDevices, &SynthCommons::TetherMidiInGetDeviceName);
        park();
    }

    // The panel reaches the MIDI system after it opened: idles until its output menu shows
    // the port list's first entry as the reference core, which has the list, shows it; the
    // count of differing pixels.
    int portsShown()
    {
        reference->synth->TetherMidiOutGetNbDevices();
        const Image expected = reference->render([](SynthCommons& synth, SynthEditor& editor)
                                                 { selectMode(synth, editor, EPARAM_MODE_SETUP); });
        const CPoint menuAt = centreOf(EPARAM_MIDI_OUT_DEVICE, CTRL_MENU, 0, 9);
        return differencesFrom(expected, "port-menu",
                               CRect(menuAt.x, menuAt.y - 9, menuAt.x + 143, menuAt.y + 9));
    }

    // Steps the interface menu to the port, as a user does with its steppers; the plug-in lists
    // the ports as the reference core does, both made after the simulator.
    void chooseInterface(e_EditorParameterID menu, const std::string& port,
                         std::uint32_t (SynthCommons::*count)(),
                         const char* (SynthCommons::*name)(std::uint32_t))
    {
        SynthCommons& listing = *reference->synth;
        std::uint32_t index = 0;
        while (index < (listing.*count)() && port != (listing.*name)(index))
            ++index;
        ASSERT_LT(index, (listing.*count)()) << port << " is not listed";
        const CPoint menuAt = centreOf(menu, CTRL_MENU, 0, 9);
        const CPoint minus(menuAt.x - 4, menuAt.y);
        const CPoint plus(menuAt.x + 143 + 4, menuAt.y);
        if (index == 0)
            click(minus); // the first entry, chosen again: the stepper still reports it
        for (std::uint32_t i = 0; i < index; ++i)
            click(plus);
    }

    // A pattern sent to the device keeps the syncing overlay up for three seconds.
    static constexpr int kThroughASync = 100;
    // A bank dump takes seconds on a busy machine (attempts of 50 ms).
    static constexpr int kThroughABank = 200;

    // Does what the user does until the condition holds, three times at most. On a busy machine
    // an asynchronous JACK server (JACK's default) now and then loses what a client sends in a
    // cycle that its receiver misses: a request never reaches the device, or a dump arrives
    // without one of its pieces and ends in "Dump error". The user then asks again.
    template <typename Action, typename Condition> bool askedAgainUntil(Action action, Condition condition)
    {
        for (int attempt = 0; attempt < 3; ++attempt)
        {
            action();
            if (condition())
                return true;
        }
        return false;
    }

    bool programNamed(const char* name)
    {
        for (int i = 0; i < 300 && plugin->programName() != name; ++i)
            idleFor(10);
        return plugin->programName() == name;
    }

    bool infoLineShows(const std::string& text) { return PanelInX::infoLineShows(text, kThroughASync); }

    void selectPart(e_EditorParameterID part)
    {
        click(centreOf(EPARAM_MODE_PARTS, CTRL_SELECTOR_BUTTON, 16, 26));
        click(centreOf(part, CTRL_SELECTOR_BUTTON, 16, 13));
    }

    // Waits until the device's current pattern satisfies the condition.
    bool deviceHolds(const std::function<bool(const esxsim::PatternImage&)>& condition)
    {
        for (int i = 0; i < 300; ++i)
        {
            if (condition(device.currentPattern()))
                return true;
            idleFor(10);
        }
        return condition(device.currentPattern());
    }

    esxsim::EsxSimulator device{"esx-panel-" + std::to_string(getpid())};
};
} // namespace

TEST_F(PanelWithDevice, TheInterfaceMenusFindTheDeviceAndLightTheirLamps)
{
    const Image expected = reference->render(
        [](SynthCommons& synth, SynthEditor& editor)
        {
            selectMode(synth, editor, EPARAM_MODE_SETUP);
            editor.setLamp(RES_LAMP_OUT, true);
            editor.setLamp(RES_LAMP_IN, true);
            editor.setDeviceStatus("ESX v1.3 detected");
        });
    const t_EditorContainer* panel = editorTables_FindContainer(c_EditorContainers, CONT_TETHER_PANEL);
    // The status text over the device's picture, and the two lamps.
    EXPECT_EQ(differencesFrom(expected, "status",
                              CRect(panel->x + 37, panel->y + 27, panel->x + 159, panel->y + 42)),
              0);
    EXPECT_EQ(differencesFrom(expected, "lamps",
                              CRect(panel->x + 381, panel->y + 11, panel->x + 396, panel->y + 55)),
              0);
}

TEST_F(PanelWithDevice, AKnobDragEndsOnASeventhBitValueThatTheDeviceHolds)
{
    selectPart(EPARAM_PART_DRUM1);
    plugin->dispatch(effSetEditKnobMode, 0, 0);
    const CPoint knob = centreOf(EPARAM_PART_FILTER_CUTOFF, CTRL_KNOB, 26, 25);
    long steps = 0;
    bool held = false;
    // A busy JACK server may lose what the panel sent; the user then turns the knob again.
    for (int attempt = 0; attempt < 3 && !held; ++attempt)
    {
        if (attempt > 0)
        {
            plugin->setParameter(kD1Cutoff, 0.0f);
            idleFor(20);
        }
        host.movePanel(CPoint(knob.x - 15, knob.y + 10));
        host.button(true);
        idleFor(40);
        host.movePanel(CPoint(knob.x + 3, knob.y - 18));
        idleFor(40);
        host.movePanel(CPoint(knob.x + 16, knob.y - 9));
        idleFor(40);
        host.button(false);
        idleFor(60);
        const float value = plugin->getParameter(kD1Cutoff);
        steps = std::lround(value * 127.0f);
        EXPECT_NEAR(value * 127.0f, static_cast<float>(steps), 1e-4f) << "a knob moves in 128 steps";
        EXPECT_GT(steps, 64);
        held = deviceHolds([&](const esxsim::PatternImage& p) { return p[kDrum1CutoffByte] == steps; });
    }
    EXPECT_TRUE(held) << "the device holds " << int(device.currentPattern()[kDrum1CutoffByte]) << ", not "
                      << steps;
}

TEST_F(PanelWithDevice, ALitLedClickedStaysLit)
{
    selectPart(EPARAM_PART_DRUM1);
    park();
    idleFor(50);
    const Image before = screen();
    const float type = plugin->getParameter(kD1FilterType);
    const t_EditorContainer* filter = editorTables_FindContainer(c_EditorContainers, CONT_PART_FILTER);
    click(CPoint(filter->x + 78 + 8, filter->y + 68 + 8)); // the first filter type's LED, lit
    park();
    EXPECT_EQ(
        differencesFrom(before, "lit-led",
                        CRect(filter->x, filter->y, filter->x + filter->width, filter->y + filter->height)),
        0);
    EXPECT_EQ(plugin->getParameter(kD1FilterType), type);
}

TEST_F(PanelWithDevice, PartsCopyAndPasteOntoTheirOwnKindOnly)
{
    selectPart(EPARAM_PART_DRUM2);
    click(centreOf(EPARAM_PART_COPY, CTRL_COMMAND_BUTTON, 20, 10));
    EXPECT_TRUE(infoLineShows("Drum part copied"));
    const esxsim::PatternImage drum2Source = device.currentPattern();

    click(centreOf(EPARAM_PART_DRUM7B, CTRL_SELECTOR_BUTTON, 16, 13));
    const auto paste = [&] { click(centreOf(EPARAM_PART_PASTE, CTRL_COMMAND_BUTTON, 20, 10)); };
    paste();
    EXPECT_TRUE(infoLineShows("Drum part pasted"));
    const unsigned drum2 = kDrumRegion + kDrumLength * 1;
    const unsigned drum7b = kDrumRegion + kDrumLength * 8;
    const auto drum7bIsDrum2 = [&]
    {
        return deviceHolds([&](const esxsim::PatternImage& p)
                           { return std::memcmp(&p[drum7b], &drum2Source[drum2], kDrumLength) == 0; });
    };
    EXPECT_TRUE(drum7bIsDrum2() || askedAgainUntil(paste, drum7bIsDrum2))
        << "the device received Drum2's settings as Drum7B's";

    click(centreOf(EPARAM_PART_KEYBOARD1, CTRL_SELECTOR_BUTTON, 16, 13));
    click(centreOf(EPARAM_PART_PASTE, CTRL_COMMAND_BUTTON, 20, 10));
    EXPECT_TRUE(infoLineShows("Can not paste here"));
}

TEST_F(PanelWithDevice, ResetQuestionsAnsweredNoAndYes)
{
    selectPart(EPARAM_PART_KEYBOARD2);
    click(centreOf(EPARAM_PART_RESET, CTRL_COMMAND_BUTTON, 20, 10));
    EXPECT_TRUE(questionShows(QUESTION_RESET_KEYBOARD2));
    answer(false);
    EXPECT_TRUE(infoLineShows("K2 |"));
    click(centreOf(EPARAM_PART_RESET, CTRL_COMMAND_BUTTON, 20, 10));
    EXPECT_TRUE(questionShows(QUESTION_RESET_KEYBOARD2));
    answer(true);
    EXPECT_TRUE(infoLineShows("Keyboard2 has been reset"));
}

TEST_F(PanelWithDevice, DumpsRequestedAndUnrequested)
{
    esxsim::PatternImage mine = device.currentPattern();
    std::memcpy(mine.data(), "Current!", kPatternNameLength);
    mine[kDrum1CutoffByte] = 21;
    device.setPattern(0, mine);
    EXPECT_TRUE(
        askedAgainUntil([&] { click(centreOf(EPARAM_DUMP_REQUEST_CURRENT, CTRL_COMMAND_BUTTON, 20, 10)); },
                        [&] { return programNamed("A.01 Current!"); }))
        << "applied without a question";
    EXPECT_EQ(std::lround(plugin->getParameter(kD1Cutoff) * 127.0f), 21);

    // Sent on the device's own: asked first; "no" leaves the program as it was.
    std::memcpy(mine.data(), "Unasked!", kPatternNameLength);
    device.setPattern(0, mine);
    const auto patternQuestion = [&] { return questionShows(QUESTION_ACCEPT_PATTERN_DUMP); };
    EXPECT_TRUE(askedAgainUntil([&] { device.sendCurrentPattern(); }, patternQuestion));
    answer(false);
    EXPECT_EQ(plugin->programName(), "A.01 Current!");
    EXPECT_TRUE(askedAgainUntil([&] { device.sendCurrentPattern(); }, patternQuestion));
    answer(true);
    EXPECT_TRUE(programNamed("A.01 Unasked!"));

    // Bank A, accepted into A.01 to A.64.
    for (unsigned memory = 0; memory < 64; ++memory)
    {
        char name[kPatternNameLength + 1];
        std::snprintf(name, sizeof name, "Bank%04u", memory);
        std::memcpy(mine.data(), name, kPatternNameLength);
        device.setPattern(memory, mine);
    }
    EXPECT_TRUE(askedAgainUntil([&]
                                { click(centreOf(EPARAM_DUMP_REQUEST_BANK_A, CTRL_COMMAND_BUTTON, 20, 10)); },
                                [&] { return questionShows(QUESTION_ACCEPT_BANK_A_DUMP, kThroughABank); }));
    answer(true);
    idleFor(100);
    EXPECT_EQ(plugin->programNameIndexed(0), "A.01 Bank0000");
    EXPECT_EQ(plugin->programNameIndexed(63), "A.64 Bank0063");
    EXPECT_EQ(plugin->programNameIndexed(64), "B.01 Pvns1.01");
}

TEST_F(PanelWithDevice, ATypedPatternNameReachesTheDevice)
{
    bool held = false;
    // A busy JACK server may lose what the panel sent; the user then types the name again.
    for (int attempt = 0; attempt < 3 && !held; ++attempt)
    {
        click(centreOf(EPARAM_PATCH_NAME, CTRL_NAME_EDIT, 20, 12));
        for (int i = 0; i < 10; ++i)
            host.key(XK_BackSpace);
        for (KeySym key : {XK_g, XK_r, XK_o, XK_o, XK_v, XK_e})
            host.key(key);
        host.key(XK_Return);
        idleFor(60);
        EXPECT_EQ(plugin->programName(), "A.01 groove");
        held = deviceHolds([](const esxsim::PatternImage& p)
                           { return std::memcmp(p.data(), "groove", 6) == 0; });
    }
    EXPECT_TRUE(held);
}

// Undo and redo bring the panel, the host and the device back together; compare plays the
// stored pattern on the device and then the edited one again.
TEST_F(PanelWithDevice, UndoRedoAndCompareKeepPanelHostAndDeviceTogether)
{
    constexpr unsigned kDrum7bRegion = kDrumRegion + kDrumLength * 8;
    click(centreOf(EPARAM_PATTERN_RESET, CTRL_COMMAND_BUTTON, 20, 10)); // the device starts from ours
    answer(true);
    ASSERT_TRUE(infoLineShows("Pattern has been reset"));
    const long initialCutoff = std::lround(plugin->getParameter(kD1Cutoff) * 127.0f);
    ASSERT_TRUE(
        deviceHolds([&](const esxsim::PatternImage& p) { return p[kDrum1CutoffByte] == initialCutoff; }));
    const esxsim::PatternImage stored = device.currentPattern();

    // A knob turned, Drum1 pasted onto Drum7B.
    selectPart(EPARAM_PART_DRUM1);
    plugin->dispatch(effSetEditKnobMode, 0, 2); // linear: down lowers the value
    const CPoint knob = centreOf(EPARAM_PART_FILTER_CUTOFF, CTRL_KNOB, 26, 25);
    host.movePanel(knob);
    host.button(true);
    idleFor(40);
    host.movePanel(CPoint(knob.x, knob.y + 40));
    idleFor(40);
    host.button(false);
    idleFor(60);
    const long turned = std::lround(plugin->getParameter(kD1Cutoff) * 127.0f);
    ASSERT_NE(turned, initialCutoff);
    click(centreOf(EPARAM_PART_COPY, CTRL_COMMAND_BUTTON, 20, 10));
    click(centreOf(EPARAM_PART_DRUM7B, CTRL_SELECTOR_BUTTON, 16, 13));
    click(centreOf(EPARAM_PART_PASTE, CTRL_COMMAND_BUTTON, 20, 10));
    ASSERT_TRUE(infoLineShows("Drum part pasted"));
    ASSERT_TRUE(deviceHolds([&](const esxsim::PatternImage& p)
                            { return p[kDrum7bRegion + 5] == turned && p[kDrum1CutoffByte] == turned; }));
    const esxsim::PatternImage edited = device.currentPattern();

    const auto holds = [&](const esxsim::PatternImage& expected)
    {
        return deviceHolds(
            [&](const esxsim::PatternImage& p)
            {
                return p[kDrum1CutoffByte] == expected[kDrum1CutoffByte] &&
                       std::memcmp(&p[kDrum7bRegion], &expected[kDrum7bRegion], kDrumLength) == 0;
            });
    };
    const auto panelShowsCutoff = [&](long value)
    {
        selectPart(EPARAM_PART_DRUM1);
        park();
        const Image expected = reference->render(
            [&](SynthCommons& synth, SynthEditor& editor)
            {
                selectMode(synth, editor, EPARAM_MODE_PARTS);
                synth.parameterLib_SetParameterValueFromEditor(EPARAM_PART_FILTER_CUTOFF,
                                                               IntToFloat(static_cast<unsigned>(value)));
                editor.editorControlsLib_SetAllControlValue(nullptr);
            });
        const t_EditorContainer* filter = editorTables_FindContainer(c_EditorContainers, CONT_PART_FILTER);
        return differencesFrom(expected, "cutoff",
                               CRect(filter->x, filter->y, filter->x + 90, filter->y + 75),
                               kThroughASync) == 0;
    };
    const CPoint undo = centreOf(EPARAM_UNDO, CTRL_COMMAND_BUTTON, 18, 10);
    const CPoint redo = centreOf(EPARAM_REDO, CTRL_COMMAND_BUTTON, 18, 10);
    const CPoint compare = centreOf(EPARAM_COMPARE, CTRL_TOGGLE_BUTTON, 36, 10);

    click(undo);
    click(undo);
    EXPECT_TRUE(holds(stored)) << "the device";
    EXPECT_EQ(std::lround(plugin->getParameter(kD1Cutoff) * 127.0f), initialCutoff) << "the host";
    EXPECT_TRUE(panelShowsCutoff(initialCutoff)) << "the panel";

    click(redo);
    click(redo);
    EXPECT_TRUE(holds(edited));
    EXPECT_EQ(std::lround(plugin->getParameter(kD1Cutoff) * 127.0f), turned);
    EXPECT_TRUE(panelShowsCutoff(turned));

    click(compare);
    EXPECT_TRUE(infoLineShows("Stored pattern heard"));
    EXPECT_TRUE(holds(stored));
    EXPECT_EQ(std::lround(plugin->getParameter(kD1Cutoff) * 127.0f), initialCutoff);
    click(compare);
    EXPECT_TRUE(infoLineShows("Edited pattern heard"));
    EXPECT_TRUE(holds(edited));
    EXPECT_EQ(std::lround(plugin->getParameter(kD1Cutoff) * 127.0f), turned);
}
