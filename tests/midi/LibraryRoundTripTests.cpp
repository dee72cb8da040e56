// A bank received from the simulated ESX over MIDI, split by pavonis-syx into 64 pattern
// files, joined back and sent to a fresh simulator: its memory is the first one's, byte
// for byte.
#include "EsxSimulator.h"
#include "MidiTestSupport.h"
#include "SyxTool.h"
#include "support/FileBytes.h"
#include "sysex/InitPatterns.h"

#include <RtMidi.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <mutex>
#include <sstream>

namespace
{
using namespace miditest;
namespace fs = std::filesystem;
using esxsim::EsxSimulator;
using esxsim::Message;
using esxsim::PatternImage;

constexpr std::size_t kFragment = 1024; // as interfaces deliver long SysEx
constexpr std::size_t kBankLength = 313059;
constexpr unsigned kBankC = 2;

template <typename Port> void openByName(Port& port, const std::string& name)
{
    for (unsigned i = 0; i < port.getPortCount(); ++i)
        if (port.getPortName(i) == name)
            return port.openPort(i, "library test");
    FAIL() << name << " is not listed";
}

// The complete SysEx messages that arrive on a port of the test's own.
class Receiver
{
public:
    explicit Receiver(const std::string& devicePort) : input(RtMidi::UNIX_JACK, uniqueClientName("receiver"))
    {
        input.ignoreTypes(false, true, true);
        input.setCallback(&Receiver::onMessage, this);
        openByName(input, devicePort);
    }

    Message longest() const
    {
        std::lock_guard<std::mutex> lock(received);
        return kept;
    }

private:
    static void onMessage(double, std::vector<unsigned char>* message, void* self)
    {
        auto* receiver = static_cast<Receiver*>(self);
        std::lock_guard<std::mutex> lock(receiver->received);
        if (message->size() > receiver->kept.size())
            receiver->kept.assign(message->begin(), message->end());
    }

    RtMidiIn input;
    mutable std::mutex received;
    Message kept;
};

void sendInFragments(RtMidiOut& output, const Message& message)
{
    for (std::size_t offset = 0; offset < message.size(); offset += kFragment)
    {
        output.sendMessage(message.data() + offset, std::min(kFragment, message.size() - offset));
        std::this_thread::sleep_for(2ms);
    }
}

std::string runTool(const std::vector<std::string>& arguments)
{
    std::ostringstream out, err;
    return runSyxTool(arguments, out, err) == 0 ? "" : err.str();
}

} // namespace

TEST(LibraryRoundTrip, ABankSplitAndJoinedReachesAFreshDeviceByteForByte)
{
    const fs::path folder = fs::temp_directory_path() / uniqueClientName("pavonis-round-trip");
    fs::create_directories(folder);
    EsxSimulator first(uniqueClientName("esx"));
    for (unsigned i = 0; i < esxsim::kPatternsPerBank; ++i)
    {
        PatternImage image = INIT_PATCH;
        for (std::size_t at = 8; at < image.size(); at += 53)
            image[at] = static_cast<std::uint8_t>(i * 13 + at);
        std::snprintf(reinterpret_cast<char*>(image.data()), 9, "Trip %03u", i);
        first.setPattern(kBankC * esxsim::kPatternsPerBank + i, image);
    }

    Receiver receiver(first.outputPortName());
    RtMidiOut toFirst(RtMidi::UNIX_JACK, uniqueClientName("requester"));
    openByName(toFirst, first.inputPortName());
    const Message request = {0xF0, 0x42, 0x30, 0x71, 0x1C, kBankC, 0xF7};
    ASSERT_TRUE(repeatedUntil([&] { toFirst.sendMessage(&request); },
                              [&] { return receiver.longest().size() == kBankLength; }));
    writeFile(folder / "received.syx", receiver.longest());

    ASSERT_EQ(runTool({"split", (folder / "received.syx").string(), (folder / "patterns").string()}), "");
    ASSERT_EQ(std::distance(fs::directory_iterator(folder / "patterns"), fs::directory_iterator{}), 64);
    ASSERT_EQ(
        runTool({"join", (folder / "patterns").string(), (folder / "joined.syx").string(), "--bank", "C"}),
        "");

    EsxSimulator fresh(uniqueClientName("esx"));
    RtMidiOut toFresh(RtMidi::UNIX_JACK, uniqueClientName("sender"));
    openByName(toFresh, fresh.inputPortName());
    const Message joined = contentOf(folder / "joined.syx");
    const auto sameMemory = [&]
    {
        for (unsigned memory = 0; memory < esxsim::kPatternMemories; ++memory)
            if (fresh.pattern(memory) != first.pattern(memory))
                return false;
        return true;
    };
    EXPECT_TRUE(repeatedUntil([&] { sendInFragments(toFresh, joined); }, sameMemory));
    fs::remove_all(folder);
}
