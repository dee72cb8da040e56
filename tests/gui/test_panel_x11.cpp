// The panel of the built Pavonis.so in a real X server, opened the way a host opens it (our
// dlopen host, effEditOpen with a parent window, effEditIdle in a loop) and used with XTEST.
// What the server shows is compared pixel for pixel with the panel rendered offscreen by the
// core linked into this test, in the state that the clicks should have reached; that state's
// visible set and texts are checked on the core directly.
#include "PanelTestSupport.h"

#include <atomic>
#include <functional>
#include <memory>
#include <thread>
#include <vector>

using namespace guitest;

namespace
{
struct ScreenCase
{
    const char* name;
    e_EditorParameterID button; // the mode or part button the user clicks
    std::uint32_t word0;        // the containers that screen shows
    std::uint32_t word1;
};

// The screens and their containers: LCD 0x2, info line 0x4000, mode buttons 0x4, and undo, redo
// and compare 0x200000 in every one.
constexpr std::uint32_t kCommon = 0x00204006;
constexpr std::uint32_t kPartPage = kCommon | 0x000C0100;
constexpr ScreenCase kScreens[] = {
    {"setup", EPARAM_MODE_SETUP, kCommon | 0x13000080, 0}, // with the Host-mode warning
    {"mix", EPARAM_MODE_MIX, kCommon | 0x00000200, 0},
    {"global", EPARAM_MODE_GLOBAL, kCommon | 0x00000400, 0x0001F000},
    {"part Drum1", EPARAM_PART_DRUM1, kPartPage, 0x03E001E0},
    {"part Drum2", EPARAM_PART_DRUM2, kPartPage, 0x03E001E0},
    {"part Drum3", EPARAM_PART_DRUM3, kPartPage, 0x03E001E0},
    {"part Drum4", EPARAM_PART_DRUM4, kPartPage, 0x03E001E0},
    {"part Drum5", EPARAM_PART_DRUM5, kPartPage, 0x03E001E0},
    {"part Drum6A", EPARAM_PART_DRUM6A, kPartPage, 0x03E001E0},
    {"part Drum6B", EPARAM_PART_DRUM6B, kPartPage, 0x03E001E0},
    {"part Drum7A", EPARAM_PART_DRUM7A, kPartPage, 0x03E001E0},
    {"part Drum7B", EPARAM_PART_DRUM7B, kPartPage, 0x03E001E0},
    {"part Stretch1", EPARAM_PART_STRETCH1, kPartPage, 0x03A001E0},
    {"part Stretch2", EPARAM_PART_STRETCH2, kPartPage, 0x03A001E0},
    {"part Slice", EPARAM_PART_SLICE_SELECT, kPartPage, 0x03A001E0},
    {"part AudioIn", EPARAM_PART_AUDIOIN, kPartPage, 0x040001E0},
    {"part Keyboard1", EPARAM_PART_KEYBOARD1, kPartPage, 0x001C0100},
    {"part Keyboard2", EPARAM_PART_KEYBOARD2, kPartPage, 0x001C0100},
};
} // namespace

TEST_F(PanelInX, EveryScreenShowsExactlyItsContainers)
{
    click(centreOf(EPARAM_MODE_PARTS, CTRL_SELECTOR_BUTTON, 16, 26));
    for (const ScreenCase& c : kScreens)
    {
        const bool isPart =
            c.button != EPARAM_MODE_SETUP && c.button != EPARAM_MODE_MIX && c.button != EPARAM_MODE_GLOBAL;
        if (isPart)
            click(centreOf(EPARAM_MODE_PARTS, CTRL_SELECTOR_BUTTON, 16, 26));
        click(centreOf(c.button, CTRL_SELECTOR_BUTTON, 16, isPart ? 13 : 26));
        park();
        std::uint32_t shown[2] = {};
        const Image expected = reference->render(
            [&](SynthCommons& synth, SynthEditor& editor)
            {
                if (isPart)
                    selectMode(synth, editor, EPARAM_MODE_PARTS);
                selectMode(synth, editor, c.button);
                shown[0] = editor.visibleWord(0);
                shown[1] = editor.visibleWord(1);
            });
        EXPECT_EQ(shown[0], c.word0) << c.name;
        EXPECT_EQ(shown[1], c.word1) << c.name;
        EXPECT_EQ(differencesFrom(expected, c.name), 0) << c.name;
    }
}

TEST_F(PanelInX, AHostChangeMovesItsKnobAndAnotherPartsChangeMovesNothing)
{
    click(centreOf(EPARAM_MODE_PARTS, CTRL_SELECTOR_BUTTON, 16, 26));
    park();
    constexpr int kCutoffD1 = 6;
    plugin->setParameter(kCutoffD1, 20.0f / 127.0f);
    const Image low = reference->render(
        [](SynthCommons& synth, SynthEditor& editor)
        {
            selectMode(synth, editor, EPARAM_MODE_PARTS);
            synth.parameterLib_SetParameterValueFromHost(static_cast<e_HostParameterID>(kCutoffD1),
                                                         20.0f / 127.0f);
        });
    EXPECT_EQ(differencesFrom(low, "host-low"), 0) << "the knob shows the host's value";

    click(centreOf(EPARAM_PART_DRUM2, CTRL_SELECTOR_BUTTON, 16, 13));
    park();
    idleFor(50);
    const Image drum2 = screen();
    plugin->setParameter(kCutoffD1, 110.0f / 127.0f);
    idleFor(100);
    EXPECT_EQ(differencesFrom(drum2, "drum2"), 0) << "Drum1's cutoff is not on screen";

    click(centreOf(EPARAM_PART_DRUM1, CTRL_SELECTOR_BUTTON, 16, 13));
    park();
    const Image high = reference->render(
        [](SynthCommons& synth, SynthEditor& editor)
        {
            selectMode(synth, editor, EPARAM_MODE_PARTS);
            synth.parameterLib_SetParameterValueFromHost(static_cast<e_HostParameterID>(kCutoffD1),
                                                         110.0f / 127.0f);
        });
    EXPECT_EQ(differencesFrom(high, "host-high"), 0)
        << "back on Drum1, its knob shows the value it got meanwhile";
}

