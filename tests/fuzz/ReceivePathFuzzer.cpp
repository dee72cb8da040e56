// The Tether MIDI receive path under arbitrary traffic: SysEx joining, the incomplete-dump
// check, the SysEx dispatcher, the MIDI test's receive side and the deferred actions they
// queue, on one plug-in instance made without a host.
//
// The input is a program of operations, each chosen by one byte (low 3 bits):
//   0, 1  a message of fuzzer bytes (length in the high 5 bits; 31: two more bytes)
//   2     the same, delivered as a snapshot
//   3     a piece of the initial pattern dump, 4     a piece of the initial bank dump
//         (start and length from the input, then one byte that may be overwritten)
//   5     the incomplete-dump check      6  the deferred actions      7  the host queues
// The first byte sets the state a dump meets: requested or not, MIDI test and its step.
#include "core/SynthCommons.h"
#include "editor/SynthEditor.h"
#include "sysex/InitPatterns.h"

#include <algorithm>
#include <vector>

namespace
{
using Bytes = std::vector<unsigned char>;

class Program
{
public:
    Program(const std::uint8_t* bytes, std::size_t size) : next(bytes), left(size) {}

    bool done() const { return left == 0; }

    std::uint8_t byte()
    {
        if (left == 0)
            return 0;
        --left;
        return *next++;
    }

    std::uint32_t number(int bytes)
    {
        std::uint32_t n = 0;
        for (int i = 0; i < bytes; ++i)
            n = n << 8 | byte();
        return n;
    }

    Bytes take(std::size_t count)
    {
        count = std::min(count, left);
        Bytes taken(next, next + count);
        next += count;
        left -= count;
        return taken;
    }

private:
    const std::uint8_t* next;
    std::size_t left;
};

SynthCommons& plugin()
{
    static SynthCommons* synth = new SynthCommons(nullptr); // lives as long as the process
    return *synth;
}

void startFrom(SynthCommons& synth, std::uint8_t state)
{
    if (synth.sysexReceiving)
        synth.TetherMidiReceive({0xF7}, false); // ends what the previous input left open
    synth.getSynthEditor()->postProcessInit();
    synth.expectedDumpType = state & 1 ? 0x40 : kNoDumpType;
    synth.midiTestRunning = (state & 2) != 0;
    synth.midiTestStep = (state >> 2) & 7;
}

Bytes pieceOf(const std::vector<std::uint8_t>& dump, Program& program, int startBytes)
{
    const std::size_t start = program.number(startBytes) % dump.size();
    const std::size_t length = std::min<std::size_t>(program.number(2), dump.size() - start);
    Bytes piece(dump.begin() + start, dump.begin() + start + length);
    const std::uint8_t patch = program.byte();
    if (!piece.empty() && patch & 0x80)
        piece[patch % piece.size()] = program.byte();
    return piece;
}

void run(SynthCommons& synth, Program& program)
{
    const std::uint8_t op = program.byte();
    switch (op & 7)
    {
    case 0:
    case 1:
    case 2:
    {
        const std::uint32_t length = op >> 3 == 31 ? program.number(2) : op >> 3;
        synth.TetherMidiReceive(program.take(length), (op & 7) == 2);
        break;
    }
    case 3:
        synth.TetherMidiReceive(pieceOf(INIT_PATCH_SYSEX, program, 2), false);
        break;
    case 4:
        synth.TetherMidiReceive(pieceOf(INIT_BANK_SYSEX, program, 3), false);
        break;
    case 5:
        synth.sysex_IncompleteDumpCheck();
        break;
    case 6:
        synth.getSynthEditor()->postProcessExecute();
        break;
    default:
        synth.midiQueue_ProcessVstEvents();
        break;
    }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* input, std::size_t size)
{
    SynthCommons& synth = plugin();
    Program program(input, size);
    startFrom(synth, program.byte());
    while (!program.done())
        run(synth, program);
    return 0;
}
