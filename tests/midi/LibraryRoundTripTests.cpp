// A bank received from the simulated ESX over MIDI, split by pavonis-syx into 64 pattern
// files, joined back and sent to a fresh simulator: its memory is the first one's, byte
// for byte.
#include "EsxSimulator.h"
#include "MidiTestSupport.h"
#include "SyxTool.h"
#include "support/FileBytes.h"
#include "sysex/InitPatterns.h"

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

constexpr std::size_t kBankLength = 313059;
constexpr unsigned kBankC = 2;

using esxsim::MidiPeer;
using midi::Direction;

// The complete SysEx messages that arrive on a port of the test's own.
class Receiver
{
public:
    explicit Receiver(const std::string& devicePort)
    {
        EXPECT_TRUE(input.connect(Direction::Input, devicePort)) << devicePort;
    }

    Message longest() const
    {
        std::lock_guard<std::mutex> lock(received);
        return kept;
    }

private:
    void keepLongest(const Message& message)
    {
        std::lock_guard<std::mutex> lock(received);
        if (message.size() > kept.size())
            kept = message;
    }

    mutable std::mutex received;
    Message kept;
    MidiPeer input{uniqueClientName("receiver"), [this](const Message& message) { keepLongest(message); }};
};

// A program that sends to the device's input.
std::unique_ptr<MidiPeer> senderTo(const std::string& devicePort, const char* role)
{
    auto sender = std::make_unique<MidiPeer>(uniqueClientName(role));
    EXPECT_TRUE(sender->connect(Direction::Output, devicePort)) << devicePort;
    return sender;
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
    const std::unique_ptr<MidiPeer> toFirst = senderTo(first.inputPortName(), "requester");
    const Message request = {0xF0, 0x42, 0x30, 0x71, 0x1C, kBankC, 0xF7};
    ASSERT_TRUE(repeatedUntil([&] { toFirst->send(request); },
                              [&] { return receiver.longest().size() == kBankLength; }));
    writeFile(folder / "received.syx", receiver.longest());

    ASSERT_EQ(runTool({"split", (folder / "received.syx").string(), (folder / "patterns").string()}), "");
    ASSERT_EQ(std::distance(fs::directory_iterator(folder / "patterns"), fs::directory_iterator{}), 64);
    ASSERT_EQ(
        runTool({"join", (folder / "patterns").string(), (folder / "joined.syx").string(), "--bank", "C"}),
        "");

    EsxSimulator fresh(uniqueClientName("esx"));
    const std::unique_ptr<MidiPeer> toFresh = senderTo(fresh.inputPortName(), "sender");
    const Message joined = contentOf(folder / "joined.syx");
    const auto sameMemory = [&]
    {
        for (unsigned memory = 0; memory < esxsim::kPatternMemories; ++memory)
            if (fresh.pattern(memory) != first.pattern(memory))
                return false;
        return true;
    };
    EXPECT_TRUE(repeatedUntil([&] { toFresh->sendInPieces(joined); }, sameMemory));
    fs::remove_all(folder);
}
