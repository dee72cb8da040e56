// The MIDI test report's address: hostile interface names stay inside the enquiry's value,
// and the address reaches the browser opener as one argument, never through a shell.
#include "core/SynthCommons.h"
#include "platform/Platform.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace
{
std::string decoded(const std::string& value)
{
    std::string text;
    for (std::size_t i = 0; i < value.size(); ++i)
    {
        if (value[i] == '%' && i + 2 < value.size())
        {
            text += static_cast<char>(std::stoi(value.substr(i + 1, 2), nullptr, 16));
            i += 2;
        }
        else
            text += value[i];
    }
    return text;
}

const std::string kPrefix = "https://quillon.example/catalog/contact_us.php?enquiry=";

struct ReportCase
{
    std::uint32_t step;
    const char* midiIn;
    const char* midiOut;
    const char* enquiry;
};

const ReportCase kCases[] = {
    {2, "USB MIDI 1", "USB MIDI 1",
     "\"Pavonis 1.01 (Linux) Midi test report : POOR COMPATIBILITY. Midi in = USB MIDI 1 ; Midi out = USB "
     "MIDI 1\""},
    {3, "a \"quoted\" & port", "x;y",
     "\"Pavonis 1.01 (Linux) Midi test report : PARTIALLY COMPATIBLE. Midi in = a \"quoted\" & port ; Midi "
     "out = "
     "x;y\""},
    {4, "$(touch /tmp/pwned)", "`id` | rm -rf ~ #",
     "\"Pavonis 1.01 (Linux) Midi test report : FULLY COMPATIBLE. Midi in = $(touch /tmp/pwned) ; Midi out = "
     "`id` "
     "| rm -rf ~ #\""},
    {1, "", nullptr, "\"Pavonis 1.01 (Linux) Midi test report : . Midi in =  ; Midi out = \""},
};
} // namespace

TEST(MidiTestReport, TheEnquiryIsPercentEncodedWhateverThePortsAreCalled)
{
    for (const ReportCase& c : kCases)
    {
        const std::string address = midiTest_ReportAddress("Pavonis", c.step, c.midiIn, c.midiOut);
        ASSERT_EQ(address.rfind(kPrefix, 0), 0u) << address;
        const std::string value = address.substr(kPrefix.size());
        EXPECT_EQ(
            value.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-._~%"),
            std::string::npos)
            << value;
        EXPECT_EQ(decoded(value), c.enquiry);
    }
}

// The opener gets the address as its one argument: a script that writes its arguments down.
TEST(MidiTestReport, TheAddressReachesTheOpenerAsOneArgumentWithoutAShell)
{
    char directory[] = "/tmp/pavonis-opener-XXXXXX";
    ASSERT_NE(mkdtemp(directory), nullptr);
    const std::string dir = directory;
    const std::string script = dir + "/opener";
    const std::string record = dir + "/arguments";
    const std::string canary = dir + "/pwned";
    {
        std::ofstream out(script);
        out << "#!/bin/sh\nprintf '%s\\n' \"$#\" \"$1\" > " << record << ".part && mv " << record << ".part "
            << record << "\n";
    }
    chmod(script.c_str(), 0700);
    setenv("PAVONIS_URL_OPENER", script.c_str(), 1);
    const std::string hostile = "https://x.example/?q=$(touch " + canary + ");touch " + canary + " & 'a b'";

    ASSERT_TRUE(platform::openInBrowser(hostile.c_str()));
    std::string count, argument;
    for (int i = 0; i < 200 && count.empty(); ++i)
    {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        std::ifstream in(record);
        std::getline(in, count);
        std::getline(in, argument);
    }
    EXPECT_EQ(count, "1");
    EXPECT_EQ(argument, hostile);
    EXPECT_NE(access(canary.c_str(), F_OK), 0) << "nothing in the address ran";

    setenv("PAVONIS_URL_OPENER", (dir + "/missing").c_str(), 1);
    EXPECT_FALSE(platform::openInBrowser("https://quillon.example"));
    unsetenv("PAVONIS_URL_OPENER");
    std::remove(record.c_str());
    std::remove(script.c_str());
    rmdir(directory);
}
