// The MIDI interface test: with the interface's MIDI OUT looped back to its MIDI IN, four
// kinds of message are sent in turn; the last one that came back decides the verdict.
#include "../core/SynthCommons.h"
#include "../editor/SynthEditor.h"
#include "../sysex/InitPatterns.h"

#include <cstdio>
#include <cstring>

#ifndef PAVONIS_CONTACT_URL
#define PAVONIS_CONTACT_URL "https://quillon.example"
#endif

namespace
{
enum e_MidiTestStep : std::uint32_t
{
    TEST_CONTROL_CHANGE_1 = 0,
    TEST_CONTROL_CHANGE_2 = 1,
    TEST_NRPN = 2,
    TEST_SYSEX = 3,
    TEST_PASSED = 4,
};

constexpr unsigned char kStage1[] = {0xBB, 0x0B, 0x6F};
constexpr unsigned char kStage2[] = {0xB0, 0x21, 0x37};
constexpr unsigned kControlChangeTimeoutMs = 2000;
constexpr unsigned kSysexTimeoutMs = 5000;

struct Verdict
{
    const char* lines[kMidiTestResultLines];
};

constexpr const char* kReportHint =
    "Sending the test report would help us in making a list of compatible devices";

constexpr Verdict kVerdicts[] = {
    {{"FAILURE", "To run this test, make sure you use ONE midi cable to connect MIDI IN of your interface",
      "directly to MIDI OUT of the same interface, WITHOUT CONNECTING THE ESX.",
      "Also make sure that you have selected the right MIDI IN/OUT in the setup tab."}},
    {{"POOR COMPATIBILITY", "NRPN and SYSEX are not supported by your MIDI interface",
      "You will be able to control only some parameters of your ESX. We suggest you to use host mode",
      kReportHint}},
    {{"PARTIALLY COMPATIBLE",
      "Your MIDI interface does not handle SYSEX properly. You won't be able to use dumps and pattern name.",
      "ESX won't be detected, but you can still control and automate all the parameters of your ESX.",
      kReportHint}},
    {{"FULLY COMPATIBLE", "Your MIDI interface is fully compatible with Pavonis",
      "You can control the parameters of your ESX and use the pattern dump features.", kReportHint}},
};

constexpr const char* kContactPath = "/catalog/contact_us.php";
constexpr int kEnquiryLength = 512;

// Every byte but the unreserved characters becomes %XX, so that blanks, quotes, '&', ';' and
// the like in port names stay inside the query value.
std::string percentEncoded(const char* text)
{
    static const char* const kHex = "0123456789ABCDEF";
    std::string encoded;
    for (const unsigned char* c = reinterpret_cast<const unsigned char*>(text); *c; ++c)
    {
        const bool unreserved = (*c >= 'A' && *c <= 'Z') || (*c >= 'a' && *c <= 'z') ||
                                (*c >= '0' && *c <= '9') || *c == '-' || *c == '.' || *c == '_' || *c == '~';
        if (unreserved)
            encoded += static_cast<char>(*c);
        else
            encoded += {'%', kHex[*c >> 4], kHex[*c & 0x0F]};
    }
    return encoded;
}

const char* portName(SynthCommons* synth, std::int32_t port, const char* (SynthCommons::*name)(std::uint32_t))
{
    const char* text = port >= 0 ? (synth->*name)(static_cast<std::uint32_t>(port)) : nullptr;
    return text ? text : "";
}

const Verdict* verdictOf(std::uint32_t step)
{
    if (step <= TEST_CONTROL_CHANGE_2)
        return &kVerdicts[0];
    if (step <= TEST_PASSED)
        return &kVerdicts[step - 1];
    return nullptr;
}
} // namespace

void SynthCommons::midiTest_Start()
{
    if (midiMode != MIDI_MODE_TETHER)
    {
        if (synthEditor)
            synthEditor->editorControlsLib_DisplayCurrentParameterInfo("Use Tether MIDI mode to test");
        return;
    }
    midiTestStep = TEST_CONTROL_CHANGE_1;
    midiTestRunning = true;
    if (synthEditor)
        synthEditor->postProcessAdd(POSTPROCESS_MIDI_TEST_TIMEOUT, TEST_CONTROL_CHANGE_1, 0, nullptr,
                                    kControlChangeTimeoutMs);
    SendMidiCCEvent(kStage1[1], static_cast<char>(kStage1[2]), static_cast<char>(kStage1[0] & 0x0F));
    if (synthEditor)
        synthEditor->postProcessAdd(POSTPROCESS_SYNCING_NOTIFICATION, 1, 0, "Testing MIDI interface...", 0);
}

