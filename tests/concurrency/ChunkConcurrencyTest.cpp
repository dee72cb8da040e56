// The host saves its project (getChunk on a thread of its own) while the plug-in switches
// programs or the user edits on the panel: every program in every chunk is whole, never one
// caught half switched or half pasted.
#include "core/SynthCommons.h"
#include "editor/SynthEditor.h"
#include "gui/GuiToolkit.h"
#include "params/ParameterValues.h"
#include "support/RecordingHost.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstring>
#include <functional>
#include <memory>
#include <random>
#include <thread>
#include <vector>

namespace
{
constexpr int kSwitched = 8;

std::vector<std::uint8_t> chunkOf(SynthCommons& synth)
{
    void* data = nullptr;
    const vst::int32 size = synth.getChunk(&data, false);
    const auto* bytes = static_cast<const std::uint8_t*>(data);
    return std::vector<std::uint8_t>(bytes, bytes + size);
}
} // namespace

TEST(ChunkConcurrency, ProgramsSavedWhileSwitchingAreWhole)
{
    RecordingHost host;
    auto synth = std::make_unique<SynthCommons>(RecordingHost::callback);
    auto restored = std::make_unique<SynthCommons>(RecordingHost::callback);
    std::mt19937 random(5);
    for (int i = 0; i < kSwitched; ++i)
    {
        std::uint8_t image[kPatternDataSize];
        for (std::uint8_t& byte : image)
            byte = static_cast<std::uint8_t>(random());
        std::memcpy(image, "Whole   ", 8);
        SynthCommons::patchLib_StorePattern(synth->programBank[i], image);
    }
    // Once applied and saved by a switch, a program no longer changes by switching.
    for (int i = kSwitched; i >= 0; --i)
        synth->setProgramProcess(i % kSwitched);
    synth->setProgramProcess(1);
    std::vector<t_Patch> expected(synth->programBank, synth->programBank + kSwitched);

    std::atomic<bool> saving{true};
    std::thread switcher(
        [&]
        {
            // A host switches between its own calls: without the yield the switcher keeps the
            // program lock nearly always under ThreadSanitizer and the saving side starves.
            for (int i = 0; saving; ++i)
            {
                synth->setProgramProcess(i % kSwitched);
                std::this_thread::yield();
            }
        });
    int torn = 0;
    for (int round = 0; round < 40; ++round)
    {
        std::vector<std::uint8_t> chunk = chunkOf(*synth);
        ASSERT_EQ(restored->setChunk(chunk.data(), static_cast<vst::int32>(chunk.size()), false), 1);
        for (int i = 0; i < kSwitched; ++i)
            torn += std::memcmp(&restored->programOf(i), &expected[i], sizeof(t_Patch)) != 0;
    }
    saving = false;
    switcher.join();
    EXPECT_EQ(torn, 0);
}

// The host saves while the user edits on the panel's thread (SynthEditor's commands and name
// editor), round after round; each saved program is checked by the test.
class ChunkWhileEditing : public ::testing::Test
{
protected:
    // Runs the edit, numbered from 0, on a thread of its own while 40 chunks are saved; the
    // number of them whose current program the check refuses. The chunks are restored after
    // the edits: restoring talks to the host, whose lock would order the two threads.
    int tornWhile(const std::function<void(int)>& edit, const std::function<bool(const t_Patch&)>& whole)
    {
        std::atomic<bool> saving{true};
        std::thread panel(
            [&]
            {
                for (int i = 0; saving; ++i)
                {
                    edit(i);
                    std::this_thread::yield();
                }
            });
        std::vector<std::vector<std::uint8_t>> chunks;
        for (int round = 0; round < 40; ++round)
            chunks.push_back(chunkOf(*synth));
        saving = false;
        panel.join();
        int torn = 0;
        for (std::vector<std::uint8_t>& chunk : chunks)
        {
            EXPECT_EQ(restored->setChunk(chunk.data(), static_cast<vst::int32>(chunk.size()), false), 1);
            torn += !whole(restored->programOf(restored->currentProgram));
        }
        return torn;
    }

    void press(e_EditorParameterID command)
    {
        editor->editorControlsLib_OnControlValueChangedSpecific(command, nullptr);
    }

    RecordingHost host;
    std::unique_ptr<SynthCommons> synth = std::make_unique<SynthCommons>(RecordingHost::callback);
    std::unique_ptr<SynthCommons> restored = std::make_unique<SynthCommons>(RecordingHost::callback);
    SynthEditor* editor = synth->getSynthEditor();
};

