#include "ProgramBank.h"

#include "SynthCommons.h"

#include <cstring>

static_assert(ProgramBank::kPrograms == kNumPrograms);

ProgramBank::ProgramBank(const t_Patch& initial) : initial(initial) {}

ProgramBank::~ProgramBank()
{
    for (std::atomic<t_Patch*>& program : own)
        delete program.load();
}

const t_Patch& ProgramBank::read(int index) const
{
    const t_Patch* program = own[static_cast<std::size_t>(index)].load(std::memory_order_acquire);
    return program ? *program : initial;
}

t_Patch& ProgramBank::operator[](int index)
{
    std::atomic<t_Patch*>& slot = own[static_cast<std::size_t>(index)];
    t_Patch* program = slot.load(std::memory_order_acquire);
    if (program)
        return *program;
    auto* copy = new t_Patch(initial);
    // Two writers of one shared program: the first copy stays, the other is dropped.
    if (slot.compare_exchange_strong(program, copy, std::memory_order_acq_rel))
        return *copy;
    delete copy;
    return *program;
}

void ProgramBank::store(int index, const t_Patch& program)
{
    if (&program == &read(index))
        return;
    if (!own[static_cast<std::size_t>(index)].load(std::memory_order_acquire) &&
        std::memcmp(&program, &initial, sizeof program) == 0)
        return;
    (*this)[index] = program;
}
