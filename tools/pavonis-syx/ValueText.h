// How pavonis-syx writes a parameter's name and value: the one place of its formatting.
#pragma once

#include "params/ParameterTypes.h"

#include <string>

// The name of an editor parameter, told apart where the panel shows two alike in one part.
std::string parameterLabel(const t_EditorParameter& parameter);
// A MIDI value in the device's terms: the value list's text, else the number.
std::string valueText(const t_EditorParameter& parameter, unsigned value);