// Keyboard2 as it is and with every knob moved, pasted in turn: each saved pattern holds one
// or the other.
TEST_F(ChunkWhileEditing, PastedPartsAreSavedWhole)
{
    constexpr int kKeyboard2 = 604, kKeyboardLength = 274;
    synth->parameterLib_SetParameterValueFromEditor(EPARAM_MODE_PARTS, 1.0f);
    synth->parameterLib_SetParameterValueFromEditor(EPARAM_PART_KEYBOARD2, 1.0f);
    std::vector<std::uint8_t> versions[2];
    press(EPARAM_PART_COPY);
    versions[0].assign(synth->partClipboard, synth->partClipboard + kKeyboardLength);
    int value = 10;
    for (e_EditorParameterID knob :
         {EPARAM_KEYBOARD_FILTER_CUTOFF, EPARAM_KEYBOARD_FILTER_RESONANCE, EPARAM_KEYBOARD_FILTER_EG_INT,
          EPARAM_KEYBOARD_MOD_SPEED, EPARAM_KEYBOARD_MOD_DEPTH, EPARAM_KEYBOARD_GLIDE, EPARAM_KEYBOARD_PAN,
          EPARAM_KEYBOARD_EG_TIME, EPARAM_KEYBOARD_LEVEL})
        synth->parameterLib_SetParameterValueFromEditor(knob, IntToFloat(value += 11));
    press(EPARAM_PART_COPY);
    versions[1].assign(synth->partClipboard, synth->partClipboard + kKeyboardLength);
    ASSERT_NE(versions[0], versions[1]);

    const int torn = tornWhile(
        [&](int i)
        {
            std::memcpy(synth->partClipboard, versions[i % 2].data(), kKeyboardLength);
            press(EPARAM_PART_PASTE);
        },
        [&](const t_Patch& saved)
        {
            const std::vector<std::uint8_t> keyboard2(saved.data + kKeyboard2,
                                                      saved.data + kKeyboard2 + kKeyboardLength);
            return keyboard2 == versions[0] || keyboard2 == versions[1];
        });
    EXPECT_EQ(torn, 0);
}

// A save holds the programs while it copies them (ThreadSanitizer does not see the name's few
// bytes being written): each of the panel's edits of the working program waits until it is done.
// The main thread reads the working program meanwhile: a race only when an edit does not wait.
TEST_F(ChunkWhileEditing, EditsOnThePanelWaitWhileTheHostCopiesThePrograms)
{
    CBitmapEdit* name = nullptr;
    const struct
    {
        const char* what;
        std::function<void()> edit;
    } edits[] = {
        {"copy part", [&] { press(EPARAM_PART_COPY); }},
        {"paste part", [&] { press(EPARAM_PART_PASTE); }},
        {"copy pattern", [&] { press(EPARAM_PATTERN_COPY); }},
        {"paste pattern", [&] { press(EPARAM_PATTERN_PASTE); }},
        {"name",
         [&]
         {
             name->setText("Waited");
             editor->editorControlsLib_OnControlValueChanged(name);
         }},
    };
    synth->parameterLib_SetParameterValueFromEditor(EPARAM_MODE_PARTS, 1.0f);
    press(EPARAM_PART_COPY);
    press(EPARAM_PATTERN_COPY);
    int level = 20;
    for (const auto& e : edits)
    {
        // The working program unlike the copies, so that a paste changes it.
        synth->parameterLib_SetParameterValueFromEditor(EPARAM_PART_LEVEL, IntToFloat(level += 7));
        synth->parameterLib_FlushParametersToRawData();
        const t_Patch before = synth->workingProgram;
        std::atomic<bool> saving{false};
        std::atomic<bool> done{false};
        std::thread panel(
            [&]
            {
                editor->open(nullptr); // the thread that opens the panel is its thread
                name = static_cast<const t_NameEdit_TypeStruct*>(
                           editor->firstControlRow(EPARAM_PATCH_NAME)->parameters)
                           ->edit;
                while (!saving)
                    std::this_thread::yield();
                e.edit();
                done = true;
                editor->close();
            });
        {
            std::lock_guard<std::recursive_mutex> copying(synth->programLock); // as getChunk holds it
            saving = true;
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
            EXPECT_FALSE(done) << e.what << " did not wait";
            EXPECT_EQ(std::memcmp(&synth->workingProgram, &before, sizeof before), 0)
                << e.what << " went ahead";
        }
        panel.join();
        EXPECT_TRUE(done) << e.what;
    }
    EXPECT_STREQ(synth->workingProgram.name, "Waited");
}
