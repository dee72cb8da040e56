// The pattern and part clipboards and the panel's questions, as the command buttons reach
// them: what each paste source and target gives, what the refusals leave alone, and what the
// answers do, seen on the panel's values, its info line and what goes to the device.
#include "core/SynthCommons.h"
#include "editor/SynthEditor.h"
#include "params/ParameterValues.h"
#include "support/Environment.h"
#include "support/RecordingHost.h"
#include "sysex/InitPatterns.h"
#include "sysex/SyxFiles.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

namespace
{
constexpr int kD1CutoffHostParameter = 6;

// A page, and the part selected on it (EPARAM_END: none).
struct Selection
{
    e_EditorParameterID mode;
    e_EditorParameterID part;
};

constexpr Selection kDrum1{EPARAM_MODE_PARTS, EPARAM_PART_DRUM1};
constexpr Selection kDrum2{EPARAM_MODE_PARTS, EPARAM_PART_DRUM2};
constexpr Selection kDrum7B{EPARAM_MODE_PARTS, EPARAM_PART_DRUM7B};
constexpr Selection kStretch1{EPARAM_MODE_PARTS, EPARAM_PART_STRETCH1};
constexpr Selection kStretch2{EPARAM_MODE_PARTS, EPARAM_PART_STRETCH2};
constexpr Selection kSlice{EPARAM_MODE_PARTS, EPARAM_PART_SLICE_SELECT};
constexpr Selection kAudioIn{EPARAM_MODE_PARTS, EPARAM_PART_AUDIOIN};
constexpr Selection kKeyboard1{EPARAM_MODE_PARTS, EPARAM_PART_KEYBOARD1};
constexpr Selection kKeyboard2{EPARAM_MODE_PARTS, EPARAM_PART_KEYBOARD2};
constexpr Selection kGlobal{EPARAM_MODE_GLOBAL, EPARAM_END};
constexpr Selection kMix{EPARAM_MODE_MIX, EPARAM_END};
constexpr Selection kSetup{EPARAM_MODE_SETUP, EPARAM_END};

using NrpnAddress = std::tuple<int, int, int>; // channel, number MSB, number LSB

// The last data byte sent for each NRPN, from three-byte control changes; the preamble's null
// number (127, 127) is left out.
std::map<NrpnAddress, int> nrpnData(const std::vector<std::vector<std::uint8_t>>& messages)
{
    std::map<NrpnAddress, int> data;
    int msb[16] = {}, lsb[16] = {};
    for (const auto& m : messages)
    {
        if (m.size() != 3 || (m[0] & 0xF0) != 0xB0)
            continue;
        const int channel = m[0] & 0x0F;
        if (m[1] == 99)
            msb[channel] = m[2];
        else if (m[1] == 98)
            lsb[channel] = m[2];
        else if (m[1] == 6 && (msb[channel] != 127 || lsb[channel] != 127))
            data[{channel, msb[channel], lsb[channel]}] = m[2];
    }
    return data;
}
} // namespace

class Commands : public ::testing::Test
{
protected:
    void SetUp() override { editor->editorControlsLib_RemoveQuestion(); }

    void press(e_EditorParameterID command)
    {
        editor->editorControlsLib_OnControlValueChangedSpecific(command, nullptr);
    }

    void select(const Selection& selection)
    {
        synth->parameterLib_SetParameterValueFromEditor(selection.mode, 1.0f);
        if (selection.part != EPARAM_END)
            synth->parameterLib_SetParameterValueFromEditor(selection.part, 1.0f);
    }

    void set(e_EditorParameterID id, int value)
    {
        synth->parameterLib_SetParameterValueFromEditor(id, IntToFloat(value));
    }
    int get(e_EditorParameterID id)
    {
        return static_cast<int>(floatToInt(synth->parameterLib_GetParameterValueFromEditor(id)));
    }

    // A value of the part (or the effects) on screen that its clipboard carries.
    static e_EditorParameterID levelOf(const Selection& selection)
    {
        if (selection.mode == EPARAM_MODE_GLOBAL)
            return EPARAM_FX2_EDIT2;
        if (selection.part == EPARAM_PART_KEYBOARD1 || selection.part == EPARAM_PART_KEYBOARD2)
            return EPARAM_KEYBOARD_LEVEL;
        return EPARAM_PART_LEVEL;
    }

