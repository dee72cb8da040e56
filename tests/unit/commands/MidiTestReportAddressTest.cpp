// The MIDI test report's address: the system as the maker's page knows it (PAVONIS_REPORT_SYSTEM,
// "Linux" or "PC"), hostile interface names kept inside the enquiry's value.
#include "core/SynthCommons.h"

#include <gtest/gtest.h>

#include <string>

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
    const char* enquiry; // after the product, version and system
};

const std::string kEnquiryHead = "\"Pavonis 1.01 (" PAVONIS_REPORT_SYSTEM ") Midi test report : ";

const ReportCase kCases[] = {
    {2, "USB MIDI 1", "USB MIDI 1", "POOR COMPATIBILITY. Midi in = USB MIDI 1 ; Midi out = USB MIDI 1\""},
    {3, "a \"quoted\" & port", "x;y",
     "PARTIALLY COMPATIBLE. Midi in = a \"quoted\" & port ; Midi out = x;y\""},
    {4, "$(touch /tmp/pwned)", "`id` | rm -rf ~ #",
     "FULLY COMPATIBLE. Midi in = $(touch /tmp/pwned) ; Midi out = `id` | rm -rf ~ #\""},
    {1, "", nullptr, ". Midi in =  ; Midi out = \""},
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
        EXPECT_EQ(decoded(value), kEnquiryHead + c.enquiry);
    }
}
