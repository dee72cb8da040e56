// Connecting a plug-in instance to a device by port names, as a user does in the Setup
// page's interface menus.
#pragma once

#include <string>

class SynthCommons;

namespace esxsim
{
// Opens the plug-in's output onto the device's input and its input onto the device's
// output. False when a port is not listed or does not open.
bool connectToDevice(SynthCommons& synth, const std::string& deviceInput, const std::string& deviceOutput);
} // namespace esxsim