    int levelOn(const Selection& selection)
    {
        select(selection);
        return get(levelOf(selection));
    }

    // Every parameter as it stands, written into a copy of the working pattern.
    std::vector<std::uint8_t> pattern()
    {
        t_Patch copy = synth->workingProgram;
        synth->parameterLib_FlushParametersToRawData(copy);
        return std::vector<std::uint8_t>(std::begin(copy.data), std::end(copy.data));
    }

    std::string info() const { return editor->infoLineText(); }

    // Host mode, so that what goes to the device reaches the recording host.
    void talkThroughTheHost()
    {
        synth->parameterLib_SetParameterValue(PARAM_MIDI_MODE, 0.0f, UPDATE_EDITOR);
        synth->audioRunning = true;
    }

    // What went to the device since the last look, as the last data of each NRPN.
    std::map<NrpnAddress, int> sentNrpnData()
    {
        synth->midiQueue_ProcessVstEvents();
        std::map<NrpnAddress, int> data = nrpnData(host.midiBytes());
        host.clear();
        return data;
    }

    // Sets Drum1's cutoff from the panel; the NRPN that carried it to the device (in Host mode).
    NrpnAddress editDrum1Cutoff(int value)
    {
        select(kDrum1);
        sentNrpnData();
        set(EPARAM_PART_FILTER_CUTOFF, value);
        const std::map<NrpnAddress, int> sent = sentNrpnData();
        return sent.size() == 1 ? sent.begin()->first : NrpnAddress{-1, -1, -1};
    }

    RecordingHost host;
    std::unique_ptr<SynthCommons> synth = std::make_unique<SynthCommons>(RecordingHost::callback);
    SynthEditor* editor = synth->getSynthEditor();
};

struct PasteCase
{
    const char* name;
    Selection from;
    const char* copied;
    Selection to;
    const char* pasted; // "Can not paste here": refused
};

TEST_F(Commands, EachPartPastesOntoItsOwnKindOnly)
{
    const PasteCase cases[] = {
        {"drum to drum", kDrum2, "Drum part copied", kDrum7B, "Drum part pasted"},
        {"drum to keyboard", kDrum2, "Drum part copied", kKeyboard1, "Can not paste here"},
        {"drum to audio in", kDrum1, "Drum part copied", kAudioIn, "Can not paste here"},
        {"keyboard to keyboard", kKeyboard1, "Keyboard1 part copied", kKeyboard2, "Keyboard2 part pasted"},
        {"keyboard to itself", kKeyboard2, "Keyboard2 part copied", kKeyboard2, "Keyboard2 part pasted"},
        {"keyboard to drum", kKeyboard2, "Keyboard2 part copied", kDrum1, "Can not paste here"},
        {"stretch to slice", kStretch1, "Stretch1 part copied", kSlice, "Slice part pasted"},
        {"slice to stretch", kSlice, "Slice part copied", kStretch2, "Stretch part pasted"},
        {"stretch to stretch", kStretch2, "Stretch2 part copied", kStretch1, "Stretch part pasted"},
        {"stretch to drum", kStretch1, "Stretch1 part copied", kDrum1, "Can not paste here"},
        {"audio in to audio in", kAudioIn, "AudioIn part copied", kAudioIn, "AudioIn part pasted"},
        {"audio in to stretch", kAudioIn, "AudioIn part copied", kStretch1, "Can not paste here"},
        {"effects to effects", kGlobal, "FX part copied", kGlobal, "FX part pasted"},
        {"effects to a part", kGlobal, "FX part copied", kDrum1, "Can not paste here"},
        {"a part to the effects", kDrum1, "Drum part copied", kGlobal, "Can not paste here"},
    };
    for (const PasteCase& c : cases)
    {
        SCOPED_TRACE(c.name);
        synth = std::make_unique<SynthCommons>(RecordingHost::callback);
        editor = synth->getSynthEditor();
        select(c.from);
        set(levelOf(c.from), 99);
        press(EPARAM_PART_COPY);
        EXPECT_EQ(info(), c.copied);
        select(c.to);
        set(levelOf(c.to), 20);
        const std::vector<std::uint8_t> before = pattern();

        press(EPARAM_PART_PASTE);

        EXPECT_EQ(info(), c.pasted);
        const bool refused = std::string(c.pasted) == "Can not paste here";
        EXPECT_EQ(get(levelOf(c.to)), refused ? 20 : 99);
        if (refused)
        {
            EXPECT_EQ(pattern(), before);
        }
    }
}

