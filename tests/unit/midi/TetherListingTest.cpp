// How often the Tether MIDI layer reaches for a MIDI system, on MIDI systems of the test's
// own: with none answering, opening panels, walking the interface menus and asking for the
// ports try each system at most once a second per instance; with one answering,
// a panel's opening takes each port list once (reaching the system on a thread of its own, the
// menus filled at an idle after), and choosing in the menus takes none.
#include "core/SynthCommons.h"
#include "editor/EditorTables.h"
#include "editor/SynthEditor.h"
#include "gui/COptionMenu.h"
#include "midi/MidiSystems.h"
#include "support/Polling.h"
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

// A system that answers only once the test lets it: a JACK server slow to take a client.
std::atomic<bool> slowMayAnswer{false};

std::unique_ptr<midi::Backend> slowPresent(midi::Receiver& receiver, const char* client)
{
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (!slowMayAnswer && std::chrono::steady_clock::now() < end)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    return present(receiver, client);
}

const midi::t_MidiSystem kNoneAnswers[] = {{"first", "the first system", firstAbsent},
                                           {"second", "the second system", secondAbsent},
                                           {nullptr, nullptr, nullptr}};
const midi::t_MidiSystem kOneAnswers[] = {{"answering", "the answering system", present},
                                          {nullptr, nullptr, nullptr}};
const midi::t_MidiSystem kSlowAnswers[] = {{"slow", "the slow system", slowPresent},
                                           {nullptr, nullptr, nullptr}};

// The panel opened on the Setup page in Tether MIDI mode, and closed again once the instance
// has reached for the MIDI system.
void openAndClose(SynthCommons& synth)
{
    synth.getSynthEditor()->open(nullptr);
    EXPECT_TRUE(waitUntil([&] { return !synth.tetherConnecting; }));
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
    EXPECT_EQ(first.attempts, 2) << "once by each instance";
    EXPECT_EQ(second.attempts, 2);

    std::this_thread::sleep_for(std::chrono::milliseconds(1100));
    openAndClose(other);
    openAndClose(one);
    EXPECT_EQ(first.attempts, 4) << "a second later, each instance tries each system once more";
    EXPECT_EQ(second.attempts, 4);
}

TEST_F(TetherListing, APanelOpeningTakesEachPortListOnceAndChoosingTakesNone)
{
    midi::useMidiSystems(kOneAnswers);
    SynthCommons synth(RecordingHost::callback);
    SynthEditor& editor = *synth.getSynthEditor();
    editor.open(nullptr);
    COptionMenu* menu = outputMenu(editor);
    ASSERT_NE(menu, nullptr);
    ASSERT_TRUE(waitUntil(
        [&]
        {
            editor.idle();
            return menu->getNbEntries() == 2;
        }))
        << "the menus are filled once the lists are there";
    EXPECT_EQ(answering.attempts, 1);
    EXPECT_EQ(answering.listings, 2) << "the output and the input list, once each";

    EXPECT_STREQ(menu->getEntryText(1), "Interface port 2");
    menu->chooseEntry(menu, 1);
    EXPECT_EQ(answering.opened, "Interface port 2");
    EXPECT_EQ(answering.listings, 2) << "the menu chose from the list of the opening";
    editor.close();

    openAndClose(synth);
    EXPECT_EQ(answering.listings, 4) << "each opening lists the ports afresh";
    EXPECT_EQ(answering.attempts, 1);
}

TEST_F(TetherListing, APanelOpensWithoutWaitingForTheMidiSystem)
{
    midi::useMidiSystems(kSlowAnswers);
    slowMayAnswer = false;
    SynthCommons synth(RecordingHost::callback);
    SynthEditor& editor = *synth.getSynthEditor();
    editor.open(nullptr); // returns while the system has not answered
    editor.idle();
    COptionMenu* menu = outputMenu(editor);
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(menu->getNbEntries(), 1) << "no ports listed yet";
    EXPECT_STREQ(menu->getEntryText(0), "(none)");
    EXPECT_EQ(answering.attempts, 0);

    slowMayAnswer = true;
    EXPECT_TRUE(waitUntil(
        [&]
        {
            editor.idle();
            return menu->getNbEntries() == 2;
        }))
        << "the menus are filled once the system answered";
    EXPECT_STREQ(menu->getEntryText(0), "Interface port 1");
    editor.close();
}
} // namespace
