// Coding of parameter values in the pattern image: where a parameter's field is, and how
// a value is read from it and written into it.
#pragma once

#include "ParameterTypes.h"

// Fills raw with the locations (into image) and the coding of a parameter's field.
// Keyboard controllers are indexed by keyboard channel, part parameters by part index.
// False when the parameter has no place in the image.
bool patternImageLocate(e_ParameterID id, std::uint8_t* image, t_ParameterRawData* raw);

// The MIDI value stored for an index that has a location.
unsigned patternImageRead(e_ParameterID id, const t_ParameterRawData& raw, unsigned index,
                          const std::uint8_t* image);

// Writes a parameter value into the field of an index that has a location.
void patternImageWrite(e_ParameterID id, const t_ParameterRawData& raw, unsigned index, std::uint8_t* image,
                       float value);