TEST_F(Commands, OnTheMixAndSetupPagesThePartButtonsDoNothingButSayWhenNothingIsCopied)
{
    for (const Selection& page : {kMix, kSetup})
    {
        synth = std::make_unique<SynthCommons>(RecordingHost::callback);
        editor = synth->getSynthEditor();
        editor->editorControlsLib_RemoveQuestion();
        select(page);
        press(EPARAM_PART_PASTE);
        EXPECT_EQ(info(), "Nothing to paste");

        select(kDrum1);
        press(EPARAM_PART_COPY);
        select(page);
        const std::vector<std::uint8_t> before = pattern();
        editor->editorControlsLib_DisplayCurrentParameterInfo("untouched");
        for (e_EditorParameterID command : {EPARAM_PART_COPY, EPARAM_PART_PASTE, EPARAM_PART_RESET})
            press(command);
        EXPECT_EQ(info(), "untouched");
        EXPECT_FALSE(editor->questionPending);
        EXPECT_EQ(pattern(), before);
        select(kDrum7B);
        press(EPARAM_PART_PASTE);
        EXPECT_EQ(info(), "Drum part pasted") << "the copy made before is still there";
    }
}

// The effects' part is their three slots and the chain that joins them.
TEST_F(Commands, TheEffectsPasteWithTheirChain)
{
    select(kGlobal);
    const e_EditorParameterID settings[] = {EPARAM_FX_CHAIN, EPARAM_FX1_TYPE, EPARAM_FX2_TYPE,
                                            EPARAM_FX3_TYPE, EPARAM_FX2_EDIT2};
    const int copied[] = {96, 24, 64, 72, 99}; // FX1-FX2-FX3, Mod delay, Talking mod, Pitch shifter
    const int changed[] = {32, 0, 8, 16, 5};   // FX1-FX2, Reverb, BPM Sync delay, Short delay
    for (int i = 0; i < 5; ++i)
        set(settings[i], copied[i]);
    press(EPARAM_PART_COPY);
    for (int i = 0; i < 5; ++i)
        set(settings[i], changed[i]);

    press(EPARAM_PART_PASTE);

    EXPECT_EQ(info(), "FX part pasted");
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(get(settings[i]), copied[i]) << "editor parameter " << settings[i];
}

// Edits made since the copy, not yet written into the stored pattern, stay on the panel and
// on the device.
TEST_F(Commands, PastingAPartOrTheEffectsKeepsTheOtherPartsEdits)
{
    talkThroughTheHost();
    for (const auto& [from, to] : {std::pair{kDrum2, kDrum7B}, std::pair{kGlobal, kGlobal}})
    {
        select(from);
        press(EPARAM_PART_COPY);
        const NrpnAddress cutoff = editDrum1Cutoff(17);
        ASSERT_NE(std::get<0>(cutoff), -1) << "one NRPN carries the cutoff";
        select(to);

        press(EPARAM_PART_PASTE);

        EXPECT_EQ(synth->getParameter(kD1CutoffHostParameter), IntToFloat(17))
            << "the host's and panel's value";
        const std::map<NrpnAddress, int> sent = sentNrpnData();
        ASSERT_EQ(sent.count(cutoff), 1u) << "the pattern went to the device";
        EXPECT_EQ(sent.at(cutoff), 17);
        editDrum1Cutoff(40); // the next round starts from another value
    }
}