TEST_F(PanelInX, HoverTextsNameTheParameterAndItsValueInTheDevicesTerms)
{
    click(centreOf(EPARAM_MODE_PARTS, CTRL_SELECTOR_BUTTON, 16, 26));
    constexpr int kCutoffD1 = 6;
    plugin->setParameter(kCutoffD1, 64.0f / 127.0f);
    host.movePanel(centreOf(EPARAM_PART_FILTER_CUTOFF, CTRL_KNOB, 26, 25));
    idleFor(60);
    host.movePanel(centreOf(EPARAM_PART_FILTER_CUTOFF, CTRL_KNOB, 27, 26));
    std::string line;
    const Image expected = reference->render(
        [&](SynthCommons& synth, SynthEditor& editor)
        {
            selectMode(synth, editor, EPARAM_MODE_PARTS);
            synth.parameterLib_SetParameterValueFromHost(static_cast<e_HostParameterID>(kCutoffD1),
                                                         64.0f / 127.0f);
            editor.editorControlsLib_DisplayCurrentParameterInfo(
                64.0f / 127.0f, editor.editorControlsLib_GetFirstMatchingControl(EPARAM_PART_FILTER_CUTOFF));
            line = editor.infoLineText();
        });
    EXPECT_EQ(line, "D1 | Cutoff:  64");
    const t_EditorContainer* info = editorTables_FindContainer(c_EditorContainers, CONT_INFO_LINE);
    EXPECT_EQ(differencesFrom(expected, "hover",
                              CRect(info->x, info->y, info->x + info->width, info->y + info->height)),
              0);
}

TEST_F(PanelInX, TheFxTypeStepperRenamesItsKnobs)
{
    constexpr int kDecimator = 12;
    click(centreOf(EPARAM_MODE_GLOBAL, CTRL_SELECTOR_BUTTON, 16, 26));
    const int steps =
        kDecimator - reference->synth->parameterLib_GetParameterMatchingValueListIndex(EPARAM_FX1_TYPE);
    ASSERT_GT(steps, 0);
    const t_EditorContainer* fx1 = editorTables_FindContainer(c_EditorContainers, CONT_FX1);
    for (int i = 0; i < steps; ++i) // the plus stepper right of FX1's type menu (x 17, width 92)
        click(CPoint(fx1->x + 17 + 92 + 4, fx1->y + 6 + 8));
    park();
    std::string names[2];
    const Image expected = reference->render(
        [&](SynthCommons& synth, SynthEditor& editor)
        {
            selectMode(synth, editor, EPARAM_MODE_GLOBAL);
            synth.parameterLib_SetParameterValueFromEditor(EPARAM_FX1_TYPE, IntToFloat(96));
            editor.editorControlsLib_SetControlValue(EPARAM_FX1_TYPE, nullptr, kNoIndex);
            names[0] = synth.parameterLib_GetParameterNameStringFromEditor(EPARAM_FX1_EDIT1);
            names[1] = synth.parameterLib_GetParameterNameStringFromEditor(EPARAM_FX1_EDIT2);
        });
    EXPECT_EQ(names[0] + " " + names[1], "1-Freq. 2-Bit");
    // Below the info line (which names what the click changed) the screen matches.
    EXPECT_EQ(differencesFrom(expected, "fx-type", CRect(0, 60, kWidth, kHeight)), 0);
}

TEST_F(PanelInX, OpensAndClosesTwoHundredTimesWhileAnotherThreadChangesValues)
{
    std::atomic<bool> stop{false};
    std::atomic<long> changes{0};
    std::thread automation(
        [&]
        {
            for (long i = 0; !stop; ++i, ++changes)
                plugin->setParameter(static_cast<int>(i % 67), static_cast<float>(i % 128) / 127.0f);
        });
    const auto openAndClose = [&]
    {
        plugin->dispatch(effEditOpen, 0, reinterpret_cast<vst::intptr>(host.display),
                         reinterpret_cast<void*>(static_cast<std::uintptr_t>(host.parent)));
        plugin->dispatch(effEditIdle);
        plugin->dispatch(effEditIdle);
        plugin->dispatch(effEditClose);
    };
    plugin->dispatch(effEditClose);
    for (int i = 0; i < 10; ++i) // caches of cairo, fontconfig and Xlib fill up here
        openAndClose();
    const int files = openFileCount();
    const long memory = residentKilobytes();
    for (int i = 0; i < 200; ++i)
        openAndClose();
    stop = true;
    automation.join();
    XSync(host.display, False);
    EXPECT_GT(changes.load(), 1000);
    EXPECT_EQ(openFileCount(), files);
    EXPECT_EQ(host.childCount(host.parent), 0);
    const long grownKilobytes = residentKilobytes() - memory;
    RecordProperty("residentGrowthKilobytes", static_cast<int>(grownKilobytes));
    if (kResidentMemoryTellsLeaks)
    {
        EXPECT_LT(grownKilobytes, 4096) << "resident memory grew by more than 4 MB";
    }
}
