// How often the Tether MIDI layer reaches for a MIDI system, on MIDI systems of the test's
// own: with none answering, opening panels, walking the interface menus and asking for the
// ports try each system at most once a second, for all instances together; with one answering,
// a panel's opening takes each port list once, and choosing in the menus takes none.
#include "core/SynthCommons.h"
#include "editor/EditorTables.h"
#include "editor/SynthEditor.h"
#include "gui/COptionMenu.h"
#include "midi/MidiSystems.h"
#include "support/RecordingHost.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace
{
struct Counts
{
    std::atomic<int> attempts{0};
    std::atomic<int> listings{0};
    std::string opened;
};
Counts first, second, answering;

class AnsweringSystem final : public midi::Backend
{
public:
    std::vector<std::string> listPorts(midi::Direction) override
    {
        ++answering.listings;
        return {"Interface port 1", "Interface port 2"};
    }
    bool openPort(midi::Direction, const std::string& name) override
    {
        answering.opened = name;
        return true;
    }
    void closePort(midi::Direction) override {}
    bool send(const unsigned char*, std::size_t) override { return true; }
    bool usable() const override { return true; }
};

std::unique_ptr<midi::Backend> firstAbsent(midi::Receiver&, const char*)
{
    ++first.attempts;
    return nullptr;
}

std::unique_ptr<midi::Backend> secondAbsent(midi::Receiver&, const char*)
{
    ++second.attempts;
    return nullptr;
}

std::unique_ptr<midi::Backend> present(midi::Receiver&, const char*)
{
    ++answering.attempts;
    return std::make_unique<AnsweringSystem>();
}

const midi::t_MidiSystem kNoneAnswers[] = {
    {"first", firstAbsent}, {"second", secondAbsent}, {nullptr, nullptr}};
const midi::t_MidiSystem kOneAnswers[] = {{"answering", present}, {nullptr, nullptr}};

// The panel opened on the Setup page in Tether MIDI mode, and closed again.
void openAndClose(SynthCommons& synth)
{
    synth.getSynthEditor()->open(nullptr);
    synth.getSynthEditor()->idle();
    synth.getSynthEditor()->close();
}

COptionMenu* outputMenu(SynthEditor& editor)
{
    t_EditorControl* row = editor.firstControlRow(EPARAM_MIDI_OUT_DEVICE);
    return row ? static_cast<const t_Menu_TypeStruct*>(row->parameters)->menu : nullptr;
}

class TetherListing : public ::testing::Test
{
protected:
    void SetUp() override
    {
        // The systems of the test, whatever the test's environment forces.
        if (const char* forced = std::getenv("PAVONIS_MIDI_API"))
            forcedApi = forced;
        unsetenv("PAVONIS_MIDI_API");
        first.attempts = second.attempts = answering.attempts = answering.listings = 0;
    }
    void TearDown() override
    {
        midi::useMidiSystems(nullptr);
        if (!forcedApi.empty())
            setenv("PAVONIS_MIDI_API", forcedApi.c_str(), 1);
    }

    std::string forcedApi;
    RecordingHost host;
};

TEST_F(TetherListing, WithNoSystemAnsweringEachIsTriedAtMostOnceASecond)
{
    midi::useMidiSystems(kNoneAnswers);
    SynthCommons one(RecordingHost::callback);
    SynthCommons other(RecordingHost::callback);
    EXPECT_EQ(first.attempts + second.attempts, 0) << "making instances reaches for no system";

    for (int i = 0; i < 3; ++i)
    {
        openAndClose(one);
        openAndClose(other);
    }
    EXPECT_EQ(one.TetherMidiOutGetNbDevices(), 0u);
    EXPECT_EQ(other.TetherMidiInGetNbDevices(), 0u);
    EXPECT_EQ(first.attempts, 1);
    EXPECT_EQ(second.attempts, 1);

    std::this_thread::sleep_for(std::chrono::milliseconds(1100));
    openAndClose(other);
    openAndClose(one);
    EXPECT_EQ(first.attempts, 2) << "a second later, each system is tried once more";
    EXPECT_EQ(second.attempts, 2);
}

TEST_F(TetherListing, APanelOpeningTakesEachPortListOnceAndChoosingTakesNone)
{
    midi::useMidiSystems(kOneAnswers);
    SynthCommons synth(RecordingHost::callback);
    SynthEditor& editor = *synth.getSynthEditor();
    editor.open(nullptr);
    EXPECT_EQ(answering.attempts, 1);
    EXPECT_EQ(answering.listings, 2) << "the output and the input list, once each";

    COptionMenu* menu = outputMenu(editor);
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(menu->getNbEntries(), 2);
    EXPECT_STREQ(menu->getEntryText(1), "Interface port 2");
    menu->chooseEntry(menu, 1);
    EXPECT_EQ(answering.opened, "Interface port 2");
    EXPECT_EQ(answering.listings, 2) << "the menu chose from the list of the opening";
    editor.close();

    openAndClose(synth);
    EXPECT_EQ(answering.listings, 4) << "each opening lists the ports afresh";
    EXPECT_EQ(answering.attempts, 1);
}
} // namespace
