// Undo, redo and compare through the panel (drawn offscreen) of an instance in Host MIDI mode:
// what comes back shows on the panel, reaches the host's automation and leaves as MIDI, as a
// panel change would.
#include "commands/HistoryState.h"
#include "editor/PanelPictures.h"
#include "editor/SynthEditor.h"
#include "gui/GuiToolkit.h"
#include "params/ParameterValues.h"
#include "sysex/InitPatterns.h"
#include "unit/model/ModelHarness.h"

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace
{
constexpr unsigned kDrum1 = 0;
constexpr unsigned kDrum2 = 1;
constexpr unsigned kDrum7B = 8;
constexpr std::size_t kPartStepBytes = 512; // a part's bytes and the step around them
// The panel's controls take their sizes from its pictures, made before any instance.
const bool picturesRegistered = (registerPanelPictures(), true);

std::string number(float value)
{
    return std::to_string(floatToInt(value));
}

class PanelHistory : public HostModeTest
{
protected:
    PanelHistory()
    {
        dispatch(effEditOpen); // no parent window: drawn offscreen
        editor = synth.getSynthEditor();
        editor->setKnobMode(kKnobModeLinear);
        click(EPARAM_QUESTION_NO, 8, 6); // "Sync now ?"
        selectPart(EPARAM_PART_DRUM1);
        runBlock();
        newAutomation();
    }
    ~PanelHistory() override { dispatch(effEditClose); }

    vst::intptr dispatch(vst::int32 opcode, vst::int32 index = 0, vst::intptr value = 0, float opt = 0.0f)
    {
        return synth.dispatcher(opcode, index, value, nullptr, opt);
    }

    // Where a control row stands on the panel, from the editor's tables.
    static CPoint at(e_EditorParameterID id, int dx, int dy)
    {
        for (const t_EditorControl* row = c_EditorControls; row->id != EPARAM_END; ++row)
        {
            if (row->id != id)
                continue;
            const t_EditorContainer* c = editorTables_FindContainer(c_EditorContainers, row->container);
            return CPoint((c ? c->x : 0) + row->x + dx, (c ? c->y : 0) + row->y + dy);
        }
        ADD_FAILURE() << "no row " << id;
        return CPoint();
    }
    CFrame& frame() { return *editor->getFrame(); }
    void click(e_EditorParameterID id, int dx = 12, int dy = 8)
    {
        frame().windowMouseDown(at(id, dx, dy), kLButton);
        frame().windowMouseUp(at(id, dx, dy), 0);
        dispatch(effEditIdle);
    }
    // A knob dragged up (pixels above 0) or down in steps of 5 pixels, as one gesture.
    void drag(e_EditorParameterID knob, int pixels)
    {
        CPoint p = at(knob, 26, 25);
        frame().windowMouseDown(p, kLButton);
        for (int moved = 0; moved < std::abs(pixels); moved += 5)
        {
            p.y += pixels > 0 ? -5 : 5;
            frame().windowMouseMoved(p, kLButton);
        }
        frame().windowMouseUp(p, 0);
    }
    void hover(e_EditorParameterID id)
    {
        frame().windowMouseMoved(at(id, 12, 8), 0);
        frame().windowMouseMoved(at(id, 13, 9), 0);
    }
    void selectPart(e_EditorParameterID part)
    {
        click(EPARAM_MODE_PARTS, 16, 26);
        click(part, 16, 13);
    }
    bool key(char letter, int modifiers)
    {
        return dispatch(effEditKeyDown, letter, 0, static_cast<float>(modifiers)) != 0;
    }
    float cutoff(unsigned part) { return partValue(synth, PARAM_PART_FILTER_CUTOFF, part); }
    // The panel's cutoff knob (for the part on show).
    float cutoffKnob()
    {
        const auto* k = static_cast<const t_Knob_TypeStruct*>(
            editor->firstControlRow(EPARAM_PART_FILTER_CUTOFF)->parameters);
        return k->knob->getValue();
    }
    // The last value that left as a part's cutoff NRPN, or -1.
    int cutoffSent(const MessageList& messages, unsigned part)
    {
        const t_TypeStruct_MidiNRPN& entry = nrpnList(synth, PARAM_PART_FILTER_CUTOFF)[part];
        int msb = -1, lsb = -1, sent = -1;
        for (const Message& m : messages)
        {
            if (m[1] == 0x63)
                msb = m[2];
            else if (m[1] == 0x62)
                lsb = m[2];
            else if (m[1] == 0x06 && msb == entry.nrpnMSB && lsb == entry.nrpnLSB)
                sent = m[2];
        }
        return sent;
    }
    float hostCutoff() { return synth.getParameter(kD1FilterCutoff); }

    SynthEditor* editor = nullptr;
};

TEST_F(PanelHistory, AKnobDragIsOneStepThatComesBackOnThePanelAtTheHostAndOnTheDevice)
{
    const float before = cutoff(kDrum1);
    drag(EPARAM_PART_FILTER_CUTOFF, -60); // downwards: the initial cutoff is the highest
    const float after = cutoff(kDrum1);
    ASSERT_NE(after, before);
    EXPECT_EQ(synth.history_Count(HISTORY_UNDO), 1u) << "one drag, one step";
    hover(EPARAM_UNDO);
    EXPECT_EQ(editor->infoLineText(), "Undo: D1 Cutoff " + number(before) + " \u2192 " + number(after));
    runBlock();

    click(EPARAM_UNDO);
    EXPECT_EQ(cutoff(kDrum1), before);
    EXPECT_EQ(cutoffKnob(), before) << "the panel";
    EXPECT_EQ(hostCutoff(), before) << "the host";
    EXPECT_FALSE(newAutomation().empty()) << "the host is told, as for a panel change";
    EXPECT_EQ(cutoffSent(runBlock(), kDrum1), int(floatToInt(before))) << "the device";

    click(EPARAM_REDO);
    EXPECT_EQ(cutoffKnob(), after);
    EXPECT_EQ(hostCutoff(), after);
    EXPECT_EQ(cutoffSent(runBlock(), kDrum1), int(floatToInt(after)));
}

TEST_F(PanelHistory, ADeviceKnobsRunIsOneStepAndHostAutomationIsNone)
{
    const t_TypeStruct_MidiNRPN& entry = nrpnList(synth, PARAM_PART_FILTER_CUTOFF)[kDrum1];
    const float before = cutoff(kDrum1);
    for (std::uint8_t value : {40, 30, 20})
        for (const Message& m : shortNrpn(9, entry.nrpnMSB, entry.nrpnLSB, value))
            deviceSends({m});
    dispatch(effEditIdle);
    synth.setParameter(kD1FilterCutoff, IntToFloat(90)); // the host's automation playing
    EXPECT_EQ(synth.history_Count(HISTORY_UNDO), 1u);
    hover(EPARAM_UNDO);
    EXPECT_EQ(editor->infoLineText(), "Undo: D1 Cutoff " + number(before) + " \u2192 20");
    runBlock();
    EXPECT_TRUE(key('z', MODIFIER_CONTROL)) << "Ctrl+Z";
    EXPECT_EQ(cutoff(kDrum1), before);
    EXPECT_EQ(cutoffSent(runBlock(), kDrum1), int(floatToInt(before)));
    EXPECT_TRUE(key('Z', MODIFIER_CONTROL | MODIFIER_SHIFT)) << "Ctrl+Shift+Z";
    EXPECT_EQ(floatToInt(cutoff(kDrum1)), 20u);
}

TEST_F(PanelHistory, APastedPartIsASmallStepThatRestoresThatPartOnly)
{
    selectPart(EPARAM_PART_DRUM2);
    drag(EPARAM_PART_FILTER_CUTOFF, -40);
    const float drum2 = cutoff(kDrum2);
    click(EPARAM_PART_COPY, 20, 10);
    selectPart(EPARAM_PART_DRUM7B);
    const float drum7b = cutoff(kDrum7B);
    const std::size_t memory = synth.history_Memory();
    click(EPARAM_PART_PASTE, 20, 10);
    ASSERT_EQ(cutoff(kDrum7B), drum2);
    EXPECT_LT(synth.history_Memory() - memory, kPartStepBytes) << "the part's bytes, not the pattern";
    hover(EPARAM_UNDO);
    EXPECT_EQ(editor->infoLineText(), "Undo: Paste D7B");

    click(EPARAM_UNDO);
    EXPECT_EQ(cutoff(kDrum7B), drum7b);
    EXPECT_EQ(cutoffKnob(), drum7b);
    EXPECT_EQ(cutoff(kDrum2), drum2) << "the other parts as they were";
    click(EPARAM_UNDO);
    EXPECT_NE(cutoff(kDrum2), drum2) << "then the drag before it";
}

TEST_F(PanelHistory, ABankLoadIsOneStepInEachProgramItChanged)
{
    std::vector<std::uint8_t> bank(kBankDataSize);
    for (int i = 0; i < kPatternsPerBank; ++i)
    {
        std::uint8_t* image = &bank[std::size_t(i) * kPatternDataSize];
        std::memcpy(image, synth.programBank[i].data, kPatternDataSize);
        if (i % 2 == 0) // every other program changes
            std::memcpy(image, "Loaded!!", kPatternNameLength);
    }
    synth.patchLib_FillBank(0, bank.data(), false);
    for (int program : {0, 2, 1})
    {
        synth.setProgram(program);
        dispatch(effEditIdle);
        hover(EPARAM_UNDO);
        EXPECT_EQ(editor->infoLineText(), program % 2 ? "Nothing to undo" : "Undo: Bank A replaced")
            << program;
    }
    synth.setProgram(2);
    dispatch(effEditIdle);
    click(EPARAM_UNDO);
    char name[kVstMaxProgNameLen] = {};
    synth.getProgramName(name);
    EXPECT_STREQ(name, "A.03 Pvns1.01");
}

TEST_F(PanelHistory, EachProgramKeepsItsOwnHistoryAcrossSwitches)
{
    drag(EPARAM_PART_FILTER_CUTOFF, -30);
    const float edited0 = cutoff(kDrum1);
    synth.setProgram(1);
    dispatch(effEditIdle);
    drag(EPARAM_PART_FILTER_CUTOFF, -60);
    const float edited1 = cutoff(kDrum1);
    synth.setProgram(0);
    dispatch(effEditIdle);
    ASSERT_EQ(cutoff(kDrum1), edited0);
    click(EPARAM_UNDO);
    const float initial = cutoff(kDrum1);
    EXPECT_NE(initial, edited0);
    synth.setProgram(1);
    dispatch(effEditIdle);
    EXPECT_EQ(cutoff(kDrum1), edited1) << "program 1 kept its edit";
    click(EPARAM_UNDO);
    EXPECT_EQ(cutoff(kDrum1), initial);
    click(EPARAM_UNDO);
    EXPECT_EQ(editor->infoLineText(), "Nothing to undo");
}

TEST_F(PanelHistory, ANewEditClearsRedo)
{
    drag(EPARAM_PART_FILTER_CUTOFF, -30);
    click(EPARAM_UNDO);
    EXPECT_EQ(synth.history_Count(HISTORY_REDO), 1u);
    drag(EPARAM_PART_FILTER_RESONANCE, 30);
    EXPECT_EQ(synth.history_Count(HISTORY_REDO), 0u);
    EXPECT_TRUE(key('y', MODIFIER_CONTROL)) << "Ctrl+Y";
    EXPECT_EQ(editor->infoLineText(), "Nothing to redo");
}

TEST_F(PanelHistory, CompareSendsTheStoredPatternAndEditingLeavesIt)
{
    const float stored = cutoff(kDrum1);
    click(EPARAM_COMPARE, 20, 10);
    EXPECT_EQ(editor->infoLineText(), "Nothing edited to compare");
    EXPECT_FALSE(synth.compare_Active());

    drag(EPARAM_PART_FILTER_CUTOFF, -50);
    const float edited = cutoff(kDrum1);
    runBlock();
    click(EPARAM_COMPARE, 20, 10);
    EXPECT_EQ(editor->infoLineText(), "Stored pattern heard");
    EXPECT_EQ(cutoffKnob(), stored);
    EXPECT_EQ(hostCutoff(), stored);
    EXPECT_EQ(cutoffSent(runBlock(), kDrum1), int(floatToInt(stored)));

    // A host saving meanwhile keeps the edited program.
    void* chunk = nullptr;
    const vst::int32 size = synth.getChunk(&chunk, true);
    SynthCommons other(RecordingHost::callback);
    ASSERT_EQ(other.setChunk(chunk, size, true), 1);
    EXPECT_EQ(partValue(other, PARAM_PART_FILTER_CUTOFF, kDrum1), edited);

    click(EPARAM_COMPARE, 20, 10);
    EXPECT_EQ(editor->infoLineText(), "Edited pattern heard");
    EXPECT_EQ(hostCutoff(), edited);
    EXPECT_EQ(cutoffSent(runBlock(), kDrum1), int(floatToInt(edited)));

    click(EPARAM_COMPARE, 20, 10);
    ASSERT_TRUE(synth.compare_Active());
    drag(EPARAM_PART_FILTER_RESONANCE, 30);
    EXPECT_FALSE(synth.compare_Active()) << "an edit leaves compare";
    EXPECT_EQ(cutoff(kDrum1), edited) << "and edits the edited pattern";
}
} // namespace
