// The two ways pavonis runs: the panel in a window of its own until the user closes it, or a
// picture of the panel and the end.
#pragma once

#include "HostedPlugin.h"
#include "StateFile.h"

#include <string>

namespace standalone
{
// Opens the editor in a top-level window titled "Pavonis", connects to the ports whose names
// contain connectTo (none when empty), idles the editor and reports the device status on
// standard output until the window is closed or a stop signal arrives; saves the programs now
// and then and at the end. The window takes the size the editor asks for (its zoom) and hands
// the keys typed into it to the editor. The exit status.
int runWindow(HostedPlugin& plugin, StateFile& state, const std::string& connectTo);

// Draws the panel offscreen into a PNG file; with ports to connect to, once the device has
// answered (a few seconds at most). The exit status.
int runScreenshot(const HostedPlugin& plugin, const std::string& path, const std::string& connectTo);
} // namespace standalone