void SynthCommons::midiTest_OnControlChange(const unsigned char* bytes)
{
    VstMidiEvent event = makeMidiEvent(bytes[0], bytes[1], bytes[2]);
    switch (midiTestStep)
    {
    case TEST_CONTROL_CHANGE_1:
        if (std::memcmp(bytes, kStage1, 3) != 0)
            return;
        midiTestStep = TEST_CONTROL_CHANGE_2;
        SendMidiCCEvent(kStage2[1], static_cast<char>(kStage2[2]), static_cast<char>(kStage2[0] & 0x0F));
        if (synthEditor)
            synthEditor->postProcessAdd(POSTPROCESS_MIDI_TEST_TIMEOUT, TEST_CONTROL_CHANGE_2, 0, nullptr,
                                        kControlChangeTimeoutMs);
        return;
    case TEST_CONTROL_CHANGE_2:
        if (std::memcmp(bytes, kStage2, 3) != 0)
            return;
        midiTestStep = TEST_NRPN;
        SendMidiNRPNEvent(0x0A, 0x14, 0x63, 0x65, 1, true);
        if (synthEditor)
            synthEditor->postProcessAdd(POSTPROCESS_MIDI_TEST_TIMEOUT, TEST_NRPN, 0, nullptr,
                                        kControlChangeTimeoutMs);
        return;
    case TEST_NRPN:
        processEvent_CheckForNRPN(&event);
        return;
    default:
        return;
    }
}

void SynthCommons::midiTest_OnNrpn(const t_MidiNRPNData* message)
{
    if (midiTestStep != TEST_NRPN || message->channel != 1 || message->nrpnMSB != 0x0A ||
        message->nrpnLSB != 0x14 || message->dataMSB != 0x63 || message->dataLSB != 0x65)
        return;
    midiTestStep = TEST_SYSEX;
    TetherMidiSend(INIT_PATCH_SYSEX.data(), static_cast<std::uint32_t>(INIT_PATCH_SYSEX.size()));
    if (synthEditor)
        synthEditor->postProcessAdd(POSTPROCESS_MIDI_TEST_TIMEOUT, TEST_SYSEX, 0, nullptr, kSysexTimeoutMs);
}

void SynthCommons::midiTest_OnSysex(const unsigned char* message, std::uint32_t length)
{
    if (!midiTestRunning || midiTestStep != TEST_SYSEX || length != INIT_PATCH_SYSEX.size() ||
        std::memcmp(message, INIT_PATCH_SYSEX.data(), length) != 0)
        return;
    midiTestStep = TEST_PASSED;
    if (!synthEditor)
    {
        midiTestRunning = false;
        return;
    }
    synthEditor->postProcessAdd(POSTPROCESS_SYNCING_NOTIFICATION, 0, 0, nullptr, 0);
    // Replaces the pending time-out: the result shows at the next idle.
    synthEditor->postProcessAdd(POSTPROCESS_MIDI_TEST_TIMEOUT, TEST_PASSED, 0, nullptr, 0);
}

void SynthEditor::editorControlsLib_MidiTestResult()
{
    synth->midiTestRunning = false;
    if (const Verdict* verdict = verdictOf(synth->midiTestStep))
        for (int line = 0; line < kMidiTestResultLines; ++line)
            setResourceText(kMidiTestLines[line], verdict->lines[line]);
    synth->pluginMode = PLUGIN_MODE_MIDI_TEST;
    editorControlsLib_SetAllControlValue(nullptr);
    editorControlsLib_ResetParameterInfo();
    editorControlsLib_UpdateVisibleContainers();
}

std::string midiTest_ReportAddress(const char* product, std::uint32_t step, const char* midiIn,
                                   const char* midiOut)
{
    const char* verdict = step >= TEST_NRPN && step <= TEST_PASSED ? verdictOf(step)->lines[0] : "";
    char enquiry[kEnquiryLength];
    std::snprintf(enquiry, sizeof enquiry,
                  "\"%s 1.01 (%s) Midi test report : %s. Midi in = %s ; Midi out = %s\"",
                  product ? product : "", platform::reportSystemName(), verdict, midiIn ? midiIn : "",
                  midiOut ? midiOut : "");
    return std::string(PAVONIS_CONTACT_URL) + kContactPath + "?enquiry=" + percentEncoded(enquiry);
}

void SynthCommons::midiTest_SendReport()
{
    char product[kVstMaxProductStrLen + 1] = {};
    getProductString(product);
    const std::string address = midiTest_ReportAddress(
        product, midiTestStep, portName(this, tetherMidiInPort, &SynthCommons::TetherMidiInGetDeviceName),
        portName(this, tetherMidiOutPort, &SynthCommons::TetherMidiOutGetDeviceName));
    if (!platform::openInBrowser(address.c_str()) && synthEditor)
        synthEditor->editorControlsLib_DisplayCurrentParameterInfo("Could not open the browser");
}
