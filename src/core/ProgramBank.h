// The 256 stored programs of an instance. A program that is still the initial program is not
// stored in the instance: every instance of the process reads the one shared initial program.
// A program gets storage of its own the first time it is written to (copy on write, one program
// at a time); that storage stays until the instance goes.
//
// Reading: bank[i] on a const bank, or read(i). Writing: bank[i] on a non-const bank, which
// gives the program its own storage first, or store(i, program), which keeps a program that is
// stored unchanged shared. A reader on another thread sees either the shared program or the
// program's own storage, never a freed one.
#pragma once

#include <array>
#include <atomic>
#include <cstdint>

struct t_Patch;

class ProgramBank
{
public:
    static constexpr int kPrograms = 256;

    explicit ProgramBank(const t_Patch& initial);
    ~ProgramBank();
    ProgramBank(const ProgramBank&) = delete;
    ProgramBank& operator=(const ProgramBank&) = delete;

    const t_Patch& read(int index) const;
    const t_Patch& operator[](int index) const { return read(index); }
    t_Patch& operator[](int index);
    void store(int index, const t_Patch& program);

private:
    const t_Patch& initial;
    std::array<std::atomic<t_Patch*>, kPrograms> own{};
};
