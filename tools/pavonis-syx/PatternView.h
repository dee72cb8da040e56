// Every parameter of a pattern image, by name and value, grouped as the panel's pages.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct t_PatternRow
{
    std::string section; // "Global", "FX1" to "FX3", "Drum1" to "Keyboard2"
    std::string name;
    std::string value;
};

// Sections whose title matches, or all for an empty one.
std::vector<t_PatternRow> patternRows(const std::uint8_t* image, const std::string& onlySection);

// The section title of a part given as 1 to 15 or by its name (any case); empty when none.
std::string partSection(const std::string& part);
