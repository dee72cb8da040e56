// Program switches from the host's thread and requested pattern dumps applied on the MIDI
// thread, both with the window closed and both at once: afterwards the working program is the
// current program's slot, and every received pattern sits whole in one slot, never mixed into
// another program.
#include "core/SynthCommons.h"
#include "support/RecordingHost.h"
#include "sysex/InitPatterns.h"
#include "sysex/SysexFormat.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace
{
constexpr int kDumps = 600;
constexpr int kSwitches = 1500;
constexpr int kPrograms = 7;
constexpr unsigned kDrum1CutoffByte = 24 + 5;

// A pattern dump of the init pattern named "RCV<n>" with a Drum1 cutoff of its own.
std::vector<unsigned char> patternDump(int n)
{
    std::vector<std::uint8_t> pattern(INIT_PATCH.begin(), INIT_PATCH.end());
    char name[kPatternNameLength + 1];
    std::snprintf(name, sizeof name, "RCV%05d", n);
    std::memcpy(pattern.data(), name, kPatternNameLength);
    pattern[kDrum1CutoffByte] = static_cast<std::uint8_t>(n % 100);
    std::uint32_t length = 0;
    unsigned char* dump = SynthCommons::sysex_ConstructSysexFromData(
        kPatternDumpHeader, kPatternDumpHeaderLength, pattern.data(), kPatternDataSize, &length);
    std::vector<unsigned char> bytes(dump, dump + length);
    delete[] dump;
    return bytes;
}

void receiveRequested(SynthCommons& synth, std::vector<unsigned char>& dump)
{
    VstMidiSysexEvent event{};
    event.type = kVstSysExType;
    event.dumpBytes = static_cast<vst::int32>(dump.size());
    event.sysexDump = reinterpret_cast<char*>(dump.data());
    synth.expectedDumpType = SYSEX_CURRENT_PATTERN_DUMP;
    synth.parameterLib_SetParameterValueFromHW(&event);
}

bool isReceived(const t_Patch& p)
{
    return std::memcmp(p.name, "RCV", 3) == 0;
}
} // namespace

TEST(ProgramRace, SwitchesAndReceivedDumpsLeaveTheProgramsConsistent)
{
    RecordingHost host;
    auto synth = std::make_unique<SynthCommons>(RecordingHost::callback);
    // Programs 0 to 6 of their own: named "PRG<p>" with a Drum1 cutoff of 100 + p.
    for (int p = kPrograms - 1; p >= 0; --p)
    {
        synth->setProgram(p);
        synth->setParameter(HOSTPARAM_D1_FILTER_CUTOFF, (100.0f + p) / 127.0f);
        char name[] = "PRG0";
        name[3] = static_cast<char>('0' + p);
        synth->setProgramName(name);
    }
    std::vector<std::vector<unsigned char>> dumps;
    for (int n = 0; n < kDumps; ++n)
        dumps.push_back(patternDump(n));

    std::atomic<bool> go{false};
    std::thread midi(
        [&]
        {
            while (!go)
                std::this_thread::yield();
            for (auto& dump : dumps)
                receiveRequested(*synth, dump);
        });
    go = true;
    for (int i = 0; i < kSwitches; ++i)
    {
        synth->setProgram(i % kPrograms);
        synth->processReplacing(nullptr, nullptr, 0);
    }
    midi.join();

    // The working program, written back, is its slot: nothing was applied into another program.
    std::lock_guard<std::recursive_mutex> lock(synth->programLock);
    t_Patch& slot = synth->programBank[synth->currentProgram];
    t_Patch flushed{};
    synth->patchLib_SetPatchFromParameters(&flushed);
    EXPECT_EQ(std::memcmp(flushed.data, slot.data, kPatternDataSize), 0)
        << "program " << synth->currentProgram;
    // Every program holds its own pattern or a received one, whole (its cutoff is the one its
    // name gives) and in one program only: applied into another program, a pattern would be
    // saved there too at the next switch.
    std::vector<std::string> names;
    for (int p = 0; p < kPrograms; ++p)
    {
        const t_Patch& patch = synth->programOf(p);
        if (!isReceived(patch))
        {
            EXPECT_EQ(std::string(patch.name), "PRG" + std::to_string(p)) << "program " << p;
            EXPECT_EQ(patch.data[kDrum1CutoffByte], 100 + p) << "program " << p;
            continue;
        }
        const std::string name(patch.name, kPatternNameLength);
        EXPECT_EQ(patch.data[kDrum1CutoffByte], std::atoi(name.c_str() + 3) % 100) << "program " << p;
        EXPECT_EQ(std::count(names.begin(), names.end(), name), 0) << name << " is in two programs";
        names.push_back(name);
    }
}
