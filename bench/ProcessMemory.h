// The memory the running process holds for itself, for the benchmarks of an instance's cost.
#pragma once

#include <fstream>
#include <string>

// Private memory of the process (dirty and clean pages no other process shares), in KB.
inline long privateKilobytes()
{
    std::ifstream rollup("/proc/self/smaps_rollup");
    std::string key;
    long total = 0;
    long value = 0;
    while (rollup >> key)
    {
        if ((key == "Private_Clean:" || key == "Private_Dirty:") && rollup >> value)
            total += value;
    }
    return total;
}
