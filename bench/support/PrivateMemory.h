// What the benches read of the process's memory.
#pragma once

#include <fstream>
#include <string>

namespace bench
{
// Private memory of the process (clean and dirty pages no other process shares), in KB.
inline long privateKilobytes()
{
    std::ifstream rollup("/proc/self/smaps_rollup");
    std::string key;
    long total = 0;
    long value = 0;
    while (rollup >> key)
        if ((key == "Private_Clean:" || key == "Private_Dirty:") && rollup >> value)
            total += value;
    return total;
}
} // namespace bench
