// A requested pattern dump becomes the current program and stays it, whether the editor
// window is open or closed when it arrives.
#include "PluginFixture.h"

#include "editor/SynthEditor.h"
#include "sysex/InitPatterns.h"
#include "sysex/SysexFormat.h"

#include <cstring>

namespace
{
constexpr char kDumpedName[] = "Dumped!!";
constexpr unsigned kDrum1CutoffByte = 24 + 5;

class ReceivedPattern : public PluginFixture
{
protected:
    // The device answers the "Current" request with a pattern of its own.
    void receiveRequestedPattern()
    {
        Image pattern;
        std::copy(INIT_PATCH.begin(), INIT_PATCH.end(), pattern.begin());
        std::memcpy(pattern.data(), kDumpedName, kPatternNameLength);
        pattern[kDrum1CutoffByte] = 33;
        std::uint32_t length = 0;
        unsigned char* dump = SynthCommons::sysex_ConstructSysexFromData(
            kPatternDumpHeader, kPatternDumpHeaderLength, pattern.data(), kPatternDataSize, &length);
        VstMidiSysexEvent event{};
        event.type = kVstSysExType;
        event.dumpBytes = static_cast<vst::int32>(length);
        event.sysexDump = reinterpret_cast<char*>(dump);
        synth->expectedDumpType = SYSEX_CURRENT_PATTERN_DUMP;
        synth->parameterLib_SetParameterValueFromHW(&event);
        delete[] dump;
    }

    void expectDumpedPatternIsCurrent()
    {
        EXPECT_STREQ(synth->workingProgram.name, kDumpedName);
        EXPECT_EQ(synth->workingProgram.data[kDrum1CutoffByte], 33);
        EXPECT_FLOAT_EQ(synth->getParameter(HOSTPARAM_D1_FILTER_CUTOFF), IntToFloat(33));
        EXPECT_FALSE(synth->getSynthEditor()->questionPending &&
                     synth->getSynthEditor()->questionType == QUESTION_ACCEPT_PATTERN_DUMP);
    }

    void switchAwayAndBack()
    {
        synth->setProgram(1);
        synth->setProgram(0);
    }
};

int windowHandle;
} // namespace

TEST_F(ReceivedPattern, WithTheWindowClosedIsAppliedAtOnceAndSurvivesASwitch)
{
    synth->setProgram(0);
    receiveRequestedPattern();
    expectDumpedPatternIsCurrent();
    switchAwayAndBack();
    expectDumpedPatternIsCurrent();
}

TEST_F(ReceivedPattern, QueuedWhileTheWindowWasOpenSurvivesASwitchAfterItCloses)
{
    synth->setProgram(0);
    SynthEditor* editor = synth->getSynthEditor();
    editor->open(&windowHandle);
    receiveRequestedPattern();
    editor->close(); // before any idle carried the pattern out
    switchAwayAndBack();
    expectDumpedPatternIsCurrent();
}