TEST_F(Commands, APatternIsCopiedAndPastedWholeWithItsName)
{
    press(EPARAM_PATTERN_PASTE);
    EXPECT_EQ(info(), "Nothing to paste");
    select(kDrum1);
    set(EPARAM_PART_FILTER_CUTOFF, 17);
    char name[] = "Copied";
    synth->setProgramName(name);
    press(EPARAM_PATTERN_COPY);
    EXPECT_EQ(info(), "Pattern copied");

    synth->setProgramProcess(5);
    set(EPARAM_PART_FILTER_CUTOFF, 90);
    editor->editorControlsLib_AskQuestion(QUESTION_RESET_PATTERN);
    press(EPARAM_PATTERN_PASTE);

    EXPECT_EQ(info(), "Pattern pasted");
    EXPECT_FALSE(editor->questionPending) << "pasting withdraws the question";
    EXPECT_EQ(get(EPARAM_PART_FILTER_CUTOFF), 17);
    char programName[kVstMaxProgNameLen + 1] = {};
    synth->getProgramName(programName);
    EXPECT_STREQ(programName, "A.06 Copied");
}

TEST_F(Commands, ResetCurrentPatternIsAskedAndOnlyYesResets)
{
    select(kDrum1);
    const int initial = get(EPARAM_PART_FILTER_CUTOFF);
    set(EPARAM_PART_FILTER_CUTOFF, initial == 17 ? 18 : 17);
    const int edited = get(EPARAM_PART_FILTER_CUTOFF);

    press(EPARAM_PATTERN_RESET);
    EXPECT_TRUE(editor->questionPending);
    EXPECT_EQ(editor->questionText(), "Reset current pattern ?");
    press(EPARAM_QUESTION_NO);
    EXPECT_FALSE(editor->questionPending);
    EXPECT_EQ(info(), "D1 |");
    EXPECT_EQ(get(EPARAM_PART_FILTER_CUTOFF), edited);

    press(EPARAM_PATTERN_RESET);
    press(EPARAM_QUESTION_YES);
    EXPECT_FALSE(editor->questionPending);
    EXPECT_EQ(info(), "Pattern has been reset");
    EXPECT_EQ(get(EPARAM_PART_FILTER_CUTOFF), initial);
}

TEST_F(Commands, EachPartAsksToResetItselfAndKeepsTheOthersEdits)
{
    const struct
    {
        Selection part;
        const char* question;
        const char* done;
    } cases[] = {
        {{EPARAM_MODE_PARTS, EPARAM_PART_DRUM2}, "Reset Drum2 part ?", "Drum2 has been reset"},
        {{EPARAM_MODE_PARTS, EPARAM_PART_DRUM3}, "Reset Drum3 part ?", "Drum3 has been reset"},
        {{EPARAM_MODE_PARTS, EPARAM_PART_DRUM4}, "Reset Drum4 part ?", "Drum4 has been reset"},
        {{EPARAM_MODE_PARTS, EPARAM_PART_DRUM5}, "Reset Drum5 part ?", "Drum5 has been reset"},
        {{EPARAM_MODE_PARTS, EPARAM_PART_DRUM6A}, "Reset Drum6A part ?", "Drum6A has been reset"},
        {{EPARAM_MODE_PARTS, EPARAM_PART_DRUM6B}, "Reset Drum6B part ?", "Drum6B has been reset"},
        {{EPARAM_MODE_PARTS, EPARAM_PART_DRUM7A}, "Reset Drum7A part ?", "Drum7A has been reset"},
        {kDrum7B, "Reset Drum7B part ?", "Drum7B has been reset"},
        {kStretch1, "Reset Stretch1 part ?", "Stretch1 has been reset"},
        {kStretch2, "Reset Stretch2 part ?", "Stretch2 has been reset"},
        {kSlice, "Reset Slice part ?", "Slice has been reset"},
        {kAudioIn, "Reset AudioIn part ?", "AudioIn has been reset"},
        {kKeyboard1, "Reset Keyboard1 part ?", "Keyboard1 has been reset"},
        {kKeyboard2, "Reset Keyboard2 part ?", "Keyboard2 has been reset"},
        {kGlobal, "Reset FX part ?", "FX part has been reset"},
        {kDrum1, "Reset Drum1 part ?", "Drum1 has been reset"},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.question);
        const int initial = levelOn(c.part);
        set(levelOf(c.part), initial == 99 ? 98 : 99);
        const bool drum1 = c.part.part == EPARAM_PART_DRUM1;
        if (!drum1)
            editDrum1Cutoff(17);
        select(c.part);

        press(EPARAM_PART_RESET);
        EXPECT_EQ(editor->questionText(), c.question);
        press(EPARAM_QUESTION_YES);

        EXPECT_EQ(info(), c.done);
        EXPECT_FALSE(editor->questionPending);
        EXPECT_EQ(get(levelOf(c.part)), initial);
        if (!drum1)
        {
            EXPECT_EQ(synth->getParameter(kD1CutoffHostParameter), IntToFloat(17));
        }
    }
}

