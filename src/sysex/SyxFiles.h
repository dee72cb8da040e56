// Pattern and bank dumps kept as .syx files: what a file holds, whether the device would
// take it, and the dumps and file names that the plug-in and its tools write.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

enum e_SyxKind : int
{
    SYX_REFUSED,
    SYX_PATTERN, // one current-pattern dump
    SYX_BANK,    // one bank dump of 64 patterns
};

struct t_SyxDump
{
    e_SyxKind kind = SYX_REFUSED;
    int bank = 0;                     // of a bank dump: 0 to 3 for A to D
    std::vector<std::uint8_t> images; // the pattern images, one after the other
    std::string problem;              // why the device would refuse it

    int patterns() const;
    const std::uint8_t* image(int pattern) const;
};

// No dump that the device takes is longer than a bank dump.
std::size_t syxLongestDump();

// What a file's bytes hold; anything but a whole pattern or bank dump that the device
// would accept is refused with the reason.
t_SyxDump syxRead(const std::uint8_t* bytes, std::size_t length);

std::vector<std::uint8_t> syxPatternDump(const std::uint8_t* image);
std::vector<std::uint8_t> syxBankDump(int bank, const std::uint8_t* images);

// The name stored at the start of a pattern image, without trailing blanks.
std::string syxPatternName(const std::uint8_t* image);

// "<prefix> <name>.syx" for a program ("A.01" to "D.64"), with the characters that file
// systems do not take replaced by '_'; "<prefix>.syx" for an empty name.
std::string syxFileName(int program, const std::string& name);