TEST_F(Commands, YesToSyncNowSendsTheWorkingProgramAsItStands)
{
    talkThroughTheHost();
    const NrpnAddress cutoff = editDrum1Cutoff(17);
    ASSERT_NE(std::get<0>(cutoff), -1) << "one NRPN carries the cutoff";
    editor->editorControlsLib_AskQuestion(QUESTION_SYNC_NOW);
    EXPECT_EQ(editor->questionText(), "Sync now ?");

    press(EPARAM_QUESTION_YES);

    EXPECT_FALSE(editor->questionPending);
    const std::map<NrpnAddress, int> sent = sentNrpnData();
    ASSERT_EQ(sent.count(cutoff), 1u) << "the whole pattern went to the device";
    EXPECT_EQ(sent.at(cutoff), 17);
    EXPECT_GT(sent.size(), 100u);
}

TEST_F(Commands, ContinueLeavesTheTestResultForTheSetupPage)
{
    for (e_EditorParameterID button : {EPARAM_MIDI_TEST_CONTINUE1, EPARAM_MIDI_TEST_CONTINUE2})
    {
        editor->editorControlsLib_MidiTestResult();
        EXPECT_EQ(synth->pluginMode, PLUGIN_MODE_MIDI_TEST);
        press(button);
        EXPECT_EQ(synth->pluginMode, PLUGIN_MODE_SETUP);
        EXPECT_EQ(info(), "SETUP |");
    }
}

// A bank file from the library is offered to bank A, then to each next bank after a "no".
TEST_F(Commands, ABankFileIsOfferedToEachBankInTurn)
{
    namespace fs = std::filesystem;
    const fs::path data =
        fs::temp_directory_path() /
        ("pavonis-banks-" + std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()));
    setUserDataFolder(data.string());
    fs::create_directories(data / "Pavonis" / "Library");
    std::vector<std::uint8_t> images;
    for (int i = 0; i < kPatternsPerBank; ++i)
    {
        std::vector<std::uint8_t> image(INIT_PATCH.begin(), INIT_PATCH.end());
        std::memcpy(image.data(), "Filed   ", 8);
        images.insert(images.end(), image.begin(), image.end());
    }
    const std::vector<std::uint8_t> file = syxBankDump(0, images.data());
    std::ofstream(data / "Pavonis" / "Library" / "set.syx", std::ios::binary)
        .write(reinterpret_cast<const char*>(file.data()), static_cast<std::streamsize>(file.size()));

    editor->loadFromLibrary("set.syx");
    for (const char* question : {"Load into bank A ?", "Load into bank B ?", "Load into bank C ?"})
    {
        ASSERT_TRUE(editor->questionPending);
        EXPECT_EQ(editor->questionText(), question);
        if (std::string(question) != "Load into bank C ?")
            press(EPARAM_QUESTION_NO);
    }
    press(EPARAM_QUESTION_YES);
    EXPECT_EQ(info(), "Loaded set.syx into bank C");
    char name[kVstMaxProgNameLen + 1] = {};
    for (int program : {63, 128, 191, 192})
    {
        synth->getProgramNameIndexed(0, program, name);
        EXPECT_EQ(std::string(name).find("Filed") != std::string::npos, program >= 128 && program < 192)
            << name;
    }

    editor->loadFromLibrary("set.syx");
    for (const char* question :
         {"Load into bank A ?", "Load into bank B ?", "Load into bank C ?", "Load into bank D ?"})
    {
        EXPECT_EQ(editor->questionText(), question);
        press(EPARAM_QUESTION_NO);
    }
    EXPECT_FALSE(editor->questionPending);
    EXPECT_EQ(info(), "set.syx: not loaded");
    synth->getProgramNameIndexed(0, 192, name);
    EXPECT_EQ(std::string(name).find("Filed"), std::string::npos);
    fs::remove_all(data);
}
